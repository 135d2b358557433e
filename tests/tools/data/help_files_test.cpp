// The help texts shipped in the program folder, one per module letter and
// tool code, against the catalogue.
#include "modules/catalogue.h"
#include "util/cp1252.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace veltra::core {
namespace {

std::string readRaw(char code) {
  std::ifstream in(std::filesystem::path(VELTRA_PROGRAM_DIR) / ("mod" + std::string(1, code) + ".hlp"),
                   std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Lines of a CR LF text, converted to UTF-8.
std::vector<std::string> helpLines(char code) {
  const std::string text = cp1252ToUtf8(readRaw(code));
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
    lines.push_back(text.substr(start, end - start));
  return lines;
}

class EveryHelpFile : public ::testing::TestWithParam<char> {};

// Code page 1252 (no control bytes, none of its five undefined ones), CR LF
// only, lines of at most 60 characters; the tools' texts explain the keys.
TEST_P(EveryHelpFile, IsCodePage1252WithCrLfAndFitsThePanel) {
  const std::string raw = readRaw(GetParam());
  ASSERT_GE(raw.size(), 100u) << "missing or too short";
  ASSERT_EQ(raw.substr(raw.size() - 2), "\r\n") << "last line without CR LF";
  for (std::size_t i = 0; i < raw.size(); ++i) {
    const auto b = static_cast<unsigned char>(raw[i]);
    if (b == '\r' || b == '\n')
      ASSERT_EQ(raw.substr(b == '\r' ? i : i - 1, 2), "\r\n") << "lone CR or LF at " << i;
    else
      ASSERT_TRUE(b >= 0x20 && b != 0x7F && b != 0x81 && b != 0x8D && b != 0x8F && b != 0x90 && b != 0x9D)
          << "byte " << static_cast<int>(b) << " at " << i;
  }
  std::string all;
  const bool tool = GetParam() < 'A';
  for (const std::string& line : helpLines(GetParam())) {
    std::size_t chars = 0; // UTF-8 lead bytes
    for (unsigned char b : line)
      chars += (b & 0xC0) != 0x80;
    EXPECT_LE(chars, 60u) << line;
    all += line + "\n";
  }
  for (const char* key : {"F1 ", "F2 ", "F3 ", "Esc ", "Entf "})
    EXPECT_TRUE(!tool || all.find(key) != std::string::npos) << key;
}

class ModuleHelp : public EveryHelpFile {};

// "Modul R: " first, a line "Zeile 3  In Y ..." for exactly the catalogue's
// ports, "<name>: Vorgabe <default>" per parameter (W's temperatures in
// degrees, stored as hundredths) or "Parameter: keine.", and a hint.
TEST_P(ModuleHelp, DescribesTheCatalogueEntry) {
  const char letter = GetParam();
  const ModuleType& type = *moduleType(letter);
  const auto lines = helpLines(letter);
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines[0].rfind(std::string("Modul ") + letter + ": ", 0), 0u) << lines[0];
  const std::regex portLine("Zeile ([1-5]) +(In|Out) ([XY])( .*)?");
  std::set<std::string> described, expected;
  std::smatch m;
  for (const std::string& line : lines) {
    if (!std::regex_match(line, m, portLine)) continue;
    EXPECT_TRUE(described.insert(m[1].str() + m[2].str() + m[3].str()).second) << line;
  }
  for (const PortDef& p : type.ports)
    expected.insert(std::to_string(p.row) + (isInput(p.kind) ? "In" : "Out") + (isAnalog(p.kind) ? "X" : "Y"));
  EXPECT_EQ(described, expected);
  for (const ParamDef& p : type.params) {
    const std::string prefix = std::string(p.name) + ": Vorgabe ";
    int found = 0;
    for (const std::string& line : lines) {
      if (line.rfind(prefix, 0) != 0) continue;
      ++found;
      char* end = nullptr;
      const double value = std::strtod(line.c_str() + prefix.size(), &end);
      ASSERT_TRUE(end != line.c_str() + prefix.size() && (*end == '\0' || *end == ' ')) << line;
      const bool degrees = letter == 'W' && (p.offset == 64 || p.offset == 72 || p.offset == 80);
      EXPECT_DOUBLE_EQ(value * (degrees ? 100.0 : 1.0), p.defaultValue) << line;
    }
    EXPECT_EQ(found, 1) << prefix;
  }
  auto has = [&](const std::string& start) {
    return std::any_of(lines.begin(), lines.end(), [&](const std::string& l) { return l.rfind(start, 0) == 0; });
  };
  EXPECT_TRUE(!type.params.empty() || has("Parameter: keine."));
  EXPECT_TRUE(has("Hinweis: "));
}

std::string codeName(const ::testing::TestParamInfo<char>& info) {
  return info.param == '+' ? "Plus" : info.param == '#' ? "Hash" : std::string(1, info.param);
}
INSTANTIATE_TEST_SUITE_P(Help, EveryHelpFile, ::testing::ValuesIn(std::string("ABCDEFGHIJKLMNOPQRSTUVWXYZ01279+#")),
                         codeName);
INSTANTIATE_TEST_SUITE_P(Help, ModuleHelp, ::testing::Range('A', static_cast<char>('Z' + 1)), codeName);

} // namespace
} // namespace veltra::core
