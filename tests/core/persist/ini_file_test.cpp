#include "persist/ini_file.h"
#include "util/error.h"
#include "util/file_io.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

namespace veltra::core {
namespace {

namespace fs = std::filesystem;

std::string read(const std::string& text, const char* section, const char* key, const char* def = "<def>") {
  return IniFile::fromText(text).readString(section, key, def);
}

std::string write(const std::string& text, const char* section, const char* key, const char* value) {
  IniFile ini = IniFile::fromText(text);
  ini.writeString(section, key, value);
  return ini.text();
}

// ---- reading -------------------------------------------------------------

TEST(IniRead, SectionAndKeyAreFoundInAnyLetterCase) {
  const std::string text = "[verzeichnisse]\r\nPROJEKT=C:\\Projekte\r\n";
  EXPECT_EQ(read(text, "VERZEICHNISSE", "Projekt"), "C:\\Projekte");
  EXPECT_EQ(read(text, "Verzeichnisse", "projekt"), "C:\\Projekte");
}

TEST(IniRead, LetterCaseOfCp1252UmlautsIsIgnored) {
  // "[Geräte]" with ä = 0xE4, looked up as "GERÄTE" with Ä = 0xC4.
  EXPECT_EQ(read("[Ger\xE4te]\nSch\xFC\x65=1\n", "GER\xC4TE", "SCH\xDC\x45"), "1");
}

TEST(IniRead, BlanksAroundNamesAndValuesAreIgnored) {
  const std::string text = "  [ TOOLTIPS ]  \n\t Beschreibung \t=  true  \n";
  EXPECT_EQ(read(text, "TOOLTIPS", "Beschreibung"), "true");
  EXPECT_EQ(read(text, " TOOLTIPS ", " Beschreibung "), "true");
}

TEST(IniRead, BlanksInsideAValueStay) { EXPECT_EQ(read("[A]\nk = a  b \n", "A", "k"), "a  b"); }

struct QuoteCase {
  const char* stored;
  const char* read;
};

class IniQuotes : public ::testing::TestWithParam<QuoteCase> {};

TEST_P(IniQuotes, MatchingQuotesAreRemovedOnce) {
  EXPECT_EQ(read(std::string("[A]\nk=") + GetParam().stored + "\n", "A", "k"), GetParam().read);
}

INSTANTIATE_TEST_SUITE_P(Values, IniQuotes,
                         ::testing::Values(QuoteCase{"\"a b \"", "a b "}, QuoteCase{"'x'", "x"},
                                           QuoteCase{"\"\"x\"\"", "\"x\""}, QuoteCase{"\"x'", "\"x'"},
                                           QuoteCase{"\"", "\""}, QuoteCase{"\"\"", ""}, QuoteCase{"x\"", "x\""},
                                           QuoteCase{" \"  y \" ", "  y "}));

TEST(IniRead, MissingSectionOrKeyGivesTheDefault) {
  const std::string text = "[A]\nk=1\n";
  EXPECT_EQ(read(text, "B", "k"), "<def>");
  EXPECT_EQ(read(text, "A", "j"), "<def>");
  EXPECT_EQ(read("", "A", "k"), "<def>");
}

TEST(IniRead, DefaultLosesTrailingBlanksOnly) { EXPECT_EQ(read("", "A", "k", "  d e  "), "  d e"); }

TEST(IniRead, EmptyValueIsAValueNotTheDefault) { EXPECT_EQ(read("[A]\nk=\n", "A", "k"), ""); }

TEST(IniRead, FirstSectionOfANameWinsEvenWhenTheKeyIsOnlyInALaterOne) {
  const std::string text = "[A]\nk=1\n[B]\nk=b\n[a]\nk=2\nj=3\n";
  EXPECT_EQ(read(text, "A", "k"), "1");
  EXPECT_EQ(read(text, "A", "j"), "<def>");
  EXPECT_EQ(read(text, "B", "k"), "b");
}

TEST(IniRead, FirstKeyOfANameWins) { EXPECT_EQ(read("[A]\nk=1\nK=2\n", "A", "k"), "1"); }

TEST(IniRead, CommentsAndOtherLinesAreNeverRead) {
  const std::string text = "k=outside\n[A]\n;k=comment\n  ; j=comment\njust text\n=novalue\n[broken\nm=1\n";
  EXPECT_EQ(read(text, "A", "k"), "<def>");
  EXPECT_EQ(read(text, "A", "j"), "<def>");
  EXPECT_EQ(read(text, "A", "just text"), "<def>");
  EXPECT_EQ(read(text, "A", ""), "<def>");
  // A header without ']' does not start a section; its keys stay in [A].
  EXPECT_EQ(read(text, "A", "m"), "1");
  EXPECT_EQ(read(text, "broken", "m"), "<def>");
}

TEST(IniRead, TextAfterTheClosingBracketIsIgnored) { EXPECT_EQ(read("[A] ; c\nk=1\n", "A", "k"), "1"); }

TEST(IniRead, ValueKeepsFurtherEqualSigns) { EXPECT_EQ(read("[A]\nk = a=b\n", "A", "k"), "a=b"); }

TEST(IniRead, AllLineEndsSeparateLines) {
  const std::string text = "[A]\rk=1\r\nj=2\nm=3";
  EXPECT_EQ(read(text, "A", "k"), "1");
  EXPECT_EQ(read(text, "A", "j"), "2");
  EXPECT_EQ(read(text, "A", "m"), "3");
}

TEST(IniRead, Utf8MarkBeforeTheFirstSectionIsSkipped) { EXPECT_EQ(read("\xEF\xBB\xBF[A]\nk=1\n", "A", "k"), "1"); }

TEST(IniRead, ValueBytesAreReturnedUnchanged) {
  EXPECT_EQ(read("[A]\nk=M\xFC\x6Cler\x80\n", "A", "k"), "M\xFC\x6Cler\x80");
}

struct IntCase {
  const char* line; // nullptr: key missing
  std::int32_t expected;
};

class IniInt : public ::testing::TestWithParam<IntCase> {};

TEST_P(IniInt, ReadsLikeGetPrivateProfileInt) {
  std::string text = "[S]\n";
  if (GetParam().line != nullptr) text += std::string("n=") + GetParam().line + "\n";
  EXPECT_EQ(IniFile::fromText(text).readInt("s", "N", -99), GetParam().expected) << text;
}

INSTANTIATE_TEST_SUITE_P(Values, IniInt,
                         ::testing::Values(IntCase{nullptr, -99}, IntCase{"", -99}, IntCase{"''", -99},
                                           IntCase{"262144", 262144}, IntCase{"-7", -7}, IntCase{"+5", 5},
                                           IntCase{"12abc", 12}, IntCase{"abc", 0}, IntCase{"-", 0}, IntCase{"0x10", 0},
                                           IntCase{"1 2", 1}, IntCase{"' 42'", 42}, IntCase{"2147483647", 2147483647},
                                           IntCase{"2147483648", -2147483647 - 1}, IntCase{"4294967297", 1},
                                           IntCase{"-2147483648", -2147483647 - 1}));

// ---- writing -------------------------------------------------------------

TEST(IniWrite, ReplacesAValueInPlaceAndKeepsEveryOtherByte) {
  const std::string before = "; Kommentar\n[A]\n  k = 1 \n\nj=2\r\n[B]\rk=3";
  EXPECT_EQ(write(before, "a", "K", "9"), "; Kommentar\n[A]\nk=9\n\nj=2\r\n[B]\rk=3");
}

TEST(IniWrite, ReplacedLineKeepsItsOwnLineEnd) {
  EXPECT_EQ(write("[A]\r\nk=1\r\nj=2\n", "A", "j", "x"), "[A]\r\nk=1\r\nj=x\n");
  EXPECT_EQ(write("[A]\nk=1", "A", "k", "x"), "[A]\nk=x");
}

TEST(IniWrite, AddsAMissingKeyAfterTheLastKeyOfItsSection) {
  const std::string before = "[A]\r\nx=1\r\n; Notiz\r\nno key here\r\ny=2\n\r\n; vor B\r\n[B]\r\nz=3\r\n";
  EXPECT_EQ(write(before, "A", "neu", "4"),
            "[A]\r\nx=1\r\n; Notiz\r\nno key here\r\ny=2\nneu=4\r\n\r\n; vor B\r\n[B]\r\nz=3\r\n");
}

TEST(IniWrite, AddsAKeyRightAfterTheHeaderOfASectionWithoutKeys) {
  EXPECT_EQ(write("[A]\n; leer\n[B]\n", "A", "k", "v"), "[A]\nk=v\r\n; leer\n[B]\n");
}

TEST(IniWrite, EndsALastLineWithoutLineEndBeforeAddingAKey) {
  EXPECT_EQ(write("[A]\nx=1", "A", "y", "2"), "[A]\nx=1\r\ny=2\r\n");
}

TEST(IniWrite, AddsAMissingSectionAtTheEndAfterABlankLine) {
  EXPECT_EQ(write("[A]\nx=1", "B", "k", "v"), "[A]\nx=1\r\n\r\n[B]\r\nk=v\r\n");
  EXPECT_EQ(write("[A]\r\nx=1\r\n", "B", "k", "v"), "[A]\r\nx=1\r\n\r\n[B]\r\nk=v\r\n");
  EXPECT_EQ(write("[A]\r\nx=1\r\n\r\n", "B", "k", "v"), "[A]\r\nx=1\r\n\r\n[B]\r\nk=v\r\n");
  EXPECT_EQ(write("", "B", "k", "v"), "[B]\r\nk=v\r\n");
}

TEST(IniWrite, WritesIntoTheFirstOfTwoSectionsOfTheSameName) {
  EXPECT_EQ(write("[A]\nk=1\n[A]\nj=2\n", "A", "j", "3"), "[A]\nk=1\nj=3\r\n[A]\nj=2\n");
  EXPECT_EQ(write("[A]\nk=1\n[A]\nk=2\n", "A", "k", "3"), "[A]\nk=3\n[A]\nk=2\n");
}

TEST(IniWrite, CommentedOutKeyIsNotReplaced) { EXPECT_EQ(write("[A]\n;k=1\n", "A", "k", "2"), "[A]\nk=2\r\n;k=1\n"); }

TEST(IniWrite, WrittenValuesReadBack) {
  IniFile ini = IniFile::fromText("");
  for (const char* v : {"a b", "C:\\x\\y", "\xE4\xF6\xFC", "x=y", ""}) {
    ini.writeString("S", "k", v);
    EXPECT_EQ(ini.readString("S", "k", "<def>"), v);
  }
}

TEST(IniWrite, NamesAndValuesTheFileCannotHoldAreRefused) {
  IniFile ini = IniFile::fromText("[A]\nk=1\n");
  EXPECT_THROW(ini.writeString("", "k", "v"), Error);
  EXPECT_THROW(ini.writeString("A]", "k", "v"), Error);
  EXPECT_THROW(ini.writeString("A\nB", "k", "v"), Error);
  EXPECT_THROW(ini.writeString("A", " ", "v"), Error);
  EXPECT_THROW(ini.writeString("A", "a=b", "v"), Error);
  EXPECT_THROW(ini.writeString("A", ";k", "v"), Error);
  EXPECT_THROW(ini.writeString("A", "[k", "v"), Error);
  EXPECT_THROW(ini.writeString("A", "k", "1\r\n[B]"), Error);
  EXPECT_EQ(ini.text(), "[A]\nk=1\n");
}

// ---- files ---------------------------------------------------------------

class IniFileOnDisk : public ::testing::Test {
protected:
  void SetUp() override {
    std::random_device rd;
    m_dir = fs::temp_directory_path() / ("veltra_ini_" + std::to_string(rd()));
    fs::create_directories(m_dir);
  }
  void TearDown() override {
    std::error_code ec;
    fs::remove_all(m_dir, ec);
  }
  fs::path m_dir;
};

TEST_F(IniFileOnDisk, MissingFileReadsDefaultsAndIsCreatedByAWrite) {
  IniFile ini(m_dir / "VTR.INI");
  EXPECT_EQ(ini.readString("A", "k", "d"), "d");
  EXPECT_EQ(ini.readInt("A", "n", 7), 7);
  ini.writeString("A", "k", "v");
  EXPECT_EQ(readFileText(m_dir / "VTR.INI"), "[A]\r\nk=v\r\n");
}

TEST_F(IniFileOnDisk, TwoObjectsOnOneFileSeeEachOthersWrites) {
  IniFile mainWindow(m_dir / "VTR.INI");
  IniFile dialog(m_dir / "VTR.INI");
  EXPECT_EQ(mainWindow.readString("TOOLTIPS", "Parameter", "false"), "false");
  dialog.writeString("TOOLTIPS", "Parameter", "true");
  EXPECT_EQ(mainWindow.readString("TOOLTIPS", "Parameter", "false"), "true");
}

TEST_F(IniFileOnDisk, WriteKeepsCommentsAndLineEndsOfTheFile) {
  const std::string before = "; Einstellungen\n[VERZEICHNISSE]\nProjekt=alt\n\n[GRAPHIK]\nTexte=true\n";
  writeFileAtomic(m_dir / "VTR.INI", before);
  IniFile ini(m_dir / "VTR.INI");
  ini.writeString("verzeichnisse", "PROJEKT", "/home/x");
  EXPECT_EQ(readFileText(m_dir / "VTR.INI"),
            "; Einstellungen\n[VERZEICHNISSE]\nProjekt=/home/x\n\n[GRAPHIK]\nTexte=true\n");
}

TEST_F(IniFileOnDisk, AFolderInPlaceOfTheFileReadsAsMissingAndCannotBeWritten) {
  fs::create_directory(m_dir / "VTR.INI");
  IniFile ini(m_dir / "VTR.INI");
  EXPECT_EQ(ini.readString("A", "k", "d"), "d");
  EXPECT_THROW(ini.writeString("A", "k", "v"), Error);
  EXPECT_TRUE(fs::is_directory(m_dir / "VTR.INI"));
}

TEST_F(IniFileOnDisk, WriteIntoAMissingFolderThrows) {
  IniFile ini(m_dir / "fehlt" / "VTR.INI");
  EXPECT_THROW(ini.writeString("A", "k", "v"), Error);
}

TEST_F(IniFileOnDisk, WriteLeavesNoTemporaryFileBehind) {
  IniFile ini(m_dir / "VTR.INI");
  ini.writeString("A", "k", "1");
  ini.writeString("A", "k", "2");
  ini.writeString("A", "k", "2");
  int files = 0;
  for ([[maybe_unused]] const auto& e : fs::directory_iterator(m_dir))
    ++files;
  EXPECT_EQ(files, 1);
  EXPECT_EQ(ini.readString("A", "k", ""), "2");
}

} // namespace
} // namespace veltra::core
