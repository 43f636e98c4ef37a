#pragma once
// The dates and numbers of the driver's licences: the expiration falls on the
// birthday five years on, the issue date a fixed number of days before this
// year's birthday, moved off the holidays of the tax year and off weekends;
// a licence number is the date and time of its making. None of these has an
// error trap: an error goes to the caller's.
#include <QDate>
#include <QString>

namespace qv {

class Control;

// The holidays every year has, as "MM/DD".
extern const QString kFixedHolidays;

// HolidayList: the fixed holidays, then BuildHolidayList for the tax year.
void LoadHolidayList();
// Appends the third Monday of January, the first Monday of September and the
// fourth Thursday of November of the chosen tax year (none for "20XX") to
// HolidayList, and splits it into HolidayArray.
void BuildHolidayList();
// "MM/DD" equals an entry of HolidayArray.
bool IsHoliday(const QString& monthDay);
bool IsWeekend(const QDate& date);
// A Monday or Friday stays; a Saturday goes back to Friday; any other day
// moves one day on.
QDate AdjustToWorkday(const QDate& date);

// Both dates of licence "1" or of the other licence into their fields, from
// the birth date's month and day (its year may be "20XX"): the expiration on
// the birthday five years after this calendar year, the issue date 12 days
// before this year's birthday on licence "1" and 17 on the other, moved off
// holidays and weekends. 28 February stands in for a 29th that a year lacks.
// An empty birth date empties both; one that is no date is error 13.
void SetLicenseDates(const QString& which, const QString& birthDate, Control& issueField, Control& expirationField);

// A new licence number: the current date and time as fourteen digits.
QString NewLicenseNumber();

}  // namespace qv
