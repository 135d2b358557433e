#include "core/persist/vtp_reader.h"

#include "core/persist/byte_reader.h"
#include "core/util/file_io.h"

namespace veltra::core {

TProjectData readVtp(std::span<const std::uint8_t> bytes, const std::string& fileName) {
  ByteReader in(bytes, fileName);
  TProjectData data;
  in.read(&data, sizeof data);
  return data;
}

TProjectData loadProjectData(const std::filesystem::path& path) {
  return readVtp(readFileBytes(path), path.filename().string());
}

} // namespace veltra::core
