#pragma once

#include "core/online/server_block.h"

#include <array>
#include <string>
#include <string_view>

namespace veltra::core {

// The day files of a recording: one file per signal group and calendar day,
// named prefix + date text + ".csv" ("E_05.12.2026.csv"), rows of a time
// stamp and 256 values separated by ";", lines ended by CR LF. The recorder
// writes them and the graph window reads them back; both take names and
// texts from here.

struct MeasureGroup {
  char code;               // WriteMesswerte's group code
  std::string_view prefix; // of the file name
  BlockArea area;
  bool analog; // doubles; otherwise bits written as 0 / 1
};

// The groups the recorder writes, in the order of one tick.
inline constexpr std::array<MeasureGroup, 5> kRecordedGroups = {{
    {'e', "E_", BlockArea::E, true},
    {'a', "A_", BlockArea::A, true},
    {'i', "I_", BlockArea::I, false},
    {'q', "Q_", BlockArea::Q, false},
    {'h', "H_", BlockArea::H, true},
}};

// nullptr for a code the recorder does not know.
const MeasureGroup* recordedGroup(char code);

// The prefixes whose files the graph window loads for one day, in its order.
inline constexpr std::array<std::string_view, 8> kDayFilePrefixes = {"E_", "A_", "H_", "I_", "Q_", "M_", "V_", "F_"};

// "E_" + "05.12.2026" + ".csv".
std::string dayFileName(std::string_view prefix, std::string_view dateText);
// Whether a date text can stand in a file name (not empty, no '/', no NUL).
bool dateFitsFileName(std::string_view dateText);

// Values that are not numbers: the recorder writes these texts, and a reader
// of the day files treats a field holding one of them as a gap in the curve.
inline constexpr std::string_view kNanText = "NAN";
inline constexpr std::string_view kInfText = "INF";
inline constexpr std::string_view kNegInfText = "-INF";
bool isGapText(std::string_view field);

// The text of an analog value in a row: 15 significant digits in the
// general form (21.5, 20, 1E-6), or one of the gap texts.
void appendMeasureValue(std::string& out, double v);

// One row of a group: the time text, then ";" and the value of each signal
// 1..256, then CR LF.
void appendMeasureRow(std::string& out, const ServerBlock& block, const MeasureGroup& group, std::string_view timeText);

} // namespace veltra::core
