#include "modules/catalogue.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

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
  EXPECT_EQ(t->letter, e.letter);
  EXPECT_EQ(t->height, e.height);
  EXPECT_EQ(t->entryLength(), e.entry);
  EXPECT_EQ(t->workSize, e.work);
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
    EXPECT_GE(p.row, 1);
    EXPECT_LE(p.row, t->height);
  }
  if (t->workOffset >= 0) claim(t->workOffset, 4, "work memory");
  if (t->flagOffset >= 0) {
    bool isU8Param = false;
    for (const ParamDef& f : t->params)
      isU8Param |= f.offset == t->flagOffset && f.type == FieldType::U8;
    EXPECT_TRUE(isU8Param);
  }
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

// The connect tool's view of the ports, written down independently: which
// rows offer an analog (X) or digital (Y) output and input.
struct PortRows {
  char letter;
  const char* outX;
  const char* outY;
  const char* inX;
  const char* inY;
};

constexpr PortRows kConnectTable[] = {
    {'A', "1", "", "1", ""},   {'D', "1", "", "1", ""},       {'G', "1", "", "1", ""},       {'H', "1", "", "1", ""},
    {'K', "1", "", "1", ""},   {'E', "1", "", "", ""},        {'F', "1", "", "", ""},        {'V', "1", "", "", ""},
    {'B', "1", "", "12", ""},  {'C', "123", "", "1", ""},     {'L', "", "1", "12", ""},      {'Z', "", "1", "1", ""},
    {'I', "", "1", "", ""},    {'S', "", "1", "", ""},        {'M', "", "1", "", "1"},       {'P', "", "1", "", "1"},
    {'Q', "", "1", "", "1"},   {'T', "", "1", "", "1"},       {'N', "", "1234", "1", ""},    {'O', "", "1", "", "123"},
    {'U', "", "1", "", "123"}, {'X', "", "1", "", "12"},      {'J', "3", "12", "12", "345"}, {'R', "1", "", "12", "3"},
    {'Y', "1", "", "12", "3"}, {'W', "", "1234", "1234", "5"}};

TEST(Catalogue, PortRowsAgreeWithTheConnectTool) {
  std::set<char> seen;
  for (const PortRows& e : kConnectTable) {
    seen.insert(e.letter);
    const ModuleType* t = moduleType(e.letter);
    auto rows = [&](PortKind k) {
      std::string s;
      for (int r = 1; r <= t->height; ++r)
        if (t->port(r, k) != nullptr) s += static_cast<char>('0' + r);
      return s;
    };
    EXPECT_EQ(rows(PortKind::XA), e.outX) << e.letter;
    EXPECT_EQ(rows(PortKind::YA), e.outY) << e.letter;
    EXPECT_EQ(rows(PortKind::XE), e.inX) << e.letter;
    EXPECT_EQ(rows(PortKind::YE), e.inY) << e.letter;
    EXPECT_EQ(t->hasInputs(), *e.inX != 0 || *e.inY != 0) << e.letter;
  }
  EXPECT_EQ(seen.size(), 26u);
}

TEST(Catalogue, OnlyLettersAreModules) {
  EXPECT_EQ(moduleType('*'), nullptr);
  EXPECT_EQ(moduleType('a'), nullptr);
  EXPECT_EQ(moduleType('5'), nullptr);
  EXPECT_EQ(allModuleTypes().size(), 26u);
}

TEST(Catalogue, GatesShareOneLayoutAndXHasTwoInputs) {
  const ModuleType* o = moduleType('O');
  const ModuleType* u = moduleType('U');
  ASSERT_EQ(o->ports.size(), u->ports.size());
  for (size_t i = 0; i < o->ports.size(); ++i) {
    EXPECT_EQ(o->ports[i].offset, u->ports[i].offset);
    EXPECT_EQ(o->ports[i].kind, u->ports[i].kind);
  }
  EXPECT_EQ(moduleType('X')->port(3, PortKind::YE), nullptr);
  EXPECT_NE(moduleType('X')->port(2, PortKind::YE), nullptr);
}

TEST(Catalogue, BuiltinFunctionLists) {
  EXPECT_EQ(builtinItems('B').size(), 6u);
  EXPECT_EQ(builtinItems('L')[4], "Min");
  EXPECT_EQ(builtinItems('D')[2], "Mittel");
  EXPECT_EQ(builtinItems('T')[3], "PWM");
  EXPECT_TRUE(builtinItems('J').empty());
}

TEST(LimitReference, BoundariesBetweenNumberConstantAndAuxiliary) {
  EXPECT_EQ(decodeLimit(32500).source, LimitSource::Number);
  EXPECT_EQ(decodeLimit(-32700).source, LimitSource::Number);
  LimitRef f1 = decodeLimit(32501);
  EXPECT_EQ(f1.source, LimitSource::F);
  EXPECT_EQ(f1.value, 1);
  LimitRef f100 = decodeLimit(32600);
  EXPECT_EQ(f100.source, LimitSource::F);
  EXPECT_EQ(f100.value, 100);
  LimitRef h1 = decodeLimit(32601);
  EXPECT_EQ(h1.source, LimitSource::H);
  EXPECT_EQ(h1.value, 1);
  EXPECT_EQ(encodeLimitF(3), 32503);
  EXPECT_EQ(encodeLimitH(256), 32856);
  EXPECT_EQ(decodeLimit(encodeLimitH(256)).value, 256);
}

} // namespace
} // namespace veltra::core
