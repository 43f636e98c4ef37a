#include "runtime/Format.h"

#include <gtest/gtest.h>

#include "ErrorOf.h"
#include "runtime/Currency.h"

using namespace qv;

namespace {

struct NumberCase {
  double value;
  const char* pattern;
  const char* expected;
};

TEST(FormatNumber, PatternsOfTheProgram) {
  const NumberCase cases[] = {
      // money edit and totals: no zero before the point
      {1234, "$###,###.00", "$1,234.00"},
      {1234.5, "$###,###.00", "$1,234.50"},
      {0.5, "$###,###.00", "$.50"},
      {0, "$###,###.00", "$.00"},
      {1234567, "$###,###.00", "$1,234,567.00"},
      {-5, "$###,###.00", "-$5.00"},
      {1234.5, "($###,###.00)", "($1,234.50)"},
      // benefit screens: grouping runs through every thousands group
      {0.5, "$##,###.00", "$.50"},
      {1234567, "$##,###.00", "$1,234,567.00"},
      {-50, "$##,###.00", "-$50.00"},
      // computed boxes and settings
      {0, "###,###.00", ".00"},
      {0.45, "###,###.00", ".45"},
      {168600, "###,###.00", "168,600.00"},
      {2220, "#,###.00", "2,220.00"},
      {168600, "#######", "168600"},
      {0, "#######", ""},
      // whole numbers
      {1234.6, "###,###,###", "1,235"},
      {0, "###,###,###", ""},
      {1234, "(###,###,###)", "(1,234)"},
      // sequence numbers: at least three digits
      {5, "00#", "005"},
      {12, "00#", "012"},
      {0, "00#", "000"},
      {1234, "00#", "1234"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(formatNumber(c.value, QString::fromLatin1(c.pattern)), QString::fromUtf8(c.expected))
        << c.value << " with " << c.pattern;
}

TEST(FormatNumber, PlaceholdersSectionsAndLiterals) {
  const NumberCase cases[] = {
      {5, "#.##", "5."},
      {1.5, "#.0#", "1.5"},
      {1.25, "#.0#", "1.25"},
      {5, "0,000", "0,005"},
      {1234, "00-00", "12-34"},
      {123456, "00-00", "1234-56"},
      {12.5, ".00", "12.50"},
      {1234567, "#,##0,", "1,235"},
      {0.256, "0.0%", "25.6%"},
      {-1.5, "0.00;(0.00)", "(1.50)"},
      {0, "0.00;(0.00);\"none\"", "none"},
      {0, "0.00;(0.00);", "0.00"},
      {-2, "0;;\\z\\e\\r\\o", "-2"},
      {7, "\"#\"0", "#7"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(formatNumber(c.value, QString::fromLatin1(c.pattern)), QString::fromLatin1(c.expected))
        << c.value << " with " << c.pattern;
}

TEST(FormatNumber, RoundsHalfAwayFromZeroOnTheShownDecimalForm) {
  const NumberCase cases[] = {
      {2.5, "0", "3"},
      {-2.5, "0", "-3"},
      {0.125, "0.00", "0.13"},
      {1.005, "0.00", "1.01"},  // binary 1.00499999..., shown as 1.005
      {2.675, "0.00", "2.68"},
      {9.995, "#,###.00", "10.00"},
      {999999.995, "###,###.00", "1,000,000.00"},
      {-0.001, "0.00", "0.00"},  // no sign on a shown zero
  };
  for (const auto& c : cases)
    EXPECT_EQ(formatNumber(c.value, QString::fromLatin1(c.pattern)), QString::fromLatin1(c.expected))
        << c.value << " with " << c.pattern;
}

TEST(FormatNumber, CurrencyUsesItsExactDecimals) {
  EXPECT_EQ(formatNumber(Currency::fromText("10453.2"), "###,###.00"), "10,453.20");
  EXPECT_EQ(formatNumber(Currency::fromText("0.005"), "$##,###.00"), "$.01");
  EXPECT_EQ(formatNumber(Currency::fromText("-0.005"), "$##,###.00"), "-$.01");
  EXPECT_EQ(formatNumber(Currency::fromText("-1234.5"), "$##,###.00"), "-$1,234.50");
  EXPECT_EQ(formatNumber(Currency::fromUnits(INT64_MIN), "#,##0.0000"),
            "-922,337,203,685,477.5808");
  EXPECT_EQ(formatNumber(Currency::fromText("2.5"), ""), "2.5");
}

TEST(FormatText, NumericTextIsFormattedOtherTextKept) {
  const struct {
    const char* text;
    const char* pattern;
    const char* expected;
  } cases[] = {
      {"1234.5", "$###,###.00", "$1,234.50"},
      {"1234.567", "###,###,###", "1,235"},
      {"168,600.00", "#######", "168600"},
      {"1.005", "$###,###.00", "$1.01"},
      {"-5.00", "$###,###.00", "-$5.00"},
      {"0.00", "$###,###.00", "$.00"},
      {"abc", "$###,###.00", "abc"},
      {"", "###,###.00", ""},
      // text patterns
      {"abcd1234ABCD5678", "@@@@-@@@@-@@@@-@@@@", "abcd-1234-ABCD-5678"},
      {"1234567812345678", "@@@@-@@@@-@@@@-@@@@", "1234-5678-1234-5678"},
      {"12", "@@@@", "  12"},
      {"12", "!@@@@", "12  "},
      {"12", "&&&&", "12"},
      {"123456", "@@@@", "123456"},
      {"ab", ">@@", "AB"},
      {"", "@;\"empty\"", "empty"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(formatText(QString::fromLatin1(c.text), QString::fromLatin1(c.pattern)),
              QString::fromLatin1(c.expected))
        << c.text << " with " << c.pattern;
}

TEST(NumberTest, IsNumericFollowsTheRuntimeConversion) {
  const struct {
    const char* text;
    bool numeric;
  } cases[] = {
      {"1234", true},     {"1,234.5", true}, {"$1,000", true}, {" 12 ", true},
      {"-5", true},       {"+5", true},      {"12-", true},    {"(5)", true},
      {"($1,234.50)", true}, {"-$5.00", true}, {"5$", true},   {".5", true},
      {"5.", true},       {"1e3", true},     {"1D3", true},    {"1,2,3", true},
      {"", false},        {" ", false},      {".", false},     {"$", false},
      {"1.2.3", false},   {"12a", false},    {"6.2%", false},  {"1 2", false},
      {"(5", false},      {"5)", false},     {"--5", false},   {"-5-", false},
      {"-(5)", false},    {"1e", false},     {"1.5,5", false}, {"$$5", false},
      {"UNK", false},     {"20XX", false},   {"&H10", false},
  };
  for (const auto& c : cases) EXPECT_EQ(isNumeric(QString::fromLatin1(c.text)), c.numeric) << c.text;
}

TEST(NumberTest, CDblReadsAndRejects) {
  EXPECT_EQ(cDbl("$1,234.50"), 1234.5);
  EXPECT_EQ(cDbl("(5)"), -5);
  EXPECT_EQ(cDbl("12-"), -12);
  EXPECT_EQ(cDbl(" 6.2 "), 6.2);
  EXPECT_EQ(cDbl("1.5E2"), 150);
  EXPECT_EQ(cDbl("1e-400"), 0);
  EXPECT_EQ(errorOf([] { cDbl("abc"); }), err::TypeMismatch);
  EXPECT_EQ(errorOf([] { cDbl(""); }), err::TypeMismatch);
  EXPECT_EQ(errorOf([] { cDbl("1e400"); }), err::Overflow);
}

TEST(NumberTest, WholeNumbersRoundHalfToEven) {
  const struct {
    double value;
    int expected;
  } cases[] = {{2.5, 2}, {3.5, 4}, {-2.5, -2}, {2.4999, 2}, {32766.5, 32766}};
  for (const auto& c : cases) {
    EXPECT_EQ(cLng(c.value), c.expected) << c.value;
    EXPECT_EQ(cInt(c.value), c.expected) << c.value;
  }
  EXPECT_EQ(cLng(168600.5), 168600);
  EXPECT_EQ(cLng(168601.5), 168602);
  EXPECT_EQ(cInt(-32768.4), -32768);
  EXPECT_EQ(errorOf([] { cInt(32767.5); }), err::Overflow);
  EXPECT_EQ(errorOf([] { cLng(3e9); }), err::Overflow);
  // the settings screen's maximum: rounded to whole, then shown with decimals
  EXPECT_EQ(formatNumber(vbRound(cDbl("168601.5")), "###,###.00"), "168,602.00");
  EXPECT_EQ(formatNumber(vbRound(cDbl("1,000,000.4")), "###,###.00"), "1,000,000.00");
  EXPECT_EQ(vbRound(1000000.5), 1000000);
  EXPECT_EQ(vbRound(3e12 + 0.5), 3e12);  // Round does not overflow where CLng would
}

TEST(NumberTest, GeneralTextShowsFifteenDigits) {
  const struct {
    double value;
    const char* expected;
  } cases[] = {
      {50000, "50000"},
      {0.1 + 0.2, "0.3"},
      {1.0 / 3, "0.333333333333333"},
      {-2.5, "-2.5"},
      {0.5, "0.5"},
      {0.0001, "0.0001"},
      {0.00001, "1E-05"},
      {123456789012345, "123456789012345"},
      {1e15, "1E+15"},
      {1234567890123456, "1.23456789012346E+15"},
      {0, "0"},
  };
  for (const auto& c : cases) EXPECT_EQ(generalText(c.value), QString::fromLatin1(c.expected));
}

}  // namespace
