#include "persist/vtr_reader.h"

#include "persist_test_util.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>

namespace veltra::core {
namespace {

using namespace test;

Bytes vtrImage(const std::vector<std::pair<std::int32_t, Bytes>>& records, std::int32_t end = -32767) {
  ByteImage b;
  b.i32(1);
  for (const auto& [loop, body] : records)
    b.i32(loop).append(body);
  b.i32(end);
  return b.bytes();
}

// The reader does not need empty loops, so one project serves every case.
Project& scratch() {
  static auto p = std::make_unique<Project>();
  return *p;
}

std::string errorOf(const Bytes& b) {
  return errorText([&] { readVtr(b, "x.vtr", scratch()); });
}

TEST(VtrReader, ReadsRecordsAndSkipsLoopNumberZero) {
  CellSpec k{.letter = 'K', .height = 2, .part = 1, .text = "Regler", .error = -2, .number = 7, .xe = 1};
  Bytes b = vtrImage({{3, loopBody({{4, 5, k}}, "Vorlauf", 30, {{1, 2, 2, {{4, 5}}}})},
                      {0, {}},
                      {200, loopBody({{14, 14, {.letter = 'Q'}}}, "", 10, {}, {{100, 14, 14, {{0, 0}, {1, 1}}}})}});
  auto p = std::make_unique<Project>();
  readVtr(b, "x.vtr", *p);

  const TCell& c = p->cell(3, 4, 5);
  EXPECT_EQ(c.letter, 'K');
  EXPECT_EQ(c.height, 2);
  EXPECT_EQ(c.text.str(), "Regler");
  EXPECT_EQ(c.error, -2); // the load sequence clears it, not the reader
  EXPECT_EQ(c.i32(0), 7);
  EXPECT_EQ(c.XE, 1);
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

TEST(VtrReader, AnyNegativeNumberEndsTheFileAndTrailingBytesAreIgnored) {
  Bytes b = vtrImage({{5, loopBody({{1, 1, {}}})}}, -1);
  b.insert(b.end(), {0xDE, 0xAD});
  auto p = std::make_unique<Project>();
  readVtr(b, "x.vtr", *p);
  EXPECT_EQ(p->cell(5, 1, 1).letter, 'E');
}

TEST(VtrReader, EveryTruncationIsAStreamReadError) {
  Bytes full = vtrImage({{1, loopBody({{0, 0, {}}, {2, 3, {.letter = 'L'}}}, "abc")}, {0, {}}, {2, loopBody({})}});
  for (std::size_t n = 0; n < full.size(); ++n) {
    SCOPED_TRACE(n);
    EXPECT_EQ(errorOf(Bytes(full.begin(), full.begin() + static_cast<long>(n))), "Stream-Lesefehler");
  }
}

struct BadCase {
  const char* name;
  std::function<Bytes()> image;
  const char* message;
};

class VtrReaderRejects : public ::testing::TestWithParam<BadCase> {};

TEST_P(VtrReaderRejects, WithAClearMessage) { EXPECT_EQ(errorOf(GetParam().image()), GetParam().message); }

Bytes withDescLength(std::int32_t len) {
  ByteImage b;
  b.i32(1).i32(1).i32(10).u8(0xFF).i32(len).text("abc");
  return b.bytes();
}

INSTANTIATE_TEST_SUITE_P(
    BadContent, VtrReaderRejects,
    ::testing::Values(BadCase{"Loop201",
                              [] {
                                return vtrImage({{201, loopBody({})}});
                              },
                              "Ungültige Regelkreisnummer 201 in Datei x.vtr"},
                      BadCase{"Loop250AfterGoodOne",
                              [] {
                                return vtrImage({{1, loopBody({})}, {250, loopBody({})}});
                              },
                              "Ungültige Regelkreisnummer 250 in Datei x.vtr"},
                      BadCase{"Column15",
                              [] {
                                return vtrImage({{1, loopBody({{15, 0, {}}})}});
                              },
                              "Ungültige Zellposition (15, 0) in Datei x.vtr"},
                      BadCase{"Row15",
                              [] {
                                return vtrImage({{1, loopBody({{0, 15, {}}})}});
                              },
                              "Ungültige Zellposition (0, 15) in Datei x.vtr"},
                      BadCase{"NegativeDescriptionLength", [] { return withDescLength(-1); },
                              "Ungültige Beschreibungslänge -1 in Datei x.vtr"},
                      BadCase{"HugeDescriptionLength", [] { return withDescLength(0x7FFFFFFF); }, "Stream-Lesefehler"},
                      BadCase{"ConnectionNumber101",
                              [] {
                                return vtrImage({{1, loopBody({{0, 0, {.xe = 101}}})}});
                              },
                              "Ungültige Verbindungsnummer 101 in Datei x.vtr"},
                      BadCase{"NegativeConnectionNumber",
                              [] {
                                return vtrImage({{1, loopBody({{0, 0, {.ya = -4}}})}});
                              },
                              "Ungültige Verbindungsnummer -4 in Datei x.vtr"},
                      BadCase{"AnalogSourceOutsideGrid",
                              [] {
                                return vtrImage({{1, loopBody({}, " ", 10, {{7, 15, 0, {}}})}});
                              },
                              "Ungültige analoge Verbindung 7 in Datei x.vtr"},
                      BadCase{"DigitalDestinationOutsideGrid",
                              [] {
                                return vtrImage({{1, loopBody({}, " ", 10, {}, {{2, 0, 0, {{1, 1}, {3, 99}}}})}});
                              },
                              "Ungültige digitale Verbindung 2 in Datei x.vtr"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(VtrReader, FreeConnectionsAndUnusedSlotsMayHoldAnything) {
  // Only used connection ends address cells; the rest is kept as stored.
  Bytes body = loopBody({}, " ", 10, {{4, 1, 1, {{2, 2}}}});
  ByteImage tail;
  tail.i32(-7).i32(123); // dest 2 of connection 4: unused column, any row
  std::copy(tail.bytes().begin(), tail.bytes().end(), body.begin() + 4 + 1 + 4 + 1 + 3 * 168 + 16);
  auto p = std::make_unique<Project>();
  readVtr(vtrImage({{1, body}}), "x.vtr", *p);
  EXPECT_EQ(p->XWires[1][4].dest[1].row, 123);
}

TEST(VtrReader, ReplacesEveryLoopOfTheProject) {
  auto p = std::make_unique<Project>();
  readVtr(vtrImage({{2, loopBody({{0, 0, {}}, {5, 5, {}}}, "alt", 50)}, {7, loopBody({{1, 1, {}}})}}), "x.vtr", *p);
  p->XWires[9][3].src = {4, 4};
  readVtr(vtrImage({{2, loopBody({{5, 5, {.letter = 'Q'}}}, "neu", 60)}}), "x.vtr", *p);
  EXPECT_TRUE(p->cell(2, 0, 0).isEmpty()); // not in the new record
  EXPECT_EQ(p->cell(2, 5, 5).letter, 'Q');
  EXPECT_EQ(p->LoopText[2], "neu");
  EXPECT_TRUE(p->loopIsEmpty(7));
  EXPECT_EQ(p->LoopText[7], " ");
  EXPECT_EQ(p->LoopSampleTime[7], 10);
  EXPECT_TRUE(p->XWires[9][3].isFree());
}

TEST(VtrReader, CellEntriesInAnyOrderAndNamedTwice) {
  auto p = std::make_unique<Project>();
  readVtr(vtrImage({{5, loopBody({{9, 9, {}}, {3, 3, {.text = "erst"}}}, "alt")}}), "x.vtr", *p);
  readVtr(vtrImage({{5, loopBody({{7, 1, {.text = "a"}},
                                  {2, 14, {.text = "b"}},
                                  {7, 1, {.text = "c"}},
                                  {3, 3, {.letter = 'Q'}},
                                  {0, 0, {.text = "d"}}})}}),
          "x.vtr", *p);
  int used = 0;
  for (int col = 0; col < kCols; ++col)
    for (int row = 0; row < kRows; ++row) {
      const TCell& c = p->cell(5, col, row);
      if (c.isEmpty()) {
        EXPECT_EQ(
            std::memcmp(reinterpret_cast<const char*>(&c) + 1, std::string(sizeof c - 1, '\0').data(), sizeof c - 1),
            0);
        continue;
      }
      ++used;
    }
  EXPECT_EQ(used, 4);
  EXPECT_EQ(p->cell(5, 7, 1).text.str(), "c");
  EXPECT_EQ(p->cell(5, 2, 14).text.str(), "b");
  EXPECT_EQ(p->cell(5, 3, 3).letter, 'Q');
  EXPECT_EQ(p->cell(5, 0, 0).text.str(), "d");
}

TEST(VtrReader, ASecondRecordOfALoopOnlyOverwrites) {
  auto p = std::make_unique<Project>();
  readVtr(vtrImage({{4, loopBody({{0, 0, {}}, {1, 1, {.text = "erst"}}}, "eins", 20)},
                    {4, loopBody({{1, 1, {.text = "dann"}}}, "zwei", 30)}}),
          "x.vtr", *p);
  EXPECT_EQ(p->cell(4, 0, 0).letter, 'E');
  EXPECT_EQ(p->cell(4, 1, 1).text.str(), "dann");
  EXPECT_EQ(p->LoopText[4], "zwei");
  EXPECT_EQ(p->LoopSampleTime[4], 30);
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
  auto whole = std::make_unique<Project>();
  readVtr(image, "x.vtr", *whole);
  auto pieces = std::make_unique<Project>();
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
