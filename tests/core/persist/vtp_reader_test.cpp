#include "persist/vtp_reader.h"

#include "persist/vtp_writer.h"
#include "persist_test_util.h"

#include <gtest/gtest.h>

namespace veltra::core {
namespace {

using namespace test;

// Counted string: length byte, then `max` character bytes.
void counted(ByteImage& b, std::string_view s, std::size_t max) { b.u8(s.size()).text(s).fill(max - s.size(), 0); }

Bytes vtpImage() {
  ByteImage b;
  counted(b, "Schule Nord", 60);
  counted(b, "HZ-01", 20);
  counted(b, "M\xFCller", 20);
  counted(b, "01.04.2009", 10);
  counted(b, "Stadtwerke", 40);
  counted(b, "Hauptstr. 5", 40);
  counted(b, "12345", 5);
  counted(b, "Ort", 40);
  return b.bytes();
}

TEST(VtpReader, FieldsAtTheirOffsets) {
  TProjectData d = readVtp(vtpImage(), "x.vtp");
  EXPECT_EQ(d.projectName.str(), "Schule Nord");
  EXPECT_EQ(d.engineer.str(), "M\xFCller");
  EXPECT_EQ(d.date.str(), "01.04.2009");
  EXPECT_EQ(d.postalCode.str(), "12345");
  EXPECT_EQ(d.town.str(), "Ort");
}

TEST(VtpReader, SaveWrites243BytesWithTheNameLengthInByte0) {
  TempDir dir;
  TProjectData d{};
  d.projectName.assign("Schule Nord");
  d.customer.assign(std::string(50, 'k'));
  saveProjectData(d, dir / "p.vtp");
  Bytes b = readBytes(dir / "p.vtp");
  ASSERT_EQ(b.size(), 243u);
  EXPECT_EQ(b[0], 11);
  EXPECT_EQ(b[1], 'S');
  EXPECT_EQ(b[114], 40); // customer name cut to its 40 characters
  EXPECT_EQ(toBytes(writeVtp(loadProjectData(dir / "p.vtp"))), b);
}

TEST(VtpReader, KeepsTheBytesAsRead) {
  Bytes img = vtpImage();
  img[20] = 0x7A; // after the 11 characters of the project name
  EXPECT_EQ(toBytes(writeVtp(readVtp(img, "x.vtp"))), img);
}

TEST(VtpReader, ShortFileIsAStreamReadError) {
  Bytes img = vtpImage();
  img.pop_back();
  EXPECT_EQ(errorText([&] { readVtp(img, "x.vtp"); }), "Stream-Lesefehler");
}

} // namespace
} // namespace veltra::core
