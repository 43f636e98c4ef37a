// The tax withheld on a W-2, shown as its computed boxes show it.
#include "screens/Withholding.h"

#include <gtest/gtest.h>

#include "runtime/Format.h"

namespace {

using qv::Currency;

QString shown(const std::optional<Currency>& tax) {
  return tax ? qv::formatNumber(*tax, QStringLiteral("###,###.00")) : QStringLiteral("<none>");
}

TEST(Withholding, SocialSecurityTaxStopsAtTheWageMaximum) {
  const struct {
    const char* wages;
    const char* rate;
    const char* maximum;
    const char* tax;
  } cases[] = {
      {"$200,000.00", "6.2", "168,600.00", "10,453.20"},
      {"$50,000.00", "6.2", "168600", "3,100.00"},
      {"$168,600.00", "6.2", "168600", "10,453.20"},  // at the maximum
      {"$168,599.99", "6.2", "168600", "10,453.20"},  // 10,453.19938
      {"$168,600.01", "6.2", "168600", "10,453.20"},
      {"$1,234,567.89", "6.2", "1000000", "62,000.00"},
      {"$1,234,567.89", "6.2", "9999999", "76,543.21"},  // 76,543.20918
      {"$200,000.00", "6.2%", "168600", "10,453.20"},    // a "%" in the rate is ignored
      {"$1.00", "6.2", "168600", ".06"},
      {"$.75", "6.2", "168600", ".05"},                  // .0465: a half cent shows rounded up
      {"$.00", "6.2", "168600", ".00"},
      {"$100.00", "", "168600", "<none>"},               // a year without settings
      {"$100.00", "6.2", "", "<none>"},
      {"$100.00", "six", "168600", "<none>"},
      {"", "6.2", "168600", "<none>"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(shown(qv::socialSecurityTax(QLatin1String(c.wages), QLatin1String(c.rate), QLatin1String(c.maximum))),
              QLatin1String(c.tax))
        << c.wages << " at " << c.rate << " up to " << c.maximum;
}

TEST(Withholding, MedicareTaxChangesRateAboveTheThreshold) {
  const struct {
    const char* wages;
    const char* threshold;
    const char* initialRate;
    const char* rateAbove;
    const char* tax;
  } cases[] = {
      {"$250,000.00", "200,000.00", "1.45", "2.35", "4,075.00"},  // 2,900.00 + 1,175.00
      {"$200,000.00", "200000", "1.45", "2.35", "2,900.00"},      // at the threshold: the initial rate only
      {"$199,999.99", "200000", "1.45", "2.35", "2,900.00"},      // 2,899.999855
      {"$200,000.01", "200000", "1.45", "2.35", "2,900.00"},      // 2,900.00 + .000235
      {"$200,100.00", "200000", "1.45", "2.35", "2,902.35"},
      {"$150,000.00", "125000", "1.45", "2.35", "2,400.00"},      // another filing status's threshold
      {"$1,234,567.89", "200000", "1.45", "2.35", "27,212.35"},   // 2,900.00 + 24,312.3454
      {"$1,000.50", "200000", "1.45", "2.35", "14.51"},           // 14.50725
      {"$.50", "200000", "1.45", "2.35", ".01"},                  // .00725 -> .0072
      {"$250,000.00", "200000", "1.45%", "2.35", "<none>"},       // Medicare rates are read as they are
      {"$100.00", "200000", "1.45", "2.35%", "<none>"},
      {"$100.00", "", "1.45", "2.35", "<none>"},
      {"$100.00", "200000", "", "2.35", "<none>"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(shown(qv::medicareTax(QLatin1String(c.wages), QLatin1String(c.threshold), QLatin1String(c.initialRate),
                                    QLatin1String(c.rateAbove))),
              QLatin1String(c.tax))
        << c.wages << " over " << c.threshold;
}

}  // namespace
