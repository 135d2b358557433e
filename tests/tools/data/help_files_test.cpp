// The help texts shipped in the program folder, one per module letter and tool code, against the catalogue.
#include "core/modules/catalogue.h"
#include "core/util/cp1252.h"
#include "core/util/file_io.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace veltra::core {
namespace {

class EveryHelpFile : public ::testing::TestWithParam<char> {
protected:
  std::string raw;                // code page 1252 bytes
  std::vector<std::string> lines; // without CR LF, in UTF-8
  bool clean = true;              // no control bytes (lone CR or LF included), none of 1252's undefined ones
  std::size_t longest = 0;        // in characters, one byte each
  void SetUp() override {
    raw = readFileText(std::string(VELTRA_PROGRAM_DIR) + "/mod" + GetParam() + ".hlp");
    for (std::size_t start = 0, end; (end = raw.find("\r\n", start)) != std::string::npos; start = end + 2) {
      const std::string line = raw.substr(start, end - start);
      lines.push_back(cp1252ToUtf8(line));
      longest = std::max(longest, line.size());
      for (const unsigned char b : line)
        clean = clean && b >= 0x20 && b != 0x7F && b != 0x81 && b != 0x8D && b != 0x8F && b != 0x90 && b != 0x9D;
    }
  }
};

// Code page 1252, CR LF only, lines of at most 60 characters; the tools' texts explain the keys.
TEST_P(EveryHelpFile, IsCodePage1252WithCrLfAndFitsThePanel) {
  EXPECT_TRUE(raw.size() >= 100u && raw.ends_with("\r\n") && clean && longest <= 60u) << "longest " << longest;
  for (const char* key : {"F1 ", "F2 ", "F3 ", "Esc ", "Entf "})
    EXPECT_TRUE(GetParam() >= 'A' || raw.find(key) != std::string::npos) << key;
}

class ModuleHelp : public EveryHelpFile {};

// "Modul R: " first, "Zeile 3  In Y ..." for exactly the catalogue's ports, "<name>: Vorgabe <default>" once per
// parameter (W's temperatures in degrees, stored as hundredths) or "Parameter: keine.", and a hint.
TEST_P(ModuleHelp, DescribesTheCatalogueEntry) {
  const ModuleType& type = *moduleType(GetParam());
  EXPECT_TRUE(lines.at(0).starts_with(std::string("Modul ") + GetParam() + ": ")) << lines[0];
  std::multiset<std::string> described, expected; // a port described twice shows as well
  for (const PortDef& p : type.ports)
    expected.insert(std::to_string(p.row) + (isInput(p.kind) ? "In" : "Out") + (isAnalog(p.kind) ? "X" : "Y"));
  for (const std::string& line : lines)
    if (std::smatch m; std::regex_match(line, m, std::regex("Zeile ([1-5]) +(In|Out) ([XY])( .*)?")))
      described.insert(m[1].str() + m[2].str() + m[3].str());
  EXPECT_EQ(described, expected);
  for (const ParamDef& p : type.params) {
    const std::string prefix = std::string(p.name) + ": Vorgabe ";
    int found = 0;
    for (const std::string& line : lines) {
      if (!line.starts_with(prefix) || ++found > 1) continue;
      std::size_t used = 0; // stod throws when no number follows
      const double scale = GetParam() == 'W' && (p.offset == 64 || p.offset == 72 || p.offset == 80) ? 100.0 : 1.0;
      EXPECT_DOUBLE_EQ(std::stod(line.substr(prefix.size()), &used) * scale, p.defaultValue) << line;
      EXPECT_TRUE(line.size() == prefix.size() + used || line[prefix.size() + used] == ' ') << line;
    }
    EXPECT_EQ(found, 1) << prefix;
  }
  const auto has = [&](const char* s) { return std::ranges::any_of(lines, [&](auto& l) { return l.starts_with(s); }); };
  EXPECT_TRUE((!type.params.empty() || has("Parameter: keine.")) && has("Hinweis: "));
}

const auto codeName = [](const auto& i) {
  return i.param == '+' ? "Plus" : i.param == '#' ? "Hash" : std::string(1, i.param);
};
INSTANTIATE_TEST_SUITE_P(Help, EveryHelpFile, ::testing::ValuesIn(std::string("ABCDEFGHIJKLMNOPQRSTUVWXYZ01279+#")),
                         codeName);
INSTANTIATE_TEST_SUITE_P(Help, ModuleHelp, ::testing::Range('A', static_cast<char>('Z' + 1)), codeName);

} // namespace
} // namespace veltra::core
