#include "screens/SSA1099Screen.h"

#include "engine/FieldKinds.h"
#include "frame/ErrorTrap.h"
#include "screens/BenefitStatement.h"

namespace qv {

namespace {

// Text1 indexes.
constexpr int kName = 0, kNumber = 1, kBenefitsPaid = 2, kRepaid = 3, kNetBenefits = 4, kPaid = 5,
              kPartB = 6, kPartD = 7, kTaxYearBenefits = 8, kWithheld = 13, kAddress = 14, kClaimNumber = 15,
              kAdditions = 16;
constexpr int kEarlierYears[] = {9, 10, 11};
// Amounts index of the earlier years' benefits together.
constexpr int kEarlierTotal = 17;
// The boxes the computation reads and shows, in this order.
constexpr int kAmountBoxes[] = {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 13, 16};

const QString kComputeSSA = QStringLiteral("TF_SSA1099:ComputeSSA");

// The boxes whose validation recomputes.
bool computesOnLeaving(int index) { return (index >= kBenefitsPaid && index <= 11) || index == kWithheld; }

}  // namespace

void TF_SSA1099::formLoaded() {
  b_SSAError = false;
  ctl(QStringLiteral("Label6")).setCaption(computationNote(QStringLiteral("SSA-1099")));
}

void TF_SSA1099::Form_Activate() {
  trap(QStringLiteral("TF_SSA1099:Form_Activate"), [&] {
    field(kPartB).setText(partBPremiumOfTaxYear());
    ComputeSSA(kPartB);
  });
}

void TF_SSA1099::ComputeSSA(int /*myIndex*/) {
  trap(kComputeSSA, [&] {
    if (field(kBenefitsPaid).text().isEmpty()) return;
    for (int i : kAmountBoxes) Amounts[i] = amountOf(field(i));
    Amounts[kNetBenefits] = Amounts[kBenefitsPaid] - Amounts[kRepaid];
    Amounts[kEarlierTotal] = Currency();
    for (int i : kEarlierYears) Amounts[kEarlierTotal] += Amounts[i];
    Amounts[kAdditions] = Amounts[kPartB] + Amounts[kPartD] + Amounts[kWithheld];
    Amounts[kPaid] = Amounts[kNetBenefits] - Amounts[kAdditions];
    Amounts[kTaxYearBenefits] = Amounts[kNetBenefits] - Amounts[kEarlierTotal];
    for (int i : kAmountBoxes) showAmount(field(i), Amounts[i]);
    for (int i : {kNetBenefits, kPaid, kTaxYearBenefits}) field(i).setForeColor(colors::Black);
    b_SSAError = reportedNegative();
  });
}

bool TF_SSA1099::reportedNegative() {
  const Currency zero;
  const QString lessThanZero = QStringLiteral(" is LESS THAN ZERO");
  if (Amounts[kNetBenefits] < zero)
    reportNegative(field(kNetBenefits), kComputeSSA, 801, QStringLiteral("Box 5. Net Benefits...") + lessThanZero);
  else if (Amounts[kPaid] < zero)
    reportNegative(field(kPaid), kComputeSSA, 802, QStringLiteral("Paid by Check or Direct Deposit") + lessThanZero);
  else if (Amounts[kTaxYearBenefits] < zero)
    reportNegative(field(kTaxYearBenefits), kComputeSSA, 803, ctl(QStringLiteral("RTB13")).caption() + lessThanZero);
  else
    return false;
  return true;
}

void TF_SSA1099::ResetBackColor() {
  for (Control* c : controls())
    if (c->type() == ControlType::TextBox && !isComputed(*c)) c->setBackColor(colors::White);
}

void TF_SSA1099::onGotFocus(Control& c) {
  if (isField(c)) Text1_GotFocus(c.index());
}

void TF_SSA1099::Text1_GotFocus(int index) {
  ResetBackColor();
  Control& box = field(index);
  Control_Setup(box, false);
  // The address starts with the name; without a name there is nothing to start it with.
  if (index == kAddress && box.text().isEmpty() && !field(kName).text().isEmpty()) {
    box.setText(field(kName).text() + QStringLiteral("\r\n"));
    box.select(int(box.text().size()), 0);
  }
  if (isComputed(box)) moveOnFrom(box);
}

void TF_SSA1099::onLostFocus(Control& c) {
  if (isField(c)) Text1_LostFocus(c.index());
}

void TF_SSA1099::Text1_LostFocus(int index) {
  // A pending error keeps the colours that show it.
  if (!b_SSAError) restoreColours(field(index));
}

void TF_SSA1099::fieldEdited(int index) {
  trap(QStringLiteral("TF_SSA1099:Text1_Validate"), [&] {
    const QString number = field(kNumber).text();
    if (!number.isEmpty()) field(kClaimNumber).setText(number + u'A');
    if (!computesOnLeaving(index)) return;
    // After an error, the first validation only clears it; the next one computes.
    if (b_SSAError) b_SSAError = false;
    else ComputeSSA(index);
  });
}

}  // namespace qv
