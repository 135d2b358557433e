#include "core/compiler/module_table_files.h"

#include "core/util/error.h"
#include "core/util/file_io.h"

#include <string>

namespace veltra::core {

namespace {

std::string lower(std::string s) {
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return s;
}

} // namespace

ModuleTableFiles writeModuleTableFiles(const ModuleTable& table, const std::filesystem::path& file) {
  if (!table.canBeWritten()) throw Error("Es gibt keine Modultabelle zum Speichern: sie ist leer oder zu groß.");
  ModuleTableFiles files{file, withExtension(file, ".des")};
  // The companion would overwrite the table with zeros.
  if (lower(file.extension().string()) == ".des")
    throw Error("Die Modultabelle kann nicht als \"" + file.filename().string() +
                "\" gespeichert werden: die Endung .des gehört der Begleitdatei.");
  const auto bytes = table.tableBytes();
  writeFileAtomic(files.table, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  const std::string zeros(kModuleTableBufferSize, '\0');
  writeFileAtomic(files.companion, zeros);
  return files;
}

ModuleTableImage readModuleTableFile(const std::filesystem::path& file) {
  ModuleTableImage image{readFileBytes(file), {}};
  if (image.bytes.size() < static_cast<std::size_t>(kTimeSwitchBlockSize) ||
      image.bytes.size() > static_cast<std::size_t>(kMaxTableLength))
    throw Error("Die Datei \"" + file.string() + "\" ist keine Modultabelle: sie hat " +
                std::to_string(image.bytes.size()) + " Bytes (erwartet " + std::to_string(kTimeSwitchBlockSize) +
                " bis " + std::to_string(kMaxTableLength) + ").");
  image.checksum = tableChecksum(image.bytes);
  return image;
}

} // namespace veltra::core
