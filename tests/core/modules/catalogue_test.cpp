#include "core/modules/catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace veltra::core {
namespace {

struct Expected {
  char letter;
  int height;
  int entry;
  int work;
};

// Heights, table entry lengths and working memory sizes as the controller
// expects them.
constexpr Expected kExpected[] = {
    {'A', 1, 44, 0}, {'B', 2, 44, 0}, {'C', 3, 124, 0}, {'D', 1, 36, 416}, {'E', 1, 44, 0},   {'F', 1, 36, 0},
    {'G', 1, 36, 0}, {'H', 1, 24, 0}, {'I', 1, 24, 0},  {'J', 5, 76, 16},  {'K', 1, 100, 0},  {'L', 2, 32, 0},
    {'M', 1, 28, 0}, {'N', 4, 76, 4}, {'O', 3, 32, 0},  {'P', 1, 32, 8},   {'Q', 1, 28, 0},   {'R', 3, 68, 32},
    {'S', 1, 24, 0}, {'T', 1, 40, 8}, {'U', 3, 32, 0},  {'V', 1, 44, 0},   {'W', 5, 140, 72}, {'X', 2, 28, 0},
    {'Y', 3, 28, 0}, {'Z', 1, 52, 4}};

class CatalogueType : public ::testing::TestWithParam<Expected> {};

TEST_P(CatalogueType, SizesMatchTheController) {
  const Expected e = GetParam();
  const ModuleType* t = moduleType(e.letter);
  ASSERT_NE(t, nullptr);
  EXPECT_EQ(std::vector<int>({t->letter, t->height, t->entryLength(), t->workSize}),
            std::vector<int>({e.letter, e.height, e.entry, e.work}));
  EXPECT_EQ(t->workOffset >= 0, e.work > 0);
}

// Every field lies inside the block that goes into the module table, and no
// two fields overlap: a layout slip would corrupt the controller's table.
TEST_P(CatalogueType, FieldsLieInsideTheBlockWithoutOverlap) {
  const ModuleType* t = moduleType(GetParam().letter);
  std::set<int> used;
  auto claim = [&](int offset, int size, const std::string& what) {
    EXPECT_LE(offset + size, t->blockSize) << what;
    for (int b = offset; b < offset + size; ++b)
      EXPECT_TRUE(used.insert(b).second) << what << " overlaps at " << b;
  };
  for (const ParamDef& f : t->params)
    claim(f.offset, f.type == FieldType::F64 ? 8 : (f.type == FieldType::I32 ? 4 : 1), std::string(f.name));
  for (const PortDef& p : t->ports) {
    claim(p.offset, 4, std::string(p.printLabel));
    EXPECT_TRUE(p.row >= 1 && p.row <= t->height) << p.printLabel;
  }
  if (t->workOffset >= 0) claim(t->workOffset, 4, "work memory");
  EXPECT_TRUE(t->flagOffset < 0 || std::any_of(t->params.begin(), t->params.end(), [&](const ParamDef& f) {
                return f.offset == t->flagOffset && f.type == FieldType::U8;
              }));
}

TEST_P(CatalogueType, PortsArePrintedRowByRowInputsFirst) {
  const ModuleType* t = moduleType(GetParam().letter);
  int lastRow = 0;
  bool outputSeenInRow = false;
  for (const PortDef& p : t->ports) {
    if (p.row != lastRow) {
      EXPECT_GT(p.row, lastRow);
      lastRow = p.row;
      outputSeenInRow = false;
    }
    if (isInput(p.kind))
      EXPECT_FALSE(outputSeenInRow) << p.printLabel;
    else
      outputSeenInRow = true;
  }
}

INSTANTIATE_TEST_SUITE_P(AllLetters, CatalogueType, ::testing::ValuesIn(kExpected),
                         [](const auto& info) { return std::string(1, info.param.letter); });

// Rows and kinds of the ports are checked, port by port, by the module
// table's connection field test; the connect tool needs to know which types
// have no input at all.
TEST(Catalogue, SourcesHaveNoInputs) {
  for (const ModuleType& t : allModuleTypes())
    EXPECT_EQ(t.hasInputs(), std::string("EFISV").find(t.letter) == std::string::npos) << t.letter;
}

TEST(Catalogue, OnlyLettersAreModulesAndBuiltinLists) {
  for (char c : {'*', 'a', '5'})
    EXPECT_EQ(moduleType(c), nullptr) << c;
  EXPECT_EQ(allModuleTypes().size(), 26u);
  EXPECT_EQ(builtinItems('B').size(), 6u);
  EXPECT_EQ(builtinItems('L')[4], "Min");
  EXPECT_EQ(builtinItems('D')[2], "Mittel");
  EXPECT_EQ(builtinItems('T')[3], "PWM");
  EXPECT_TRUE(builtinItems('J').empty());
}

// Numbers up to 32500 (either sign), then F1..F100, then H1 onwards.
TEST(LimitReference, BoundariesBetweenNumberConstantAndAuxiliary) {
  struct Row {
    int code;
    LimitSource source;
    int value;
  };
  for (Row r : {Row{32501, LimitSource::F, 1},
                {32600, LimitSource::F, 100},
                {32601, LimitSource::H, 1},
                {32856, LimitSource::H, 256},
                {32500, LimitSource::Number, 32500},
                {-32700, LimitSource::Number, -32700}})
    EXPECT_TRUE(decodeLimit(r.code).source == r.source && decodeLimit(r.code).value == r.value) << r.code;
  EXPECT_EQ(encodeLimitF(3), 32503);
  EXPECT_EQ(encodeLimitH(256), 32856);
}

} // namespace
} // namespace veltra::core
