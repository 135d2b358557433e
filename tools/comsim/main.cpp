// veltra-comsim: a stand-in for the communication server, so that every
// online feature of VELTRA can be tried and tested without a controller.
#include "comsim_options.h"
#include "controller_feeder.h"

#include "core/simulation/executable_table.h"
#include "core/simulation/input_settings.h"
#include "core/simulation/plant_settings.h"
#include "published_table.h"
#include "server_stand_in.h"

#include "core/online/shm_block.h"
#include "core/util/error.h"

#include <chrono>
#include <csignal>
#include <iostream>
#include <thread>

using namespace veltra;

namespace {

volatile std::sig_atomic_t g_stop = 0;

extern "C" void onStopSignal(int) { g_stop = 1; }

void installStopHandlers() {
  struct sigaction sa {};
  sa.sa_handler = onStopSignal;
  sigemptyset(&sa.sa_mask);
  for (int sig : {SIGINT, SIGTERM, SIGHUP})
    sigaction(sig, &sa, nullptr);
}

std::filesystem::path executableDir(const char* argv0) {
  std::error_code ec;
  auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) self = std::filesystem::absolute(argv0, ec);
  return self.parent_path();
}

std::string words(const core::TableChecksum& c) {
  std::string s;
  for (std::uint32_t w : c)
    s += (s.empty() ? "" : " ") + std::to_string(static_cast<std::int32_t>(w));
  return s;
}

} // namespace

int main(int argc, char** argv) {
  comsim::Options options;
  try {
    options = comsim::parseOptions({argv + 1, argv + argc}, executableDir(argv[0]));
  } catch (const core::Error& e) {
    std::cerr << e.what() << "\n";
    return 64;
  }
  if (options.help) {
    std::cout << comsim::helpText();
    return 0;
  }

  comsim::PublishedTable table;
  std::vector<core::SimulatedInput> inputs;
  std::unique_ptr<comsim::ControllerFeeder> controller;
  try {
    table = !options.table.empty()     ? comsim::tableFromFile(options.table)
            : !options.project.empty() ? comsim::tableFromProject(options.project, options.programDir)
                                       : comsim::emptyTable();
    // With a plant, its file says which inputs are generated.
    if (!options.inputs.empty())
      inputs = core::readInputSettings(options.inputs);
    else if (options.plant.empty())
      inputs = core::parseInputSettings(core::kDefaultInputSettings);
    if (!table.bytes.empty()) {
      core::PlantSettings plant;
      if (!options.plant.empty()) plant = core::readPlantSettings(options.plant);
      controller = std::make_unique<comsim::ControllerFeeder>(
          core::readExecutableTable(table.bytes, core::kDefaultDataMemorySize), std::move(plant), options.seed);
    }
  } catch (const core::Error& e) {
    std::cerr << e.what() << "\n";
    return 2;
  }

  // Handlers first, so that a signal right after creation still removes the block.
  installStopHandlers();
  std::unique_ptr<core::SharedBlockOwner> owner;
  try {
    owner = std::make_unique<core::SharedBlockOwner>(options.block, options.replace);
  } catch (const core::Error& e) {
    std::cerr << e.what() << "\n";
    return 1;
  }

  comsim::ServerStandIn standIn(owner->block());
  standIn.publish(table.checksum, table.programs);
  if (!inputs.empty()) standIn.addFeeder(std::make_unique<comsim::InputFeeder>(std::move(inputs)));
  // The simulated controller switches its own time switch outputs, by its clock.
  if (controller)
    standIn.addFeeder(std::move(controller));
  else
    standIn.addFeeder(std::make_unique<comsim::TimeSwitchFeeder>());

  const core::SystemClock clock;
  const core::LocalDateTime startTime = clock.now();
  const auto start = std::chrono::steady_clock::now();
  // --speed: the simulated time runs N times faster from the local time at the start.
  auto timeNow = [&] {
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    const double seconds = elapsed.count() * options.speed;
    if (options.speed == 1) return comsim::SimulationTime{seconds, clock.now()};
    return comsim::SimulationTime{seconds, core::addSeconds(startTime, static_cast<long long>(seconds))};
  };
  standIn.update(timeNow());
  std::cout << "veltra-comsim: Block " << owner->name() << " angelegt (" << core::kServerBlockSize << " Bytes), "
            << table.origin << ", Prüfsumme " << words(table.checksum) << ". Ende mit Strg+C." << std::endl;

  constexpr auto kUpdate = std::chrono::milliseconds(200);
  auto nextStatus = start + std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                                std::chrono::duration<double>(options.statusSeconds));
  while (g_stop == 0) {
    std::this_thread::sleep_for(kUpdate);
    const comsim::SimulationTime t = timeNow();
    standIn.update(t);
    if (options.statusSeconds > 0 && std::chrono::steady_clock::now() >= nextStatus) {
      std::cout << standIn.statusLine(owner->name(), t) << std::endl;
      nextStatus += std::chrono::duration_cast<std::chrono::steady_clock::duration>(
          std::chrono::duration<double>(options.statusSeconds));
    }
  }
  owner->remove();
  std::cout << "veltra-comsim: Block " << owner->name() << " entfernt." << std::endl;
  return 0;
}
