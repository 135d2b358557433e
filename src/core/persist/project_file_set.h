#pragma once

#include "core/model/project.h"

#include <filesystem>
#include <memory>

namespace veltra::core {

// "Speichern": clears the error codes of every cell, writes the ".vtr" file
// at `vtrPath` and clears Modified, then the ".uhr", ".desc" and ".txl"
// files beside it (same base name). The ".vtp" file is not written here.
// Each file is written atomically, so a failure keeps the previous version
// of that file; the files after the failing one are not written, and when
// the ".vtr" file fails Modified stays set. Throws Error(`Datei "<name>"
// kann nicht erstellt werden. <reason>`).
void saveProject(Project& p, const std::filesystem::path& vtrPath);

struct LoadedProject {
  std::unique_ptr<Project> project;
  bool hasProjectData = false; // a ".vtp" file was found and read
};

// "Laden": builds a new project from the file set of `vtrPath`, taking over
// from `previous` what loading does not reset (SwitchPrograms, ProjectData,
// FWert, ErrorTexts). The ".vtr" file is required; the ".uhr", ".desc",
// ".vtp" and ".txl" files are optional and skipped silently when missing or
// unreadable (a ".uhr" shorter than 5120 bytes or a ".vtp" shorter than 243
// bytes counts as unreadable and leaves the previous table in place). The
// result has Modified false and CurrentLoop 1. Throws Error when the signal
// lists in `programDir` or the ".vtr" file cannot be read or the ".vtr" file
// is damaged; `previous` is never touched, so the caller keeps the open
// project on failure and swaps in the result on success.
// (ProjectLoader does the same in recycled storage.)
LoadedProject loadProject(const Project& previous, const std::filesystem::path& programDir,
                          const std::filesystem::path& vtrPath);

// The step of loading right after the ".vtr" file: error := 0 in every cell,
// and each signal module's text into its signal's description when the
// signal number is in range (last one in loop, column, row order wins).
void adoptModuleTexts(Project& p);

} // namespace veltra::core
