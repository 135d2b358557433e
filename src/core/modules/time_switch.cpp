#include "core/modules/time_switch.h"

#include "core/model/project.h"
#include "core/util/error.h"

#include <cstdlib>

namespace veltra::core {

namespace {

constexpr const char* kDayNames[7] = {"Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"};

// At least two digits, sign in front; any 32-bit value fits.
std::string twoDigits(std::int32_t v) {
  long long magnitude = std::llabs(static_cast<long long>(v));
  std::string digits = std::to_string(magnitude);
  if (digits.size() < 2) digits.insert(0, "0");
  return v < 0 ? "-" + digits : digits;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The two characters at `pos` as a number, or -1 when they are not digits.
int twoDigitField(std::string_view line, std::size_t pos) {
  if (!isDigit(line[pos]) || !isDigit(line[pos + 1])) return -1;
  return (line[pos] - '0') * 10 + (line[pos + 1] - '0');
}

bool validProgram(int program) { return program >= 1 && program <= kPrograms; }

void checkProgram(int program) {
  if (!validProgram(program))
    throw Error("Schaltuhrprogramm " + std::to_string(program) + " gibt es nicht (1 bis 32).");
}

void checkPoint(const TSwitchPoint& point) {
  if ((point.mask & ~kAllDays) != 0 || point.hour < 0 || point.hour > 23 || point.minute < 0 || point.minute > 59)
    throw Error("Ungültiger Schaltpunkt: Tage " + std::to_string(point.mask) + ", Zeit " + twoDigits(point.hour) + ":" +
                twoDigits(point.minute) + ".");
}

TSwitchPoint normalized(const TSwitchPoint& point) {
  TSwitchPoint p{};
  p.state = point.state != 0 ? 1 : 0;
  p.mask = point.mask;
  p.hour = point.hour;
  p.minute = point.minute;
  return p;
}

} // namespace

std::string SetWTString(std::int32_t mask, std::uint8_t state) {
  std::string s = state != 0 ? "Ein " : "Aus ";
  for (int day = 0; day < 7; ++day)
    s += (mask & (1 << day)) != 0 ? kDayNames[day] : "__";
  return s;
}

std::string BuildTimeString(const TSwitchPoint& point) {
  std::string s = SetWTString(point.mask, point.state) + "  ";
  if (point.mask > 0) s += twoDigits(point.hour) + ":" + twoDigits(point.minute);
  return s;
}

void GetWTFromString(std::string_view line, std::uint8_t& state, std::int32_t& mask) {
  state = line.find("Ein") != std::string_view::npos ? 1 : 0;
  mask = 0;
  for (int day = 0; day < 7; ++day)
    if (line.find(kDayNames[day]) != std::string_view::npos) mask |= 1 << day;
}

bool GetTimeFromString(std::string_view line, std::int32_t& hour, std::int32_t& minute) {
  hour = 0;
  minute = 0;
  if (line.size() < 5) return false;
  int h = twoDigitField(line, line.size() - 5);
  int m = twoDigitField(line, line.size() - 2);
  if (h >= 0) hour = h;
  if (m >= 0) minute = m;
  return h >= 0 && m >= 0;
}

int usedSwitchPoints(const Project& p, int program) {
  if (!validProgram(program)) return 0;
  int n = 0;
  while (n < kPointsPerProgram && p.switchPoint(program, n + 1).used())
    ++n;
  return n;
}

std::vector<std::string> GetSKanal(const Project& p, int program) {
  std::vector<std::string> lines;
  const int n = usedSwitchPoints(p, program);
  for (int k = 1; k <= n; ++k)
    lines.push_back(BuildTimeString(p.switchPoint(program, k)));
  return lines;
}

int addSwitchPoint(Project& p, int program, const TSwitchPoint& point) {
  checkProgram(program);
  if (point.mask < 1) return 0;
  checkPoint(point);
  const int n = usedSwitchPoints(p, program);
  if (n == kPointsPerProgram) return 0;
  p.switchPoint(program, n + 1) = normalized(point);
  p.Modified = true;
  return n + 1;
}

bool editSwitchPoint(Project& p, int program, int index, const TSwitchPoint& point) {
  checkProgram(program);
  if (point.mask < 1 || index < 1 || index > usedSwitchPoints(p, program)) return false;
  checkPoint(point);
  p.switchPoint(program, index) = normalized(point);
  p.Modified = true;
  return true;
}

bool deleteSwitchPoint(Project& p, int program, int index) {
  checkProgram(program);
  const int n = usedSwitchPoints(p, program);
  if (index < 1 || index > n) return false;
  for (int k = index; k < n; ++k)
    p.switchPoint(program, k) = p.switchPoint(program, k + 1);
  p.switchPoint(program, n) = TSwitchPoint{};
  p.Modified = true;
  return true;
}

bool switchProgramState(std::span<const TSwitchPoint, kPointsPerProgram> program, int weekday, int hour, int minute) {
  constexpr int kWeek = 7 * 24 * 60;
  const int now = weekday * 24 * 60 + hour * 60 + minute;
  int best = kWeek; // minutes back to the point that decides
  bool state = false;
  for (const TSwitchPoint& pt : program) {
    if (!pt.used()) break;
    if (pt.hour < 0 || pt.hour > 23 || pt.minute < 0 || pt.minute > 59) continue;
    for (int day = 0; day < 7; ++day) {
      if ((pt.mask & (1 << day)) == 0) continue;
      const int back = ((now - (day * 24 * 60 + pt.hour * 60 + pt.minute)) % kWeek + kWeek) % kWeek;
      if (back <= best) {
        best = back;
        state = pt.state != 0;
      }
    }
  }
  return state;
}

} // namespace veltra::core
