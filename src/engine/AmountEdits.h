#pragma once
// The field edits of amounts, plain numbers, years and verification codes.
// Each checks the field's text and rewrites it in its kind's standard form,
// or shows the failure display of its legend and returns False.

namespace qv {

class Control;

// MONEY, SMONEY: "$###,###.00" ("###,###.00" for the tag "SMONEY"); a
// positive amount only.
bool EditCtl_Money(Control& field);
// -MONEY: "$###,###.00", in parentheses when the text starts with "-" or "(".
bool EditCtl_Money_NegativeOK(Control& field);
// AMONEY: a number is money; "U" or "UNK" becomes "UNKNOWN"; other text stays.
bool EditCtl_AMoney(Control& field);
// YEAR: two digits get the current century; four must be in it.
bool EdtiCtl_Year(Control& field);
// "#": whole numbers "###,###,###", negative ones in parentheses.
bool EditCtl_Numeric(Control& field);
// "%", "#.#": the whole part grouped, the decimals as typed.
bool EditCtl_NumericDecimalOK(Control& field);
// VERIFICATION: 16 characters, shown "@@@@-@@@@-@@@@-@@@@".
bool EditCtl_VerificationCode(Control& field);

}  // namespace qv
