#include "core/chart/gra_file.h"
#include "core/util/error.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <string>
#include <unistd.h>
#include <vector>

namespace veltra::core {
namespace {

std::vector<std::uint8_t> bytes(const std::string& s) { return {s.begin(), s.end()}; }

ChartModel read(const std::string& image, const std::string& name = "kurve.gra") {
  return readChartImage(bytes(image), name);
}

std::string errorOf(const std::string& image) {
  try {
    read(image);
  } catch (const Error& e) {
    return e.what();
  }
  return "";
}

// A chart with something in every corner of the format.
ChartModel richChart() {
  ChartModel c;
  c.Appearance.GraphTitle = "Kühlung Halle 3 – Woche 49";
  c.Appearance.MinSteps = 300;         // a 2-byte integer
  c.Appearance.AxesColor = 0x00123456; // a 4-byte integer
  c.Appearance.TitleFont = {"DejaVu Sans", 14, rgbColor(0, 0, 128), true, true, false, true};
  c.Appearance.MinPointClearance = 0.1;
  c.Dimensions.LeftMargin = -5;
  c.XAxis.Title = "Zeit";
  c.XAxis.ShowAsTime = true;
  c.XAxis.DateTickType = dt_2monthly;
  c.YAxis.Title = "°C";
  c.YAxis.Min = -10;
  c.YAxis.Max = 40;
  c.YAxis_Second.Title = " ";
  c.YAxis_Second.Reversed = true;
  c.YAxis_Second.OffsetType = ao_Maximum;
  c.YAxis_Second.Gridlines = false;
  c.YAxis_Second.StepSize = 5e-324;
  c.Legend.Width = 900;
  c.Legend.Font.name = "Schrift mit ß";
  TSeries& a = c.Series(1);
  a.Name = std::string(300, 'n'); // a long string
  a.LineStyle = 3;
  a.LegendStatus = ls_pointAndLine;
  const double specials[] = {0.0,
                             -0.0,
                             5e-324,
                             -std::numeric_limits<double>::max(),
                             std::numeric_limits<double>::infinity(),
                             std::numeric_limits<double>::quiet_NaN(),
                             1.0 / 3};
  for (std::size_t i = 0; i < std::size(specials); ++i)
    a.Add(46361 + i / 1440.0, specials[i]);
  TSeries& b = c.Series(2);
  b.Name = "Vorlauf Ü";
  b.SetWhichYAxis(false);
  b.addPoint(1, 2, 3, 4); // further values
  b.addPoint(0.5, -1, 0, -7e300);
  c.Series(3); // no points
  return c;
}

TEST(GraFileTest, WriteReadWriteIsByteIdentical) {
  const ChartModel original = richChart();
  const std::string first = chartFileImage(original, 1);
  const ChartModel back = read(first);
  EXPECT_EQ(chartFileImage(back, 1), first);
  EXPECT_TRUE(back.sameDesign(original));
  ASSERT_EQ(back.seriesCount(), 3u);
  const SeriesPoints& p = back.series()[0]->points();
  ASSERT_EQ(p.size(), 7u);
  EXPECT_EQ(std::bit_cast<std::uint64_t>(p.y()[1]), std::bit_cast<std::uint64_t>(-0.0));
  EXPECT_EQ(p.y()[2], 5e-324);
  EXPECT_TRUE(std::isnan(p.y()[5]));
  EXPECT_EQ(back.series()[1]->points().extra(1, 0), 3);
  EXPECT_EQ(back.series()[1]->points().extra(0, 1), -7e300);
  EXPECT_EQ(back.series()[0]->Name.size(), 300u);
  EXPECT_EQ(back.Appearance.GraphTitle, "Kühlung Halle 3 – Woche 49");
}

TEST(GraFileTest, ThroughAFile) {
  // A name of this process: test runs of other checkouts share the folder.
  const auto path = std::filesystem::temp_directory_path() / ("veltra_gra_test_" + std::to_string(getpid()) + ".gra");
  saveChartFile(richChart(), path, 1);
  EXPECT_EQ(chartFileImage(loadChartFile(path), 1), chartFileImage(richChart(), 1));
  std::filesystem::remove(path);
  EXPECT_THROW(loadChartFile(path), Error);
}

TEST(GraFileTest, TheImageFollowsTheByteTable) {
  ChartModel c;
  c.Series(1).Add(1, -2);
  const std::string image = chartFileImage(c, 1);
  const std::string head = std::string("\x06\x09xygg03.20") +
                           "\x06\x03"
                           "99S" +
                           "\x06\x0A"
                           "Appearance" +
                           "\x06\x03"
                           " 1B" +
                           "\x09" +
                           "\x06\x03"
                           " 2I" +
                           std::string("\x02\x00", 2) +
                           "\x06\x03"
                           " 3I" +
                           "\x04\xFF\xFF\xFF\x00"; // white background, 4 bytes
  EXPECT_EQ(image.substr(0, head.size()), head);
  // The points: count 1, 4 entries, "D", then x, y, 0, 0 as extended floats.
  const std::string points = std::string("\x06\x03"
                                         " 1I"
                                         "\x02\x01"
                                         "\x06\x03"
                                         " 2I"
                                         "\x02\x04"
                                         "\x06\x01"
                                         "D") +
                             "\x05" + std::string(7, '\0') + "\x80\xFF\x3F" + "\x05" + std::string(7, '\0') +
                             std::string("\x80\x00\xC0", 3) + "\x05" + std::string(10, '\0') + "\x05" +
                             std::string(10, '\0');
  // The annotation part: length 9 (itself, "I", 0), then four zero bytes.
  const std::string tail = std::string("\x09\x00\x00\x00\x06\x01I\x02\x00", 9) + std::string(4, '\0');
  ASSERT_GE(image.size(), points.size() + tail.size());
  EXPECT_EQ(image.substr(image.size() - tail.size() - points.size()), points + tail);
  // Mode 0: the same, with a point count of 0 and no points.
  const std::string noPoints = chartFileImage(c, 0);
  EXPECT_EQ(noPoints.substr(noPoints.size() - tail.size() - 17, 17), std::string("\x06\x03"
                                                                                 " 1I"
                                                                                 "\x02\x00"
                                                                                 "\x06\x03"
                                                                                 " 2I"
                                                                                 "\x02\x04"
                                                                                 "\x06\x01"
                                                                                 "D",
                                                                                 17));
  EXPECT_EQ(read(noPoints).series()[0]->count(), 0u);
}

// A file written by hand from the byte table, with items in another order,
// some left out, unknown ones of every letter, and a point stored as double.
class HandMade {
public:
  HandMade& str(const std::string& s) {
    out += '\x06';
    out += static_cast<char>(s.size());
    out += s;
    return *this;
  }
  HandMade& i8(int v) {
    out += '\x02';
    out += static_cast<char>(v);
    return *this;
  }
  HandMade& b(bool v) {
    out += v ? '\x09' : '\x08';
    return *this;
  }
  HandMade& ext(unsigned top, std::uint64_t m) {
    out += '\x05';
    for (int i = 0; i < 8; ++i)
      out += static_cast<char>(m >> (8 * i));
    out += static_cast<char>(top);
    out += static_cast<char>(top >> 8);
    return *this;
  }
  HandMade& open(const std::string& name) { return str("99S").str(name); }
  HandMade& close() { return str(" 0B").b(false); }
  std::string out;
};

TEST(GraFileTest, AFileWrittenByHandFromTheByteTable) {
  HandMade f;
  f.str("xygg03.20");
  f.open("Appearance").str("13S").str("Anlage").str(" 6I").i8(7).str("40F").str("X").i8(8).i8(0).b(0).b(0).b(0).b(0);
  f.str(" 3I").i8(0).close();
  f.open("Dimensions").str(" 2I").i8(90).str(" 4I").i8(-3).close();
  f.open("Axis").str(" 1S").str("Zeit").str("10B").b(true).str("12I").i8(4).str("12I").i8(99).close();
  f.open("Axis").str(" 7D").ext(0xC002, std::uint64_t{0xA} << 60).str(" 6D").ext(0x4004, std::uint64_t{0xA} << 60);
  f.str("77S").str("unbekannt").close();
  f.open("Axis").str("14B").b(true).str("15I").i8(1).close();
  f.open("Legend").str(" 1B").b(false).str(" 9F").str("Arial").i8(10).i8(5).b(true).b(false).b(false).b(false).close();
  f.str("I").i8(1).str("I").i8(0);
  f.open("Series").str(" 5I").i8(0x22).str("11B").b(false).str("18I").i8(1).close();
  f.str(" 1S").str("Vorlauf").str("11D").ext(0x3FFF, std::uint64_t{1} << 63).close();
  f.str(" 1I").i8(2).str(" 2I").i8(4).str("D");
  f.ext(0x3FFF, std::uint64_t{1} << 63).ext(0x4000, std::uint64_t{1} << 63).i8(0).i8(0);
  f.out += std::string("\x15", 1) + std::string("\0\0\0\0\0\0\0\x40", 8); // 2.0 as a double
  f.ext(0xC000, std::uint64_t{3} << 62).ext(0, 0).ext(0, 0);
  const std::string annotations = std::string("\x09\x00\x00\x00\x06\x01I\x02\x00", 9) + std::string(4, '\0');

  const ChartModel c = read(f.out + annotations);
  EXPECT_EQ(c.Appearance.GraphTitle, "Anlage");
  EXPECT_EQ(c.Appearance.BackgroundColor, 0u);
  EXPECT_EQ(c.Dimensions.LeftMargin, 90);
  EXPECT_EQ(c.Dimensions.TopMargin, -3);
  EXPECT_EQ(c.Dimensions.BottomMargin, TDimensions{}.BottomMargin); // left out: as a new chart has it
  EXPECT_EQ(c.XAxis.Title, "Zeit");
  EXPECT_TRUE(c.XAxis.ShowAsTime);
  EXPECT_EQ(c.XAxis.DateTickType, dt_daily); // 4; the later 99 is beyond the list and changes nothing
  EXPECT_EQ(c.YAxis.Min, -10);
  EXPECT_EQ(c.YAxis.Max, 40);
  EXPECT_TRUE(c.YAxis_Second.Reversed);
  EXPECT_EQ(c.YAxis_Second.OffsetType, ao_Maximum);
  EXPECT_FALSE(c.Legend.visible);
  EXPECT_EQ(c.Legend.Font, (TChartFont{"Arial", 10, 5, true}));
  ASSERT_EQ(c.seriesCount(), 1u);
  const TSeries& s = *c.series()[0];
  EXPECT_EQ(s.number(), 1);
  EXPECT_EQ(s.LineColor, 0x22u);
  EXPECT_FALSE(s.FirstAxis);
  EXPECT_EQ(s.LegendStatus, ls_name);
  EXPECT_EQ(s.Name, "Vorlauf");
  ASSERT_EQ(s.count(), 2u);
  EXPECT_EQ(s.points().x()[0], 1);
  EXPECT_EQ(s.points().y()[0], 2);
  EXPECT_EQ(s.points().x()[1], 2);
  EXPECT_EQ(s.points().y()[1], -3);

  // The annotation part may be missing, but not be cut; with marks the rest
  // is not read.
  EXPECT_EQ(read(f.out).seriesCount(), 1u);
  EXPECT_NE(errorOf(f.out + "\x7F\x7F"), "");
  std::string withMarks = f.out;
  const std::string counts("\x06\x01I\x02\x01\x06\x01I\x02\x00", 10);
  withMarks.replace(withMarks.find(counts), counts.size(), std::string("\x06\x01I\x02\x01\x06\x01I\x02\x01", 10));
  EXPECT_EQ(read(withMarks + "\x7F\x7F marks of some layout").seriesCount(), 1u);
}

TEST(GraFileTest, AnnotationsAreSkippedByTheirLength) {
  std::string image = chartFileImage(richChart(), 1);
  image.resize(image.size() - 13);
  const std::string list = "\x06\x01I\x02\x02"
                           "two annotations of a layout nobody here knows";
  const std::uint32_t length = static_cast<std::uint32_t>(4 + list.size());
  const std::string good = image + std::string(reinterpret_cast<const char*>(&length), 4) + list + std::string(4, '\0');
  EXPECT_EQ(read(good).seriesCount(), 3u);
  const std::uint32_t wrong = length + 1000;
  EXPECT_NE(errorOf(image + std::string(reinterpret_cast<const char*>(&wrong), 4) + list + std::string(4, '\0')), "");
  EXPECT_NE(errorOf(image + std::string(reinterpret_cast<const char*>(&length), 4) + list + "\x01\0\0\0"), "");
}

TEST(GraFileTest, OtherVersionsAndOtherFilesAreRefused) {
  std::string image = chartFileImage(ChartModel(), 1);
  image[9] = '1';
  EXPECT_EQ(errorOf(image),
            "Die Graphikdatei \"kurve.gra\" hat die Version \"xygg03.10\"; lesbar ist nur \"xygg03.20\".");
  EXPECT_EQ(errorOf(""), "Die Datei \"kurve.gra\" ist keine Graphikdatei.");
  EXPECT_EQ(errorOf("\x89PNG\r\n"), "Die Datei \"kurve.gra\" ist keine Graphikdatei.");
}

// Every cut of a file is refused, except the one right after the series,
// which is a file without annotation part.
TEST(GraFileTest, TruncatedFilesAreRefusedWithAGermanMessage) {
  const std::string image = chartFileImage(richChart(), 1);
  const std::size_t complete = image.size() - 13;
  for (std::size_t n = 0; n < image.size(); ++n) {
    if (n == complete) continue;
    const std::string e = errorOf(image.substr(0, n));
    ASSERT_TRUE(e.starts_with("Die Graphikdatei \"kurve.gra\" ist beschädigt: ") ||
                e == "Die Datei \"kurve.gra\" ist keine Graphikdatei.")
        << n << ": " << e;
  }
}

TEST(GraFileTest, DamagedCountsAndTagsAreRefused) {
  ChartModel c;
  c.Series(1).Add(1, 1);
  const std::string image = chartFileImage(c, 1);
  const std::size_t at = image.find(std::string("\x06\x03 1I\x02\x01", 7));
  ASSERT_NE(at, std::string::npos);
  std::string huge = image;
  huge.replace(at + 5, 2, std::string("\x04\xFF\xFF\xFF\x7F", 5)); // two thousand million points
  EXPECT_NE(errorOf(huge).find("beschädigt"), std::string::npos);
  std::string negative = image;
  negative[at + 6] = '\xFF';
  EXPECT_NE(errorOf(negative).find("beschädigt"), std::string::npos);
  std::string badTag = image;
  badTag[image.find("99S") + 1] = 'x';
  EXPECT_NE(errorOf(badTag).find("beschädigt"), std::string::npos);
}

} // namespace
} // namespace veltra::core
