#include "core/print/module_block.h"
#include "tests/core/print/print_test_support.h"

#include <gtest/gtest.h>

#include <functional>

namespace veltra::core {
namespace {

using print_test::newProject;
using print_test::put;

struct BlockCase {
  char letter;
  std::function<void(TCell&)> set; // non-default parameters
  std::vector<std::string> params; // the lines after heading and text
  std::string heading;
};

void f64s(TCell& c, std::initializer_list<std::pair<int, double>> values) {
  for (const auto& [off, v] : values)
    c.setF64(off, v);
}

// Each letter with parameters that differ from its defaults, placed at
// column 3, row 4 with the text "Text".
const BlockCase kBlocks[] = {
    {'A',
     [](TCell& c) {
       c.setI32(0, 2);
       f64s(c, {{8, 2.5}, {16, -1.25}});
     },
     {"Skalierfaktor: 2.500 Offset: -1.250"},
     "Modul: A - Ausgang A-Name 2  x: 3  y: 4"},
    {'B',
     [](TCell& c) {
       c.setI32(0, 2);
       c.setF64(8, 0.001);
     },
     {"Funktion:  B2", "Skalierfaktor: 0.001"},
     "Modul: B - Berechnung  x: 3  y: 4"},
    {'C',
     [](TCell& c) {
       for (int k = 0; k < 12; ++k)
         c.setF64(8 * k, k + 0.5);
     },
     {"Sequenz 1  Start  x: 0.500 y: 1.500  Ende  x: 2.500 y: 3.500",
      "Sequenz 2  Start  x: 4.500 y: 5.500  Ende  x: 6.500 y: 7.500",
      "Sequenz 3  Start  x: 8.500 y: 9.500  Ende  x: 10.500 y: 11.500"},
     "Modul: C - Cascade   x: 3  y: 4"},
    {'D',
     [](TCell& c) {
       c.setI32(0, 1);
       c.setI32(4, 17);
       c.setI32(16, 90);
     },
     {"Funktion:  D1  über 17 Werte", "Abtastzeit: 90sec"},
     "Modul: D - Durchschnitt   x: 3  y: 4"},
    {'E',
     [](TCell& c) {
       c.setI32(0, 20);
       f64s(c, {{8, 0.1}, {16, 273.15}});
     },
     {"Skalierfaktor: 0.100 Offset: 273.150"},
     "Modul: E - Eingang E-Name 20  x: 3  y: 4"},
    {'F',
     [](TCell& c) {
       c.setI32(0, 7);
       c.setF64(8, 12.3456);
     },
     {"Wert: 12.346"},
     "Modul: F - Festwert 7  x: 3  y: 4"},
    // Limits may name a constant or an auxiliary signal.
    {'G',
     [](TCell& c) {
       f64s(c, {{0, 32503.0}, {8, 32601.0}});
     },
     {"Untergrenze: F3  Obergrenze: H1"},
     "Modul: G - Grenzwert   x: 3  y: 4"},
    {'H', [](TCell& c) { c.setI32(0, 12); }, {}, "Modul: H - Hilfssignal analog 12  x: 3  y: 4"},
    {'I',
     [](TCell& c) {
       c.setI32(0, 3);
       c.setU8(4, 1);
     },
     {},
     "Modul: I - Digitaleingang I-Name 3  x: 3  y: 4"},
    {'J',
     [](TCell& c) {
       c.setI32(0, 2);
       c.setI32(4, 45);
       f64s(c, {{8, 1.5}, {16, 2.5}});
     },
     {"Funktion:  J2", "Laufzeit [s]: 45", "Dauer Auf: 1.500 Dauer Zu: 2.500"},
     "Modul: J - Klappe/Zähler   x: 3  y: 4"},
    {'K',
     [](TCell& c) {
       for (int k = 0; k < 10; ++k)
         c.setF64(8 * k, k * 10.0);
     },
     {"Punkt 1  x: 0.000 y: 10.000  Punkt 2  x: 20.000 y: 30.000",
      "Punkt 3  x: 40.000 y: 50.000  Punkt 4  x: 60.000 y: 70.000", "Punkt 5  x: 80.000 y: 90.000"},
     "Modul: K - Kennlinie   x: 3  y: 4"},
    {'L', [](TCell& c) { c.setI32(0, 1); }, {"Funktion:  L1"}, "Modul: L - Vergleich  x: 3  y: 4"},
    {'M', [](TCell& c) { c.setI32(0, 99); }, {}, "Modul: M - Merker digital 99  x: 3  y: 4"},
    {'N',
     [](TCell& c) {
       f64s(c, {{0, 1.0}, {8, 2.0}, {16, 3.0}, {24, 4.0}, {32, 9.0}});
     },
     {"Punkt 1: 1.000  Punkt 2: 2.000  Punkt 3: 3.000  Punkt 4: 4.000"},
     "Modul: N - Nockenschaltwerk   x: 3  y: 4"},
    {'O', [](TCell& c) { c.setU8(0, 1); }, {}, "Modul: O - Oder Verknüpfung   x: 3  y: 4"},
    {'P', [](TCell& c) { c.setI32(4, 35); }, {"Pulsdauer [s]: 35"}, "Modul: P - Puls   x: 3  y: 4"},
    {'Q', [](TCell& c) { c.setI32(0, 19); }, {}, "Modul: Q - digitaler Ausgang Q-Name 19  x: 3  y: 4"},
    {'R',
     [](TCell& c) {
       f64s(c, {{0, 25.0}, {8, 120.0}, {16, 0.0}, {24, 2.0}});
     },
     {"P-Band: 25.000  Nachstellzeit [s]: 120.000", "Vorhaltezeit [s]: 0.000  Verstärkung: 2.000"},
     "Modul: R - Regler   x: 3  y: 4"},
    {'S', [](TCell& c) { c.setI32(0, 5); }, {}, "Modul: S - Schaltuhr  Kanal 5  x: 3  y: 4"},
    {'T', [](TCell& c) { c.setI32(0, 2); }, {"Funktion: T2"}, "Modul: T - Timer   x: 3  y: 4"},
    {'U', [](TCell& c) { c.setU8(0, 1); }, {}, "Modul: U - Und Verknüpfung   x: 3  y: 4"},
    {'V', [](TCell& c) { c.setI32(0, 11); }, {}, "Modul: V - Variable V-Name 11  x: 3  y: 4"},
    // W keeps its temperatures in hundredths of a degree; the listing shows degrees.
    {'W',
     [](TCell& c) {
       c.setI32(0, 4);
       f64s(c, {{8, 6.0}, {16, 0.5}, {24, 90.0}, {32, 0.25}, {40, 15.0}, {64, -1250.0}, {72, 2850.0}, {80, 150.0}});
       c.setI32(48, 30);
       c.setI32(52, 25);
       c.setI32(56, 180);
     },
     {"Schaltuhr Kanal Nr.: 4", "min. Einzeit: 30 [min]  Heizfaktor: 6.000 [min/°C²]  Kühlfaktor: 0.500 [min/°C²]",
      "min. Auszeit: 25 [min]  Heizfaktor: 90.000 [min/°C²]  Kühlfaktor: 0.250 [min/°C²]",
      "Wichtung: 15.000 [%]  Auslegung für min: -12.500 [°C]  und max: 28.500 [°C]", "max. Optimierungszeit: 180 [min]",
      "Komfortbereich: 1.500 [°C]"},
     "Modul: W - Restwärme   x: 3  y: 4"},
    {'X', [](TCell& c) { c.setU8(0, 1); }, {}, "Modul: X - Exclusiv Oder Verknüpfung   x: 3  y: 4"},
    {'Y', [](TCell&) {}, {}, "Modul: Y - Analogumschalter   x: 3  y: 4"},
    {'Z',
     [](TCell& c) {
       f64s(c, {{8, 21.5}, {16, 32550.0}});
     },
     {"Einschaltpnkt: 21.500  Ausschaltpunkt: F50"},
     "Modul: Z - Zweipunkt   x: 3  y: 4"},
};

class ModuleBlock : public ::testing::TestWithParam<BlockCase> {};

TEST_P(ModuleBlock, PrintsHeadingTextAndParameters) {
  const BlockCase& b = GetParam();
  auto p = newProject();
  TCell& top = put(*p, 1, 3, 4, b.letter);
  top.text.assign("Text");
  b.set(top);
  std::vector<std::string> expected = {b.heading, "Text"};
  expected.insert(expected.end(), b.params.begin(), b.params.end());
  EXPECT_EQ(moduleBlockLines(top, 3, 4, print_test::testLists(), false), expected);
}

INSTANTIATE_TEST_SUITE_P(EveryLetter, ModuleBlock, ::testing::ValuesIn(kBlocks),
                         [](const auto& info) { return std::string(1, info.param.letter); });

TEST(ModuleBlockTable, CoversEveryLetter) {
  std::string letters;
  for (const BlockCase& b : kBlocks)
    letters += b.letter;
  EXPECT_EQ(letters, "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
}

// The connection lines print the numbers the compiler wrote into params,
// an input with the output after it on one line.
struct ConnectionCase {
  char letter;
  std::vector<std::string> lines; // port k carries the number 10 + k
};

const ConnectionCase kConnections[] = {
    {'A', {"In X10 --- Out X11"}},
    {'E', {"   --- Out X10"}},
    {'B', {"In1 X10 --- Out X11", "In2 X12"}},
    {'C', {"In X10 --- Out1 X11", " --- Out2 X12", " --- Out3 X13"}},
    {'J', {"Soll X10 --- Aus+ Y11", "Ist  X12 --- Aus- Y13", "Ein+ Y14 --- Out  X15", "Ein- Y16", "Reset Y17"}},
    {'R', {"Soll X10 --- Out X11", "Ist  X12", "Reset Y13"}},
    // The setback input of row 5 has no label and is not listed.
    {'W',
     {"RaumTemp   X10 --- Belegt  Y11", "AussenTemp X12 --- AufHeiz Y13", "RaumSoll   X14 --- Out     Y15",
      "Absenkung  X16 --- Stop    Y17"}},
    {'N', {"In X10 --- Out1 Y11", " --- Out2 Y12", " --- Out3 Y13", " --- Out4 Y14"}},
};

class ConnectionLines : public ::testing::TestWithParam<ConnectionCase> {};

TEST_P(ConnectionLines, PairInputWithFollowingOutput) {
  const ConnectionCase& c = GetParam();
  auto p = newProject();
  TCell& top = put(*p, 1, 0, 0, c.letter);
  int k = 0;
  for (const PortDef& port : moduleType(c.letter)->ports)
    top.setI32(port.offset, 10 + k++);
  EXPECT_EQ(connectionLines(top), c.lines);
  // With "X/Y-Signale" the block ends with them.
  const std::vector<std::string> block = moduleBlockLines(top, 0, 0, print_test::testLists(), true);
  ASSERT_GE(block.size(), c.lines.size());
  EXPECT_TRUE(std::equal(c.lines.rbegin(), c.lines.rend(), block.rbegin()));
}

INSTANTIATE_TEST_SUITE_P(Letters, ConnectionLines, ::testing::ValuesIn(kConnections),
                         [](const auto& info) { return std::string(1, info.param.letter); });

TEST(ModuleBlockEdges, NamesComeFromTheSignalFileNotTheProjectAndMissingOnesStayEmpty) {
  auto p = newProject();
  TCell& e = put(*p, 1, 0, 0, 'E');
  e.setI32(0, 21); // the test list has 20 lines
  e.text.assign("Aussen");
  EXPECT_EQ(moduleBlockLines(e, 0, 0, print_test::testLists(), false).front(), "Modul: E - Eingang   x: 0  y: 0");
  e.setI32(0, -3);
  EXPECT_EQ(moduleBlockLines(e, 0, 0, print_test::testLists(), false).front(), "Modul: E - Eingang   x: 0  y: 0");
}

TEST(ModuleBlockEdges, FunctionIndexWithoutItemPrintsTheNumber) {
  auto p = newProject();
  TCell& b = put(*p, 1, 0, 0, 'B');
  b.setI32(0, 9);
  EXPECT_EQ(moduleBlockLines(b, 0, 0, print_test::testLists(), false)[2], "Funktion:  9");
}

TEST(ModuleBlockEdges, LowerCellsAndDigitCellsPrintNothing) {
  auto p = newProject();
  put(*p, 1, 0, 0, 'R');
  EXPECT_TRUE(moduleBlockLines(p->cell(1, 0, 1), 0, 1, print_test::testLists(), false).empty());
  TCell& digit = p->cell(1, 2, 0);
  digit.letter = '5';
  digit.part = 1;
  EXPECT_TRUE(moduleBlockLines(digit, 2, 0, print_test::testLists(), false).empty());
}

TEST(ModuleBlockEdges, TextsAreConvertedFromCodePage1252) {
  auto p = newProject();
  TCell& g = put(*p, 1, 0, 0, 'G');
  g.text.assign("Au\xdf"
                "en\xb0");
  EXPECT_EQ(moduleBlockLines(g, 0, 0, print_test::testLists(), false)[1], "Außen°");
}

} // namespace
} // namespace veltra::core
