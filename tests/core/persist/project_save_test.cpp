#include "core/persist/project_file_set.h"

#include "core/model/module_ops.h"
#include "persist_test_util.h"

#include <csignal>
#include <sys/resource.h>

namespace veltra::core::test {
namespace {
namespace fs = std::filesystem;

class ProjectSaveTest : public ::testing::Test {
protected:
  TempDir dir;
  std::unique_ptr<Project> p = newProject();
  fs::path vtr = dir / "anlage.vtr";

  bool exists(std::string_view name) const { return fs::exists(dir / name); }
  long entries() const { return std::distance(fs::directory_iterator(dir.path()), {}); }
  static std::string cannotCreate(const fs::path& f) {
    return "Datei \"" + f.string() + "\" kann nicht erstellt werden. ";
  }
  std::string saveError(const fs::path& path) {
    p->Modified = true;
    return errorText([&] { saveProject(*p, path); });
  }
};

// A loop with a description but no modules is not written.
TEST_F(ProjectSaveTest, EmptyProjectStillWritesTheFourFilesButNoDataSheet) {
  p->LoopText[2] = "nur Text";
  EXPECT_EQ(saveError(vtr), "kein Fehler");
  EXPECT_EQ(readFileBytes(vtr), (Bytes{1, 0, 0, 0, 0x01, 0x80, 0xFF, 0xFF}));
  EXPECT_EQ(fs::file_size(dir / "anlage.uhr"), 5120u);
  EXPECT_EQ(splitLines(readFileText(dir / "anlage.desc")).size(), 11049u);
  EXPECT_EQ(fs::file_size(dir / "anlage.txl"), 0u);
  EXPECT_FALSE(exists("anlage.vtp"));
  EXPECT_EQ(entries(), 4);
  EXPECT_FALSE(p->Modified);
}

TEST_F(ProjectSaveTest, ClearsErrorCodesInTheModelAndTheFile) {
  ASSERT_TRUE(placeModule(*p, 4, 3, 3, 'K'));
  p->cell(4, 3, 3).error = -5;
  p->cell(120, 0, 0).error = -1; // also in empty cells of loops that are not written
  saveProject(*p, vtr);
  EXPECT_EQ(std::tie(p->cell(4, 3, 3).error, p->cell(120, 0, 0).error), std::tuple(0, 0));
  EXPECT_EQ(readFileBytes(vtr)[12 + 2 + 26], 0);
}

TEST_F(ProjectSaveTest, FailingFileStopsTheFilesAfterIt) {
  fs::create_directory(dir / "anlage.desc");
  EXPECT_EQ(saveError(vtr).rfind(cannotCreate(dir / "anlage.desc"), 0), 0u);
  EXPECT_TRUE(exists("anlage.vtr") && exists("anlage.uhr") && !exists("anlage.txl"));
  EXPECT_FALSE(p->Modified); // the control loops themselves were saved
}

TEST_F(ProjectSaveTest, FailingControlLoopFileKeepsModifiedAndWritesNothing) {
  const fs::path missing = dir / "fehlt" / "anlage.vtr";
  EXPECT_EQ(saveError(missing).rfind(cannotCreate(missing), 0), 0u);
  EXPECT_TRUE(p->Modified && entries() == 0);
}

// A full disk, played by the file size limit: the half-written new file
// must not replace the old one.
TEST_F(ProjectSaveTest, FailedWriteKeepsThePreviousFile) {
  saveProject(*p, vtr);
  const Bytes old = readFileBytes(vtr);
  ASSERT_TRUE(placeModule(*p, 1, 1, 1, 'K'));
  rlimit saved{};
  getrlimit(RLIMIT_FSIZE, &saved);
  auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small{1000, saved.rlim_max};
  setrlimit(RLIMIT_FSIZE, &small);
  const std::string msg = saveError(vtr);
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, oldHandler);
  EXPECT_EQ(msg.rfind(cannotCreate(vtr), 0), 0u);
  EXPECT_EQ(readFileBytes(vtr), old);
  EXPECT_TRUE(p->Modified && entries() == 4); // no temporary file left behind
}

} // namespace
} // namespace veltra::core::test
