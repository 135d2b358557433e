// simulate: the project's table and a plant on a virtual clock, headless
// and as fast as it goes, recorded into the day files of "Messen".
#include "cli.h"

#include "core/simulation/controller_table.h"
#include "core/simulation/headless_simulation.h"
#include "core/simulation/plant_settings.h"
#include "core/util/clock.h"
#include "core/util/error.h"
#include "core/util/number_parse.h"

#include <charconv>
#include <cmath>
#include <iostream>

namespace veltra::cli {

using namespace veltra::core;

namespace {

constexpr double kMostHours = 366 * 24;

int refuse(const std::string& message) {
  std::cerr << message << "\n";
  return kExitUsage;
}

} // namespace

int cmdSimulate(const Args& args) {
  if (args.positional.size() != 1 || !args.has("--plant") || !args.has("--hours") || !args.has("--record"))
    return refuse("Aufruf: veltra-cli simulate PROJEKT.vtr --plant DATEI --hours H [--start \"05.12.2026 06:00\"] "
                  "--record ORDNER [--interval S] [--seed N]");
  const std::optional<double> hours = parseReal(args.value("--hours"));
  if (!hours || !(*hours > 0) || *hours > kMostHours)
    return refuse("--hours erwartet Stunden über 0 bis " + std::to_string(static_cast<int>(kMostHours)) + ", nicht \"" +
                  args.value("--hours") + "\".");
  const std::optional<std::int32_t> interval = parseInt(args.value("--interval", "60"));
  if (!interval || *interval < 1 || *interval > 86400)
    return refuse("--interval erwartet Sekunden von 1 bis 86400, nicht \"" + args.value("--interval") + "\".");
  std::uint64_t seed = 1;
  if (args.has("--seed")) {
    const std::string s = args.value("--seed");
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), seed);
    if (ec != std::errc() || end != s.data() + s.size() || s.empty())
      return refuse("--seed erwartet eine ganze Zahl ab 0, nicht \"" + s + "\".");
  }
  LocalDateTime start;
  if (args.has("--start")) {
    const std::optional<LocalDateTime> t = parseStartTime(args.value("--start"));
    if (!t)
      return refuse("--start erwartet Datum und Uhrzeit wie \"05.12.2026 06:00\", nicht \"" + args.value("--start") +
                    "\".");
    start = *t;
  } else {
    const LocalDateTime now = SystemClock().now();
    start = makeLocalDateTime(now.year, now.month, now.day);
  }

  try {
    LoadedProject loaded = loadForCli(args, args.positional[0]);
    const int memory = dataMemorySize(args);
    const ControllerTable table = compileForController(*loaded.project, memory, args.positional[0]);
    const PlantSettings plant = readPlantSettings(args.value("--plant"));
    const std::filesystem::path dir = args.value("--record");
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    if (ec) throw Error("Der Ordner \"" + dir.string() + "\" kann nicht angelegt werden: " + ec.message());
    HeadlessRequest r;
    r.table = &table;
    r.plant = &plant;
    r.start = start;
    r.seconds = std::llround(*hours * 3600);
    r.interval = *interval;
    r.seed = seed;
    r.recordDir = dir;
    r.workMemorySize = memory;
    const HeadlessResult result = runHeadless(r);
    const DateTimeFormats f;
    std::cout << "Simuliert: " << args.value("--hours") << " h ab " << formatDateTime(start, f.shortDate) << " "
              << formatDateTime(start, f.longTime) << ", " << result.ticks << " Zeilen je Gruppe in " << dir.string()
              << "\n";
  } catch (const Error& e) {
    std::cerr << e.what() << "\n";
    return kExitBadInput;
  }
  return kExitOk;
}

} // namespace veltra::cli
