#include "cli.h"

#include <iostream>

namespace veltra::cli {

int cmdInfo(const Args&) {
  std::cerr << "noch nicht verfügbar\n";
  return kExitUsage;
}

int cmdSaveAs(const Args&) {
  std::cerr << "noch nicht verfügbar\n";
  return kExitUsage;
}

} // namespace veltra::cli
