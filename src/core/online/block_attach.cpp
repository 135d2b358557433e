#include "core/online/block_attach.h"

namespace veltra::core {

std::string blockObjectName(const std::string& name) {
  if (name.empty()) return kDefaultBlockName;
  return name.front() == '/' ? name : "/" + name;
}

AttachResult notRunning() { return {AttachStatus::NotRunning, {}, kServerNotRunning}; }

AttachResult tooSmall(const std::string& name, std::size_t size) {
  return {AttachStatus::TooSmall,
          {},
          "Der Speicherblock \"" + name + "\" ist nur " + std::to_string(size) + " Bytes groß; der Server muss " +
              std::to_string(kServerBlockSize) + " Bytes bereitstellen. Der Block wird nicht benutzt."};
}

AttachResult mapFailed(const std::string& name, const std::string& reason) {
  return {AttachStatus::MapFailed, {}, "Der Speicherblock \"" + name + "\" kann nicht eingeblendet werden. " + reason};
}

} // namespace veltra::core
