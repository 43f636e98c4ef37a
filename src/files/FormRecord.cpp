#include "files/FormRecord.h"

#include <QStringList>

#include "controls/Screen.h"
#include "engine/FormInit.h"
#include "engine/FormScreen.h"
#include "engine/TaxYear.h"
#include "engine/TextUtils.h"
#include "frame/ErrorTrap.h"
#include "frame/ProgramState.h"
#include "platform/Paths.h"
#include "runtime/Text.h"

namespace qv {

namespace {

const QString kLogName = QStringLiteral("M4_FileCode:Build_Record");
const QString kCardError = QStringLiteral("Error SS_ITIN");
constexpr int kCards = 9;

// The item key of a control, empty for one that writes no item.
QString itemKey(const Control& c) {
  if (c.type() == ControlType::TextBox) {
    if (sameText(c.name(), QLatin1String("Text1"))) return QStringLiteral("TXT%1").arg(c.index());
    if (c.name().startsWith(QLatin1String("Text"), Qt::CaseInsensitive))
      return QStringLiteral("TX") + c.name().mid(4) + QString::number(c.index());
    return c.name();
  }
  if (c.type() == ControlType::Label && uCase(c.name()) == u"CHECK") return QStringLiteral("CHK%1").arg(c.index());
  return {};
}

QString itemValue(const Control& c) { return c.type() == ControlType::TextBox ? c.text() : c.caption(); }

// Every card with a number has a name and the other way round; one card at least.
void checkCards(const Screen& form) {
  int blank = 0;
  for (int card = 0; card < kCards; ++card) {
    const bool number = !form.ctl(QStringLiteral("Text1"), 2 * card).text().isEmpty();
    const bool name = !form.ctl(QStringLiteral("Text1"), 2 * card + 1).text().isEmpty();
    if (number && !name) raiseError(801, QStringLiteral("One or more SS or ITIN cards has a Number without a Name"));
    if (name && !number) raiseError(802, QStringLiteral("One or more SS or ITIN cards has a Name without a Number"));
    if (!number && !name) ++blank;
  }
  if (blank == kCards) raiseError(803, QStringLiteral("All SS/ITIN cards are blank, They WILL NOT be saved."));
}

}  // namespace

QString Build_Record() {
  ProgramState& s = state();
  QString& record = s.FileRecord;
  const bool built = trap(kLogName, [&] {
    Screen& form = currentForm();
    record = s.FormInfo[12] + kSeparator;
    if (Form_HasTaxYear())
      record += form.ctl(QStringLiteral("TaxYear"), 0).caption() + form.ctl(QStringLiteral("TaxYear"), 1).caption();
    record += kSeparator;
    if (s.FormInfo[11] == u"SS_ITIN") {
      try {
        checkCards(form);
      } catch (const ProgramError& e) {
        record = kCardError;
        throw;
      }
    }
    for (const Control* c : form.controls()) {
      const QString key = itemKey(*c);
      if (key.isEmpty()) continue;
      const QString value = itemValue(*c);
      if (!value.isEmpty()) record += key + u'=' + storedValue(value) + kSeparator;
    }
    record.chop(1);
    if (sameText(form.name(), QLatin1String("F3_DL"))) {
      const auto* licence = dynamic_cast<const FormScreen*>(&form);
      for (int which : {1, 2})
        record += kSeparator + QStringLiteral("PIC%1=%2").arg(which).arg(licence ? licence->photoIndex(which) : 0);
    }
  });
  if (!built && record != kCardError) record.clear();
  return record;
}

QString upgradePrefix(const QString& record, bool* changed) {
  static const std::pair<const char*, const char*> kOld[] = {{"SS", "SS_ITIN"}, {"1099-MISC20", "1099-MISC"}};
  for (const auto& [old, now] : kOld) {
    const QString head = QLatin1String(old) + kSeparator;
    if (!record.startsWith(head)) continue;
    if (changed) *changed = true;
    return QLatin1String(now) + record.mid(head.size() - 1);
  }
  if (changed) *changed = false;
  return record;
}

QString upgradeItemKeys(const QString& record) {
  QStringList parts = record.split(kSeparator);
  for (int i = 2; i < parts.size(); ++i)
    if (parts[i].startsWith(QLatin1String("CBX"), Qt::CaseInsensitive)) parts[i].replace(0, 3, QStringLiteral("CHK"));
  return parts.join(kSeparator);
}

namespace {

// The field index of an item key: everything after its first three characters.
// Not only two: the 1095-C has a check label 647, which a file must give back.
int keyIndex(const QString& key) {
  bool ok = false;
  const int index = key.mid(3).toInt(&ok);
  if (!ok) raiseError(err::TypeMismatch, errorText(err::TypeMismatch));
  return index;
}

void restoreItem(Screen& form, const QString& item, bool ssa) {
  const qsizetype eq = item.indexOf(u'=');
  const QString key = eq < 0 ? item : item.left(eq);
  const QString value = eq < 0 ? QString() : item.mid(eq + 1);
  const QString upper = uCase(key);
  if (upper.startsWith(QLatin1String("TXT"))) {
    const int index = keyIndex(key);
    Control& field = form.ctl(QStringLiteral("Text1"), index);
    field.setText(value);
    // The SSA-1099's computed boxes show below zero in red.
    if (ssa && (index == 4 || index == 5 || index == 8) && value.startsWith(u'-')) field.setForeColor(colors::Red);
  } else if (upper.size() >= 3 && upper.startsWith(QLatin1String("TX")) && upper[2] >= u'2' && upper[2] <= u'9') {
    form.ctl(QStringLiteral("Text") + upper[2], keyIndex(key)).setText(value);
  } else if (upper.startsWith(QLatin1String("CHK"))) {
    form.ctl(QStringLiteral("Check"), keyIndex(key)).setCaption(value);
  } else if (upper == u"PIC1" || upper == u"PIC2") {
    const int which = upper == u"PIC1" ? 1 : 2;
    bool ok = false;
    const int photo = value.toInt(&ok);
    const QString file = paths::join(state().PicturesFolder, QStringLiteral("P%1GS.jpg").arg(value));
    if (!ok || !paths::fileExists(file)) raiseError(err::FileNotFound, errorText(err::FileNotFound));
    form.ctl(which == 1 ? QStringLiteral("Picture2") : QStringLiteral("Picture4")).setPicture(paths::toHost(file));
    if (auto* licence = dynamic_cast<FormScreen*>(&form)) licence->setPhotoIndex(which, photo);
  }
}

}  // namespace

void restoreItems(Screen& form, const QString& record) {
  const QStringList parts = record.split(kSeparator);
  const bool ssa = uCase(parts.value(0)) == u"SSA";
  for (int i = 2; i < parts.size(); ++i) {
    try {
      restoreItem(form, shownValue(parts[i]), ssa);
    } catch (const ProgramError&) {
      // An item the screen cannot take is passed over.
    }
  }
}

}  // namespace qv
