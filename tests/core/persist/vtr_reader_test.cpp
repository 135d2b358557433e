#include "persist/vtr_reader.h"

#include "persist_test_util.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace veltra::core {
namespace {

using namespace test;

std::string errorOf(const Bytes& b) {
  auto p = std::make_unique<Project>();
  return errorText([&] { readVtr(b, "x.vtr", *p); });
}

TEST(VtrReader, ReadsRecordsSkipsLoopZeroAndStopsAtAnyNegativeNumber) {
  CellSpec k{.letter = 'K', .height = 2, .part = 1, .text = "Regler", .error = -2, .number = 7, .xe = 1};
  Bytes b = vtrImage({{3, loopBody({{4, 5, k}}, "Vorlauf", 30, {{1, 2, 2, {{4, 5}}}})},
                      {0, {}},
                      {200, loopBody({{14, 14, {.letter = 'Q'}}}, "", 10, {}, {{100, 14, 14, {{0, 0}, {1, 1}}}})}},
                     -1);
  b.insert(b.end(), {0xDE, 0xAD}); // trailing bytes are ignored
  auto p = std::make_unique<Project>();
  readVtr(b, "x.vtr", *p);
  const TCell& c = p->cell(3, 4, 5);
  EXPECT_EQ(std::make_tuple(c.letter, c.height, c.text.str(), c.i32(0), c.XE),
            std::make_tuple(std::uint8_t{'K'}, std::uint8_t{2}, std::string("Regler"), 7, 1));
  EXPECT_EQ(c.error, -2); // the load sequence clears it, not the reader
  EXPECT_TRUE(p->cell(3, 4, 6).isEmpty());
  EXPECT_EQ(p->LoopText[3], "Vorlauf");
  EXPECT_EQ(p->LoopSampleTime[3], 30);
  EXPECT_EQ(p->XWires[3][1].src.col, 2);
  EXPECT_EQ(p->XWires[3][1].dest[0].row, 5);
  EXPECT_TRUE(p->XWires[3][2].isFree());
  EXPECT_EQ(p->cell(200, 14, 14).letter, 'Q');
  EXPECT_EQ(p->LoopText[200], "");
  EXPECT_EQ(p->YWires[200][100].dest[1].col, 1);
  EXPECT_TRUE(p->loopIsEmpty(1));
}

TEST(VtrReader, EveryTruncationIsAStreamReadError) {
  Bytes full = vtrImage({{1, loopBody({{0, 0, {}}, {2, 3, {.letter = 'L'}}}, "abc")}, {0, {}}, {2, loopBody({})}});
  for (std::size_t n = 0; n < full.size(); ++n)
    EXPECT_EQ(errorOf(Bytes(full.begin(), full.begin() + static_cast<long>(n))), "Stream-Lesefehler") << n;
}

class VtrReaderRejects : public ::testing::TestWithParam<std::pair<Bytes, const char*>> {};

TEST_P(VtrReaderRejects, WithAClearMessage) { EXPECT_EQ(errorOf(GetParam().first), GetParam().second); }

Bytes withDescLength(std::int32_t len) {
  return ByteImage().i32(1).i32(1).i32(10).u8(0xFF).i32(len).text("abc").bytes();
}
Bytes loop1(const std::vector<CellAt>& cells, const std::vector<WireSpec>& x = {},
            const std::vector<WireSpec>& y = {}) {
  return vtrImage({{1, loopBody(cells, " ", 10, x, y)}});
}

INSTANTIATE_TEST_SUITE_P(
    BadContent, VtrReaderRejects,
    ::testing::Values(
        std::pair{vtrImage({{201, loopBody({})}}), "Ungültige Regelkreisnummer 201 in Datei x.vtr"},
        std::pair{vtrImage({{1, loopBody({})}, {250, loopBody({})}}), "Ungültige Regelkreisnummer 250 in Datei x.vtr"},
        std::pair{loop1({{15, 0, {}}}), "Ungültige Zellposition (15, 0) in Datei x.vtr"},
        std::pair{loop1({{0, 15, {}}}), "Ungültige Zellposition (0, 15) in Datei x.vtr"},
        std::pair{withDescLength(-1), "Ungültige Beschreibungslänge -1 in Datei x.vtr"},
        std::pair{withDescLength(0x7FFFFFFF), "Stream-Lesefehler"},
        std::pair{loop1({{0, 0, {.xe = 101}}}), "Ungültige Verbindungsnummer 101 in Datei x.vtr"},
        std::pair{loop1({{0, 0, {.ya = -4}}}), "Ungültige Verbindungsnummer -4 in Datei x.vtr"},
        std::pair{loop1({}, {{7, 15, 0, {}}}), "Ungültige analoge Verbindung 7 in Datei x.vtr"},
        std::pair{loop1({}, {}, {{2, 0, 0, {{1, 1}, {3, 99}}}}), "Ungültige digitale Verbindung 2 in Datei x.vtr"}));

TEST(VtrReader, FreeConnectionsAndUnusedSlotsMayHoldAnything) {
  Bytes body = loopBody({}, " ", 10, {{4, 1, 1, {{2, 2}}}});
  const Bytes tail = ByteImage().i32(-7).i32(123).bytes(); // dest 2 of connection 4: unused column, any row
  std::copy(tail.begin(), tail.end(), body.begin() + 4 + 1 + 4 + 1 + 3 * 168 + 16);
  auto p = std::make_unique<Project>();
  readVtr(vtrImage({{1, body}}), "x.vtr", *p);
  EXPECT_EQ(p->XWires[1][4].dest[1].row, 123);
}

// A new file replaces every loop; a second record of a loop only
// overwrites; cell entries come in any order and may name a cell twice.
TEST(VtrReader, ReplacesEveryLoopAndLaterRecordsOverwrite) {
  auto p = std::make_unique<Project>();
  readVtr(vtrImage({{2, loopBody({{0, 0, {}}, {5, 5, {}}}, "alt", 50)}, {7, loopBody({{1, 1, {}}})}}), "x.vtr", *p);
  p->XWires[9][3].src = {4, 4};
  readVtr(vtrImage({{2, loopBody({{7, 1, {.text = "a"}}, {2, 14, {.text = "b"}}, {7, 1, {.text = "c"}}}, "eins", 20)},
                    {2, loopBody({{5, 5, {.letter = 'Q'}}, {0, 14, {.text = "d"}}}, "neu", 60)}}),
          "x.vtr", *p);
  int used = 0;
  for (int col = 0; col < kCols; ++col)
    for (int row = 0; row < kRows; ++row)
      used += !p->cell(2, col, row).isEmpty();
  EXPECT_EQ(used, 4);
  EXPECT_TRUE(p->cell(2, 0, 0).isEmpty());
  const auto* bytes = reinterpret_cast<const char*>(&p->cell(2, 0, 0));
  EXPECT_EQ(std::string(bytes + 1, bytes + sizeof(TCell)), std::string(sizeof(TCell) - 1, '\0'));
  EXPECT_EQ(p->cell(2, 7, 1).text.str(), "c");
  EXPECT_EQ(p->cell(2, 2, 14).text.str(), "b");
  EXPECT_EQ(p->cell(2, 5, 5).letter, 'Q');
  EXPECT_EQ(p->LoopText[2], "neu");
  EXPECT_EQ(p->LoopSampleTime[2], 60);
  EXPECT_TRUE(p->loopIsEmpty(7));
  EXPECT_EQ(p->LoopText[7], " ");
  EXPECT_EQ(p->LoopSampleTime[7], 10);
  EXPECT_TRUE(p->XWires[9][3].isFree());
}

// Reading through a small buffer, refilled from the file piece by piece,
// gives what reading the whole image gives, wherever the pieces end.
class VtrReaderInPieces : public ::testing::TestWithParam<std::size_t> {};

TEST_P(VtrReaderInPieces, GivesTheSameProject) {
  const Bytes image = vtrImage(
      {{3,
        loopBody({{4, 5, {.letter = 'K', .text = "Regler", .number = 7, .xe = 1}}, {14, 14, {.letter = 'Q', .ya = 2}}},
                 std::string(300, 'd'), 30, {{1, 2, 2, {{4, 5}}}}, {{2, 14, 14, {{0, 0}, {1, 1}}}})},
       {0, {}},
       {200, loopBody({{0, 0, {}}})}});
  auto whole = std::make_unique<Project>(), pieces = std::make_unique<Project>();
  readVtr(image, "x.vtr", *whole);
  Bytes buffer(GetParam());
  std::size_t offset = 0;
  ByteReader in(
      [&](std::uint8_t* dst, std::size_t n) {
        n = std::min(n, image.size() - offset);
        std::copy_n(image.begin() + static_cast<long>(offset), n, dst);
        offset += n;
        return n;
      },
      buffer, "x.vtr");
  readVtr(in, *pieces);
  EXPECT_EQ(std::memcmp(&pieces->Cells, &whole->Cells, sizeof whole->Cells), 0);
  EXPECT_EQ(std::memcmp(&pieces->XWires, &whole->XWires, sizeof whole->XWires), 0);
  EXPECT_EQ(std::memcmp(&pieces->YWires, &whole->YWires, sizeof whole->YWires), 0);
  EXPECT_EQ(pieces->LoopText, whole->LoopText);
  EXPECT_EQ(pieces->LoopSampleTime, whole->LoopSampleTime);
}

INSTANTIATE_TEST_SUITE_P(BufferSizes, VtrReaderInPieces, ::testing::Values(1, 2, 7, 173, 175, 16800, 1 << 20));

} // namespace
} // namespace veltra::core
