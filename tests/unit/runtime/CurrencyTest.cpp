#include "runtime/Currency.h"

#include <gtest/gtest.h>

#include "ErrorOf.h"
#include "runtime/Format.h"

using namespace qv;

namespace {

Currency cur(const char* text) { return Currency::fromText(QString::fromLatin1(text)); }

TEST(Currency, ReadsTextExactlyAndRoundsToEven) {
  const struct {
    const char* text;
    std::int64_t units;
  } cases[] = {
      {"$1,234.50", 12345000},
      {"-$5.00", -50000},
      {"($1,234.50)", -12345000},
      {"12-", -120000},
      {"0.1", 1000},
      {"0.00005", 0},
      {"0.00015", 2},
      {"0.00025", 2},
      {"0.000251", 3},
      {"-0.00015", -2},
      {"1E3", 10000000},
      {"922337203685477.5807", INT64_MAX},
      {"-922337203685477.5808", INT64_MIN},
  };
  for (const auto& c : cases) EXPECT_EQ(cur(c.text).units(), c.units) << c.text;
  EXPECT_EQ(errorOf([] { cur("abc"); }), err::TypeMismatch);
  EXPECT_EQ(errorOf([] { cur(""); }), err::TypeMismatch);
  EXPECT_EQ(errorOf([] { cur("922337203685477.5808"); }), err::Overflow);
  EXPECT_EQ(errorOf([] { cur("1E30"); }), err::Overflow);
}

TEST(Currency, FromDoubleRoundsToFourPlaces) {
  EXPECT_EQ(Currency::fromDouble(-2.5).units(), -25000);
  EXPECT_EQ(Currency::fromDouble(168600 * (6.2 / 100)), cur("10453.2"));
  EXPECT_EQ(Currency::fromDouble(1.0 / 3).units(), 3333);
  EXPECT_EQ(errorOf([] { Currency::fromDouble(1e15); }), err::Overflow);
}

// Social Security and Medicare tax as the W-2 screen computes them.
TEST(Currency, WithholdingExamples) {
  auto tax = [](double base, double rate) { return Currency::fromDouble(base * (rate / 100)); };
  EXPECT_EQ(formatNumber(tax(168600, 6.2), "###,###.00"), "10,453.20");
  EXPECT_EQ(formatNumber(tax(50000, 6.2), "###,###.00"), "3,100.00");
  EXPECT_EQ(formatNumber(tax(200000, 1.45) + Currency(), "###,###.00"), "2,900.00");
  const double excess = cDbl(generalText(cDbl("$250,000.00") - 200000));
  EXPECT_EQ(formatNumber(tax(200000, 1.45) + tax(excess, 2.35), "###,###.00"), "4,075.00");
}

TEST(Currency, ArithmeticRoundsHalfToEvenAndChecksRange) {
  EXPECT_EQ(cur("100.10") + cur("0.05") - cur("0.15"), cur("100"));
  EXPECT_EQ(cur("1.0001") * cur("1.0001"), cur("1.0002"));  // 1.00020001
  EXPECT_EQ(cur("0.0015") * cur("0.5"), cur("0.0008"));     // 0.00075: tie, up to even
  EXPECT_EQ(cur("0.0025") * cur("0.5"), cur("0.0012"));     // 0.00125: tie, down to even
  EXPECT_EQ(cur("-0.0015") * cur("0.5"), cur("-0.0008"));
  EXPECT_EQ(cur("1") / cur("3"), cur("0.3333"));
  EXPECT_EQ(cur("2") / cur("-3"), cur("-0.6667"));
  EXPECT_EQ(cur("0.0001") / cur("2"), cur("0"));
  EXPECT_EQ(cur("0.0003") / cur("2"), cur("0.0002"));
  EXPECT_EQ(cur("3000000") * cur("3000000"), cur("9000000000000"));  // wide product
  EXPECT_EQ(errorOf([] { cur("1") / Currency(); }), err::DivisionByZero);
  EXPECT_EQ(errorOf([] { Currency::fromUnits(INT64_MAX) + cur("0.0001"); }), err::Overflow);
  EXPECT_EQ(errorOf([] { -Currency::fromUnits(INT64_MIN); }), err::Overflow);
  EXPECT_EQ(errorOf([] { cur("10000000000") * cur("1000000"); }), err::Overflow);
}

TEST(Currency, PercentOfRoundsOnceHalfToEven) {
  EXPECT_EQ(percentOf(cur("200000"), cur("6.2")), cur("12400"));
  EXPECT_EQ(percentOf(cur("10000"), cur("6.2555")), cur("625.55"));  // the rate is not rounded to 0.0626 first
  EXPECT_EQ(percentOf(cur("1.50"), cur("1.45")), cur("0.0218"));     // 0.02175: tie, up to even
  EXPECT_EQ(percentOf(cur("0.50"), cur("1.45")), cur("0.0072"));     // 0.00725: tie, down to even
  EXPECT_EQ(percentOf(cur("-0.50"), cur("1.45")), cur("-0.0072"));
  EXPECT_EQ(errorOf([] { percentOf(Currency::fromUnits(INT64_MAX), cur("200")); }), err::Overflow);
}

TEST(Currency, ComparesAndConverts) {
  EXPECT_LT(cur("-0.0001"), Currency());
  EXPECT_GT(cur("2"), cur("1.9999"));
  EXPECT_EQ(cur("1234.5").toDouble(), 1234.5);
  const struct {
    const char* text;
    const char* shown;
  } cases[] = {{"1234.5", "1234.5"}, {"0.5", "0.5"}, {"-5", "-5"}, {"0", "0"}, {"0.0001", "0.0001"},
               {"-922337203685477.5808", "-922337203685477.5808"}};
  for (const auto& c : cases) EXPECT_EQ(cur(c.text).toString(), QString::fromLatin1(c.shown));
}

}  // namespace
