#include "persist/project_file_set.h"

#include "persist_test_util.h"
#include "util/file_io.h"

#include <gtest/gtest.h>

namespace veltra::core {
namespace {

using namespace test;
namespace fs = std::filesystem;

Bytes vtrImage(const std::vector<std::pair<std::int32_t, Bytes>>& records) {
  ByteImage b;
  b.i32(1);
  for (const auto& [loop, body] : records)
    b.i32(loop).append(body);
  b.i32(-32767);
  return b.bytes();
}

class ProjectLoadTest : public ::testing::Test {
protected:
  TempDir dir;
  std::unique_ptr<Project> previous = newProject();
  fs::path vtr = dir / "anlage.vtr";

  LoadedProject load() { return loadProject(*previous, kProgramDir, vtr); }
  void write(std::string_view name, const Bytes& b) const { writeBytes(dir / name, b); }
};

TEST_F(ProjectLoadTest, ModuleTextsFillTheTablesThenTheDescriptionFileOverrides) {
  write("anlage.vtr", vtrImage({{1, loopBody({{0, 0, {.text = "Modul f\xFCnf", .number = 5}},
                                              {0, 1, {.text = "Modul sechs", .number = 6}},
                                              {0, 2, {.text = "zu gross", .number = 257}},
                                              {2, 2, {.letter = 'S', .text = "Uhr", .number = 32}}})}}));
  write("anlage.desc", toBytes("d1\r\nd2\r\nd3\r\nd4\r\nd5\r\n--\r\n"));
  auto loaded = load();
  const Project& p = *loaded.project;
  EXPECT_EQ(p.SignalDesc.text(SignalGroup::E, 5), "d5");
  EXPECT_EQ(p.SignalDesc.text(SignalGroup::E, 6), "Modul sechs");
  EXPECT_EQ(p.SignalDesc.text(SignalGroup::E, 7), previous->SignalDesc.text(SignalGroup::E, 7));
  EXPECT_EQ(p.SignalDesc.text(SignalGroup::S, 32), "Uhr");
  EXPECT_EQ(p.cell(1, 0, 0).text.str(), "Modul f\xFCnf"); // the module keeps its own text
}

TEST_F(ProjectLoadTest, WithoutOptionalFilesKeepsWhatLoadingDoesNotReset) {
  previous->switchPoint(3, 2).mask = 5;
  previous->ProjectData.projectName.assign("Alt");
  previous->FWert[3] = 7.5;
  previous->ErrorTexts = {"", "Fehler 1"};
  previous->TextList = {"alt|||=10101"};
  previous->CurrentLoop = 5;
  write("anlage.vtr", vtrImage({{2, loopBody({{1, 1, {.letter = 'K', .error = -2}}})}}));
  auto loaded = load();
  const Project& p = *loaded.project;
  EXPECT_FALSE(loaded.hasProjectData);
  EXPECT_EQ(p.switchPoint(3, 2).mask, 5);
  EXPECT_EQ(p.ProjectData.projectName.str(), "Alt");
  EXPECT_EQ(p.FWert[3], 7.5);
  EXPECT_EQ(p.ErrorTexts, previous->ErrorTexts);
  EXPECT_TRUE(p.TextList.empty());
  EXPECT_EQ(p.cell(2, 1, 1).error, 0);
  EXPECT_FALSE(p.Modified);
  EXPECT_EQ(p.CurrentLoop, 1);
}

TEST_F(ProjectLoadTest, ReadsTheOptionalFiles) {
  write("anlage.vtr", vtrImage({}));
  ByteImage uhr;
  uhr.u8(1).fill(3, 0).i32(127).i32(22).i32(15).fill(5120 - 16, 0);
  write("anlage.uhr", uhr.bytes());
  ByteImage vtp;
  vtp.u8(3).text("Neu").fill(243 - 4, 0);
  write("anlage.vtp", vtp.bytes());
  write("anlage.txl", toBytes("a|b|c=10203\r\nd||=20000\r\n"));
  previous->TextList = {"alt|||=10101"};
  auto loaded = load();
  EXPECT_TRUE(loaded.hasProjectData);
  EXPECT_EQ(loaded.project->switchPoint(1, 1).hour, 22);
  EXPECT_EQ(loaded.project->ProjectData.projectName.str(), "Neu");
  EXPECT_EQ(loaded.project->TextList, (std::vector<std::string>{"a|b|c=10203", "d||=20000"}));
}

TEST_F(ProjectLoadTest, ShortOptionalFilesCountAsUnreadable) {
  write("anlage.vtr", vtrImage({}));
  write("anlage.uhr", Bytes(5119, 0xAB));
  write("anlage.vtp", Bytes(242, 1));
  fs::create_directory(dir / "anlage.txl");
  previous->switchPoint(1, 1).mask = 3;
  previous->ProjectData.town.assign("Ort");
  auto loaded = load();
  EXPECT_FALSE(loaded.hasProjectData);
  EXPECT_EQ(loaded.project->switchPoint(1, 1).mask, 3);
  EXPECT_EQ(loaded.project->ProjectData.town.str(), "Ort");
}

TEST_F(ProjectLoadTest, RebuildsTheConstantTable) {
  write("anlage.vtr", vtrImage({{1, loopBody({{0, 0, {.letter = 'F', .number = 5, .value = 1.0}},
                                              {0, 1, {.letter = 'F', .number = 0, .value = 8.0}}})},
                                {2, loopBody({{0, 0, {.letter = 'F', .number = 5, .value = 2.0}}})}}));
  previous->FWert[1] = 4.0;
  auto loaded = load();
  const Project& p = *loaded.project;
  EXPECT_EQ(p.FWert[5], 2.0);
  EXPECT_EQ(p.cell(1, 0, 0).f64(8), 2.0);
  EXPECT_EQ(p.cell(1, 0, 1).i32(0), 1);
  EXPECT_EQ(p.cell(1, 0, 1).f64(8), 4.0);
}

TEST_F(ProjectLoadTest, MissingOrDamagedControlLoopFileThrows) {
  EXPECT_EQ(errorText([&] { load(); }).rfind("Datei " + vtr.string() + " kann nicht geöffnet werden. ", 0), 0u);
  write("anlage.vtr", vtrImage({{1, loopBody({})}, {250, loopBody({})}}));
  EXPECT_EQ(errorText([&] { load(); }), "Ungültige Regelkreisnummer 250 in Datei anlage.vtr");
  write("anlage.vtr", Bytes{1, 0, 0, 0, 3, 0});
  EXPECT_EQ(errorText([&] { load(); }), "Stream-Lesefehler");
}

TEST_F(ProjectLoadTest, LoopWithoutModulesComesBackWithDefaults) {
  previous->LoopText[2] = "nur Text";
  previous->LoopSampleTime[2] = 90;
  saveProject(*previous, vtr);
  auto loaded = load();
  EXPECT_EQ(loaded.project->LoopText[2], " ");
  EXPECT_EQ(loaded.project->LoopSampleTime[2], 10);
}

// A file set written by hand comes back byte for byte through load and save.
TEST_F(ProjectLoadTest, HandWrittenFileSetRoundTripsByteForByte) {
  Bytes k = cellRecord({.letter = 'K', .height = 2, .part = 1, .text = "PI", .number = 3, .xe = 1, .ya = 2});
  k[3 + 1 + 2] = 'x'; // bytes after a text's length are kept
  k[25] = 0x55;       // so is the padding
  ByteImage loop9;
  loop9.i32(30).u8(4).u8(6).append(k).u8(4).u8(7).append(cellRecord({.letter = 'K', .height = 2, .part = 2}));
  loop9.u8(0xFF).i32(9).text("Kessel\r\n1");
  loop9.append(wireTable({{1, 0, 6, {{4, 6}}}})).append(wireTable({{2, 4, 6, {{8, 0}, {8, 3}}}}));
  write("anlage.vtr", vtrImage({{1, loopBody({{0, 6, {.text = "Aussen", .number = 2, .xa = 1}},
                                              {14, 0, {.letter = 'Q', .text = "Pumpe", .number = 9}}})},
                                {9, loop9.bytes()},
                                {200, loopBody({{5, 5, {.letter = 'F', .text = "Fest", .number = 17, .value = 21.5}}},
                                               "", 2147483647)}}));
  std::string desc;
  for (int count : {256, 256, 256, 32, 256, 256, 9216, 256, 256}) {
    for (int n = 1; n <= count; ++n)
      desc += (n % 7 == 0 ? ""
                          : std::to_string(n * 7919) + " \xC4\xD6\xDC"
                                                       "abcdefgh") +
              "\r\n";
    desc += "--\r\n";
  }
  write("anlage.desc", toBytes(desc));
  ByteImage uhr;
  for (int i = 0; i < 5120; ++i)
    uhr.u8(static_cast<unsigned>(i * 31 + 7));
  write("anlage.uhr", uhr.bytes());
  write("anlage.txl", toBytes("Kessel|||=90406\r\n\r\na~b|c|=10000\r\n"));

  auto loaded = load();
  TempDir out;
  saveProject(*loaded.project, out / "kopie.vtr");
  for (const char* ext : {".vtr", ".uhr", ".desc", ".txl"}) {
    SCOPED_TRACE(ext);
    EXPECT_EQ(readBytes(out / (std::string("kopie") + ext)), readBytes(dir / (std::string("anlage") + ext)));
  }
}

} // namespace
} // namespace veltra::core
