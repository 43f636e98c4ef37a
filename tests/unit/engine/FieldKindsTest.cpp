// Field appearance by kind: the set-up at screen start and the colour and
// selection on focus, each reading the tag its own way.
#include "EngineTest.h"
#include "engine/FieldKinds.h"

namespace {

using qv::Align;
using qvtest::EngineTest;
using qvtest::fieldLine;
using qvtest::JsonScreen;
using qvtest::kLegend;
using qvtest::layoutOf;

const char* const kDesignHelp = "design help";
const char* const kMoney = "Money: Dollar sign/commas optional";
const char* const kMoneyF12 = "Money: Dollar sign/commas optional, Press F12 to copy this amount to fields below this one";
const char* const kDate = "Date: Formats allowed M/D/YYYY, MM/D/YYYY, M/DD/YYYY, MM/DD/YYYY, MM/DD - will default to Tax Year";

class Kinds : public EngineTest {
 protected:
  // One field on a screen of that name, designed right-aligned, not bold,
  // with a help text, length limit 50 and a design back colour.
  qv::Control& field(const QString& tag, const QString& screenName = QStringLiteral("TF_1099INT"), int index = 3,
                     const QString& formName = {}) {
    screen_ = std::make_unique<JsonScreen>(
        screenName, layoutOf({QStringLiteral(R"({"type": "TextBox", "name": "Text1", "index": %1, "tag": "%2",
          "text": "abc", "alignment": "right", "toolTip": "design help", "maxLength": 50, "backColor": "&H123456"})")
                                  .arg(index)
                                  .arg(tag)}));
    screen_->load();
    qv::ProgramState& s = qv::state();
    s.CurrentForm = screen_.get();
    s.FormInfo[10] = formName.isEmpty() ? screenName : formName;
    s.FormInfo[11] = screenName.mid(3).toUpper();
    return (*screen_)("Text1", index);
  }
  std::unique_ptr<JsonScreen> screen_;
};

TEST_F(Kinds, SetUpByTheWholeWord) {
  const struct {
    const char* tag;
    Align align;
    const char* help;  // nullptr: the design's
    int maxLength;
  } cases[] = {
      {"MONEY", Align::Right, kMoney, 50},
      {"SMONEY", Align::Right, kMoney, 50},
      {"-money", Align::Right, kMoney, 50},
      {"AMONEY", Align::Right, "U or UNK for UNKNOWN, Dollar sign/comma optional", 50},
      {"TIN", Align::Center, "SSN/TIN: Enter 3 or more numbers - First Number 9 = ITIN, else Social Security #", 50},
      {"EIN", Align::Center,
       "EIN/TIN: Enter 3 or more numbers beginning with 9 (e.g. 914 = 91-4XXXXXX, 91-55 = 91-55XXXXX, 914234567 = "
       "91-4234567)",
       50},
      {"DATE", Align::Center, kDate, 10},
      {"Date", Align::Center, kDate, 10},
      {"DATEX", Align::Center,
       "Date in Tax Year: Formats allowed M/D/YYYY, MM/D/YYYY, M/DD/YYYY, MM/DD/YYYY, MM/DD will default to TAX YEAR",
       10},
      {"YEAR", Align::Center, "Year: Enter Year ONLY (YYYY)", 4},
      {"TAXYEAR", Align::Center, "TaxYear: Enter YYYY - If blank, Defaults to current Tax Year", 4},
      {"TaxYear1099G", Align::Center, "TaxYear: Leave blank if current tax year, else enter YY or YYYY", 4},
      {"%", Align::Right, nullptr, 50},
      {"#", Align::Right, nullptr, 50},
      {"#.#", Align::Right, nullptr, 50},
      {"SSMC", Align::Right, nullptr, 50},
      {"1095C-14", Align::Center, nullptr, 50},
      {"1095C-16", Align::Center, nullptr, 50},
      {"1095C-17", Align::Left, nullptr, 50},
      {"VERIFICATION", Align::Left, nullptr, 50},
      {"TPNAME", Align::Left, nullptr, 50},
      {"", Align::Left, nullptr, 50},
      {"K1HELP·K1-1065-Box13", Align::Center, nullptr, 50},
      {"K1", Align::Center, nullptr, 50},
      {"k1 anything", Align::Center, nullptr, 50},
  };
  for (const auto& c : cases) {
    qv::Control& f = field(QString::fromUtf8(c.tag));
    qv::Control_SetupAlignment(f);
    EXPECT_EQ(f.alignment(), c.align) << c.tag;
    EXPECT_EQ(f.toolTip(), c.help ? c.help : kDesignHelp) << c.tag;
    EXPECT_EQ(f.maxLength(), c.maxLength) << c.tag;
    EXPECT_EQ(f.backColor(), 0x123456u) << c.tag;
    EXPECT_FALSE(f.font().bold) << c.tag;
  }
}

TEST_F(Kinds, SetUpColoursAndBoldOfTheirOwn) {
  qv::Control& computed = field("COMPUTED");
  qv::Control_SetupAlignment(computed);
  EXPECT_EQ(computed.alignment(), Align::Right);  // as designed
  EXPECT_EQ(computed.backColor(), kLegend[7]);

  qv::Control& outOfScope = field("OUT OF SCOPE");
  qv::Control_SetupAlignment(outOfScope);
  EXPECT_EQ(outOfScope.alignment(), Align::Center);
  EXPECT_EQ(outOfScope.backColor(), 0xE0E0E0u);

  qv::Control& check = field("CheckBox");
  qv::Control_SetupAlignment(check);
  EXPECT_EQ(check.alignment(), Align::Center);
  EXPECT_TRUE(check.font().bold);
}

TEST_F(Kinds, CardScreenCentresOnlyThePlainKinds) {
  const struct {
    const char* tag;
    Align align;
  } cases[] = {{"", Align::Center}, {"TPNAME", Align::Center}, {"MONEY", Align::Right}, {"TIN", Align::Center}};
  for (const auto& c : cases) {
    qv::Control& f = field(c.tag, "F2_SS_ITIN");
    qv::Control_SetupAlignment(f);
    EXPECT_EQ(f.alignment(), c.align) << c.tag;
  }
}

TEST_F(Kinds, MarketplaceStatementHelpsWithFillDownByIndex) {
  const struct {
    const char* formName;
    int index;
    const char* help;
  } cases[] = {{"TF_1095A", 37, kDesignHelp}, {"TF_1095A", 38, kMoneyF12}, {"tf_1095a", 76, kMoneyF12},
               {"TF_1095A", 77, kDesignHelp}, {"TF_1095B", 40, kMoney}};
  for (const auto& c : cases) {
    qv::Control& f = field("MONEY", "TF_1095A", c.index, c.formName);
    qv::Control_SetupAlignment(f);
    EXPECT_EQ(f.toolTip(), c.help) << c.formName << " " << c.index;
  }
}

TEST_F(Kinds, FocusByTheFirstPartWithCase) {
  constexpr int kUnchanged = -1;
  const struct {
    const char* tag;
    int legend;  // kUnchanged: the design colour stays
    int maxLength;
    bool selected;
  } cases[] = {
      {"MONEY", 3, 50, true},         {"SMONEY", 3, 50, true},      {"AMONEY", 3, 50, true},
      {"-MONEY", 4, 50, true},        {"#", 5, 50, true},           {"%", 5, 50, true},
      {"#.#", 5, 50, true},           {"TIN", 1, 50, true},         {"EIN", 2, 50, true},
      {"DATE", 6, 10, true},          {"DATEX", 6, 10, true},       {"Date", 9, 50, true},
      {"YEAR", kUnchanged, 4, true},  {"COMPUTED", 7, 50, true},    {"K1HELP·K1-1065-Box13", 8, 50, true},
      {"K1", 9, 50, true},            {"OUT OF SCOPE", kUnchanged, 50, true},
      {"money", 9, 50, true},         {"TaxYear1099G", 9, 50, true}, {"TPNAME", 9, 50, true},
      {"", 9, 50, false},
  };
  for (const auto& c : cases) {
    qv::Control& f = field(QString::fromUtf8(c.tag));
    f.setSelStart(1);
    qv::Control_SetupBackColor(f);
    EXPECT_EQ(f.backColor(), c.legend == kUnchanged ? 0x123456u : kLegend[c.legend]) << c.tag;
    EXPECT_EQ(f.maxLength(), c.maxLength) << c.tag;
    EXPECT_EQ(f.selStart(), c.selected ? 0 : 1) << c.tag;
    EXPECT_EQ(f.selLength(), c.selected ? 3 : 0) << c.tag;
  }
}

TEST_F(Kinds, SetupRecordsTheCurrentFieldOfTheFieldArrays) {
  const struct {
    const char* array;
    bool recorded;
  } cases[] = {{"Text1", true}, {"TEXT3", true}, {"text5", true}, {"Text6", false}, {"txtSSRate", false}};
  for (const auto& c : cases) {
    JsonScreen s("TF_1099INT", layoutOf({QStringLiteral(R"({"type": "TextBox", "name": "%1", "index": 12, "tag": "TIN", "toolTip": "help %1"})")
                                              .arg(QLatin1String(c.array))}));
    s.load();
    qv::state().CurrentForm = &s;
    qv::state().CurrentField = QStringLiteral("before");
    s("labelMisc").setCaption(QStringLiteral("before"));
    qv::Control_Setup(s(c.array, 12), false);
    const QString shown = c.recorded ? QStringLiteral("help %1").arg(QLatin1String(c.array)) : QStringLiteral("before");
    EXPECT_EQ(qv::state().CurrentField, c.recorded ? QStringLiteral("%1:12").arg(QLatin1String(c.array)) : "before")
        << c.array;
    EXPECT_EQ(s("labelMisc").caption(), shown) << c.array;
    EXPECT_EQ(s(c.array, 12).backColor(), kLegend[1]) << c.array;
  }
}

TEST_F(Kinds, SetupShowsTheHelpBeforeTheSetUpChangesIt) {
  qv::Control& f = field("MONEY");
  qv::Control_Setup(f, true);
  EXPECT_EQ((*screen_)("labelMisc").caption(), kDesignHelp);
  EXPECT_EQ(f.toolTip(), kMoney);
  qv::Control_Setup(f, false);
  EXPECT_EQ((*screen_)("labelMisc").caption(), kMoney);
}

TEST_F(Kinds, SetupWithoutAStatusLineIsReported) {
  JsonScreen s("TF_X", "{\"controls\": [" + fieldLine(0, "MONEY", R"("alignment": "left")").toUtf8() + "]}");
  s.load();
  qv::state().CurrentForm = &s;
  qv::Control_Setup(s("Text1", 0), true);
  EXPECT_TRUE(reported("M3_Quorvane:Control_Setup"));
  EXPECT_EQ(s("Text1", 0).alignment(), Align::Left);
}

}  // namespace
