#include "core/persist/library_file.h"

#include "core/model/connection_ops.h"
#include "core/model/module_ops.h"
#include "core/persist/vtr_writer.h"
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
  const std::string vtr = writeVtr(*src); // loop number -> version, no end marker
  EXPECT_EQ(readFileText(file), std::string("\1\0\0\0", 4) + vtr.substr(8, vtr.size() - 12));
  EXPECT_EQ(src->cell(3, 0, 2).error, 0);
  dst->SignalDesc.at(SignalGroup::E, 12)->assign("Neue Beschreibung");
  loadLibrary(*dst, 150, file);
  EXPECT_EQ(dst->cell(150, 0, 2).text.str(), "Neue Beschreibung"); // the receiving project's
  src->cell(3, 0, 2).text = *dst->SignalDesc.at(SignalGroup::E, 12);
  EXPECT_TRUE(sameBytes(src->Cells[3], dst->Cells[150]) && sameBytes(src->XWires[3], dst->XWires[150]) &&
              sameBytes(src->YWires[3], dst->YWires[150]));
  EXPECT_EQ(std::tie(src->LoopText[3], src->LoopSampleTime[3]), std::tie(dst->LoopText[150], dst->LoopSampleTime[150]));
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

TEST_F(LibraryFileTest, NonEmptyTargetLoopIsRefusedAndUnchanged) {
  saveLoop3();
  ASSERT_TRUE(placeModule(*dst, 5, 7, 7, 'M'));
  dst->Modified = false;
  *pristine = *dst;
  EXPECT_EQ(errorText([&] { loadLibrary(*dst, 5, file); }),
            "Regelkreis 5 ist nicht leer: eine Library kann nur in einen leeren Regelkreis geladen werden.");
  expectSameProject(*pristine, *dst);
}

// An empty loop gives a zero-byte file, which does not load either.
TEST_F(LibraryFileTest, EmptyDamagedOrShortFileLeavesTheLoopUnchanged) {
  saveLibrary(*src, 3, file);
  EXPECT_EQ(std::filesystem::file_size(file), 0u);
  EXPECT_EQ(errorText([&] { loadLibrary(*dst, 9, file); }), "Stream-Lesefehler");
  saveLoop3();
  const Bytes full = readFileBytes(file);
  for (std::size_t n : {4ul, 9ul, 190ul, full.size() - 33600, full.size() - 1}) {
    writeBytes(file, Bytes(full.begin(), full.begin() + static_cast<long>(n)));
    EXPECT_EQ(errorText([&] { loadLibrary(*dst, 9, file); }), "Stream-Lesefehler") << n;
    expectSameProject(*pristine, *dst);
  }
  Bytes bad = full;
  bad[8] = 15; // column of the first cell entry
  writeBytes(file, bad);
  EXPECT_EQ(errorText([&] { loadLibrary(*dst, 9, file); }), "Ungültige Zellposition (15, 2) in Datei kreis.rkl");
  expectSameProject(*pristine, *dst);
}

} // namespace
} // namespace veltra::core::test
