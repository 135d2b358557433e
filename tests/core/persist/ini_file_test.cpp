#include "core/persist/ini_file.h"

#include "core/util/file_io.h"
#include "persist_test_util.h"

namespace veltra::core::test {
namespace {
namespace fs = std::filesystem;

struct ReadCase {
  const char* text;
  const char* section;
  const char* key;
  const char* expected; // "<def>" when the default comes back
};

class IniRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(IniRead, FindsTheValue) {
  const ReadCase& c = GetParam();
  EXPECT_EQ(IniFile::fromText(c.text).readString(c.section, c.key, "<def>"), c.expected) << c.text;
}

const char* const kOdd = "k=outside\n[A]\n;k=comment\n  ; j=comment\njust text\n=novalue\n[broken\nm=1\n";
const char* const kTwice = "[A]\nk=1\n[B]\nk=b\n[a]\nk=2\nj=3\n";

INSTANTIATE_TEST_SUITE_P(
    Texts, IniRead,
    ::testing::Values(
        ReadCase{"[verzeichnisse]\r\nPROJEKT=C:\\P\r\n", "VERZEICHNISSE", "Projekt", "C:\\P"}, // any letter case
        ReadCase{"[Ger\xE4te]\nSch\xFC\x65=1\n", "GER\xC4TE", "SCH\xDC\x45", "1"},             // cp1252 umlauts
        ReadCase{"  [ TIPS ]  \n\t Beschr \t=  true  \n", " TIPS ", " Beschr ", "true"},       // blanks around
        ReadCase{"[A]\nk = a  b \n", "A", "k", "a  b"}, ReadCase{"[A]\nk= \"  y \" \n", "A", "k", "  y "},
        ReadCase{"[A]\nk='x'\n", "A", "k", "x"}, ReadCase{"[A]\nk=\"\"x\"\"\n", "A", "k", "\"x\""},
        ReadCase{"[A]\nk=\"x'\n", "A", "k", "\"x'"}, ReadCase{"[A]\nk=\"\n", "A", "k", "\""},
        ReadCase{"[A]\nk=1\n", "B", "k", "<def>"}, ReadCase{"[A]\nk=1\n", "A", "j", "<def>"},
        ReadCase{"[A]\nk=\n", "A", "k", ""}, ReadCase{kTwice, "A", "k", "1"}, // first section of a name wins
        ReadCase{kTwice, "A", "j", "<def>"}, ReadCase{"[A]\nk=1\nK=2\n", "A", "k", "1"},
        ReadCase{kOdd, "A", "k", "<def>"}, ReadCase{kOdd, "A", "j", "<def>"}, ReadCase{kOdd, "A", "just text", "<def>"},
        ReadCase{kOdd, "A", "", "<def>"}, ReadCase{kOdd, "A", "m", "1"}, // '[' without ']' is no section
        ReadCase{"[A] ; c\nk=1\n", "A", "k", "1"}, ReadCase{"[A]\nk = a=b\n", "A", "k", "a=b"},
        ReadCase{"[A]\rk=1\r\nj=2\nm=3", "A", "j", "2"}, ReadCase{"[A]\rk=1\r\nj=2\nm=3", "A", "m", "3"},
        ReadCase{"\xEF\xBB\xBF[A]\nk=1\n", "A", "k", "1"}, ReadCase{"[A]\nk=M\xFCl\x80\n", "A", "k", "M\xFCl\x80"}));

TEST(IniReadDefault, LosesTrailingBlanksOnly) {
  EXPECT_EQ(IniFile::fromText("").readString("A", "k", "  d e  "), "  d e");
}

class IniInt : public ::testing::TestWithParam<std::pair<const char*, std::int32_t>> {};

// Like GetPrivateProfileInt: leading digits, wrapping at 32 bits.
TEST_P(IniInt, ReadsLeadingDigits) {
  const auto [line, expected] = GetParam();
  const std::string text = line ? std::string("[S]\nn=") + line + "\n" : "[S]\n";
  EXPECT_EQ(IniFile::fromText(text).readInt("s", "N", -99), expected) << text;
}

INSTANTIATE_TEST_SUITE_P(Values, IniInt,
                         ::testing::Values(std::pair{nullptr, -99}, std::pair{"", -99}, std::pair{"''", -99},
                                           std::pair{"-7", -7}, std::pair{"+5", 5}, std::pair{"12abc", 12},
                                           std::pair{"abc", 0}, std::pair{"-", 0}, std::pair{"' 42'", 42},
                                           std::pair{"2147483647", 2147483647},
                                           std::pair{"2147483648", -2147483647 - 1}));

struct WriteCase {
  const char* before;
  const char* section;
  const char* key;
  const char* value;
  const char* after;
};

class IniWrite : public ::testing::TestWithParam<WriteCase> {};

TEST_P(IniWrite, ChangesOnlyWhatItMust) {
  const WriteCase& c = GetParam();
  IniFile ini = IniFile::fromText(c.before);
  ini.writeString(c.section, c.key, c.value);
  EXPECT_EQ(ini.text(), c.after);
  EXPECT_EQ(ini.readString(c.section, c.key, "<def>"), c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, IniWrite,
    ::testing::Values(
        WriteCase{"; K\n[A]\n  k = 1 \n\nj=2\r\n[B]\rk=3", "a", "K", "9", "; K\n[A]\nk=9\n\nj=2\r\n[B]\rk=3"},
        WriteCase{"[A]\r\nk=1\r\nj=2\n", "A", "j", "x", "[A]\r\nk=1\r\nj=x\n"}, // keeps its own line end
        WriteCase{"[A]\nk=1", "A", "k", "x", "[A]\nk=x"},
        WriteCase{"[A]\r\nx=1\r\n; N\r\nno key\r\ny=2\n\r\n; B\r\n[B]\r\n", "A", "neu", "4", // after the last key
                  "[A]\r\nx=1\r\n; N\r\nno key\r\ny=2\nneu=4\r\n\r\n; B\r\n[B]\r\n"},
        WriteCase{"[A]\n; leer\n[B]\n", "A", "k", "v", "[A]\nk=v\r\n; leer\n[B]\n"},
        WriteCase{"[A]\nx=1", "A", "y", "2", "[A]\nx=1\r\ny=2\r\n"},
        // A new section follows the last line directly; blank lines already
        // there stay, and a last line without line end is ended first.
        WriteCase{"[A]\r\nx=1\r\n", "B", "k", "v", "[A]\r\nx=1\r\n[B]\r\nk=v\r\n"},
        WriteCase{"[A]\nx=1\n", "B", "k", "v", "[A]\nx=1\n[B]\r\nk=v\r\n"},
        WriteCase{"[A]\nx=1", "B", "k", "v", "[A]\nx=1\r\n[B]\r\nk=v\r\n"},
        WriteCase{"[A]\rx=1\r", "B", "k", "v", "[A]\rx=1\r[B]\r\nk=v\r\n"},
        WriteCase{"[A]\r\nx=1\r\n\r\n", "B", "k", "v", "[A]\r\nx=1\r\n\r\n[B]\r\nk=v\r\n"},
        WriteCase{"; nur Kommentar", "B", "k", "v", "; nur Kommentar\r\n[B]\r\nk=v\r\n"},
        WriteCase{"\r\n", "B", "k", "v", "\r\n[B]\r\nk=v\r\n"},
        WriteCase{"[A]\r\n", "B", "k", "v", "[A]\r\n[B]\r\nk=v\r\n"},
        WriteCase{"", "B", "k", "C:\\x \xE4=y", "[B]\r\nk=C:\\x \xE4=y\r\n"},
        WriteCase{"[A]\nk=1\n[A]\nj=2\n", "A", "j", "3", "[A]\nk=1\nj=3\r\n[A]\nj=2\n"}, // first of two sections
        WriteCase{"[A]\n;k=1\n", "A", "k", "2", "[A]\nk=2\r\n;k=1\n"}));                 // a comment is no key

// The settings the program writes into a missing "VTR.INI", one section
// after the other, make a file without blank lines, as Windows writes it.
TEST(IniWriteNewFile, SectionsFollowEachOther) {
  IniFile ini = IniFile::fromText("");
  ini.writeString("VERZEICHNISSE", "Projekt", "VTRProjekte");
  ini.writeString("TOOLTIPS", "Beschreibung", "false");
  ini.writeString("VERZEICHNISSE", "Design", "Standard");
  ini.writeString("GRAPHIK", "Texte", "true");
  EXPECT_EQ(ini.text(), "[VERZEICHNISSE]\r\nProjekt=VTRProjekte\r\nDesign=Standard\r\n"
                        "[TOOLTIPS]\r\nBeschreibung=false\r\n[GRAPHIK]\r\nTexte=true\r\n");
}

TEST(IniWriteRefuses, NamesAndValuesTheFileCannotHold) {
  IniFile ini = IniFile::fromText("[A]\nk=1\n");
  const char* const bad[][3] = {{"", "k", "v"},    {"A]", "k", "v"}, {"A\nB", "k", "v"}, {"A", " ", "v"},
                                {"A", "a=b", "v"}, {"A", ";k", "v"}, {"A", "[k", "v"},   {"A", "k", "1\r\n[B]"}};
  for (auto [s, k, v] : bad)
    EXPECT_THROW(ini.writeString(s, k, v), Error) << s << "|" << k << "|" << v;
  EXPECT_EQ(ini.text(), "[A]\nk=1\n");
}

TEST(IniFileOnDisk, SharedFileKeepsItsBytesLeavesNoTemporaryAndAFolderInItsPlaceStays) {
  TempDir dir;
  IniFile mainWindow(dir / "VTR.INI"), dialog(dir / "VTR.INI");
  EXPECT_EQ(mainWindow.readInt("A", "n", 7), 7);
  dialog.writeString("TOOLTIPS", "Parameter", "true");
  EXPECT_EQ(mainWindow.readString("TOOLTIPS", "Parameter", "false"), "true");
  writeFileAtomic(dir / "VTR.INI", "; E\n[V]\nProjekt=alt\n\n[G]\nT=1\n");
  mainWindow.writeString("v", "PROJEKT", "/home/x");
  mainWindow.writeString("v", "PROJEKT", "/home/x");
  EXPECT_EQ(readFileText(dir / "VTR.INI"), "; E\n[V]\nProjekt=/home/x\n\n[G]\nT=1\n");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), {}), 1);
  fs::remove(dir / "VTR.INI");
  fs::create_directory(dir / "VTR.INI");
  IniFile ini(dir / "VTR.INI");
  EXPECT_EQ(ini.readString("A", "k", "d"), "d");
  EXPECT_THROW(ini.writeString("A", "k", "v"), Error);
  EXPECT_TRUE(fs::is_directory(dir / "VTR.INI"));
  EXPECT_THROW(IniFile(dir / "fehlt" / "VTR.INI").writeString("A", "k", "v"), Error);
}

} // namespace
} // namespace veltra::core::test
