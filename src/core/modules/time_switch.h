#pragma once

#include "core/model/types.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace veltra::core {

class Project;

// Weekday bits of TSwitchPoint::mask.
inline constexpr std::int32_t kMonday = 1;
inline constexpr std::int32_t kTuesday = 2;
inline constexpr std::int32_t kWednesday = 4;
inline constexpr std::int32_t kThursday = 8;
inline constexpr std::int32_t kFriday = 16;
inline constexpr std::int32_t kSaturday = 32;
inline constexpr std::int32_t kSunday = 64;
inline constexpr std::int32_t kAllDays = 127;

// "Ein " or "Aus ", then Monday to Sunday as "Mo" .. "So" or "__".
std::string SetWTString(std::int32_t mask, std::uint8_t state);

// The list line of a point: SetWTString, two blanks and, for a used point,
// "hh:mm". Values outside 0..23 / 0..59 (only from a damaged file) are shown
// as they are, with at least two digits.
std::string BuildTimeString(const TSwitchPoint& point);

// State 1 when the line contains "Ein"; the mask of every day abbreviation
// that occurs in it.
void GetWTFromString(std::string_view line, std::uint8_t& state, std::int32_t& mask);

// Minute from the last two characters, hour from the two starting five from
// the end. A field that is not two digits (or a line shorter than five
// characters) gives 0; the result is false then.
bool GetTimeFromString(std::string_view line, std::int32_t& hour, std::int32_t& minute);

// What a program switches at a moment of the week (weekday 0 Monday .. 6
// Sunday): the state of its latest point at or before that moment, going
// back across the week's start; of points at the same moment the later one
// in the list. A program without used points is off. Points with an hour or
// minute out of range are ignored.
bool switchProgramState(std::span<const TSwitchPoint, kPointsPerProgram> program, int weekday, int hour, int minute);

// The operations of the time switch dialog on Project::SwitchPrograms,
// programs 1..32 and points 1..10. They keep a program packed: its used
// points are 1..n, and the first point with a mask below 1 ends it.

// n, the number of used points; 0 for a program number outside 1..32.
int usedSwitchPoints(const Project& p, int program);

// The list lines of a program, one per used point.
std::vector<std::string> GetSKanal(const Project& p, int program);

// Stores `point` as the first free point and returns its number. Returns 0
// and stores nothing when all ten are used or the mask is below 1. Throws
// Error for a program outside 1..32 or a day, hour or minute out of range.
int addSwitchPoint(Project& p, int program, const TSwitchPoint& point);

// Replaces used point `index` (1..n). A mask below 1 or an index that is not a
// used point changes nothing and returns false. Throws as addSwitchPoint.
bool editSwitchPoint(Project& p, int program, int index, const TSwitchPoint& point);

// Removes used point `index`: later points move up one place and point n is
// cleared. Returns false (nothing changed) when `index` is not a used point.
bool deleteSwitchPoint(Project& p, int program, int index);

} // namespace veltra::core
