#include "engine/AmountEdits.h"

#include "controls/Control.h"
#include "engine/FieldEdits.h"
#include "engine/TextUtils.h"
#include "platform/Clock.h"
#include "runtime/Currency.h"
#include "runtime/Error.h"
#include "runtime/Format.h"
#include "runtime/Text.h"

namespace qv {

namespace {

constexpr int kMoneyLegend = 3, kSignedMoneyLegend = 4, kNumericLegend = 5, kOtherLegend = 9;
const QString kMoney = QStringLiteral("$###,###.00");
const QString kMoneyNoSign = QStringLiteral("###,###.00");
// Both sections show the value without its sign; the edits add the parentheses.
const QString kWhole = QStringLiteral("###,###,###;###,###,###");

bool hasNonZeroDigit(const QString& s) {
  for (const QChar c : s)
    if (c >= u'1' && c <= u'9') return true;
  return false;
}

// Whether the number converts: the money computations read fields as
// currency, the others as a double.
template <class Convert>
bool converts(Convert convert) {
  try {
    convert();
    return true;
  } catch (const ProgramError&) {
    return false;
  }
}

// "1234.5" -> "1234.5", "5" -> "5.00", ".5" -> "0.5": the amount of a text
// already without "$" and ",". Both sides of the point must be numbers, and
// together a number that fits the currency type ("12-.00" does not).
QString splitAmount(const QString& s) {
  if (s.count(u'.') > 1) rejectField();
  const qsizetype point = s.lastIndexOf(u'.');
  QString whole = point < 0 ? s : s.left(point);
  QString cents = point < 0 ? QString() : s.mid(point + 1);
  // A sign alone before the point ("-.20", as a negative amount under a
  // dollar is shown) stands for no whole dollars.
  if (whole.isEmpty() || whole == u"-") whole += u'0';
  if (cents.isEmpty()) cents = QStringLiteral("00");
  if (!isNumeric(whole) || !isNumeric(cents)) rejectField();
  const QString amount = whole + u'.' + cents;
  if (!converts([&] { Currency::fromText(amount); })) rejectField();
  return amount;
}

QString withoutMoneySigns(QString s) { return s.remove(u'$').remove(u','); }

QString inParentheses(const QString& s) { return u'(' + s + u')'; }

}  // namespace

bool EditCtl_Money(Control& field) {
  return runFieldEdit(field, QStringLiteral("M7_Edits:EditCtl_Money"), kMoneyLegend, false, [&] {
    // A pasted "-5" passes the key filter by and is shown as -$5.00.
    const QString amount = splitAmount(withoutMoneySigns(field.text()));
    setEditedText(field, formatText(amount, field.tag() == u"SMONEY" ? kMoneyNoSign : kMoney));
  });
}

bool EditCtl_Money_NegativeOK(Control& field) {
  return runFieldEdit(field, QStringLiteral("M7_Edits:EditCtl_Money_NegativeOK"), kSignedMoneyLegend, false,
                      [&] {
                        QString s = withoutMoneySigns(field.text());
                        const QString lead = lTrim(s).left(1);
                        const bool negative = lead == u"-" || lead == u"(";
                        s.remove(u'-').remove(u'(').remove(u')');
                        QString shown = formatText(splitAmount(s), kMoney);
                        // Zero has no sign: "-0" is "$.00", not "($.00)".
                        if (negative && hasNonZeroDigit(shown)) shown = inParentheses(shown);
                        setEditedText(field, shown);
                      });
}

bool EditCtl_AMoney(Control& field) {
  const QString text = field.text();
  if (isNumeric(text)) return EditCtl_Money(field);
  if (sameText(text, QStringLiteral("U")) || sameText(text, QStringLiteral("UNK")))
    setEditedText(field, QStringLiteral("UNKNOWN"));
  return true;
}

bool EdtiCtl_Year(Control& field) {
  return runFieldEdit(field, QStringLiteral("M7_Edits:EdtiCtl_Year"), kOtherLegend, false, [&] {
    const QString text = field.text();
    // Digits only ("+5" and "2.5" are no years); two get the century, four
    // must be of this century, any other number of digits stays as typed.
    if (!isAllDigits(text)) rejectField();
    const QString century = QString::number(clock::today().year()).left(2);
    if (text.size() == 2)
      setEditedText(field, century + text);
    else if (text.size() == 4 && !text.startsWith(century))
      rejectField();
  });
}

bool EditCtl_Numeric(Control& field) {
  return runFieldEdit(field, QStringLiteral("M7_Edits:EditCtl_Numeric"), kNumericLegend, false, [&] {
    QString s = trim(field.text());
    if (s.startsWith(u'(')) s[0] = u'-';
    if (s.endsWith(u')')) s.chop(1);
    const bool marked = s.startsWith(u'-');
    if (marked) s.remove(0, 1);
    const auto number = readNumber(s);
    // One sign only: "--5" and "-5-" are no numbers.
    if (!number || (marked && number->negative) || !converts([&] { cDbl(s); })) rejectField();
    const QString digits = formatText(s, kWhole);  // "" when it rounds to zero
    const bool negative = marked || number->negative;
    setEditedText(field, negative && !digits.isEmpty() ? inParentheses(digits) : digits);
  });
}

bool EditCtl_NumericDecimalOK(Control& field) {
  return runFieldEdit(field, QStringLiteral("M7_Edits:EditCtl_NumericDecimalOK"), kNumericLegend, false, [&] {
    if (field.text().isEmpty()) return;
    QString s = trim(field.text());
    bool negative = false;
    if (s.startsWith(u'-')) {
      negative = true;
      s.remove(0, 1);
    } else if (s.startsWith(u'(')) {
      negative = true;
      s.remove(0, 1);
      s.remove(u')');
    }
    const QStringList parts = s.split(u'.');
    if (parts.size() > 2) rejectField();
    const QString& whole = parts.first();
    const QString decimals = parts.value(1);
    // Digits (grouped or not) before the point, digits after it, one digit at least.
    if (!isAllDigits(decimals) || (whole.isEmpty() && decimals.isEmpty())) rejectField();
    if (!whole.isEmpty() && (!isAllDigits(QString(whole).remove(u',')) || !converts([&] { cDbl(whole); })))
      rejectField();
    QString shown = formatText(whole, kWhole);
    if (!decimals.isEmpty()) shown += u'.' + decimals;
    setEditedText(field, negative && !shown.isEmpty() ? inParentheses(shown) : shown);
  });
}

bool EditCtl_VerificationCode(Control& field) {
  return runFieldEdit(field, QStringLiteral("M7_Edits:EditCtl_VerificationCode"), kOtherLegend, false, [&] {
    const QString s = field.text();
    const bool plain = s.size() == 16 && CountCharacters(s, QStringLiteral("-"), false) == 0;
    const bool grouped = s.size() == 19 && CountCharacters(s, QStringLiteral("-"), false) == 3 &&
                         s[4] == u'-' && s[9] == u'-' && s[14] == u'-';
    if (!plain && !grouped) rejectField();
    setEditedText(field, formatText(QString(s).remove(u'-'), QStringLiteral("@@@@-@@@@-@@@@-@@@@")));
  });
}

}  // namespace qv
