#include "core/online/day_loader.h"

#include "core/util/file_io.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>

namespace veltra::core {
namespace {

namespace fs = std::filesystem;

class DayLoaderTest : public ::testing::Test {
protected:
  void SetUp() override {
    dir = fs::temp_directory_path() /
          ("veltra_day_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }
  void write(const std::string& name, const std::string& text) const {
    std::ofstream(dir / name, std::ios::binary) << text;
  }
  // One file per group of 5 December 2026, each with its letter's row.
  void writeDay() const {
    write("E_05.12.2026.csv", "14:03:27;2150;100\r\n14:04:27;2160;100\r\n");
    write("A_05.12.2026.csv", "14:03:27;21.5;20\r\n"); // our recorder's form
    write("H_05.12.2026.csv", "14:03:27;-300\r\n");
    write("I_05.12.2026.csv", "14:03:27;1;0\r\n");
    write("Q_05.12.2026.csv", "14:03:27;0;1\r\n");
    write("M_05.12.2026.csv", "14:03:27;1\r\n");
    write("V_05.12.2026.csv", "14:03:27;7\r\n");
    write("F_05.12.2026.csv", "14:03:27;12345\r\n");
    write("E_06.12.2026.csv", "09:00:00;999\r\n"); // another day
  }

  fs::path dir;
  DayLoadOptions options;
  DayMeasurement m;
};

TEST_F(DayLoaderTest, AnyGroupsFilePicksTheWholeDay) {
  writeDay();
  for (const char* picked : {"A_05.12.2026.csv", "V_05.12.2026.csv", "F_05.12.2026.csv"}) {
    const DayLoadResult r = loadDay(dir / picked, options, m);
    EXPECT_EQ(r.message, "") << picked;
    EXPECT_EQ(m.dateText(), "05.12.2026");
    for (std::size_t i = 0; i < kDayGroups.size(); ++i)
      EXPECT_TRUE(m.group(i).present()) << picked << " " << kDayGroups[i].letter;
    EXPECT_EQ(m.find('E')->rows(), 2u);
    EXPECT_DOUBLE_EQ(m.find('E')->value(0, 1), 21.5);
    EXPECT_DOUBLE_EQ(m.find('E')->value(1, 1), 21.6);
    EXPECT_EQ(m.find('A')->readAs(), ValueForm::Decimal);
    EXPECT_DOUBLE_EQ(m.find('A')->value(0, 1), 21.5);
    EXPECT_DOUBLE_EQ(m.find('H')->value(0, 1), -3.0);
    EXPECT_DOUBLE_EQ(m.find('I')->value(0, 1), 1.0);
    EXPECT_DOUBLE_EQ(m.find('Q')->value(0, 2), 1.0);
    EXPECT_DOUBLE_EQ(m.find('V')->value(0, 1), 0.07);
    EXPECT_DOUBLE_EQ(m.find('F')->value(0, 1), 123.45);
    // 5 December 2026, 14:03:27.
    const CivilDateTime t = decodeDateTime(m.find('E')->time(0));
    EXPECT_EQ(t, (CivilDateTime{2026, 12, 5, 14, 3, 27, 0}));
  }
}

TEST_F(DayLoaderTest, MissingGroupsStayEmptyAndALoadReplacesTheLast) {
  writeDay();
  ASSERT_EQ(loadDay(dir / "E_05.12.2026.csv", options, m).message, "");
  const DayLoadResult r = loadDay(dir / "E_06.12.2026.csv", options, m);
  EXPECT_EQ(r.message, "");
  EXPECT_EQ(m.find('E')->rows(), 1u);
  EXPECT_DOUBLE_EQ(m.find('E')->value(0, 1), 9.99);
  EXPECT_FALSE(m.find('A')->present());
  EXPECT_EQ(m.find('A')->rows(), 0u);
}

TEST_F(DayLoaderTest, ANameWithoutUnderscoreLoadsNothing) {
  writeDay();
  ASSERT_EQ(loadDay(dir / "E_05.12.2026.csv", options, m).message, "");
  write("E05.12.2026.csv", "14:03:27;1\r\n");
  const DayLoadResult r = loadDay(dir / "E05.12.2026.csv", options, m);
  EXPECT_NE(r.message, "");
  for (std::size_t i = 0; i < kDayGroups.size(); ++i)
    EXPECT_FALSE(m.group(i).present());
}

TEST_F(DayLoaderTest, ABadFieldStopsItsGroupAndKeepsTheGroupsBefore) {
  writeDay();
  write("H_05.12.2026.csv", "14:03:27;1\r\n14:04:27;1;zwei\r\n");
  const DayLoadResult r = loadDay(dir / "E_05.12.2026.csv", options, m);
  EXPECT_NE(r.message.find("H_05.12.2026.csv"), std::string::npos) << r.message;
  EXPECT_NE(r.message.find("Zeile 2"), std::string::npos) << r.message;
  EXPECT_TRUE(m.find('E')->present());
  EXPECT_TRUE(m.find('A')->present());
  EXPECT_FALSE(m.find('H')->present()); // the group being read stays empty
  EXPECT_FALSE(m.find('I')->present()); // the load stopped there
  EXPECT_FALSE(m.find('F')->present());
}

TEST_F(DayLoaderTest, TheOverrideOfAGroupIsUsedForItsFile) {
  writeDay();
  options.forms[static_cast<std::size_t>(dayGroupIndex('E'))] = ValueForm::Decimal;
  ASSERT_EQ(loadDay(dir / "E_05.12.2026.csv", options, m).message, "");
  EXPECT_DOUBLE_EQ(m.find('E')->value(0, 1), 2150.0);
  EXPECT_DOUBLE_EQ(m.find('H')->value(0, 1), -3.0); // the others as before
}

TEST_F(DayLoaderTest, ProgressCoversAllFilesAndCanStop) {
  writeDay();
  std::uint64_t last = 0, total = 0;
  options.progress = [&](std::uint64_t done, std::uint64_t all) {
    EXPECT_GE(done, last);
    last = done;
    total = all;
    return true;
  };
  ASSERT_EQ(loadDay(dir / "E_05.12.2026.csv", options, m).message, "");
  EXPECT_EQ(last, total);
  std::uint64_t sum = 0;
  for (const auto& e : fs::directory_iterator(dir))
    if (e.path().filename().string().find("05.12") != std::string::npos) sum += fs::file_size(e.path());
  EXPECT_EQ(total, sum);

  options.progress = [](std::uint64_t, std::uint64_t) { return false; };
  const DayLoadResult r = loadDay(dir / "E_05.12.2026.csv", options, m);
  EXPECT_TRUE(r.cancelled);
  EXPECT_FALSE(m.find('E')->present());
}

TEST_F(DayLoaderTest, LinesLongerThanAPieceAndSplitLineEnds) {
  // V rows of 9216 fields, enough to cross the reader's piece boundaries.
  std::string row;
  for (int n = 1; n <= 9216; ++n)
    row += ";" + std::to_string(n);
  std::string text;
  for (int r = 0; r < 40; ++r)
    text += "10:" + std::string(r < 10 ? "0" : "") + std::to_string(r) + ":00" + row + "\r\n";
  write("V_05.12.2026.csv", text);
  ASSERT_EQ(loadDay(dir / "V_05.12.2026.csv", options, m).message, "");
  const DayGroup& v = *m.find('V');
  ASSERT_EQ(v.rows(), 40u);
  EXPECT_EQ(v.columns(), 9216);
  for (std::size_t r = 0; r < 40; ++r) {
    EXPECT_DOUBLE_EQ(v.value(r, 1), 0.01);
    EXPECT_DOUBLE_EQ(v.value(r, 9216), 92.16);
  }
  EXPECT_LE(v.keptBytes(), 40u * 9216 * sizeof(double) * 3 / 2);
}

TEST_F(DayLoaderTest, DayOfFileNameAndTheLatestFileOfAGroup) {
  DateTimeFormats f;
  EXPECT_EQ(dayOfFileName("E_05.12.2026.csv", f), static_cast<TDateTime>(daysFromCivil(2026, 12, 5)));
  EXPECT_FALSE(dayOfFileName("X_05.12.2026.csv", f));
  EXPECT_FALSE(dayOfFileName("E_31.02.2026.csv", f));
  EXPECT_FALSE(dayOfFileName("E_05.12.2026.txt", f));
  EXPECT_FALSE(dayOfFileName("E05.12.2026.csv", f));
  write("E_05.12.2026.csv", "");
  write("E_28.11.2026.csv", "");
  write("E_01.01.2027.txt", "");
  write("A_01.01.2027.csv", "");
  const auto latest = latestDayFile(dir, 'E', f);
  ASSERT_TRUE(latest);
  EXPECT_EQ(latest->filename(), "E_05.12.2026.csv");
  EXPECT_FALSE(latestDayFile(dir, 'H', f));
}

} // namespace
} // namespace veltra::core
