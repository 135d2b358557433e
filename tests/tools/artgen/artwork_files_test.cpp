// The pictures the program loads: the writer produces exactly this file set,
// each a well-formed 24-bit bitmap holding what its painter paints, and the
// build put the same bytes into the program folder.
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
#include <map>
#include <set>
#include <string>
#include <unistd.h>

namespace veltra::artgen {
namespace {

namespace fs = std::filesystem;

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
    std::string why;
    const auto img = testing::decodeBmp(bytes, why);
    ASSERT_TRUE(img) << name << ": " << why;
    EXPECT_TRUE(testing::sameImage(*img, painted)) << name;
    EXPECT_EQ(testing::readBytes(fs::path(VELTRA_PROGRAM_DIR) / name), bytes) << name << " in the build";
  }
  EXPECT_EQ(found, names);
  fs::remove_all(dir.parent_path());
  EXPECT_THROW(writeArtwork("/proc/veltra-no-such-place"), core::Error);
}

} // namespace
} // namespace veltra::artgen
