// live, write and record: the online features through the server block,
// without a window.
#include "cli.h"

#include "core/online/live_view.h"
#include "core/online/measurement_recorder.h"
#include "core/online/online_link.h"
#include "core/online/shm_block.h"
#include "core/util/clock.h"
#include "core/util/number_format.h"
#include "core/util/number_parse.h"

#include <chrono>
#include <iostream>
#include <thread>

namespace veltra::cli {

using namespace veltra::core;

namespace {

constexpr int kExitOffline = 1; // no server, a block too small, another table

// An online session of one command: the project, its table and the link.
struct Session {
  LoadedProject loaded;
  std::unique_ptr<ModuleTable> table = std::make_unique<ModuleTable>();
  std::unique_ptr<ShmAttacher> attacher = std::make_unique<ShmAttacher>(); // the link keeps a reference
  std::unique_ptr<OnlineLink> link;
};

// Loads the project and prepares the link to the block of --block.
std::optional<Session> openSession(const Args& args) {
  std::optional<LoadedProject> loaded = loadOrReport(args, args.positional[0]);
  if (!loaded) return std::nullopt;
  Session s;
  s.loaded = std::move(*loaded);
  s.link = std::make_unique<OnlineLink>(*s.attacher, args.value("--block", kDefaultBlockName));
  return s;
}

// A whole positive number of an option, or nothing (with the message).
std::optional<std::int32_t> positiveOption(const Args& args, const std::string& name, std::int32_t most) {
  const std::optional<std::int32_t> v = parseInt(args.value(name));
  if (!v || *v < 1 || *v > most) {
    std::cerr << name << " erwartet eine ganze Zahl von 1 bis " << most << ", nicht \"" << args.value(name) << "\".\n";
    return std::nullopt;
  }
  return v;
}

// "E5=21.5": the signal and its new value, checked against its group.
struct Assignment {
  OnlineTarget target;
  double value;
  std::string text;
};

std::optional<Assignment> parseAssignment(const std::string& arg) {
  const std::size_t eq = arg.find('=');
  if (eq == std::string::npos || eq < 2) return std::nullopt;
  const std::optional<std::int32_t> n = parseInt(arg.substr(1, eq - 1));
  const std::string digits = arg.substr(1, eq - 1);
  if (!n || digits.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
  const std::optional<OnlineTarget> target = onlineTarget(arg[0], *n);
  if (!target) return std::nullopt;
  const std::string text = arg.substr(eq + 1);
  if (target->isBit) {
    if (text != "0" && text != "1") return std::nullopt;
    return Assignment{*target, text == "1" ? 1.0 : 0.0, text};
  }
  const std::optional<double> v = parseReal(text);
  if (!v) return std::nullopt;
  return Assignment{*target, *v, text};
}

// A session in OnlineMode, as after "Debug"; nothing, with the exit code
// set, when the project cannot be read or the link does not start.
std::optional<Session> goOnline(const Args& args, int& exitCode) {
  std::optional<Session> s = openSession(args);
  if (!s) {
    exitCode = kExitBadInput;
    return std::nullopt;
  }
  const LinkStart start = s->link->DebugClick(*s->loaded.project, *s->table, dataMemorySize(args));
  if (!start.started) {
    std::cerr << start.message << "\n";
    exitCode = kExitOffline;
    return std::nullopt;
  }
  return s;
}

std::string signalName(const OnlineTarget& t) { return t.letter + std::to_string(t.n); }

} // namespace

int cmdLive(const Args& args) {
  if (args.positional.size() != 1 || !args.has("--loop")) return kExitUsage;
  const std::optional<std::int32_t> loop = positiveOption(args, "--loop", kLoops);
  if (!loop) return kExitUsage;
  int exitCode = kExitOk;
  std::optional<Session> s = goOnline(args, exitCode);
  if (!s) return exitCode;
  for (const LiveCell& c : liveTexts(*s->loaded.project, *loop, *s->link->ServerView()))
    std::cout << c.col << " " << c.row << " " << c.text << "\n";
  return kExitOk;
}

int cmdWrite(const Args& args) {
  if (args.positional.size() < 2) return kExitUsage;
  // Every assignment is checked before anything is written.
  std::vector<Assignment> assignments;
  for (std::size_t i = 1; i < args.positional.size(); ++i) {
    const std::optional<Assignment> a = parseAssignment(args.positional[i]);
    if (!a) {
      std::cerr << "\"" << args.positional[i]
                << "\" ist keine gültige Änderung: A, E, F, H 1..256 mit einer Zahl (E5=21.5), I, M, Q 1..256 und S "
                   "1..32 mit 0 oder 1 (I3=1). Nichts wurde geschrieben.\n";
      return kExitUsage;
    }
    assignments.push_back(*a);
  }
  int exitCode = kExitOk;
  std::optional<Session> s = goOnline(args, exitCode);
  if (!s) return exitCode;
  ServerBlock& block = *s->link->ServerView();
  for (const Assignment& a : assignments) {
    const OnlineTarget& t = a.target;
    if (t.isBit) {
      const bool old = block.bit(t.area, t.n).value_or(false);
      block.setBit(t.area, t.n, a.value != 0);
      std::cout << signalName(t) << ": " << (old ? 1 : 0) << " -> " << a.text << "\n";
    } else {
      const double old = block.analog(t.area, t.n).value_or(0);
      block.setAnalog(t.area, t.n, a.value);
      std::cout << signalName(t) << ": " << formatGeneralDigits(old, 15) << " -> " << formatGeneralDigits(a.value, 15)
                << "\n";
    }
  }
  return kExitOk;
}

int cmdRecord(const Args& args) {
  if (args.positional.size() != 1 || !args.has("--dir") || !args.has("--interval") || !args.has("--count"))
    return kExitUsage;
  const std::optional<std::int32_t> interval = positiveOption(args, "--interval", INT32_MAX);
  const std::optional<std::int32_t> count = positiveOption(args, "--count", INT32_MAX);
  if (!interval || !count) return kExitUsage;
  const std::filesystem::path dir = args.value("--dir");
  std::error_code ec;
  if (!std::filesystem::is_directory(dir, ec)) {
    std::cerr << "Der Messordner \"" << dir.string() << "\" besteht nicht.\n";
    return kExitOffline;
  }
  std::optional<Session> s = openSession(args);
  if (!s) return kExitBadInput;
  const LinkStart start =
      s->link->startMeasuring(*s->loaded.project, *s->table, dataMemorySize(args), std::to_string(*interval));
  if (!start.started) {
    std::cerr << start.message << "\n";
    return kExitOffline;
  }
  const SystemClock clock;
  MeasurementRecorder recorder(clock);
  recorder.setFolder(dir);
  bool anyFailed = false;
  // The ticks of ComTimer, on a fixed schedule so that waiting does not drift.
  const auto begin = std::chrono::steady_clock::now();
  const auto tick = std::chrono::milliseconds(OnlineLink::kComTimerInterval);
  for (std::int64_t k = 1, written = 0; written < *count; ++k) {
    std::this_thread::sleep_until(begin + k * tick);
    if (!s->link->ComTimerTimer().writeRows) continue;
    ++written;
    const RecordReport r = recorder.writeTick(*s->link->ServerView());
    if (!r.message.empty()) std::cerr << r.message << "\n";
    anyFailed = anyFailed || !r.written;
    if (r.written)
      std::cout << formatDateTime(clock.now(), DateTimeFormats{}.longTime) << " Zeilen " << written << "/" << *count
                << " geschrieben\n"
                << std::flush;
  }
  return anyFailed ? kExitOffline : kExitOk;
}

} // namespace veltra::cli
