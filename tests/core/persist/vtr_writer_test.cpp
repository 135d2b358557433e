#include "persist/vtr_writer.h"

#include "persist_test_util.h"

#include <gtest/gtest.h>

namespace veltra::core {
namespace {

using namespace test;

class VtrWriterTest : public ::testing::Test {
protected:
  std::unique_ptr<Project> p = newProject();

  // Puts a cell as CellSpec describes it into the model.
  void put(int loop, int col, int row, const CellSpec& s) {
    Bytes rec = cellRecord(s);
    std::memcpy(&p->cell(loop, col, row), rec.data(), sizeof(TCell));
  }
  Bytes written() const { return toBytes(writeVtr(*p)); }
};

TEST_F(VtrWriterTest, EmptyProjectIsVersionAndEndMarker) {
  EXPECT_EQ(written(), (Bytes{0x01, 0x00, 0x00, 0x00, 0x01, 0x80, 0xFF, 0xFF}));
}

TEST_F(VtrWriterTest, OnlyModuleInLoop7GivesOneRecord) {
  CellSpec e{.letter = 'E', .text = "Aussentemp.", .number = 5, .xa = 3};
  put(7, 3, 4, e);
  p->XWires[7][3].src = {3, 4};
  p->XWires[7][3].dest[0] = {5, 6};
  p->LoopText[7] = "Heizkreis";
  p->LoopSampleTime[7] = 60;

  ByteImage want;
  want.i32(1).i32(7);
  want.append(loopBody({{3, 4, e}}, "Heizkreis", 60, {{3, 3, 4, {{5, 6}}}}));
  want.u8(0x01).u8(0x80).u8(0xFF).u8(0xFF);
  EXPECT_EQ(written(), want.bytes());
}

TEST_F(VtrWriterTest, CellEntriesRunColumnsOuterRowsInner) {
  put(1, 2, 9, {.letter = 'A'});
  put(1, 2, 1, {.letter = 'B'});
  put(1, 0, 14, {.letter = 'C'});
  Bytes b = written();
  const std::size_t first = 12; // version, loop number, sample time
  ASSERT_GE(b.size(), first + 3 * 174 + 1);
  EXPECT_EQ((std::vector<int>{b[first], b[first + 1], b[first + 2]}), (std::vector<int>{0, 14, 'C'}));
  EXPECT_EQ((std::vector<int>{b[first + 174], b[first + 175], b[first + 176]}), (std::vector<int>{2, 1, 'B'}));
  EXPECT_EQ((std::vector<int>{b[first + 348], b[first + 349], b[first + 350]}), (std::vector<int>{2, 9, 'A'}));
  EXPECT_EQ(b[first + 3 * 174], 0xFF);
}

TEST_F(VtrWriterTest, LoopsWithoutModulesAreLeftOutWhateverTheirDescription) {
  p->LoopText[2] = "nur Text";
  p->LoopSampleTime[2] = 90;
  put(9, 0, 0, {.letter = 'M'});
  put(4, 0, 0, {.letter = 'M'});
  Bytes b = written();
  const std::size_t record = 4 + 4 + 174 + 1 + 4 + 1 + 2 * 16800;
  ASSERT_EQ(b.size(), 4 + 2 * record + 4);
  EXPECT_EQ(b[4], 4);
  EXPECT_EQ(b[4 + record], 9);
}

} // namespace
} // namespace veltra::core
