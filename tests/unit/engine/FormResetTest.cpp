// The appearance reset: shapes, labels and containers by type, field fonts
// by screen and field number, the screen cases of the taxpayer sheet and the
// driver's licence.
#include "EngineTest.h"
#include "engine/FormInit.h"
#include "engine/FormReset.h"
#include "frame/MainWindow.h"

namespace {

using qv::Color;
using qvtest::EngineTest;
using qvtest::fieldLine;
using qvtest::JsonScreen;
using qvtest::layoutOf;

constexpr Color kGrey = 0xDCDCDC;
constexpr Color kFace = qv::colors::ButtonFace;
constexpr Color kDesign = 0x123456;

class Reset : public EngineTest {
 protected:
  JsonScreen& screen(const QString& name, const QStringList& controls) {
    screen_ = std::make_unique<JsonScreen>(name, layoutOf(controls));
    screen_->load();
    qv::state().CurrentForm = screen_.get();
    qv::Form_Init_Reset();
    return *screen_;
  }
  std::unique_ptr<JsonScreen> screen_;
};

const QStringList kTypeControls = {
    R"({"type": "Shape", "name": "shapex", "backStyle": 0, "fillStyle": 1})",
    R"({"type": "Shape", "name": "myBorder", "backStyle": 1, "fillStyle": 0, "fillColor": "&H00FF00"})",
    R"({"type": "Label", "name": "LabelPart", "backStyle": 0, "backColor": "&H123456"})",
    R"({"type": "Label", "name": "lblPrinter", "backStyle": 0, "backColor": "&H123456"})",
    R"({"type": "Label", "name": "Check", "index": 0, "backStyle": 0, "backColor": "&H123456"})",
    R"({"type": "Label", "name": "Label3", "backStyle": 0, "backColor": "&H123456"})",
    R"({"type": "Label", "name": "Label6", "backStyle": 0, "backColor": "&H123456"})",
    R"({"type": "Frame", "name": "Frame1", "backColor": "&H123456"})",
    R"({"type": "PictureBox", "name": "PicBox", "visible": false, "backColor": "&H123456"})",
    R"({"type": "OptionButton", "name": "Option1", "backColor": "&H123456"})",
    R"({"type": "CommandButton", "name": "Cmd", "backColor": "&H123456"})",
};

TEST_F(Reset, AppliesTheTypeTableByScreen) {
  const struct {
    const char* screen;
    int printerStyle;
    Color label3, label6;
    bool pictureShown;
  } cases[] = {
      {"TF_1099INT", 0, kDesign, kDesign, true},
      {"F1_Configure", 1, kDesign, kDesign, true},
      {"F5_TPInfo", 1, kDesign, kDesign, true},
      {"F2_SS_ITIN", 0, kDesign, kFace, true},
      {"F3_DL", 0, kDesign, kDesign, false},
  };
  for (const auto& c : cases) {
    QStringList controls = kTypeControls;
    if (QLatin1String(c.screen) == u"F5_TPInfo") controls << R"({"type": "Label", "name": "lblInstr"})";
    if (QLatin1String(c.screen) == u"F3_DL")
      controls << R"({"type": "PictureBox", "name": "Picture1"})" << R"({"type": "PictureBox", "name": "Picture3"})";
    JsonScreen& s = screen(c.screen, controls);
    const QString id = QString::fromLatin1(c.screen).mid(3).toUpper();
    EXPECT_EQ(qv::state().FormInfo[11], id);
    EXPECT_EQ(s.backColor(), kFace) << c.screen;
    EXPECT_EQ(s("ShapeX").backStyle(), 1) << c.screen;
    EXPECT_EQ(s("ShapeX").fillStyle(), 0) << c.screen;
    EXPECT_EQ(s("ShapeX").fillColor(), kGrey) << c.screen;
    EXPECT_EQ(s("myBorder").backStyle(), 0) << c.screen;
    EXPECT_EQ(s("myBorder").fillStyle(), 1) << c.screen;
    EXPECT_EQ(s("myBorder").fillColor(), 0u) << c.screen;
    EXPECT_EQ(s("LabelPart").backStyle(), 1) << c.screen;
    EXPECT_EQ(s("lblPrinter").backStyle(), c.printerStyle) << c.screen;
    EXPECT_EQ(s("Check", 0).backStyle(), 1) << c.screen;
    EXPECT_EQ(s("Label3").backColor(), c.label3) << c.screen;
    EXPECT_EQ(s("Label6").backColor(), c.label6) << c.screen;
    EXPECT_EQ(s("Check", 0).backColor(), QLatin1String(c.screen) == u"F2_SS_ITIN" ? kFace : kDesign) << c.screen;
    for (const char* container : {"Frame1", "PicBox", "Option1"})
      EXPECT_EQ(s(container).backColor(), kFace) << c.screen << " " << container;
    EXPECT_EQ(s("Cmd").backColor(), kDesign) << c.screen;
    EXPECT_EQ(s("PicBox").visible(), c.pictureShown) << c.screen;
  }
}

TEST_F(Reset, SizesTheTaxpayerSheetAndTheLicence) {
  qv::mainWindow().setHeight(9000);
  JsonScreen& tp = screen("F5_TPInfo", {R"({"type": "Label", "name": "lblInstr", "visible": false})"});
  EXPECT_EQ(tp.height(), qv::mainWindow().scaleHeight()) << "the sheet's window fills the area";
  EXPECT_TRUE(tp("lblInstr").visible());

  JsonScreen& dl = screen("F3_DL", {
      R"({"type": "Frame", "name": "Frame1", "top": 1000, "height": 4000, "visible": false})",
      R"({"type": "PictureBox", "name": "Picture1", "visible": false})",
      R"({"type": "PictureBox", "name": "Picture2", "visible": false})",
      R"({"type": "PictureBox", "name": "Picture3", "visible": false})",
  });
  EXPECT_EQ(dl.scaleHeight(), 5200) << "the photo frame and 200 twips below it inside the title bar";
  EXPECT_TRUE(dl("Frame1").visible());
  EXPECT_TRUE(dl("Picture1").visible());
  EXPECT_FALSE(dl("Picture2").visible());
  EXPECT_TRUE(dl("Picture3").visible());
}

TEST_F(Reset, SetsFieldFontsByScreenAndIndex) {
  const QString design = R"("font": {"name": "Courier New", "size": 12, "bold": true})";
  const struct {
    const char* screen;
    const char* array;
    int index;
    const char* font;
    double size;
    bool bold;
  } cases[] = {
      {"F2_SS_ITIN", "Text1", 0, "Tahoma", 14, true},   {"F2_SS_ITIN", "Text1", 7, "Tahoma", 11, true},
      {"F4_CHK", "Text1", 0, "Tahoma", 9, false},       {"F4_CHK", "Text1", 1, "Courier New", 12, true},
      {"TF_K11065", "Text3", 4, "Tahoma", 9, false},    {"TF_K11041", "Text1", 0, "Tahoma", 9, false},
      {"TF_1095C", "Text1", 9, "Tahoma", 11, false},    {"TF_1095C", "Text1", 10, "ArialNarrow", 9, false},
      {"TF_1095C", "Text1", 22, "ArialNarrow", 9, false}, {"TF_1095C", "Text1", 35, "ArialNarrow", 9, false},
      {"TF_1095C", "Text1", 48, "ArialNarrow", 9, false}, {"TF_1095C", "Text1", 49, "Tahoma", 11, false},
      {"TF_1095C", "Text1", 66, "Tahoma", 11, false},   {"TF_1095C", "Text1", 78, "Tahoma", 11, false},
      {"TF_1095C", "Text1", 79, "ArialNarrow", 9, false}, {"TF_1095C", "Text1", 91, "ArialNarrow", 9, false},
      {"TF_1099INT", "Text1", 3, "Tahoma", 10, false},  {"F5_TPInfo", "Text1", 3, "Tahoma", 10, false},
  };
  for (const auto& c : cases) {
    const QString field = QStringLiteral(R"({"type": "TextBox", "name": "%1", "index": %2, %3})")
                              .arg(QLatin1String(c.array)).arg(c.index).arg(design);
    QStringList controls = {field};
    if (QLatin1String(c.screen) == u"F5_TPInfo") controls << R"({"type": "Label", "name": "lblInstr"})";
    JsonScreen& s = screen(c.screen, controls);
    const qv::Font& f = s(c.array, c.index).font();
    EXPECT_EQ(f.name, c.font) << c.screen << " " << c.array << "(" << c.index << ")";
    EXPECT_EQ(f.size, c.size) << c.screen << " " << c.array << "(" << c.index << ")";
    EXPECT_EQ(f.bold, c.bold) << c.screen << " " << c.array << "(" << c.index << ")";
  }
}

TEST_F(Reset, TrimsTheK1CellsAndCentresTheCodeCells) {
  const QStringList cells = {
      fieldLine(0, "K1HELP·K1-1120S-Box12", R"("text": "  AB  ", "alignment": "right")").replace("Text1", "Text2"),
      fieldLine(0, "", R"("text": " 5 ", "alignment": "right")").replace("Text1", "Text3"),
      fieldLine(0, "K1", R"("text": " C ", "alignment": "right")").replace("Text1", "Text4"),
      fieldLine(0, "MONEY", R"("text": " 7 ")"),
  };
  JsonScreen& k1 = screen("TF_K11120S", cells);
  EXPECT_EQ(k1("Text2", 0).text(), "AB");
  EXPECT_EQ(k1("Text3", 0).text(), "5");
  EXPECT_EQ(k1("Text4", 0).text(), "C");
  EXPECT_EQ(k1("Text1", 0).text(), "7");
  EXPECT_EQ(k1("Text2", 0).alignment(), qv::Align::Center);
  EXPECT_EQ(k1("Text4", 0).alignment(), qv::Align::Center);
  // The plain cell is set up by its kind afterwards: left.
  EXPECT_EQ(k1("Text3", 0).alignment(), qv::Align::Left);

  JsonScreen& other = screen("TF_1099INT", {fieldLine(0, "MONEY", R"("text": " 7 ")")});
  EXPECT_EQ(other("Text1", 0).text(), " 7 ");
}

TEST_F(Reset, RestoresTheWorkingAppearanceAfterAPrint) {
  JsonScreen& s = screen("TF_1099INT", {R"({"type": "Shape", "name": "myBorder"})", fieldLine(2, "MONEY"),
                                         fieldLine(5, "TIN")});
  s("Text1", 2).setText("$1.00");
  // What printing and the picture preparation change.
  for (int i : {2, 5}) {
    s("Text1", i).setBackColor(qv::colors::White);
    s("Text1", i).setAlignment(qv::Align::Left);
    s("Text1", i).setToolTip(QString());
  }
  s("myBorder").setFillStyle(0);
  qv::Form_Init_Reset();
  EXPECT_EQ(s("Text1", 2).alignment(), qv::Align::Right);
  EXPECT_EQ(s("Text1", 2).toolTip(), "Money: Dollar sign/commas optional");
  EXPECT_EQ(s("Text1", 5).alignment(), qv::Align::Center);
  EXPECT_EQ(s("myBorder").fillStyle(), 1);
  EXPECT_EQ(s("Text1", 2).text(), "$1.00");
}

TEST_F(Reset, ReportsAMissingMemberAndStops) {
  // The taxpayer sheet without its instructions label.
  JsonScreen& s = screen("F5_TPInfo", {fieldLine(0, "MONEY", R"("alignment": "left")")});
  EXPECT_TRUE(reported("M3_Quorvane:Form_Init_Reset"));
  EXPECT_EQ(s("Text1", 0).alignment(), qv::Align::Left);
}

}  // namespace
