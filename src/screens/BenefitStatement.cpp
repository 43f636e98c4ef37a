#include "screens/BenefitStatement.h"

#include "controls/Screen.h"
#include "engine/TaxYear.h"
#include "frame/Ini.h"
#include "frame/MessageBox.h"
#include "frame/ProgramState.h"
#include "runtime/Format.h"
#include "runtime/Text.h"

namespace qv {

QString computationNote(const QString& form) {
  return QStringLiteral("As you move through the fields on the ") + form +
         QStringLiteral(" related to Social Security Payments Received, Deductions, etc., ") +
         QStringLiteral("computations will be performed. If an error is detected a message will be displayed.");
}

QString partBPremiumOfTaxYear() {
  return ReadINF(QStringLiteral("MCPartBPremium"), chosenTaxYear(), QString(), state().SSMCInfFile);
}

Currency amountOf(const Control& box) {
  return box.text().isEmpty() ? Currency() : Currency::fromText(box.text());
}

void showAmount(Control& box, Currency amount) {
  box.setText(amount.isZero() ? QString() : formatNumber(amount, QStringLiteral("$##,###.00")));
}

bool isComputed(const Control& box) { return sameText(box.tag(), QStringLiteral("COMPUTED")); }

void moveOnFrom(Control& computedBox) {
  Screen& screen = *computedBox.screen();
  if (Control* next = screen.find(computedBox.name(), computedBox.index() + 1)) next->SetFocus();
  else screen.focusFirst();
}

void restoreColours(Control& box) {
  if (!isComputed(box)) box.setBackColor(colors::White);
  box.setForeColor(colors::Black);
}

void reportNegative(Control& box, const QString& title, int number, const QString& message) {
  const QString text = replace(QStringLiteral("SSA1099 - Error in Social Security Computations\r\n<ERROR>\r\n"
                                              "Make corrections before continuing."),
                               QStringLiteral("<ERROR>"), message, Compare::Text);
  box.setForeColor(colors::Red);
  Show_MBX(title, number, text, QStringLiteral("OK"), false, {}, {}, {}, 1);
}

}  // namespace qv
