#include "core/online/measurement_recorder.h"

#include "core/util/error.h"
#include "core/util/file_io.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <limits>
#include <string>
#include <vector>

namespace veltra::core {
namespace {

namespace fs = std::filesystem;

// `fields` after the time stamp, the other of the 256 values "0".
std::string row(const std::string& time, std::initializer_list<std::pair<int, std::string>> fields) {
  std::vector<std::string> v(257, "0");
  for (const auto& [n, text] : fields)
    v[static_cast<std::size_t>(n)] = text;
  std::string out = time;
  for (int n = 1; n <= 256; ++n)
    out += ";" + v[static_cast<std::size_t>(n)];
  return out + "\r\n";
}

class RecorderTest : public ::testing::Test {
protected:
  void SetUp() override {
    dir = fs::temp_directory_path() /
          ("veltra_rec_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    recorder.setFolder(dir);
  }
  void TearDown() override { fs::remove_all(dir); }
  std::string file(const std::string& name) const { return readFileText(dir / name); }

  fs::path dir;
  std::vector<std::uint8_t> bytes = std::vector<std::uint8_t>(kServerBlockSize, 0);
  ServerBlock block{bytes};
  FixedClock clock{makeLocalDateTime(2026, 12, 5, 10, 1, 0)};
  MeasurementRecorder recorder{clock};
};

TEST_F(RecorderTest, FiveRowsByteForByteInTheirDayFiles) {
  block.setAnalog(BlockArea::E, 1, 21.5);
  block.setAnalog(BlockArea::E, 256, 1e-6);
  block.setAnalog(BlockArea::A, 2, 20.0);
  block.setBit(BlockArea::I, 3, true);
  bytes[262499 + 256] = 0x55; // Q 256: any non-zero byte is 1
  block.setAnalog(BlockArea::H, 7, -0.125);
  block.setAnalog(BlockArea::V, 1, 5.0); // V is not recorded
  const RecordReport r = recorder.writeTick(block);
  EXPECT_TRUE(r.written);
  EXPECT_TRUE(r.message.empty());
  EXPECT_EQ(file("E_05.12.2026.csv"), row("10:01:00", {{1, "21.5"}, {256, "1E-6"}}));
  EXPECT_EQ(file("A_05.12.2026.csv"), row("10:01:00", {{2, "20"}}));
  EXPECT_EQ(file("I_05.12.2026.csv"), row("10:01:00", {{3, "1"}}));
  EXPECT_EQ(file("Q_05.12.2026.csv"), row("10:01:00", {{256, "1"}}));
  EXPECT_EQ(file("H_05.12.2026.csv"), row("10:01:00", {{7, "-0.125"}}));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 5);
}

// Rows are appended, each with the time of its own write; after midnight
// the remaining rows of the same tick go into the next day's files.
TEST_F(RecorderTest, EveryRowItsOwnTimeAndANewDayNewFiles) {
  clock.set(makeLocalDateTime(2026, 12, 31, 23, 59, 58));
  clock.setStep(1);
  recorder.writeTick(block);
  EXPECT_EQ(file("E_31.12.2026.csv"), row("23:59:58", {}));
  EXPECT_EQ(file("A_31.12.2026.csv"), row("23:59:59", {}));
  EXPECT_EQ(file("I_01.01.2027.csv"), row("00:00:00", {}));
  EXPECT_EQ(file("Q_01.01.2027.csv"), row("00:00:01", {}));
  EXPECT_EQ(file("H_01.01.2027.csv"), row("00:00:02", {}));
  clock.set(makeLocalDateTime(2027, 1, 1, 0, 1, 0));
  clock.setStep(0);
  block.setAnalog(BlockArea::E, 2, 2.5);
  recorder.writeTick(block);
  EXPECT_EQ(file("E_01.01.2027.csv"), row("00:01:00", {{2, "2.5"}}));
  EXPECT_EQ(file("I_01.01.2027.csv"), row("00:00:00", {}) + row("00:01:00", {}));
}

TEST_F(RecorderTest, OtherGroupCodesWriteNothing) {
  for (char code : {'m', 'v', 'f', 'E', 'x'})
    recorder.WriteMesswerte(code, block);
  EXPECT_TRUE(fs::is_empty(dir));
  recorder.WriteMesswerte('q', block);
  EXPECT_TRUE(fs::exists(dir / "Q_05.12.2026.csv"));
}

// The formats are the seam's: a time format of another kind shows in the
// rows, and a date that cannot be part of a file name is refused.
TEST_F(RecorderTest, FormatsComeFromTheSeam) {
  recorder.setFormats({"yyyy-MM-dd", "H.mm"});
  recorder.WriteMesswerte('e', block);
  EXPECT_EQ(file("E_2026-12-05.csv"), row("10.01", {}));
  recorder.setFormats({"dd/MM/yyyy", "HH:mm:ss"});
  EXPECT_THROW(recorder.WriteMesswerte('e', block), Error);
  EXPECT_EQ(std::distance(fs::recursive_directory_iterator(dir), fs::recursive_directory_iterator()), 1);
}

// A failure is reported once per streak, the groups after it in that tick
// are not written, and the first tick that works again says so.
TEST_F(RecorderTest, WriteFailureReportedOncePerStreak) {
  fs::create_directory(dir / "A_05.12.2026.csv"); // the A file cannot be opened
  RecordReport r = recorder.writeTick(block);
  EXPECT_FALSE(r.written);
  EXPECT_TRUE(r.isError);
  EXPECT_NE(r.message.find("A_05.12.2026.csv"), std::string::npos) << r.message;
  EXPECT_TRUE(fs::exists(dir / "E_05.12.2026.csv"));
  EXPECT_FALSE(fs::exists(dir / "I_05.12.2026.csv"));
  r = recorder.writeTick(block);
  EXPECT_TRUE(r.isError);
  EXPECT_TRUE(r.message.empty()) << "the second failure in a row stays quiet";
  fs::remove(dir / "A_05.12.2026.csv");
  r = recorder.writeTick(block);
  EXPECT_TRUE(r.written);
  EXPECT_FALSE(r.isError);
  EXPECT_EQ(r.message, "Die Messwerte werden wieder geschrieben.");
  EXPECT_TRUE(recorder.writeTick(block).message.empty());
  EXPECT_EQ(file("E_05.12.2026.csv"),
            row("10:01:00", {}) + row("10:01:00", {}) + row("10:01:00", {}) + row("10:01:00", {}));
  EXPECT_EQ(file("I_05.12.2026.csv"), row("10:01:00", {}) + row("10:01:00", {}));
}

TEST(MeasureValue, GeneralFormWith15DigitsAndGapTexts) {
  const std::pair<double, const char*> cases[] = {
      {21.5, "21.5"},
      {20.0, "20"},
      {1e-6, "1E-6"},
      {0.00001, "0.00001"},
      {0.0000099, "9.9E-6"},
      {0.1 + 0.2, "0.3"},
      {1.0 / 3.0, "0.333333333333333"},
      {2.0 / 3.0, "0.666666666666667"},
      {999999999999999.0, "999999999999999"},
      {999999999999999.9, "1E15"},
      {1e15, "1E15"},
      {123456789012345.6, "123456789012346"},
      {-1234.5678, "-1234.5678"},
      {-0.0, "0"},
      {0.0, "0"},
      {1.7976931348623157e308, "1.79769313486231E308"}, // rounded up it would read back as no number
      {-1.7976931348623157e308, "-1.79769313486231E308"},
      {1.79769313486e308, "1.79769313486E308"},
      {std::numeric_limits<double>::denorm_min(), "4.94065645841247E-324"},
      {std::numeric_limits<double>::quiet_NaN(), "NAN"},
      {std::numeric_limits<double>::infinity(), "INF"},
      {-std::numeric_limits<double>::infinity(), "-INF"},
  };
  for (const auto& [v, text] : cases) {
    std::string out = "x";
    appendMeasureValue(out, v);
    EXPECT_EQ(out, std::string("x") + text) << v;
  }
  for (const char* gap : {"NAN", "INF", "-INF"})
    EXPECT_TRUE(isGapText(gap)) << gap;
  for (const char* value : {"0", "nan", "", "1E-6", "INF "})
    EXPECT_FALSE(isGapText(value)) << value;
}

TEST(DayFiles, NamesAndPrefixes) {
  EXPECT_EQ(dayFileName("E_", "05.12.2026"), "E_05.12.2026.csv");
  EXPECT_TRUE(dateFitsFileName("05.12.2026"));
  EXPECT_FALSE(dateFitsFileName("05/12/2026"));
  EXPECT_FALSE(dateFitsFileName(""));
  std::string codes, prefixes;
  for (const MeasureGroup& g : kRecordedGroups) {
    codes += g.code;
    prefixes += g.prefix;
  }
  EXPECT_EQ(codes, "eaiqh");
  EXPECT_EQ(prefixes, "E_A_I_Q_H_");
  EXPECT_EQ(recordedGroup('m'), nullptr);
}

} // namespace
} // namespace veltra::core
