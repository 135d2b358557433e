#include "core/persist/txl_reader.h"
#include "core/persist/uhr_reader.h"
#include "core/persist/uhr_writer.h"
#include "core/persist/vtp_reader.h"
#include "core/persist/vtp_writer.h"
#include "persist_test_util.h"

namespace veltra::core::test {
namespace {

// The switch programs (.uhr), the data sheet (.vtp) and the text list (.txl).
class SmallFilesTest : public ::testing::Test {
protected:
  TempDir dir;

  // Program 2, point 3: "Ein" Monday to Friday at 06:30.
  static Bytes uhrImage(std::size_t size = 5120) {
    ByteImage b;
    b.fill((1 * 10 + 2) * 16, 0).u8(1).fill(3, 0).i32(31).i32(6).i32(30);
    return b.fill(size - b.size(), 0).bytes();
  }
  // Counted strings: length byte, then `max` character bytes each.
  static Bytes vtpImage() {
    const std::string_view texts[] = {"Schule Nord", "HZ-01",       "M\xFCller", "01.04.2009",
                                      "Stadtwerke",  "Hauptstr. 5", "12345",     "Ort"};
    const std::size_t max[] = {60, 20, 20, 10, 40, 40, 5, 40};
    ByteImage b;
    for (int i = 0; i < 8; ++i)
      b.u8(texts[i].size()).text(texts[i]).fill(max[i] - texts[i].size(), 0);
    return b.bytes();
  }
};

TEST_F(SmallFilesTest, UhrReadsProgramByProgramAndCutsALongerFile) {
  SwitchProgramTable t = readUhr(uhrImage(5200), "x.uhr");
  EXPECT_EQ(std::tuple(t[1][2].state, t[1][2].mask, t[1][2].hour, t[1][2].minute), std::tuple(1, 31, 6, 30));
  EXPECT_FALSE(t[1][3].used());
  EXPECT_EQ(toBytes(writeUhr(t)), uhrImage());
  EXPECT_EQ(errorText([] { readUhr(uhrImage(5119), "x.uhr"); }), "Stream-Lesefehler");
}

TEST_F(SmallFilesTest, VtpFieldsAtTheirOffsetsAndBytesKeptAsRead) {
  Bytes img = vtpImage();
  img[20] = 0x7A; // after the 11 characters of the project name
  TProjectData d = readVtp(img, "x.vtp");
  EXPECT_EQ(std::tuple(d.projectName.str(), d.engineer.str(), d.date.str(), d.postalCode.str(), d.town.str()),
            std::tuple("Schule Nord", "M\xFCller", "01.04.2009", "12345", "Ort"));
  EXPECT_EQ(toBytes(writeVtp(d)), img);
  img.pop_back();
  EXPECT_EQ(errorText([&] { readVtp(img, "x.vtp"); }), "Stream-Lesefehler");
}

TEST_F(SmallFilesTest, VtpSaveCutsTooLongFields) {
  TProjectData d{};
  d.customer.assign(std::string(50, 'k'));
  saveProjectData(d, dir / "p.vtp");
  const Bytes b = readFileBytes(dir / "p.vtp");
  ASSERT_EQ(b.size(), 243u);
  EXPECT_EQ(b[114], 40); // customer name cut to its 40 characters
  EXPECT_EQ(toBytes(writeVtp(loadProjectData(dir / "p.vtp"))), b);
}

// Entries are kept as stored, whatever the line end; reading replaces a longer or shorter list.
TEST_F(SmallFilesTest, TxlOneEntryPerLineReplacingTheList) {
  EXPECT_EQ(readTxl("Vorlauf|Heizkreis 2|=31207\r\na~b||=10000\n\r\nletzte"),
            (std::vector<std::string>{"Vorlauf|Heizkreis 2|=31207", "a~b||=10000", "", "letzte"}));
  for (std::vector<std::string> list : {std::vector<std::string>(5, "alt"), {"alt"}}) {
    readTxl("a||=10000\r\nb||=20000\r\n", list);
    EXPECT_EQ(list, (std::vector<std::string>{"a||=10000", "b||=20000"}));
  }
  std::vector<std::string> list{"alt"};
  readTxl("", list);
  EXPECT_TRUE(list.empty());
}

} // namespace
} // namespace veltra::core::test
