#include "core/app/settings.h"

#include "core/util/cp1252.h"
#include "core/util/file_io.h"

#include <algorithm>

namespace veltra::core {

namespace fs = std::filesystem;

namespace {

constexpr const char* kIniName = "VTR.INI";
constexpr const char* kFolders = "VERZEICHNISSE";
constexpr const char* kSettings = "SETTINGS";
constexpr const char* kTooltips = "TOOLTIPS";
constexpr const char* kGraphics = "GRAPHIK";

bool readFlag(const IniFile& ini, const char* section, const char* key, const char* def) {
  return ini.readString(section, key, def) == "true";
}

const char* flagText(bool v) { return v ? "true" : "false"; }

std::string withSlash(std::string dir) {
  if (!dir.empty() && dir.back() != '/') dir += '/';
  return dir;
}

} // namespace

IniFile settingsFile(const std::string& programDir) { return IniFile(findCaseInsensitive(programDir, kIniName)); }

void readFolderSettings(const IniFile& ini, Settings& s) {
  s.ProjectDir = ini.readString(kFolders, "Projekt", "VTRProjekte");
  s.DesignName = ini.readString(kFolders, "Design", "Standard");
  s.LibraryDir = ini.readString(kFolders, "Library", "VTRLibrary");
  s.MeasureDir = ini.readString(kFolders, "Messdaten", "VTRMess");
  s.DataMemorySize = ini.readInt(kSettings, "Datenspeicher", 262144);
}

void readDisplayFlags(const IniFile& ini, Settings& s) {
  s.TipDescription = readFlag(ini, kTooltips, "Beschreibung", "false");
  s.TipParameters = readFlag(ini, kTooltips, "Parameter", "false");
  s.TipCrossRef = readFlag(ini, kTooltips, "Querverweis", "false");
  s.ShowTexts = readFlag(ini, kGraphics, "Texte", "true");
}

void writeProjectDir(IniFile& ini, const Settings& s) { ini.writeString(kFolders, "Projekt", s.ProjectDir); }
void writeDesign(IniFile& ini, const Settings& s) { ini.writeString(kFolders, "Design", s.DesignName); }
void writeLibraryDir(IniFile& ini, const Settings& s) { ini.writeString(kFolders, "Library", s.LibraryDir); }
void writeMeasureDir(IniFile& ini, const Settings& s) { ini.writeString(kFolders, "Messdaten", s.MeasureDir); }

void writeDisplayFlags(IniFile& ini, const Settings& s) {
  ini.writeString(kTooltips, "Beschreibung", flagText(s.TipDescription));
  ini.writeString(kTooltips, "Parameter", flagText(s.TipParameters));
  ini.writeString(kTooltips, "Querverweis", flagText(s.TipCrossRef));
  ini.writeString(kGraphics, "Texte", flagText(s.ShowTexts));
}

void OrdnerListe(int depth, const std::string& path, std::vector<std::string>& list) {
  std::vector<std::string> names;
  std::error_code ec;
  for (fs::directory_iterator it(fs::path(path), ec), end; !ec && it != end; it.increment(ec)) {
    std::string name = it->path().filename().string();
    if (name.empty() || name.front() == '.') continue;
    std::error_code typeEc;
    if (it->is_directory(typeEc)) names.push_back(std::move(name));
  }
  std::sort(names.begin(), names.end());
  for (const std::string& name : names) {
    list.push_back(name);
    if (depth > 1) OrdnerListe(depth - 1, path + name + "/", list);
  }
}

fs::path designsDir(const std::string& programDir) { return findCaseInsensitive(programDir, "designs"); }

std::vector<std::string> designFolders(const std::string& programDir) {
  std::vector<std::string> list;
  OrdnerListe(1, designsDir(programDir).string() + "/", list);
  return list;
}

void applyDesignFallback(Settings& s, const std::vector<std::string>& designs) {
  const bool found = std::any_of(designs.begin(), designs.end(),
                                 [&](const std::string& name) { return utf8ToCp1252(name) == s.DesignName; });
  if (!found) s.DesignName = "Default";
}

fs::path designDir(const Settings& s) { return designsDir(s.ProgramDir) / cp1252ToUtf8(s.DesignName); }

Settings loadSettings(const std::string& programDir) {
  Settings s;
  s.ProgramDir = withSlash(programDir);
  const IniFile ini = settingsFile(s.ProgramDir);
  readFolderSettings(ini, s);
  applyDesignFallback(s, designFolders(s.ProgramDir));
  readDisplayFlags(ini, s);
  return s;
}

} // namespace veltra::core
