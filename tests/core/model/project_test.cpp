#include "model/connection_ops.h"
#include "model/module_ops.h"
#include "model/project.h"
#include "util/error.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>

namespace veltra::core {
namespace {

namespace fs = std::filesystem;

class ProjectTest : public ::testing::Test {
protected:
  void SetUp() override { p->InitRKreise(VELTRA_PROGRAM_DIR); }
  std::unique_ptr<Project> p = std::make_unique<Project>();
};

TEST_F(ProjectTest, InitRKreiseGivesTheEmptyProject) {
  p->Cells[17][3][4].letter = 'R';
  p->XWires[17][5].src = {1, 1};
  p->LoopText[17] = "alt";
  p->LoopSampleTime[17] = 60;
  p->CurrentLoop = 9;
  p->Modified = false;
  p->InitRKreise(VELTRA_PROGRAM_DIR);
  EXPECT_TRUE(p->Modified);
  EXPECT_EQ(p->CurrentLoop, 1);
  for (int loop = 1; loop <= kLoops; ++loop) {
    EXPECT_EQ(p->LoopText[loop], " ");
    EXPECT_EQ(p->LoopSampleTime[loop], 10);
    EXPECT_TRUE(p->loopIsEmpty(loop));
    for (int n = 1; n <= kWires; ++n) {
      ASSERT_TRUE(p->XWires[loop][n].isFree());
      ASSERT_EQ(p->YWires[loop][n].dest[19].col, -1);
    }
  }
  EXPECT_EQ(p->SignalDesc.text(SignalGroup::F, 7), "Festwert 7");
  EXPECT_EQ(p->SignalDesc.text(SignalGroup::H, 256), "Hilfssignal 256");
  EXPECT_EQ(p->SignalDesc.text(SignalGroup::M, 1), "Merker 1");
  EXPECT_EQ(p->SignalName.text(SignalGroup::F, 7), "");
}

TEST_F(ProjectTest, InitRKreiseKeepsProgramsConstantsTextsAndDataSheet) {
  p->switchPoint(3, 2).mask = 5;
  p->FWert[4] = 2.5;
  p->TextList.push_back("a||=10101");
  p->ProjectData.projectName.assign("Schule");
  p->InitRKreise(VELTRA_PROGRAM_DIR);
  EXPECT_EQ(p->switchPoint(3, 2).mask, 5);
  EXPECT_EQ(p->FWert[4], 2.5);
  EXPECT_EQ(p->TextList.size(), 1u);
  EXPECT_EQ(p->ProjectData.projectName.str(), "Schule");
}

TEST_F(ProjectTest, SignalFilesFillDescriptionAndNameTables) {
  // Groups I, Q and V fill both tables, A and E only the descriptions.
  EXPECT_FALSE(p->SignalDesc.text(SignalGroup::I, 1).empty());
  EXPECT_EQ(p->SignalDesc.text(SignalGroup::I, 1), p->SignalName.text(SignalGroup::I, 1));
  EXPECT_FALSE(p->SignalDesc.text(SignalGroup::E, 1).empty());
  EXPECT_EQ(p->SignalName.text(SignalGroup::E, 1), "");
  EXPECT_EQ(p->SignalDesc.text(SignalGroup::S, 1), "");
}

class SignalFileTest : public ::testing::Test {
protected:
  void SetUp() override {
    dir =
        fs::temp_directory_path() / ("veltra_sig_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                                     ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir);
    for (const char* f : {"ASignale.txt", "ESignale.txt", "ISignale.txt", "QSignale.txt", "VSignale.txt"})
      write(f, "x\r\n");
  }
  void TearDown() override { fs::remove_all(dir); }
  void write(const std::string& name, const std::string& content) {
    std::ofstream(dir / name, std::ios::binary) << content;
  }
  fs::path dir;
  std::unique_ptr<Project> p = std::make_unique<Project>();
};

TEST_F(SignalFileTest, LongLinesAreCutAndExtraLinesIgnored) {
  std::string content;
  for (int i = 1; i <= 300; ++i)
    content += "Signal " + std::to_string(i) + " mit sehr langem Namen\r\n";
  write("ESignale.txt", content);
  p->InitRKreise(dir);
  EXPECT_EQ(p->SignalDesc.text(SignalGroup::E, 1), "Signal 1 mit sehr lan");
  EXPECT_EQ(p->SignalDesc.text(SignalGroup::E, 256).substr(0, 10), "Signal 256");
}

TEST_F(SignalFileTest, ShortFileLeavesTheRestEmptyAndLastLineWithoutEndCounts) {
  std::string content;
  for (int i = 1; i <= 9; ++i)
    content += "Q" + std::to_string(i) + "\r\n";
  content += "Q10";
  write("QSignale.txt", content);
  p->InitRKreise(dir);
  EXPECT_EQ(p->SignalDesc.text(SignalGroup::Q, 10), "Q10");
  EXPECT_EQ(p->SignalName.text(SignalGroup::Q, 10), "Q10");
  EXPECT_EQ(p->SignalDesc.text(SignalGroup::Q, 11), "");
}

TEST_F(SignalFileTest, MissingFileStopsTheResetAtThatFile) {
  write("ASignale.txt", "neu A\r\n");
  fs::remove(dir / "QSignale.txt");
  p->SignalDesc.at(SignalGroup::V, 1)->assign("vorher V");
  EXPECT_THROW(p->InitRKreise(dir), Error);
  EXPECT_EQ(p->SignalDesc.text(SignalGroup::A, 1), "neu A");    // before the missing file
  EXPECT_EQ(p->SignalDesc.text(SignalGroup::V, 1), "vorher V"); // after it: untouched
}

TEST_F(SignalFileTest, FindsListsWhateverTheirLetterCase) {
  fs::remove(dir / "ESignale.txt");
  write("esignale.TXT", "klein\r\n");
  p->InitRKreise(dir);
  EXPECT_EQ(p->SignalDesc.text(SignalGroup::E, 1), "klein");
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
  EXPECT_EQ(second.f64(8), 2.0);
}

TEST_F(ProjectTest, BildeFRArrayRepairsAConstantNumberOutOfRange) {
  p->FWert[1] = 4.5;
  for (int n : {0, 257, -3}) {
    TCell& c = p->cell(1, 1, 1);
    c.letter = 'F';
    c.setI32(0, n);
    c.setF64(8, 9.0);
    p->BildeFRArray();
    EXPECT_EQ(c.i32(0), 1) << n;
    EXPECT_EQ(c.f64(8), 4.5) << n;
  }
  p->SetzeFWert(0); // out of range: nothing to do, no crash
  p->SetzeFWert(257);
}

TEST_F(ProjectTest, GetNextNrReturnsLowestFreeOrZero) {
  p->CurrentLoop = 4;
  for (int n = 1; n <= 3; ++n)
    p->XWires[4][n].src = {1, 1};
  EXPECT_EQ(p->GetNextXNr(), 4);
  EXPECT_EQ(p->GetNextYNr(), 1);
  for (int n = 1; n <= kWires; ++n)
    p->XWires[4][n].src = {1, 1};
  EXPECT_EQ(p->GetNextXNr(), 0);
  p->XWires[4][100].clear();
  EXPECT_EQ(p->GetNextXNr(), 100);
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

TEST_F(ConnectionTest, AddDestinationSetsTheCellFieldsAndTheNextFreeSlot) {
  const TWire& w = p->XWires[2][1];
  EXPECT_EQ(w.src.col, 1);
  EXPECT_EQ(w.src.row, 1);
  EXPECT_EQ(w.dest[0].col, 4);
  EXPECT_EQ(w.dest[1].row, 5);
  EXPECT_EQ(p->cell(2, 1, 1).XA, 1);
  EXPECT_EQ(p->cell(2, 4, 1).XE, 1);
  EXPECT_EQ(p->cell(2, 4, 5).XE, 1);
}

TEST_F(ConnectionTest, TwentyDestinationsAtMost) {
  for (int k = 2; k < kDests; ++k)
    ASSERT_TRUE(addDestination(*p, 2, true, 1, 1, 1, 8, k % 15));
  EXPECT_FALSE(addDestination(*p, 2, true, 1, 1, 1, 8, 0));
}

TEST_F(ConnectionTest, DetachingOneOfTwoDestinationsKeepsTheConnection) {
  p->LoescheXE(1, 4, 1);
  EXPECT_TRUE(p->Modified);
  EXPECT_EQ(p->cell(2, 4, 1).XE, 0);
  EXPECT_FALSE(p->XWires[2][1].isFree());
  EXPECT_EQ(p->XWires[2][1].dest[0].col, -1);
  EXPECT_EQ(p->cell(2, 1, 1).XA, 1);
}

TEST_F(ConnectionTest, DetachingTheLastDestinationFreesTheConnection) {
  p->LoescheXE(1, 4, 1);
  p->LoescheXE(1, 4, 5);
  EXPECT_TRUE(p->XWires[2][1].isFree());
  EXPECT_EQ(p->cell(2, 1, 1).XA, 0);
  EXPECT_EQ(p->cell(2, 4, 5).XE, 0);
}

TEST_F(ConnectionTest, RemovingTheOutputClearsEveryDestination) {
  p->LoescheXA(1);
  EXPECT_TRUE(p->XWires[2][1].isFree());
  EXPECT_EQ(p->XWires[2][1].dest[1].col, -1);
  EXPECT_EQ(p->cell(2, 1, 1).XA, 0);
  EXPECT_EQ(p->cell(2, 4, 1).XE, 0);
  EXPECT_EQ(p->cell(2, 4, 5).XE, 0);
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

TEST_F(ProjectTest, ClearLoopEmptiesOnlyThatLoop) {
  ASSERT_TRUE(placeModule(*p, 3, 2, 2, 'R'));
  ASSERT_TRUE(placeModule(*p, 4, 2, 2, 'R'));
  p->LoopText[3] = "Kessel";
  p->LoopSampleTime[3] = 30;
  p->YWires[3][4].src = {2, 2};
  p->clearLoop(3);
  EXPECT_TRUE(p->loopIsEmpty(3));
  EXPECT_EQ(p->LoopText[3], " ");
  EXPECT_EQ(p->LoopSampleTime[3], 10);
  EXPECT_TRUE(p->YWires[3][4].isFree());
  EXPECT_FALSE(p->loopIsEmpty(4));
}

} // namespace
} // namespace veltra::core
