#pragma once

#include "core/chart/date_time.h"
#include "core/online/measure_files.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace veltra::core {

// How the value fields of an analog day file are read. Older recordings hold
// integer hundredths (2150 for 21.5); our recorder writes the values as they
// are ("21.5", "20", "1E-6").
enum class ValueForm : std::uint8_t {
  Automatic,  // decimals when any value field of the file holds a '.' or an exponent
  Hundredths, // integers, divided by 100
  Decimal,    // numbers taken as they are
};
// "automatisch", "Hundertstel", "Dezimalwerte".
std::string_view valueFormCaption(ValueForm form);

// Bytes read so far and in all, after every piece of a file; false stops the
// load.
using LoadProgress = std::function<bool(std::uint64_t done, std::uint64_t total)>;

// The rows of one group's day file: the time stamp of each row and its value
// fields by position (field 1 is signal 1). A field that held a gap text,
// nothing, or that the row lacks reads as NaN. Values are kept as the
// signals' values (hundredths divided, bits as
// the low byte of the field) in blocks of rows, so the
// memory is that of the values the file holds, whatever its length.
class DayGroup {
public:
  explicit DayGroup(const DayGroupInfo& info) : m_info(&info) {}
  DayGroup(DayGroup&&) noexcept = default;
  DayGroup& operator=(DayGroup&&) noexcept = default;

  const DayGroupInfo& info() const { return *m_info; }
  char letter() const { return m_info->letter; }
  // A file was read (it may have held no rows).
  bool present() const { return m_present; }
  // The file's name without its folder (UTF-8).
  const std::string& fileName() const { return m_fileName; }
  // How the analog values were read: Hundredths or Decimal.
  ValueForm readAs() const { return m_readAs; }

  std::size_t rows() const { return m_times.size(); }
  // Value fields kept per row (at most the group's signal count).
  int columns() const { return m_columns; }
  TDateTime time(std::size_t row) const { return m_times[row]; }
  // Signal n (1-based) of a row; NaN for a gap or a field beyond the row.
  double value(std::size_t row, int n) const {
    if (n < 1 || n > m_columns) return kGap;
    return m_blocks[row / kBlockRows][(row % kBlockRows) * static_cast<std::size_t>(m_columns) + (n - 1)];
  }
  // The usual distance of two rows in days (the median), 0 with fewer than
  // two rows. A larger pause than three of them breaks a curve.
  double interval() const { return m_interval; }
  // Bytes held for the rows (values and time stamps).
  std::size_t keptBytes() const;

  void clear();

  static constexpr double kGap = __builtin_nan("");

private:
  friend class DayFileParser;
  static constexpr std::size_t kBlockRows = 32;
  // The slots of a new row, `m_columns` wide.
  double* appendRow();
  double* rowSlots(std::size_t row);
  // Gives every row `columns` slots, the new ones gaps.
  void widen(int columns);
  void finish(bool hundredths);

  const DayGroupInfo* m_info;
  bool m_present = false;
  std::string m_fileName;
  ValueForm m_readAs = ValueForm::Hundredths;
  int m_columns = 0;
  double m_interval = 0;
  std::vector<TDateTime> m_times;
  std::vector<std::unique_ptr<double[]>> m_blocks;
  std::size_t m_lastBlockRows = kBlockRows; // rows the last block has room for
};

// Reads one day file into `group`, replacing what it held; `day` is the
// date of its rows (from the file name) as a date-time at midnight and
// `timePattern` the long time format of the time field. The file is read
// front to back in large pieces and parsed in place. Throws Error with a
// German message naming the file, line and field for a field the form
// cannot read, a time that does not convert or a file that cannot be read;
// the group is then empty. False when `progress` stopped the load (the
// group is then empty as well).
bool readDayFile(const std::filesystem::path& path, TDateTime day, std::string_view timePattern, ValueForm form,
                 DayGroup& group, const LoadProgress& progress = {}, std::uint64_t doneBefore = 0,
                 std::uint64_t total = 0);

// The same on a file image in memory (for tests and fuzzing); `fileName`
// names it in messages.
void readDayText(std::string_view text, const std::string& fileName, TDateTime day, std::string_view timePattern,
                 ValueForm form, DayGroup& group);

} // namespace veltra::core
