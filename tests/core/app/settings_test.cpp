#include "core/app/settings.h"

#include "tests/core/persist/persist_test_util.h"

namespace veltra::core {
namespace {

class SettingsTest : public ::testing::Test {
protected:
  test::TempDir m_dir;
  std::string programDir() const { return m_dir.path().string() + "/"; }
  void writeIni(const std::string& text, const char* name = "VTR.INI") { writeFileAtomic(m_dir / name, text); }
  void mkdirs(const std::string& rel) { std::filesystem::create_directories(m_dir / rel); }
  static auto flags(const Settings& s) {
    return std::tuple(s.TipDescription, s.TipParameters, s.TipCrossRef, s.ShowTexts);
  }
};

// Missing, empty or keyless: every default; design "Standard" if its folder exists (any case), else "Default".
TEST_F(SettingsTest, WithoutKeysEveryDefault) {
  for (const char* ini : {static_cast<const char*>(nullptr), "",
                          "[VERZEICHNISSE]\nX=1\n[SETTINGS]\nDatenspeicher=\n[TOOLTIPS]\n[GRAPHIK]\nTexte\n"}) {
    if (ini) writeIni(ini);
    Settings s = loadSettings(programDir());
    EXPECT_EQ(std::tie(s.ProjectDir, s.LibraryDir, s.MeasureDir, s.DataMemorySize),
              std::tuple("VTRProjekte", "VTRLibrary", "VTRMess", 262144));
    EXPECT_EQ(flags(s), std::tuple(false, false, false, true));
    EXPECT_EQ(s.DesignName, ini ? "Standard" : "Default");
    EXPECT_EQ(std::filesystem::exists(m_dir / "VTR.INI"), ini != nullptr); // loading writes nothing
    mkdirs("Designs/Standard");
  }
  EXPECT_EQ(designDir(loadSettings(programDir())), m_dir / "Designs" / "Standard");
  Settings s; // missing keys also reset what an earlier read left
  std::tie(s.TipCrossRef, s.ShowTexts) = std::tuple(true, false);
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
  EXPECT_EQ(std::tie(s.ProjectDir, s.DesignName, s.LibraryDir, s.MeasureDir, s.DataMemorySize),
            std::tuple("/p/proj", "Blau", "/p/lib", "/p/mess", 131072));
  EXPECT_EQ(flags(s), std::tuple(true, true, true, false));
}

TEST_F(SettingsTest, FlagIsSetExactlyByTrue) {
  const std::pair<std::string, bool> cases[] = {
      {"true", true}, {"  true ", true}, {"\"true\"", true}, {"True", false}, {"truex", false}};
  for (const auto& [v, f] : cases) {
    writeIni("[TOOLTIPS]\nBeschreibung=" + v + "\nParameter=" + v + "\nQuerverweis=" + v + "\n[GRAPHIK]\nTexte=" + v);
    Settings s;
    readDisplayFlags(settingsFile(programDir()), s);
    EXPECT_EQ(flags(s), std::tuple(f, f, f, f)) << v;
  }
}

TEST_F(SettingsTest, WritesGoToTheirKeysAndKeepTheRestOfTheFile) {
  writeIni("; VELTRA\n[VERZEICHNISSE]\nProjekt=alt\n[SETTINGS]\nDatenspeicher=4096\n");
  IniFile ini = settingsFile(programDir());
  Settings s;
  std::tie(s.ProjectDir, s.LibraryDir, s.MeasureDir, s.DesignName) = std::tuple("/n/p", "/n/l", "/n/m", "Gr\xFCn");
  std::tie(s.TipDescription, s.ShowTexts) = std::tuple(true, false);
  for (auto write : {writeProjectDir, writeDesign, writeLibraryDir, writeMeasureDir, writeDisplayFlags})
    write(ini, s);
  EXPECT_EQ(readFileText(m_dir / "VTR.INI"),
            "; VELTRA\n[VERZEICHNISSE]\nProjekt=/n/p\nDesign=Gr\xFCn\r\nLibrary=/n/l\r\n"
            "Messdaten=/n/m\r\n[SETTINGS]\nDatenspeicher=4096\n"
            "[TOOLTIPS]\r\nBeschreibung=true\r\nParameter=false\r\nQuerverweis=false\r\n"
            "[GRAPHIK]\r\nTexte=false\r\n");
}

TEST_F(SettingsTest, OrdnerListeListsSubfoldersSortedDepthFirstWithoutDotFolders) {
  for (const char* d : {"d/a/y", "d/a/x/tief", "d/a/.svn", "d/B", "d/..hidden", "d/c/z"})
    mkdirs(d);
  writeFileAtomic(m_dir / "d" / "file.txt", "x");
  std::vector<std::string> list{"vorher"};
  OrdnerListe(1, programDir() + "d/", list);
  EXPECT_EQ(list, (std::vector<std::string>{"vorher", "B", "a", "c"}));
  list.clear();
  OrdnerListe(3, programDir() + "d/", list);
  EXPECT_EQ(list, (std::vector<std::string>{"B", "a", "x", "tief", "y", "c", "z"}));
  OrdnerListe(2, programDir() + "fehlt/", list);
  OrdnerListe(1, "", list);
  EXPECT_EQ(list.size(), 7u); // a missing folder adds nothing
}

// Letter case counts; the cp1252 name from the file is compared with the UTF-8 folder name.
TEST_F(SettingsTest, DesignFallsBackToDefaultWhenItsFolderIsMissing) {
  mkdirs("designs/standard");
  mkdirs("designs/Gr\xC3\xBCn");
  writeIni("[VERZEICHNISSE]\nDesign=Standard\n");
  EXPECT_EQ(loadSettings(programDir()).DesignName, "Default");
  EXPECT_EQ(designFolders(programDir()), (std::vector<std::string>{"Gr\xC3\xBCn", "standard"}));
  for (auto [name, expected] : {std::pair{"Gr\xFCn", "Gr\xFCn"}, {"Rot", "Default"}}) {
    Settings s;
    s.DesignName = name;
    applyDesignFallback(s, designFolders(programDir()));
    EXPECT_EQ(s.DesignName, expected);
  }
}

} // namespace
} // namespace veltra::core
