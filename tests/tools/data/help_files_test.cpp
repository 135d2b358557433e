// The help texts shipped in the program folder: one per module letter and
// tool code, code page 1252 with CR LF, and for modules the port rows,
// parameter names and defaults of the catalogue.
#include "modules/catalogue.h"
#include "util/cp1252.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace veltra::core {
namespace {

namespace fs = std::filesystem;

const fs::path kProgramDir = VELTRA_PROGRAM_DIR;

std::string readRaw(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Lines of a CR LF text, converted to UTF-8.
std::vector<std::string> helpLines(const std::string& code) {
  const std::string text = cp1252ToUtf8(readRaw(kProgramDir / ("mod" + code + ".hlp")));
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
    lines.push_back(text.substr(start, end - start));
  return lines;
}

std::vector<std::string> allCodes() {
  std::vector<std::string> codes;
  for (char c = 'A'; c <= 'Z'; ++c)
    codes.emplace_back(1, c);
  for (const char* tool : {"0", "1", "2", "7", "9", "+", "#"})
    codes.emplace_back(tool);
  return codes;
}

class EveryHelpFile : public ::testing::TestWithParam<std::string> {};

TEST_P(EveryHelpFile, IsCodePage1252WithCrLf) {
  const fs::path path = kProgramDir / ("mod" + GetParam() + ".hlp");
  ASSERT_TRUE(fs::exists(path)) << path;
  const std::string raw = readRaw(path);
  ASSERT_GE(raw.size(), 100u) << "help text too short";
  ASSERT_EQ(raw.substr(raw.size() - 2), "\r\n") << "last line without CR LF";
  for (std::size_t i = 0; i < raw.size(); ++i) {
    const auto b = static_cast<unsigned char>(raw[i]);
    if (b == '\r') {
      ASSERT_EQ(raw[i + 1], '\n') << "lone CR at " << i;
    } else if (b == '\n') {
      ASSERT_EQ(raw[i - 1], '\r') << "lone LF at " << i;
    } else {
      // Control characters and the five bytes code page 1252 leaves undefined.
      ASSERT_GE(b, 0x20) << "control byte at " << i;
      ASSERT_NE(b, 0x7F);
      for (unsigned char undefined : {0x81, 0x8D, 0x8F, 0x90, 0x9D})
        ASSERT_NE(b, undefined) << "byte " << i;
    }
  }
}

TEST_P(EveryHelpFile, FitsTheHelpPanel) {
  for (const std::string& line : helpLines(GetParam())) {
    // Characters, not bytes: count the UTF-8 lead bytes.
    std::size_t chars = 0;
    for (unsigned char b : line)
      chars += (b & 0xC0) != 0x80;
    EXPECT_LE(chars, 60u) << line;
  }
}

std::string codeName(const ::testing::TestParamInfo<std::string>& info) {
  const std::string& c = info.param;
  return c == "+" ? std::string("Plus") : c == "#" ? std::string("Hash") : "Code" + c;
}

INSTANTIATE_TEST_SUITE_P(Help, EveryHelpFile, ::testing::ValuesIn(allCodes()), codeName);

class ToolHelp : public ::testing::TestWithParam<std::string> {};

TEST_P(ToolHelp, ExplainsTheKeys) {
  std::string all;
  for (const std::string& line : helpLines(GetParam()))
    all += line + "\n";
  for (const char* key : {"F1 ", "F2 ", "F3 ", "Esc ", "Entf "})
    EXPECT_NE(all.find(key), std::string::npos) << key;
}

INSTANTIATE_TEST_SUITE_P(Help, ToolHelp, ::testing::Values("0", "1", "2", "7", "9", "+", "#"), codeName);

class ModuleHelp : public ::testing::TestWithParam<char> {
protected:
  const ModuleType& type() const { return *moduleType(GetParam()); }
  std::vector<std::string> lines() const { return helpLines(std::string(1, GetParam())); }
};

TEST_P(ModuleHelp, StartsWithItsLetter) {
  const auto l = lines();
  ASSERT_FALSE(l.empty());
  EXPECT_EQ(l[0].rfind(std::string("Modul ") + GetParam() + ": ", 0), 0u) << l[0];
}

const char* kindText(PortKind k) {
  switch (k) {
  case PortKind::XE:
    return "In X";
  case PortKind::XA:
    return "Out X";
  case PortKind::YE:
    return "In Y";
  default:
    return "Out Y";
  }
}

// "Zeile 3  In Y   Reset" -> "3 In Y"; empty for any other line.
std::string portOfLine(const std::string& line) {
  if (line.size() < 8 || line.rfind("Zeile ", 0) != 0 || line[6] < '1' || line[6] > '5') return {};
  std::size_t at = line.find_first_not_of(' ', 7);
  if (at == 7 || at == std::string::npos) return {};
  for (const char* kind : {"In X", "In Y", "Out X", "Out Y"}) {
    const std::string k(kind);
    if (line.compare(at, k.size(), k) == 0 && (at + k.size() == line.size() || line[at + k.size()] == ' '))
      return line.substr(6, 1) + " " + k;
  }
  return {};
}

TEST(HelpFormat, PortLinesAreRecognised) {
  EXPECT_EQ(portOfLine("Zeile 3  In Y   Reset"), "3 In Y");
  EXPECT_EQ(portOfLine("Zeile 1  Out X"), "1 Out X");
  EXPECT_EQ(portOfLine("Zeile 1  Output"), "");
  EXPECT_EQ(portOfLine("Zeile 9  In X"), "");
  EXPECT_EQ(portOfLine("Zeilen 1 In X"), "");
}

TEST_P(ModuleHelp, NamesExactlyThePortsOfTheCatalogue) {
  std::set<std::string> described, expected;
  for (const std::string& line : lines()) {
    const std::string port = portOfLine(line);
    if (!port.empty()) {
      EXPECT_TRUE(described.insert(port).second) << line;
    }
  }
  for (const PortDef& p : type().ports)
    expected.insert(std::to_string(p.row) + " " + kindText(p.kind));
  EXPECT_EQ(described, expected);
}

// Fields whose help gives degrees while the module stores hundredths.
double storedScale(char letter, int offset) {
  return letter == 'W' && (offset == 64 || offset == 72 || offset == 80) ? 100.0 : 1.0;
}

TEST_P(ModuleHelp, GivesEveryParameterWithItsDefault) {
  const auto l = lines();
  for (const ParamDef& p : type().params) {
    const std::string prefix = std::string(p.name) + ": Vorgabe ";
    bool found = false;
    for (const std::string& line : l) {
      if (line.rfind(prefix, 0) != 0) continue;
      found = true;
      const char* start = line.c_str() + prefix.size();
      char* end = nullptr;
      const double value = std::strtod(start, &end);
      ASSERT_NE(end, start) << line;
      ASSERT_TRUE(*end == '\0' || *end == ' ') << line;
      EXPECT_DOUBLE_EQ(value * storedScale(GetParam(), p.offset), p.defaultValue) << line;
    }
    EXPECT_TRUE(found) << "no line \"" << prefix << "...\"";
  }
  if (type().params.empty()) {
    bool none = false;
    for (const std::string& line : l)
      none = none || line == "Parameter: keine.";
    EXPECT_TRUE(none);
  }
}

TEST_P(ModuleHelp, EndsWithAHint) {
  bool hint = false;
  for (const std::string& line : lines())
    hint = hint || line.rfind("Hinweis: ", 0) == 0;
  EXPECT_TRUE(hint);
}

INSTANTIATE_TEST_SUITE_P(Modules, ModuleHelp, ::testing::Range('A', static_cast<char>('Z' + 1)),
                         [](const auto& info) { return std::string(1, info.param); });

} // namespace
} // namespace veltra::core
