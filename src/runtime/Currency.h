#pragma once
// The runtime's fixed-point Currency: a 64-bit count of ten-thousandths, so
// sums of amounts are exact; products and quotients round to four decimals,
// ties to the even neighbour. Overflow is error 6, division by zero error 11.
#include <QString>
#include <compare>
#include <cstdint>

namespace qv {

class Currency {
 public:
  static constexpr std::int64_t UnitsPerWhole = 10000;

  constexpr Currency() = default;
  // The value of `units` ten-thousandths.
  static constexpr Currency fromUnits(std::int64_t units) { return Currency(units); }
  // CCur(double): rounded to four decimals, ties to even; error 6 out of range.
  static Currency fromDouble(double value);
  // CCur(text): read as the runtime reads numbers ("$1,234.50", "(5)", "12-"),
  // exactly, then rounded to four decimals, ties to even; error 13 when the
  // text is not a number, 6 out of range.
  static Currency fromText(const QString& text);

  constexpr std::int64_t units() const { return units_; }
  constexpr bool isZero() const { return units_ == 0; }
  // CDbl of the value.
  double toDouble() const;
  // CStr of the value: no trailing zeros, "0.5", "-5", "1234.5".
  QString toString() const;

  Currency operator-() const;
  friend Currency operator+(Currency a, Currency b);
  friend Currency operator-(Currency a, Currency b);
  friend Currency operator*(Currency a, Currency b);
  friend Currency operator/(Currency a, Currency b);
  Currency& operator+=(Currency other) { return *this = *this + other; }
  Currency& operator-=(Currency other) { return *this = *this - other; }
  friend constexpr auto operator<=>(Currency a, Currency b) = default;
  friend constexpr bool operator==(Currency a, Currency b) = default;

 private:
  constexpr explicit Currency(std::int64_t units) : units_(units) {}
  std::int64_t units_ = 0;
};

// amount x percent / 100, rounded once to four decimals, ties to even: a rate
// in percent applied without rounding the rate itself on the way.
Currency percentOf(Currency amount, Currency percent);

}  // namespace qv
