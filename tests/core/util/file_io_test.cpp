#include "util/file_io.h"

#include "core/persist/persist_test_util.h"

#include <gtest/gtest.h>

namespace veltra::core {
namespace {

using namespace test;

TEST(FileReader, ReadsTheFileInPiecesAndThenNothing) {
  TempDir dir;
  writeBytes(dir / "a.bin", toBytes("0123456789"));
  FileReader file(dir / "a.bin");
  char piece[4];
  EXPECT_EQ(file.read(piece, 4), 4u);
  EXPECT_EQ(std::string(piece, 4), "0123");
  EXPECT_EQ(file.read(piece, 4), 4u);
  EXPECT_EQ(file.read(piece, 4), 2u);
  EXPECT_EQ(std::string(piece, 2), "89");
  EXPECT_EQ(file.read(piece, 4), 0u);
}

TEST(ReadFile, WholeFilesOfAnySize) {
  TempDir dir;
  for (std::size_t size : {0u, 1u, 65535u, 65536u, 65537u, 300000u}) {
    std::string text(size, 'a');
    for (std::size_t i = 0; i < size; ++i)
      text[i] = static_cast<char>('a' + i % 23);
    writeBytes(dir / "t.txt", toBytes(text));
    EXPECT_EQ(readFileText(dir / "t.txt"), text);
    EXPECT_EQ(readFileBytes(dir / "t.txt"), Bytes(text.begin(), text.end()));
  }
}

TEST(FileReader, MissingFileOrFolderCannotBeRead) {
  TempDir dir;
  const std::string prefix = "Datei " + (dir / "fehlt.vtr").string() + " kann nicht geöffnet werden. ";
  EXPECT_EQ(errorText([&] { FileReader file(dir / "fehlt.vtr"); }).rfind(prefix, 0), 0u);
  char piece[4];
  EXPECT_EQ(errorText([&] {
              FileReader(dir.path()).read(piece, 4);
            }).rfind("Datei " + dir.path().string() + " kann nicht geöffnet werden. ", 0),
            0u);
  EXPECT_EQ(errorText([&] { readFileBytes(dir.path()); }).rfind("Datei " + dir.path().string() + " kann nicht", 0), 0u);
}

} // namespace
} // namespace veltra::core
