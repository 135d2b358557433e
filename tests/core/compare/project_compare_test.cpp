#include "core/compare/project_compare.h"
#include "core/model/connection_ops.h"
#include "core/model/module_ops.h"
#include "core/modules/catalogue.h"
#include "core/persist/signal_lists.h"
#include "core/util/cp1252.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

namespace veltra::core {
namespace {

using Kind = ProjectDifference::Kind;

// Two copies of one project; each case changes the second.
class CompareTest : public ::testing::Test {
protected:
  void SetUp() override {
    a->InitRKreise(readSignalDefaults(VELTRA_PROGRAM_DIR));
    ASSERT_TRUE(placeModule(*a, 3, 1, 2, 'E'));
    ASSERT_TRUE(placeModule(*a, 3, 5, 2, 'R'));
    ASSERT_TRUE(placeModule(*a, 3, 9, 2, 'A'));
    ASSERT_TRUE(placeModule(*a, 3, 5, 8, 'G'));
    for (auto [c, r] : {std::pair{1, 2}, {5, 2}, {9, 2}, {5, 8}})
      createModuleDefaults(*a, a->cell(3, c, r));
    ASSERT_TRUE(addDestination(*a, 3, true, 1, 1, 2, 5, 2));
    ASSERT_TRUE(addDestination(*a, 3, true, 1, 1, 2, 5, 8));
    ASSERT_TRUE(addDestination(*a, 3, true, 2, 5, 2, 9, 2));
    a->TextList = {"Vorlauf|Heizkreis 2|=30102"};
    *b = *a;
  }
  std::vector<ProjectDifference> diff() const { return compareProjects(*a, *b); }
  // The one difference there must be.
  ProjectDifference only() const {
    auto d = diff();
    EXPECT_EQ(d.size(), 1u) << formatDifferences(d);
    return d.empty() ? ProjectDifference{} : d.front();
  }

  std::unique_ptr<Project> a = std::make_unique<Project>();
  std::unique_ptr<Project> b = std::make_unique<Project>();
};

TEST_F(CompareTest, IdenticalProjects) {
  EXPECT_TRUE(diff().empty());
  EXPECT_EQ(formatDifferences(diff()), "Keine Unterschiede.\n");
}

// What the compiler fills in and the error codes are no difference.
TEST_F(CompareTest, CompilerFieldsAndErrorCodesAreIgnored) {
  b->cell(3, 5, 2).setI32(32, 1); // R's input connection field
  b->cell(3, 5, 2).error = -4;
  EXPECT_TRUE(diff().empty());
}

struct DiffCase {
  const char* name;
  std::function<void(Project&)> change;
  Kind kind;
  int loop;
  const char* text;
};

class DiffKindTest : public CompareTest, public ::testing::WithParamInterface<DiffCase> {};

TEST_P(DiffKindTest, FoundAndNamed) {
  GetParam().change(*b);
  const ProjectDifference d = only();
  EXPECT_EQ(d.kind, GetParam().kind);
  EXPECT_EQ(d.loop, GetParam().loop);
  EXPECT_EQ(d.text, GetParam().text);
}

const DiffCase kDiffCases[] = {
    {"ModuleAdded", [](Project& p) { placeModule(p, 3, 12, 12, 'D'); }, Kind::ModuleAdded, 3,
     "Modul D (13, 13) hinzugefügt"},
    {"Parameter", [](Project& p) { p.cell(3, 5, 2).setF64(24, 2.5); }, Kind::Parameter, 3,
     "Modul R (6, 3): Verstärkung 1 → 2.5"},
    {"LimitReference", [](Project& p) { p.cell(3, 5, 8).setF64(8, encodeLimitF(3)); }, Kind::Parameter, 3,
     "Modul G (6, 9): Maximum 100 → F3"},
    {"ModuleText", [](Project& p) { p.cell(3, 5, 2).text.assign(utf8ToCp1252("Vorlaufregler Süd")); }, Kind::ModuleText,
     3, "Modul R (6, 3): Text \"Regler\" → \"Vorlaufregler Süd\""},
    {"ConnectionAdded", [](Project& p) { addDestination(p, 3, true, 1, 1, 2, 9, 2); }, Kind::ConnectionAdded, 3,
     "Verbindung analog von E (2, 3) nach A (10, 3) hinzugefügt"},
    // Another number for the same source and destinations is no difference;
    // taking one destination away is.
    {"ConnectionRemoved",
     [](Project& p) {
       p.LoescheXA(3, 1);
       addDestination(p, 3, true, 7, 1, 2, 5, 2);
     },
     Kind::ConnectionRemoved, 3, "Verbindung analog von E (2, 3) nach G (6, 9) entfernt"},
    {"TextAdded", [](Project& p) { p.TextList.push_back("Pumpe||=31208"); }, Kind::TextAdded, 3,
     "Text (13, 9) hinzugefügt: \"Pumpe\""},
    {"TextRemoved", [](Project& p) { p.TextList.clear(); }, Kind::TextRemoved, 3,
     "Text (2, 3) entfernt: \"Vorlauf / Heizkreis 2\""},
    {"TextChanged", [](Project& p) { p.TextList = {"Vorlauf|a~b|=30102"}; }, Kind::TextChanged, 3,
     "Text (2, 3) \"Vorlauf / Heizkreis 2\" → \"Vorlauf / a=b\""},
    {"Description", [](Project& p) { p.LoopText[7] = utf8ToCp1252("Lüftung"); }, Kind::Description, 7,
     "Beschreibung \" \" → \"Lüftung\""},
    {"SampleTime", [](Project& p) { p.LoopSampleTime[200] = 60; }, Kind::SampleTime, 200, "Abtastzeit 10 → 60"},
    {"SignalDescription", [](Project& p) { p.SignalDesc.at(SignalGroup::H, 5)->assign("Vorlauf"); },
     Kind::SignalDescription, 0, "Signal H5 \"Hilfssignal 5\" → \"Vorlauf\""},
    {"SignalName", [](Project& p) { p.SignalName.at(SignalGroup::M, 2)->assign("Pumpe"); }, Kind::SignalName, 0,
     "Signalname M2 \"\" → \"Pumpe\""},
    {"SwitchPoint",
     [](Project& p) {
       p.switchPoint(32, 10) = {1, {}, 1 | 16, 7, 5};
     },
     Kind::SwitchPoint, 0, "Schaltuhr 32 Punkt 10: (frei) → Ein Mo______Fr____  07:05"},
    {"Constant", [](Project& p) { p.FWert[256] = -0.5; }, Kind::Constant, 0, "Konstante 256: 0 → -0.5"},
    {"ProjectData", [](Project& p) { p.ProjectData.postalCode.assign("89073"); }, Kind::ProjectData, 0,
     "Projektdaten Plz \"\" → \"89073\""},
};

INSTANTIATE_TEST_SUITE_P(Kinds, DiffKindTest, ::testing::ValuesIn(kDiffCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Texts are compared per loop: the same cell in another loop is a text taken
// away from the one and put into the other; an entry naming no valid loop
// is no text.
TEST_F(CompareTest, TextsBelongToTheirLoop) {
  b->TextList = {"Vorlauf|Heizkreis 2|=40102", "Geist||=2010102"};
  auto d = diff();
  ASSERT_EQ(d.size(), 2u) << formatDifferences(d);
  EXPECT_EQ(d[0].loop, 3);
  EXPECT_EQ(d[0].text, "Text (2, 3) entfernt: \"Vorlauf / Heizkreis 2\"");
  EXPECT_EQ(d[1].loop, 4);
  EXPECT_EQ(d[1].text, "Text (2, 3) hinzugefügt: \"Vorlauf / Heizkreis 2\"");
}

// A removed module takes its connection ends with it; both are listed.
TEST_F(CompareTest, RemovedModuleAndItsConnection) {
  deleteModule(*b, 3, 5, 8);
  auto d = diff();
  ASSERT_EQ(d.size(), 2u) << formatDifferences(d);
  EXPECT_EQ(d[0].text, "Modul G (6, 9) entfernt: \"Begrenzung\"");
  EXPECT_EQ(d[1].text, "Verbindung analog von E (2, 3) nach G (6, 9) entfernt");
  EXPECT_EQ(d[1].before, "G (6, 9)");
  EXPECT_EQ(d[1].subject, "analog");
}

// A module at another place with the same letter, parameters and text has
// moved; its connections are compared at the new place, so they are no
// difference.
TEST_F(CompareTest, MovedModuleTakesItsConnectionsAlong) {
  moveModule(*b, 3, &a->cell(3, 5, 8), 1, 5, 8, 7, 11);
  const ProjectDifference d = only();
  EXPECT_EQ(d.kind, Kind::ModuleMoved);
  EXPECT_EQ(d.text, "Modul G von (6, 9) nach (8, 12) verschoben");
  EXPECT_EQ(d.before, "(6, 9)");
  EXPECT_EQ(d.after, "(8, 12)");
}

// A module replaced by another letter at the same place is removed and added.
TEST_F(CompareTest, OtherLetterAtThePlaceIsRemovedAndAdded) {
  b->cell(3, 9, 2).letter = 'H';
  auto d = diff();
  ASSERT_EQ(d.size(), 2u) << formatDifferences(d);
  EXPECT_EQ(d[0].kind, Kind::ModuleRemoved);
  EXPECT_EQ(d[1].kind, Kind::ModuleAdded);
}

TEST_F(CompareTest, ListGroupsLoopsThenTheProject) {
  b->LoopSampleTime[2] = 20;
  b->LoopSampleTime[3] = 30;
  b->FWert[1] = 1;
  EXPECT_EQ(formatDifferences(diff()), "Regelkreis 2:\n"
                                       "  Abtastzeit 10 → 20\n"
                                       "Regelkreis 3:\n"
                                       "  Abtastzeit 10 → 30\n"
                                       "Projekt:\n"
                                       "  Konstante 1: 0 → 1\n");
}

// Only the padding bytes of a point differ: still listed, since the saved
// ".uhr" files differ.
TEST_F(CompareTest, PaddingOfASwitchPointIsListed) {
  b->switchPoint(1, 1).pad[1] = 7;
  EXPECT_EQ(only().text, "Schaltuhr 1 Punkt 1: (frei) → (frei) (andere Füllbytes)");
}

TEST(KindNames, OnePerKind) {
  EXPECT_EQ(kindName(Kind::ModuleAdded), "module_added");
  EXPECT_EQ(kindName(Kind::ConnectionRemoved), "connection_removed");
  EXPECT_EQ(kindName(Kind::ProjectData), "project_data");
}

} // namespace
} // namespace veltra::core
