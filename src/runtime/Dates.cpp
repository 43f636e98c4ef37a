#include "runtime/Dates.h"

#include <QRegularExpression>
#include <QStringList>

#include "runtime/Error.h"

namespace qv {

namespace {

const char* const kMonths[] = {"January", "February", "March",     "April",   "May",      "June",
                               "July",    "August",   "September", "October", "November", "December"};
const char* const kDays[] = {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"};

struct Part {
  int value = 0;
  int length = 0;
};

QDate dateOf(int year, int month, int day) {
  const int y = expandYear(year);
  if (y < 100 || y > 9999) return {};
  return QDate(y, month, day);  // invalid when the day does not exist
}

}  // namespace

int expandYear(int year) {
  if (year >= 0 && year < 30) return 2000 + year;
  if (year >= 30 && year < 100) return 1900 + year;
  return year;
}

QDate readDate(const QString& text, int currentYear) {
  static const QRegularExpression sep(QStringLiteral("[/-]"));
  static const QRegularExpression number(QStringLiteral("^ *([0-9]{1,4}) *$"));
  const QStringList raw = text.split(sep);
  if (raw.size() < 2 || raw.size() > 3) return {};
  Part p[3];
  for (int i = 0; i < raw.size(); ++i) {
    const auto m = number.match(raw[i]);
    if (!m.hasMatch()) return {};
    p[i] = {m.captured(1).toInt(), static_cast<int>(m.captured(1).size())};
  }
  auto either = [](QDate a, QDate b) { return a.isValid() ? a : b; };
  if (raw.size() == 3) {
    if (p[0].length >= 3) return dateOf(p[0].value, p[1].value, p[2].value);
    return either(dateOf(p[2].value, p[0].value, p[1].value),
                  dateOf(p[2].value, p[1].value, p[0].value));
  }
  if (p[0].length >= 3) return dateOf(p[0].value, p[1].value, 1);
  if (p[1].length >= 3) return dateOf(p[1].value, p[0].value, 1);
  return either(dateOf(currentYear, p[0].value, p[1].value),
                dateOf(currentYear, p[1].value, p[0].value));
}

bool isDate(const QString& text, int currentYear) { return readDate(text, currentYear).isValid(); }

QDate cDate(const QString& text, int currentYear) {
  const QDate d = readDate(text, currentYear);
  if (!d.isValid()) raiseError(err::TypeMismatch, {});
  return d;
}

QDate dateSerial(int year, int month, int day) {
  const qint64 months = qint64(expandYear(year)) * 12 + (month - 1);
  const int y = static_cast<int>(months >= 0 ? months / 12 : (months - 11) / 12);
  const int m = static_cast<int>(months - qint64(y) * 12) + 1;
  const QDate d = y >= 1 ? QDate(y, m, 1).addDays(day - 1) : QDate();
  if (!d.isValid() || d.year() < 100 || d.year() > 9999) raiseError(err::InvalidCall, {});
  return d;
}

int weekday(const QDate& date) { return date.dayOfWeek() % 7 + 1; }

QDate dateAdd(const QString& interval, int number, const QDate& date) {
  const QString i = interval.toLower();
  if (i == QLatin1String("yyyy")) return date.addYears(number);
  if (i == QLatin1String("m")) return date.addMonths(number);
  if (i == QLatin1String("d")) return date.addDays(number);
  raiseError(err::InvalidCall, {});
}

qint64 dateDiff(const QString& interval, const QDate& from, const QDate& to) {
  const QString i = interval.toLower();
  if (i == QLatin1String("yyyy")) return to.year() - from.year();
  if (i == QLatin1String("m")) return (to.year() - from.year()) * 12LL + (to.month() - from.month());
  if (i == QLatin1String("d")) return from.daysTo(to);
  raiseError(err::InvalidCall, {});
}

QString formatDate(const QDateTime& when, const QString& pattern) {
  const QDate d = when.date();
  const QTime t = when.time();
  auto two = [](int v) { return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0')); };
  auto monthName = [&](bool full) {
    const QString name = QString::fromLatin1(kMonths[d.month() - 1]);
    return full ? name : name.left(3);
  };
  auto dayName = [&](bool full) {
    const QString name = QString::fromLatin1(kDays[d.dayOfWeek() - 1]);
    return full ? name : name.left(3);
  };
  QString out;
  bool afterHour = false;
  const int n = static_cast<int>(pattern.size());
  for (int i = 0; i < n;) {
    const QChar c = pattern[i];
    const QChar letter = c.toLower();
    if (c == '\\') {
      if (i + 1 < n) out += pattern[i + 1];
      i += 2;
      continue;
    }
    if (c == '"') {
      const int end = pattern.indexOf('"', i + 1);
      const int stop = end < 0 ? n : end;
      out += pattern.mid(i + 1, stop - i - 1);
      i = stop + 1;
      continue;
    }
    if (!QStringLiteral("dmyhns").contains(letter)) {
      out += c;  // "/", ":" and every other character show as they are
      ++i;
      continue;
    }
    int run = 1;
    while (i + run < n && pattern[i + run].toLower() == letter) ++run;
    const int maxRun = letter == 'd' ? 6 : letter == 'm' || letter == 'y' ? 4 : 2;
    int take = std::min(run, maxRun);
    if (letter == 'y' && take == 3) take = 2;  // "yyy" is "yy" then "y"
    bool hour = false;
    switch (letter.unicode()) {
      case 'd':
        if (take == 1) out += QString::number(d.day());
        else if (take == 2) out += two(d.day());
        else if (take == 3 || take == 4) out += dayName(take == 4);
        else if (take == 5) out += QStringLiteral("%1/%2/%3").arg(d.month()).arg(d.day()).arg(d.year());
        else out += QStringLiteral("%1, %2 %3, %4").arg(dayName(true), monthName(true)).arg(d.day()).arg(d.year());
        break;
      case 'm':
        if (take <= 2 && afterHour) out += take == 1 ? QString::number(t.minute()) : two(t.minute());
        else if (take == 1) out += QString::number(d.month());
        else if (take == 2) out += two(d.month());
        else out += monthName(take == 4);
        break;
      case 'y':
        if (take == 1) out += QString::number(d.dayOfYear());
        else if (take == 2) out += two(d.year() % 100);
        else out += QStringLiteral("%1").arg(d.year(), 4, 10, QLatin1Char('0'));
        break;
      case 'h':
        out += take == 1 ? QString::number(t.hour()) : two(t.hour());
        hour = true;
        break;
      case 'n':
        out += take == 1 ? QString::number(t.minute()) : two(t.minute());
        break;
      default:  // 's'
        out += take == 1 ? QString::number(t.second()) : two(t.second());
        break;
    }
    afterHour = hour;
    i += take;
  }
  return out;
}

QString formatDate(const QDate& date, const QString& pattern) {
  return formatDate(QDateTime(date, QTime(0, 0)), pattern);
}

}  // namespace qv
