#include "core/chart/stream_values.h"
#include "core/util/error.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace veltra::core {
namespace {

std::vector<std::uint8_t> bytes(const std::string& s) { return {s.begin(), s.end()}; }

TEST(StreamWriterTest, IntegersTakeTheSmallestTypeThatHoldsThem) {
  struct Case {
    std::int32_t v;
    std::string encoded;
  } cases[] = {
      {0, std::string("\x02\x00", 2)},
      {127, "\x02\x7F"},
      {-128, "\x02\x80"},
      {128, std::string("\x03\x80\x00", 3)},
      {-129, "\x03\x7F\xFF"},
      {32767, "\x03\xFF\x7F"},
      {-32768, std::string("\x03\x00\x80", 3)},
      {32768, std::string("\x04\x00\x80\x00\x00", 5)},
      {-32769, "\x04\xFF\x7F\xFF\xFF"},
      {std::numeric_limits<std::int32_t>::max(), "\x04\xFF\xFF\xFF\x7F"},
      {std::numeric_limits<std::int32_t>::min(), std::string("\x04\x00\x00\x00\x80", 5)},
  };
  for (const Case& c : cases) {
    StreamWriter w;
    w.integer(c.v);
    const std::string out = w.take();
    EXPECT_EQ(out, c.encoded) << c.v;
    const auto b = bytes(out);
    StreamReader r(b, "t.gra");
    EXPECT_EQ(r.integer(), c.v);
    EXPECT_TRUE(r.atEnd());
  }
}

TEST(StreamWriterTest, StringsShortLongAndUtf8) {
  struct Case {
    std::string text;
    std::string head; // type byte and length
  } cases[] = {
      {"", std::string("\x06\x00", 2)},
      {"Zeit", "\x06\x04"},
      {std::string(255, 'a'), "\x06\xFF"},
      {std::string(256, 'a'), std::string("\x0C\x00\x01\x00\x00", 5)},
      {"°C", std::string("\x14\x03\x00\x00\x00", 5)}, // outside 7-bit ASCII: UTF-8, however short
      {"Kühler " + std::string(300, 'x'), std::string("\x14\x34\x01\x00\x00", 5)},
  };
  for (const Case& c : cases) {
    StreamWriter w;
    w.string(c.text);
    const std::string out = w.take();
    EXPECT_EQ(out, c.head + c.text) << c.text.size();
    const auto b = bytes(out);
    StreamReader r(b, "t.gra");
    EXPECT_EQ(r.string(), c.text);
  }
}

TEST(StreamReaderTest, ShortStringsOfTheOldProgramAreCodePage1252) {
  const auto b = bytes("\x06\x03\xC4\xB0\x43"); // "Ä°C" in code page 1252
  StreamReader r(b, "t.gra");
  EXPECT_EQ(r.string(), "Ä°C");
  const auto w = bytes(std::string("\x12\x03\x00\x00\x00\xFC\x00\x3D\xD8\x00\xDE", 11)); // UTF-16: "ü", U+1F600
  StreamReader wide(w, "t.gra");
  EXPECT_EQ(wide.string(), "ü\xF0\x9F\x98\x80");
}

TEST(StreamReaderTest, FloatsInEveryFormAndSkippingEveryType) {
  StreamWriter w;
  w.extended(-2.5);
  w.integer(300);
  const std::string head = w.take();
  std::string image = head;
  const double d = 1.25;
  image += std::string("\x15", 1) + std::string(reinterpret_cast<const char*>(&d), 8);
  const float f = 0.5f;
  image += std::string("\x0F", 1) + std::string(reinterpret_cast<const char*>(&f), 4);
  // One of each skippable type, then a marker.
  image += std::string("\x00\x08\x09\x0D", 4) + "\x07\x02id" + std::string("\x0A\x02\x00\x00\x00xy", 7) +
           std::string("\x10", 1) + std::string(8, '\0') + std::string("\x13", 1) + std::string(8, '\x01') +
           std::string("\x12\x01\x00\x00\x00\x41\x00", 7) +
           "\x06\x03"
           "end";
  const auto b = bytes(image);
  StreamReader r(b, "t.gra");
  EXPECT_EQ(r.real(), -2.5);
  EXPECT_EQ(r.real(), 300); // an integer where a float is due
  EXPECT_EQ(r.real(), 1.25);
  EXPECT_EQ(r.real(), 0.5);
  for (int i = 0; i < 9; ++i)
    r.skipValue();
  EXPECT_EQ(r.string(), "end");
  EXPECT_TRUE(r.atEnd());
}

TEST(StreamReaderTest, DamageIsAGermanMessageNeverARead) {
  struct Case {
    std::string image;
    const char* detail;
  } cases[] = {
      {"\x06\x05"
       "abc",
       "sie endet vorzeitig"},
      {std::string("\x0C\xFF\xFF\xFF\xFF", 5), "sie endet vorzeitig"},
      {std::string("\x12\xFF\xFF\xFF\x7F", 5), "sie endet vorzeitig"},
      {"\x04\x01", "sie endet vorzeitig"},
      {"\x09", "Text erwartet bei Byte 0"},
      {"\x63", "Text erwartet bei Byte 0"},
  };
  for (const Case& c : cases) {
    const auto b = bytes(c.image);
    StreamReader r(b, "kurve.gra");
    try {
      c.image[0] == '\x04' ? (void)r.integer() : (void)r.string();
      ADD_FAILURE() << c.detail;
    } catch (const Error& e) {
      EXPECT_EQ(std::string(e.what()), std::string("Die Graphikdatei \"kurve.gra\" ist beschädigt: ") + c.detail);
    }
  }
  const auto unknown = bytes("\x63");
  StreamReader r(unknown, "kurve.gra");
  EXPECT_THROW(r.skipValue(), Error);
  const auto big = bytes(std::string("\x13\x00\x00\x00\x00\x01\x00\x00\x00", 9));
  StreamReader r64(big, "kurve.gra");
  EXPECT_THROW(r64.integer(), Error); // 2^32 does not fit an integer item
}

} // namespace
} // namespace veltra::core
