#include "files/FileNames.h"

#include "controls/Screen.h"
#include "engine/FormInit.h"
#include "engine/TextUtils.h"
#include "files/FormRecord.h"
#include "frame/ErrorTrap.h"
#include "frame/MessageBox.h"
#include "frame/ProgramState.h"
#include "platform/Host.h"
#include "runtime/Text.h"

namespace qv {

namespace {

const QString kLogName = QStringLiteral("M4_FileCode:Build_FileName");

// The first index of a comma-separated index list; -1 for none.
int firstIndex(const QString& list) {
  bool ok = false;
  const int index = trim(list.section(u',', 0, 0)).toInt(&ok);
  return ok ? index : -1;
}

QString fieldText(const Screen& form, int index) { return form.ctl(QStringLiteral("Text1"), index).text(); }

// A K-1 screen's recipient fields, with the message and the page of each.
struct K1Check {
  const char* shortId;
  const char* numberMissing;
  int numberPage;
  const char* nameMissing;
  int namePage;
};
const K1Check kK1Checks[] = {
    {"K11041", "Beneficiary's SSN/ITIN REQUIRED", 1, "Beneficiary's Name and Address Required.", 1},
    {"K11065", "Shareholder's SSN REQUIRED", 0, "Shareholder's Name and Address Required.", 0},
    {"K11120S", "Shareholder's SSN REQUIRED", 0, "Shareholder's Name and Address Required.", 1},
};

// False when the field is empty: said, its page in front, the field focused.
bool k1FieldFilled(Screen& form, int index, const char* message, int page) {
  Control& field = form.ctl(QStringLiteral("Text1"), index);
  if (!field.text().isEmpty()) return true;
  Show_MBX(kLogName, 800, QLatin1String(message), QStringLiteral("OK"), false, {}, {}, {}, 1);
  if (Control* tabs = form.find(QStringLiteral("SSTab1"))) tabs->setCurrentTab(page);
  form.setFocus(field);
  host().processEvents();
  return false;
}

QString replaceAny(QString text, const QString& placeholder, const QString& with) {
  return text.replace(placeholder, with, Qt::CaseInsensitive);
}

}  // namespace

QString portableFileName(const QString& name) {
  QString out = name;
  for (QChar& c : out)
    if (c.unicode() < 32 || c.unicode() == 127 || QStringLiteral("\\/:*?\"<>|").contains(c)) c = u'-';
  return out;
}

QString Build_FileName(int& focusIndex) {
  ProgramState& s = state();
  QString result;
  trap(kLogName, [&] {
    Screen& form = currentForm();
    const QString id = s.FormInfo[11];
    if (id == u"SS_ITIN") {
      QString name = QStringLiteral("SS_ITIN_") + fieldText(form, 1);
      if (!fieldText(form, 3).isEmpty()) name += u'_' + fieldText(form, 3);
      s.FileRecord = Build_Record();
      result = portableFileName(name + QStringLiteral("_000"));
      return;
    }
    for (const K1Check& k : kK1Checks) {
      if (id != QLatin1String(k.shortId)) continue;
      if (!k1FieldFilled(form, s.FormInfo[6].toInt(), k.numberMissing, k.numberPage) ||
          !k1FieldFilled(form, s.FormInfo[7].toInt(), k.nameMissing, k.namePage)) {
        result = QStringLiteral("Error K1");
        return;
      }
    }
    bool numeric = false;
    const int otherIndex = trim(s.FormInfo[5]).toInt(&numeric);
    QString other = numeric ? fieldText(form, otherIndex).section(u'\r', 0, 0) : QString();
    focusIndex = 0;
    s.FileRecord = Build_Record();

    const QString name = id == u"SSA1099" ? fieldText(form, 0) : fieldText(form, firstIndex(s.FormInfo[7]));
    if (other == name) other.clear();
    if (name.isEmpty()) raiseError(800, QStringLiteral("Name is MANDATORY"));
    QString file = replaceAny(s.FileNamePattern, QStringLiteral("<FORM>"), id);
    const int ssn = firstIndex(s.FormInfo[6]);
    if (!s.FormInfo[6].isEmpty() && fieldText(form, ssn).isEmpty())
      raiseError(801, QStringLiteral("Social Security/Taxpayer ID Number is MANDATORY"));
    const QString names = Format_TPName(name);
    file = replaceAny(file, QStringLiteral("<LAST>_<FIRST>"), names.section(kSeparator, 1));
    file = replaceAny(file, QStringLiteral("<FIRST>_<LAST>"), names.section(kSeparator, 0, 0));
    if (other.isEmpty() || id == u"CHK")
      file = replaceAny(file, QStringLiteral("<OTHER>_"), QString());
    else if (id == u"TPINFO" || id == u"DL")
      file = replaceAny(file, QStringLiteral("<OTHER>"), Format_TPName(other).section(kSeparator, 1));
    else
      file = replaceAny(file, QStringLiteral("<OTHER>"), other);
    file = replaceAny(file, QStringLiteral("<SEQ>"), QStringLiteral("000"));
    while (file.contains(QLatin1String("__"))) file.replace(QLatin1String("__"), QLatin1String("_"));
    result = portableFileName(file);
  });
  return result;
}

}  // namespace qv
