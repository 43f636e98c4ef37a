// The licence dates: the holidays of the tax year, the issue date moved off
// holidays and weekends, the expiration on the birthday five years on, and
// the licence number made from the clock.
#include <gtest/gtest.h>

#include <ostream>

#include "controls/Control.h"
#include "frame/ProgramState.h"
#include "platform/Clock.h"
#include "runtime/Error.h"
#include "support/CaseNames.h"
#include "taxpayer/LicenceDates.h"

namespace {

using qv::state;

class LicenceDates : public ::testing::Test {
 protected:
  void TearDown() override {
    qv::clock::fix(QDateTime());
    qv::resetState();
  }
  // The tax year chosen ("2026", "20XX") and the holiday list of a licence screen's load.
  static void taxYear(const char* year) {
    state().YearChoices = {QStringLiteral("2025"), QStringLiteral("2026"), QStringLiteral("2027"), QStringLiteral("20XX")};
    state().YearChoices[0] = QLatin1String(year);
    state().YearChoiceIndex = 0;
    qv::LoadHolidayList();
  }
  static void today(const char* isoDate) { qv::clock::fix(QDateTime(QDate::fromString(QLatin1String(isoDate), Qt::ISODate), QTime(9, 30))); }
};

// Martin Luther King Day, Labor Day and Thanksgiving after the fixed holidays.
TEST_F(LicenceDates, HolidayListHoldsTheMovingHolidaysOfTheTaxYear) {
  const std::pair<const char*, const char*> years[] = {
      {"2024", "01/15,09/02,11/28"}, {"2025", "01/20,09/01,11/27"}, {"2026", "01/19,09/07,11/26"},
      {"2027", "01/18,09/06,11/25"}, {"2029", "01/15,09/03,11/22"},
  };
  for (const auto& [year, moving] : years) {
    taxYear(year);
    EXPECT_EQ(state().HolidayList, qv::kFixedHolidays + u',' + QLatin1String(moving)) << year;
    EXPECT_EQ(state().HolidayArray.size(), 10) << year;
  }
  // Without a year only the fixed holidays are there.
  taxYear("20XX");
  EXPECT_EQ(state().HolidayList, QStringLiteral("01/01,02/20,05/30,06/19,07/04,11/11,12/25"));
  EXPECT_EQ(state().HolidayArray.size(), 7);
  // Each load starts the list afresh.
  taxYear("2026");
  taxYear("2026");
  EXPECT_EQ(state().HolidayArray.size(), 10);
}

TEST_F(LicenceDates, HolidayIsAnExactMonthAndDay) {
  taxYear("2026");
  EXPECT_TRUE(qv::IsHoliday(QStringLiteral("01/19")));
  EXPECT_TRUE(qv::IsHoliday(QStringLiteral("12/25")));
  EXPECT_FALSE(qv::IsHoliday(QStringLiteral("1/19")));
  EXPECT_FALSE(qv::IsHoliday(QStringLiteral("01/19/2026")));
  EXPECT_FALSE(qv::IsHoliday(QStringLiteral("01/20")));
  EXPECT_FALSE(qv::IsHoliday(QString()));
}

TEST_F(LicenceDates, WorkdayAdjustmentByDayOfTheWeek) {
  // The week of Monday 9 March 2026.
  const std::pair<int, int> moves[] = {{9, 9}, {10, 11}, {11, 12}, {12, 13}, {13, 13}, {14, 13}, {15, 16}};
  for (const auto& [from, to] : moves) {
    const QDate day(2026, 3, from);
    EXPECT_EQ(qv::AdjustToWorkday(day), QDate(2026, 3, to)) << qPrintable(day.toString());
    EXPECT_EQ(qv::IsWeekend(day), from >= 14) << qPrintable(day.toString());
  }
}

struct DatesCase {
  const char* what;
  const char* today;    // the clock's date
  const char* taxYear;  // the holidays' year
  const char* which;    // licence "1" or "2"
  const char* birth;
  const char* issue;
  const char* expiration;
};
void PrintTo(const DatesCase& c, std::ostream* os) { *os << c.what; }

class LicenceDatesTable : public LicenceDates, public ::testing::WithParamInterface<DatesCase> {};

TEST_P(LicenceDatesTable, IssueAndExpirationFromTheBirthDate) {
  const DatesCase& c = GetParam();
  today(c.today);
  taxYear(c.taxYear);
  qv::Control issue(qv::ControlType::TextBox, QStringLiteral("Text1"), 8);
  qv::Control expiration(qv::ControlType::TextBox, QStringLiteral("Text1"), 3);
  qv::SetLicenseDates(QLatin1String(c.which), QLatin1String(c.birth), issue, expiration);
  EXPECT_EQ(issue.text(), QLatin1String(c.issue));
  EXPECT_EQ(expiration.text(), QLatin1String(c.expiration));
}

INSTANTIATE_TEST_SUITE_P(
    Examples, LicenceDatesTable,
    ::testing::Values(
        DatesCase{"licence 1: twelve days before the birthday", "2026-02-15", "2026", "1", "03/15/1980", "03/03/2026", "03/15/2031"},
        DatesCase{"licence 2: seventeen days before", "2026-02-15", "2026", "2", "03/15/1980", "02/26/2026", "03/15/2031"},
        DatesCase{"Wednesday holiday: the next day", "2026-02-15", "2026", "1", "11/23/1975", "11/12/2026", "11/23/2031"},
        DatesCase{"Sunday: the Monday after", "2026-02-15", "2026", "1", "03/13/1990", "03/02/2026", "03/13/2031"},
        DatesCase{"Saturday holiday: the Friday before", "2026-02-15", "2026", "1", "07/16/1985", "07/03/2026", "07/16/2031"},
        DatesCase{"Saturday: the Friday before", "2026-02-15", "2026", "1", "03/19/1966", "03/06/2026", "03/19/2031"},
        DatesCase{"Labor Day, a Monday, stays", "2026-02-15", "2026", "1", "09/19/1970", "09/07/2026", "09/19/2031"},
        DatesCase{"Thanksgiving: the Friday", "2026-02-15", "2026", "1", "12/08/1960", "11/27/2026", "12/08/2031"},
        DatesCase{"Sunday before a Monday holiday: that Monday", "2026-02-15", "2026", "1", "01/30/2001", "01/19/2026", "01/30/2031"},
        DatesCase{"early January: December of the year before", "2026-02-15", "2026", "1", "01/05/1999", "12/24/2025", "01/05/2031"},
        DatesCase{"early January onto Christmas Day", "2026-02-15", "2026", "1", "01/06/1999", "12/26/2025", "01/06/2031"},
        DatesCase{"the holidays are the tax year's", "2026-02-15", "2025", "1", "09/13/1980", "09/02/2026", "09/13/2031"},
        DatesCase{"the dates are the calendar year's", "2027-06-01", "2026", "2", "03/15/1980", "02/26/2027", "03/15/2032"},
        DatesCase{"29 February in a year without one", "2026-02-15", "2026", "1", "02/29/1984", "02/16/2026", "02/28/2031"},
        DatesCase{"29 February, leap year to common", "2028-02-15", "2028", "1", "02/29/1984", "02/17/2028", "02/28/2033"},
        DatesCase{"29 February, common year to leap", "2027-02-15", "2027", "2", "02/29/1984", "02/11/2027", "02/29/2032"},
        DatesCase{"no particular year: month and day", "2026-02-15", "20XX", "1", "03/15/20XX", "03/03/2026", "03/15/2031"},
        DatesCase{"no particular year, licence 2", "2026-02-15", "20XX", "2", "07/16/20XX", "06/29/2026", "07/16/2031"}),
    qv::test::ByWhat());

TEST_F(LicenceDates, EmptyBirthDateEmptiesBothDates) {
  today("2026-02-15");
  taxYear("2026");
  qv::Control issue(qv::ControlType::TextBox, QStringLiteral("Text1"), 9);
  qv::Control expiration(qv::ControlType::TextBox, QStringLiteral("Text1"), 7);
  issue.setText(QStringLiteral("02/26/2026"));
  expiration.setText(QStringLiteral("03/15/2031"));
  qv::SetLicenseDates(QStringLiteral("2"), QString(), issue, expiration);
  EXPECT_EQ(issue.text(), QString());
  EXPECT_EQ(expiration.text(), QString());
}

TEST_F(LicenceDates, BirthDateThatIsNoDateIsAnErrorForTheCaller) {
  today("2026-02-15");
  taxYear("2026");
  qv::Control issue(qv::ControlType::TextBox, QStringLiteral("Text1"), 8);
  qv::Control expiration(qv::ControlType::TextBox, QStringLiteral("Text1"), 3);
  EXPECT_THROW(qv::SetLicenseDates(QStringLiteral("1"), QStringLiteral("13/45/1980"), issue, expiration),
               qv::ProgramError);
}

TEST_F(LicenceDates, LicenceNumberIsTheDateAndTimeInFourteenDigits) {
  qv::clock::fix(QDateTime(QDate(2026, 3, 5), QTime(17, 8, 9)));
  EXPECT_EQ(qv::NewLicenseNumber(), QStringLiteral("20260305170809"));
  qv::clock::fix(QDateTime(QDate(2026, 11, 30), QTime(0, 0, 0)));
  EXPECT_EQ(qv::NewLicenseNumber(), QStringLiteral("20261130000000"));
}

}  // namespace
