// The pictures the build wrote into the program folder: every file the
// program loads is there under its exact name, is a well-formed 24-bit
// bitmap of the right size, and holds what the painters paint (whose
// content the painter tests check).
#include "artwork_writer.h"
#include "bmp_test_reader.h"
#include "design_style.h"
#include "icon_painter.h"
#include "symbol_painter.h"
#include "tile_painter.h"
#include "toolbar_painter.h"

#include "modules/catalogue.h"
#include "util/error.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <unistd.h>

namespace veltra::artgen {
namespace {

namespace fs = std::filesystem;

const fs::path kProgramDir = VELTRA_PROGRAM_DIR;

void expectFile(const fs::path& path, const Image& painted) {
  ASSERT_TRUE(fs::exists(path)) << path;
  std::string why;
  const auto img = testing::decodeBmp(testing::readBytes(path), why);
  ASSERT_TRUE(img) << path << ": " << why;
  EXPECT_TRUE(testing::sameImage(*img, painted)) << path;
}

TEST(ArtworkFiles, DesignFoldersHoldEverySymbol) {
  std::set<std::string> folders;
  for (const auto& entry : fs::directory_iterator(kProgramDir / "designs"))
    folders.insert(entry.path().filename());
  EXPECT_EQ(folders, (std::set<std::string>{"Standard", "Kontrast"}));

  for (const DesignStyle* style : allDesigns()) {
    const fs::path dir = kProgramDir / "designs" / std::string(style->folder);
    for (const core::ModuleType& t : core::allModuleTypes()) {
      const std::string letter(1, t.letter);
      expectFile(dir / ("Mod" + letter + ".bmp"), paintModuleSymbol(t, false, *style));
      expectFile(dir / ("IMod" + letter + ".bmp"), paintModuleSymbol(t, true, *style));
    }
    for (char d = '0'; d <= '9'; ++d)
      expectFile(dir / ("Mod" + std::string(1, d) + ".bmp"), paintDigitSymbol(d, *style));
  }
}

TEST(ArtworkFiles, SymbolHeightsComeFromTheCatalogue) {
  for (const core::ModuleType& t : core::allModuleTypes()) {
    std::string why;
    const auto img = testing::decodeBmp(
        testing::readBytes(kProgramDir / "designs" / "Standard" / symbolFileName(t.letter, false)), why);
    ASSERT_TRUE(img) << t.letter << ": " << why;
    EXPECT_EQ(img->width(), 35) << t.letter;
    EXPECT_EQ(img->height(), 35 * t.height) << t.letter;
  }
  // Spot checks against the height table: R three rows, J and W five, N four.
  for (const auto& [letter, rows] : {std::pair{'R', 3}, {'J', 5}, {'W', 5}, {'N', 4}, {'B', 2}, {'A', 1}})
    EXPECT_EQ(core::moduleType(letter)->height, rows) << letter;
}

TEST(ArtworkFiles, TilesLieInTheProgramFolderUnderTheirExactNames) {
  const char* const names[] = {"v0", "v1", "v2",  "v3",  "v4",  "v5",  "v6", "v7",
                               "v8", "v9", "v10", "v11", "v12", "V13", "V14"};
  for (int n = 0; n < kTileCount; ++n) {
    expectFile(kProgramDir / (std::string(names[n]) + ".bmp"), paintTile(n, false));
    expectFile(kProgramDir / ("r" + std::string(names[n]) + ".bmp"), paintTile(n, true));
  }
  // The two-corner tiles are spelled with a capital V only.
  EXPECT_FALSE(fs::exists(kProgramDir / "v13.bmp"));
  EXPECT_FALSE(fs::exists(kProgramDir / "rv14.bmp"));
}

TEST(ArtworkFiles, ToolbarAndIcon) {
  for (int i = 0; i < kToolbarImageCount; ++i)
    expectFile(kProgramDir / "toolbar" / toolbarFileName(i), paintToolbarImage(i));
  EXPECT_FALSE(fs::exists(kProgramDir / "toolbar" / "39.bmp"));
  expectFile(kProgramDir / "veltra.bmp", paintAppIcon());
}

TEST(ArtworkFiles, WriterCountsEveryFileAndCreatesItsFolders) {
  const fs::path dir = fs::temp_directory_path() / ("veltra-artgen-test-" + std::to_string(::getpid()));
  fs::remove_all(dir);
  const int written = writeArtwork(dir / "neu");
  // 2 designs × (26 + 26 + 10) symbols, 30 tiles, 39 toolbar pictures, 1 icon.
  EXPECT_EQ(written, 2 * 62 + 30 + 39 + 1);
  int found = 0;
  for (const auto& entry : fs::recursive_directory_iterator(dir))
    if (entry.is_regular_file()) ++found;
  EXPECT_EQ(found, written);
  fs::remove_all(dir);
}

TEST(ArtworkFiles, UnwritableProgramFolderIsAnError) {
  EXPECT_THROW(writeArtwork("/proc/veltra-no-such-place"), core::Error);
}

} // namespace
} // namespace veltra::artgen
