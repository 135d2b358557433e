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

} // namespace
} // namespace veltra::core
