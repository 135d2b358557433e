#include "core/online/day_loader.h"

#include "core/util/error.h"
#include "core/util/file_io.h"

#include <system_error>

namespace veltra::core {

DayMeasurement::DayMeasurement()
    : m_groups{DayGroup(kDayGroups[0]), DayGroup(kDayGroups[1]), DayGroup(kDayGroups[2]), DayGroup(kDayGroups[3]),
               DayGroup(kDayGroups[4]), DayGroup(kDayGroups[5]), DayGroup(kDayGroups[6]), DayGroup(kDayGroups[7])} {}

const DayGroup* DayMeasurement::find(char letter) const {
  const int i = dayGroupIndex(letter);
  return i < 0 ? nullptr : &m_groups[static_cast<std::size_t>(i)];
}

std::size_t DayMeasurement::keptBytes() const {
  std::size_t n = 0;
  for (const DayGroup& g : m_groups)
    n += g.keptBytes();
  return n;
}

void DayMeasurement::clear() {
  for (DayGroup& g : m_groups)
    g.clear();
  m_dateText.clear();
}

namespace {

// The midnight of a date text in the short date format.
std::optional<TDateTime> dayOfDateText(std::string_view dateText, const DateTimeFormats& formats) {
  LocalDateTime t;
  if (!parseDateTimeText(dateText, formats.shortDate, t)) return std::nullopt;
  return static_cast<TDateTime>(daysFromCivil(t.year, t.month, t.day));
}

} // namespace

// A struct so that DayMeasurement can befriend it.
struct DayLoader {
  static DayLoadResult load(const std::filesystem::path& chosen, const DayLoadOptions& options, DayMeasurement& into) {
    into.clear();
    DayLoadResult result;
    const std::string name = chosen.filename().string();
    // The name of the chosen file tells the day: its first two characters
    // are the group's prefix, the rest is shared by every group's file.
    if (name.find('_') == std::string::npos || name.size() < 2 + 4 + 1) {
      result.message = "Die Datei \"" + name + "\" ist keine Messdatei eines Tages (Gruppe_Datum.csv).";
      return result;
    }
    const std::string tail = name.substr(2);
    const std::string dateText = tail.substr(0, tail.size() - 4);
    const std::optional<TDateTime> day = dayOfDateText(dateText, options.formats);
    if (!day) {
      result.message = "Datei \"" + name + "\": '" + dateText + "' ist kein gültiges Datum";
      return result;
    }
    into.m_dateText = dateText;

    const std::filesystem::path dir = chosen.parent_path();
    std::array<std::filesystem::path, kDayGroups.size()> files;
    std::uint64_t total = 0;
    for (std::size_t i = 0; i < kDayGroups.size(); ++i) {
      const std::filesystem::path p =
          findCaseInsensitive(dir.empty() ? "." : dir, std::string(kDayGroups[i].prefix) + tail);
      std::error_code ec;
      if (!std::filesystem::is_regular_file(p, ec)) continue;
      files[i] = p;
      const auto size = std::filesystem::file_size(p, ec);
      if (!ec) total += size;
    }
    std::uint64_t done = 0;
    for (std::size_t i = 0; i < kDayGroups.size(); ++i) {
      if (files[i].empty()) continue;
      try {
        if (!readDayFile(files[i], *day, options.formats.longTime, options.forms[i], into.m_groups[i], options.progress,
                         done, total)) {
          result.cancelled = true;
          return result;
        }
      } catch (const Error& e) {
        result.message = e.what();
        return result;
      }
      std::error_code ec;
      const auto size = std::filesystem::file_size(files[i], ec);
      if (!ec) done += size;
    }
    return result;
  }
};

DayLoadResult loadDay(const std::filesystem::path& chosen, const DayLoadOptions& options, DayMeasurement& into) {
  return DayLoader::load(chosen, options, into);
}

std::optional<TDateTime> dayOfFileName(std::string_view fileName, const DateTimeFormats& formats) {
  if (fileName.size() < 2 + 4 + 1 || dayGroupIndex(fileName[0]) < 0 || fileName[1] != '_') return std::nullopt;
  const std::string_view ext = fileName.substr(fileName.size() - 4);
  if (ext != ".csv" && ext != ".CSV") return std::nullopt;
  return dayOfDateText(fileName.substr(2, fileName.size() - 6), formats);
}

std::optional<std::filesystem::path> latestDayFile(const std::filesystem::path& dir, char letter,
                                                   const DateTimeFormats& formats) {
  std::optional<std::filesystem::path> best;
  TDateTime bestDay = 0;
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(dir, ec)) {
    const std::string name = entry.path().filename().string();
    if (name.empty() || name[0] != letter) continue;
    const std::optional<TDateTime> day = dayOfFileName(name, formats);
    if (!day || (best && *day <= bestDay)) continue;
    if (!entry.is_regular_file(ec)) continue;
    best = entry.path();
    bestDay = *day;
  }
  return best;
}

} // namespace veltra::core
