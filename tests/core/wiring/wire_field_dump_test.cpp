#include "wiring/wire_field_dump.h"

#include <gtest/gtest.h>

namespace veltra::core {
namespace {

std::string line(const std::string& dump, int j) {
  std::size_t begin = 0;
  for (int k = 0; k < j; ++k)
    begin = dump.find('\n', begin) + 1;
  return dump.substr(begin, dump.find('\n', begin) - begin);
}

TEST(WireFieldDump, RowsAreLinesAndColumnsAreEntries) {
  WireField field;
  field.at(3, 1) = {kWire, 0x07, 0x81, 0x00, 0xe4};
  field.at(74, 74) = {kBlocked, 0, 0, 0, 0};
  const std::string dump = dumpWireField(field);
  // 75 lines of 75 entries of 10 digits, 74 blanks and a line end.
  ASSERT_EQ(dump.size(), 75u * (75u * 10u + 74u + 1u));
  EXPECT_EQ(dump.back(), '\n');
  EXPECT_EQ(line(dump, 1).substr(3 * 11, 10), "01078100e4");
  EXPECT_EQ(line(dump, 3).substr(1 * 11, 10), "0000000000");
  EXPECT_EQ(line(dump, 74).substr(74 * 11), "0200000000");
  EXPECT_EQ(line(dump, 0), line(dump, 2));
  EXPECT_EQ(line(dump, 0).find_first_not_of("0 "), std::string::npos);
}

TEST(WireFieldDump, RegionShowsStateAndSides) {
  WireField field;
  field.at(20, 17) = {kWire, 7, 7, 0x89, 0x89};
  field.at(21, 17) = {kBlocked, 0, 0, 0, 0};
  const std::string region = dumpWireFieldRegion(field, 19, 16, 21, 18);
  EXPECT_NE(region.find("  17  . --------  w 07078989  # --------"), std::string::npos) << region;
  EXPECT_NE(region.find("19"), std::string::npos);
  // Clipped to the field.
  EXPECT_FALSE(dumpWireFieldRegion(field, -10, -10, 100, 100).empty());
}

} // namespace
} // namespace veltra::core
