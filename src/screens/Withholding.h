#pragma once
// The Social Security and Medicare tax an employer withholds from wages, as
// the W-2 shows it in boxes 4 and 6, from the tax year's settings as the
// program keeps them ("6.2", "168600" or "168,600.00"). Nothing when the
// wages or a setting cannot be read as an amount: a year without settings,
// or a Medicare rate written with "%".
#include <QString>
#include <optional>

#include "runtime/Currency.h"

namespace qv {

// The rate (a "%" in it is ignored) of the wages up to the wage maximum.
std::optional<Currency> socialSecurityTax(const QString& wages, const QString& ratePercent,
                                          const QString& wageMaximum);
// The initial rate of the wages up to the threshold, and the rate above it of
// the rest; the two parts are rounded each on its own, then added.
std::optional<Currency> medicareTax(const QString& wages, const QString& threshold,
                                    const QString& initialRatePercent, const QString& rateAbovePercent);

}  // namespace qv
