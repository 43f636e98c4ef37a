#include "taxpayer/LicenceDates.h"

#include "controls/Control.h"
#include "engine/TaxYear.h"
#include "frame/ProgramState.h"
#include "platform/Clock.h"
#include "runtime/Dates.h"

namespace qv {

const QString kFixedHolidays = QStringLiteral("01/01,02/20,05/30,06/19,07/04,11/11,12/25");

namespace {

const QString kDateFormat = QStringLiteral("MM/dd/yyyy");

// The holidays that fall on the n-th weekday of their month: Martin Luther
// King Day, Labor Day and Thanksgiving.
struct NthWeekday {
  int month;
  int dayOfWeek;  // Qt's numbering: Monday 1 .. Sunday 7
  int weeksOn;    // weeks after the first such day of the month
};
constexpr NthWeekday kMovingHolidays[] = {{1, Qt::Monday, 2}, {9, Qt::Monday, 0}, {11, Qt::Thursday, 3}};

}  // namespace

void LoadHolidayList() {
  state().HolidayList = kFixedHolidays;
  BuildHolidayList();
}

void BuildHolidayList() {
  ProgramState& s = state();
  bool numeric = false;
  const int year = chosenTaxYear().toInt(&numeric);  // "20XX" has no year: no day matches
  if (numeric) {
    for (const NthWeekday& h : kMovingHolidays)
      for (int day = 1; day <= 7; ++day)
        if (QDate(year, h.month, day).dayOfWeek() == h.dayOfWeek)
          s.HolidayList += QStringLiteral(",%1/%2").arg(h.month, 2, 10, QLatin1Char('0'))
                               .arg(day + 7 * h.weeksOn, 2, 10, QLatin1Char('0'));
  }
  s.HolidayArray = s.HolidayList.split(u',');
}

bool IsHoliday(const QString& monthDay) { return state().HolidayArray.contains(monthDay); }

bool IsWeekend(const QDate& date) { return date.dayOfWeek() == Qt::Saturday || date.dayOfWeek() == Qt::Sunday; }

QDate AdjustToWorkday(const QDate& date) {
  switch (date.dayOfWeek()) {
    case Qt::Monday:
    case Qt::Friday:
      return date;
    case Qt::Saturday:
      return date.addDays(-1);
    default:
      return date.addDays(1);
  }
}

namespace {

// The birth date's month and day, all the licence needs: a date of no
// particular year ("03/15/20XX") has them too, read in a leap year so that
// none is lost. Any other text that is no date is error 13.
QDate birthMonthDay(const QString& birthDate) {
  if (birthDate.endsWith(QLatin1String("/20XX"))) return cDate(birthDate.chopped(4) + QStringLiteral("2000"));
  return cDate(birthDate, clock::today().year());
}

// The birthday in `year`; 28 February stands in for a 29th that year lacks.
QDate birthdayIn(int year, const QDate& born) {
  const QDate birthday(year, born.month(), born.day());
  return birthday.isValid() ? birthday : QDate(year, 2, 28);
}

QString licenseExpiration(const QDate& born) {
  return birthdayIn(clock::today().year() + 5, born).toString(kDateFormat);
}

QDate licenseIssueDate(const QString& which, const QDate& born) {
  QDate issued = birthdayIn(clock::today().year(), born).addDays(which == u"1" ? -12 : -17);
  // A holiday moves to a workday; a weekend day reached either way moves to a
  // weekday and is tested again. Two passes at most.
  for (;;) {
    if (IsHoliday(issued.toString(QStringLiteral("MM/dd")))) issued = AdjustToWorkday(issued);
    if (!IsWeekend(issued)) return issued;
    issued = AdjustToWorkday(issued);
  }
}

}  // namespace

void SetLicenseDates(const QString& which, const QString& birthDate, Control& issueField, Control& expirationField) {
  if (birthDate.isEmpty()) {
    issueField.setText(QString());
    expirationField.setText(QString());
    return;
  }
  const QDate born = birthMonthDay(birthDate);
  expirationField.setText(licenseExpiration(born));
  issueField.setText(licenseIssueDate(which, born).toString(kDateFormat));
}

QString NewLicenseNumber() { return clock::now().toString(QStringLiteral("yyyyMMddHHmmss")); }

}  // namespace qv
