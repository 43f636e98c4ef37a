// The age at the end of the chosen tax year.
#include "FrameTest.h"
#include "controls/Screen.h"
#include "frame/Common.h"

namespace {

class StatusScreen : public qv::Screen {
 public:
  StatusScreen() : Screen("Person") {}

 protected:
  void buildControls() override {
    add(std::make_unique<qv::Control>(qv::ControlType::Label, QStringLiteral("labelMisc")));
  }
};

struct AgeCase {
  int yearChoice;  // of 2022, 2023, 2024, 20XX
  QDate birth;
  const char* age;
  bool warns;
};

class AgeAtYearEnd : public FrameTest, public ::testing::WithParamInterface<AgeCase> {};

TEST_P(AgeAtYearEnd, IsTheDifferenceOfTheYears) {
  const AgeCase& a = GetParam();
  qv::state().YearChoices = {"2022", "2023", "2024", "20XX"};
  qv::state().YearChoiceIndex = a.yearChoice;
  StatusScreen form;
  form.load();
  EXPECT_EQ(qv::Age_At_Year_End(form, a.birth), a.age);
  const qv::Control& status = form.ctl("labelMisc");
  EXPECT_EQ(status.caption(), a.warns ? "One or more date(s) are invalid" : "");
  if (a.warns) {
    EXPECT_EQ(status.foreColor(), qv::colors::Red);
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, AgeAtYearEnd,
                         ::testing::Values(AgeCase{2, QDate(1990, 12, 31), "34", false},
                                           AgeCase{0, QDate(1990, 1, 1), "32", false},
                                           AgeCase{2, QDate(2025, 1, 1), "-1", true},
                                           AgeCase{3, QDate(1990, 12, 31), "N/A", false}),
                         [](const auto& info) {
                           return "Choice" + std::to_string(info.param.yearChoice) + "Born" +
                                  info.param.birth.toString("yyyyMMdd").toStdString();
                         });

}  // namespace
