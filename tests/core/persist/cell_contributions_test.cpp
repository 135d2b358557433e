#include "core/persist/cell_contributions.h"

#include "core/persist/project_file_set.h"
#include "core/persist/vtr_reader.h"
#include "persist_test_util.h"

namespace veltra::core::test {
namespace {

// Signal E5 and constant 5 in three loops; each later loop in loop order
// must win, whatever the order of the records in the file.
const Bytes kLoop1 = loopBody({{0, 0, {.text = "eins", .error = -1, .number = 5}},
                               {0, 1, {.letter = 'F', .text = "c1", .number = 5, .value = 1.0}},
                               {0, 2, {.letter = 'F', .number = 300, .value = 9.0}}});
const Bytes kLoop4 =
    loopBody({{3, 3, {.text = "vier", .number = 5}}, {3, 4, {.letter = 'F', .number = 5, .value = 4.0}}});
const Bytes kLoop9 = loopBody(
    {{14, 14, {.text = "neun", .number = 5}}, {2, 2, {.letter = 'F', .text = "c9", .number = 5, .value = 9.0}}});
// A second record of loop 9: its E5 and F modules become other modules, and
// the cell list names one cell twice.
const Bytes kLoop9Again = loopBody({{14, 14, {.letter = 'B', .text = "kein Signal", .number = 5}},
                                    {2, 2, {.letter = 'B', .number = 77, .value = 3.0}},
                                    {5, 5, {.text = "erst", .number = 6}},
                                    {5, 5, {.text = "dann", .number = 6}}});

struct Order {
  const char* name;
  std::vector<std::pair<std::int32_t, Bytes>> records;
  const char* e5; // the text signal E5 ends with
};

class CellContributionsOrder : public ::testing::TestWithParam<Order> {};

// Taken loop by loop while reading must give what the passes over the whole
// project after the file give.
TEST_P(CellContributionsOrder, GiveWhatThePassesOverTheWholeProjectGive) {
  const Bytes image = vtrImage(GetParam().records);
  auto expected = std::make_unique<Project>(), actual = std::make_unique<Project>();
  expected->FWert[1] = actual->FWert[1] = 0.5;
  readVtr(image, "x.vtr", *expected);
  adoptModuleTexts(*expected);
  expected->BildeFRArray();
  expected->setzeAlleFWerte();

  CellContributions cells;
  cells.start(*actual);
  ByteReader in(image, "x.vtr");
  readVtr(in, *actual, [&](int loop) { cells.take(loop); });
  cells.adoptModuleTexts();
  cells.rebuildConstants();

  EXPECT_EQ(actual->SignalDesc.text(SignalGroup::E, 5), GetParam().e5);
  expectSameProject(*actual, *expected);
  if (GetParam().e5 != std::string("neun")) return;
  const Project& a = *actual; // constant 300 is out of range and takes constant 1
  EXPECT_EQ(std::tuple(a.cell(1, 0, 0).error, a.FWert[5], a.cell(1, 0, 1).f64(8), a.cell(1, 0, 2).i32(0),
                       a.cell(1, 0, 2).f64(8), a.SignalDesc.text(SignalGroup::F, 5)),
            std::tuple(0, 9.0, 9.0, 1, 0.5, "c9"));
}

INSTANTIATE_TEST_SUITE_P(
    Records, CellContributionsOrder,
    ::testing::Values(Order{"Ascending", {{1, kLoop1}, {4, kLoop4}, {9, kLoop9}}, "neun"},
                      Order{"Descending", {{9, kLoop9}, {4, kLoop4}, {1, kLoop1}}, "neun"},
                      Order{"LoopReadTwice", {{1, kLoop1}, {9, kLoop9}, {4, kLoop4}, {9, kLoop9Again}}, "vier"},
                      Order{"LoopReadTwiceInARow", {{9, kLoop9}, {9, kLoop9Again}, {1, kLoop1}}, "eins"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace veltra::core::test
