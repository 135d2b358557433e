#include "core/persist/vtp_writer.h"

#include "core/util/file_io.h"

namespace veltra::core {

std::string writeVtp(const TProjectData& data) {
  return std::string(reinterpret_cast<const char*>(&data), sizeof data);
}

void saveProjectData(const TProjectData& data, const std::filesystem::path& path) {
  writeFileAtomic(path, writeVtp(data));
}

} // namespace veltra::core
