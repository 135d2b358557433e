#include "core/model/connection_ops.h"
#include "core/print/page_writer.h"
#include "core/print/report_builder.h"
#include "core/print/report_dump.h"
#include "tests/core/print/print_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace veltra::core {
namespace {

using print_test::kMetrics;
using print_test::newProject;
using print_test::put;

// A4 at 300 dpi: margin 248, lines of 84, text ends before y 3012.
constexpr int kMargin = 248;
constexpr int kLine = 84;

PrintOptions only(bool projectData, bool loops, bool crossReferences, bool signalLists) {
  PrintOptions o;
  o.projectData = projectData;
  o.loops = loops;
  o.crossReferences = crossReferences;
  o.signalLists = signalLists;
  return o;
}

Report build(Project& p, const PrintOptions& options) {
  return buildReport(p, print_test::testLists(), kMetrics, options);
}

const PageText* findText(const ReportPage& page, const std::string& text) {
  for (const PageText& t : page.texts)
    if (t.text == text) return &t;
  return nullptr;
}

// The pages of a section title, in order.
std::vector<const ReportPage*> pagesOf(const Report& r, const std::string& title) {
  std::vector<const ReportPage*> pages;
  for (const ReportPage& page : r.pages)
    if (page.title == title) pages.push_back(&page);
  return pages;
}

std::vector<std::string> textsOf(const Report& r, const std::string& title) {
  std::vector<std::string> texts;
  for (const ReportPage* page : pagesOf(r, title))
    for (std::size_t k = 2; k < page->texts.size(); ++k) // after the header
      texts.push_back(page->texts[k].text);
  return texts;
}

class ReportTest : public ::testing::Test {
protected:
  void SetUp() override {
    p = newProject();
    p->resetLoops();
    p->ProjectData.designation.assign("HZG-7");
  }
  std::unique_ptr<Project> p;
};

TEST_F(ReportTest, ProjectDataPageHasHeaderAndSevenFieldLines) {
  TProjectData& d = p->ProjectData;
  d.projectName.assign("Schule S\xfc"
                       "d");
  d.engineer.assign("M. Berg");
  d.date.assign("03.02.2024");
  d.customer.assign("Stadt");
  d.street.assign("Ring 4");
  d.postalCode.assign("12345");
  d.town.assign("Ort");
  const Report r = build(*p, only(true, false, false, false));
  ASSERT_EQ(r.pages.size(), 1u);
  const ReportPage& page = r.pages[0];
  EXPECT_EQ(page.number, 1);
  ASSERT_EQ(page.texts.size(), 9u);
  EXPECT_EQ(page.texts[0].text, "Projekt: HZG-7  Seite: 1");
  EXPECT_EQ(std::make_pair(page.texts[0].x, page.texts[0].y), std::make_pair(kMargin, kMargin));
  EXPECT_EQ(page.texts[1].text, "Projektdaten");
  EXPECT_EQ(page.texts[1].y, kMargin + kLine);
  const std::vector<std::string> lines = {"Projektname: Schule Süd", "Bezeichnung: HZG-7", "Bearbeiter : M. Berg",
                                          "Datum      : 03.02.2024", "Kunde      : Stadt", "Strasse    : Ring 4",
                                          "Plz, Ort   : 12345  Ort"};
  for (std::size_t k = 0; k < lines.size(); ++k) {
    EXPECT_EQ(page.texts[k + 2].text, lines[k]);
    EXPECT_EQ(page.texts[k + 2].y, kMargin + 13 * kLine + static_cast<int>(k) * kLine);
  }
}

TEST(PageWriter, BreaksBeforeTheLineThatReachesTheEndAndNumbersEveryHeader) {
  PageWriter w({}, kMetrics, "P");
  w.startSection("Regelkreise");
  for (int k = 0; k < 31; ++k)
    w.DruckeText(kMargin, "Zeile " + std::to_string(k), true);
  const std::vector<ReportPage>& pages = w.pages();
  ASSERT_EQ(pages.size(), 2u);
  // Lines from y 500 in steps of 84: y 2936 is the last before 3012.
  EXPECT_EQ(pages[0].texts.back().text, "Zeile 29");
  EXPECT_EQ(pages[0].texts.back().y, 2936);
  EXPECT_EQ(pages[1].number, 2);
  EXPECT_EQ(pages[1].texts[0].text, "Projekt: P  Seite: 2");
  EXPECT_EQ(pages[1].texts[1].text, "Regelkreise");
  EXPECT_EQ(pages[1].texts[2].text, "Zeile 30");
  EXPECT_EQ(pages[1].texts[2].y, kMargin + 3 * kLine);
  EXPECT_EQ(w.DruckeText(100, "abc", false), 100 + 3 * 23);
}

TEST_F(ReportTest, OnlyCrossReferencesStartWithTheirHeader) {
  put(*p, 2, 4, 1, 'E').setI32(0, 3);
  const Report r = build(*p, only(false, false, true, false));
  ASSERT_FALSE(r.pages.empty());
  EXPECT_EQ(r.pages[0].title, "Quervereise");
  EXPECT_EQ(r.pages[0].texts[0].text, "Projekt: HZG-7  Seite: 1");
  EXPECT_EQ(r.pages[0].texts[1].text, "Quervereise");
  EXPECT_TRUE(pagesOf(r, "Projektdaten").empty());
}

TEST_F(ReportTest, CrossReferenceLinesListLoopColumnRowPerUseAndCloseEachGroup) {
  put(*p, 2, 4, 1, 'E').setI32(0, 3);
  put(*p, 9, 0, 0, 'E').setI32(0, 3);
  put(*p, 1, 2, 2, 'E').setI32(0, 1);
  put(*p, 5, 1, 1, 'S').setI32(0, 32);
  put(*p, 3, 0, 0, 'V').setI32(0, 9216);
  put(*p, 3, 2, 0, 'F').setI32(0, 1); // constants are not cross-referenced
  const std::vector<std::string> expected = {"E1: 1:2:2  ",       "E3: 2:4:1  9:0:0  ", std::string(31, '-'),
                                             "V9216: 3:0:0  ",    std::string(31, '-'), "S32: 5:1:1  ",
                                             std::string(31, '-')};
  EXPECT_EQ(textsOf(build(*p, only(false, false, true, false)), "Quervereise"), expected);
}

TEST_F(ReportTest, LongCrossReferenceLinesWrapUnderTheFirstUse) {
  for (int loop = 1; loop <= 40; ++loop)
    put(*p, loop, 10, 12, 'Q').setI32(0, 7);
  const Report r = build(*p, only(false, false, true, false));
  const ReportPage& page = *pagesOf(r, "Quervereise").at(0);
  std::vector<const PageText*> entry;
  for (const PageText& t : page.texts)
    if (t.text.find(":10:12") != std::string::npos) entry.push_back(&t);
  ASSERT_GT(entry.size(), 1u);
  EXPECT_EQ(entry[0]->text.rfind("Q7: 1:10:12  2:10:12", 0), 0u);
  EXPECT_EQ(entry[0]->x, kMargin);
  std::string all;
  for (const PageText* t : entry) {
    if (t != entry[0]) {
      EXPECT_EQ(t->x, kMargin + 4 * 23) << t->text; // under "1:10:12"
    }
    std::string trimmed = t->text;
    while (trimmed.back() == ' ')
      trimmed.pop_back();
    EXPECT_LE(t->x + kMetrics.width(trimmed, TextStyle::Normal), 2480 - kMargin) << t->text;
    all += t->text;
  }
  // Nothing lost, nothing doubled.
  std::string expected = "Q7: ";
  for (int loop = 1; loop <= 40; ++loop)
    expected += std::to_string(loop) + ":10:12  ";
  EXPECT_EQ(all, expected);
}

TEST_F(ReportTest, SignalListsPrintUsedGroupsUpToTheirHighestNumberButNeverV) {
  put(*p, 1, 0, 0, 'E').setI32(0, 3);
  put(*p, 4, 0, 0, 'E').setI32(0, 2);
  put(*p, 1, 2, 0, 'V').setI32(0, 5);
  put(*p, 1, 4, 0, 'I').setI32(0, -4); // only a damaged file has one: no rows
  p->SignalDesc.at(SignalGroup::E, 3)
      ->assign("Au\xdf"
               "en");
  const Report r = build(*p, only(false, false, false, true));
  const auto pages = pagesOf(r, "Signallisten");
  ASSERT_EQ(pages.size(), 1u);
  ASSERT_EQ(pages[0]->grids.size(), 1u);
  const PageGrid& g = pages[0]->grids[0];
  ASSERT_EQ(g.rows.size(), 4u);
  EXPECT_EQ(g.rows[0], (std::array<std::string, 3>{"Nr.", "Signal", "Beschreibung"}));
  EXPECT_EQ(g.rows[3], (std::array<std::string, 3>{"3", "", "Außen"}));
  // 100 points left, row height 19 and column widths 51/171/171 "pixels",
  // padding 3, all at 0.7 of 300/72.
  EXPECT_EQ(g.x, 292);
  EXPECT_EQ(g.rowHeight, 55);
  EXPECT_EQ(g.columnWidths, (std::array<int, 3>{149, 499, 499}));
  EXPECT_EQ(g.padding, 9);
  EXPECT_EQ(g.fontPoints, 8);
  EXPECT_NE(findText(*pages[0], "E - analoger Eingang"), nullptr);
}

TEST_F(ReportTest, NoSignalListSectionWithoutSignalModules) {
  put(*p, 1, 0, 0, 'R');
  put(*p, 1, 2, 0, 'V');
  EXPECT_TRUE(build(*p, only(false, false, false, true)).pages.empty());
}

TEST_F(ReportTest, SignalGroupsStackWithoutOverlapAndLongGroupsContinueOnNewPages) {
  put(*p, 1, 0, 0, 'A').setI32(0, 10);
  put(*p, 1, 1, 0, 'E').setI32(0, 20);
  put(*p, 1, 2, 0, 'M').setI32(0, 300); // above the range: up to 256
  const Report r = build(*p, only(false, false, false, true));
  std::vector<std::pair<int, const PageGrid*>> grids; // page index, grid
  for (std::size_t k = 0; k < r.pages.size(); ++k)
    for (const PageGrid& g : r.pages[k].grids)
      grids.emplace_back(static_cast<int>(k), &g);
  // A, E share page 1; M needs 6 blocks of 50 from a new page.
  ASSERT_EQ(grids.size(), 8u);
  EXPECT_EQ(grids[0].first, grids[1].first);
  EXPECT_LE(grids[0].second->y + grids[0].second->height(), grids[1].second->y - kLine);
  int rows = 0;
  for (std::size_t k = 2; k < grids.size(); ++k) {
    EXPECT_EQ(grids[k].first, static_cast<int>(k) - 1) << "block " << k;
    EXPECT_LE(grids[k].second->rows.size(), 51u);
    EXPECT_LE(grids[k].second->y + grids[k].second->height(), 3508 - kMargin / 2);
    EXPECT_EQ(grids[k].second->rows[0][0], "Nr.");
    rows += static_cast<int>(grids[k].second->rows.size()) - 1;
  }
  EXPECT_EQ(rows, 256);
  EXPECT_EQ(grids.back().second->rows.back()[0], "256");
  // Every page of the section carries its header.
  for (const ReportPage& page : r.pages)
    EXPECT_EQ(page.texts[1].text, "Signallisten");
}

TEST_F(ReportTest, LoopPagePlacesPictureNumberSampleTimeAndDescription) {
  put(*p, 3, 0, 0, 'R');
  p->LoopText[3] = "Heizkreis Nord\r\nzweite Zeile";
  p->LoopSampleTime[3] = 30;
  const Report r = build(*p, only(false, true, false, false));
  ASSERT_EQ(r.pages.size(), 2u);
  const ReportPage& first = r.pages[0];
  ASSERT_EQ(first.pictures.size(), 1u);
  EXPECT_EQ(first.pictures[0].loop, 3);
  EXPECT_EQ(first.pictures[0].x, kMargin);
  EXPECT_EQ(first.pictures[0].y, kMargin + 3 * kLine);
  EXPECT_EQ(first.pictures[0].side, 2480 - 2 * kMargin);
  const int below = kMargin + 3 * kLine + 2480 - kMargin;
  const PageText* number = findText(first, "Regelkreis 3");
  ASSERT_NE(number, nullptr);
  EXPECT_EQ(number->y, below);
  EXPECT_EQ(number->style, TextStyle::Bold);
  const PageText* time = findText(first, "Abtastzeit: 30 s");
  ASSERT_NE(time, nullptr);
  EXPECT_TRUE(time->alignRight);
  EXPECT_EQ(findText(first, "Heizkreis Nord")->y, below + kLine);
  EXPECT_EQ(findText(first, "zweite Zeile")->y, below + 2 * kLine);
  EXPECT_EQ(r.printedLoops, std::vector<int>{3});
}

TEST_F(ReportTest, ThreeRowModulePrintsOneBlockAndOneSeparator) {
  put(*p, 1, 4, 2, 'R');
  const std::vector<std::string> listing = textsOf(build(*p, only(false, true, false, false)), "Regelkreise");
  const std::vector<std::string> expected = {"Modul: R - Regler   x: 4  y: 2", "Regler",
                                             "P-Band: 10.000  Nachstellzeit [s]: 200.000",
                                             "Vorhaltezeit [s]: 50.000  Verstärkung: 1.000", std::string(42, '-')};
  ASSERT_GE(listing.size(), expected.size());
  EXPECT_TRUE(std::equal(expected.begin(), expected.end(), listing.end() - static_cast<long>(expected.size())));
  EXPECT_EQ(std::count(listing.begin(), listing.end(), std::string(42, '-')), 1);
}

TEST_F(ReportTest, ListingVisitsColumnsThenRows) {
  put(*p, 1, 2, 0, 'F');
  put(*p, 1, 0, 5, 'H');
  put(*p, 1, 0, 1, 'M');
  std::vector<std::string> headings;
  for (const std::string& t : textsOf(build(*p, only(false, true, false, false)), "Regelkreise"))
    if (t.rfind("Modul: ", 0) == 0) headings.push_back(t.substr(7, 1));
  EXPECT_EQ(headings, (std::vector<std::string>{"M", "H", "F"}));
}

TEST_F(ReportTest, ConnectionLinesShowTheNumbersOfTheTableGeneration) {
  TCell& e = put(*p, 2, 0, 0, 'E');
  e.setI32(0, 1);
  put(*p, 2, 3, 0, 'A');
  ASSERT_TRUE(addDestination(*p, 2, true, 3, 0, 0, 3, 0));
  PrintOptions o = only(false, true, false, false);
  o.connections = true;
  const std::vector<std::string> listing = textsOf(build(*p, o), "Regelkreise");
  // Connection 3 of loop 2 is 103 to the controller.
  EXPECT_NE(std::find(listing.begin(), listing.end(), "   --- Out X103"), listing.end());
  EXPECT_NE(std::find(listing.begin(), listing.end(), "In X103 --- Out X0"), listing.end());
}

TEST_F(ReportTest, EveryLoopAfterTheFirstStartsANewPageAndTheFirstSharesTheSectionPage) {
  put(*p, 2, 0, 0, 'R'); // loop 1 is empty
  put(*p, 7, 0, 0, 'G');
  const Report r = build(*p, only(false, true, false, false));
  ASSERT_EQ(r.printedLoops, (std::vector<int>{2, 7}));
  ASSERT_EQ(r.pages.size(), 4u);
  EXPECT_EQ(r.pages[0].pictures.at(0).loop, 2);
  EXPECT_TRUE(r.pages[1].pictures.empty());
  EXPECT_EQ(r.pages[2].pictures.at(0).loop, 7);
  for (int k = 0; k < 4; ++k)
    EXPECT_EQ(r.pages[static_cast<std::size_t>(k)].number, k + 1);
}

TEST_F(ReportTest, WithoutAllOnlyTheNamedLoopAndNothingWhenItIsEmpty) {
  put(*p, 2, 0, 0, 'R');
  put(*p, 5, 0, 0, 'G');
  PrintOptions o = only(false, true, false, false);
  o.allLoops = false;
  o.loop = 5; // not the one the editor shows
  EXPECT_EQ(build(*p, o).printedLoops, std::vector<int>{5});
  o.loop = 3;
  const Report r = build(*p, o);
  EXPECT_TRUE(r.printedLoops.empty());
  EXPECT_TRUE(r.pages.empty());
}

TEST_F(ReportTest, SectionsFollowInFixedOrderEachOnANewPage) {
  put(*p, 1, 0, 0, 'E');
  const Report r = build(*p, PrintOptions{});
  std::vector<std::string> titles;
  for (const ReportPage& page : r.pages)
    if (titles.empty() || titles.back() != page.title) titles.push_back(page.title);
  EXPECT_EQ(titles, (std::vector<std::string>{"Projektdaten", "Regelkreise", "Quervereise", "Signallisten"}));
  EXPECT_TRUE(build(*p, only(false, false, false, false)).pages.empty());
}

TEST_F(ReportTest, ContentsListSectionsAndLoopsWithTheirPages) {
  put(*p, 2, 0, 0, 'E').setI32(0, 1);
  put(*p, 9, 0, 0, 'A').setI32(0, 1);
  p->LoopText[9] = " \r\nKessel";
  PrintOptions o;
  o.contents = true;
  const Report r = build(*p, o);
  ASSERT_GT(r.pages.size(), 2u);
  const ReportPage& toc = r.pages[0];
  EXPECT_EQ(toc.title, "Inhalt");
  EXPECT_EQ(toc.number, 1);
  // The body is numbered after the contents.
  EXPECT_EQ(r.pages[1].number, 2);
  EXPECT_EQ(r.pages[1].texts[0].text, "Projekt: HZG-7  Seite: 2");
  auto pageOf = [&](auto&& has) {
    for (const ReportPage& page : r.pages)
      if (has(page)) return page.number;
    return 0;
  };
  auto numberAfter = [&](const std::string& label) {
    const PageText* t = findText(toc, label);
    EXPECT_NE(t, nullptr) << label;
    if (t == nullptr) return std::string();
    for (const PageText& n : toc.texts)
      if (n.alignRight && n.y == t->y) return n.text;
    return std::string();
  };
  EXPECT_EQ(numberAfter("Projektdaten"), "Seite 2");
  EXPECT_EQ(numberAfter("Regelkreise"), "Seite 3");
  EXPECT_EQ(numberAfter("Regelkreis 9  Kessel"), "Seite " + std::to_string(pageOf([](const ReportPage& pg) {
                                                   return !pg.pictures.empty() && pg.pictures[0].loop == 9;
                                                 })));
  EXPECT_EQ(numberAfter("Querverweise"),
            "Seite " + std::to_string(pageOf([](const ReportPage& pg) { return pg.title == "Quervereise"; })));
  EXPECT_EQ(numberAfter("Signallisten"),
            "Seite " + std::to_string(pageOf([](const ReportPage& pg) { return pg.title == "Signallisten"; })));
}

TEST_F(ReportTest, ContentsCutALongDescriptionToItsLine) {
  put(*p, 4, 0, 0, 'E');
  std::string description = "Kessel";
  for (int k = 0; k < 300; ++k)
    description += "\xe4"; // "ä" in code page 1252
  p->LoopText[4] = description;
  PrintOptions o = only(false, true, false, false);
  o.contents = true;
  const Report r = build(*p, o);
  const PageText* label = nullptr;
  for (const PageText& t : r.pages.at(0).texts)
    if (t.text.rfind("Regelkreis 4  Kessel", 0) == 0) label = &t;
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->text.substr(label->text.size() - 7), "ää…"); // whole code points
  EXPECT_LT(label->x + kMetrics.width(label->text, TextStyle::Normal),
            2480 - kMargin - kMetrics.width("Seite 2", TextStyle::Normal));
}

TEST(WrapText, BreaksAtBlanksAndSplitsOverlongWords) {
  const FixedPitchMetrics m{10, 10};
  EXPECT_EQ(wrapText("eins zwei drei", 90, m), (std::vector<std::string>{"eins zwei", "drei"}));
  EXPECT_EQ(wrapText("abcdefghijkl", 50, m), (std::vector<std::string>{"abcde", "fghij", "kl"}));
  EXPECT_EQ(wrapText("äöüäöü", 30, m), (std::vector<std::string>{"äöü", "äöü"}));
  EXPECT_EQ(wrapText(" ", 30, m), std::vector<std::string>{" "});
}

TEST_F(ReportTest, DumpShowsPagesAndItemsInReadingOrder) {
  put(*p, 1, 0, 0, 'E').setI32(0, 2);
  p->SignalDesc.at(SignalGroup::E, 2)->assign("Vorlauf");
  const std::string dump = dumpReport(build(*p, only(false, true, false, true)));
  EXPECT_NE(dump.find("=== Seite 1: Regelkreise ===\n  248   248 Projekt: HZG-7  Seite: 1\n"), std::string::npos)
      << dump;
  EXPECT_NE(dump.find("  500   248 [Regelkreis 1: 1984 x 1984]\n"), std::string::npos) << dump;
  EXPECT_NE(dump.find(">2232 Abtastzeit: 10 s\n"), std::string::npos) << dump;
  EXPECT_NE(dump.find("| 2 |  | Vorlauf |"), std::string::npos) << dump;
}

} // namespace
} // namespace veltra::core
