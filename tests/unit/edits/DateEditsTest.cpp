// Dates: MM/DD/YYYY, a missing year taken from the tax year, the dates of no
// particular year (20XX), and dates moved into the tax year with a notice.
#include "EditFixture.h"

namespace edits {
namespace {

class DateEdits : public EditTest, public ::testing::WithParamInterface<EditCase> {};

TEST_P(DateEdits, RewriteOrReject) {
  expectEdit(GetParam());
  EXPECT_TRUE(host.modals().empty());
}

// The screen shows tax year 2024; the calendar says 2025.
INSTANTIATE_TEST_SUITE_P(
    TaxYear2024, DateEdits,
    ::testing::Values(
        EditCase{"LeadingZeros", "DATE", "1/5/2024", "01/05/2024"},
        EditCase{"OtherYearOnADateField", "DATE", "12/31/2023", "12/31/2023"},
        EditCase{"MonthAndDayTakeTheTaxYear", "DATE", "1/5", "01/05/2024"},
        EditCase{"KOneTag", "Date", "7/4/2024", "07/04/2024"},
        EditCase{"InTaxYear", "DATEX", "3/15", "03/15/2024"},
        EditCase{"DayMonthOrder", "DATE", "13/01/2024", "13/01/2024", 6},
        EditCase{"NoSuchDay", "DATE", "2/30/2024", "02/30/2024", 6},
        EditCase{"TwoDigitYear", "DATE", "1/5/24", "1/5/24", 6},
        EditCase{"FourParts", "DATE", "1/5/20/24", "1/5/20/24", 6},
        EditCase{"Dashes", "DATE", "01-05-2024", "01-05-2024", 6},
        EditCase{"LowerCaseXX", "DATE", "07/04/20xx", "07/04/20xx", 6}),
    caseName);

class NoParticularYear : public DateEdits {
 protected:
  void SetUp() override {
    DateEdits::SetUp();
    useScreen(std::make_unique<EditScreen>(QStringLiteral("TF_EditTest"), "20", "XX"));
  }
};

TEST_P(NoParticularYear, RewriteOrReject) {
  expectEdit(GetParam());
  EXPECT_TRUE(host.modals().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Year20XX, NoParticularYear,
    ::testing::Values(
        EditCase{"Stays", "DATE", "07/04/20XX", "07/04/20XX"},
        EditCase{"LastOfFebruary", "DATE", "2/28/20XX", "02/28/20XX"},
        EditCase{"LastOfApril", "DATE", "04/30/20XX", "04/30/20XX"},
        EditCase{"LastOfYear", "DATEX", "12/31/20XX", "12/31/20XX"},
        EditCase{"MonthAndDay", "DATE", "1/5", "01/05/20XX"},
        EditCase{"LeapDay", "DATE", "02/29/20XX", "02/29/20XX", 6},
        EditCase{"ThirtyFirstOfApril", "DATE", "04/31/20XX", "04/31/20XX", 6},
        EditCase{"MonthThirteen", "DATE", "13/01/20XX", "13/01/20XX", 6},
        EditCase{"MonthZero", "DATE", "00/10/20XX", "00/10/20XX", 6},
        EditCase{"DayThirtyTwo", "DATE", "01/32/20XX", "01/32/20XX", 6},
        EditCase{"MonthNotTwoDigits", "DATE", "1.5/10/20XX", "1.5/10/20XX", 6},
        EditCase{"BlankInDay", "DATE", "01/ 5/20XX", "01/ 5/20XX", 6}),
    caseName);

TEST_F(EditTest, DateOfNoParticularYearTakesTheScreensYearWithANotice) {
  host.queueAnswer("OK");
  ASSERT_TRUE(edit("DATE", "07/04/20XX"));
  EXPECT_EQ(field().text(), "07/04/2024");
  ASSERT_EQ(host.modals().size(), 1u);
  EXPECT_EQ(host.modals()[0].title, "M7_Edits:EditCtl_Date");
  EXPECT_EQ(host.modals()[0].buttons, QStringList{"OK"});
  EXPECT_EQ(qv::state().MbxMessage,
            "Message Number: 802\r\nDate 07/04/20XX Changed to 07/04/2024\r\n --- Make sure it is correct ---");
  EXPECT_EQ(field().backColor(), qv::colors::White);
}

TEST_F(EditTest, DateInAnotherYearIsMovedIntoTheTaxYearWithANotice) {
  host.queueAnswer("OK");
  ASSERT_TRUE(edit("DATEX", "03/15/2023"));
  EXPECT_EQ(field().text(), "03/15/2024");
  ASSERT_EQ(host.modals().size(), 1u);
  EXPECT_EQ(qv::state().MbxMessage,
            "Message Number: 803\r\nDate MUST match the Tax Year shown on the form\r\n03/15/2023 Changed to "
            "03/15/2024\r\n --- Make sure it is correct ---");
  // Now in the tax year, it passes again without a word.
  EXPECT_TRUE(qv::EditCtl(field()));
  EXPECT_EQ(host.modals().size(), 1u);
}

TEST_F(EditTest, LeapDayIsNotMovedIntoAYearWithoutOne) {
  useScreen(std::make_unique<EditScreen>(QStringLiteral("TF_EditTest"), "20", "25"));
  EXPECT_FALSE(edit("DATEX", "02/29/2024"));
  EXPECT_EQ(field().text(), "02/29/2024");
  EXPECT_EQ(statusText(), "Date MUST match the Tax Year shown on the form");
  EXPECT_EQ(field().backColor(), kLegend[6]);
  EXPECT_TRUE(host.modals().empty());
}

TEST_F(EditTest, ScreenWithoutTaxYearUsesTheChosenYear) {
  qv::state().YearChoiceIndex = 0;  // 2023
  useScreen(std::make_unique<EditScreen>(QStringLiteral("F5_DL"), "", ""));
  ASSERT_TRUE(edit("DATE", "1/5"));
  EXPECT_EQ(field().text(), "01/05/2023");
  host.queueAnswer("OK");
  ASSERT_TRUE(edit("DATE", "07/04/20XX"));
  EXPECT_EQ(field().text(), "07/04/2023");
}

TEST_F(EditTest, PublicDateFormatOnlyNormalises) {
  Control& f = field();
  f.setText("7/4/2023");
  EXPECT_TRUE(qv::EditCtl_Date_Format(f));
  EXPECT_EQ(f.text(), "07/04/2023");
  f.setText("7/4");
  EXPECT_TRUE(qv::EditCtl_Date_Format(f));
  EXPECT_EQ(f.text(), "07/04/2024");
  f.setText("2/30/2024");
  EXPECT_FALSE(qv::EditCtl_Date_Format(f));
  EXPECT_EQ(f.text(), "02/30/2024");
  EXPECT_EQ(f.backColor(), qv::colors::WindowBackground);  // no failure display of its own
}

}  // namespace
}  // namespace edits
