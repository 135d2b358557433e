#pragma once

#include "core/online/measure_files.h"
#include "core/util/clock.h"

#include <filesystem>
#include <string>

namespace veltra::core {

// What one tick of a recording has to say: an error at the first failure
// of a streak, a note when writing works again, else nothing. The rows of
// later failures are lost silently, so a timer that runs on does not stack
// up one message per interval.
struct RecordReport {
  bool written = false; // all five rows
  bool isError = false;
  std::string message; // empty: nothing to show
};

inline constexpr char kRecordingResumed[] = "Die Messwerte werden wieder geschrieben.";

// Appends the measurement rows to the day files of MeasureDir. Every row
// opens its file for appending (creating it), writes, and closes it again,
// so other programs can read the files while a recording runs. Date and time
// come from the clock at each row: after midnight rows go into new files.
class MeasurementRecorder {
public:
  explicit MeasurementRecorder(const Clock& clock, DateTimeFormats formats = {});

  void setFolder(const std::filesystem::path& dir) { m_dir = dir; }
  const std::filesystem::path& folder() const { return m_dir; }
  void setFormats(const DateTimeFormats& formats) { m_formats = formats; }

  // One row for group code "e", "a", "i", "q" or "h"; any other code does
  // nothing. Throws Error when the file cannot be written or the date text
  // cannot be part of a file name.
  void WriteMesswerte(char code, const ServerBlock& block);
  // The five rows of a tick in order; a failure ends the tick.
  RecordReport writeTick(const ServerBlock& block);

private:
  const Clock& m_clock;
  DateTimeFormats m_formats;
  std::filesystem::path m_dir;
  std::string m_row; // reused: a row costs no allocation
  bool m_failing = false;
};

} // namespace veltra::core
