#include "persist/txl_reader.h"

#include "persist/txl_writer.h"

#include <gtest/gtest.h>

namespace veltra::core {
namespace {

TEST(TxlReader, OneEntryPerLineKeptAsStored) {
  auto list = readTxl("Vorlauf|Heizkreis 2|=31207\r\na~b||=10000\n\r\nletzte");
  EXPECT_EQ(list, (std::vector<std::string>{"Vorlauf|Heizkreis 2|=31207", "a~b||=10000", "", "letzte"}));
}

TEST(TxlReader, WriterEndsEveryEntryWithCrLfAndReadsBackTheSame) {
  std::vector<std::string> list = {"Vorlauf|Heizkreis 2|=31207", "", "\xE4|\xF6|\xFC=20101"};
  const std::string text = writeTxl(list);
  EXPECT_EQ(text, "Vorlauf|Heizkreis 2|=31207\r\n\r\n\xE4|\xF6|\xFC=20101\r\n");
  EXPECT_EQ(readTxl(text), list);
  EXPECT_EQ(writeTxl({}), "");
}

TEST(TxlReader, ReadingOverAListReplacesIt) {
  const std::string text = "a||=10000\r\nb||=20000\r\n";
  std::vector<std::string> longer(5, "alt");
  readTxl(text, longer);
  EXPECT_EQ(longer, readTxl(text));
  std::vector<std::string> shorter = {"alt"};
  readTxl(text, shorter);
  EXPECT_EQ(shorter, readTxl(text));
  readTxl("", shorter);
  EXPECT_TRUE(shorter.empty());
}

} // namespace
} // namespace veltra::core
