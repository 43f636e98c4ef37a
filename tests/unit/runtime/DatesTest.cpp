#include "runtime/Dates.h"

#include <gtest/gtest.h>

#include "ErrorOf.h"

using namespace qv;

namespace {

constexpr int kThisYear = 2026;

TEST(Dates, ReadsTextAsTheRuntimeDoes) {
  const struct {
    const char* text;
    QDate expected;  // invalid: not a date
  } cases[] = {
      {"01/05/2024", QDate(2024, 1, 5)},
      {"1/5/2024", QDate(2024, 1, 5)},
      {" 1 / 5 / 2024 ", QDate(2024, 1, 5)},
      {"1-5-2024", QDate(2024, 1, 5)},
      {"13/01/2024", QDate(2024, 1, 13)},  // only day/month fits
      {"02/29/2024", QDate(2024, 2, 29)},
      {"1/5/24", QDate(2024, 1, 5)},
      {"1/5/29", QDate(2029, 1, 5)},
      {"1/5/30", QDate(1930, 1, 5)},
      {"2024-01-05", QDate(2024, 1, 5)},
      {"1/5", QDate(kThisYear, 1, 5)},
      {"1/2024", QDate(2024, 1, 1)},
      {"2/30/2024", QDate()},
      {"02/29/2023", QDate()},
      {"13/13/2024", QDate()},
      {"00/10/2024", QDate()},
      {"07/04/20XX", QDate()},
      {"1/5/", QDate()},
      {"1.5.2024", QDate()},
      {"2024", QDate()},
      {"", QDate()},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(readDate(QString::fromLatin1(c.text), kThisYear), c.expected) << c.text;
    EXPECT_EQ(isDate(QString::fromLatin1(c.text), kThisYear), c.expected.isValid()) << c.text;
  }
  EXPECT_EQ(errorOf([] { cDate("20XX"); }), err::TypeMismatch);
}

// A field's date passes when it is a date and formats back to itself.
TEST(Dates, MonthDayYearTextFormatsBackToItself) {
  const struct {
    const char* text;
    bool passes;
  } cases[] = {{"01/05/2024", true}, {"12/31/1990", true}, {"13/01/2024", false},
               {"02/30/2024", false}, {"07/04/20XX", false}};
  for (const auto& c : cases) {
    const QString text = QString::fromLatin1(c.text);
    EXPECT_EQ(isDate(text) && formatDate(cDate(text), "mm/dd/yyyy") == text, c.passes) << c.text;
  }
}

TEST(Dates, FormatsDateAndTimePatterns) {
  const QDateTime when(QDate(2026, 3, 5), QTime(9, 7, 4));
  const struct {
    const char* pattern;
    const char* expected;
  } cases[] = {
      {"mm/dd/yyyy", "03/05/2026"},
      {"MM/DD/YYYY", "03/05/2026"},
      {"m/d/yy", "3/5/26"},
      {"yyyymmddHhNnss", "20260305090704"},
      {"hh:mm:ss", "09:07:04"},
      {"h:n:s", "9:7:4"},
      {"ddd dd mmm", "Thu 05 Mar"},
      {"dddd, mmmm d", "Thursday, March 5"},
      {"ddddd", "3/5/2026"},
      {"dddddd", "Thursday, March 5, 2026"},
      {"y", "64"},
      {"\"Date:\" mm\\/dd", "Date: 03/05"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(formatDate(when, QString::fromLatin1(c.pattern)), QString::fromLatin1(c.expected)) << c.pattern;
  EXPECT_EQ(formatDate(QDate(1999, 12, 31), "yyyymmddhhnnss"), "19991231000000");
}

TEST(Dates, SerialCarriesOverflowingMonthsAndDays) {
  const struct {
    int y, m, d;
    QDate expected;
  } cases[] = {
      {2026, 2, 29, QDate(2026, 3, 1)},  {2026, 1, 0, QDate(2025, 12, 31)},
      {2026, 3, 15 - 17, QDate(2026, 2, 26)}, {2025, 13, 1, QDate(2026, 1, 1)},
      {2026, 0, 1, QDate(2025, 12, 1)},  {2026, -13, 1, QDate(2024, 11, 1)},
      {24, 1, 1, QDate(2024, 1, 1)},     {99, 13, 1, QDate(2000, 1, 1)},
  };
  for (const auto& c : cases) EXPECT_EQ(dateSerial(c.y, c.m, c.d), c.expected) << c.y << "/" << c.m << "/" << c.d;
  EXPECT_EQ(errorOf([] { dateSerial(10000, 1, 1); }), err::InvalidCall);
}

TEST(Dates, WeekdayAddAndDiff) {
  EXPECT_EQ(weekday(QDate(2026, 3, 1)), 1);   // Sunday
  EXPECT_EQ(weekday(QDate(2026, 1, 19)), 2);  // Monday
  EXPECT_EQ(weekday(QDate(2026, 7, 4)), 7);   // Saturday
  EXPECT_EQ(dateAdd("yyyy", 5, QDate(2024, 2, 29)), QDate(2029, 2, 28));
  EXPECT_EQ(dateAdd("M", 1, QDate(2024, 1, 31)), QDate(2024, 2, 29));
  EXPECT_EQ(dateAdd("d", -12, QDate(2026, 1, 5)), QDate(2025, 12, 24));
  EXPECT_EQ(dateDiff("yyyy", QDate(1990, 12, 31), QDate(2024, 12, 31)), 34);
  EXPECT_EQ(dateDiff("yyyy", QDate(2025, 1, 1), QDate(2024, 12, 31)), -1);
  EXPECT_EQ(dateDiff("yyyy", QDate(2023, 12, 31), QDate(2024, 1, 1)), 1);
  EXPECT_EQ(dateDiff("m", QDate(2023, 11, 30), QDate(2024, 2, 1)), 3);
  EXPECT_EQ(dateDiff("d", QDate(2024, 2, 28), QDate(2024, 3, 1)), 2);
  EXPECT_EQ(errorOf([] { dateAdd("x", 1, QDate(2024, 1, 1)); }), err::InvalidCall);
  EXPECT_EQ(errorOf([] { dateDiff("ww", QDate(2024, 1, 1), QDate(2024, 2, 1)); }), err::InvalidCall);
}

}  // namespace
