#pragma once

#include "core/simulation/controller_table.h"
#include "core/simulation/plant_settings.h"
#include "core/util/clock.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>

namespace veltra::core {

// `veltra-cli simulate`: a table and its plant run on a virtual clock as
// fast as the machine allows, recording every `interval` seconds (first at
// start + interval) into the day files of `recordDir` with the recorder of
// "Messen".
struct HeadlessRequest {
  const ControllerTable* table = nullptr;
  const PlantSettings* plant = nullptr;
  LocalDateTime start;
  long long seconds = 0; // simulated
  int interval = 60;     // s, at least 1
  std::uint64_t seed = 1;
  std::filesystem::path recordDir;
  int workMemorySize = kDefaultDataMemorySize;
};

struct HeadlessResult {
  long long seconds = 0;
  long long ticks = 0; // recorded ticks (five rows each)
};

// Throws Error for a damaged table or when a day file cannot be written.
HeadlessResult runHeadless(const HeadlessRequest& request);

// "05.12.2026 06:00" (seconds ":ss" may follow): the German date and time
// of a start. Nothing for any other text or a day the month does not have.
std::optional<LocalDateTime> parseStartTime(std::string_view text);

} // namespace veltra::core
