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

// The groups whose files the graph window loads for one day, in its order.
struct DayGroupInfo {
  char letter;
  std::string_view prefix;
  BlockArea area;
  int signalCount; // value fields kept per row at most
  bool bits;       // 0 / 1, drawn as 0 and 5
};
inline constexpr std::array<DayGroupInfo, 8> kDayGroups = {{
    {'E', "E_", BlockArea::E, 256, false},
    {'A', "A_", BlockArea::A, 256, false},
    {'H', "H_", BlockArea::H, 256, false},
    {'I', "I_", BlockArea::I, 256, true},
    {'Q', "Q_", BlockArea::Q, 256, true},
    {'M', "M_", BlockArea::M, 256, true},
    {'V', "V_", BlockArea::V, 9216, false},
    {'F', "F_", BlockArea::F, 256, false},
}};
// The index of a group letter in kDayGroups, or -1.
int dayGroupIndex(char letter);

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
