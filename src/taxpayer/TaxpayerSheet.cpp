#include "taxpayer/TaxpayerSheet.h"

#include "engine/FieldEdits.h"
#include "engine/FormInit.h"
#include "engine/KeyFilter.h"
#include "engine/TaxYear.h"
#include "engine/TextUtils.h"
#include "frame/Common.h"
#include "frame/ErrorTrap.h"
#include "frame/ProgramState.h"
#include "platform/Clock.h"
#include "runtime/Dates.h"
#include "runtime/Text.h"

namespace qv {

namespace {

const QString kNumberFields = QStringLiteral("1,4,7,11,15,19,23,27,31");
const QString kBirthFields = QStringLiteral("2,5,8,12,16,20,24,28,32");
constexpr QChar kBullet = QChar(0x2022);

QString instructions() {
  const QString bullet = QString(kBullet);
  return QStringList{
      QStringLiteral("Use this form to enter and save data about the Taxpayers, Dependents and Other Persons. ONLY enter SSN/ITIN "),
      QStringLiteral("for TAXPAYERS and DEPENDENTS. Once this data has been entered, you can copy the following information into "
                     "the form you are working on by pressing the appropriate button:"),
      bullet + QStringLiteral(" Press the [Load TP 1] button to copy Taxpayer's Name, Address, Social Security Number, and Date of Birth"),
      bullet + QStringLiteral(" Press the [Load TP 2] button to copy Spouse's Name, Address, Social Security Number, and Date of Birth"),
      bullet + QStringLiteral(" On the SS/ITIN form, pressing [Load TP 1] or [Load TP 2] causes all SS/ITIN cards to be created for all"),
      QStringLiteral("     persons on the TPInfo form that have SSN or ITIN Numbers."),
  }.join(u'\r');
}

}  // namespace

void F5_TPInfo::onLoad() {
  loading_ = true;
  trap(QStringLiteral("F5_TPInfo:Form_Load"), [&] {
    Form_Init(*this);
    ctl(QStringLiteral("TaxYear"), 1).setCaption(right(chosenTaxYear(), 2));
    showAgeCaptions();
    ctl(QStringLiteral("lblInstr")).setCaption(instructions());
  });
  loading_ = false;
}

void F5_TPInfo::showAgeCaptions() {
  const QString caption = QStringLiteral("Age as of 12/31/20") + ctl(QStringLiteral("TaxYear"), 1).caption();
  ctl(QStringLiteral("LabelTPAge"), 0).setCaption(caption);
  ctl(QStringLiteral("LabelTPAge"), 1).setCaption(caption);
  ctl(QStringLiteral("LabelOthers"), 3).setCaption(caption);
}

void F5_TPInfo::onChange(Control& c) {
  if (c.type() == ControlType::Label && sameText(c.name(), QLatin1String("TaxYear"))) TaxYear_Change();
}

void F5_TPInfo::TaxYear_Change() {
  if (loading_) return;
  for (const auto& person : state().PersonFields) UpdateAge(person[1], person[2]);
  showAgeCaptions();
}

void F5_TPInfo::UpdateAge(const QString& dobIndex, const QString& ageIndex) {
  const QString born = ctl(QStringLiteral("Text1"), dobIndex.toInt()).text();
  if (born.isEmpty()) return;
  Control& age = ctl(QStringLiteral("Text2"), ageIndex.toInt());
  if (born.endsWith(QLatin1String("20XX"))) {
    age.setText(QStringLiteral("N/A"));
    return;
  }
  // A birth date that is no date (kept while its edit fails) leaves the age as it was.
  const QDate date = readDate(born, clock::today().year());
  if (date.isValid()) age.setText(Age_At_Year_End(*this, date));
}

void F5_TPInfo::onKeyPress(Control& c, int& keyAscii) {
  if (!isField(c) || keyAscii == keys::CtrlX) return;
  FormScreen::onKeyPress(c, keyAscii);
}

void F5_TPInfo::onValidate(Control& c, bool& cancel) {
  if (!isField(c)) return;
  if (Control* status = find(QStringLiteral("labelMisc"))) {
    status->setForeColor(colors::Red);
    status->setCaption(QString());
  }
  if (!EditCtl(c)) {
    cancel = true;
    return;
  }
  const QString index = QString::number(c.index());
  if (IsInList(index, kNumberFields)) {
    if (DuplicateTinCheck(kNumberFields, c.index()) != 99) cancel = true;
    return;
  }
  if (!IsInList(index, kBirthFields)) return;
  for (const auto& person : state().PersonFields)
    if (person[1] == index) {
      UpdateAge(person[1], person[2]);
      return;
    }
}

}  // namespace qv
