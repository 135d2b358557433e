#include "core/persist/uhr_writer.h"

namespace veltra::core {

std::string writeUhr(const SwitchProgramTable& programs) {
  return std::string(reinterpret_cast<const char*>(&programs), sizeof programs);
}

} // namespace veltra::core
