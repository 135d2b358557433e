#pragma once

#include "core/print/report.h"

#include <string>

namespace veltra::core {

// The pages as readable text, for tests and by-hand checks: per page a line
// "=== Seite 3: Regelkreise ===", then every item top to bottom with its
// position ("  512  248 Regelkreis 3", "  512 >2232 Abtastzeit: 10 s" for a
// right-aligned text, "[Regelkreis 3: 1984 x 1984]" for a picture, grid rows
// as "| 1 | Name | Beschreibung |").
std::string dumpReport(const Report& report);

// The words of a page's texts and grid cells in reading order (top to
// bottom, left to right), one text per line: what a text extraction of the
// printed page gives back, apart from the labels inside loop pictures.
std::string pageText(const ReportPage& page);

} // namespace veltra::core
