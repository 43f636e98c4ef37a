#include "engine/FieldEdits.h"

#include <QStringList>

#include "controls/Screen.h"
#include "engine/AmountEdits.h"
#include "engine/FormInit.h"
#include "engine/TaxYear.h"
#include "engine/TextUtils.h"
#include "frame/ErrorTrap.h"
#include "frame/MessageBox.h"
#include "frame/ProgramState.h"
#include "platform/Clock.h"
#include "platform/TextFile.h"
#include "runtime/Dates.h"
#include "runtime/Text.h"

namespace qv {

namespace {

// Rejections are data errors: they never take the debug halt.
constexpr int kRejected = 800;
constexpr int kSsnLegend = 1, kEinLegend = 2, kDateLegend = 6;
const QString kNotNumeric = QStringLiteral("First 3 Charaters MUST BE Numeric");
const QString kDateTitle = QStringLiteral("M7_Edits:EditCtl_Date");
const QString kCheckIt = QStringLiteral(" --- Make sure it is correct ---");

Control* statusLine() {
  Screen* form = state().CurrentForm;
  return form ? form->find(QStringLiteral("labelMisc")) : nullptr;
}

void clearStatus() {
  try {
    if (Control* status = statusLine()) status->setCaption(QString());
  } catch (const ProgramError&) {
  }
}

void showStatus(const QString& message) {
  if (Control* status = statusLine()) {
    status->setCaption(message);
    status->setForeColor(colors::Red);
  }
}

// Back into the field that failed, when it can take the focus.
void refocus(Control& field) {
  Screen* screen = field.screen();
  if (screen && field.focusable())
    screen->setFocus(field);
}

void notice(int number, const QString& title, const QString& message) {
  Show_MBX(title, number, message, QStringLiteral("OK"), false, {}, {}, {}, 1);
}

// ---- Dates ----

QString yearLabels(const Screen& form) {
  return form.ctl(QStringLiteral("TaxYear"), 0).caption() + form.ctl(QStringLiteral("TaxYear"), 1).caption();
}

// The year a date works in: the tax year the screen shows, else the chosen one.
QString workingYear() { return Form_HasTaxYear() ? yearLabels(currentForm()) : chosenTaxYear(); }

bool isYearText(const QString& year) { return year == u"20XX" || (year.size() == 4 && isAllDigits(year)); }

// A month and day that every year has (no 29 February): a date of no particular year.
bool inEveryYear(QStringView month, QStringView day) {
  if (month.size() != 2 || day.size() != 2 || !isAllDigits(month) || !isAllDigits(day)) return false;
  const int m = month.toInt(), d = day.toInt();
  if (m < 1 || m > 12 || d < 1 || d > 31) return false;
  if (m == 2 && d > 28) return false;
  if ((m == 4 || m == 6 || m == 9 || m == 11) && d > 30) return false;
  return true;
}

// MM/DD/YYYY of a date that exists, or MM/DD/20XX of a day every year has.
bool isStandardDate(const QString& text) {
  if (text.size() != 10 || text[2] != u'/' || text[5] != u'/') return false;
  const QStringView t(text);
  if (t.mid(6) == u"20XX") return inEveryYear(t.left(2), t.mid(3, 2));
  const QDate d = readDate(text);
  return d.isValid() && formatDate(d, QStringLiteral("mm/dd/yyyy")) == text;
}

// The text as MM/DD/YYYY: a month or day of one digit gets its "0", a date
// without a year gets `year` (the calendar year when that is no year).
bool normaliseDate(Control& field, const QString& year) {
  const QString text = field.text();
  if (text.isEmpty()) return true;
  QStringList parts = text.split(u'/');
  if (parts.size() == 2)
    parts << (isYearText(year) ? year : QString::number(clock::today().year()));
  if (parts.size() != 3) return false;
  for (int i = 0; i < 2; ++i)
    if (parts[i].size() == 1) parts[i].prepend(u'0');
  if (parts[2].size() != 4) return false;
  setEditedText(field, parts.join(u'/'));
  return isStandardDate(field.text());
}

bool formatUnderTrap(Control& field, const QString* year) {
  bool ok = false;
  return trap(QStringLiteral("M7_Edits:EditCtl_Date_Format"),
              [&] { ok = normaliseDate(field, year ? *year : workingYear()); }) &&
         ok;
}

// The date moved into `year`, when it is a date there.
bool moveToYear(Control& field, const QString& year) {
  const QString moved = field.text().left(6) + year;
  if (!isStandardDate(moved)) return false;
  setEditedText(field, moved);
  return true;
}

// ---- Identification numbers ----

// Past the three leading digits an identification number holds digits, and
// X for each digit not known; nine digits at most. X's past the ninth place
// stand for no digit and are dropped; with nine digits given, X's among them
// are too.
QString checkedIdDigits(const QString& s, const QString& what) {
  if (!isAllDigits(QString(s).remove(u'X')))
    rejectField(what + QStringLiteral(" MUST BE Numeric (X for a missing digit)"));
  if (s.size() - s.count(u'X') > 9) rejectField(what + QStringLiteral(" can't be longer than 9 digits"));
  if (s.size() <= 9) return s;
  const QString tail = s.mid(9);
  return tail.count(u'X') == tail.size() ? s.left(9) : QString(s).remove(u'X');
}

// The number without its dashes; the first three must be digits.
QString idDigits(const QString& text) {
  QString s = text;
  s.remove(u'-');
  if (s.size() < 3 || !isAllDigits(QStringView(s).left(3))) rejectField(kNotNumeric);
  return s;
}

// Upper-cased, checked and padded with X to nine.
QString paddedId(const QString& s, const QString& what) {
  return checkedIdDigits(uCase(s), what).leftJustified(9, u'X');
}

// ---- Name-and-address lines, telephone numbers, everything else ----

// The name line as Format_TPName normalises it (its part before the separator).
QString normalisedName(const QString& line) {
  const QString name = Format_TPName(line);
  return name.left(name.indexOf(kSeparator));
}

bool editNameLines(Control& field) {
  QStringList lines = field.text().split(QStringLiteral("\r\n"));
  // Leading line breaks go, and so does a leading line that is no name at all
  // (only blanks or dots), so that the text never starts with a line break.
  qsizetype first = 0;
  QString name;
  while (first < lines.size() && (name = normalisedName(lines[first])).isEmpty()) ++first;
  lines.remove(0, first);
  if (lines.isEmpty()) {
    setEditedText(field, QString());
    return false;
  }
  lines.first() = name;
  setEditedText(field, uCase(lines.join(QStringLiteral("\r\n"))));
  return true;
}

bool editPhone(Control& field) {
  QString s = field.text();
  s.remove(u'(').remove(u')').remove(u'-').remove(u' ');
  if (s.size() == 7)
    s = QStringLiteral("(999) ") + s.left(3) + u'-' + s.mid(3);
  else if (s.size() == 10)
    s = u'(' + s.left(3) + QStringLiteral(") ") + s.mid(3, 3) + u'-' + s.mid(6);
  setEditedText(field, s);
  return true;
}

bool editUpperCase(Control& field) {
  setEditedText(field, uCase(field.text()));
  return true;
}

bool editDate(Control& field) { return EditCtl_Date(field, QString()); }
bool editDateInTaxYear(Control& field) { return EditCtl_Date(field, yearLabels(currentForm())); }

struct KindEdit {
  const char* word;  // the tag upper-cased
  bool (*edit)(Control&);
};

const KindEdit kEdits[] = {
    {"%", EditCtl_NumericDecimalOK},
    {"#.#", EditCtl_NumericDecimalOK},
    {"#", EditCtl_Numeric},
    {"TIN", EditCtl_SS_ITIN},
    {"EIN", EditCtl_EIN},
    {"MONEY", EditCtl_Money},
    {"SMONEY", EditCtl_Money},
    {"AMONEY", EditCtl_AMoney},
    {"-MONEY", EditCtl_Money_NegativeOK},
    {"DATE", editDate},
    {"DATEX", editDateInTaxYear},
    {"YEAR", EdtiCtl_Year},
    {"VERIFICATION", EditCtl_VerificationCode},
    {"TPNAME", editNameLines},
    {"PHONE", editPhone},
};

bool editByKind(Control& field) {
  const QString kind = uCase(field.tag());
  // A K-1 box number is printed as the paper form prints it ("4a"); the user
  // cannot change it, so there is nothing to edit.
  if (kind == u"K1") return true;
  for (const KindEdit& k : kEdits)
    if (kind == QLatin1String(k.word)) return k.edit(field);
  return editUpperCase(field);
}

// Every edit works on the text as a form file will hold it.
QString storedText(const QString& text) { return withoutRecordMarks(asWin1252(text)); }

void keepStorable(Control& field) {
  const QString stored = storedText(field.text());
  if (stored != field.text()) field.setText(stored);
}

}  // namespace

// ---- Shared by the edits ----

void setEditedText(Control& field, const QString& text) { field.setText(storedText(text)); }

void rejectField(const QString& message) { throw ProgramError(kRejected, message); }

bool runFieldEdit(Control& field, const QString& logName, int legend, bool describeErrors,
                  const std::function<void()>& body) {
  auto fail = [&](const ProgramError& e) {
    if (state().DebugMode && (e.number < 800 || e.number > 899)) debugHalt(logName, e);
    const bool rejected = e.number == kRejected;
    // Back into the field first: taking the focus shows its help text, which
    // the failure's message then replaces.
    refocus(field);
    ShowInvalid(field, legend, rejected || describeErrors ? e.description : QString());
    return false;
  };
  try {
    keepStorable(field);
    body();
    return true;
  } catch (const ProgramError& e) {
    return fail(e);
  } catch (const std::exception& e) {
    return fail(asProgramError(e));
  }
}

// ---- The edits ----

bool EditCtl(Control& field) {
  bool ok = false;
  trap(QStringLiteral("M7_Edits:EditCtl"), [&] {
    clearStatus();
    keepStorable(field);
    ok = field.text().isEmpty() || editByKind(field);
  });
  if (ok) {
    field.setBackColor(colors::White);
    field.setForeColor(colors::Black);
  } else {
    field.setForeColor(colors::Red);
  }
  return ok;
}

bool EditCtl_Date_Format(Control& field) { return formatUnderTrap(field, nullptr); }

bool EditCtl_Date(Control& field, const QString& taxYear) {
  return runFieldEdit(field, kDateTitle, kDateLegend, false, [&] {
    clearStatus();
    const QString year = workingYear();
    if (!formatUnderTrap(field, &year)) rejectField();
    const QString typed = field.text();
    if (typed.right(4) == u"20XX" && year != u"20XX" && moveToYear(field, year))
      notice(802, kDateTitle,
             QStringLiteral("Date ") + typed + QStringLiteral(" Changed to ") + field.text() +
                 QStringLiteral("\r\n") + kCheckIt);
    const QString dated = field.text();
    if (!taxYear.isEmpty() && !dated.isEmpty() && dated.right(4) != taxYear) {
      // A date that does not exist in the tax year (29 February) is not moved there.
      if (!moveToYear(field, taxYear))
        rejectField(QStringLiteral("Date MUST match the Tax Year shown on the form"));
      notice(803, kDateTitle,
             QStringLiteral("Date MUST match the Tax Year shown on the form\r\n") + dated +
                 QStringLiteral(" Changed to ") + field.text() + QStringLiteral("\r\n") + kCheckIt);
    }
  });
}

bool EditCtl_EIN(Control& field) {
  const QString what = QStringLiteral("EIN");
  return runFieldEdit(field, QStringLiteral("M7_Edits:EditCtl_EIN"), kEinLegend, true, [&] {
    const QString s = idDigits(field.text());
    if (s.startsWith(QLatin1String("00"))) rejectField(QStringLiteral("EIN can't start with 00"));
    const QString n = paddedId(s, what);
    setEditedText(field, n.left(2) + u'-' + n.mid(2));
  });
}

bool EditCtl_SS_ITIN(Control& field) {
  const QString what = QStringLiteral("SSN/ITIN");
  return runFieldEdit(field, QStringLiteral("M7_Edits:EditCtl_SS_ITIN"), kSsnLegend, true, [&] {
    const QString s = idDigits(field.text());
    const QString area = s.left(3);
    if (area == u"000" || area == u"666")
      rejectField(QStringLiteral("SSN/ITIN can't begin with '") + area + u'\'');
    const QString n = paddedId(s, what);
    setEditedText(field, n.left(3) + u'-' + n.mid(3, 2) + u'-' + n.mid(5));
  });
}

void ShowInvalid(Control& field, int legend, const QString& message) {
  // Nothing here may fail the edit that is reporting: each step on its own.
  try {
    showStatus(message.isEmpty()
                   ? QStringLiteral("Value Entered: [") + field.text() + QStringLiteral("] is INVALID")
                   : message);
  } catch (const std::exception&) {
  }
  const auto& table = state().ColorTable;
  if (legend >= 0 && legend < int(table.size())) field.setBackColor(table[legend]);
}

int DuplicateTinCheck(const QString& indexList, int index) {
  Screen& form = currentForm();
  Control& number = form.ctl(QStringLiteral("Text1"), index);
  if (number.text().isEmpty()) return 99;
  for (const QString& item : indexList.split(u',')) {
    bool ok = false;
    const int other = trim(item).toInt(&ok);
    if (!ok) raiseError(err::TypeMismatch, errorText(err::TypeMismatch));
    if (other == index) continue;
    if (form.ctl(QStringLiteral("Text1"), other).text() != number.text()) continue;
    number.select(0, 12);
    showStatus(QStringLiteral("Duplicate SSN/ITIN number"));
    notice(800, QStringLiteral("DuplicateTinCheck"), QStringLiteral("Duplicate SS/ITIN Number on this screen"));
    return other;
  }
  return 99;
}

}  // namespace qv
