#include "persist/desc_reader.h"

#include "persist/desc_writer.h"
#include "persist_test_util.h"

#include <gtest/gtest.h>

namespace veltra::core {
namespace {

using namespace test;

std::string lines(const std::string& prefix, int from, int to) {
  std::string s;
  for (int k = from; k <= to; ++k)
    s += prefix + std::to_string(k) + "\r\n";
  return s;
}

const std::string kSep = "--\r\n";

struct DescCase {
  std::string text;
  SignalGroup group;
  int n;
  const char* expected; // nullptr: as the fresh project has it
};

class DescReaderReads : public ::testing::TestWithParam<DescCase> {};

TEST_P(DescReaderReads, TheEntry) {
  auto p = newProject();
  const std::string before = p->SignalDesc.text(GetParam().group, GetParam().n);
  readDesc(GetParam().text, p->SignalDesc);
  EXPECT_EQ(p->SignalDesc.text(GetParam().group, GetParam().n), GetParam().expected ? GetParam().expected : before);
}

using G = SignalGroup;
const std::string kShortE = lines("e", 1, 100) + kSep + "f1\r\n";
const std::string kLongS = kSep + kSep + kSep + lines("s", 1, 40) + kSep + "a1\r\n";
const std::string kPastM = kSep + kSep + kSep + kSep + kSep + kSep + kSep + kSep + "m1\r\n--\r\nzuviel\r\n--\r\n--\n";

INSTANTIATE_TEST_SUITE_P(
    Texts, DescReaderReads,
    ::testing::Values(DescCase{kShortE, G::E, 100, "e100"}, DescCase{kShortE, G::E, 101, nullptr}, // rest stays
                      DescCase{kShortE, G::F, 1, "f1"}, DescCase{kShortE, G::F, 2, nullptr},
                      DescCase{"123456789012345678901234567890\r\n", G::E, 1, "123456789012345678901"},
                      DescCase{kLongS, G::S, 32, "s32"}, DescCase{kLongS, G::A, 1, "a1"},  // beyond capacity skipped
                      DescCase{kPastM, G::M, 1, "m1"}, DescCase{kPastM, G::M, 2, nullptr}, // ends after M
                      DescCase{"eins\nzwei\r\ndrei", G::E, 2, "zwei"},
                      DescCase{"eins\nzwei\r\ndrei", G::E, 3, "drei"}));

TEST(DescReader, ADescriptionThatIsASeparatorShiftsTheFollowingSections) {
  auto p = newProject();
  SignalTables& d = p->SignalDesc;
  d.at(SignalGroup::E, 5)->assign("--");
  d.at(SignalGroup::E, 6)->assign("sechs");
  d.at(SignalGroup::F, 1)->assign("fest eins");
  auto fresh = newProject();
  readDesc(writeDesc(d), fresh->SignalDesc);
  EXPECT_EQ(fresh->SignalDesc.text(SignalGroup::E, 4), d.text(SignalGroup::E, 4));
  EXPECT_EQ(fresh->SignalDesc.text(SignalGroup::F, 1), "sechs");
  EXPECT_EQ(fresh->SignalDesc.text(SignalGroup::I, 1), "fest eins");
}

} // namespace
} // namespace veltra::core
