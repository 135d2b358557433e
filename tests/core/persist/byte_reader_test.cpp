#include "persist/byte_reader.h"

#include "persist_test_util.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace veltra::core {
namespace {

using namespace test;

// Hands out `bytes` at most `most` bytes per call, whatever more is asked.
ByteReader::Source inPieces(const Bytes& bytes, std::size_t most) {
  return [&bytes, most, offset = std::size_t{0}](std::uint8_t* dst, std::size_t n) mutable {
    n = std::min({n, most, bytes.size() - offset});
    std::copy_n(bytes.begin() + static_cast<long>(offset), n, dst);
    offset += n;
    return n;
  };
}

struct Read {
  std::int32_t first = 0;
  std::uint8_t flag = 0;
  std::uint8_t block[7] = {};
  std::string text;
  std::int32_t last = 0;
};

Read readAll(ByteReader& in) {
  Read r;
  r.first = in.i32();
  r.flag = in.u8();
  in.read(r.block, sizeof r.block);
  in.readString(r.text, 11);
  r.last = in.i32();
  return r;
}

Bytes sample() {
  ByteImage b;
  b.i32(-123456).u8(0xFF).text("1234567").text("hallo welt!").i32(0x01020304);
  return b.bytes();
}

// {buffer size, most bytes per call of the source}
class ByteReaderInPieces : public ::testing::TestWithParam<std::pair<std::size_t, std::size_t>> {};

TEST_P(ByteReaderInPieces, ReadsWhatTheWholeImageGives) {
  const Bytes bytes = sample();
  const auto [bufferSize, most] = GetParam();
  Bytes buffer(bufferSize);
  ByteReader in(inPieces(bytes, most), buffer, "x");
  const Read r = readAll(in);
  EXPECT_EQ(r.first, -123456);
  EXPECT_EQ(r.flag, 0xFF);
  EXPECT_EQ(std::string(r.block, r.block + 7), "1234567");
  EXPECT_EQ(r.text, "hallo welt!");
  EXPECT_EQ(r.last, 0x01020304);
  EXPECT_EQ(errorText([&] { in.u8(); }), "Stream-Lesefehler");
}

INSTANTIATE_TEST_SUITE_P(Sizes, ByteReaderInPieces,
                         ::testing::Values(std::pair{1u, 100u}, std::pair{2u, 100u}, std::pair{3u, 100u},
                                           std::pair{5u, 100u}, std::pair{64u, 100u}, std::pair{64u, 3u},
                                           std::pair{4096u, 4096u}));

TEST(ByteReader, EveryTruncationInPiecesIsAStreamReadError) {
  const Bytes full = sample();
  for (std::size_t n = 0; n < full.size(); ++n) {
    SCOPED_TRACE(n);
    const Bytes part(full.begin(), full.begin() + static_cast<long>(n));
    Bytes buffer(4);
    ByteReader in(inPieces(part, 100), buffer, "x");
    EXPECT_EQ(errorText([&] { readAll(in); }), "Stream-Lesefehler");
  }
}

TEST(ByteReader, StringLongerThanTheDataIsAStreamReadError) {
  const Bytes bytes = toBytes("kurz");
  std::string text = "vorher";
  ByteReader whole(bytes, "x");
  EXPECT_EQ(errorText([&] { whole.readString(text, 0x7FFFFFFF); }), "Stream-Lesefehler");
  Bytes buffer(3);
  ByteReader pieces(inPieces(bytes, 100), buffer, "x");
  EXPECT_EQ(errorText([&] { pieces.readString(text, 5); }), "Stream-Lesefehler");
}

TEST(ByteReader, FailNamesTheFile) {
  ByteReader in(Bytes{}, "anlage.vtr");
  EXPECT_EQ(errorText([&] { in.fail("Ungültig"); }), "Ungültig in Datei anlage.vtr");
}

} // namespace
} // namespace veltra::core
