#include "compiler/module_table.h"
#include "compiler/module_table_dump.h"
#include "compiler_test_support.h"
#include "modules/catalogue.h"

#include <gtest/gtest.h>

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
  EXPECT_FALSE(r.anythingWritten);
  EXPECT_FALSE(r.success);
  EXPECT_FALSE(table.canBeWritten());
  EXPECT_EQ(r.tableLength, 5120);
  EXPECT_EQ(table.TableLength(), 5120);
  EXPECT_EQ(r.checksum, (TableChecksum{0, 0, 0, 0}));
  EXPECT_EQ(r.workMemoryUsed, 0);
  ASSERT_EQ(r.messages.size(), 1u);
  EXPECT_EQ(r.messages[0], "Kein Regelkreis enthält Module; die Modultabelle ist leer.");
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

TEST_F(ModuleTableTest, PositionWordFollowsTheModule) {
  p->CurrentLoop = 1;
  place(*p, 1, 2, 5, 'F');
  compile();
  EXPECT_EQ(at(5120 + 12 + 4), 37);
  deleteModule(*p, 2, 5);
  place(*p, 1, 3, 5, 'F');
  compile();
  EXPECT_EQ(at(5120 + 12 + 4), 53);
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
  EXPECT_EQ(at(5132 + 12 + 48), 0) << dump();
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
  CompileResult r = compile();
  EXPECT_EQ(r.tableLength, 5120 + 12) << dump();
  EXPECT_EQ(u16At(buf(), 5120 + 8), 12);

  place(*p, 2, 3, 0, 'Q');
  connect(*p, 2, false, 1, 1, 0, 3, 0);
  r = compile();
  EXPECT_EQ(u16At(buf(), 5120 + 8), 12 + 32 + 28) << dump();
  EXPECT_EQ(buf()[5132], 'U');
  EXPECT_EQ(at(5132 + 12 + 16), 101);     // U out: digital 1 of loop 2
  EXPECT_EQ(at(5132 + 32 + 12 + 8), 101); // Q in
}

TEST_F(ModuleTableTest, LoopWithOnlyAPassedOverInputStillGetsItsHeader) {
  p->LoopSampleTime[7] = 30;
  place(*p, 7, 0, 0, 'I');
  CompileResult r = compile();
  EXPECT_TRUE(r.anythingWritten);
  EXPECT_TRUE(r.success);
  EXPECT_EQ(r.tableLength, 5132);
  EXPECT_EQ(slice(5120, 13), (Bytes{7, 0, 0, 0, 30, 0, 0, 0, 12, 0, 0, 0, 0}));
}

TEST_F(ModuleTableTest, TimeSwitchBlockCarriesTheValuesButNoPadding) {
  TSwitchPoint& first = p->switchPoint(1, 1);
  first = {1, {0xaa, 0xbb, 0xcc}, 1 + 4 + 32, 6, 5};
  TSwitchPoint& last = p->switchPoint(32, 10);
  last = {0, {0xff, 0xff, 0xff}, 127, 23, 59};
  compile();
  EXPECT_EQ(slice(0, 16), (Bytes{1, 0, 0, 0, 37, 0, 0, 0, 6, 0, 0, 0, 5, 0, 0, 0}));
  EXPECT_EQ(slice(5104, 16), (Bytes{0, 0, 0, 0, 127, 0, 0, 0, 23, 0, 0, 0, 59, 0, 0, 0}));
  EXPECT_EQ(slice(16, 16), Bytes(16, 0));
}

TEST_F(ModuleTableTest, ChecksumLeavesOutTheTimeSwitchBlock) {
  place(*p, 1, 1, 0, 'K');
  const TableChecksum without = compile().checksum;
  p->switchPoint(3, 2) = {1, {}, 5, 7, 30};
  EXPECT_EQ(compile().checksum, without);
  EXPECT_EQ(buf()[(2 * 10 + 1) * 16 + 8], 7);
}

// A busy project, checked against a straightforward word-by-word sum of the
// file bytes and the end marker.
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
  EXPECT_EQ(table.Checksum(), sum);
  EXPECT_EQ(buf()[static_cast<std::size_t>(r.tableLength)], 0);
}

TEST_F(ModuleTableTest, SameProjectGivesTheSameTableAgain) {
  place(*p, 4, 1, 0, 'J');
  place(*p, 4, 3, 2, 'T');
  place(*p, 9, 1, 0, 'N');
  connect(*p, 4, false, 1, 1, 0, 3, 2);
  compile();
  const Bytes first(buf().begin(), buf().end());
  const TableChecksum sum = table.Checksum();
  EXPECT_EQ(table.BuildChecksum(*p), sum);
  EXPECT_EQ(Bytes(buf().begin(), buf().end()), first);
}

TEST_F(ModuleTableTest, EveryConnectionFieldGetsTheGlobalNumber) {
  // R in loop 5: Soll from E, Ist from V, Reset from I, output to A.
  place(*p, 5, 0, 0, 'E');
  place(*p, 5, 0, 1, 'V');
  place(*p, 5, 0, 2, 'I');
  TCell& r = place(*p, 5, 2, 0, 'R');
  place(*p, 5, 4, 0, 'A');
  connect(*p, 5, true, 3, 0, 0, 2, 0);
  connect(*p, 5, true, 9, 0, 1, 2, 1);
  connect(*p, 5, false, 100, 0, 2, 2, 2);
  connect(*p, 5, true, 1, 2, 0, 4, 0);
  compile();
  EXPECT_EQ(r.i32(32), 403);
  EXPECT_EQ(r.i32(36), 409);
  EXPECT_EQ(r.i32(40), 500);
  EXPECT_EQ(r.i32(44), 401);
}

TEST_F(ModuleTableTest, UnconnectedPortGetsZeroEvenWhenAnEarlierRunFilledIt) {
  place(*p, 2, 0, 0, 'E');
  TCell& a = place(*p, 2, 2, 0, 'A');
  TCell& e = p->cell(2, 0, 0);
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
  EXPECT_TRUE(fits.success);
  EXPECT_FALSE(fits.workMemoryExceeded);

  CompileResult r = compile(415);
  EXPECT_FALSE(r.success);
  EXPECT_TRUE(r.workMemoryExceeded);
  EXPECT_TRUE(table.canBeWritten());
  EXPECT_EQ(r.tableLength, 5120 + 12 + 36);
  ASSERT_EQ(r.messages.size(), 1u);
  EXPECT_EQ(r.messages[0],
            "Der Arbeitsspeicher der Steuerung reicht nicht: die Module brauchen 416 Bytes, der Datenspeicher hat "
            "415 Bytes.");
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
  TCell& odd = p->cell(1, 3, 0);
  odd.letter = 'K';
  odd.part = 7;
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
  EXPECT_EQ(b.i32(16), 0);
  EXPECT_EQ(b.i32(20), 0);
  EXPECT_EQ(b.i32(24), 0);
  ASSERT_EQ(r.messages.size(), 1u);
  EXPECT_EQ(r.messages[0], "3 Anschluss/Anschlüsse mit ungültiger Verbindungsnummer wurden als unbelegt übernommen "
                           "(zuerst Regelkreis 3, Zeile 1, Spalte 2: 150).");
}

// Entry and work memory sizes per letter.
struct TypeSizes {
  char letter;
  int entryLength;
  int workSize;
  int workOffset; // -1: none
};

class EntrySizeTest : public ModuleTableTest, public ::testing::WithParamInterface<TypeSizes> {};

TEST_P(EntrySizeTest, EntryHasTheTypeLengthAndWorkMemory) {
  const TypeSizes t = GetParam();
  TCell& first = place(*p, 1, 1, 0, t.letter);
  TCell& second = place(*p, 1, 1, 5, t.letter);
  first.YA = 1; // inputs and gates need a driven output to be compiled
  second.YA = 2;
  CompileResult r = compile();
  ASSERT_TRUE(r.success);
  EXPECT_EQ(r.tableLength, 5120 + 12 + 2 * t.entryLength) << dump();
  EXPECT_EQ(u16At(buf(), 5128), 12 + 2 * t.entryLength);
  EXPECT_EQ(buf()[5132], t.letter);
  EXPECT_EQ(slice(5133, 3), Bytes(3, 0));
  EXPECT_EQ(at(5132 + 8), t.entryLength);
  EXPECT_EQ(at(5132 + t.entryLength + 4), 1 * 16 + 5);
  EXPECT_EQ(slice(5132 + 12, static_cast<std::size_t>(t.entryLength - 12)),
            Bytes(first.params, first.params + t.entryLength - 12));
  EXPECT_EQ(r.workMemoryUsed, 2 * t.workSize);
  if (t.workOffset >= 0) {
    EXPECT_EQ(first.i32(t.workOffset), 0);
    EXPECT_EQ(second.i32(t.workOffset), t.workSize);
  }
}

INSTANTIATE_TEST_SUITE_P(
    AllTypes, EntrySizeTest,
    ::testing::Values(TypeSizes{'A', 44, 0, -1}, TypeSizes{'B', 44, 0, -1}, TypeSizes{'C', 124, 0, -1},
                      TypeSizes{'D', 36, 416, 20}, TypeSizes{'E', 44, 0, -1}, TypeSizes{'F', 36, 0, -1},
                      TypeSizes{'G', 36, 0, -1}, TypeSizes{'H', 24, 0, -1}, TypeSizes{'I', 24, 0, -1},
                      TypeSizes{'J', 76, 16, 56}, TypeSizes{'K', 100, 0, -1}, TypeSizes{'L', 32, 0, -1},
                      TypeSizes{'M', 28, 0, -1}, TypeSizes{'N', 76, 4, 60}, TypeSizes{'O', 32, 0, -1},
                      TypeSizes{'P', 32, 8, 16}, TypeSizes{'Q', 28, 0, -1}, TypeSizes{'R', 68, 32, 48},
                      TypeSizes{'S', 24, 0, -1}, TypeSizes{'T', 40, 8, 24}, TypeSizes{'U', 32, 0, -1},
                      TypeSizes{'V', 44, 0, -1}, TypeSizes{'W', 140, 72, 124}, TypeSizes{'X', 28, 0, -1},
                      TypeSizes{'Y', 28, 0, -1}, TypeSizes{'Z', 52, 4, 32}),
    [](const auto& info) { return std::string(1, info.param.letter); });

// Which row field goes into which params offset, per type.
struct Port {
  int row;
  PortKind kind;
  int offset;
};
struct TypePorts {
  char letter;
  std::vector<Port> ports;
};

class PortFieldTest : public ModuleTableTest, public ::testing::WithParamInterface<TypePorts> {};

std::int32_t& rowField(TCell& c, PortKind k) {
  switch (k) {
  case PortKind::XE:
    return c.XE;
  case PortKind::XA:
    return c.XA;
  case PortKind::YE:
    return c.YE;
  case PortKind::YA:
    break;
  }
  return c.YA;
}

TEST_P(PortFieldTest, RowFieldLandsInItsConnectionField) {
  const TypePorts& t = GetParam();
  TCell& top = place(*p, 4, 1, 0, t.letter);
  ASSERT_EQ(moduleType(t.letter)->ports.size(), t.ports.size());
  for (std::size_t i = 0; i < t.ports.size(); ++i)
    rowField(p->cell(4, 1, t.ports[i].row - 1), t.ports[i].kind) = static_cast<std::int32_t>(10 + i);
  compile();
  for (std::size_t i = 0; i < t.ports.size(); ++i) {
    SCOPED_TRACE(t.ports[i].offset);
    EXPECT_EQ(top.i32(t.ports[i].offset), static_cast<std::int32_t>(310 + i));
    EXPECT_EQ(at(5132 + 12 + static_cast<std::size_t>(t.ports[i].offset)), static_cast<std::int32_t>(310 + i));
  }
}

constexpr PortKind XE = PortKind::XE, XA = PortKind::XA, YE = PortKind::YE, YA = PortKind::YA;

INSTANTIATE_TEST_SUITE_P(
    AllTypes, PortFieldTest,
    ::testing::Values(
        TypePorts{'A', {{1, XE, 24}, {1, XA, 28}}}, TypePorts{'B', {{1, XE, 16}, {2, XE, 20}, {1, XA, 24}}},
        TypePorts{'C', {{1, XE, 96}, {1, XA, 100}, {2, XA, 104}, {3, XA, 108}}},
        TypePorts{'D', {{1, XE, 8}, {1, XA, 12}}}, TypePorts{'E', {{1, XA, 24}}}, TypePorts{'F', {{1, XA, 16}}},
        TypePorts{'G', {{1, XE, 16}, {1, XA, 20}}}, TypePorts{'H', {{1, XE, 4}, {1, XA, 8}}},
        TypePorts{'I', {{1, YA, 8}}},
        TypePorts{
            'J',
            {{1, XE, 24}, {2, XE, 28}, {3, YE, 32}, {4, YE, 36}, {5, YE, 40}, {1, YA, 44}, {2, YA, 48}, {3, XA, 52}}},
        TypePorts{'K', {{1, XE, 80}, {1, XA, 84}}}, TypePorts{'L', {{1, XE, 8}, {2, XE, 12}, {1, YA, 16}}},
        TypePorts{'M', {{1, YE, 8}, {1, YA, 12}}},
        TypePorts{'N', {{1, XE, 40}, {1, YA, 44}, {2, YA, 48}, {3, YA, 52}, {4, YA, 56}}},
        TypePorts{'O', {{1, YE, 4}, {2, YE, 8}, {3, YE, 12}, {1, YA, 16}}}, TypePorts{'P', {{1, YE, 8}, {1, YA, 12}}},
        TypePorts{'Q', {{1, YE, 8}, {1, YA, 12}}}, TypePorts{'R', {{1, XE, 32}, {2, XE, 36}, {3, YE, 40}, {1, XA, 44}}},
        TypePorts{'S', {{1, YA, 8}}}, TypePorts{'T', {{1, YE, 16}, {1, YA, 20}}},
        TypePorts{'U', {{1, YE, 4}, {2, YE, 8}, {3, YE, 12}, {1, YA, 16}}}, TypePorts{'V', {{1, XA, 24}}},
        TypePorts{'W',
                  {{1, XE, 88},
                   {2, XE, 92},
                   {3, XE, 96},
                   {4, XE, 100},
                   {5, YE, 104},
                   {1, YA, 108},
                   {2, YA, 112},
                   {3, YA, 116},
                   {4, YA, 120}}},
        TypePorts{'X', {{1, YE, 4}, {2, YE, 8}, {1, YA, 12}}},
        TypePorts{'Y', {{1, XE, 0}, {2, XE, 4}, {3, YE, 8}, {1, XA, 12}}}, TypePorts{'Z', {{1, XE, 24}, {1, YA, 28}}}),
    [](const auto& info) { return std::string(1, info.param.letter); });

} // namespace
} // namespace veltra::core
