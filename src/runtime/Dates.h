#pragma once
// Date tests, conversions and formats of the language runtime the program was
// written against, in the US locale (month before day, "/" between).
#include <QDate>
#include <QDateTime>
#include <QString>

namespace qv {

// Two-digit years: 0..29 are 2000..2029, 30..99 are 1930..1999; from 100 on unchanged.
int expandYear(int year);

// The date in text as IsDate/CDate read it: two or three numbers between "/" or
// "-", blanks around; month/day/year, or day/month/year when that is the only
// valid reading ("13/01/2024" is 13 January); a first number of three or more
// digits reads year/month/day; two numbers read month/day of `currentYear` (or
// day/month), month/year when the second has three or more digits. Years are
// expanded (expandYear) and lie in 100..9999. Month names and times are not
// read. An invalid QDate when the text is not a date ("2/30/2024", "07/04/20XX").
QDate readDate(const QString& text, int currentYear = QDate::currentDate().year());
// IsDate: readDate gives a date.
bool isDate(const QString& text, int currentYear = QDate::currentDate().year());
// CDate: readDate's date; error 13 when the text is not a date.
QDate cDate(const QString& text, int currentYear = QDate::currentDate().year());

// DateSerial: months and days beyond their range carry over (2026, 2, 29 is
// 03/01/2026; day 0 is the month's eve); the year is expanded (expandYear);
// error 5 outside the years 100..9999.
QDate dateSerial(int year, int month, int day);
// Weekday: 1 for Sunday up to 7 for Saturday.
int weekday(const QDate& date);
// DateAdd for "yyyy", "m" and "d" (any case): a day past the month's end becomes
// its last day (01/31 + 1 month is 02/28 or 02/29); error 5 for another interval.
QDate dateAdd(const QString& interval, int number, const QDate& date);
// DateDiff for "yyyy", "m" and "d": the number of year or month boundaries, or
// of days, from `from` to `to` (12/31/2023 to 01/01/2024 is 1 year); error 5 otherwise.
qint64 dateDiff(const QString& interval, const QDate& from, const QDate& to);

// Format(date, pattern), letters in any case: d dd ddd dddd (5, 05, Thu, Thursday),
// ddddd (short date m/d/yyyy), dddddd (long date "Thursday, March 5, 2026");
// m mm mmm mmmm (3, 03, Mar, March), but m or mm right after an hour is the
// minute; y (day of year), yy, yyyy; h hh (0-23), n nn, s ss; "/" and ":" are
// the separators; "\c" and "text" are literals; any other character shows as it
// is. No AM/PM, week or quarter tokens.
QString formatDate(const QDateTime& when, const QString& pattern);
QString formatDate(const QDate& date, const QString& pattern);

}  // namespace qv
