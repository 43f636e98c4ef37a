#include "runtime/Currency.h"

#include <cmath>
#include <limits>

#include "runtime/Error.h"
#include "runtime/Format.h"

namespace qv {

namespace {

using Wide = __int128;

Currency checked(Wide units) {
  if (units > std::numeric_limits<std::int64_t>::max() ||
      units < std::numeric_limits<std::int64_t>::min())
    raiseError(err::Overflow, {});
  return Currency::fromUnits(static_cast<std::int64_t>(units));
}

// numerator / denominator to the nearest whole number, ties to even.
Wide dividedToEven(Wide numerator, Wide denominator) {
  Wide q = numerator / denominator;
  const Wide r = numerator % denominator;
  if (r != 0) {
    const Wide twice = 2 * (r < 0 ? -r : r);
    const Wide d = denominator < 0 ? -denominator : denominator;
    const bool away = twice > d || (twice == d && q % 2 != 0);
    if (away) q += ((numerator < 0) != (denominator < 0)) ? -1 : 1;
  }
  return q;
}

}  // namespace

Currency Currency::fromDouble(double value) {
  const double scaled = value * UnitsPerWhole;
  // 2^63 is the first double beyond the range.
  if (!std::isfinite(scaled) || std::fabs(scaled) >= 9223372036854775808.0)
    raiseError(err::Overflow, {});
  return checked(static_cast<Wide>(std::nearbyint(scaled)));
}

Currency Currency::fromText(const QString& text) {
  const auto read = readNumber(text);
  if (!read) raiseError(err::TypeMismatch, {});
  const DecimalNumber n = roundedToEven(*read, 4);
  if (n.isZero()) return Currency();
  const int shift = n.exponent + 4;  // >= 0 after rounding to four places
  if (static_cast<int>(n.digits.size()) + shift > 19) raiseError(err::Overflow, {});
  Wide units = 0;
  for (char d : n.digits) units = units * 10 + (d - '0');
  for (int i = 0; i < shift; ++i) units *= 10;
  return checked(n.negative ? -units : units);
}

double Currency::toDouble() const { return static_cast<double>(units_) / UnitsPerWhole; }

QString Currency::toString() const {
  const Wide mag = units_ < 0 ? -static_cast<Wide>(units_) : static_cast<Wide>(units_);
  QString text = QString::number(static_cast<std::uint64_t>(mag / UnitsPerWhole));
  QString frac = QStringLiteral("%1").arg(static_cast<int>(mag % UnitsPerWhole), 4, 10, QLatin1Char('0'));
  while (frac.endsWith(QLatin1Char('0'))) frac.chop(1);
  if (!frac.isEmpty()) text += QLatin1Char('.') + frac;
  return units_ < 0 ? QLatin1Char('-') + text : text;
}

Currency Currency::operator-() const { return checked(-static_cast<Wide>(units_)); }

Currency operator+(Currency a, Currency b) {
  return checked(static_cast<Wide>(a.units_) + b.units_);
}

Currency operator-(Currency a, Currency b) {
  return checked(static_cast<Wide>(a.units_) - b.units_);
}

Currency operator*(Currency a, Currency b) {
  return checked(dividedToEven(static_cast<Wide>(a.units_) * b.units_, Currency::UnitsPerWhole));
}

Currency operator/(Currency a, Currency b) {
  if (b.units_ == 0) raiseError(err::DivisionByZero, {});
  return checked(dividedToEven(static_cast<Wide>(a.units_) * Currency::UnitsPerWhole, b.units_));
}

Currency percentOf(Currency amount, Currency percent) {
  return checked(dividedToEven(static_cast<Wide>(amount.units()) * percent.units(), 100 * Currency::UnitsPerWhole));
}

}  // namespace qv
