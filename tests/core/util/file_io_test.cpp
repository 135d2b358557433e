#include "core/util/file_io.h"

#include "tests/core/persist/persist_test_util.h"

namespace veltra::core::test {
namespace {

// Sizes around the pieces the reader works in; a missing file or a folder cannot be read.
TEST(ReadFile, WholeFilesOfAnySizeButNoFolderOrMissingFile) {
  TempDir dir;
  for (std::size_t size : {0u, 1u, 65535u, 65536u, 65537u, 300000u}) {
    Bytes bytes(size);
    for (std::size_t i = 0; i < size; ++i)
      bytes[i] = static_cast<std::uint8_t>('a' + i % 23);
    writeBytes(dir / "t.txt", bytes);
    EXPECT_EQ(readFileText(dir / "t.txt"), std::string(bytes.begin(), bytes.end()));
    EXPECT_EQ(readFileBytes(dir / "t.txt"), bytes);
  }
  auto opens = [](const std::filesystem::path& path, const std::string& error) {
    return error.rfind("Datei " + path.string() + " kann nicht geöffnet werden. ", 0) == 0;
  };
  EXPECT_TRUE(opens(dir / "fehlt.vtr", errorText([&] { FileReader file(dir / "fehlt.vtr"); })));
  char piece[4];
  EXPECT_TRUE(opens(dir.path(), errorText([&] { FileReader(dir.path()).read(piece, 4); })));
  EXPECT_EQ(errorText([&] { readFileBytes(dir.path()); }).rfind("Datei " + dir.path().string() + " kann nicht", 0), 0u);
}

// The reason after the message comes from our own German table, whatever
// the C library would say.
TEST(FileErrors, EndWithTheGermanReason) {
  TempDir dir;
  writeBytes(dir / "datei", {1});
  const std::string tooLong(300, 'x');
  char piece[4];
  const std::pair<std::string, std::string> cases[] = {
      {errorText([&] { readFileBytes(dir / "fehlt.vtr"); }), "Die Datei oder der Ordner ist nicht vorhanden."},
      {errorText([&] { FileReader(dir.path()).read(piece, 4); }), "Der Name bezeichnet einen Ordner, keine Datei."},
      {errorText([&] { readFileBytes(dir / "datei" / "x.vtr"); }), "Ein Teil des Pfades ist kein Ordner."},
      {errorText([&] { writeFileAtomic(dir / "fehlt" / "x.vtr", "v"); }),
       "Die Datei oder der Ordner ist nicht vorhanden."},
      {errorText([&] { writeFileAtomic(dir / tooLong, "v"); }), "Der Dateiname oder Pfad ist zu lang."},
  };
  for (const auto& [error, reason] : cases)
    EXPECT_TRUE(error.ends_with(" werden. " + reason)) << error;
}

} // namespace
} // namespace veltra::core::test
