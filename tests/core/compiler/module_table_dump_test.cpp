#include "compiler/module_table.h"
#include "compiler/module_table_dump.h"
#include "compiler_test_support.h"

#include <gtest/gtest.h>

#include <random>

namespace veltra::core {
namespace {

using namespace test_support;

TEST(ModuleTableDump, ShowsLoopsEntriesAndSwitchPoints) {
  auto p = newProject();
  p->switchPoint(2, 3) = {1, {0, 0, 0}, 5, 6, 7};
  TCell& f = place(*p, 3, 2, 5, 'F');
  f.setI32(0, 7);
  f.XA = 4;
  ModuleTable table;
  table.ErzeugeModulTabelle(*p);
  EXPECT_EQ(dumpModuleTable(table.tableBytes()), "Modultabelle, 5168 Bytes\n"
                                                 "Schaltuhren @0..5119\n"
                                                 "  Programm 2 Punkt 3: Zustand 1 Tage 5 06:07\n"
                                                 "@5120 Regelkreis 3 Abtastzeit 10 Länge 48\n"
                                                 "  @5132 F Position 37 (Spalte 2 Zeile 5) Länge 36\n"
                                                 "    +000: 07 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00\n"
                                                 "    +016: cc 00 00 00 00 00 00 00\n"
                                                 "@5168 Ende\n");
}

// Broken structure is named; whatever the bytes, the listing reads only
// what it was given (run under the address sanitizer to see it).
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
