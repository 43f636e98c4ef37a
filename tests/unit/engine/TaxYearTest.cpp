// The tax-year cycle, the re-edit of the date fields and which screens show a year.
#include "EngineTest.h"
#include "engine/FormInit.h"
#include "engine/TaxYear.h"
#include "frame/Ini.h"

namespace {

using qvtest::EngineTest;
using qvtest::fieldLine;
using qvtest::JsonScreen;
using qvtest::layoutOf;

QStringList yearLabels(int pairs = 1) {
  QStringList out;
  for (int i = 0; i < pairs * 2; i += 2)
    out << QStringLiteral(R"({"type": "Label", "name": "TaxYear", "index": %1, "caption": "20"})").arg(i)
        << QStringLiteral(R"({"type": "Label", "name": "TaxYear", "index": %1, "caption": "??"})").arg(i + 1);
  return out;
}

class Year : public EngineTest {
 protected:
  JsonScreen& open(const QString& name, QStringList controls) {
    screen_ = std::make_unique<JsonScreen>(name, layoutOf(controls));
    screen_->load();
    qv::state().CurrentForm = screen_.get();
    return *screen_;
  }
  QString savedYear() const {
    return qv::ReadINF(QStringLiteral("TESTER"), QStringLiteral("LastTaxYear"), QStringLiteral("<none>"),
                       QStringLiteral("C:\\Inf\\User.inf"));
  }
  std::unique_ptr<JsonScreen> screen_;
};

TEST_F(Year, ChangeCyclesThroughTheFourChoices) {
  formsInf("[1099INT]\r\nRTL1=Form yyyy\r\n");
  const struct {
    int from, to;
    const char* year;
    const char* label;
    const char* caption;
  } cases[] = {{0, 1, "2024", "24", "Form 2024 "}, {1, 2, "2025", "25", "Form 2025 "},
               {2, 3, "20XX", "XX", "Form 20XX "}, {3, 0, "2023", "23", "Form 2023 "},
               {7, 0, "2023", "23", "Form 2023 "}, {-1, 0, "2023", "23", "Form 2023 "}};
  for (const auto& c : cases) {
    QStringList controls = yearLabels();
    controls << R"({"type": "Label", "name": "RTL1"})";
    JsonScreen& s = open("TF_1099INT", controls);
    qv::state().YearChoiceIndex = c.from;
    qv::Year_Change(s);
    EXPECT_EQ(qv::state().YearChoiceIndex, c.to) << c.from;
    EXPECT_EQ(savedYear(), c.year) << c.from;
    EXPECT_EQ(s("TaxYear", 0).caption(), "20") << c.from;
    EXPECT_EQ(s("TaxYear", 1).caption(), c.label) << c.from;
    EXPECT_EQ(s("RTL1").caption(), c.caption) << c.from;
  }
  EXPECT_TRUE(reports().empty());
}

TEST_F(Year, ChangeSetsTheYearLabelsOfScreensThatShowAYear) {
  const struct {
    const char* screen;
    int pairs;
    const char* second;  // TaxYear(1)
    const char* fourth;  // TaxYear(3)
  } cases[] = {
      {"TF_RRB1099", 2, "25", "25"}, {"tf_rrb1099", 2, "25", "25"}, {"TF_1099INT", 2, "25", "??"},
      {"F5_TPInfo", 1, "25", nullptr}, {"F3_DL", 1, "??", nullptr}, {"F2_SS_ITIN", 1, "??", nullptr},
      {"F4_CHK", 1, "??", nullptr},
  };
  for (const auto& c : cases) {
    JsonScreen& s = open(c.screen, yearLabels(c.pairs));
    qv::Year_Change(s);
    EXPECT_EQ(s("TaxYear", 1).caption(), c.second) << c.screen;
    if (c.fourth) {
      EXPECT_EQ(s("TaxYear", 3).caption(), c.fourth) << c.screen;
    }
    qv::state().YearChoiceIndex = 1;
  }
}

TEST_F(Year, ChangeTellsOnlyTheScreensThatDependOnTheYear) {
  const struct {
    const char* screen;
    int told;
  } cases[] = {{"F1_Configure", 1}, {"TF_W2", 1}, {"tf_ssa1099", 1}, {"TF_W2G", 0}, {"TF_RRB1099", 0},
               {"TF_1099INT", 0}};
  for (const auto& c : cases) {
    JsonScreen& s = open(c.screen, yearLabels(2));
    qv::Year_Change(s);
    EXPECT_EQ(s.yearChanges, c.told) << c.screen;
  }
}

TEST_F(Year, ChangeReportsAMissingYearLabelAndKeepsTheNewChoice) {
  JsonScreen& s = open("TF_1099INT", {});
  qv::Year_Change(s);
  EXPECT_TRUE(reported("M3_Quorvane:Year_Change"));
  EXPECT_EQ(qv::state().YearChoiceIndex, 2);
  EXPECT_EQ(savedYear(), "2025");
}

TEST_F(Year, CheckReEditsTheDatesUntilTheFirstFailure) {
  QStringList controls = yearLabels();
  controls << fieldLine(0, "DATE", R"("text": "1/5/2023")") << fieldLine(1, "Date", R"("text": "1/6/2023")")
           << fieldLine(2, "DATEX", R"("text": "3/15/2023")") << fieldLine(3, "MONEY", R"("text": "1/7/2023")")
           << fieldLine(4, "DATE", R"("text": "2/30/2024")") << fieldLine(5, "DATE", R"("text": "3/6/2024")");
  JsonScreen& s = open("TF_1099B", controls);
  s("TaxYear", 1).setCaption(QStringLiteral("24"));
  qv::Year_Check();
  EXPECT_EQ(s("Text1", 0).text(), "01/05/2023");  // any year
  EXPECT_EQ(s("Text1", 1).text(), "1/6/2023");    // the K-1 spelling is no date kind here
  EXPECT_EQ(s("Text1", 2).text(), "03/15/2024");  // in the screen's year
  EXPECT_EQ(s("Text1", 3).text(), "1/7/2023");
  EXPECT_EQ(s("Text1", 4).text(), "02/30/2024");  // fails, normalised as far as it got
  EXPECT_EQ(s("Text1", 5).text(), "3/6/2024");    // not reached
}

TEST_F(Year, OnlyIdentityScreensHaveNoTaxYear) {
  const struct {
    const char* screen;
    bool hasYear;
  } cases[] = {{"F3_DL", false},        {"f3_dl", false},         {"F2_SS_ITIN", false}, {"F4_CHK", false},
               {"TF_W2", true},         {"F5_TPInfo", true},      {"F1_Configure", true}, {"TF_DLX", true},
               {"XX_CHKS", true}};
  for (const auto& c : cases) {
    JsonScreen& s = open(c.screen, {});
    (void)s;
    EXPECT_EQ(qv::Form_HasTaxYear(), c.hasYear) << c.screen;
  }
}

}  // namespace
