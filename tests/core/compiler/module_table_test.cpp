#include "compiler_test_support.h"
#include "core/compiler/module_table.h"
#include "core/compiler/module_table_dump.h"
#include "core/modules/catalogue.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <vector>

namespace veltra::core {
namespace {

using namespace test_support;
using Bytes = std::vector<std::uint8_t>;
using Lines = std::vector<std::string>;

class ModuleTableTest : public ::testing::Test {
protected:
  CompileResult compile(int dataMemory = kDefaultDataMemorySize) { return table.ErzeugeModulTabelle(*p, dataMemory); }
  std::int32_t at(std::size_t off) const { return i32At(table.buffer(), off); }
  std::string dump() const { return dumpModuleTable(table.tableBytes()); }
  Bytes slice(std::size_t off, std::size_t n) const {
    return Bytes(table.buffer().begin() + off, table.buffer().begin() + off + n);
  }
  std::unique_ptr<Project> p = newProject();
  ModuleTable table;
};

TEST_F(ModuleTableTest, EmptyProjectHasOnlyTheTimeSwitchBlock) {
  CompileResult r = compile();
  EXPECT_FALSE(r.anythingWritten || r.success || table.canBeWritten());
  EXPECT_EQ(r.tableLength, 5120);
  EXPECT_EQ(r.checksum, (TableChecksum{0, 0, 0, 0}));
  EXPECT_EQ(r.messages, Lines{"Kein Regelkreis enthält Module; die Modultabelle ist leer."});
}

// Loop 3, constant 7 at column 2 row 5 driving analog connection 4: bytes,
// checksum and listing worked out by hand; the switch points fill 5120 bytes
// without their padding and stay out of the checksum.
TEST_F(ModuleTableTest, SingleConstantGivesTheExpectedBytesChecksumAndListing) {
  p->switchPoint(1, 1) = {1, {0xaa, 0xbb, 0xcc}, 1 + 4 + 32, 6, 5};
  p->switchPoint(32, 10) = {0, {0xff, 0xff, 0xff}, 127, 23, 59};
  TCell& f = place(*p, 3, 2, 5, 'F');
  f.setI32(0, 7);
  f.setF64(8, 1.5); // 00 00 00 00 00 00 f8 3f
  f.XA = 4;         // where the connection goes does not matter to the table
  CompileResult r = compile();
  ASSERT_TRUE(r.success) << dump();
  EXPECT_EQ(f.i32(16), 204); // the field is filled in the model too
  const Bytes expected = {3,    0, 0, 0, 10, 0, 0, 0, 48, 0, 0, 0, 'F', 0, 0,    0,
                          37,   0, 0, 0, 36, 0, 0, 0,                                  // headers
                          7,    0, 0, 0, 0,  0, 0, 0, 0,  0, 0, 0, 0,   0, 0xf8, 0x3f, // number, value
                          0xcc, 0, 0, 0, 0,  0, 0, 0, 0};                              // connection, rest, end
  EXPECT_EQ(slice(5120, expected.size()), expected) << dump();
  EXPECT_EQ(r.tableLength, 5168);
  EXPECT_EQ(r.checksum, (TableChecksum{3 + 10 + 48 + 'F' + 37 + 36 + 7 + 204, 0, 0xf8, 0x3f}));
  EXPECT_TRUE(r.messages.empty());
  EXPECT_EQ(slice(0, 32),
            (Bytes{1, 0, 0, 0, 37, 0, 0, 0, 6, 0, 0, 0, 5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(slice(5104, 16), (Bytes{0, 0, 0, 0, 127, 0, 0, 0, 23, 0, 0, 0, 59, 0, 0, 0}));
  EXPECT_EQ(dump(), "Modultabelle, 5168 Bytes\nSchaltuhren @0..5119\n  Programm 1 Punkt 1: Zustand 1 Tage 37 06:05\n"
                    "  Programm 32 Punkt 10: Zustand 0 Tage 127 23:59\n"
                    "@5120 Regelkreis 3 Abtastzeit 10 Länge 48\n  @5132 F Position 37 (Spalte 2 Zeile 5) Länge 36\n"
                    "    +000: 07 00 00 00 00 00 00 00 00 00 00 00 00 00 f8 3f\n    +016: cc 00 00 00 00 00 00 00\n"
                    "@5168 Ende\n");
}

// Column by column, then loop by loop; work memory handed out in that order,
// stale values of an earlier run replaced.
TEST_F(ModuleTableTest, CellsAndWorkMemoryGoInScanOrder) {
  place(*p, 2, 1, 0, 'G');
  TCell& d2 = place(*p, 1, 5, 0, 'D');
  TCell& d1 = place(*p, 1, 3, 14, 'D');
  TCell& r = place(*p, 1, 3, 2, 'R');
  r.setI32(48, 999);
  EXPECT_EQ(compile().workMemoryUsed, 32 + 416 + 416);
  EXPECT_EQ(std::vector<int>({r.i32(48), d1.i32(20), d2.i32(20)}), std::vector<int>({0, 32, 448}));
  // R (68 bytes) at 5132, D (36) at 5200 and 5236, loop 2 at 5272.
  for (auto [off, v] : {std::pair<std::size_t, int>{5120, 1},
                        {5136, 3 * 16 + 2},
                        {5204, 3 * 16 + 14},
                        {5232, 32},
                        {5240, 5 * 16},
                        {5268, 448},
                        {5272, 2},
                        {5288, 16}})
    EXPECT_EQ(at(off), v) << off << dump();
}

// A loop whose only module is passed over still gets its header.
TEST_F(ModuleTableTest, UnconnectedGateIsLeftOutButConnectedOneIsNot) {
  p->LoopSampleTime[2] = 30;
  place(*p, 2, 1, 0, 'U');
  CompileResult r = compile();
  EXPECT_TRUE(r.anythingWritten && r.success);
  EXPECT_EQ(r.tableLength, 5132);
  EXPECT_EQ(slice(5120, 13), (Bytes{2, 0, 0, 0, 30, 0, 0, 0, 12, 0, 0, 0, 0}));
  place(*p, 2, 3, 0, 'Q');
  connect(*p, 2, false, 1, 1, 0, 3, 0);
  compile();
  EXPECT_EQ(at(5128), 12 + 32 + 28) << dump();
  EXPECT_EQ(table.buffer()[5132], 'U');
  EXPECT_EQ(at(5132 + 12 + 16), 101);     // U out: digital 1 of loop 2
  EXPECT_EQ(at(5132 + 32 + 12 + 8), 101); // Q in
}

// A busy project against a plain word-by-word sum of the bytes and the end
// marker; compiling again gives the same bytes.
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
  const auto length = static_cast<std::size_t>(r.tableLength);
  TableChecksum sum{};
  for (std::size_t off = 5120; off <= length; ++off)
    sum[off % 4] += table.buffer()[off];
  EXPECT_EQ(r.checksum, sum);
  EXPECT_EQ(table.BuildChecksum(*p), sum);
  EXPECT_EQ(table.buffer()[length], 0);
  const Bytes first = slice(0, table.buffer().size());
  compile();
  EXPECT_EQ(slice(0, table.buffer().size()), first);
}

TEST_F(ModuleTableTest, UnconnectedPortGetsZeroEvenWhenAnEarlierRunFilledIt) {
  TCell& e = place(*p, 2, 0, 0, 'E');
  TCell& a = place(*p, 2, 2, 0, 'A');
  connect(*p, 2, true, 1, 0, 0, 2, 0);
  compile();
  ASSERT_TRUE(e.i32(24) == 101 && a.i32(24) == 101);
  p->LoescheXA(2, 1);
  compile();
  EXPECT_TRUE(e.i32(24) == 0 && a.i32(24) == 0);
  EXPECT_TRUE(at(5132 + 12 + 24) == 0 && at(5132 + 44 + 12 + 24) == 0) << dump();
}

TEST_F(ModuleTableTest, WorkMemoryBeyondTheDataMemoryIsReportedButTheTableStands) {
  place(*p, 1, 1, 0, 'D');
  CompileResult fits = compile(416);
  EXPECT_TRUE(fits.success && !fits.workMemoryExceeded);
  CompileResult r = compile(415);
  EXPECT_FALSE(r.success);
  EXPECT_TRUE(r.workMemoryExceeded && table.canBeWritten());
  EXPECT_EQ(r.tableLength, 5120 + 12 + 36);
  EXPECT_EQ(r.messages, Lines{"Der Arbeitsspeicher der Steuerung reicht nicht: die Module brauchen 416 Bytes, der "
                              "Datenspeicher hat 415 Bytes."});
}

// Cells as a damaged file may hold them: nothing read or written outside the
// grid or the table; connection numbers outside the loop's range become zero.
TEST_F(ModuleTableTest, DamagedCellsStayInsideTheirTables) {
  TCell& r = p->cell(1, 1, 14); // an R on the last row: rows 2 and 3 lie below the grid
  r.letter = 'R';
  r.height = 200;
  r.part = 1;
  r.XE = 5;
  r.setI32(36, 555);
  p->cell(1, 3, 0).letter = 'K'; // parts other than 1 and letters that are no module are passed over
  p->cell(1, 3, 0).part = 7;
  p->cell(1, 5, 0).letter = 0xff;
  p->cell(1, 7, 0).letter = 'k';
  TCell& b = place(*p, 3, 1, 0, 'B');
  b.XE = 150; // would name connection 50 of loop 4
  p->cell(3, 1, 1).XE = -3;
  b.XA = INT32_MAX;
  CompileResult res = compile();
  ASSERT_TRUE(res.success) << dump();
  EXPECT_EQ(res.tableLength, 5120 + 12 + 68 + 12 + 44) << dump();
  EXPECT_EQ(std::vector<int>({r.i32(32), r.i32(36), r.i32(40), b.i32(16) | b.i32(20) | b.i32(24)}),
            std::vector<int>({5, 0, 0, 0}));
  EXPECT_EQ(res.messages, Lines{"3 Anschluss/Anschlüsse mit ungültiger Verbindungsnummer wurden als unbelegt "
                                "übernommen (zuerst Regelkreis 3, Zeile 1, Spalte 2: 150)."});
}

// Two entries of every type: header, params block and work memory as the
// catalogue gives them; each port's row field lands, as a global number, in
// the connection field written down here by hand from the controller's entry
// layouts (kind, row, offset per port).
struct TypePorts {
  char letter;
  const char* ports;
};
class EntryLayoutTest : public ModuleTableTest, public ::testing::WithParamInterface<TypePorts> {};

TEST_P(EntryLayoutTest, EntriesAndConnectionFieldsFollowTheLayout) {
  const ModuleType& t = *moduleType(GetParam().letter);
  TCell& top = place(*p, 4, 1, 0, t.letter);
  TCell& second = place(*p, 4, 1, 5, t.letter);
  second.YA = 2;                                      // inputs and gates need a driven output to be compiled
  std::vector<std::pair<int, std::int32_t>> expected; // offset, global number
  std::istringstream in(GetParam().ports);
  std::string kind;
  for (int row = 0, offset = 0; in >> kind >> row >> offset;) {
    TCell& c = p->cell(4, 1, row - 1);
    const auto n = static_cast<std::int32_t>(10 + expected.size());
    (kind == "XE" ? c.XE : kind == "XA" ? c.XA : kind == "YE" ? c.YE : c.YA) = n;
    expected.emplace_back(offset, 300 + n);
  }
  ASSERT_EQ(t.ports.size(), expected.size());
  CompileResult r = compile();
  ASSERT_TRUE(r.success);
  const int length = t.entryLength();
  EXPECT_EQ(r.tableLength, 5120 + 12 + 2 * length) << dump();
  EXPECT_EQ(at(5128), 12 + 2 * length);
  const auto l = static_cast<std::uint8_t>(length);
  EXPECT_EQ(slice(5132, 12), (Bytes{static_cast<std::uint8_t>(t.letter), 0, 0, 0, 16, 0, 0, 0, l, 0, 0, 0}));
  EXPECT_EQ(at(5132 + length + 4), 16 + 5);
  EXPECT_EQ(slice(5132 + 12, static_cast<std::size_t>(length - 12)), Bytes(top.params, top.params + length - 12));
  EXPECT_EQ(r.workMemoryUsed, 2 * t.workSize);
  if (t.workOffset >= 0) {
    EXPECT_EQ(second.i32(t.workOffset), t.workSize);
  }
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
INSTANTIATE_TEST_SUITE_P(AllTypes, EntryLayoutTest, ::testing::ValuesIn(kTypePorts),
                         [](const auto& info) { return std::string(1, info.param.letter); });

// Broken structure is named; whatever the bytes, the listing reads only what
// it was given (the address sanitizer sees any stray read).
TEST(ModuleTableDump, NamesBrokenStructureAndSurvivesRandomBytes) {
  std::vector<std::uint8_t> b(5120 + 12 + 12, 0);
  b[3] = 0x7f; // padding of the first switch point
  b[5120 + 8] = 24;
  b[5132] = 'K';
  b[5132 + 8] = 99; // entry longer than its block
  const std::string d = dumpModuleTable(b);
  EXPECT_NE(d.find("Zustand 0 Tage 0 00:00 FÜLLBYTES 00 00 7f"), std::string::npos) << d;
  EXPECT_NE(d.find("Eintragslänge passt nicht in den Block"), std::string::npos) << d;
  b[5120 + 8] = 200;
  EXPECT_NE(dumpModuleTable(b).find("Blocklänge passt nicht in die Tabelle"), std::string::npos);
  std::mt19937 rng(11);
  for (int round = 0; round < 200; ++round) {
    std::vector<std::uint8_t> r(rng() % 5400);
    for (auto& v : r)
      v = static_cast<std::uint8_t>(rng() % 4 == 0 ? rng() : 0);
    if (r.size() > 5130) r[5128] = static_cast<std::uint8_t>(rng() % 64);
    EXPECT_FALSE(dumpModuleTable(r).empty());
  }
}

} // namespace
} // namespace veltra::core
