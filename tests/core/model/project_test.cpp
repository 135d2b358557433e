#include "core/model/connection_ops.h"
#include "core/model/module_ops.h"
#include "core/model/project.h"
#include "core/persist/signal_lists.h"

#include <gtest/gtest.h>

namespace veltra::core {
namespace {

class ProjectTest : public ::testing::Test {
protected:
  void SetUp() override { p->InitRKreise(readSignalDefaults(VELTRA_PROGRAM_DIR)); }
  std::unique_ptr<Project> p = std::make_unique<Project>();
};

// Loops, connections and descriptions are reset; switch programs,
// constants, the text list and the data sheet stay.
TEST_F(ProjectTest, InitRKreiseEmptiesTheLoopsOnly) {
  ASSERT_TRUE(placeModule(*p, 17, 3, 4, 'R'));
  p->XWires[17][5].src = {1, 1};
  p->LoopText[17] = "alt";
  p->LoopSampleTime[17] = 60;
  p->CurrentLoop = 9;
  p->Modified = false;
  p->SignalDesc.at(SignalGroup::M, 1)->assign("alt");
  p->switchPoint(3, 2).mask = 5;
  p->FWert[4] = 2.5;
  p->TextList.push_back("a||=10101");
  p->ProjectData.projectName.assign("Schule");
  p->InitRKreise(readSignalDefaults(VELTRA_PROGRAM_DIR));
  EXPECT_EQ(std::tuple(p->Modified, p->CurrentLoop, p->LoopText[17], p->LoopSampleTime[17], p->loopIsEmpty(17),
                       p->XWires[17][5].isFree(), p->SignalDesc.text(SignalGroup::M, 1),
                       p->SignalName.text(SignalGroup::F, 7)),
            std::tuple(true, 1, " ", 10, true, true, "Merker 1", ""));
  EXPECT_EQ(std::tuple(p->switchPoint(3, 2).mask, p->FWert[4], p->TextList.size(), p->ProjectData.projectName.str()),
            std::tuple(5, 2.5, 1u, "Schule"));
}

TEST_F(ProjectTest, BildeFRArrayLastVisitedWinsThenSetzeFWertAlignsAll) {
  // Loop order first, then column, then row.
  TCell& first = p->cell(2, 5, 0);
  TCell& second = p->cell(3, 1, 0);
  for (TCell* c : {&first, &second}) {
    c->letter = 'F';
    c->height = 1;
    c->part = 1;
    c->setI32(0, 5);
  }
  first.setF64(8, 1.0);
  second.setF64(8, 2.0);
  p->BildeFRArray();
  EXPECT_EQ(p->FWert[5], 2.0);
  p->SetzeFWert(5);
  EXPECT_EQ(first.f64(8), 2.0);
  p->SetzeFWert(0); // out of range: nothing to do, no crash
  p->SetzeFWert(257);
}

// Of the loop asked for, not of the one the editor shows.
TEST_F(ProjectTest, GetNextNrReturnsLowestFreeOrZero) {
  for (int n = 1; n <= kWires; ++n)
    p->XWires[4][n].src = p->YWires[4][n].src = {1, 1};
  EXPECT_EQ(std::tuple(p->GetNextXNr(4), p->GetNextYNr(4), p->GetNextXNr(1)), std::tuple(0, 0, 1));
  p->XWires[4][100].clear();
  p->YWires[4][100].clear();
  EXPECT_EQ(std::tuple(p->GetNextXNr(4), p->GetNextYNr(4)), std::tuple(100, 100)); // only 100 free
  p->XWires[4][4].clear();
  EXPECT_EQ(p->GetNextXNr(4), 4);
  EXPECT_EQ(std::tuple(p->GetNextXNr(0), p->GetNextYNr(kLoops + 1)), std::tuple(0, 0));
}

class ConnectionTest : public ProjectTest {
protected:
  void SetUp() override {
    ProjectTest::SetUp(); // the editor shows loop 1; these work on loop 2
    ASSERT_TRUE(placeModule(*p, 2, 1, 1, 'E'));
    ASSERT_TRUE(placeModule(*p, 2, 4, 1, 'A'));
    ASSERT_TRUE(placeModule(*p, 2, 4, 4, 'B'));
    ASSERT_TRUE(addDestination(*p, 2, true, 1, 1, 1, 4, 1));
    ASSERT_TRUE(addDestination(*p, 2, true, 1, 1, 1, 4, 5));
    p->Modified = false;
  }
};

TEST_F(ConnectionTest, AddDestinationFillsTheNextSlotUpToTwenty) {
  const TWire& w = p->XWires[2][1];
  EXPECT_EQ(std::make_tuple(w.src.col, w.src.row, w.dest[0].col, w.dest[1].row), std::make_tuple(1, 1, 4, 5));
  EXPECT_EQ(std::tuple(p->cell(2, 1, 1).XA, p->cell(2, 4, 5).XE), std::tuple(1, 1));
  for (int k = 2; k < kDests; ++k)
    ASSERT_TRUE(addDestination(*p, 2, true, 1, 1, 1, 8, k % 15));
  EXPECT_FALSE(addDestination(*p, 2, true, 1, 1, 1, 8, 0));
}

// Detaching one of two destinations keeps the connection; the last one, or
// removing the output, frees it.
TEST_F(ConnectionTest, DetachingDestinationsAndOutputs) {
  p->LoescheXE(2, 1, 4, 1);
  EXPECT_EQ(std::tuple(p->Modified, p->cell(2, 4, 1).XE, p->XWires[2][1].dest[0].col, p->cell(2, 1, 1).XA),
            std::tuple(true, 0, -1, 1));
  p->LoescheXE(2, 1, 4, 5);
  EXPECT_TRUE(p->XWires[2][1].isFree() && p->cell(2, 1, 1).XA == 0);
  ASSERT_TRUE(addDestination(*p, 2, true, 1, 1, 1, 4, 1));
  ASSERT_TRUE(addDestination(*p, 2, true, 1, 1, 1, 4, 5));
  p->LoescheXA(2, 1);
  EXPECT_TRUE(p->XWires[2][1].isFree() && p->XWires[2][1].dest[1].col == -1);
  EXPECT_EQ(p->cell(2, 1, 1).XA + p->cell(2, 4, 1).XE + p->cell(2, 4, 5).XE, 0);
}

TEST_F(ConnectionTest, DamagedConnectionNumbersAndEndsAreIgnored) {
  p->XWires[2][7].src = {99, -4};
  p->XWires[2][7].dest[0] = {40, 3};
  p->LoescheXA(2, 7);
  p->LoescheXE(2, 0, 1, 1);
  p->LoescheXE(2, 101, 20, 20);
  p->LoescheYA(2, -1);
  p->LoescheYE(0, 1, 1, 1);
  p->LoescheXA(kLoops + 1, 1);
  EXPECT_TRUE(p->XWires[2][7].isFree());
}

} // namespace
} // namespace veltra::core
