#pragma once

#include "core/online/day_file.h"
#include "core/util/clock.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>

namespace veltra::core {

// The loaded measurement of the graph window: the rows of one day for each
// group of kDayGroups, replaced whole by every load.
class DayMeasurement {
public:
  DayMeasurement();

  DayGroup& group(std::size_t i) { return m_groups[i]; }
  const DayGroup& group(std::size_t i) const { return m_groups[i]; }
  // The group of a letter (E, A, H, I, Q, M, V, F), nullptr for another.
  const DayGroup* find(char letter) const;
  // The date text of the day (from the file name), empty before a load.
  const std::string& dateText() const { return m_dateText; }
  std::size_t keptBytes() const;
  void clear();

private:
  friend struct DayLoader;
  std::array<DayGroup, kDayGroups.size()> m_groups;
  std::string m_dateText;
};

struct DayLoadOptions {
  DateTimeFormats formats;
  // How each group's file is read, by the index in kDayGroups.
  std::array<ValueForm, kDayGroups.size()> forms{};
  LoadProgress progress;
};

struct DayLoadResult {
  // German, empty when every file of the day that exists was read.
  std::string message;
  bool cancelled = false;
};

// "Laden" under "Datendatei" after the file dialog: from any chosen file of a
// day ("A_05.12.2026.csv"), the files of every group of that day in its
// folder, in the order of kDayGroups. A group without a file stays empty; a
// group whose file cannot be read stops the load with the message, the
// groups before it stay loaded. A chosen name that is not a group prefix and
// a date loads nothing and says so.
DayLoadResult loadDay(const std::filesystem::path& chosen, const DayLoadOptions& options, DayMeasurement& into);

// The day of a file name "E_05.12.2026.csv" at midnight, when the name is a
// group prefix, a date in the short date format and ".csv".
std::optional<TDateTime> dayOfFileName(std::string_view fileName, const DateTimeFormats& formats);

// The most recent day file of a group in a folder, by the date in its name.
std::optional<std::filesystem::path> latestDayFile(const std::filesystem::path& dir, char letter,
                                                   const DateTimeFormats& formats);

} // namespace veltra::core
