#include "screens/Withholding.h"

#include "runtime/Error.h"

namespace qv {

namespace {

// A setting or an amount the computation cannot use throws a program error
// (not a number, too large): the result is then nothing.
template <class Compute>
std::optional<Currency> computed(Compute compute) {
  try {
    return compute();
  } catch (const ProgramError&) {
    return std::nullopt;
  }
}

}  // namespace

std::optional<Currency> socialSecurityTax(const QString& wages, const QString& ratePercent,
                                          const QString& wageMaximum) {
  return computed([&] {
    const Currency rate = Currency::fromText(QString(ratePercent).remove(u'%'));
    const Currency paid = Currency::fromText(wages);
    const Currency maximum = Currency::fromText(wageMaximum);
    return percentOf(maximum >= paid ? paid : maximum, rate);
  });
}

std::optional<Currency> medicareTax(const QString& wages, const QString& threshold,
                                    const QString& initialRatePercent, const QString& rateAbovePercent) {
  return computed([&] {
    const Currency paid = Currency::fromText(wages);
    const Currency limit = Currency::fromText(threshold);
    const Currency initialRate = Currency::fromText(initialRatePercent);
    const Currency rateAbove = Currency::fromText(rateAbovePercent);
    if (limit >= paid) return percentOf(paid, initialRate);
    return percentOf(limit, initialRate) + percentOf(paid - limit, rateAbove);
  });
}

}  // namespace qv
