#include "core/persist/desc_reader.h"

#include "core/persist/desc_writer.h"
#include "persist_test_util.h"

namespace veltra::core::test {
namespace {

std::string lines(const std::string& prefix, int from, int to) {
  std::string s;
  for (int k = from; k <= to; ++k)
    s += prefix + std::to_string(k) + "\r\n";
  return s;
}

using G = SignalGroup;
struct Entry {
  G group;
  int n;
  const char* expected; // nullptr: as the fresh project has it
};

// Short sections leave the rest; entries beyond a group's capacity are skipped;
// reading ends after M; texts are cut to 21 bytes; any line end.
TEST(DescReader, ReadsEachSectionIntoItsGroup) {
  const std::string sep = "--\r\n", shortE = lines("e", 1, 100) + sep + "f1\r\n";
  const std::string longS = sep + sep + sep + lines("s", 1, 40) + sep + "a1\r\n";
  const std::string pastM = sep + sep + sep + sep + sep + sep + sep + sep + "m1\r\n--\r\nzuviel\r\n--\r\n--\n";
  const std::pair<std::string, std::vector<Entry>> cases[] = {
      {shortE, {{G::E, 100, "e100"}, {G::E, 101, nullptr}, {G::F, 1, "f1"}, {G::F, 2, nullptr}}},
      {"123456789012345678901234567890\r\n", {{G::E, 1, "123456789012345678901"}}},
      {longS, {{G::S, 32, "s32"}, {G::A, 1, "a1"}}},
      {pastM, {{G::M, 1, "m1"}, {G::M, 2, nullptr}}},
      {"eins\nzwei\r\ndrei", {{G::E, 2, "zwei"}, {G::E, 3, "drei"}}},
  };
  for (const auto& [text, entries] : cases) {
    auto p = newProject(), fresh = newProject();
    readDesc(text, p->SignalDesc);
    for (const Entry& e : entries)
      EXPECT_EQ(p->SignalDesc.text(e.group, e.n), e.expected ? e.expected : fresh->SignalDesc.text(e.group, e.n))
          << text.substr(0, 20) << " " << e.n;
  }
}

TEST(DescReader, ADescriptionThatIsASeparatorShiftsTheFollowingSections) {
  auto p = newProject(), fresh = newProject();
  SignalTables& d = p->SignalDesc;
  d.at(G::E, 5)->assign("--");
  d.at(G::E, 6)->assign("sechs");
  d.at(G::F, 1)->assign("fest eins");
  readDesc(writeDesc(d), fresh->SignalDesc);
  EXPECT_EQ(fresh->SignalDesc.text(G::E, 4), d.text(G::E, 4));
  EXPECT_EQ(fresh->SignalDesc.text(G::F, 1), "sechs");
  EXPECT_EQ(fresh->SignalDesc.text(G::I, 1), "fest eins");
}

} // namespace
} // namespace veltra::core::test
