#include "compiler_test_support.h"
#include "core/compiler/cross_reference.h"

#include <gtest/gtest.h>

#include <random>

namespace veltra::core {
namespace {

using namespace test_support;
using Lines = std::vector<std::string>;

class CrossReferenceTest : public ::testing::Test {
protected:
  void signal(int loop, int col, int row, char letter, std::int32_t n) {
    place(*p, loop, col, row, letter).setI32(0, n);
  }
  std::unique_ptr<Project> p = newProject();
};

TEST_F(CrossReferenceTest, PlacesGoColumnByColumn) {
  signal(12, 7, 0, 'E', 5);
  signal(3, 1, 2, 'E', 5);
  signal(3, 3, 2, 'A', 5);  // another group
  signal(3, 5, 2, 'E', 6);  // another number
  signal(3, 0, 9, 'E', -5); // counted by its absolute value, before column 1
  EXPECT_EQ(GetQVW(*p, 'E', 5), "  R3: Z10 S1  R3: Z3 S2  R12: Z1 S8");
  EXPECT_EQ(GetQVW(*p, 'E', 7), "");
}

// The header line is cut to 69 characters, never inside a character.
TEST_F(CrossReferenceTest, ProjectWithoutSignalModulesHasOnlyTheHeader) {
  std::string name = std::string(58, 'a') + "\xe4";
  p->ProjectData.projectName.assign(name + "b");
  place(*p, 1, 1, 0, 'R');
  EXPECT_EQ(crossReferenceLines(*p), (Lines{"\tProjekt: " + std::string(58, 'a') + "ä", "Querverweisliste", " "}));
  name = "a" + name + "bcdefghij"; // the ä would be the 70th character
  p->ProjectData.projectName.assign(name);
  EXPECT_EQ(crossReferenceLines(*p)[0], "\tProjekt: " + std::string(59, 'a'));
}

TEST_F(CrossReferenceTest, GroupsComeInTheirOrder) {
  signal(1, 0, 0, 'F', 1);
  signal(1, 2, 0, 'V', 9216);
  signal(1, 4, 0, 'H', 256);
  signal(1, 6, 0, 'M', 2);
  signal(1, 8, 0, 'Q', 3);
  signal(1, 10, 0, 'I', 4);
  signal(1, 12, 0, 'A', 5);
  signal(2, 12, 0, 'A', 1);
  signal(2, 0, 0, 'E', 6);
  signal(2, 2, 0, 'S', 1);   // no group of the list
  signal(2, 4, 0, 'H', 257); // beyond the group
  signal(2, 6, 0, 'V', 9217);
  EXPECT_EQ(crossReferenceLines(*p),
            (Lines{"\tProjekt: ", "Querverweisliste", " ", "E6:   R2: Z1 S1", "A1:   R2: Z1 S13", "A5:   R1: Z1 S13",
                   "I4:   R1: Z1 S11", "Q3:   R1: Z1 S9", "M2:   R1: Z1 S7", "H256:   R1: Z1 S5", "V9216:   R1: Z1 S3",
                   "F1:   R1: Z1 S1"}));
}

// The index gives the plain scan's answer to any question, whatever the cells hold.
TEST_F(CrossReferenceTest, IndexAnswersLikeThePlainScan) {
  std::mt19937 rng(7);
  const std::int32_t numbers[] = {0, 1, 2, 3, -2, -3, 256, 9216, INT32_MIN, INT32_MAX};
  for (int loop = 1; loop <= kLoops; loop += 3)
    for (int col = 0; col < kCols; ++col)
      for (int row = 0; row < kRows; ++row) {
        if (rng() % 3 == 0) continue;
        TCell& c = p->cell(loop, col, row);
        c.letter = "AEFHIMQVSKR*"[rng() % 12];
        c.setI32(0, numbers[rng() % std::size(numbers)]);
      }
  const CrossReference index(*p);
  for (char letter : std::string("AEFHIMQVSKRZ*"))
    for (long long n : {0LL, 1LL, 2LL, 3LL, 256LL, 9216LL, 2147483647LL, 2147483648LL, -1LL})
      EXPECT_EQ(index.GetQVW(letter, n), GetQVW(*p, letter, n)) << letter << n;
  EXPECT_FALSE(GetQVW(*p, 'I', 2147483648LL).empty());
}

} // namespace
} // namespace veltra::core
