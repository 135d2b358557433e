#include "core/online/day_file.h"

#include "core/chart/date_time.h"
#include "core/util/error.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace veltra::core {
namespace {

const DayGroupInfo& info(char letter) { return kDayGroups[static_cast<std::size_t>(dayGroupIndex(letter))]; }

const TDateTime kDay = static_cast<TDateTime>(daysFromCivil(2026, 12, 5));

DayGroup read(char letter, const std::string& text, ValueForm form = ValueForm::Automatic) {
  DayGroup g(info(letter));
  readDayText(text, std::string(1, letter) + "_05.12.2026.csv", kDay, "HH:mm:ss", form, g);
  return g;
}

std::string readError(char letter, const std::string& text, ValueForm form = ValueForm::Automatic) {
  DayGroup g(info(letter));
  try {
    readDayText(text, std::string(1, letter) + "_05.12.2026.csv", kDay, "HH:mm:ss", form, g);
  } catch (const Error& e) {
    EXPECT_FALSE(g.present());
    EXPECT_EQ(g.rows(), 0u);
    return e.what();
  }
  ADD_FAILURE() << "no error";
  return {};
}

TEST(DayFile, HundredthsAreDividedAndBitsDrawnFromTheirByte) {
  const DayGroup e = read('E', "14:03:27;2150;-5;0\r\n14:04:27;2151;7;1\r\n");
  ASSERT_EQ(e.rows(), 2u);
  EXPECT_EQ(e.readAs(), ValueForm::Hundredths);
  EXPECT_EQ(e.columns(), 3);
  EXPECT_DOUBLE_EQ(e.value(0, 1), 21.5);
  EXPECT_DOUBLE_EQ(e.value(0, 2), -0.05);
  EXPECT_DOUBLE_EQ(e.value(1, 1), 21.51);
  EXPECT_DOUBLE_EQ(e.time(0), kDay + (14 * 3600 + 3 * 60 + 27) / 86400.0);
  EXPECT_TRUE(std::isnan(e.value(0, 4))); // beyond the row
  EXPECT_TRUE(std::isnan(e.value(0, 0)));

  // Bits keep their low byte: 257 is 1, 256 is 0.
  const DayGroup i = read('I', "10:00:00;1;0;257;256\r\n");
  EXPECT_DOUBLE_EQ(i.value(0, 1), 1.0);
  EXPECT_DOUBLE_EQ(i.value(0, 2), 0.0);
  EXPECT_DOUBLE_EQ(i.value(0, 3), 1.0);
  EXPECT_DOUBLE_EQ(i.value(0, 4), 0.0);
}

struct FormCase {
  const char* name;
  const char* text;
  ValueForm form;
  ValueForm readAs;
  double first;
};

class DayFileForms : public ::testing::TestWithParam<FormCase> {};

TEST_P(DayFileForms, OneRuleForTheWholeFile) {
  const FormCase& c = GetParam();
  const DayGroup g = read('A', c.text, c.form);
  EXPECT_EQ(g.readAs(), c.readAs);
  EXPECT_DOUBLE_EQ(g.value(0, 1), c.first);
}

INSTANTIATE_TEST_SUITE_P(
    Rule, DayFileForms,
    ::testing::Values(
        FormCase{"IntegersAreHundredths", "10:00:00;2150;20\r\n10:01:00;2100;20\r\n", ValueForm::Automatic,
                 ValueForm::Hundredths, 21.5},
        // One decimal field in the last row turns the whole file, the rows
        // before included, into values as they are.
        FormCase{"OneDecimalMakesTheFileDecimal", "10:00:00;20;0\r\n10:01:00;21.5;0\r\n", ValueForm::Automatic,
                 ValueForm::Decimal, 20.0},
        FormCase{"AnExponentCounts", "10:00:00;20;1E-6\r\n", ValueForm::Automatic, ValueForm::Decimal, 20.0},
        FormCase{"LowerExponent", "10:00:00;3;2e+2\r\n", ValueForm::Automatic, ValueForm::Decimal, 3.0},
        FormCase{"OverrideDecimal", "10:00:00;2150\r\n", ValueForm::Decimal, ValueForm::Decimal, 2150.0},
        FormCase{"OverrideHundredths", "10:00:00;2150\r\n", ValueForm::Hundredths, ValueForm::Hundredths, 21.5},
        // A gap text is not a decimal: the file stays in hundredths.
        FormCase{"GapTextKeepsHundredths", "10:00:00;2150;NAN\r\n", ValueForm::Automatic, ValueForm::Hundredths, 21.5}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(DayFile, RecorderDecimalsAndHundredthsFilesSideBySide) {
  const DayGroup ours = read('E', "10:01:00;21.5;20;1E-6;-3.25\r\n");
  const DayGroup theirs = read('E', "10:01:00;2150;2000;0;-325\r\n");
  for (int n = 1; n <= 4; ++n)
    EXPECT_NEAR(ours.value(0, n), theirs.value(0, n), 1e-5) << n;
  EXPECT_DOUBLE_EQ(ours.value(0, 3), 1e-6);
}

TEST(DayFile, GapsAreNaNAndQuotesAndBlanksAreTolerated) {
  const DayGroup g = read('H', "10:00:00;NAN;;INF;-inf; 12 ;\"34\"\r\n");
  EXPECT_TRUE(std::isnan(g.value(0, 1)));
  EXPECT_TRUE(std::isnan(g.value(0, 2)));
  EXPECT_TRUE(std::isnan(g.value(0, 3)));
  EXPECT_TRUE(std::isnan(g.value(0, 4)));
  EXPECT_DOUBLE_EQ(g.value(0, 5), 0.12);
  EXPECT_DOUBLE_EQ(g.value(0, 6), 0.34);
  EXPECT_TRUE(std::isnan(g.value(0, 7))); // the empty last field
}

TEST(DayFile, RowsOfDifferentLengthWidenAndShortRowsLeaveGaps) {
  std::string text;
  for (int r = 0; r < 40; ++r) // more than one block of rows
    text += "10:" + std::string(r < 10 ? "0" : "") + std::to_string(r) + ":00;" + std::to_string(r) + "\n";
  text += "11:00:00;1;2;3\r\n11:01:00;4\r";
  const DayGroup g = read('E', text);
  ASSERT_EQ(g.rows(), 42u);
  EXPECT_EQ(g.columns(), 3);
  EXPECT_DOUBLE_EQ(g.value(39, 1), 0.39);
  EXPECT_TRUE(std::isnan(g.value(39, 2)));
  EXPECT_DOUBLE_EQ(g.value(40, 3), 0.03);
  EXPECT_DOUBLE_EQ(g.value(41, 1), 0.04);
  EXPECT_TRUE(std::isnan(g.value(41, 3)));
  EXPECT_NEAR(g.interval(), 60.0 / 86400.0, 1e-9); // day numbers near 46,000 keep about 1e-11
  // Kept: the values and the time stamps, nothing per field.
  EXPECT_EQ(g.keptBytes(), 42u * 3 * sizeof(double) + 42u * sizeof(TDateTime));
}

TEST(DayFile, FieldsBeyondTheGroupAreNotKept) {
  std::string text = "10:00:00";
  for (int n = 1; n <= 300; ++n)
    text += ";" + std::to_string(n);
  const DayGroup g = read('Q', text + "\r\n");
  EXPECT_EQ(g.columns(), 256);
  EXPECT_DOUBLE_EQ(g.value(0, 256), 0.0);   // 256 & 0xFF
  EXPECT_DOUBLE_EQ(g.value(0, 255), 255.0); // the low byte, as the block holds it
}

TEST(DayFile, EmptyLinesAreSkippedButCounted) {
  const std::string m = readError('E', "\r\n10:00:00;1\r\n   \r\n10:01:00;x\r\n");
  EXPECT_NE(m.find("Zeile 4"), std::string::npos) << m;
  EXPECT_EQ(read('E', "\r\n\r\n10:00:00;1\r\n").rows(), 1u);
}

struct BadCase {
  const char* name;
  char letter;
  const char* text;
  ValueForm form;
  const char* expected; // parts of the message
  const char* expected2;
};

class DayFileBad : public ::testing::TestWithParam<BadCase> {};

TEST_P(DayFileBad, StopsWithAMessageNamingFileAndLine) {
  const BadCase& c = GetParam();
  const std::string m = readError(c.letter, c.text, c.form);
  EXPECT_NE(m.find(std::string(1, c.letter) + "_05.12.2026.csv"), std::string::npos) << m;
  EXPECT_NE(m.find(c.expected), std::string::npos) << m;
  EXPECT_NE(m.find(c.expected2), std::string::npos) << m;
}

INSTANTIATE_TEST_SUITE_P(
    Faults, DayFileBad,
    ::testing::Values(
        BadCase{"Letters", 'E', "10:00:00;1\r\n10:01:00;1;abc\r\n", ValueForm::Automatic, "Zeile 2", "Feld 2"},
        BadCase{"DecimalInHundredths", 'E', "10:00:00;21.5\r\n", ValueForm::Hundredths, "Zeile 1", "Hundertstel"},
        BadCase{"DecimalInBits", 'I', "10:00:00;0;0.5\r\n", ValueForm::Automatic, "Zeile 1", "Feld 2"},
        BadCase{"TrailingJunk", 'A', "10:00:00;12x\r\n", ValueForm::Automatic, "Zeile 1", "Feld 1"},
        BadCase{"BadTime", 'A', "10:00:00;1\r\n25:00:00;1\r\n", ValueForm::Automatic, "Zeile 2", "Uhrzeit"},
        BadCase{"TimeNotAText", 'A', "abc;1\r\n", ValueForm::Automatic, "Zeile 1", "'abc'"},
        BadCase{"UnclosedQuote", 'A', "10:00:00;\"12\r\n", ValueForm::Automatic, "Zeile 1", "Feld 1"},
        BadCase{"NaNIsNotADecimalNumber", 'A', "10:00:00;1.5;1e400\r\n", ValueForm::Automatic, "Zeile 1", "Feld 2"}),
    [](const auto& p) { return std::string(p.param.name); });

} // namespace
} // namespace veltra::core
