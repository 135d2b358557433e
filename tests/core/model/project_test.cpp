#include "core/model/connection_ops.h"
#include "core/model/module_ops.h"
#include "core/model/project.h"
#include "core/util/error.h"

#include <gtest/gtest.h>

#include <fstream>

namespace veltra::core {
namespace {

namespace fs = std::filesystem;
using G = SignalGroup;

class ProjectTest : public ::testing::Test {
protected:
  void SetUp() override { p->InitRKreise(VELTRA_PROGRAM_DIR); }
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
  p->InitRKreise(VELTRA_PROGRAM_DIR);
  EXPECT_EQ(std::tuple(p->Modified, p->CurrentLoop, p->LoopText[17], p->LoopSampleTime[17], p->loopIsEmpty(17),
                       p->XWires[17][5].isFree(), p->SignalDesc.text(SignalGroup::M, 1),
                       p->SignalName.text(SignalGroup::F, 7)),
            std::tuple(true, 1, " ", 10, true, true, "Merker 1", ""));
  EXPECT_EQ(std::tuple(p->switchPoint(3, 2).mask, p->FWert[4], p->TextList.size(), p->ProjectData.projectName.str()),
            std::tuple(5, 2.5, 1u, "Schule"));
}

class SignalFileTest : public ::testing::Test {
protected:
  void SetUp() override {
    fs::create_directories(dir);
    for (const char* f : {"ASignale.txt", "ESignale.txt", "ISignale.txt", "QSignale.txt", "VSignale.txt"})
      write(f, "x\r\n");
  }
  void TearDown() override { fs::remove_all(dir); }
  void write(const std::string& name, const std::string& content) {
    std::ofstream(dir / name, std::ios::binary) << content;
  }
  fs::path dir = fs::path(::testing::TempDir()) /
                 ("veltra_sig_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
  std::unique_ptr<Project> p = std::make_unique<Project>();
};

// Groups I, Q and V fill both tables, A and E only the descriptions; long
// lines are cut, extra lines ignored, a last line without line end counts.
TEST_F(SignalFileTest, ListsFillTheTables) {
  std::string e, q;
  for (int i = 1; i <= 300; ++i)
    e += "Signal " + std::to_string(i) + " mit sehr langem Namen\r\n";
  for (int i = 1; i <= 9; ++i)
    q += "Q" + std::to_string(i) + "\r\n";
  write("ESignale.txt", e);
  write("qsignale.TXT", q + "Q10"); // found whatever its letter case
  fs::remove(dir / "QSignale.txt");
  p->InitRKreise(dir);
  const SignalTables &d = p->SignalDesc, &n = p->SignalName;
  EXPECT_EQ(std::tuple(d.text(G::E, 1), d.text(G::E, 256).substr(0, 10), n.text(G::E, 1)),
            std::tuple("Signal 1 mit sehr lan", "Signal 256", ""));
  EXPECT_EQ(std::tuple(d.text(G::Q, 10), n.text(G::Q, 10), d.text(G::Q, 11)), std::tuple("Q10", "Q10", ""));
}

TEST_F(SignalFileTest, MissingFileStopsTheResetAtThatFile) {
  write("ASignale.txt", "neu A\r\n");
  fs::remove(dir / "QSignale.txt");
  p->SignalDesc.at(SignalGroup::V, 1)->assign("vorher V");
  EXPECT_THROW(p->InitRKreise(dir), Error);
  EXPECT_EQ(p->SignalDesc.text(SignalGroup::A, 1), "neu A");    // before the missing file
  EXPECT_EQ(p->SignalDesc.text(SignalGroup::V, 1), "vorher V"); // after it: untouched
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

TEST_F(ProjectTest, GetNextNrReturnsLowestFreeOrZero) {
  p->CurrentLoop = 4;
  for (int n = 1; n <= kWires; ++n)
    p->XWires[4][n].src = {1, 1};
  EXPECT_EQ(std::tuple(p->GetNextXNr(), p->GetNextYNr()), std::tuple(0, 1));
  p->XWires[4][100].clear();
  p->XWires[4][4].clear();
  EXPECT_EQ(p->GetNextXNr(), 4);
}

class ConnectionTest : public ProjectTest {
protected:
  void SetUp() override {
    ProjectTest::SetUp();
    p->CurrentLoop = 2;
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
  p->LoescheXE(1, 4, 1);
  EXPECT_EQ(std::tuple(p->Modified, p->cell(2, 4, 1).XE, p->XWires[2][1].dest[0].col, p->cell(2, 1, 1).XA),
            std::tuple(true, 0, -1, 1));
  p->LoescheXE(1, 4, 5);
  EXPECT_TRUE(p->XWires[2][1].isFree() && p->cell(2, 1, 1).XA == 0);
  ASSERT_TRUE(addDestination(*p, 2, true, 1, 1, 1, 4, 1));
  ASSERT_TRUE(addDestination(*p, 2, true, 1, 1, 1, 4, 5));
  p->LoescheXA(1);
  EXPECT_TRUE(p->XWires[2][1].isFree() && p->XWires[2][1].dest[1].col == -1);
  EXPECT_EQ(p->cell(2, 1, 1).XA + p->cell(2, 4, 1).XE + p->cell(2, 4, 5).XE, 0);
}

TEST_F(ConnectionTest, DamagedConnectionNumbersAndEndsAreIgnored) {
  p->XWires[2][7].src = {99, -4};
  p->XWires[2][7].dest[0] = {40, 3};
  p->LoescheXA(7);
  p->LoescheXE(0, 1, 1);
  p->LoescheXE(101, 20, 20);
  p->LoescheYA(-1);
  EXPECT_TRUE(p->XWires[2][7].isFree());
}

} // namespace
} // namespace veltra::core
