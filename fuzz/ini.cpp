// Settings files of any content: reading never fails, a write changes only the
// key written, and a written value reads back.
#include "core/app/settings.h"
#include "core/persist/ini_file.h"
#include "core/util/error.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

using namespace veltra::core;

namespace {

void check(bool ok) {
  if (!ok) std::abort();
}

bool sameExceptDescription(const Settings& a, const Settings& b) {
  return a.ProjectDir == b.ProjectDir && a.DesignName == b.DesignName && a.LibraryDir == b.LibraryDir &&
         a.MeasureDir == b.MeasureDir && a.DataMemorySize == b.DataMemorySize && a.TipParameters == b.TipParameters &&
         a.TipCrossRef == b.TipCrossRef && a.ShowTexts == b.ShowTexts;
}

Settings readAll(const IniFile& ini) {
  Settings s;
  readFolderSettings(ini, s);
  readDisplayFlags(ini, s);
  return s;
}

// What a read returns for a value written as `v`: blanks around it dropped,
// then one pair of matching quotes.
std::string asRead(std::string_view v) {
  auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; };
  while (!v.empty() && blank(v.front()))
    v.remove_prefix(1);
  while (!v.empty() && blank(v.back()))
    v.remove_suffix(1);
  if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front()) v = v.substr(1, v.size() - 2);
  return std::string(v);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  IniFile ini = IniFile::fromText(text);
  const Settings before = readAll(ini);
  (void)ini.readInt("SETTINGS", "Datenspeicher", 0);

  ini.writeString("TOOLTIPS", "Beschreibung", "true");
  const std::string written = ini.text();
  IniFile again = IniFile::fromText(written);
  const Settings after = readAll(again);
  check(after.TipDescription);
  check(sameExceptDescription(before, after));

  again.writeString("tooltips", "BESCHREIBUNG", "true");
  check(again.text() == written);

  // A value taken from the input itself: refused when it holds a line break,
  // otherwise read back as written.
  const std::string value = text.substr(0, 40);
  try {
    again.writeString("VERZEICHNISSE", "Projekt", value);
    check(value.find_first_of("\r\n") == std::string::npos);
    const Settings third = readAll(IniFile::fromText(again.text()));
    check(third.ProjectDir == asRead(value));
    check(third.TipDescription && third.DesignName == after.DesignName && third.MeasureDir == after.MeasureDir);
  } catch (const Error&) {
    check(value.find_first_of("\r\n") != std::string::npos);
    check(again.text() == written);
  }
  return 0;
}
