#include "core/online/server_block.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace veltra::core {
namespace {

// A block in a plain buffer, so a test can look at the raw bytes.
struct RawBlock {
  std::vector<std::uint8_t> bytes = std::vector<std::uint8_t>(kServerBlockSize, 0);
  ServerBlock block{bytes};

  double doubleAt(std::size_t off) const {
    double v;
    std::memcpy(&v, bytes.data() + off, sizeof v);
    return v;
  }
  void putDouble(std::size_t off, double v) { std::memcpy(bytes.data() + off, &v, sizeof v); }
};

struct AreaCase {
  BlockArea area;
  int n;
  std::size_t offset;
};

class BlockLayout : public ::testing::TestWithParam<AreaCase> {};

// Every area at its first and last index and a named example: writes
// through the accessor land at the offset the server uses, reads see bytes
// put there by hand.
TEST_P(BlockLayout, ElementLiesAtItsOffset) {
  const AreaCase c = GetParam();
  RawBlock raw;
  const BlockAreaLayout& l = layoutOf(c.area);
  EXPECT_EQ(l.offsetOf(c.n), c.offset);
  if (l.element == BlockElement::Double) {
    ASSERT_TRUE(raw.block.setAnalog(c.area, c.n, 21.5));
    EXPECT_EQ(raw.doubleAt(c.offset), 21.5);
    raw.putDouble(c.offset, -3.25);
    EXPECT_EQ(raw.block.analog(c.area, c.n), -3.25);
    EXPECT_FALSE(raw.block.bit(c.area, c.n).has_value()) << "a double area is no bit area";
  } else {
    ASSERT_TRUE(raw.block.setBit(c.area, c.n, true));
    EXPECT_EQ(raw.bytes[c.offset], 1);
    raw.bytes[c.offset] = 0x80; // any non-zero byte is on
    EXPECT_EQ(raw.block.bit(c.area, c.n), true);
    EXPECT_FALSE(raw.block.setAnalog(c.area, c.n, 1.0)) << "a bit area is no double area";
  }
  // Nothing else was touched.
  std::size_t changed = 0;
  for (std::size_t i = 0; i < raw.bytes.size(); ++i)
    if (raw.bytes[i] != 0 && (i < c.offset || i >= c.offset + l.size)) ++changed;
  EXPECT_EQ(changed, 0u);
}

INSTANTIATE_TEST_SUITE_P(Areas, BlockLayout,
                         ::testing::Values(AreaCase{BlockArea::E, 5, 56}, AreaCase{BlockArea::E, 1, 24},
                                           AreaCase{BlockArea::E, 256, 2064}, AreaCase{BlockArea::A, 1, 2080},
                                           AreaCase{BlockArea::A, 256, 4120}, AreaCase{BlockArea::H, 1, 4136},
                                           AreaCase{BlockArea::H, 256, 6176}, AreaCase{BlockArea::F, 7, 6240},
                                           AreaCase{BlockArea::F, 256, 8232}, AreaCase{BlockArea::V, 1, 8248},
                                           AreaCase{BlockArea::V, 9216, 81968},
                                           AreaCase{BlockArea::AnalogConnection, 1, 81984},
                                           AreaCase{BlockArea::AnalogConnection, 20000, 241976},
                                           AreaCase{BlockArea::DigitalConnection, 1, 241985},
                                           AreaCase{BlockArea::DigitalConnection, 20000, 261984},
                                           AreaCase{BlockArea::M, 1, 261986}, AreaCase{BlockArea::M, 256, 262241},
                                           AreaCase{BlockArea::I, 1, 262243}, AreaCase{BlockArea::I, 256, 262498},
                                           AreaCase{BlockArea::Q, 1, 262500}, AreaCase{BlockArea::Q, 256, 262755},
                                           AreaCase{BlockArea::S, 1, 502761}, AreaCase{BlockArea::S, 32, 502792}));

// Slot 0 of every signal area and the index after the last are refused, for
// reads and writes alike, and a refused write leaves the block as it was.
TEST(ServerBlock, RefusesEveryIndexOutsideItsArea) {
  RawBlock raw;
  for (const BlockAreaLayout& l : kBlockLayout) {
    if (l.area == BlockArea::Checksum || l.area == BlockArea::SwitchPrograms) continue;
    for (const long long n : {static_cast<long long>(l.first) - 1, static_cast<long long>(l.last) + 1, -1LL,
                              static_cast<long long>(INT32_MAX) + 1}) {
      EXPECT_FALSE(raw.block.analog(l.area, n).has_value()) << l.name << " " << n;
      EXPECT_FALSE(raw.block.bit(l.area, n).has_value()) << l.name << " " << n;
      EXPECT_FALSE(raw.block.setAnalog(l.area, n, 1.0)) << l.name << " " << n;
      EXPECT_FALSE(raw.block.setBit(l.area, n, true)) << l.name << " " << n;
    }
  }
  EXPECT_EQ(std::count(raw.bytes.begin(), raw.bytes.end(), 0), static_cast<long>(kServerBlockSize));
}

TEST(ServerBlock, ShortMemoryIsNoBlock) {
  std::vector<std::uint8_t> bytes(kServerBlockSize - 1);
  ServerBlock b(bytes);
  EXPECT_FALSE(b.valid());
  EXPECT_FALSE(b.analog(BlockArea::E, 1).has_value());
  EXPECT_FALSE(b.setBit(BlockArea::I, 1, true));
  EXPECT_EQ(b.checksum(), (TableChecksum{}));
}

// Connection k of loop L is the global number (L - 1) * 100 + k; k outside
// 1..100 belongs to no loop and is refused.
TEST(ServerBlock, ConnectionsOfALoop) {
  RawBlock raw;
  raw.putDouble(81976 + 8 * 103, 7.5);
  raw.bytes[241984 + 103] = 1;
  EXPECT_EQ(raw.block.analogConnection(2, 3), 7.5);
  EXPECT_EQ(raw.block.digitalConnection(2, 3), true);
  EXPECT_EQ(raw.block.analogConnection(1, 3), 0.0);
  raw.putDouble(81976 + 8 * 20000, 9.0);
  EXPECT_EQ(raw.block.analogConnection(200, 100), 9.0);
  for (const auto& [loop, k] : {std::pair{1, 0LL}, {1, 101LL}, {0, 1LL}, {201, 1LL}, {2, -97LL}}) {
    EXPECT_FALSE(raw.block.analogConnection(loop, k).has_value()) << loop << " " << k;
    EXPECT_FALSE(raw.block.digitalConnection(loop, k).has_value()) << loop << " " << k;
  }
}

TEST(ServerBlock, ClearConnectionsTouchesOnlyTheLoopsSlots) {
  RawBlock raw;
  for (int g = 100; g <= 201; ++g) {
    raw.putDouble(81976 + 8 * static_cast<std::size_t>(g), 1.0);
    raw.bytes[241984 + static_cast<std::size_t>(g)] = 1;
  }
  raw.block.clearConnections(2); // global 101..200
  EXPECT_EQ(raw.doubleAt(81976 + 8 * 100), 1.0);
  EXPECT_EQ(raw.bytes[241984 + 100], 1);
  for (int g = 101; g <= 200; ++g) {
    EXPECT_EQ(raw.doubleAt(81976 + 8 * static_cast<std::size_t>(g)), 0.0) << g;
    EXPECT_EQ(raw.bytes[241984 + static_cast<std::size_t>(g)], 0) << g;
  }
  EXPECT_EQ(raw.doubleAt(81976 + 8 * 201), 1.0);
  EXPECT_EQ(raw.bytes[241984 + 201], 1);
}

TEST(ServerBlock, ChecksumWordsAndSwitchProgramsInOnePiece) {
  RawBlock raw;
  raw.block.setChecksum({0x80000001u, 2, 3, 0xFFFFFFFFu});
  EXPECT_EQ(raw.bytes[0], 0x01);
  EXPECT_EQ(raw.bytes[3], 0x80);
  EXPECT_EQ(raw.bytes[12], 0xFF);
  EXPECT_EQ(raw.block.checksum(), (TableChecksum{0x80000001u, 2, 3, 0xFFFFFFFFu}));

  std::array<std::uint8_t, kTimeSwitchBlockSize> programs{};
  for (std::size_t i = 0; i < programs.size(); ++i)
    programs[i] = static_cast<std::uint8_t>(i * 7 + 1);
  raw.block.writeSwitchPrograms(programs);
  EXPECT_EQ(raw.bytes[502795], 0);
  EXPECT_EQ(raw.bytes[502796], programs[0]);
  EXPECT_EQ(raw.bytes[502796 + 5119], programs[5119]);
  EXPECT_EQ(raw.bytes[507916], 0);
  SwitchProgramTable table{};
  raw.block.readSwitchPrograms(table);
  EXPECT_EQ(std::memcmp(table.data(), programs.data(), programs.size()), 0);
}

} // namespace
} // namespace veltra::core
