// route: the router's field of one loop as text.
#include "cli.h"

#include "core/util/error.h"
#include "core/util/lenient_int.h"
#include "core/wiring/loop_wiring.h"
#include "core/wiring/wire_field_dump.h"

#include <iostream>

namespace veltra::cli {

using namespace veltra::core;

int cmdRoute(const Args& args) {
  if (args.positional.size() != 1 || !args.has("--loop")) return kExitUsage;
  const long long loop = lenientInt(args.value("--loop"));
  if (!validLoop(static_cast<int>(loop))) {
    std::cerr << "Regelkreis " << args.value("--loop") << " gibt es nicht (1..200).\n";
    return kExitUsage;
  }
  try {
    LoadedProject loaded = loadForCli(args, args.positional[0]);
    auto field = std::make_unique<WireField>();
    TWiring wiring(args.has("--literal") ? RouterKind::Literal : RouterKind::Fast);
    BildeBelegung(*loaded.project, static_cast<int>(loop), *field);
    BildeWireArray(*loaded.project, static_cast<int>(loop), *field, wiring);
    std::cout << dumpWireField(*field);
  } catch (const Error& e) {
    std::cerr << e.what() << "\n";
    return kExitBadInput;
  }
  return kExitOk;
}

} // namespace veltra::cli
