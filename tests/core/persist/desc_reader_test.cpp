#include "persist/desc_reader.h"

#include "persist/desc_writer.h"
#include "persist_test_util.h"

#include <gtest/gtest.h>

namespace veltra::core {
namespace {

using namespace test;

class DescReaderTest : public ::testing::Test {
protected:
  std::unique_ptr<Project> p = newProject();
  SignalTables& d = p->SignalDesc;

  std::string text(SignalGroup g, int n) const { return d.text(g, n); }

  static std::string lines(const std::string& prefix, int from, int to) {
    std::string s;
    for (int k = from; k <= to; ++k)
      s += prefix + std::to_string(k) + "\r\n";
    return s;
  }
};

TEST_F(DescReaderTest, ShortSectionLeavesTheRestOfItsGroupAsItWas) {
  const std::string e101 = text(SignalGroup::E, 101);
  readDesc(lines("e", 1, 100) + "--\r\n" + "f1\r\n", d);
  EXPECT_EQ(text(SignalGroup::E, 1), "e1");
  EXPECT_EQ(text(SignalGroup::E, 100), "e100");
  EXPECT_EQ(text(SignalGroup::E, 101), e101);
  EXPECT_EQ(text(SignalGroup::F, 1), "f1");
  EXPECT_EQ(text(SignalGroup::F, 2), "Festwert 2");
}

TEST_F(DescReaderTest, LongLinesAreCutTo21Characters) {
  readDesc("123456789012345678901234567890\r\n", d);
  EXPECT_EQ(text(SignalGroup::E, 1), "123456789012345678901");
}

TEST_F(DescReaderTest, LinesBeyondASectionsCapacityAreSkipped) {
  const std::string desc = "--\r\n--\r\n--\r\n" + lines("s", 1, 40) + "--\r\na1\r\n";
  readDesc(desc, d);
  EXPECT_EQ(text(SignalGroup::S, 32), "s32");
  EXPECT_EQ(text(SignalGroup::A, 1), "a1");
}

TEST_F(DescReaderTest, ReadingEndsAfterTheSeparatorOfM) {
  std::string desc;
  for (int i = 0; i < 8; ++i)
    desc += "--\r\n";
  desc += "m1\r\n--\r\nzuviel\r\n--\r\n--\n";
  readDesc(desc, d);
  EXPECT_EQ(text(SignalGroup::M, 1), "m1");
  EXPECT_EQ(text(SignalGroup::M, 2), "Merker 2");
}

TEST_F(DescReaderTest, AcceptsLfAndAFinalLineWithoutLineEnd) {
  readDesc("eins\nzwei\r\ndrei", d);
  EXPECT_EQ(text(SignalGroup::E, 2), "zwei");
  EXPECT_EQ(text(SignalGroup::E, 3), "drei");
}

TEST_F(DescReaderTest, ADescriptionThatIsASeparatorShiftsTheFollowingSections) {
  d.at(SignalGroup::E, 5)->assign("--");
  d.at(SignalGroup::E, 6)->assign("sechs");
  d.at(SignalGroup::F, 1)->assign("fest eins");
  const std::string written = writeDesc(d);
  auto fresh = newProject();
  readDesc(written, fresh->SignalDesc);
  EXPECT_EQ(fresh->SignalDesc.text(SignalGroup::E, 4), text(SignalGroup::E, 4));
  EXPECT_EQ(fresh->SignalDesc.text(SignalGroup::F, 1), "sechs");
  EXPECT_EQ(fresh->SignalDesc.text(SignalGroup::I, 1), "fest eins");
}

TEST_F(DescReaderTest, WrittenTablesReadBackUnchanged) {
  d.at(SignalGroup::V, 9216)
      ->assign("\xE4u\xDF"
               "ere Ecke"); // cp1252 bytes pass through
  d.at(SignalGroup::S, 3)->assign("Nacht");
  const std::string written = writeDesc(d);
  auto fresh = std::make_unique<Project>();
  readDesc(written, fresh->SignalDesc);
  EXPECT_EQ(writeDesc(fresh->SignalDesc), written);
}

} // namespace
} // namespace veltra::core
