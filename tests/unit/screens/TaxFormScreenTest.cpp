// The common pattern of the tax form screens, driven as a user would.
#include "TaxFormTest.h"

namespace {

using qv::keys::CtrlMask;
using qv::keys::Return;
using qv::keys::Tab;
using qvtest::kLegend;
using qvtest::TaxFormTest;

TEST_F(TaxFormTest, LoadStartsTheScreenAndLaysOutItsBorder) {
  formsInf("[1099INT]\r\nFormName=TF_1099INT\r\n");
  const struct {
    const char* name;
    const char* caption;
    int borderHeight;  // the contents end with field 2 at 1000 + 285
  } cases[] = {{"TF_1099INT", "1099-INT (Interest Income)", 1285},
               {"TF_1099G", "", 1285},
               {"TF_1095B", "Form 1095-B (Health Coverage)", 300},
               {"TF_SSA1099", "SSA 1099 (Social Security Benefit Statement)", 300}};
  for (const auto& c : cases) {
    auto& s = open(c.name, 3, {{0, "MONEY"}});
    EXPECT_EQ(qv::state().CurrentForm, &s) << c.name;
    EXPECT_EQ(qv::state().FormInfo[11], QString::fromLatin1(c.name).mid(3)) << c.name;
    EXPECT_EQ(s.caption(), c.caption) << c.name;
    EXPECT_EQ(s.ctl("myBorder").height(), c.borderHeight) << c.name;
    EXPECT_EQ(field(0).alignment(), qv::Align::Right) << c.name;
    EXPECT_TRUE(s.isChild()) << c.name;
  }
  EXPECT_EQ(qv::state().FormInfo[10], "");  // the last screen has no entry
  EXPECT_TRUE(reports().empty());
}

TEST_F(TaxFormTest, BrokerStatementMarksItsUnsupportedBoxes) {
  open("TF_1099B", 26, {{21, "OUT OF SCOPE"}, {22, "OUT OF SCOPE"}, {23, "OUT OF SCOPE"}, {24, "OUT OF SCOPE"}});
  for (int i : {21, 22, 23, 24}) {
    EXPECT_EQ(field(i).text(), "OUT OF SCOPE") << i;
    EXPECT_EQ(field(i).alignment(), qv::Align::Center) << i;
    EXPECT_EQ(field(i).backColor(), 0xDCDCDCu) << i;
  }
  EXPECT_EQ(field(20).text(), "");
}

TEST_F(TaxFormTest, LoadReportsAMissingBorder) {
  const QString file = hostPath(QStringLiteral("bare.json"));
  QFile out(file);
  ASSERT_TRUE(out.open(QIODevice::WriteOnly));
  out.write(qvtest::layoutOf({}));
  out.close();
  qvtest::TestTaxForm s(*qv::taxFormTraits(QStringLiteral("TF_W2")), file);
  s.load();
  EXPECT_TRUE(reported("TF_W2:Form_Load"));
}

TEST_F(TaxFormTest, CheckLabelsToggleAloneInPairsOrAsOneOfAGroup) {
  const struct {
    const char* screen;
    std::vector<int> before;
    int click;
    std::vector<int> after;
  } cases[] = {
      {"TF_1099K", {4}, 3, {3}},          {"TF_1099K", {3}, 3, {}},          {"TF_1099K", {3}, 4, {4}},
      {"TF_1099K", {5, 0}, 6, {0, 6}},    {"TF_1099K", {3}, 0, {0, 3}},      {"TF_1099LTC", {2, 4}, 1, {1, 4}},
      {"TF_1099LTC", {5}, 4, {4}},        {"TF_1099LTC", {1}, 3, {1, 3}},    {"TF_1099B", {12}, 11, {11}},
      {"TF_1099B", {2, 7}, 8, {2, 7, 8}}, {"TF_1099Q", {1}, 2, {2}},         {"TF_1099Q", {2}, 2, {}},
      {"TF_1099Q", {1, 4}, 3, {3, 4}},    {"TF_1099Q", {1, 4}, 4, {1}},      {"TF_1099SA", {2}, 4, {4}},
      {"TF_1099SA", {3, 1}, 3, {1}},      {"TF_1099SA", {}, 1, {1}},         {"TF_1099INT", {0}, 1, {0, 1}},
  };
  for (const auto& c : cases) {
    auto& s = open(c.screen, 1, {}, 13);
    for (int i : c.before) s.check(i).setCaption(QStringLiteral("X"));
    s.click(s.check(c.click));
    std::vector<int> ticked;
    for (int i = 0; i < 13; ++i)
      if (s.check(i).caption() == u"X") ticked.push_back(i);
      else EXPECT_EQ(s.check(i).caption(), "") << c.screen << " check " << i;
    std::vector<int> expected = c.after;
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(ticked, expected) << c.screen << " click " << c.click;
  }
}

TEST_F(TaxFormTest, StatementYearOfTheGovernmentPaymentsForm) {
  const struct {
    const char* typed;
    const char* text;
    bool keepsFocus;
  } cases[] = {{"24", "2024", false}, {"2024", "2024", false}, {"", "", false},
               {"202", "202", true},  {"2", "2", true},        {"20245", "20245", true}};
  for (const auto& c : cases) {
    open("TF_1099G", 7, {{5, "TaxYear1099G"}});
    field(5).SetFocus();
    field(5).setText(QString::fromLatin1(c.typed));
    screen_->pressKey(Tab);
    EXPECT_EQ(field(5).text(), c.text) << c.typed;
    EXPECT_EQ(focused(), c.keepsFocus ? &field(5) : &field(6)) << c.typed;
    EXPECT_EQ(field(5).backColor(), c.keepsFocus ? kLegend[9] : qv::colors::White) << c.typed;
  }
}

TEST_F(TaxFormTest, EnterActsAsTabOnTheHealthCoverageForms) {
  const struct {
    const char* screen;
    bool moves;
  } cases[] = {{"TF_1095A", true}, {"TF_1095B", true}, {"TF_1095C", true}, {"TF_1099INT", false}};
  for (const auto& c : cases) {
    open(c.screen, 3, {{0, "TPNAME"}});
    field(0).SetFocus();
    screen_->typeText(QStringLiteral("ab"));
    screen_->pressKey(Return);
    EXPECT_EQ(focused(), c.moves ? &field(1) : &field(0)) << c.screen;
    EXPECT_EQ(field(0).text(), "AB") << c.screen;
  }
}

TEST_F(TaxFormTest, FieldsFollowTheEngineContract) {
  auto& s = open("TF_1099INT", 3, {{0, "MONEY"}, {1, "TIN"}});
  field(0).SetFocus();
  EXPECT_EQ(field(0).backColor(), kLegend[3]);
  EXPECT_EQ(s.ctl("labelMisc").caption(), "Money: Dollar sign/commas optional");
  EXPECT_EQ(qv::state().CurrentField, "Text1:0");

  // Letters are kept out of an amount; the clipboard keys pass, and what they
  // paste is still edited when the field is left.
  s.typeText(QStringLiteral("1a"));
  EXPECT_EQ(field(0).text(), "1");
  host_.clipboard = QStringLiteral("x9");
  s.pressKey('V', CtrlMask);
  EXPECT_EQ(field(0).text(), "1x9");
  s.pressKey(Tab);
  EXPECT_EQ(focused(), &field(0));

  field(0).setText(QStringLiteral("19"));
  s.pressKey(Tab);
  EXPECT_EQ(focused(), &field(1));
  EXPECT_EQ(field(0).backColor(), qv::colors::White);
  EXPECT_EQ(field(0).foreColor(), qv::colors::Black);
  EXPECT_EQ(field(1).backColor(), kLegend[1]);
  EXPECT_EQ(qv::state().CurrentField, "Text1:1");
}

}  // namespace
