// Screen start-up from the forms description: the section of a screen, the
// entry read into FormInfo, the captions by tax year and the border extent.
#include "EngineTest.h"
#include "engine/FormInit.h"
#include "engine/TaxYear.h"

namespace {

using qvtest::EngineTest;
using qvtest::fieldLine;
using qvtest::JsonScreen;
using qvtest::layoutOf;

TEST(FormsInfSection, FollowsTheNameRule) {
  const struct {
    const char* name;
    const char* section;
  } cases[] = {
      {"TF_1099INT", "1099INT"}, {"F1_Configure", "Configure"}, {"F2_SS_ITIN", "SS_ITIN"},
      {"SS_ITIN", "SS_ITIN"},    {"ss_itin", "itin"},           {"TF_K11065", "K11065"},
      {"1099-MISC", "1099MISC"}, {"TF_1099-MI-SC", "1099MISC"}, {"A_B_C", "B_C"},
      {"_W2", "W2"},             {"W2_", ""},                   {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(qv::formsInfSection(c.name), c.section) << c.name;
}

TEST_F(EngineTest, GetFormInfoReadsTheScreensSection) {
  formsInf("[1099INT]\r\nFormName=TF_1099INT\r\nEmpty=\r\n[SS_ITIN]\r\nFormName=F2_SS_ITIN\r\n"
           "[Long]\r\nText=" + QByteArray(1500, 'x') + "\r\n");
  EXPECT_EQ(qv::GetFormInfo("TF_1099INT", "FormName"), "TF_1099INT");
  EXPECT_EQ(qv::GetFormInfo("F2_SS_ITIN", "formname"), "F2_SS_ITIN");
  EXPECT_EQ(qv::GetFormInfo("TF_1099INT", "Empty"), "");
  EXPECT_EQ(qv::GetFormInfo("TF_1099INT", "Missing"), "");
  EXPECT_EQ(qv::GetFormInfo("TF_W2", "FormName"), "");
  EXPECT_EQ(qv::GetFormInfo("X_Long", "Text"), QString(1023, u'x'));
  qv::state().FormsInfFile = QStringLiteral("C:\\NoSuch.inf");
  EXPECT_EQ(qv::GetFormInfo("TF_1099INT", "FormName"), "");
  EXPECT_TRUE(reports().empty());
}

const QByteArray kEntries =
    "[A]\r\nFormName=TF_A\r\nRecordPrefix=PA\r\nSSNIndex=5\r\nNameAddrIndex=7\r\nNameOnlyIndex=9\r\n"
    "DOBIndex=8\r\nMedicareClaimNoIndex=13\r\nMedicareNoIndex=14\r\nEINIndex=4\r\nOtherInfo=Other A\r\n"
    "FocusOnStartup=7\r\nFocusAfterTPButton=3\r\n"
    "[B]\r\nFormName=TF_B\r\nFocusOnStartup=abc\r\n"
    "[C]\r\nFormName=TF_C\r\n"
    "[D]\r\nFocusOnStartup= 12 \r\nFocusAfterTPButton=2.5\r\n";

TEST_F(EngineTest, FormInitInfoFillsEverySlotOfTheEntry) {
  formsInf(kEntries);
  qv::ProgramState& s = qv::state();
  for (int slot = 0; slot < 16; ++slot) s.FormInfo[slot] = QStringLiteral("old %1").arg(slot);
  JsonScreen a("TF_A", layoutOf({}));
  s.CurrentForm = &a;
  qv::Form_Init_Info();
  const char* expected[16] = {"old 0", "old 1", "old 2", "old 3", "old 4", "Other A", "5", "7",
                              "8",     "9",     "TF_A",  "old 11", "PA",  "13",      "14", "4"};
  for (int slot = 0; slot < 16; ++slot) EXPECT_EQ(s.FormInfo[slot], expected[slot]) << "slot " << slot;
  EXPECT_EQ(s.FocusOnStartup, 7);
  EXPECT_EQ(qv::FocusAfterTPButton(), 3);

  JsonScreen c("TF_C", layoutOf({}));
  s.CurrentForm = &c;
  qv::Form_Init_Info();
  EXPECT_EQ(s.FormInfo[10], "TF_C");
  for (int slot : {5, 6, 7, 8, 9, 12, 13, 14, 15}) EXPECT_EQ(s.FormInfo[slot], "") << "slot " << slot;
}

TEST_F(EngineTest, FocusIndexesChangeOnlyForNumbers) {
  formsInf(kEntries);
  qv::ProgramState& s = qv::state();
  const struct {
    const char* screen;
    int focus, afterTP;
  } steps[] = {{"TF_A", 7, 3}, {"TF_B", 7, 3}, {"TF_C", 7, 3}, {"TF_D", 12, 2}, {"TF_NONE", 12, 2}};
  for (const auto& step : steps) {
    JsonScreen screen(step.screen, layoutOf({}));
    s.CurrentForm = &screen;
    qv::Form_Init_Info();
    EXPECT_EQ(s.FocusOnStartup, step.focus) << step.screen;
    EXPECT_EQ(qv::FocusAfterTPButton(), step.afterTP) << step.screen;
  }
}

TEST(TaxYearCaption, FillsThePlaceholders) {
  const struct {
    const char* text;
    const char* year;
    const char* caption;
  } cases[] = {
      {"", "2024", " "},
      {"Box yyyy|Box yyyy+1", "20XX", "Box 20XX \r\nBox 20XX+1 "},
      {"yyyy-1 |yyyy", "2024", "2023 \r\n2024 "},
      {"YYYY+1 and yYyY-2", "2024", "2025 and 2022 "},
      {"YYYY stays", "2024", "YYYY stays "},
      {"yyyy+3 yyyy+2 yyyy-3", "2024", "2027 2026 2021 "},
      {"yyyy-3 in 20XX", "20XX", "20XX-3 in 20XX "},
      {"a  |b", "2024", "a  \r\nb "},
      {"one|", "2024", "one \r\n "},
  };
  for (const auto& c : cases) EXPECT_EQ(qv::taxYearCaption(c.text, c.year), c.caption) << c.text;
}

const QStringList kCaptionLabels = {
    R"({"type": "Label", "name": "RTL1", "caption": "design"})",
    R"({"type": "Label", "name": "rtb5", "caption": "design"})",
    R"({"type": "Label", "name": "RTX1", "caption": "For 20??|yyyy"})",
    R"({"type": "Label", "name": "Label1", "caption": "Tax 20?? and 20??"})",
    R"({"type": "TextBox", "name": "RTL9", "text": "20??"})",
};

TEST_F(EngineTest, CaptionsComeFromFormsInfOrTheDesign) {
  formsInf("[CAPS]\r\nRTL1=Form yyyy|yyyy+1 amounts\r\n");
  JsonScreen screen("TF_CAPS", layoutOf(kCaptionLabels));
  screen.load();
  qv::state().CurrentForm = &screen;
  qv::Form_Init_Captions();
  EXPECT_EQ(screen("RTL1").caption(), "Form 2024 \r\n2025 amounts ");
  EXPECT_EQ(screen("RTB5").caption(), " ");
  EXPECT_EQ(screen("RTX1").caption(), "For 2024\r\nyyyy");
  EXPECT_EQ(screen("Label1").caption(), "Tax 2024 and 2024");
  EXPECT_EQ(screen("RTL9").text(), "20??");

  // A later year rebuilds the Forms.inf captions only: "20??" is gone.
  qv::state().YearChoiceIndex = 3;
  qv::Form_Init_Captions();
  EXPECT_EQ(screen("RTL1").caption(), "Form 20XX \r\n20XX+1 amounts ");
  EXPECT_EQ(screen("Label1").caption(), "Tax 2024 and 2024");
}

TEST_F(EngineTest, CaptionsNeedAYearAndReportABadIndex) {
  JsonScreen screen("TF_CAPS", layoutOf(kCaptionLabels));
  screen.load();
  qv::state().CurrentForm = &screen;
  qv::state().YearChoices[1].clear();
  qv::Form_Init_Captions();
  EXPECT_EQ(screen("RTL1").caption(), "design");
  EXPECT_EQ(screen("Label1").caption(), "Tax 20?? and 20??");
  EXPECT_TRUE(reports().empty());

  qv::state().YearChoiceIndex = 4;
  qv::Form_Init_Captions();
  EXPECT_EQ(screen("RTL1").caption(), "design");
  EXPECT_TRUE(reported("M3_Quorvane:Form_Init_Captions"));
}

// The border's extent: shapes set the width and the bottom, lines only the
// bottom by their end, other controls the bottom unless they are the status line.
TEST_F(EngineTest, FormLayoutStretchesTheBorderRoundTheContents) {
  const QString border = R"({"type": "Shape", "name": "myBorder", "left": 60, "top": 60, "width": 300, "height": 300})";
  const struct {
    const char* what;
    QStringList controls;
    int height, width;
  } cases[] = {
      {"the border alone", {}, 360, 300},
      {"a shape", {R"({"type": "Shape", "name": "S", "left": 1000, "top": 2000, "width": 500, "height": 500})"},
       2500, 1440},
      {"a line lowers only by its end",
       {R"({"type": "Line", "name": "L", "x1": 0, "y1": 100, "x2": 9000, "y2": 3000})"}, 3000, 300},
      {"a label lowers but never widens",
       {R"({"type": "Label", "name": "L", "left": 9000, "top": 4000, "width": 9000, "height": 200})"}, 4200, 300},
      {"a control inside a frame counts by its top within the frame",
       {R"({"type": "Frame", "name": "F", "left": 0, "top": 100, "width": 100, "height": 100})",
        R"({"type": "TextBox", "name": "T", "container": "F", "left": 0, "top": 500, "width": 100, "height": 300})"},
       800, 300},
      {"the status line never lowers, a name merely like it does",
       {R"({"type": "Label", "name": "MSGLBL", "left": 0, "top": 8000, "width": 100, "height": 300})",
        R"({"type": "Label", "name": "LabelMisc2", "left": 0, "top": 700, "width": 100, "height": 300})"},
       1000, 300},
  };
  for (const auto& c : cases) {
    QStringList controls = c.controls;
    controls.prepend(border);
    QByteArray json = layoutOf(controls);
    json.replace(R"("name": "labelMisc"})", R"("name": "LABELMISC", "top": 9000, "height": 300})");
    JsonScreen screen("TF_LAYOUT", json);
    screen.load();
    qv::state().CurrentForm = &screen;
    qv::Form_Layout(screen("myBorder"));
    const qv::Control& b = screen("myBorder");
    EXPECT_EQ(b.left(), 60) << c.what;
    EXPECT_EQ(b.top(), 60) << c.what;
    EXPECT_EQ(b.height(), c.height) << c.what;
    EXPECT_EQ(b.width(), c.width) << c.what;
  }
}

TEST_F(EngineTest, FormInitStartsTheScreen) {
  formsInf("[INIT]\r\nFormName=TF_INIT\r\nFocusOnStartup=1\r\nRTL1=Year yyyy\r\n");
  JsonScreen screen("TF_INIT",
                    layoutOf({fieldLine(0, "MONEY"), fieldLine(1, "TIN"),
                              R"({"type": "Label", "name": "RTL1"})", R"({"type": "Label", "name": "TaxYear", "index": 1, "caption": "20??"})"}));
  screen.load();
  qv::Form_Init(screen);
  const qv::ProgramState& s = qv::state();
  EXPECT_EQ(s.CurrentForm, &screen);
  EXPECT_EQ(s.FormInfo[10], "TF_INIT");
  EXPECT_EQ(s.FormInfo[11], "INIT");
  EXPECT_EQ(s.FocusOnStartup, 1);
  EXPECT_EQ(screen("Text1", 0).alignment(), qv::Align::Right);
  EXPECT_EQ(screen("Text1", 1).alignment(), qv::Align::Center);
  EXPECT_EQ(screen("RTL1").caption(), "Year 2024 ");
  EXPECT_EQ(screen("TaxYear", 1).caption(), "2024");
  EXPECT_TRUE(reports().empty());
}

TEST_F(EngineTest, CurrentFormIsNeededByTheEngine) {
  EXPECT_EQ(qv::GetFormInfo("TF_X", "FormName"), "");
  qv::Form_Init_Captions();
  EXPECT_TRUE(reported("M3_Quorvane:Form_Init_Captions"));
}

}  // namespace
