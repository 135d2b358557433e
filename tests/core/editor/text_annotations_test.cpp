#include "core/editor/text_annotations.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace veltra::core {
namespace {

// "=" is stored as "~", so a typed "~" reads back as "="; all lines empty
// means no entry.
TEST(TextAnnotation, DialogEntryRoundTrip) {
  const std::string e = formatTextEntry({"Vorlauf", "a=b", ""}, 3, 12, 7);
  EXPECT_EQ(e, "Vorlauf|a~b|=31207");
  const TextAnnotation t = parseTextEntry(e);
  EXPECT_EQ(std::vector<int>({t.loop, t.col, t.row}), std::vector<int>({3, 12, 7}));
  EXPECT_EQ(t.lines, (std::array<std::string, 3>{"Vorlauf", "a=b", ""}));
  EXPECT_EQ(parseTextEntry("x~y||=10000").lines[0], "x=y");
  EXPECT_EQ(formatTextEntry({"", "", ""}, 1, 1, 1), "");
}

TEST(TextAnnotation, ReadingOddEntries) {
  // No "|": everything is line 1. A bar typed into a line splits it.
  TextAnnotation t = parseTextEntry("nur eins=20304");
  EXPECT_EQ(t.lines[0], "nur eins");
  EXPECT_EQ(std::vector<int>({t.loop, t.col, t.row}), std::vector<int>({2, 3, 4}));
  t = parseTextEntry("a|b|c|d=10101");
  EXPECT_EQ(t.lines[2], "c|d");
  // Without "=", the key is everything after the first character.
  t = parseTextEntry("x20304");
  EXPECT_EQ(t.key, 20304);
  EXPECT_EQ(t.lines[0], "x20304");
  // "=" as first character: the whole entry is the text part.
  t = parseTextEntry("=10101");
  EXPECT_EQ(t.key, 10101);
  EXPECT_EQ(t.lines[0], "=10101");
  // A key that is not a number matches no loop.
  t = parseTextEntry("Text=abc");
  EXPECT_EQ(t.key, 0);
  EXPECT_EQ(t.loop, 0);
  EXPECT_EQ(parseTextEntry("").key, 0);
}

TEST(TextAnnotation, FindMatchesLoopColumnAndRow) {
  std::vector<std::string> list = {"vier||=40307", "drei||=30307", "zwei||=30307"};
  EXPECT_EQ(findTextEntry(list, 3, 3, 7), 1);
  EXPECT_EQ(findTextEntry(list, 4, 3, 7), 0);
  EXPECT_EQ(findTextEntry(list, 5, 3, 7), -1);
}

} // namespace
} // namespace veltra::core
