// Amounts, plain numbers, years and verification codes: the standard form
// each kind rewrites its text to, and the texts each refuses.
#include "EditFixture.h"

namespace edits {
namespace {

class AmountEdits : public EditTest, public ::testing::WithParamInterface<EditCase> {};

TEST_P(AmountEdits, RewriteOrReject) { expectEdit(GetParam()); }

const QString kHuge = QString(20, u'9');  // beyond the currency type

INSTANTIATE_TEST_SUITE_P(
    Money, AmountEdits,
    ::testing::Values(
        EditCase{"Whole", "MONEY", "1234", "$1,234.00"},
        EditCase{"SignAndCommas", "MONEY", "$1,000", "$1,000.00"},
        EditCase{"CentsOnly", "MONEY", ".5", "$.50"},
        EditCase{"Zero", "MONEY", "0", "$.00"},
        EditCase{"PointAtEnd", "MONEY", "12.", "$12.00"},
        EditCase{"RoundedHalfUp", "MONEY", "2.345", "$2.35"},
        EditCase{"GroupedMillions", "money", "1234567.891", "$1,234,567.89"},
        EditCase{"NoDollarSign", "SMONEY", "1234.5", "1,234.50"},
        EditCase{"SmoneyWrittenOtherwiseHasTheSign", "Smoney", "1234.5", "$1,234.50"},
        EditCase{"TwoPoints", "MONEY", "1.2.3", "1.2.3", 3},
        EditCase{"Letters", "MONEY", "12a", "12a", 3},
        EditCase{"PastedNegative", "MONEY", "-5", "-$5.00"},
        EditCase{"PastedNegativeWithoutSign", "SMONEY", "-1234.5", "-1,234.50"},
        // What an edit made, it takes again: a negative amount under a dollar.
        EditCase{"TrailingMinusAfterCents", "MONEY", ".2-", "-$.20"},
        EditCase{"NegativeUnderADollar", "MONEY", "-$.20", "-$.20"},
        EditCase{"BlankAndMinusAfterCents", "SMONEY", ".6 -", "-.60"},
        EditCase{"NegativeUnderADollarWithoutSign", "SMONEY", "-.60", "-.60"},
        EditCase{"NegativeCents", "MONEY", "5.-5", "5.-5", 3},
        EditCase{"TrailingMinus", "MONEY", "12-", "12-", 3},
        EditCase{"Parentheses", "SMONEY", "(5)", "(5)", 3},
        EditCase{"ExponentBeforePoint", "MONEY", "1E3", "1E3", 3},
        EditCase{"BlanksOnly", "MONEY", "   ", "   ", 3},
        EditCase{"BeyondCurrency", "MONEY", kHuge, kHuge, 3}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    SignedMoney, AmountEdits,
    ::testing::Values(
        EditCase{"LeadingMinus", "-MONEY", "-1234.5", "($1,234.50)"},
        EditCase{"Parentheses", "-MONEY", "(1234.5)", "($1,234.50)"},
        EditCase{"Positive", "-MONEY", "$1,234.5", "$1,234.50"},
        EditCase{"TrailingMinusIsNoSign", "-MONEY", "12-", "$12.00"},
        EditCase{"BlankBeforeMinus", "-MONEY", " -5", "($5.00)"},
        EditCase{"MinusAfterDollar", "-MONEY", "$-1,000", "($1,000.00)"},
        EditCase{"ZeroHasNoSign", "-MONEY", "-0", "$.00"},
        EditCase{"Letters", "-MONEY", "-12x", "-12x", 4},
        EditCase{"TwoPoints", "-MONEY", "(1.2.3)", "(1.2.3)", 4}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    AmountOrUnknown, AmountEdits,
    ::testing::Values(
        EditCase{"U", "AMONEY", "U", "UNKNOWN"},
        EditCase{"UNK", "AMONEY", "UNK", "UNKNOWN"},
        EditCase{"LowerCase", "AMONEY", "unk", "UNKNOWN"},
        EditCase{"OtherWordStays", "AMONEY", "NONE", "NONE"},
        EditCase{"Number", "AMONEY", "1,234.5", "$1,234.50"},
        EditCase{"NegativeNumber", "AMONEY", "-5", "-$5.00"}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    Year, AmountEdits,
    ::testing::Values(
        EditCase{"TwoDigitsGetTheCentury", "YEAR", "24", "2024"},
        EditCase{"FourDigits", "YEAR", "2019", "2019"},
        EditCase{"OtherCentury", "YEAR", "1999", "1999", 9},
        EditCase{"ThreeDigitsStay", "YEAR", "123", "123"},
        EditCase{"OneDigitStays", "YEAR", "7", "7"},
        EditCase{"FiveDigitsStay", "YEAR", "20245", "20245"},
        EditCase{"Sign", "YEAR", "+5", "+5", 9},
        EditCase{"NoParticularYear", "YEAR", "20XX", "20XX", 9}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    Whole, AmountEdits,
    ::testing::Values(
        EditCase{"Rounded", "#", "1234.6", "1,235"},
        EditCase{"Parentheses", "#", "(1234)", "(1,234)"},
        EditCase{"Minus", "#", "-1234", "(1,234)"},
        EditCase{"TrailingMinus", "#", "5-", "(5)"},
        EditCase{"ZeroLeavesItEmpty", "#", "0", ""},
        EditCase{"NegativeRoundingToZero", "#", "-0.4", ""},
        EditCase{"Letters", "#", "abc", "abc", 5},
        EditCase{"TwoSigns", "#", "--5", "--5", 5}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    Decimal, AmountEdits,
    ::testing::Values(
        EditCase{"Stays", "%", "12.5", "12.5"},
        EditCase{"Grouped", "%", "1234.567", "1,234.567"},
        EditCase{"NoLeadingZero", "%", "0.5", ".5"},
        EditCase{"Minus", "%", "-12.5", "(12.5)"},
        EditCase{"Parentheses", "#.#", "(1234.5)", "(1,234.5)"},
        EditCase{"WholeOnly", "#.#", "1234", "1,234"},
        EditCase{"TwoPoints", "%", "1.2.3", "1.2.3", 5},
        EditCase{"Letters", "%", "abc", "abc", 5},
        EditCase{"LetterDecimals", "%", "1.5x", "1.5x", 5},
        EditCase{"PointOnly", "#.#", ".", ".", 5}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    Verification, AmountEdits,
    ::testing::Values(
        EditCase{"GroupedWithCaseKept", "VERIFICATION", "abcd1234EFGH5678", "abcd-1234-EFGH-5678"},
        EditCase{"AlreadyGrouped", "VERIFICATION", "abcd-1234-EFGH-5678", "abcd-1234-EFGH-5678"},
        EditCase{"DashesElsewhere", "VERIFICATION", "abc-d1234-EFGH-5678", "abc-d1234-EFGH-5678", 9},
        EditCase{"FifteenCharacters", "VERIFICATION", "abcd1234EFGH567", "abcd1234EFGH567", 9},
        EditCase{"SixteenWithADash", "VERIFICATION", "abcd-234EFGH5678", "abcd-234EFGH5678", 9}),
    caseName);

}  // namespace
}  // namespace edits
