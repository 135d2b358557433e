#include "app/settings.h"

#include "core/persist/persist_test_util.h"
#include "util/file_io.h"

#include <gtest/gtest.h>

namespace veltra::core {
namespace {

namespace fs = std::filesystem;

class SettingsTest : public ::testing::Test {
protected:
  test::TempDir m_dir;
  std::string programDir() const { return m_dir.path().string() + "/"; }
  void writeIni(const std::string& text, const char* name = "VTR.INI") { writeFileAtomic(m_dir / name, text); }
  void mkdirs(const std::string& rel) { fs::create_directories(m_dir / rel); }
};

// Missing, empty, or without the keys: every default; the design is
// "Standard" when its folder exists (in any letter case), else "Default".
TEST_F(SettingsTest, WithoutKeysEveryDefault) {
  for (const char* ini : {static_cast<const char*>(nullptr), "",
                          "[VERZEICHNISSE]\nX=1\n[SETTINGS]\nDatenspeicher=\n[TOOLTIPS]\n[GRAPHIK]\nTexte\n"}) {
    if (ini) writeIni(ini);
    Settings s = loadSettings(programDir());
    EXPECT_EQ(std::tie(s.ProjectDir, s.LibraryDir, s.MeasureDir),
              std::make_tuple("VTRProjekte", "VTRLibrary", "VTRMess"));
    EXPECT_EQ(s.DataMemorySize, 262144);
    EXPECT_EQ(std::make_tuple(s.TipDescription, s.TipParameters, s.TipCrossRef, s.ShowTexts),
              std::make_tuple(false, false, false, true));
    EXPECT_EQ(s.DesignName, ini ? "Standard" : "Default");
    EXPECT_EQ(fs::exists(m_dir / "VTR.INI"), ini != nullptr); // loading writes nothing
    mkdirs("Designs/Standard");
  }
  EXPECT_EQ(designDir(loadSettings(programDir())), m_dir / "Designs" / "Standard");
  Settings s; // missing keys also reset what an earlier read left
  s.ShowTexts = false;
  s.TipCrossRef = true;
  readDisplayFlags(settingsFile(programDir()), s);
  EXPECT_TRUE(s.ShowTexts && !s.TipCrossRef);
}

TEST_F(SettingsTest, ReadsEveryKeyAlsoFromALowerCaseFileName) {
  writeIni("[VERZEICHNISSE]\r\nProjekt=/p/proj\r\nDesign=Blau\r\nLibrary=/p/lib\r\nMessdaten=/p/mess\r\n"
           "[SETTINGS]\r\nDatenspeicher=131072\r\n[TOOLTIPS]\r\nBeschreibung=true\r\nParameter=true\r\n"
           "Querverweis=true\r\n[GRAPHIK]\r\nTexte=false\r\n",
           "vtr.ini");
  mkdirs("designs/Blau");
  Settings s = loadSettings(m_dir.path().string());
  EXPECT_EQ(s.ProgramDir, programDir());
  EXPECT_EQ(std::tie(s.ProjectDir, s.DesignName, s.LibraryDir, s.MeasureDir),
            std::make_tuple("/p/proj", "Blau", "/p/lib", "/p/mess"));
  EXPECT_EQ(s.DataMemorySize, 131072);
  EXPECT_EQ(std::make_tuple(s.TipDescription, s.TipParameters, s.TipCrossRef, s.ShowTexts),
            std::make_tuple(true, true, true, false));
}

TEST_F(SettingsTest, ShippedIniReadsItsValues) {
  Settings s; // the source copy: the program folder's copy changes as the program runs
  readFolderSettings(settingsFile(VELTRA_SOURCE_DATA_DIR), s);
  readDisplayFlags(settingsFile(VELTRA_SOURCE_DATA_DIR), s);
  EXPECT_EQ(s.DesignName, "Standard");
  EXPECT_TRUE(s.TipDescription);
}

class SettingsFlag : public SettingsTest, public ::testing::WithParamInterface<std::pair<const char*, bool>> {};

TEST_P(SettingsFlag, FlagIsSetExactlyByTrue) {
  const std::string v = GetParam().first;
  writeIni("[TOOLTIPS]\nBeschreibung=" + v + "\nParameter=" + v + "\nQuerverweis=" + v + "\n[GRAPHIK]\nTexte=" + v +
           "\n");
  Settings s;
  readDisplayFlags(settingsFile(programDir()), s);
  const bool f = GetParam().second;
  EXPECT_EQ(std::make_tuple(s.TipDescription, s.TipParameters, s.TipCrossRef, s.ShowTexts),
            std::make_tuple(f, f, f, f));
}

INSTANTIATE_TEST_SUITE_P(Values, SettingsFlag,
                         ::testing::Values(std::pair{"true", true}, std::pair{"  true ", true},
                                           std::pair{"\"true\"", true}, std::pair{"True", false}, std::pair{"1", false},
                                           std::pair{"", false}, std::pair{"truex", false}));

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
}

TEST_F(SettingsTest, OrdnerListeListsSubfoldersSortedDepthFirstWithoutDotFolders) {
  for (const char* d : {"d/a/y", "d/a/x/tief", "d/a/.svn", "d/B", "d/..hidden", "d/c/z"})
    mkdirs(d);
  writeFileAtomic(m_dir / "d" / "file.txt", "x");
  std::vector<std::string> list{"vorher"};
  OrdnerListe(1, programDir() + "d/", list);
  EXPECT_EQ(list, (std::vector<std::string>{"vorher", "B", "a", "c"}));
  list.clear();
  OrdnerListe(2, programDir() + "d/", list);
  EXPECT_EQ(list, (std::vector<std::string>{"B", "a", "x", "y", "c", "z"}));
  list.clear();
  OrdnerListe(3, programDir() + "d/", list);
  EXPECT_EQ(list, (std::vector<std::string>{"B", "a", "x", "tief", "y", "c", "z"}));
  OrdnerListe(2, programDir() + "fehlt/", list);
  OrdnerListe(1, "", list);
  EXPECT_EQ(list.size(), 7u); // a missing folder adds nothing
}

// The design name's letter case counts; the cp1252 name from the file is
// compared with the UTF-8 folder name.
TEST_F(SettingsTest, DesignFallsBackToDefaultWhenItsFolderIsMissing) {
  mkdirs("designs/standard");
  mkdirs("designs/Gr\xC3\xBCn");
  writeIni("[VERZEICHNISSE]\nDesign=Standard\n");
  EXPECT_EQ(loadSettings(programDir()).DesignName, "Default");
  EXPECT_EQ(designFolders(programDir()), (std::vector<std::string>{"Gr\xC3\xBCn", "standard"}));
  Settings s;
  s.DesignName = "Gr\xFCn";
  applyDesignFallback(s, designFolders(programDir()));
  EXPECT_EQ(s.DesignName, "Gr\xFCn");
  s.DesignName = "Rot";
  applyDesignFallback(s, designFolders(programDir()));
  EXPECT_EQ(s.DesignName, "Default");
}

} // namespace
} // namespace veltra::core
