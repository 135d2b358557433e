#include "core/persist/vtr_reader.h"

#include "persist_test_util.h"

#include <cctype>
#include <random>

namespace veltra::core::test {
namespace {

// One project for all failing reads: a fresh one per truncation would cost
// the whole tables each time.
std::string errorOf(const Bytes& b) {
  static const auto p = std::make_unique<Project>();
  return errorText([&] { readVtr(b, "x.vtr", *p); });
}

// Cell records and connection tables land as stored, error codes too (the load sequence clears them).
TEST(VtrReader, ReadsRecordsSkipsLoopZeroAndStopsAtAnyNegativeNumber) {
  const CellValues k{.letter = 'K', .height = 2, .part = 1, .text = "Regler", .error = -2, .number = 7, .xe = 1};
  const std::vector<WireValues> x3 = {{1, 2, 2, {{4, 5}}}}, y200 = {{100, 14, 14, {{0, 0}, {1, 1}}}};
  Bytes b = vtrImage({{3, loopBody({{4, 5, k}}, "Vorlauf", 30, x3)},
                      {0, {}},
                      {200, loopBody({{14, 14, {.letter = 'Q'}}}, "", 10, {}, y200)}},
                     -1);
  b.insert(b.end(), {0xDE, 0xAD}); // trailing bytes are ignored
  auto p = std::make_unique<Project>();
  readVtr(b, "x.vtr", *p);
  auto holds = [](const void* at, const Bytes& b) { return std::memcmp(at, b.data(), b.size()) == 0; };
  EXPECT_TRUE(holds(&p->cell(3, 4, 5), cellRecord(k)));
  EXPECT_TRUE(holds(&p->XWires[3][1], wireTable(x3)) && holds(&p->YWires[200][1], wireTable(y200)));
  EXPECT_TRUE(p->cell(3, 4, 6).isEmpty());
  EXPECT_EQ(std::tie(p->LoopText[3], p->LoopSampleTime[3], p->LoopText[200]), std::tuple("Vorlauf", 30, ""));
  EXPECT_EQ(p->cell(200, 14, 14).letter, 'Q');
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
Bytes loop1(const std::vector<CellAt>& cells, const std::vector<WireValues>& x = {},
            const std::vector<WireValues>& y = {}) {
  return vtrImage({{1, loopBody(cells, " ", 10, x, y)}});
}

INSTANTIATE_TEST_SUITE_P(
    BadContent, VtrReaderRejects,
    ::testing::Values(
        std::pair{vtrImage({{1, loopBody({})}, {201, loopBody({})}}), "Ungültige Regelkreisnummer 201 in Datei x.vtr"},
        std::pair{loop1({{15, 0, {}}}), "Ungültige Zellposition (15, 0) in Datei x.vtr"},
        std::pair{loop1({{0, 15, {}}}), "Ungültige Zellposition (0, 15) in Datei x.vtr"},
        std::pair{withDescLength(-1), "Ungültige Beschreibungslänge -1 in Datei x.vtr"},
        std::pair{withDescLength(0x7FFFFFFF), "Stream-Lesefehler"},
        std::pair{loop1({{0, 0, {.xe = 101}}}), "Ungültige Verbindungsnummer 101 in Datei x.vtr"},
        std::pair{loop1({{0, 0, {.ya = -4}}}), "Ungültige Verbindungsnummer -4 in Datei x.vtr"},
        std::pair{loop1({}, {{7, 15, 0, {}}}), "Ungültige analoge Verbindung 7 in Datei x.vtr"},
        std::pair{loop1({}, {}, {{2, 0, 0, {{1, 1}, {3, 99}}}}), "Ungültige digitale Verbindung 2 in Datei x.vtr"}));

// What files in the field look like, however little they hold, loads as
// before; the first number after the version decides whether a file is a
// project at all. Read whole and in pieces of one byte, so that looking
// past the end mark works on both kinds of reader.
struct PlausibilityCase {
  const char* what;
  Bytes file;
  bool isProject;
};

class VtrPlausibility : public ::testing::TestWithParam<PlausibilityCase> {};

TEST_P(VtrPlausibility, RefusesOnlyWhatIsPlainlyNotAProject) {
  const PlausibilityCase& c = GetParam();
  const std::string expected = c.isProject ? "kein Fehler" : "Die Datei x.vtr ist keine Projektdatei.";
  EXPECT_EQ(errorOf(c.file), expected);
  auto p = std::make_unique<Project>();
  std::uint8_t buffer[1];
  ByteReader in(inPieces(c.file), buffer, "x.vtr");
  EXPECT_EQ(errorText([&] { readVtr(in, *p); }), expected);
}

Bytes with(Bytes b, const Bytes& more) {
  b.insert(b.end(), more.begin(), more.end());
  return b;
}
Bytes numbers(std::initializer_list<std::int32_t> values) {
  ByteImage b;
  for (std::int32_t v : values)
    b.i32(v);
  return b.bytes();
}
Bytes text(std::string_view s) { return Bytes(s.begin(), s.end()); }

INSTANTIATE_TEST_SUITE_P(
    Files, VtrPlausibility,
    ::testing::Values(
        PlausibilityCase{"empty project", vtrImage({}), true},
        PlausibilityCase{"empty project, other version", numbers({7, -32767}), true},
        PlausibilityCase{"empty project, other end mark", numbers({1, -1}), true},
        PlausibilityCase{"empty project after zeros", numbers({1, 0, 0, -32767}), true},
        PlausibilityCase{"only loop 1", vtrImage({{1, loopBody({{0, 0, {}}})}}), true},
        PlausibilityCase{"only loop 200", vtrImage({{200, loopBody({})}}), true},
        PlausibilityCase{"loop 1 after a zero", vtrImage({{0, {}}, {1, loopBody({})}}), true},
        PlausibilityCase{"loop 1, bytes after the end mark", with(vtrImage({{1, loopBody({})}}), {0, 0, 0, 7}), true},
        PlausibilityCase{"end mark, then a byte", with(vtrImage({}), {0}), false},
        PlausibilityCase{"end mark after zeros, then a loop", with(numbers({1, 0, -32767}), vtrImage({})), false},
        PlausibilityCase{"first loop 0x7FFFFFFF", numbers({1, 0x7FFFFFFF, -32767}), false},
        PlausibilityCase{"first loop 201", vtrImage({{201, loopBody({})}}), false},
        PlausibilityCase{"settings file", text("[VERZEICHNISSE]\r\nProjekt=VTRProjekte\r\n"), false},
        PlausibilityCase{"picture", with(text("\x89PNG\r\n\x1a\n"), Bytes(40, 0)), false}),
    [](const auto& info) {
      std::string name;
      for (char ch : std::string_view(info.param.what))
        name += std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
      return name;
    });

// A file of random bytes never loads as a project, whatever its length.
TEST(VtrPlausibility, RandomBytesAreRefused) {
  std::mt19937 random(9);
  for (int n = 0; n < 400; ++n) {
    Bytes b(8 + random() % 600);
    for (auto& byte : b)
      byte = static_cast<std::uint8_t>(random());
    EXPECT_NE(errorOf(b), "kein Fehler") << n;
  }
}

// A new file replaces every loop; a second record of a loop only
// overwrites; cell entries come in any order and may name a cell twice.
TEST(VtrReader, ReplacesEveryLoopAndLaterRecordsOverwrite) {
  auto p = std::make_unique<Project>(), expected = std::make_unique<Project>();
  readVtr(vtrImage({{2, loopBody({{0, 0, {}}, {5, 5, {}}}, "alt", 50)}, {7, loopBody({{1, 1, {}}})}}), "x.vtr", *p);
  p->XWires[9][3].src = {4, 4};
  readVtr(vtrImage({{2, loopBody({{7, 1, {.text = "a"}}, {2, 14, {.text = "b"}}, {7, 1, {.text = "c"}}}, "eins", 20)},
                    {2, loopBody({{5, 5, {.letter = 'Q'}}, {0, 14, {.text = "d"}}}, "neu", 60)}}),
          "x.vtr", *p);
  readVtr(vtrImage(
              {{2, loopBody(
                       {{7, 1, {.text = "c"}}, {2, 14, {.text = "b"}}, {5, 5, {.letter = 'Q'}}, {0, 14, {.text = "d"}}},
                       "neu", 60)}}),
          "x.vtr", *expected);
  expectSameProject(*p, *expected);
  EXPECT_EQ(std::tie(p->LoopText[7], p->LoopSampleTime[7]), std::tuple(" ", 10));
}

} // namespace
} // namespace veltra::core::test
