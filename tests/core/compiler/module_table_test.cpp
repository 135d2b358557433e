#include "compiler/module_table.h"
#include "compiler/module_table_dump.h"
#include "compiler_test_support.h"
#include "modules/catalogue.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

namespace veltra::core {
namespace {

using namespace test_support;
using Bytes = std::vector<std::uint8_t>;

class ModuleTableTest : public ::testing::Test {
protected:
  std::unique_ptr<Project> p = newProject();
  ModuleTable table;

  CompileResult compile(int dataMemorySize = kDefaultDataMemorySize) {
    return table.ErzeugeModulTabelle(*p, dataMemorySize);
  }
  std::span<const std::uint8_t> buf() const { return table.buffer(); }
  std::int32_t at(std::size_t off) const { return i32At(buf(), off); }
  std::string dump() const { return dumpModuleTable(table.tableBytes()); }
  Bytes slice(std::size_t off, std::size_t n) const { return Bytes(buf().begin() + off, buf().begin() + off + n); }
};

TEST_F(ModuleTableTest, EmptyProjectHasOnlyTheTimeSwitchBlock) {
  CompileResult r = compile();
  EXPECT_FALSE(r.anythingWritten || r.success || table.canBeWritten());
  EXPECT_EQ(r.tableLength, 5120);
  EXPECT_EQ(r.checksum, (TableChecksum{0, 0, 0, 0}));
  EXPECT_EQ(r.messages, std::vector<std::string>{"Kein Regelkreis enthält Module; die Modultabelle ist leer."});
}

// Loop 3, constant 7 at column 2 row 5 driving analog connection 4: every
// byte of the loop block and the checksum are worked out by hand.
TEST_F(ModuleTableTest, SingleConstantGivesTheExpectedBytesAndChecksum) {
  TCell& f = place(*p, 3, 2, 5, 'F');
  f.setI32(0, 7);
  f.setF64(8, 1.5); // 00 00 00 00 00 00 f8 3f
  f.XA = 4;         // where the connection goes does not matter to the table
  CompileResult r = compile();
  ASSERT_TRUE(r.success) << dump();
  EXPECT_EQ(f.i32(16), 204);                                       // the field is filled in the model too
  const Bytes expected = {3,    0, 0, 0, 10, 0, 0, 0, 48, 0, 0, 0, // loop header
                          'F',  0, 0, 0, 37, 0, 0, 0, 36, 0, 0, 0, // entry header
                          7,    0, 0, 0, 0,  0, 0, 0, 0,  0, 0, 0, 0, 0, 0xf8, 0x3f, // number, value
                          0xcc, 0, 0, 0, 0,  0, 0, 0, // connection 204, rest of the block
                          0};                         // end marker
  EXPECT_EQ(slice(5120, expected.size()), expected) << dump();
  EXPECT_EQ(r.tableLength, 5168);
  EXPECT_EQ(r.checksum, (TableChecksum{3 + 10 + 48 + 'F' + 37 + 36 + 7 + 204, 0, 0xf8, 0x3f}));
  EXPECT_TRUE(r.messages.empty());
}

TEST_F(ModuleTableTest, WorkMemoryIsHandedOutInScanOrder) {
  TCell& r = place(*p, 1, 1, 0, 'R');
  TCell& d1 = place(*p, 1, 3, 0, 'D');
  TCell& d2 = place(*p, 1, 3, 5, 'D');
  r.setI32(48, 999); // stale values of an earlier run are replaced
  CompileResult res = compile();
  EXPECT_EQ(r.i32(48), 0);
  EXPECT_EQ(d1.i32(20), 32);
  EXPECT_EQ(d2.i32(20), 448);
  EXPECT_EQ(res.workMemoryUsed, 32 + 416 + 416);
  // R entry (68 bytes) first, then the two D entries (36 bytes).
  EXPECT_EQ(at(5132 + 68 + 12 + 20), 32) << dump();
  EXPECT_EQ(at(5132 + 68 + 36 + 12 + 20), 448) << dump();
}

TEST_F(ModuleTableTest, CellsAreVisitedColumnByColumnAndLoopByLoop) {
  place(*p, 2, 1, 0, 'G');
  place(*p, 1, 5, 0, 'G');
  place(*p, 1, 3, 14, 'G');
  place(*p, 1, 3, 2, 'G');
  compile();
  // loop 1: (3,2), (3,14), (5,0); then loop 2: (1,0)
  EXPECT_EQ(at(5120), 1);
  EXPECT_EQ(at(5132 + 4), 3 * 16 + 2) << dump();
  EXPECT_EQ(at(5132 + 36 + 4), 3 * 16 + 14) << dump();
  EXPECT_EQ(at(5132 + 72 + 4), 5 * 16 + 0) << dump();
  EXPECT_EQ(at(5132 + 108), 2) << dump();
  EXPECT_EQ(at(5132 + 108 + 12 + 4), 1 * 16 + 0) << dump();
}

TEST_F(ModuleTableTest, UnconnectedGateIsLeftOutButConnectedOneIsNot) {
  place(*p, 2, 1, 0, 'U');
  EXPECT_EQ(compile().tableLength, 5120 + 12) << dump();
  place(*p, 2, 3, 0, 'Q');
  connect(*p, 2, false, 1, 1, 0, 3, 0);
  compile();
  EXPECT_EQ(u16At(buf(), 5120 + 8), 12 + 32 + 28) << dump();
  EXPECT_EQ(buf()[5132], 'U');
  EXPECT_EQ(at(5132 + 12 + 16), 101);     // U out: digital 1 of loop 2
  EXPECT_EQ(at(5132 + 32 + 12 + 8), 101); // Q in
}

TEST_F(ModuleTableTest, LoopWithOnlyAPassedOverInputStillGetsItsHeader) {
  p->LoopSampleTime[7] = 30;
  place(*p, 7, 0, 0, 'I');
  CompileResult r = compile();
  EXPECT_TRUE(r.anythingWritten && r.success);
  EXPECT_EQ(r.tableLength, 5132);
  EXPECT_EQ(slice(5120, 13), (Bytes{7, 0, 0, 0, 30, 0, 0, 0, 12, 0, 0, 0, 0}));
}

// The switch points fill 5120 bytes without padding and stay out of the checksum.
TEST_F(ModuleTableTest, TimeSwitchBlockCarriesTheValuesButNoPaddingNorChecksum) {
  place(*p, 1, 1, 0, 'K');
  const TableChecksum without = compile().checksum;
  p->switchPoint(1, 1) = {1, {0xaa, 0xbb, 0xcc}, 1 + 4 + 32, 6, 5};
  p->switchPoint(32, 10) = {0, {0xff, 0xff, 0xff}, 127, 23, 59};
  EXPECT_EQ(compile().checksum, without);
  EXPECT_EQ(slice(0, 16), (Bytes{1, 0, 0, 0, 37, 0, 0, 0, 6, 0, 0, 0, 5, 0, 0, 0}));
  EXPECT_EQ(slice(5104, 16), (Bytes{0, 0, 0, 0, 127, 0, 0, 0, 23, 0, 0, 0, 59, 0, 0, 0}));
  EXPECT_EQ(slice(16, 16), Bytes(16, 0));
}

// A busy project, checked against a straightforward word-by-word sum of the
// file bytes and the end marker; compiling again gives the same bytes.
TEST_F(ModuleTableTest, ChecksumMatchesAnIndependentSum) {
  for (int loop : {1, 2, 50, 200}) {
    p->LoopSampleTime[loop] = 10 * loop;
    place(*p, loop, 0, 0, 'E').setI32(0, loop);
    place(*p, loop, 2, 0, 'R').setF64(0, 0.1 * loop);
    place(*p, loop, 4, 0, 'W');
    place(*p, loop, 6, 3, 'K');
    place(*p, loop, 8, 0, 'A').setI32(0, loop);
    connect(*p, loop, true, 1, 0, 0, 2, 1);
    connect(*p, loop, true, 2, 2, 0, 8, 0);
  }
  CompileResult r = compile();
  ASSERT_TRUE(r.success);
  TableChecksum sum{};
  for (std::size_t word = 0; word < 4; ++word)
    for (std::size_t off = 5120 + word; off <= static_cast<std::size_t>(r.tableLength); off += 4)
      sum[word] += buf()[off];
  EXPECT_EQ(r.checksum, sum);
  EXPECT_EQ(table.BuildChecksum(*p), sum);
  EXPECT_EQ(buf()[static_cast<std::size_t>(r.tableLength)], 0);
  const Bytes first(buf().begin(), buf().end());
  compile();
  EXPECT_EQ(Bytes(buf().begin(), buf().end()), first);
}

TEST_F(ModuleTableTest, UnconnectedPortGetsZeroEvenWhenAnEarlierRunFilledIt) {
  TCell& e = place(*p, 2, 0, 0, 'E');
  TCell& a = place(*p, 2, 2, 0, 'A');
  connect(*p, 2, true, 1, 0, 0, 2, 0);
  compile();
  ASSERT_EQ(e.i32(24), 101);
  ASSERT_EQ(a.i32(24), 101);
  p->CurrentLoop = 2;
  p->LoescheXA(1);
  compile();
  EXPECT_EQ(e.i32(24), 0);
  EXPECT_EQ(a.i32(24), 0);
  EXPECT_EQ(at(5132 + 12 + 24), 0) << dump();
  EXPECT_EQ(at(5132 + 44 + 12 + 24), 0) << dump();
}

TEST_F(ModuleTableTest, WorkMemoryBeyondTheDataMemoryIsReportedButTheTableStands) {
  place(*p, 1, 1, 0, 'D');
  CompileResult fits = compile(416);
  EXPECT_TRUE(fits.success && !fits.workMemoryExceeded);
  CompileResult r = compile(415);
  EXPECT_FALSE(r.success);
  EXPECT_TRUE(r.workMemoryExceeded && table.canBeWritten());
  EXPECT_EQ(r.tableLength, 5120 + 12 + 36);
  EXPECT_EQ(r.messages, std::vector<std::string>{"Der Arbeitsspeicher der Steuerung reicht nicht: die Module "
                                                 "brauchen 416 Bytes, der Datenspeicher hat 415 Bytes."});
}

// Cells as a damaged file may hold them: nothing may be read or written
// outside the grid or the table.
TEST_F(ModuleTableTest, DamagedCellsStayInsideTheirTables) {
  // An R whose top cell is on the last row: rows 2 and 3 lie below the grid.
  TCell& r = p->cell(1, 1, 14);
  r.letter = 'R';
  r.height = 200;
  r.part = 1;
  r.XE = 5;
  r.setI32(36, 555);
  // Parts that are not 1 and letters that are no module are passed over.
  p->cell(1, 3, 0).letter = 'K';
  p->cell(1, 3, 0).part = 7;
  p->cell(1, 5, 0).letter = 0xff;
  p->cell(1, 7, 0).letter = 'k';
  CompileResult res = compile();
  ASSERT_TRUE(res.success) << dump();
  EXPECT_EQ(res.tableLength, 5120 + 12 + 68) << dump();
  EXPECT_EQ(r.i32(32), 5);
  EXPECT_EQ(r.i32(36), 0);
  EXPECT_EQ(r.i32(40), 0);
}

TEST_F(ModuleTableTest, ConnectionNumbersOutsideTheLoopRangeBecomeZero) {
  TCell& b = place(*p, 3, 1, 0, 'B');
  b.XE = 150; // would name connection 50 of loop 4
  p->cell(3, 1, 1).XE = -3;
  b.XA = INT32_MAX;
  CompileResult r = compile();
  EXPECT_TRUE(r.success);
  EXPECT_EQ(b.i32(16) | b.i32(20) | b.i32(24), 0);
  EXPECT_EQ(r.messages, std::vector<std::string>{"3 Anschluss/Anschlüsse mit ungültiger Verbindungsnummer wurden als "
                                                 "unbelegt übernommen (zuerst Regelkreis 3, Zeile 1, Spalte 2: 150)."});
}

// Two entries of every type: header, params block and work memory as the
// catalogue gives them (whose sizes are checked by hand there).
TEST_F(ModuleTableTest, EntriesOfEveryTypeFollowTheCatalogue) {
  for (const ModuleType& t : allModuleTypes()) {
    SCOPED_TRACE(t.letter);
    p->clearLoop(1);
    TCell& first = place(*p, 1, 1, 0, t.letter);
    TCell& second = place(*p, 1, 1, 5, t.letter);
    first.YA = 1; // inputs and gates need a driven output to be compiled
    second.YA = 2;
    CompileResult r = compile();
    ASSERT_TRUE(r.success);
    const int length = t.entryLength();
    EXPECT_EQ(r.tableLength, 5120 + 12 + 2 * length) << dump();
    EXPECT_EQ(u16At(buf(), 5128), 12 + 2 * length);
    EXPECT_EQ(slice(5132, 4), (Bytes{static_cast<std::uint8_t>(t.letter), 0, 0, 0}));
    EXPECT_EQ(at(5132 + 8), length);
    EXPECT_EQ(at(5132 + length + 4), 1 * 16 + 5);
    EXPECT_EQ(slice(5132 + 12, static_cast<std::size_t>(length - 12)), Bytes(first.params, first.params + length - 12));
    EXPECT_EQ(r.workMemoryUsed, 2 * t.workSize);
    if (t.workOffset >= 0) {
      EXPECT_EQ(second.i32(t.workOffset), t.workSize);
    }
  }
}

// Where each port's row field goes in the params block, written down by hand
// from the controller's entry layouts: kind, row and offset per port.
struct TypePorts {
  char letter;
  const char* ports;
};
class PortFieldTest : public ModuleTableTest, public ::testing::WithParamInterface<TypePorts> {};

// The row field of each port lands, as a global number, in its field.
TEST_P(PortFieldTest, RowFieldLandsInItsConnectionField) {
  const TypePorts& t = GetParam();
  TCell& top = place(*p, 4, 1, 0, t.letter);
  std::vector<std::pair<int, std::int32_t>> expected; // offset, global number
  std::istringstream in(t.ports);
  std::string kind;
  for (int row = 0, offset = 0; in >> kind >> row >> offset;) {
    TCell& c = p->cell(4, 1, row - 1);
    const auto n = static_cast<std::int32_t>(10 + expected.size());
    (kind == "XE" ? c.XE : kind == "XA" ? c.XA : kind == "YE" ? c.YE : c.YA) = n;
    expected.emplace_back(offset, 300 + n);
  }
  ASSERT_EQ(moduleType(t.letter)->ports.size(), expected.size());
  compile();
  for (auto [offset, n] : expected) {
    EXPECT_EQ(top.i32(offset), n) << offset;
    EXPECT_EQ(at(5132 + 12 + static_cast<std::size_t>(offset)), n) << offset;
  }
}

const TypePorts kTypePorts[] = {{'A', "XE 1 24 XA 1 28"},
                                {'B', "XE 1 16 XE 2 20 XA 1 24"},
                                {'C', "XE 1 96 XA 1 100 XA 2 104 XA 3 108"},
                                {'D', "XE 1 8 XA 1 12"},
                                {'E', "XA 1 24"},
                                {'F', "XA 1 16"},
                                {'G', "XE 1 16 XA 1 20"},
                                {'H', "XE 1 4 XA 1 8"},
                                {'I', "YA 1 8"},
                                {'J', "XE 1 24 XE 2 28 YE 3 32 YE 4 36 YE 5 40 YA 1 44 YA 2 48 XA 3 52"},
                                {'K', "XE 1 80 XA 1 84"},
                                {'L', "XE 1 8 XE 2 12 YA 1 16"},
                                {'M', "YE 1 8 YA 1 12"},
                                {'N', "XE 1 40 YA 1 44 YA 2 48 YA 3 52 YA 4 56"},
                                {'O', "YE 1 4 YE 2 8 YE 3 12 YA 1 16"},
                                {'P', "YE 1 8 YA 1 12"},
                                {'Q', "YE 1 8 YA 1 12"},
                                {'R', "XE 1 32 XE 2 36 YE 3 40 XA 1 44"},
                                {'S', "YA 1 8"},
                                {'T', "YE 1 16 YA 1 20"},
                                {'U', "YE 1 4 YE 2 8 YE 3 12 YA 1 16"},
                                {'V', "XA 1 24"},
                                {'W', "XE 1 88 XE 2 92 XE 3 96 XE 4 100 YE 5 104 YA 1 108 YA 2 112 YA 3 116 YA 4 120"},
                                {'X', "YE 1 4 YE 2 8 YA 1 12"},
                                {'Y', "XE 1 0 XE 2 4 YE 3 8 XA 1 12"},
                                {'Z', "XE 1 24 YA 1 28"}};
INSTANTIATE_TEST_SUITE_P(AllTypes, PortFieldTest, ::testing::ValuesIn(kTypePorts),
                         [](const auto& info) { return std::string(1, info.param.letter); });

} // namespace
} // namespace veltra::core
