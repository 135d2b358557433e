#include "core/online/measurement_recorder.h"

#include "core/util/error.h"
#include "core/util/system_error_text.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace veltra::core {

namespace {

[[noreturn]] void writeFailed(const std::filesystem::path& file, int err) {
  throw Error("Die Messdatei \"" + file.string() + "\" kann nicht geschrieben werden. " + systemErrorText(err));
}

// Appends `bytes` to `file` in one write; the file exists afterwards.
void appendToFile(const std::filesystem::path& file, const std::string& bytes) {
  const int fd = ::open(file.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
  if (fd < 0) writeFailed(file, errno);
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      const int err = n < 0 ? errno : EIO;
      ::close(fd);
      writeFailed(file, err);
    }
    done += static_cast<std::size_t>(n);
  }
  if (::close(fd) != 0) writeFailed(file, errno);
}

} // namespace

MeasurementRecorder::MeasurementRecorder(const Clock& clock, DateTimeFormats formats)
    : m_clock(clock), m_formats(std::move(formats)) {
  m_row.reserve(8192);
}

void MeasurementRecorder::WriteMesswerte(char code, const ServerBlock& block) {
  const MeasureGroup* group = recordedGroup(code);
  if (group == nullptr) return;
  const LocalDateTime now = m_clock.now();
  const std::string date = formatDateTime(now, m_formats.shortDate);
  if (!dateFitsFileName(date))
    throw Error("Das Datum \"" + date + "\" kann nicht Teil des Namens einer Messdatei sein.");
  m_row.clear();
  appendMeasureRow(m_row, block, *group, formatDateTime(now, m_formats.longTime));
  appendToFile(m_dir / dayFileName(group->prefix, date), m_row);
}

RecordReport MeasurementRecorder::writeTick(const ServerBlock& block) {
  try {
    for (const MeasureGroup& g : kRecordedGroups)
      WriteMesswerte(g.code, block);
  } catch (const Error& e) {
    RecordReport r{false, true, m_failing ? std::string() : std::string(e.what())};
    m_failing = true;
    return r;
  }
  RecordReport r{true, false, m_failing ? kRecordingResumed : ""};
  m_failing = false;
  return r;
}

} // namespace veltra::core
