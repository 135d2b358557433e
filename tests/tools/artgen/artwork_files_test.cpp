// The files the program loads: 24-bit bitmaps laid out byte by byte, exactly
// the painters' file set, and the same bytes in the build's program folder.
#include "tests/tools/bmp_test_reader.h"
#include "tools/artgen/artwork_writer.h"
#include "tools/artgen/bmp_writer.h"
#include "tools/artgen/design_style.h"
#include "tools/artgen/icon_painter.h"
#include "tools/artgen/symbol_painter.h"
#include "tools/artgen/tile_painter.h"
#include "tools/artgen/toolbar_painter.h"

#include "core/modules/catalogue.h"
#include "core/util/error.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <unistd.h>

namespace veltra::artgen {
namespace {

namespace fs = std::filesystem;

// Every pixel different, so a swapped row, column or channel shows.
Image numbered(int w, int h) {
  Image img(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      img.setPixel(x, y, Rgb{static_cast<std::uint8_t>(10 + x), static_cast<std::uint8_t>(100 + y), 200});
  return img;
}

TEST(BmpWriter, HeaderAndRowsBottomUpInBlueGreenRedWithZeroPadding) {
  const std::vector<std::uint8_t> b = encodeBmp(numbered(3, 2));
  ASSERT_EQ(b.size(), 54u + 2 * 12); // 9 bytes per row, padded to 12
  EXPECT_TRUE(b[0] == 'B' && b[1] == 'M');
  // offset, value: file size, reserved, pixel offset, info size, width,
  // height (positive: bottom-up), BI_RGB, image size, 96 dpi twice, colours.
  const std::pair<std::size_t, std::uint32_t> fields[] = {{2, 78}, {6, 0},   {10, 54},   {14, 40},   {18, 3}, {22, 2},
                                                          {30, 0}, {34, 24}, {38, 3780}, {42, 3780}, {46, 0}, {50, 0}};
  for (const auto& [at, value] : fields)
    EXPECT_EQ(testing::le32(b, at), value) << "offset " << at;
  EXPECT_TRUE(testing::le16(b, 26) == 1u && testing::le16(b, 28) == 24u); // planes, bits per pixel
  // The first stored row is the bottom one (y = 1): blue, green, red.
  const std::vector<std::uint8_t> row1(b.begin() + 54, b.begin() + 66), row0(b.begin() + 66, b.end());
  EXPECT_EQ(row1, (std::vector<std::uint8_t>{200, 101, 10, 200, 101, 11, 200, 101, 12, 0, 0, 0}));
  EXPECT_EQ(row0, (std::vector<std::uint8_t>{200, 100, 10, 200, 100, 11, 200, 100, 12, 0, 0, 0}));
}

// Every padding (0 to 3 bytes) read back by an independent reader; bad sizes and places are errors.
TEST(BmpWriter, EveryPaddingReadsBackAndBadSizesAreErrors) {
  for (int w : {1, 2, 3, 4, 35}) {
    std::string why;
    const auto back = testing::decodeBmp(encodeBmp(numbered(w, 3)), why);
    EXPECT_TRUE(back && testing::sameImage(*back, numbered(w, 3))) << w << ": " << why;
  }
  EXPECT_THROW(Image(0, 5), core::Error);
  EXPECT_THROW(Image(5000, 5), core::Error);
  EXPECT_THROW(numbered(4, 3).pixel(4, 0), core::Error);
  EXPECT_THROW(writeBmp("/nonexistent-folder/x.bmp", numbered(2, 2)), core::Error);
}

TEST(ArtworkFiles, WriterWritesExactlyTheProgramsFileSet) {
  std::map<std::string, Image> expected; // path under the program folder -> picture
  for (const auto& [folder, style] : {std::pair{"Standard", &standardDesign()}, {"Kontrast", &kontrastDesign()}}) {
    const std::string dir = std::string("designs/") + folder + "/";
    for (const core::ModuleType& t : core::allModuleTypes()) {
      expected.emplace(dir + "Mod" + t.letter + ".bmp", paintModuleSymbol(t, false, *style));
      expected.emplace(dir + "IMod" + t.letter + ".bmp", paintModuleSymbol(t, true, *style));
    }
    for (char d = '0'; d <= '9'; ++d)
      expected.emplace(dir + "Mod" + d + ".bmp", paintDigitSymbol(d, *style));
  }
  // The two-corner tiles are spelled with a capital V.
  const char* const tiles[] = {"v0", "v1", "v2",  "v3",  "v4",  "v5",  "v6", "v7",
                               "v8", "v9", "v10", "v11", "v12", "V13", "V14"};
  for (int n = 0; n < kTileCount; ++n) {
    expected.emplace(std::string(tiles[n]) + ".bmp", paintTile(n, false));
    expected.emplace("r" + std::string(tiles[n]) + ".bmp", paintTile(n, true));
  }
  for (int i = 0; i < 39; ++i)
    expected.emplace("toolbar/" + std::to_string(i / 10) + std::to_string(i % 10) + ".bmp", paintToolbarImage(i));
  expected.emplace("veltra.bmp", paintAppIcon());

  const fs::path dir = fs::temp_directory_path() / ("veltra-artgen-test-" + std::to_string(::getpid())) / "neu";
  fs::remove_all(dir.parent_path());
  EXPECT_EQ(writeArtwork(dir), 2 * 62 + 30 + 39 + 1); // creates its folders
  std::set<std::string> found, names;
  for (const auto& entry : fs::recursive_directory_iterator(dir))
    if (entry.is_regular_file()) found.insert(entry.path().lexically_relative(dir).generic_string());
  for (const auto& [name, painted] : expected) {
    names.insert(name);
    const std::vector<std::uint8_t> bytes = testing::readBytes(dir / name);
    EXPECT_EQ(bytes, encodeBmp(painted)) << name;
    EXPECT_EQ(testing::readBytes(fs::path(VELTRA_PROGRAM_DIR) / name), bytes) << name << " in the build";
  }
  EXPECT_EQ(found, names);
  fs::remove_all(dir.parent_path());
  EXPECT_THROW(writeArtwork("/proc/veltra-no-such-place"), core::Error);
}

} // namespace
} // namespace veltra::artgen
