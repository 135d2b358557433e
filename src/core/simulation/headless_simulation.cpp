#include "core/simulation/headless_simulation.h"

#include "core/online/measurement_recorder.h"
#include "core/online/server_block.h"
#include "core/simulation/executable_table.h"
#include "core/simulation/plant_simulation.h"
#include "core/util/error.h"

#include <algorithm>
#include <vector>

namespace veltra::core {

namespace {

// Exactly `width` digits at `at`.
std::optional<int> digits(std::string_view s, std::size_t at, std::size_t width) {
  if (at + width > s.size()) return std::nullopt;
  int v = 0;
  for (std::size_t i = at; i < at + width; ++i) {
    if (s[i] < '0' || s[i] > '9') return std::nullopt;
    v = v * 10 + (s[i] - '0');
  }
  return v;
}

} // namespace

std::optional<LocalDateTime> parseStartTime(std::string_view text) {
  // dd.MM.yyyy HH:mm[:ss]
  if (text.size() != 16 && text.size() != 19) return std::nullopt;
  if (text[2] != '.' || text[5] != '.' || text[10] != ' ' || text[13] != ':') return std::nullopt;
  if (text.size() == 19 && text[16] != ':') return std::nullopt;
  const auto day = digits(text, 0, 2), month = digits(text, 3, 2), year = digits(text, 6, 4);
  const auto hour = digits(text, 11, 2), minute = digits(text, 14, 2);
  const auto second = text.size() == 19 ? digits(text, 17, 2) : std::optional<int>(0);
  if (!day || !month || !year || !hour || !minute || !second) return std::nullopt;
  if (*month < 1 || *month > 12 || *day < 1 || *hour > 23 || *minute > 59 || *second > 59) return std::nullopt;
  const LocalDateTime t = makeLocalDateTime(*year, *month, *day, *hour, *minute, *second);
  // 31.04. would roll over into May.
  if (t.day != *day || t.month != *month) return std::nullopt;
  return t;
}

HeadlessResult runHeadless(const HeadlessRequest& r) {
  ExecutableTable table = readExecutableTable(r.table->bytes, r.workMemorySize);
  std::vector<std::uint8_t> bytes(kServerBlockSize, 0);
  ServerBlock block(bytes);
  block.setChecksum(r.table->checksum);
  block.writeSwitchPrograms(
      std::span<const std::uint8_t, kTimeSwitchBlockSize>(r.table->bytes.data(), kTimeSwitchBlockSize));
  PlantSimulation sim(std::move(table), *r.plant, r.seed, r.start, r.workMemorySize);
  sim.start(block);

  FixedClock clock(r.start);
  MeasurementRecorder recorder(clock);
  recorder.setFolder(r.recordDir);
  const int interval = std::max(r.interval, 1);
  HeadlessResult result;
  for (long long s = 0; s < r.seconds; ++s) {
    sim.step(block);
    // After second s the plant and the controller have run for s + 1 seconds.
    const long long elapsed = s + 1;
    if (elapsed % interval != 0) continue;
    clock.set(sim.now());
    const RecordReport report = recorder.writeTick(block);
    if (!report.written) throw Error(report.message);
    ++result.ticks;
  }
  result.seconds = r.seconds;
  return result;
}

} // namespace veltra::core
