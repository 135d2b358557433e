#pragma once

#include "core/model/project.h"

#include <string>
#include <vector>

namespace veltra::core {

// Error code of a cell whose output number another fed output module of the
// same group already uses.
inline constexpr std::int16_t kErrorDuplicateOutput = -10;

// Marks every fed A or Q module whose output number an earlier one (scan
// order loop, column, row) already uses with kErrorDuplicateOutput. Numbers
// outside 0..256 take no part. Never clears an error. True when no number is
// used twice.
bool DoppelAusgaengePruefen(Project& project);

// The text of error code `code` (< 0) as UTF-8: entry -code of ErrorTexts, or
// "Fehler <n> (kein Fehlertext)" when the list has no such entry.
std::string errorText(const Project& project, int code);

// One line per faulty cell (error < 0), in the order loop, row, column:
// "Regelkreis: 3 Zeile: 2 Spalte: 5  <error text>" (UTF-8, not cut).
std::vector<std::string> faultyCellLines(const Project& project);

// Runs the check and returns the lines of the faulty cells; empty when the
// check passed.
std::vector<std::string> duplicateOutputLines(Project& project);

} // namespace veltra::core
