#include "app/settings.h"
#include "util/file_io.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

namespace veltra::core {
namespace {

namespace fs = std::filesystem;

class SettingsTest : public ::testing::Test {
protected:
  void SetUp() override {
    std::random_device rd;
    m_dir = fs::temp_directory_path() / ("veltra_settings_" + std::to_string(rd()));
    fs::create_directories(m_dir);
  }
  void TearDown() override {
    std::error_code ec;
    fs::remove_all(m_dir, ec);
  }
  std::string programDir() const { return m_dir.string() + "/"; }
  void writeIni(const std::string& text, const char* name = "VTR.INI") { writeFileAtomic(m_dir / name, text); }
  void mkdirs(const std::string& rel) { fs::create_directories(m_dir / rel); }
  void touch(const std::string& rel) { writeFileAtomic(m_dir / rel, "x"); }

  fs::path m_dir;
};

void expectDefaults(const Settings& s) {
  EXPECT_EQ(s.ProjectDir, "VTRProjekte");
  EXPECT_EQ(s.LibraryDir, "VTRLibrary");
  EXPECT_EQ(s.MeasureDir, "VTRMess");
  EXPECT_EQ(s.DataMemorySize, 262144);
  EXPECT_FALSE(s.TipDescription);
  EXPECT_FALSE(s.TipParameters);
  EXPECT_FALSE(s.TipCrossRef);
  EXPECT_TRUE(s.ShowTexts);
}

TEST_F(SettingsTest, MissingIniGivesEveryDefault) {
  Settings s = loadSettings(programDir());
  expectDefaults(s);
  EXPECT_EQ(s.DesignName, "Default"); // no "designs/Standard" folder
  EXPECT_FALSE(fs::exists(m_dir / "VTR.INI"));
}

TEST_F(SettingsTest, EmptyIniGivesEveryDefaultAndStandardDesignWhenItsFolderExists) {
  writeIni("");
  mkdirs("designs/Standard");
  Settings s = loadSettings(programDir());
  expectDefaults(s);
  EXPECT_EQ(s.DesignName, "Standard");
}

TEST_F(SettingsTest, IniWithSectionsButOtherKeysGivesEveryDefault) {
  writeIni("[VERZEICHNISSE]\nX=1\n[SETTINGS]\nDatenspeicher=\n[TOOLTIPS]\n[GRAPHIK]\nTexte\n");
  Settings s;
  s.ShowTexts = false;
  s.TipCrossRef = true;
  IniFile ini = settingsFile(programDir());
  readFolderSettings(ini, s);
  readDisplayFlags(ini, s);
  expectDefaults(s);
  EXPECT_EQ(s.DesignName, "Standard");
}

TEST_F(SettingsTest, ReadsEveryKey) {
  writeIni("[VERZEICHNISSE]\r\nProjekt=/p/proj\r\nDesign=Blau\r\nLibrary=/p/lib\r\nMessdaten=/p/mess\r\n"
           "[SETTINGS]\r\nDatenspeicher=131072\r\n[TOOLTIPS]\r\nBeschreibung=true\r\nParameter=true\r\n"
           "Querverweis=true\r\n[GRAPHIK]\r\nTexte=false\r\n");
  mkdirs("designs/Blau");
  Settings s = loadSettings(m_dir.string());
  EXPECT_EQ(s.ProgramDir, programDir());
  EXPECT_EQ(s.ProjectDir, "/p/proj");
  EXPECT_EQ(s.DesignName, "Blau");
  EXPECT_EQ(s.LibraryDir, "/p/lib");
  EXPECT_EQ(s.MeasureDir, "/p/mess");
  EXPECT_EQ(s.DataMemorySize, 131072);
  EXPECT_TRUE(s.TipDescription);
  EXPECT_TRUE(s.TipParameters);
  EXPECT_TRUE(s.TipCrossRef);
  EXPECT_FALSE(s.ShowTexts);
}

TEST_F(SettingsTest, ShippedIniReadsItsValues) {
  Settings s;
  // The source copy: the program folder's copy changes as the program runs.
  readFolderSettings(settingsFile(VELTRA_SOURCE_DATA_DIR), s);
  readDisplayFlags(settingsFile(VELTRA_SOURCE_DATA_DIR), s);
  EXPECT_EQ(s.ProjectDir, "VTRProjekte");
  EXPECT_EQ(s.DesignName, "Standard");
  EXPECT_EQ(s.DataMemorySize, 262144);
  EXPECT_TRUE(s.TipDescription);
  EXPECT_TRUE(s.ShowTexts);
}

TEST_F(SettingsTest, LowerCaseIniFileNameIsFound) {
  writeIni("[VERZEICHNISSE]\nProjekt=klein\n", "vtr.ini");
  EXPECT_EQ(loadSettings(programDir()).ProjectDir, "klein");
}

struct FlagCase {
  const char* stored;
  bool flag;
};

class SettingsFlag : public SettingsTest, public ::testing::WithParamInterface<FlagCase> {};

TEST_P(SettingsFlag, FlagIsSetExactlyByTrue) {
  const std::string v = GetParam().stored;
  writeIni("[TOOLTIPS]\nBeschreibung=" + v + "\nParameter=" + v + "\nQuerverweis=" + v + "\n[GRAPHIK]\nTexte=" + v +
           "\n");
  Settings s;
  readDisplayFlags(settingsFile(programDir()), s);
  EXPECT_EQ(s.TipDescription, GetParam().flag);
  EXPECT_EQ(s.TipParameters, GetParam().flag);
  EXPECT_EQ(s.TipCrossRef, GetParam().flag);
  EXPECT_EQ(s.ShowTexts, GetParam().flag);
}

INSTANTIATE_TEST_SUITE_P(Values, SettingsFlag,
                         ::testing::Values(FlagCase{"true", true}, FlagCase{"  true ", true},
                                           FlagCase{"\"true\"", true}, FlagCase{"True", false}, FlagCase{"TRUE", false},
                                           FlagCase{"1", false}, FlagCase{"", false}, FlagCase{"truex", false},
                                           FlagCase{"false", false}));

TEST_F(SettingsTest, WritesGoToTheirKeysAndKeepTheRestOfTheFile) {
  writeIni("; VELTRA\n[VERZEICHNISSE]\nProjekt=alt\n[SETTINGS]\nDatenspeicher=4096\n");
  IniFile ini = settingsFile(programDir());
  Settings s;
  s.ProjectDir = "/neu/proj";
  s.DesignName = "Gr\xFCn";
  s.LibraryDir = "/neu/lib";
  s.MeasureDir = "/neu/mess";
  s.TipDescription = true;
  s.ShowTexts = false;
  writeProjectDir(ini, s);
  writeDesign(ini, s);
  writeLibraryDir(ini, s);
  writeMeasureDir(ini, s);
  writeDisplayFlags(ini, s);
  EXPECT_EQ(readFileText(m_dir / "VTR.INI"),
            "; VELTRA\n[VERZEICHNISSE]\nProjekt=/neu/proj\nDesign=Gr\xFCn\r\nLibrary=/neu/lib\r\n"
            "Messdaten=/neu/mess\r\n[SETTINGS]\nDatenspeicher=4096\n"
            "\r\n[TOOLTIPS]\r\nBeschreibung=true\r\nParameter=false\r\nQuerverweis=false\r\n"
            "\r\n[GRAPHIK]\r\nTexte=false\r\n");

  Settings back;
  readFolderSettings(ini, back);
  readDisplayFlags(ini, back);
  EXPECT_EQ(back.ProjectDir, s.ProjectDir);
  EXPECT_EQ(back.DesignName, s.DesignName);
  EXPECT_EQ(back.LibraryDir, s.LibraryDir);
  EXPECT_EQ(back.MeasureDir, s.MeasureDir);
  EXPECT_EQ(back.DataMemorySize, 4096);
  EXPECT_TRUE(back.TipDescription);
  EXPECT_FALSE(back.TipParameters);
  EXPECT_FALSE(back.ShowTexts);
}

// ---- folders -------------------------------------------------------------

TEST_F(SettingsTest, OrdnerListeDepthOneListsSubfoldersSortedWithoutDotFolders) {
  mkdirs("d/Zeta");
  mkdirs("d/alpha");
  mkdirs("d/Beta/inner");
  mkdirs("d/.git");
  mkdirs("d/..hidden");
  touch("d/file.txt");
  std::vector<std::string> list{"vorher"};
  OrdnerListe(1, programDir() + "d/", list);
  EXPECT_EQ(list, (std::vector<std::string>{"vorher", "Beta", "Zeta", "alpha"}));
}

TEST_F(SettingsTest, OrdnerListeDepthTwoPutsEachFoldersSubfoldersAfterIt) {
  mkdirs("d/a/y");
  mkdirs("d/a/x/tief");
  mkdirs("d/a/.svn");
  mkdirs("d/b");
  mkdirs("d/c/z");
  std::vector<std::string> list;
  OrdnerListe(2, programDir() + "d/", list);
  EXPECT_EQ(list, (std::vector<std::string>{"a", "x", "y", "b", "c", "z"}));
  list.clear();
  OrdnerListe(3, programDir() + "d/", list);
  EXPECT_EQ(list, (std::vector<std::string>{"a", "x", "tief", "y", "b", "c", "z"}));
}

TEST_F(SettingsTest, OrdnerListeOfAMissingFolderAddsNothing) {
  std::vector<std::string> list;
  OrdnerListe(2, programDir() + "fehlt/", list);
  OrdnerListe(1, "", list);
  EXPECT_TRUE(list.empty());
}

TEST_F(SettingsTest, DesignFolderIsFoundInAnyLetterCase) {
  mkdirs("Designs/Standard");
  mkdirs("Designs/Blau");
  EXPECT_EQ(designFolders(programDir()), (std::vector<std::string>{"Blau", "Standard"}));
  Settings s = loadSettings(programDir());
  EXPECT_EQ(s.DesignName, "Standard");
  EXPECT_EQ(designDir(s), m_dir / "Designs" / "Standard");
}

TEST_F(SettingsTest, DesignFallsBackToDefaultWhenItsFolderIsMissing) {
  mkdirs("designs/Blau");
  mkdirs("designs/standard"); // letter case of a design name counts
  writeIni("[VERZEICHNISSE]\nDesign=Standard\n");
  EXPECT_EQ(loadSettings(programDir()).DesignName, "Default");
}

TEST_F(SettingsTest, DesignFallbackComparesCp1252NameWithFolderName) {
  mkdirs("designs/Gr\xC3\xBCn"); // UTF-8 folder name "Grün"
  Settings s;
  s.DesignName = "Gr\xFCn"; // code page 1252 from VTR.INI
  applyDesignFallback(s, designFolders(programDir()));
  EXPECT_EQ(s.DesignName, "Gr\xFCn");
  s.DesignName = "Rot";
  applyDesignFallback(s, designFolders(programDir()));
  EXPECT_EQ(s.DesignName, "Default");
}

} // namespace
} // namespace veltra::core
