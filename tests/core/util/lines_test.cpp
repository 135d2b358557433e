#include "core/util/lines.h"

#include "core/util/file_io.h"

#include <gtest/gtest.h>

#include <random>
#include <regex>
#include <sstream>

namespace veltra::core {
namespace {

// The rule: a line ends at CR LF, LF or CR; other control characters and
// bytes above 127 belong to the line; a last line without end counts if not empty.
std::vector<std::string> byTheRule(const std::string& text) {
  std::istringstream in(std::regex_replace(text, std::regex("\r\n?"), "\n"));
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);)
    lines.push_back(line);
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

} // namespace
} // namespace veltra::core
