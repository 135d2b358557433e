#include "persist/vtp_reader.h"

#include "persist/vtp_writer.h"
#include "persist_test_util.h"

namespace veltra::core::test {
namespace {

// Counted strings: length byte, then `max` character bytes each.
Bytes vtpImage() {
  ByteImage b;
  for (auto [s, max] : {std::pair<std::string_view, std::size_t>{"Schule Nord", 60},
                        {"HZ-01", 20},
                        {"M\xFCller", 20},
                        {"01.04.2009", 10},
                        {"Stadtwerke", 40},
                        {"Hauptstr. 5", 40},
                        {"12345", 5},
                        {"Ort", 40}})
    b.u8(s.size()).text(s).fill(max - s.size(), 0);
  return b.bytes();
}

TEST(VtpReader, FieldsAtTheirOffsetsAndBytesKeptAsRead) {
  Bytes img = vtpImage();
  img[20] = 0x7A; // after the 11 characters of the project name
  TProjectData d = readVtp(img, "x.vtp");
  EXPECT_EQ(std::tuple(d.projectName.str(), d.engineer.str(), d.date.str(), d.postalCode.str(), d.town.str()),
            std::tuple("Schule Nord", "M\xFCller", "01.04.2009", "12345", "Ort"));
  EXPECT_EQ(toBytes(writeVtp(d)), img);
  img.pop_back();
  EXPECT_EQ(errorText([&] { readVtp(img, "x.vtp"); }), "Stream-Lesefehler");
}

TEST(VtpReader, SaveCutsTooLongFields) {
  TempDir dir;
  TProjectData d{};
  d.customer.assign(std::string(50, 'k'));
  saveProjectData(d, dir / "p.vtp");
  Bytes b = readBytes(dir / "p.vtp");
  ASSERT_EQ(b.size(), 243u);
  EXPECT_EQ(b[114], 40); // customer name cut to its 40 characters
  EXPECT_EQ(toBytes(writeVtp(loadProjectData(dir / "p.vtp"))), b);
}

} // namespace
} // namespace veltra::core::test
