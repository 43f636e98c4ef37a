#include "screens/RRB1099Screen.h"

#include <QStringList>

#include "engine/FieldKinds.h"
#include "frame/ErrorTrap.h"
#include "frame/ProgramState.h"
#include "runtime/Format.h"
#include "screens/BenefitStatement.h"

namespace qv {

namespace {

// Text1 indexes of the upper panel's amounts (boxes 3 to 11) and the boxes
// computed from them.
constexpr int kFirstAmount = 4, kLastAmount = 12;
constexpr int kGross = 4, kRepaid = 5, kNet = 6, kMedicarePremium = 12;
constexpr int kEarlierPayments[] = {8, 9, 10, 11, 12};  // boxes 7 to 11
// Amounts index of boxes 7 to 11 together.
constexpr int kEarlierTotal = 0;
// The lower panel's box 7 and the three boxes it adds.
constexpr int kGrossPaid = 21;
constexpr int kGrossPaidParts[] = {18, 19, 20};

// The FormInfo slots of the Forms.inf entries that pair a box of the upper
// panel with its mirror ("2,15"), in the order they are copied: SSNIndex,
// NameAddrIndex, MedicareClaimNoIndex, EINIndex.
constexpr int kMirrorSlots[] = {6, 7, 13, 15};

const QString kComputeRRB = QStringLiteral("TF_RRB1099:ComputeRRB");

bool isUpperAmount(int index) { return index >= kFirstAmount && index <= kLastAmount; }

bool isGrossPaidPart(int index) { return index >= kGrossPaidParts[0] && index <= kGrossPaidParts[2]; }

}  // namespace

void TF_RRB1099::formLoaded() {
  b_RRBError = false;
  field(kMedicarePremium).setText(partBPremiumOfTaxYear());
  ctl(QStringLiteral("Label6")).setCaption(computationNote(QStringLiteral("RRB-1099")));
}

void TF_RRB1099::ComputeRRB(int /*index*/) {
  trap(kComputeRRB, [&] {
    if (field(kGross).text().isEmpty()) return;
    for (int i = kFirstAmount; i <= kLastAmount; ++i) Amounts[i] = amountOf(field(i));
    Amounts[kNet] = Amounts[kGross] - Amounts[kRepaid];
    Amounts[kEarlierTotal] = Currency();
    for (int i : kEarlierPayments) Amounts[kEarlierTotal] += Amounts[i];
    for (int i = kFirstAmount; i <= kLastAmount; ++i) showAmount(field(i), Amounts[i]);
    Control& net = field(kNet);
    net.setForeColor(colors::Black);
    const Currency zero;
    if (Amounts[kNet] < zero) {
      reportNegative(net, kComputeRRB, 801, QStringLiteral("Box 5. Net Benefits... is LESS THAN ZERO"));
      b_RRBError = true;
    } else if (Amounts[kNet] - Amounts[kEarlierTotal] < zero) {
      reportNegative(net, kComputeRRB, 801,
                     QStringLiteral("Box 5. Net Benefits MINUS total of\r\n--Boxes (7, 8, 9, 10 and 11)\r\n"
                                    "ARE LESS THAN ZERO"));
      b_RRBError = true;
    }
  });
}

void TF_RRB1099::onGotFocus(Control& c) {
  if (!isField(c)) return;
  Control_Setup(c, false);
  if (isComputed(c)) moveOnFrom(c);
}

void TF_RRB1099::onLostFocus(Control& c) {
  if (isField(c)) restoreColours(c);
}

// The focus is left to the move that raised the validation, so Tab and
// Shift+Tab walk the boxes in order.
void TF_RRB1099::fieldEdited(int index) {
  trap(QStringLiteral("TF_RRB1099:Text1_Validate"), [&] {
    if (isUpperAmount(index)) {
      // After an error, the first validation only clears it; the next one computes.
      if (b_RRBError) b_RRBError = false;
      else ComputeRRB(index);
      return;
    }
    if (isGrossPaidPart(index)) totalGrossPaid();
    copyToLowerPanel();
  });
}

void TF_RRB1099::totalGrossPaid() {
  TotalGrossPaid = Currency();
  for (int i : kGrossPaidParts) TotalGrossPaid += amountOf(field(i));
  field(kGrossPaid).setText(formatNumber(TotalGrossPaid, QStringLiteral("$##,###.00")));
}

void TF_RRB1099::copyToLowerPanel() {
  for (int slot : kMirrorSlots) {
    // An entry without two boxes of this screen leaves its mirror as it is.
    const QStringList pair = state().FormInfo[slot].split(u',');
    if (pair.size() != 2) continue;
    bool sourceOk = false, mirrorOk = false;
    const int source = pair[0].trimmed().toInt(&sourceOk);
    const int mirror = pair[1].trimmed().toInt(&mirrorOk);
    Control* from = sourceOk ? find(QStringLiteral("Text1"), source) : nullptr;
    Control* to = mirrorOk ? find(QStringLiteral("Text1"), mirror) : nullptr;
    if (from && to) to->setText(from->text());
  }
}

}  // namespace qv
