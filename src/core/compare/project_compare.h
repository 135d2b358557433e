#pragma once

#include "core/model/project.h"

#include <string>
#include <vector>

namespace veltra::core {

// One difference between two projects, in the words an engineer reads.
// Cells are named by column and row as the window numbers them (1..15).
struct ProjectDifference {
  enum class Kind {
    ModuleAdded,
    ModuleRemoved,
    ModuleMoved,
    Parameter,  // `subject` is the parameter's name from the catalogue
    ModuleText, // the module's description
    ConnectionAdded,
    ConnectionRemoved,
    TextAdded,
    TextRemoved,
    TextChanged,
    Description, // the loop's description
    SampleTime,
    SignalDescription,
    SignalName,
    SwitchPoint,
    Constant,
    ProjectData,
  };
  Kind kind;
  int loop = 0;        // 0 for what belongs to the whole project
  std::string where;   // the module or cell: "R (6, 5)"; empty where none
  std::string subject; // parameter, signal, point, field; empty where none
  std::string before;  // UTF-8; empty where nothing was before
  std::string after;
  std::string text; // the whole line
};

// Name used for the kind in JSON output ("module_added", ...).
std::string kindName(ProjectDifference::Kind kind);

// Everything in which `b` differs from `a`: loop by loop (1..200) the
// modules added, removed, moved (same letter, parameters and text at another
// place) or changed (each catalogue parameter and the text), the connections
// added or removed (as source and destinations, whatever their numbers), the
// free texts, the description and the sample time; then the signal
// descriptions and names, the time switch points, the constants and the
// project data. The fields the compiler fills (connection and work memory
// fields of params) and the transient error codes are not compared.
std::vector<ProjectDifference> compareProjects(const Project& a, const Project& b);

// The list as text: the lines of each loop under "Regelkreis N:", those of
// the whole project under "Projekt:", each line indented by two blanks.
// "Keine Unterschiede." for an empty list.
std::string formatDifferences(const std::vector<ProjectDifference>& diffs);

} // namespace veltra::core
