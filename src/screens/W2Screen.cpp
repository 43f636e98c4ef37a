#include "screens/W2Screen.h"

#include "engine/TaxYear.h"
#include "frame/ErrorTrap.h"
#include "frame/ProgramState.h"
#include "runtime/Format.h"
#include "runtime/Text.h"
#include "screens/Withholding.h"

namespace qv {

namespace {

// Text1 indexes of the boxes that compute.
constexpr int kSocialSecurityWages = 5, kSocialSecurityTax = 6;
constexpr int kMedicareWages = 7, kMedicareTax = 8;
constexpr int kVerificationCode = 45;
// The settings of the tax year in FormInfo.
constexpr int kSSRate = 0, kSSMax = 1, kMCInitRate = 2, kMCThreshold = 3, kMCRateAfter = 4;

// A computed box carries no dollar sign; a tax that cannot be computed
// leaves the box as it was.
void showTax(Control& box, const std::optional<Currency>& tax) {
  if (tax) box.setText(formatNumber(*tax, QStringLiteral("###,###.00")));
}

}  // namespace

void TF_W2::Form_Activate() {
  trap(QStringLiteral("TF_W2:Form_Activate"), [&] {
    // The chosen year is the one the year label shows; at the first
    // activation the label has not been given it yet.
    const bool verification = right(chosenTaxYear(), 2) == u"18";
    ctl(QStringLiteral("Label1"), 14).setCaption(verification ? QStringLiteral("9. Verification code")
                                                              : QStringLiteral("9."));
    field(kVerificationCode).setVisible(verification);
  });
}

void TF_W2::fieldEdited(int index) {
  const Control& box = field(index);
  if (box.text().isEmpty()) return;
  const auto& settings = state().FormInfo;
  if (index == kSocialSecurityWages)
    showTax(field(kSocialSecurityTax), socialSecurityTax(box.text(), settings[kSSRate], settings[kSSMax]));
  else if (index == kMedicareWages)
    showTax(field(kMedicareTax),
            medicareTax(box.text(), settings[kMCThreshold], settings[kMCInitRate], settings[kMCRateAfter]));
}

}  // namespace qv
