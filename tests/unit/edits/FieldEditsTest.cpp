// The dispatch by kind, the telephone and name-and-address edits, the kinds
// that are only upper-cased, and what every edit guarantees: the text as a
// form file holds it (no "·", Windows-1252), the status line, the colours and
// the focus.
#include "EditFixture.h"

#include "frame/ErrorReport.h"

namespace edits {
namespace {

class KindEdits : public EditTest, public ::testing::WithParamInterface<EditCase> {};

TEST_P(KindEdits, RewriteOrReject) { expectEdit(GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    Phone, KindEdits,
    ::testing::Values(
        EditCase{"SevenDigitsGetArea999", "PHONE", "5551234", "(999) 555-1234"},
        EditCase{"TenDigits", "PHONE", "505-555-1234", "(505) 555-1234"},
        EditCase{"AlreadyFormatted", "PHONE", "(505) 555-1234", "(505) 555-1234"},
        EditCase{"OtherLengthIsOnlyStripped", "PHONE", "(555) 12", "55512"}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    NameLines, KindEdits,
    ::testing::Values(
        EditCase{"LeadingLineBreaksGo", "TPNAME", "\r\n\r\nJohn A. Smith Jr.\r\n12 Main St.",
                 "JOHN A. SMITH JR\r\n12 MAIN ST."},
        EditCase{"BlanksInTheName", "TPNAME", "  mary  jones \r\nanytown", "MARY JONES\r\nANYTOWN"},
        EditCase{"NameInsideSuffixLettersKept", "TPNAME", "ANN JRUE DOE JR", "ANN JRUE DOE JR"},
        EditCase{"OneLine", "tpname", "cher", "CHER"},
        EditCase{"LineWithoutANameGoes", "TPNAME", "\r\n  . \r\nann lee\r\n", "ANN LEE\r\n"}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    UpperCased, KindEdits,
    ::testing::Values(
        EditCase{"Issuer", "ISSUER", "acme bank", "ACME BANK"},
        EditCase{"NoTag", "", "abc", "ABC"},
        EditCase{"CodeCell", "K1HELP\u00B7K1-1065-Box11", "a1", "A1"},
        EditCase{"Computed", "COMPUTED", "x", "X"},
        EditCase{"TaxYearKind", "TaxYear1099G", "xx", "XX"}),
    caseName);

// The form file has no escape for "·" or "»", and stores what Windows-1252 lacks as "?".
INSTANTIATE_TEST_SUITE_P(
    StoredText, KindEdits,
    ::testing::Values(
        EditCase{"SeparatorInAnAmount", "MONEY", "12\u00B734", "$1,234.00"},
        EditCase{"SeparatorInADate", "DATE", "1/5/2024\u00B7", "01/05/2024"},
        EditCase{"SeparatorInTextKeptAsIs", "AMONEY", "NO\u00B7NE", "NONE"},
        EditCase{"OnlySeparators", "MONEY", "\u00B7\u00B7", ""},
        EditCase{"SeparatorInARejectedText", "MONEY", "1\u00B72a", "12a", 3},
        EditCase{"SeparatorInAName", "TPNAME", "JOHN\u00B7SMITH", "JOHNSMITH"},
        EditCase{"LineBreakMarkInText", "", "RTN\u00BB5", "RTN5"},
        EditCase{"LineBreakMarkInAnAmount", "MONEY", "\u00BB12", "$12.00"},
        EditCase{"OutsideTheCodePage", "ISSUER", "\u0100cme \u2603 \u20AC", "?CME ? \u20AC"},
        EditCase{"PairAndLoneSurrogates", "ISSUER", QString::fromUtf16(u"a\U0001F600b\xD800"), "A?B?"},
        EditCase{"RejectedTextShowsAsStored", "MONEY", "\u0100", "?", 3},
        EditCase{"PairIsStoredAsOneCharacter", "VERIFICATION", QString::fromUtf16(u"abcd1234EFGH567\U0001F600"),
                 "abcd-1234-EFGH-567?"}),
    caseName);

TEST_F(EditTest, EmptyFieldPassesEveryKindAndTurnsWhite) {
  for (const char* tag : {"MONEY", "DATE", "DATEX", "TIN", "EIN", "YEAR", "%", "#", "VERIFICATION", "TPNAME"}) {
    EXPECT_TRUE(edit(tag, "")) << tag;
    EXPECT_EQ(field().backColor(), qv::colors::White) << tag;
    EXPECT_EQ(field().foreColor(), qv::colors::Black) << tag;
  }
}

TEST_F(EditTest, NameOfLineBreaksOnlyFailsWithoutAMessage) {
  for (const QString text : {"\r\n\r\n", "\r\n .\r\n"}) {
    status()->setCaption("help text");
    EXPECT_FALSE(edit("TPNAME", text));
    EXPECT_EQ(field().text(), "");
    EXPECT_EQ(statusText(), "");
    EXPECT_EQ(field().foreColor(), qv::colors::Red);
    EXPECT_EQ(field().backColor(), kLegend[9]);  // no legend colour of its own
  }
}

TEST_F(EditTest, StatusLineIsClearedByTheNextEdit) {
  ASSERT_FALSE(edit("MONEY", "abc"));
  EXPECT_EQ(statusText(), "Value Entered: [abc] is INVALID");
  EXPECT_TRUE(edit("MONEY", "5"));
  EXPECT_EQ(statusText(), "");
}

TEST_F(EditTest, ScreenWithoutStatusLineStillShowsTheField) {
  useScreen(std::make_unique<EditScreen>(QStringLiteral("TF_EditTest"), "20", "24", false));
  EXPECT_FALSE(edit("TIN", "666"));
  EXPECT_EQ(field().backColor(), kLegend[1]);
  EXPECT_EQ(field().foreColor(), qv::colors::Red);
}

TEST_F(EditTest, RejectionsNeverTakeTheDebugHalt) {
  qv::state().DebugMode = true;
  EXPECT_FALSE(edit("MONEY", "abc"));
  EXPECT_FALSE(edit("EIN", "00123"));
  EXPECT_FALSE(edit("DATE", "2/30/2024"));
}

TEST_F(EditTest, UnexpectedErrorIsReportedAndKeepsTheField) {
  // A date in the tax year on a screen that shows none: its year labels are missing.
  useScreen(std::make_unique<EditScreen>(QStringLiteral("F5_DL"), "", ""));
  EXPECT_FALSE(edit("DATEX", "1/5/2024"));
  EXPECT_EQ(field().foreColor(), qv::colors::Red);
  ASSERT_EQ(host.modals().size(), 1u);
  EXPECT_EQ(host.modals()[0].screen, "F8_ErrLog");
  EXPECT_EQ(qv::errorReportScreen().F8_Module, "M7_Edits:EditCtl");
}

TEST_F(EditTest, RejectedFieldTakesTheFocusBack) {
  screen->setFocus(field(1));
  field(3).setTag("MONEY");
  field(3).setText("abc");
  EXPECT_FALSE(qv::EditCtl(field(3)));
  EXPECT_EQ(screen->activeControl(), &field(3));
}

TEST_F(EditTest, TabStaysInARejectedFieldUntilItIsRight) {
  Control& f = field();
  f.setTag("MONEY");
  screen->setFocus(f);
  f.setText("12a");
  EXPECT_FALSE(screen->tabFocus(false));
  EXPECT_EQ(screen->activeControl(), &f);
  f.setText("12");
  EXPECT_TRUE(screen->tabFocus(false));
  EXPECT_EQ(screen->activeControl(), &field(1));
  EXPECT_EQ(f.text(), "$12.00");
}

}  // namespace
}  // namespace edits
