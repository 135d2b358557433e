#pragma once

#include "core/model/project.h"
#include "core/print/report.h"
#include "core/print/report_lists.h"
#include "core/print/text_metrics.h"

#include <vector>

namespace veltra::core {

// Lays out the whole printout: an optional contents page, then project data,
// control loops, cross-references and signal lists in this order, each
// section from a new page. Before the control loops the module table is
// generated in memory (BuildChecksum), so that connection fields and error
// frames are current; that is the only change to the project. A single
// loop is the one `options` names; CurrentLoop is neither read nor changed
// (the printing code makes each drawn loop current on the screen).
Report buildReport(Project& project, const ReportLists& lists, const TextMetrics& metrics, const PrintOptions& options,
                   PageGeometry geometry = {});

// The loops the control loop section prints: 1..200 or only options.loop,
// without loops that hold no module.
std::vector<int> loopsToPrint(const Project& project, const PrintOptions& options);

// A text broken into lines no wider than `width` at blanks; a word wider
// than a line is broken where it must.
std::vector<std::string> wrapText(const std::string& text, int width, const TextMetrics& metrics,
                                  TextStyle style = TextStyle::Normal);

} // namespace veltra::core
