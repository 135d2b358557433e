#include "core/persist/signal_lists.h"

#include "core/modules/catalogue.h"
#include "core/util/error.h"
#include "core/util/file_io.h"
#include "core/util/lines.h"

namespace veltra::core {

void readSignalTextFile(const std::filesystem::path& file, std::span<TSignalText> desc, std::span<TSignalText> names) {
  auto set = [&](std::size_t n, std::string_view line) {
    desc[n].assign(line);
    if (n < names.size()) names[n].assign(line);
  };
  std::size_t n = 1;
  forEachLine(readFileText(file), [&](std::string_view line) {
    if (n == desc.size()) return false;
    set(n++, line);
    return true;
  });
  for (; n < desc.size(); ++n)
    set(n, {});
}

void readSignalDefaults(const std::filesystem::path& programDir, SignalDefaults& defaults) {
  const auto read = [&](const char* name, std::vector<TSignalText>& lines) {
    readSignalTextFile(findCaseInsensitive(programDir, name), lines);
  };
  read("ASignale.txt", defaults.A);
  read("ESignale.txt", defaults.E);
  read("ISignale.txt", defaults.I);
  read("QSignale.txt", defaults.Q);
  read("VSignale.txt", defaults.V);
}

SignalDefaults readSignalDefaults(const std::filesystem::path& programDir) {
  SignalDefaults defaults;
  readSignalDefaults(programDir, defaults);
  return defaults;
}

std::vector<std::string> readItemFile(const std::filesystem::path& file) { return splitLines(readFileText(file)); }

std::vector<std::string> itemsOrBuiltin(const std::filesystem::path& programDir, char letter) {
  const ModuleType* type = moduleType(letter);
  if (type != nullptr && !type->itemFile.empty()) {
    try {
      return readItemFile(findCaseInsensitive(programDir, type->itemFile));
    } catch (const Error&) {
      // fall back to the built-in names below
    }
  }
  std::vector<std::string> items;
  for (std::string_view s : builtinItems(letter))
    items.emplace_back(s);
  return items;
}

std::string itemText(const std::vector<std::string>& items, long long index) {
  if (index >= 0 && index < static_cast<long long>(items.size())) return items[static_cast<std::size_t>(index)];
  return std::to_string(index);
}

std::vector<std::string> readErrorTexts(const std::filesystem::path& file) { return splitLines(readFileText(file)); }

} // namespace veltra::core
