#include "persist/library_file.h"

#include "model/connection_ops.h"
#include "model/module_ops.h"
#include "persist/vtr_writer.h"
#include "persist_test_util.h"

namespace veltra::core::test {
namespace {

class LibraryFileTest : public ::testing::Test {
protected:
  TempDir dir;
  std::unique_ptr<Project> src = newProject(), dst = newProject(), pristine = newProject();
  std::filesystem::path file = dir / "kreis.rkl";

  // Loop 3: an E module on signal 12 feeding a K module, a description and
  // a sample time of 60, saved to `file`.
  void saveLoop3() {
    ASSERT_TRUE(placeModule(*src, 3, 0, 2, 'E'));
    ASSERT_TRUE(placeModule(*src, 3, 4, 1, 'K'));
    TCell& e = src->cell(3, 0, 2);
    createModuleDefaults(*src, e);
    e.setI32(0, 12);
    e.text.assign("alter Text");
    e.error = -3;
    createModuleDefaults(*src, src->cell(3, 4, 1));
    ASSERT_TRUE(addDestination(*src, 3, true, 1, 0, 2, 4, 1));
    src->LoopText[3] = "Vorlauf\r\nHeizkreis";
    src->LoopSampleTime[3] = 60;
    saveLibrary(*src, 3, file);
  }
};

TEST_F(LibraryFileTest, IsVersionThenTheLoopRecordAndLoadsIntoAnotherLoop) {
  saveLoop3();
  const Bytes vtr = toBytes(writeVtr(*src)); // loop number -> version, no end marker
  EXPECT_EQ(readBytes(file), ByteImage().i32(1).append(Bytes(vtr.begin() + 8, vtr.end() - 4)).bytes());
  EXPECT_EQ(src->cell(3, 0, 2).error, 0);
  dst->SignalDesc.at(SignalGroup::E, 12)->assign("Neue Beschreibung");
  loadLibrary(*dst, 150, file);
  EXPECT_EQ(dst->cell(150, 0, 2).text.str(), "Neue Beschreibung"); // the receiving project's
  src->cell(3, 0, 2).text = *dst->SignalDesc.at(SignalGroup::E, 12);
  EXPECT_TRUE(sameLoop(*src, 3, *dst, 150));
  EXPECT_TRUE(dst->Modified);
}

TEST_F(LibraryFileTest, ConstantValuesStayAsStoredAndFWertIsNotRebuilt) {
  ASSERT_TRUE(placeModule(*src, 1, 0, 0, 'F'));
  src->cell(1, 0, 0).setI32(0, 4);
  src->cell(1, 0, 0).setF64(8, 2.5);
  saveLibrary(*src, 1, file);
  dst->FWert[4] = 9.0;
  loadLibrary(*dst, 2, file);
  EXPECT_EQ(dst->cell(2, 0, 0).f64(8), 2.5);
  EXPECT_EQ(dst->FWert[4], 9.0);
}

TEST_F(LibraryFileTest, EmptyLoopGivesAZeroByteFileThatDoesNotLoad) {
  saveLibrary(*src, 3, file);
  EXPECT_EQ(std::filesystem::file_size(file), 0u);
  EXPECT_EQ(errorText([&] { loadLibrary(*dst, 150, file); }), "Stream-Lesefehler");
  EXPECT_FALSE(dst->Modified);
}

TEST_F(LibraryFileTest, NonEmptyTargetLoopIsRefusedAndUnchanged) {
  saveLoop3();
  ASSERT_TRUE(placeModule(*dst, 5, 7, 7, 'M'));
  dst->Modified = false;
  *pristine = *dst;
  EXPECT_EQ(errorText([&] { loadLibrary(*dst, 5, file); }),
            "Regelkreis 5 ist nicht leer: eine Library kann nur in einen leeren Regelkreis geladen werden.");
  EXPECT_TRUE(sameLoop(*pristine, 5, *dst, 5));
  EXPECT_FALSE(dst->Modified);
}

TEST_F(LibraryFileTest, DamagedOrShortFileLeavesTheLoopUnchanged) {
  saveLoop3();
  const Bytes full = readBytes(file);
  for (std::size_t n : {std::size_t{4}, std::size_t{9}, std::size_t{190}, full.size() - 33600, full.size() - 1}) {
    writeBytes(file, Bytes(full.begin(), full.begin() + static_cast<long>(n)));
    EXPECT_EQ(errorText([&] { loadLibrary(*dst, 9, file); }), "Stream-Lesefehler") << n;
    EXPECT_TRUE(sameLoop(*pristine, 9, *dst, 9));
  }
  Bytes bad = full;
  bad[8] = 15; // column of the first cell entry
  writeBytes(file, bad);
  EXPECT_EQ(errorText([&] { loadLibrary(*dst, 9, file); }), "Ungültige Zellposition (15, 2) in Datei kreis.rkl");
  EXPECT_TRUE(sameLoop(*pristine, 9, *dst, 9));
}

} // namespace
} // namespace veltra::core::test
