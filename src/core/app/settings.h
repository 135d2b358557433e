#pragma once

#include "core/persist/ini_file.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace veltra::core {

// Folders and settings held for the whole run. The values read from
// "VTR.INI" (ProjectDir, LibraryDir, MeasureDir, DesignName) are code page
// 1252 bytes as stored there and are used as stored; the defaults are
// relative names. ProgramDir is a file-system path and ends with '/'.
struct Settings {
  std::string ProgramDir;
  std::string ProjectDir = "VTRProjekte";
  std::string LibraryDir = "VTRLibrary";
  std::string MeasureDir = "VTRMess";
  std::string DesignName = "Standard";
  std::int32_t DataMemorySize = 262144;
  bool TipDescription = false;
  bool TipParameters = false;
  bool TipCrossRef = false;
  bool ShowTexts = true;
};

// "VTR.INI" in the program folder (also found as "vtr.ini" and the like).
IniFile settingsFile(const std::string& programDir);

// Start-up: the folders, the design and the data memory size, each with its
// default when missing.
void readFolderSettings(const IniFile& ini, Settings& s);
// The four display flags (start-up and whenever the settings dialog opens).
// A flag is set exactly when its value is "true"; "True" is not.
void readDisplayFlags(const IniFile& ini, Settings& s);

// Each writes the named value of `s` back into the file.
void writeProjectDir(IniFile& ini, const Settings& s);
void writeDesign(IniFile& ini, const Settings& s);
void writeLibraryDir(IniFile& ini, const Settings& s);
void writeMeasureDir(IniFile& ini, const Settings& s);
void writeDisplayFlags(IniFile& ini, const Settings& s);

// Appends the names of the subfolders of `path` (which ends with '/') whose
// names do not begin with '.', and with depth > 1 after each name the
// subfolders below it (path + name + "/", depth - 1). Names of one folder are
// sorted by their bytes so that menus do not depend on the order the file
// system happens to return. A missing or unreadable folder adds nothing.
void OrdnerListe(int depth, const std::string& path, std::vector<std::string>& list);

// "designs/" in the program folder, tolerating another letter case.
std::filesystem::path designsDir(const std::string& programDir);
// The design folders for the "Designs" menu, file-system names.
std::vector<std::string> designFolders(const std::string& programDir);
// DesignName := "Default" when no listed folder is named DesignName.
void applyDesignFallback(Settings& s, const std::vector<std::string>& designs);
// The folder of the module pictures of the chosen design.
std::filesystem::path designDir(const Settings& s);

// Program start: ProgramDir, then everything read from "VTR.INI" in it, and
// the design fallback. A missing file gives the defaults.
Settings loadSettings(const std::string& programDir);

} // namespace veltra::core
