#include "core/online/day_file.h"

#include "core/util/clock.h"
#include "core/util/error.h"
#include "core/util/file_io.h"
#include "core/util/lines.h"
#include "core/util/number_parse.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

namespace veltra::core {

std::string_view valueFormCaption(ValueForm form) {
  switch (form) {
  case ValueForm::Hundredths:
    return "Hundertstel";
  case ValueForm::Decimal:
    return "Dezimalwerte";
  default:
    return "automatisch";
  }
}

std::size_t DayGroup::keptBytes() const {
  std::size_t slots = 0;
  for (std::size_t b = 0; b < m_blocks.size(); ++b)
    slots += b + 1 < m_blocks.size() ? kBlockRows : m_lastBlockRows;
  return slots * static_cast<std::size_t>(m_columns) * sizeof(double) + m_times.capacity() * sizeof(TDateTime);
}

void DayGroup::clear() {
  m_present = false;
  m_fileName.clear();
  m_readAs = ValueForm::Hundredths;
  m_columns = 0;
  m_interval = 0;
  std::vector<TDateTime>().swap(m_times);
  std::vector<std::unique_ptr<double[]>>().swap(m_blocks);
  m_lastBlockRows = kBlockRows;
}

double* DayGroup::appendRow() {
  const std::size_t r = m_times.size();
  const std::size_t width = static_cast<std::size_t>(m_columns);
  if (r % kBlockRows == 0) m_blocks.push_back(std::make_unique_for_overwrite<double[]>(kBlockRows * width));
  return m_blocks.back().get() + (r % kBlockRows) * width;
}

double* DayGroup::rowSlots(std::size_t row) {
  return m_blocks[row / kBlockRows].get() + (row % kBlockRows) * static_cast<std::size_t>(m_columns);
}

void DayGroup::widen(int columns) {
  const std::size_t from = static_cast<std::size_t>(m_columns), to = static_cast<std::size_t>(columns);
  // Rows appended so far, the one being read included.
  const std::size_t rows = m_times.size() + 1;
  for (std::size_t b = 0; b < m_blocks.size(); ++b) {
    auto wide = std::make_unique_for_overwrite<double[]>(kBlockRows * to);
    const std::size_t used = std::min(kBlockRows, rows - b * kBlockRows);
    for (std::size_t r = 0; r < used; ++r) {
      std::copy_n(m_blocks[b].get() + r * from, from, wide.get() + r * to);
      std::fill_n(wide.get() + r * to + from, to - from, kGap);
    }
    m_blocks[b] = std::move(wide);
  }
  m_columns = columns;
}

void DayGroup::finish(bool hundredths) {
  const std::size_t rows = m_times.size();
  const std::size_t width = static_cast<std::size_t>(m_columns);
  if (hundredths && !m_info->bits) {
    for (std::size_t b = 0; b < m_blocks.size(); ++b) {
      double* v = m_blocks[b].get();
      const std::size_t n = std::min(kBlockRows, rows - b * kBlockRows) * width;
      for (std::size_t i = 0; i < n; ++i)
        v[i] /= 100.0; // a division, so 2151 gives the double nearest 21.51
    }
  }
  m_readAs = hundredths ? ValueForm::Hundredths : ValueForm::Decimal;
  // The last block holds only the rows it has.
  m_lastBlockRows = rows % kBlockRows == 0 ? kBlockRows : rows % kBlockRows;
  if (!m_blocks.empty() && m_lastBlockRows < kBlockRows) {
    auto exact = std::make_unique_for_overwrite<double[]>(m_lastBlockRows * width);
    std::copy_n(m_blocks.back().get(), m_lastBlockRows * width, exact.get());
    m_blocks.back() = std::move(exact);
  }
  m_times.shrink_to_fit();
  std::vector<double> steps;
  steps.reserve(rows);
  for (std::size_t r = 1; r < rows; ++r)
    if (m_times[r] > m_times[r - 1]) steps.push_back(m_times[r] - m_times[r - 1]);
  if (!steps.empty()) {
    std::nth_element(steps.begin(), steps.begin() + static_cast<std::ptrdiff_t>(steps.size() / 2), steps.end());
    m_interval = steps[steps.size() / 2];
  }
}

namespace {

constexpr std::size_t kPieceSize = 1 << 20;

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimmedField(std::string_view f) {
  while (!f.empty() && isBlank(f.front()))
    f.remove_prefix(1);
  while (!f.empty() && isBlank(f.back()))
    f.remove_suffix(1);
  if (f.size() >= 2 && f.front() == '"' && f.back() == '"') f = f.substr(1, f.size() - 2);
  return f;
}

bool sameLetters(std::string_view a, std::string_view upper) {
  if (a.size() != upper.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if ((a[i] & ~0x20) != upper[i]) return false;
  return true;
}

// A gap text of the recorder, in any letter case ("NAN", "nan", "-INF").
bool isGapField(std::string_view f) {
  if (!f.empty() && f.front() == '-') f.remove_prefix(1);
  return sameLetters(f, kNanText) || sameLetters(f, kInfText);
}

} // namespace

// Parses the lines of one file into a group. The value form of an automatic
// file is known only at its end: integers are kept as read and divided at
// the end unless a decimal field turned up.
class DayFileParser {
public:
  DayFileParser(DayGroup& group, std::string fileName, TDateTime day, std::string_view timePattern, ValueForm form)
      : m_group(group), m_fileName(std::move(fileName)), m_day(day), m_timePattern(timePattern), m_form(form),
        m_integersOnly(form == ValueForm::Hundredths || group.info().bits) {
    m_group.clear();
    m_group.m_fileName = m_fileName;
  }

  // Complete lines, each ended by CR LF, LF or CR (the last may lack it).
  void parse(std::string_view lines) {
    forEachLine(lines, [this](std::string_view line) {
      ++m_lineNo;
      parseLine(line);
    });
  }

  void finish() {
    const bool hundredths = m_form == ValueForm::Hundredths || (m_form == ValueForm::Automatic && !m_sawDecimal);
    m_group.finish(hundredths);
    m_group.m_present = true;
  }

private:
  [[noreturn]] void fail(int field, const std::string& what) const {
    std::string m = "Datei \"" + m_fileName + "\", Zeile " + std::to_string(m_lineNo);
    if (field > 0) m += ", Feld " + std::to_string(field);
    throw Error(m + ": " + what);
  }

  [[noreturn]] void badValue(int field, const char* at, const char* end) const {
    const char* stop = static_cast<const char*>(std::memchr(at, ';', static_cast<std::size_t>(end - at)));
    const std::string_view text = trimmedField(std::string_view(at, stop ? stop : end));
    if (!m_integersOnly) fail(field, realConversionMessage(text));
    std::string m = intConversionMessage(text);
    if (!m_group.info().bits) m += " (die Datei wird als Hundertstel gelesen)";
    fail(field, m);
  }

  // One value field from `p` up to the next ';' or the line's end; returns
  // where it stopped.
  const char* parseValue(const char* p, const char* end, int field, double& v) {
    const char* f = p;
    while (f < end && isBlank(*f))
      ++f;
    if (f == end || *f == ';') {
      v = DayGroup::kGap;
      return f;
    }
    const bool quoted = *f == '"';
    const char* s = f + (quoted ? 1 : 0);
    if (s < end && *s == '+') ++s;
    const char* e = s;
    const char lead = s < end ? s[s < end - 1 && *s == '-' ? 1 : 0] : ';';
    if ((lead >= '0' && lead <= '9') || lead == '.') {
      std::int64_t i = 0;
      const auto [ie, iec] = std::from_chars(s, end, i);
      if (iec == std::errc() && (ie == end || (*ie != '.' && (*ie | 0x20) != 'e'))) {
        v = m_group.info().bits ? static_cast<double>(i & 0xFF) : static_cast<double>(i);
        e = ie;
      } else {
        if (m_integersOnly) badValue(field, f, end);
        const auto [de, dec] = std::from_chars(s, end, v, std::chars_format::general);
        if (dec != std::errc() || !std::isfinite(v)) badValue(field, f, end);
        m_sawDecimal = true;
        e = de;
      }
    } else {
      const char* stop = static_cast<const char*>(std::memchr(f, ';', static_cast<std::size_t>(end - f)));
      if (!isGapField(trimmedField(std::string_view(f, stop ? stop : end)))) badValue(field, f, end);
      v = DayGroup::kGap;
      return stop ? stop : end;
    }
    if (quoted) {
      if (e == end || *e != '"') badValue(field, f, end);
      ++e;
    }
    while (e < end && isBlank(*e))
      ++e;
    if (e != end && *e != ';') badValue(field, f, end);
    return e;
  }

  void parseLine(std::string_view line) {
    const char* p = line.data();
    const char* end = p + line.size();
    while (p < end && isBlank(*p))
      ++p;
    if (p == end) return; // a line without any field
    const char* semi = static_cast<const char*>(std::memchr(p, ';', static_cast<std::size_t>(end - p)));
    if (semi == nullptr) semi = end;
    const std::string_view timeText = trimmedField(std::string_view(p, semi));
    LocalDateTime t;
    t.hour = t.minute = t.second = 0;
    if (!parseDateTimeText(timeText, m_timePattern, t))
      fail(0, "'" + std::string(timeText) + "' ist keine gültige Uhrzeit");

    DayGroup& g = m_group;
    double* row = g.appendRow();
    const int columns = g.m_columns;
    const int most = g.info().signalCount;
    int n = 0;
    for (p = semi; p < end;) {
      ++p; // the ';'
      ++n;
      double v;
      p = parseValue(p, end, n, v);
      if (n <= columns)
        row[n - 1] = v;
      else if (n <= most)
        m_extra.push_back(v);
    }
    if (!m_extra.empty()) {
      g.widen(columns + static_cast<int>(m_extra.size()));
      std::copy(m_extra.begin(), m_extra.end(), g.rowSlots(g.m_times.size()) + columns);
      m_extra.clear();
    } else if (n < columns) {
      std::fill(row + n, row + columns, DayGroup::kGap);
    }
    g.m_times.push_back(m_day + (t.hour * 3600 + t.minute * 60 + t.second) / 86400.0);
  }

  DayGroup& m_group;
  std::string m_fileName;
  TDateTime m_day;
  std::string_view m_timePattern;
  ValueForm m_form;
  bool m_integersOnly;
  bool m_sawDecimal = false;
  std::size_t m_lineNo = 0;
  std::vector<double> m_extra; // fields beyond the columns of the rows before
};

namespace {

// The end of the last complete line of a piece (after its line end), or 0.
std::size_t completeLines(const char* data, std::size_t size) {
  for (std::size_t i = size; i > 0; --i) {
    const char c = data[i - 1];
    // A CR at the very end may be the first half of CR LF.
    if (c == '\n' || (c == '\r' && i < size)) return i;
  }
  return 0;
}

} // namespace

bool readDayFile(const std::filesystem::path& path, TDateTime day, std::string_view timePattern, ValueForm form,
                 DayGroup& group, const LoadProgress& progress, std::uint64_t doneBefore, std::uint64_t total) {
  DayFileParser parser(group, path.filename().string(), day, timePattern, form);
  try {
    FileReader reader(path);
    std::vector<char> buffer(kPieceSize);
    std::size_t held = 0;
    std::uint64_t done = doneBefore;
    for (;;) {
      if (held == buffer.size()) buffer.resize(buffer.size() * 2); // a line longer than a piece
      const std::size_t got = reader.read(buffer.data() + held, buffer.size() - held);
      held += got;
      done += got;
      const bool atEnd = got == 0;
      const std::size_t upTo = atEnd ? held : completeLines(buffer.data(), held);
      parser.parse(std::string_view(buffer.data(), upTo));
      std::memmove(buffer.data(), buffer.data() + upTo, held - upTo);
      held -= upTo;
      if (progress && !progress(done, std::max(total, done))) {
        group.clear();
        return false;
      }
      if (atEnd) break;
    }
    parser.finish();
  } catch (...) {
    group.clear();
    throw;
  }
  return true;
}

void readDayText(std::string_view text, const std::string& fileName, TDateTime day, std::string_view timePattern,
                 ValueForm form, DayGroup& group) {
  DayFileParser parser(group, fileName, day, timePattern, form);
  try {
    parser.parse(text);
    parser.finish();
  } catch (...) {
    group.clear();
    throw;
  }
}

} // namespace veltra::core
