#pragma once
// Number tests, conversions and formats of the language runtime the program
// was written against, in the US locale: "." decimal point, "," thousands
// separator, "$" currency sign.
#include <QString>
#include <optional>
#include <string>

namespace qv {

class Currency;

// A number as read from text, exactly: value = digits x 10^exponent. `digits`
// has neither leading nor trailing zeros; it is empty for zero.
struct DecimalNumber {
  bool negative = false;
  std::string digits;
  int exponent = 0;
  bool isZero() const { return digits.empty(); }
};

// Reads text the way the runtime's number conversion does: blanks around it; one
// sign, leading or trailing ("12-" is -12); parentheses for a negative ("(5)");
// one "$" before or after; "," anywhere before the decimal point; one "."; an
// exponent E or D ("1E3", "1D3"). Nothing when the text is not a number.
std::optional<DecimalNumber> readNumber(const QString& text);
// Rounds to `places` decimals, ties to the even neighbour (the rounding of CCur).
DecimalNumber roundedToEven(const DecimalNumber& number, int places);

// IsNumeric: true when readNumber accepts the text ("$1,234.50", " 12 ", "(5)");
// false for "", ".", "$", "1.2.3", "12a", "6.2%".
bool isNumeric(const QString& text);

// CDbl: the text as a double; error 13 when it is not a number, 6 when too large.
double cDbl(const QString& text);

// CInt: nearest whole number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4);
// error 6 outside -32768..32767.
int cInt(double value);
// CLng: as CInt, for the 32-bit range.
int cLng(double value);
// Round(x): nearest whole number, halves to the even neighbour; never overflows.
double vbRound(double value);

// CStr of a double: up to 15 significant digits, no trailing zeros, "0.5" with
// its zero; exponent form ("1E+15", "1E-05") from 1E15 up and below 1E-4.
QString generalText(double value);

// Format(value, pattern) with a number pattern:
// - "0" shows a digit or 0, "#" a digit or nothing: no leading or trailing
//   zeros from "#" (0.5 with "$###,###.00" is "$.50", 0 with "###" is "");
//   integer digits beyond the placeholders are all shown ("00#": 5 -> "005",
//   1234 -> "1234");
// - "," between integer placeholders groups every three digits; "," ending the
//   integer part divides by 1000; elsewhere "," is a literal;
// - "." is the decimal point and is shown even with no decimals ("#.##": "5.");
// - "%" multiplies by 100 and shows "%"; "\c" and "text" are literals; every
//   other character is shown as it is ("$", "(", ")", "-", blanks);
// - sections "positive;negative;zero": the negative section shows the value
//   without sign; with one section a negative value gets a leading "-" before
//   everything ("-$5.00"), except when the shown value rounds to zero; an
//   empty or missing section falls back to the first;
// - rounding to the shown decimals is half away from zero, on the double's
//   15-significant-digit decimal form (1.005 with "0.00" is "1.01");
// - a text pattern ("@", "&") formats the value's generalText;
// - an empty pattern gives generalText.
// No scientific ("E+") or named ("Fixed", "Currency") patterns.
QString formatNumber(double value, const QString& pattern);
// Format of a currency value: the same rules on its exact four decimals.
QString formatNumber(const Currency& value, const QString& pattern);
// Format of text. A text pattern: "@" shows a character or a blank, "&" a
// character or nothing, filled from the right ("!": from the left; surplus
// characters stay on the unfilled side), "<" / ">" force lower / upper case,
// a second section serves empty text. A number pattern: numeric text (see
// readNumber) is formatted exactly as read ("1,234.5" with "$###,###.00" is
// "$1,234.50"); other text comes back unchanged.
QString formatText(const QString& text, const QString& pattern);

}  // namespace qv
