#include "persist/txl_reader.h"

#include <gtest/gtest.h>

namespace veltra::core::test {
namespace {

// Entries are kept as stored, whatever the line end; reading over a longer
// or shorter list replaces it.
TEST(TxlReader, OneEntryPerLineReplacingTheList) {
  const std::vector<std::string> expected = {"Vorlauf|Heizkreis 2|=31207", "a~b||=10000", "", "letzte"};
  EXPECT_EQ(readTxl("Vorlauf|Heizkreis 2|=31207\r\na~b||=10000\n\r\nletzte"), expected);
  std::vector<std::string> list(5, "alt");
  readTxl("a||=10000\r\nb||=20000\r\n", list);
  EXPECT_EQ(list, (std::vector<std::string>{"a||=10000", "b||=20000"}));
  list = {"alt"};
  readTxl("a||=10000\r\nb||=20000\r\n", list);
  EXPECT_EQ(list, (std::vector<std::string>{"a||=10000", "b||=20000"}));
  readTxl("", list);
  EXPECT_TRUE(list.empty());
}

} // namespace
} // namespace veltra::core::test
