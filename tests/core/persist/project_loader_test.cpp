#include "core/persist/project_loader.h"

#include "persist_test_util.h"

namespace veltra::core::test {
namespace {
namespace fs = std::filesystem;
using G = SignalGroup;

Bytes vtpNamed(std::string_view name) {
  return ByteImage().u8(name.size()).text(name).fill(242 - name.size(), 0).bytes();
}

class ProjectLoadTest : public ::testing::Test {
protected:
  TempDir dir;
  std::unique_ptr<Project> previous = newProject();
  fs::path vtr = dir / "anlage.vtr";

  ProjectLoadTest() {
    previous->switchPoint(3, 2).mask = 5;
    previous->ProjectData.projectName.assign("Alt");
    previous->FWert[1] = 4.0;
    previous->FWert[3] = 7.5;
    previous->ErrorTexts = {"", "Fehler 1"};
    previous->TextList = {"alt|||=10101"};
    previous->CurrentLoop = 5;
  }
  LoadedProject load() { return loadProject(*previous, VELTRA_PROGRAM_DIR, vtr); }
  void write(std::string_view name, const Bytes& b) const { writeBytes(dir / name, b); }
  // "anlage" with every file but the data sheet, written by hand.
  void writeFileSet() const {
    Bytes k = cellRecord({.letter = 'K', .height = 2, .part = 1, .text = "PI", .number = 3, .xe = 1, .ya = 2});
    k[3 + 1 + 2] = 'x'; // bytes after a text's length are kept
    k[25] = 0x55;       // so is the padding
    ByteImage loop9;
    loop9.i32(30).u8(4).u8(6).append(k).u8(4).u8(7).append(cellRecord({.letter = 'K', .height = 2, .part = 2}));
    loop9.u8(0xFF).i32(9).text("Kessel\r\n1");
    loop9.append(wireTable({{1, 0, 6, {{4, 6}}}})).append(wireTable({{2, 4, 6, {{8, 0}, {8, 3}}}}));
    // Cell entries run columns outer, rows inner; loops without modules are left out.
    write("anlage.vtr", vtrImage({{1, loopBody({{0, 6, {.text = "Aussen", .number = 2, .xa = 1}},
                                                {14, 0, {.letter = 'Q', .text = "Pumpe", .number = 9}}})},
                                  {9, loop9.bytes()},
                                  {200, loopBody({{5, 5, {.letter = 'F', .text = "Fest", .number = 17, .value = 21.5}}},
                                                 "", 2147483647)}}));
    std::string desc; // nine sections with their separators
    for (int count : {256, 256, 256, 32, 256, 256, 9216, 256, 256}) {
      for (int n = 1; n <= count; ++n)
        desc += (n % 7 == 0 ? "" : std::to_string(n * 7919) + " \xC4\xD6\xDC" + "abcdefgh") + "\r\n";
      desc += "--\r\n";
    }
    write("anlage.desc", toBytes(desc));
    ByteImage uhr;
    for (int i = 0; i < 5120; ++i)
      uhr.u8(static_cast<unsigned>(i * 31 + 7));
    write("anlage.uhr", uhr.bytes());
    write("anlage.txl", toBytes("Kessel|||=90406\r\n\r\na~b|c|=10000\r\n"));
  }
};

TEST_F(ProjectLoadTest, ModuleTextsFillTheTablesThenTheDescriptionFileOverrides) {
  write("anlage.vtr", vtrImage({{1, loopBody({{0, 0, {.text = "Modul f\xFCnf", .number = 5}},
                                              {0, 1, {.text = "Modul sechs", .number = 6}},
                                              {0, 2, {.text = "zu gross", .number = 257}},
                                              {2, 2, {.letter = 'S', .text = "Uhr", .number = 32}}})}}));
  write("anlage.desc", toBytes("d1\r\nd2\r\nd3\r\nd4\r\nd5\r\n--\r\n"));
  const auto loaded = load();
  const SignalTables& d = loaded.project->SignalDesc;
  EXPECT_EQ(std::tuple(d.text(G::E, 5), d.text(G::E, 6), d.text(G::E, 7), d.text(G::S, 32)),
            std::tuple("d5", "Modul sechs", previous->SignalDesc.text(G::E, 7), "Uhr"));
  EXPECT_EQ(loaded.project->cell(1, 0, 0).text.str(), "Modul f\xFCnf"); // the module keeps its own text
}

// Missing or short optional files keep what the previous project had; the
// text list, error codes, constants and the current loop are reset.
TEST_F(ProjectLoadTest, WithoutReadableOptionalFilesKeepsWhatLoadingDoesNotReset) {
  write("anlage.vtr", vtrImage({{2, loopBody({{1, 1, {.letter = 'K', .error = -2}},
                                              {0, 0, {.letter = 'F', .number = 5, .value = 2.0}},
                                              {0, 1, {.letter = 'F', .number = 0, .value = 8.0}}})}}));
  for (bool shortFiles : {false, true}) {
    if (shortFiles) {
      write("anlage.uhr", Bytes(5119, 0xAB));
      write("anlage.vtp", Bytes(242, 1));
      fs::create_directory(dir / "anlage.txl");
    }
    auto loaded = load();
    const Project& p = *loaded.project;
    // constant 0 is out of range and takes constant 1
    EXPECT_EQ(std::tuple(loaded.hasProjectData, p.switchPoint(3, 2).mask, p.ProjectData.projectName.str(), p.FWert[3],
                         p.FWert[5], p.cell(2, 0, 1).i32(0), p.cell(2, 0, 1).f64(8), p.cell(2, 1, 1).error),
              std::tuple(false, 5, "Alt", 7.5, 2.0, 1, 4.0, 0));
    EXPECT_EQ(std::tuple(p.ErrorTexts, p.TextList.size(), p.Modified, p.CurrentLoop),
              std::tuple(previous->ErrorTexts, 0u, false, 1));
  }
}

// The data sheet, the one file the hand-written round trip leaves out.
TEST_F(ProjectLoadTest, ReadsTheDataSheet) {
  write("anlage.vtr", vtrImage({}));
  write("anlage.vtp", vtpNamed("Neu"));
  auto loaded = load();
  EXPECT_EQ(std::tuple(loaded.hasProjectData, loaded.project->ProjectData.projectName.str()), std::tuple(true, "Neu"));
}

// A file set written by hand comes back byte for byte through load and save.
TEST_F(ProjectLoadTest, HandWrittenFileSetRoundTripsByteForByte) {
  writeFileSet();
  auto loaded = load();
  TempDir out;
  saveProject(*loaded.project, out / "kopie.vtr");
  for (const char* ext : {".vtr", ".uhr", ".desc", ".txl"})
    EXPECT_EQ(readFileBytes(out / (std::string("kopie") + ext)), readFileBytes(dir / (std::string("anlage") + ext)))
        << ext;
}

// Garbage in every table a load sets, except the never used entries 0.
void scribble(Project& p) {
  std::uint8_t next = 0x5A;
  auto fill = [&](void* data, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i)
      static_cast<std::uint8_t*>(data)[i] = next = static_cast<std::uint8_t>(next * 13 + 7);
  };
  fill(&p.Cells[1], kLoops * sizeof p.Cells[1]);
  for (int loop = 1; loop <= kLoops; ++loop) {
    fill(&p.XWires[loop][1], kWires * sizeof(TWire));
    fill(&p.YWires[loop][1], kWires * sizeof(TWire));
    p.LoopText[loop] = "alt " + std::to_string(loop);
    p.LoopSampleTime[loop] = -loop;
  }
  for (SignalGroup g : kAllGroups)
    for (SignalTables* t : {&p.SignalDesc, &p.SignalName})
      fill(t->group(g).subspan(1).data(), t->group(g).subspan(1).size_bytes());
  fill(&p.FWert, sizeof p.FWert);
  fill(&p.SwitchPrograms, sizeof p.SwitchPrograms);
  fill(&p.ProjectData, sizeof p.ProjectData);
  p.TextList.assign(40, std::string(50, 'x'));
  p.ErrorTexts = {"alt"};
  p.Modified = true;
  p.CurrentLoop = 77;
}

// Loading into the storage of the replaced project (scribbled over, or left
// by a failed load) gives what a load into a new project gives.
TEST_F(ProjectLoadTest, LoadIntoTheReplacedProjectEqualsALoadIntoANewOne) {
  writeFileSet();
  write("anlage.vtp", vtpNamed("Erst"));
  const Bytes second = vtrImage({{2, loopBody({{1, 1, {.letter = 'F', .number = 0, .value = 8.0}},
                                               {1, 2, {.letter = 'Q', .text = "Pumpe", .number = 7}}},
                                              "Zweit", 40)},
                                 {3, loopBody({{0, 0, {.letter = 'A', .text = "Stell", .number = 256}}})}});
  write("zweit.vtr", second);
  write("zweit.desc", toBytes("--\r\n--\r\n--\r\nUhr 1\r\n--\r\n"));
  write("zweit.txl", toBytes("z|||=20101\r\n"));
  write("nur.vtr", second); // without optional files
  write("kaputt.vtr", vtrImage({{1, loopBody({{0, 0, {}}})}, {201, loopBody({})}}));

  ProjectLoader loader;
  LoadedProject loaded = loader.load(*previous, VELTRA_PROGRAM_DIR, vtr);
  Project* storage = nullptr;
  for (const char* name : {"zweit.vtr", "kaputt.vtr", "anlage.vtr", "nur.vtr", "anlage.vtr"}) {
    SCOPED_TRACE(name);
    if (loaded.project) {
      scribble(*loaded.project);
      storage = loaded.project.get();
      loader.recycle(std::move(loaded.project));
    }
    if (name == std::string("kaputt.vtr")) { // the loader keeps the storage for the next load
      EXPECT_EQ(errorText([&] { loader.load(*previous, VELTRA_PROGRAM_DIR, dir / name); }),
                "Ungültige Regelkreisnummer 201 in Datei kaputt.vtr");
      continue;
    }
    loaded = loader.load(*previous, VELTRA_PROGRAM_DIR, dir / name);
    EXPECT_EQ(loaded.project.get(), storage);
    LoadedProject fresh = loadProject(*previous, VELTRA_PROGRAM_DIR, dir / name);
    EXPECT_EQ(loaded.hasProjectData, fresh.hasProjectData);
    expectSameProject(*loaded.project, *fresh.project);
  }
}

} // namespace
} // namespace veltra::core::test
