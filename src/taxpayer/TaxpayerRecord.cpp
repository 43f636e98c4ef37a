#include "taxpayer/TaxpayerRecord.h"

#include <QStringList>

#include "controls/Screen.h"
#include "engine/FormInit.h"
#include "engine/TextUtils.h"
#include "frame/ErrorTrap.h"
#include "frame/Ini.h"
#include "frame/ProgramState.h"
#include "platform/Clock.h"
#include "platform/Host.h"
#include "runtime/Format.h"
#include "runtime/Text.h"
#include "taxpayer/DriversLicence.h"
#include "taxpayer/LicenceDates.h"

namespace qv {

namespace {

const QString kCrLf = QStringLiteral("\r\n");
constexpr int kOtherPersons = 7;

// The two persons of the last Load TP.
TaxpayerData& tp1Data() {
  static TaxpayerData d;
  return d;
}
TaxpayerData& tp2Data() {
  static TaxpayerData d;
  return d;
}

Control& field(Screen& form, int index) { return form.ctl(QStringLiteral("Text1"), index); }
void put(Screen& form, int index, const QString& text) { field(form, index).setText(text); }

// The first index of an index list of the forms description; error 13 when
// it is no number (the trap says so).
int firstIndex(const QString& list) {
  bool ok = false;
  const int index = trim(list.section(u',', 0, 0)).toInt(&ok);
  if (!ok) raiseError(err::TypeMismatch, errorText(err::TypeMismatch));
  return index;
}

TaxpayerData readPerson(const char* prefix) {
  const ProgramState& s = state();
  auto key = [&](const char* name) {
    return ReadINF(s.UserSection, QLatin1String(prefix) + QLatin1String(name), {}, s.UserInfFile);
  };
  TaxpayerData d;
  d.NameAddr = key("NameAddr");
  d.DOB = key("DOB");
  d.SSN = key("SSN");
  TPInfo_Parse_NameAddr(d);
  return d;
}

// Both licences numbered, and each whose holder gets a birth date dated as the
// licence screen dates it; without a birth date a licence keeps its dates.
void fillLicences(Screen& form, const TaxpayerData& chosen, const TaxpayerData& other) {
  TPInfo_Process_DriverLicenses(form, chosen, other);
  put(form, 2, NewLicenseNumber());
  if (!field(form, 4).text().isEmpty()) put(form, 6, NewLicenseNumber());
  for (const LicenceFields& l : kLicenceFields) {
    const QString born = field(form, l.birth).text();
    if (!born.isEmpty()) SetLicenseDates(QLatin1String(l.which), born, field(form, l.issue), field(form, l.expiration));
  }
}

void fillCheck(Screen& form, const TaxpayerData& chosen, const TaxpayerData& other) {
  Control& payer = field(form, 0);
  payer.setFontSize(9);
  payer.setText(chosen.Name + kCrLf + other.Name + kCrLf + chosen.Address);
}

// The name and address and the number, by the screen's forms description.
void fillGeneric(Screen& form, const TaxpayerData& chosen) {
  const ProgramState& s = state();
  put(form, firstIndex(s.FormInfo[7]), chosen.NameAddr);
  put(form, firstIndex(s.FormInfo[6]), chosen.SSN);
}

// The page shown again after a pause, so that the other page's fields are
// drawn filled; on the 1065 only when the page was not the first.
void showPagesAgain(Screen& form, bool pauseOnFirstPage) {
  Control* tabs = form.find(QStringLiteral("SSTab1"));
  if (!tabs) return;
  const int page = tabs->currentTab();
  if (pauseOnFirstPage) {
    tabs->setCurrentTab(page == 0 ? 1 : 0);
  } else if (page == 1) {
    tabs->setCurrentTab(0);
  }
  host().processEvents();
  if (tabs->currentTab() != page) {
    clock::pause(1000);
    tabs->setCurrentTab(page);
  }
}

}  // namespace

void TPInfo_Parse_NameAddr(TaxpayerData& person) {
  trap(QStringLiteral("M6_TPInfo:TPInfo_Parse_NameAddr"), [&] {
    person.Name.clear();
    person.Address.clear();
    person.Street.clear();
    person.LastLine.clear();
    if (person.NameAddr.isEmpty()) return;
    const QStringList lines = person.NameAddr.split(kLineBreakMark);
    const int n = int(lines.size()) - 1;
    person.Name = lines[0];
    if (n == 1) {
      person.Street = lines[1];
    } else if (n >= 2) {
      person.Street = lines.mid(1, n - 1).join(u' ');
      person.LastLine = lines[n];
    }
    person.NameAddr = lines.join(kCrLf);
    person.Address = person.Street;
    if (!person.LastLine.isEmpty()) person.Address += kCrLf + person.LastLine;
  });
}

void TPInfo_Save() {
  const ProgramState& s = state();
  trap(QStringLiteral("M6_TPInfo:TPInfo_Save"), [&] {
    QString fields[6];
    const QStringList items = s.FileRecord.split(kSeparator);
    for (int i = 2; i < items.size(); ++i) {
      const QString head = uCase(items[i].left(5));
      for (int f = 0; f < 6; ++f)
        if (head == QStringLiteral("TXT%1=").arg(f)) fields[f] = items[i].mid(5);
    }
    const char* const names[6] = {"TP1NameAddr", "TP1SSN", "TP1DOB", "TP2NameAddr", "TP2SSN", "TP2DOB"};
    QList<std::pair<QString, QString>> keys;
    for (int f = 0; f < 6; ++f) keys.append({QLatin1String(names[f]), fields[f]});
    Screen& sheet = currentForm();
    for (int n = 1; n <= kOtherPersons; ++n) {
      const QString name = field(sheet, 6 + 4 * (n - 1)).text();
      const QString number = field(sheet, 7 + 4 * (n - 1)).text();
      const QString value = name.isEmpty() && number.isEmpty() ? QString() : name + kSeparator + number;
      keys.append({QStringLiteral("Dependent%1").arg(n), value});
    }
    // The whole record in one write: a kill or a full drive leaves the old
    // record or the new one, never half of each.
    SaveINFKeys(s.UserSection, keys, s.UserInfFile);
  });
}

void TPInfo_Read(const QString& which) {
  const ProgramState& s = state();
  Screen* form = nullptr;
  trap(QStringLiteral("M6_TPInfo:TPInfo_Read"), [&] {
    form = &currentForm();
    tp1Data() = readPerson("TP1");
    tp2Data() = readPerson("TP2");
    const bool first = which == u"TP 1";
    const TaxpayerData& chosen = first ? tp1Data() : tp2Data();
    const TaxpayerData& other = first ? tp2Data() : tp1Data();
    const QString prefix = s.FormInfo[12];
    const QString lower = lCase(prefix);
    if (lower == u"ss" || lower == u"ss_itin") TPInfo_Process_TIN_Cards(*form, first ? 1 : 2);
    else if (lower == u"dl" || lower == u"drvlic") fillLicences(*form, chosen, other);
    else if (lower == u"chk" || lower == u"check") fillCheck(*form, chosen, other);
    else if (lower == u"1095-a") TPInfo_Process_1095A(*form, chosen, other);
    else if (lower == u"tpinfo") {
      // The sheet is where the data comes from: nothing to copy.
    }
    else if (lower == u"1095b") TPInfo_Process_1095B(*form, chosen);
    else if (lower == u"1095c") TPInfo_Process_1095C(*form, chosen);
    else if (lower == u"ssa") TPInfo_Process_SSA1099(*form, chosen);
    else fillGeneric(*form, chosen);

    if (prefix == u"RRB") {
      put(*form, 15, field(*form, 2).text());
      put(*form, 16, field(*form, 3).text());
      return;
    }
    if (prefix == u"K11041" || prefix == u"K11120S") showPagesAgain(*form, true);
    else if (prefix == u"K11065") showPagesAgain(*form, false);
    Restore_Field_Focus();
  });
  if (form) host().processEvents();
}

void Restore_Field_Focus() {
  Screen& form = currentForm();
  const QString current = state().CurrentField;
  const qsizetype colon = current.indexOf(u':');
  bool ok = false;
  const int index = current.mid(colon + 1).toInt(&ok);
  if (colon < 0 || !ok) raiseError(err::InvalidCall, QStringLiteral("No field to return to: \"%1\"").arg(current));
  const QString name = lCase(current.left(colon));
  // A code cell takes the focus when it is one (unlocked); its amount cell else.
  auto codeOrAmount = [&](const char* code, const char* amount) {
    Control& cell = form.ctl(QLatin1String(code), index);
    if (cell.tag().contains(QLatin1String("K1HELP"), Qt::CaseInsensitive)) {
      cell.setLocked(false);
      cell.SetFocus();
    } else {
      form.ctl(QLatin1String(amount), index).SetFocus();
    }
  };
  if (name == u"text1") form.ctl(QStringLiteral("Text1"), index).SetFocus();
  else if (name == u"text2") codeOrAmount("Text2", "Text3");
  else if (name == u"text3") form.ctl(QStringLiteral("Text3"), index).SetFocus();
  else if (name == u"text4") codeOrAmount("Text4", "Text5");
  else if (name == u"text5") form.ctl(QStringLiteral("Text5"), index).SetFocus();
}

void TPInfo_Process_1095A(Screen& form, const TaxpayerData& chosen, const TaxpayerData& other) {
  const std::pair<int, QString> fields[] = {
      {3, chosen.Name},      {4, chosen.SSN},   {5, chosen.DOB},   {6, other.Name},   {7, other.SSN},
      {8, other.DOB},        {11, chosen.Street}, {12, chosen.LastLine}, {13, chosen.Name}, {14, chosen.SSN},
      {15, chosen.DOB},      {18, other.Name},  {19, other.SSN},   {20, other.DOB},
  };
  for (const auto& [index, text] : fields) put(form, index, text);
}

void TPInfo_Process_1095B(Screen& form, const TaxpayerData& chosen) {
  const std::pair<int, QString> fields[] = {
      {0, chosen.Name}, {1, chosen.SSN}, {2, chosen.DOB}, {3, chosen.Street}, {4, chosen.LastLine}};
  for (const auto& [index, text] : fields) put(form, index, text);
}

void TPInfo_Process_1095C(Screen& form, const TaxpayerData& chosen) {
  const std::pair<int, QString> fields[] = {{0, chosen.Name}, {1, chosen.SSN}, {4, chosen.Street}, {7, chosen.LastLine}};
  for (const auto& [index, text] : fields) put(form, index, text);
}

void TPInfo_Process_SSA1099(Screen& form, const TaxpayerData& chosen) {
  const std::pair<int, QString> fields[] = {
      {0, chosen.Name}, {1, chosen.SSN}, {14, chosen.NameAddr}, {15, chosen.SSN + u'A'}};
  for (const auto& [index, text] : fields) put(form, index, text);
}

void TPInfo_Process_DriverLicenses(Screen& form, const TaxpayerData& chosen, const TaxpayerData& other) {
  const std::pair<int, QString> fields[] = {
      {0, chosen.NameAddr}, {1, chosen.DOB}, {4, other.NameAddr}, {5, other.DOB}};
  for (const auto& [index, text] : fields) put(form, index, text);
}

}  // namespace qv
