#include "core/persist/byte_reader.h"

#include "persist_test_util.h"

namespace veltra::core::test {
namespace {

// {buffer size, most bytes per call of the source}
class ByteReaderInPieces : public ::testing::TestWithParam<std::pair<std::size_t, std::size_t>> {};

// Every field read across refills, and every truncation, give what the whole image gives;
// the control loop reader uses nothing else.
TEST_P(ByteReaderInPieces, ReadsWhatTheWholeImageGives) {
  const Bytes full = ByteImage().i32(-123456).u8(0xFF).text("1234567").text("hallo welt!").i32(0x01020304).bytes();
  const auto [bufferSize, most] = GetParam();
  for (std::size_t n = 0; n <= full.size(); ++n) {
    SCOPED_TRACE(n);
    const Bytes part(full.begin(), full.begin() + static_cast<long>(n));
    Bytes buffer(bufferSize);
    ByteReader in(inPieces(part, most), buffer, "x");
    std::uint8_t block[7] = {};
    std::string text;
    EXPECT_EQ(errorText([&] {
                EXPECT_EQ(in.i32(), -123456);
                EXPECT_EQ(in.u8(), 0xFF);
                const auto ahead = in.peek(7); // only what is at hand, and without reading it
                EXPECT_TRUE(ahead.empty() || std::string(ahead.begin(), ahead.end()) == "1234567");
                in.read(block, sizeof block);
                EXPECT_EQ(std::string(block, block + 7), "1234567");
                in.readString(text, 11);
                EXPECT_EQ(text, "hallo welt!");
                EXPECT_EQ(in.i32(), 0x01020304);
                in.u8();
              }),
              "Stream-Lesefehler");
  }
}

INSTANTIATE_TEST_SUITE_P(Sizes, ByteReaderInPieces,
                         ::testing::Values(std::pair{1u, 100u}, std::pair{2u, 100u}, std::pair{3u, 100u},
                                           std::pair{5u, 100u}, std::pair{64u, 3u}, std::pair{4096u, 4096u}));

} // namespace
} // namespace veltra::core::test
