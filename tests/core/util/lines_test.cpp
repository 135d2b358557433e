#include "util/lines.h"

#include "util/file_io.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace veltra::core {
namespace {

// The rule written out byte by byte: a line ends at CR LF, LF or CR; other
// control characters and bytes above 127 belong to the line.
std::vector<std::string> byTheRule(std::string_view text) {
  std::vector<std::string> lines;
  std::string line;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') {
      line += text[i];
      continue;
    }
    lines.push_back(line);
    line.clear();
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

// Up to 40 bytes, so line ends fall inside and across eight-byte words.
TEST(Lines, AgreeWithTheRuleOnRandomTexts) {
  const std::string alphabet = std::string("ab \t\x0B\x0C\x0E\x7F\x80\xE4\xFF\r\n\r\n", 15) + std::string(1, '\0');
  std::mt19937 random(20240611);
  for (int round = 0; round < 5000; ++round) {
    std::string text(random() % 40, ' ');
    for (char& c : text)
      c = alphabet[random() % alphabet.size()];
    ASSERT_EQ(splitLines(text), byTheRule(text)) << round;
  }
}

TEST(Lines, WalkStopsWhenTheCallSaysSo) {
  std::vector<std::string> seen;
  forEachLine("eins\r\nzwei\r\ndrei", [&](std::string_view line) {
    seen.emplace_back(line);
    return line != "zwei";
  });
  EXPECT_EQ(seen, (std::vector<std::string>{"eins", "zwei"}));
}

} // namespace
} // namespace veltra::core
