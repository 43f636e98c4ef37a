#include "engine/FormInit.h"

#include <algorithm>

#include "controls/Screen.h"
#include "engine/FormReset.h"
#include "engine/SocialSecurity.h"
#include "engine/TaxYear.h"
#include "frame/ErrorTrap.h"
#include "frame/ProgramState.h"
#include "platform/Profile.h"
#include "runtime/Format.h"
#include "runtime/Text.h"

namespace qv {

namespace {

// Forms.inf values are read into a buffer of this many characters.
constexpr int kValueBuffer = 1024;

// The entry's keys and the FormInfo slots they fill, in reading order.
struct EntryKey {
  const char* key;
  int slot;
};
constexpr EntryKey kEntryKeys[] = {
    {"FormName", 10},       {"RecordPrefix", 12},         {"SSNIndex", 6},
    {"NameAddrIndex", 7},   {"NameOnlyIndex", 9},         {"DOBIndex", 8},
    {"MedicareClaimNoIndex", 13}, {"MedicareNoIndex", 14}, {"EINIndex", 15},
    {"OtherInfo", 5},
};

// A focus index is taken only when Forms.inf gives a number; otherwise the
// previous screen's index stays.
void readFocusIndex(const QString& screenName, const char* key, int& into) {
  const QString value = GetFormInfo(screenName, QLatin1String(key));
  if (isNumeric(value)) into = cInt(cDbl(value));
}

// The six relative-year placeholders, replaced in this order.
constexpr int kYearOffsets[] = {1, 2, 3, -1, -2, -3};

bool hasCaptionFromFormsInf(const Control& label) {
  const QString prefix = uCase(left(label.name(), 3));
  return prefix == u"RTL" || prefix == u"RTB";
}

bool isNamed(const Control& c, const char* name) { return sameText(c.name(), QLatin1String(name)); }

}  // namespace

Screen& currentForm() {
  Screen* form = state().CurrentForm;
  if (!form) raiseError(err::ObjectNotSet, errorText(err::ObjectNotSet));
  return *form;
}

QString screenShortId(const QString& screenName) { return uCase(mid(screenName, 4)); }

int& FocusAfterTPButton() {
  static int index = 0;
  return index;
}

void Form_Init(Screen& screen) {
  trap(QStringLiteral("M3_Quorvane:Form_Init"), [&] {
    state().CurrentForm = &screen;
    forgetWorkingLook();
    Form_Init_Info();
    if (sameText(screen.name(), QLatin1String("F1_Configure"))) {
      // The configuration screen shows the year's Social Security and
      // Medicare values, and two captions name the Medicare threshold.
      SS_MC_Load();
      SS_MC_Threshold_Captions(screen);
    }
    Form_Init_Reset();
    Form_Init_Captions();
  });
}

void makeCurrentForm(Screen& screen) {
  ProgramState& s = state();
  if (s.CurrentForm == &screen) return;
  s.CurrentForm = &screen;
  Form_Init_Info();
  s.FormInfo[11] = screenShortId(screen.name());
}

void Form_Init_Info() {
  ProgramState& s = state();
  const QString name = currentForm().name();
  for (const EntryKey& k : kEntryKeys) s.FormInfo[k.slot] = GetFormInfo(name, QLatin1String(k.key));
  readFocusIndex(name, "FocusOnStartup", s.FocusOnStartup);
  readFocusIndex(name, "FocusAfterTPButton", FocusAfterTPButton());
}

QString formsInfSection(const QString& screenName) {
  if (screenName == u"SS_ITIN") return screenName;
  const qsizetype underscore = screenName.indexOf(u'_');
  QString section = underscore < 0 ? screenName : screenName.mid(underscore + 1);
  return section.remove(u'-');
}

QString GetFormInfo(const QString& screenName, const QString& key) {
  QString value;
  trap(QStringLiteral("M3_Quorvane:GetFormInfo"), [&] {
    QString buffer;
    const int length = GetPrivateProfileStringA(formsInfSection(screenName), key, QString(), buffer,
                                                kValueBuffer, state().FormsInfFile);
    value = length == 0 ? QString() : buffer.left(length);
  });
  return value;
}

QString taxYearCaption(const QString& text, const QString& year) {
  const bool noYear = year == u"20XX";
  const int yearNumber = noYear ? 0 : cLng(cDbl(year));
  QString out = text;
  for (int offset : kYearOffsets) {
    const QString placeholder = QStringLiteral("yyyy") + (offset < 0 ? u'-' : u'+') + QString::number(std::abs(offset));
    const QString with = noYear ? QStringLiteral("20XX%1").arg(placeholder.mid(4))
                                : QString::number(yearNumber + offset);
    out = replace(out, placeholder, with, Compare::Text);
  }
  out = replace(out, QStringLiteral("yyyy"), year);
  out = replace(out, QStringLiteral(" |"), QStringLiteral("|"));
  out = replace(out, QStringLiteral("|"), QStringLiteral(" \r\n"));
  return out + u' ';
}

void Form_Init_Captions() {
  trap(QStringLiteral("M3_Quorvane:Form_Init_Captions"), [&] {
    const QString year = chosenTaxYear();
    if (year.isEmpty()) return;
    Screen& form = currentForm();
    for (Control* c : form.controls()) {
      if (c->type() != ControlType::Label) continue;
      if (hasCaptionFromFormsInf(*c)) {
        c->setCaption(taxYearCaption(GetFormInfo(form.name(), c->name()), year));
      } else {
        const QString caption = replace(c->caption(), QStringLiteral("20??"), year);
        c->setCaption(replace(caption, QStringLiteral("|"), QStringLiteral("\r\n")));
      }
    }
  });
}

void Form_Layout(Control& border) {
  int bottom = 0, right = 0;
  for (const Control* c : currentForm().controls()) {
    switch (c->type()) {
      case ControlType::Shape:
        bottom = std::max(bottom, c->top() + c->height());
        right = std::max(right, c->left() + c->width());
        break;
      case ControlType::Line:
        bottom = std::max(bottom, c->y2());
        break;
      default:
        // The status line may sit below the document without lowering the border.
        if (!isNamed(*c, "MsgLbl") && !isNamed(*c, "LabelMisc"))
          bottom = std::max(bottom, c->top() + c->height());
    }
  }
  border.setLeft(60);
  border.setTop(60);
  border.setHeight(bottom);
  border.setWidth(right - 60);
}

}  // namespace qv
