// The painter draws the model in twips onto pixels: controls land on the
// pixels their twips give, containers offset and clip, options switch the
// windowed controls and the edit colours, text lines lie one font height apart.
#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QTemporaryDir>
#include <vector>

#include "RecordingScreen.h"
#include "view/Fonts.h"
#include "view/ScreenPainter.h"
#include "view/Units.h"

namespace qv {
namespace {

using test::RecordingScreen;

struct Probe {
  int x, y;
  QRgb expected;
  const char* what;
};

void expectPixels(const QImage& image, std::initializer_list<Probe> probes) {
  for (const Probe& p : probes)
    EXPECT_EQ(QColor(image.pixel(p.x, p.y)).name(), QColor(p.expected).name())
        << p.what << " at " << p.x << "," << p.y;
}

constexpr QRgb White = 0xFFFFFF, Red = 0xFF0000, Blue = 0x0000FF, Black = 0x000000,
               Green = 0x00FF00, Face = 0xD4D0C8;

// 3000 x 2000 twips inside: 200 x 133 pixels.
const QByteArray kGraphical = R"({"screen": {"width": 3000, "height": 2000, "backColor": "&H00FFFFFF"},
"controls": [
{"type": "Label", "name": "Back", "left": 150, "top": 300, "width": 600, "height": 450, "backColor": "&H000000FF"},
{"type": "Shape", "name": "Box", "left": 1500, "top": 150, "width": 900, "height": 600, "borderColor": "&H00FF0000"},
{"type": "Shape", "name": "Thick", "left": 1500, "top": 900, "width": 900, "height": 600, "borderWidth": 3, "borderColor": "&H00FF0000", "fillStyle": 0, "fillColor": "&H0000FF00"},
{"type": "Label", "name": "Clear", "left": 1800, "top": 1050, "width": 300, "height": 300, "backStyle": 0},
{"type": "Line", "name": "Rule", "x1": 150, "y1": 1500, "x2": 1500, "y2": 1500},
{"type": "Line", "name": "Post", "x1": 2700, "y1": 150, "x2": 2700, "y2": 750, "borderWidth": 2},
{"type": "Label", "name": "Hidden", "left": 0, "top": 1800, "width": 600, "height": 150, "backColor": "&H000000FF", "visible": false}
]})";

TEST(RenderedScreen, GraphicalControlsLandOnTheirPixels) {
  RecordingScreen s("Paint", kGraphical);
  s.load();
  const QImage image = renderScreen(s);
  ASSERT_EQ(image.size(), QSize(200, 133));
  expectPixels(image, {
      {10, 20, Red, "label top-left"}, {49, 49, Red, "label bottom-right"},
      {9, 20, White, "left of the label"}, {50, 49, White, "right of the label"}, {10, 50, White, "below the label"},
      {100, 10, Blue, "box top-left"}, {159, 49, Blue, "box bottom-right"}, {130, 10, Blue, "box top edge"},
      {130, 30, White, "inside the transparent box"}, {160, 30, White, "right of the box"},
      {100, 70, Blue, "thick border, outer pixel"}, {102, 70, Blue, "thick border, third pixel"},
      {103, 70, Green, "fill inside the thick border"},
      {130, 80, Green, "fill under a transparent label"},
      {10, 100, Black, "line start"}, {99, 100, Black, "line before its end point"},
      {100, 100, White, "line end point"}, {50, 101, White, "below the line"},
      {180, 10, Black, "wide vertical line"}, {181, 10, Black, "wide vertical line, second pixel"},
      {182, 10, White, "right of the wide line"},
      {20, 125, White, "hidden label"},
  });
}

const QByteArray kWindowed = R"({"screen": {"width": 3000, "height": 2000, "backColor": "&H8000000F"},
"controls": [
{"type": "TextBox", "name": "Text1", "index": 0, "left": 150, "top": 150, "width": 1200, "height": 450, "backColor": "&H0000FF00"},
{"type": "PictureBox", "name": "Pic", "left": 1500, "top": 150, "width": 1200, "height": 900, "backColor": "&H00FFFFFF"},
{"type": "Label", "name": "Inside", "container": "Pic", "left": 0, "top": 0, "width": 3000, "height": 3000, "backColor": "&H000000FF"},
{"type": "TabControl", "name": "SSTab1", "left": 150, "top": 1200, "width": 1200, "height": 750, "items": ["Top", "Bottom"], "tabHeight": 300, "currentTab": 0},
{"type": "Label", "name": "OnPage1", "container": "SSTab1", "tabPage": 1, "left": 150, "top": 450, "width": 300, "height": 150, "backColor": "&H00FF0000"}
]})";

TEST(RenderedScreen, WindowedControlsContainersAndEditColours) {
  RecordingScreen s("Paint", kWindowed);
  s.load();
  const QImage shown = renderScreen(s);
  expectPixels(shown, {
      {40, 20, Green, "text box in its edit colour"},
      {102, 12, Red, "child label starts inside the picture box border"},
      {101, 12, 0x404040, "picture box border, inner pixel"},
      {177, 57, Red, "child label at the inner edge"},
      {179, 30, White, "picture box border clips the child"},
      {185, 30, Face, "beyond the picture box"},
      {25, 112, Face, "label on the page not shown"},
  });
  expectPixels(renderScreen(s, PaintOptions{true, true}), {{40, 20, White, "text box without edit colours"}});
  expectPixels(renderScreen(s, PaintOptions{false, false}),
               {{40, 20, Face, "windowed controls left out"}, {120, 30, Face, "their children too"}});

  s.ctl("SSTab1").setCurrentTab(1);
  expectPixels(renderScreen(s), {{25, 112, Blue, "label on the page shown"}});
}

// A picture box 100 x 100 pixels showing a portrait picture 10 x 20, red
// above and blue below: as it is at the top left, or stretched to cover the
// box (its middle rows shown, the proportions kept).
TEST(RenderedScreen, StretchedPictureBoxIsCoveredKeepingProportions) {
  QTemporaryDir dir;
  QImage portrait(10, 20, QImage::Format_RGB32);
  portrait.fill(Qt::blue);
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 10; ++x) portrait.setPixel(x, y, qRgb(255, 0, 0));
  const QString file = dir.filePath(QStringLiteral("portrait.png"));
  ASSERT_TRUE(portrait.save(file));
  RecordingScreen s("Paint", R"({"screen": {"width": 1500, "height": 1500, "backColor": "&H00FFFFFF"},
"controls": [{"type": "PictureBox", "name": "Photo", "left": 0, "top": 0, "width": 1500, "height": 1500, "borderStyle": 0, "backColor": "&H00FFFFFF"}]})");
  s.load();
  s.ctl("Photo").setPicture(file);
  expectPixels(renderScreen(s), {{5, 5, Red, "picture at its size"}, {5, 15, Blue, "its lower half"},
                                 {50, 50, White, "the box beside it"}});
  s.ctl("Photo").setStretch(true);
  expectPixels(renderScreen(s), {{0, 0, Red, "top left corner covered"}, {99, 30, Red, "upper half"},
                                 {0, 70, Blue, "lower half"}, {99, 99, Blue, "bottom right corner covered"}});
}

// 200 x 100 pixels: a frame with a border and a long caption, one without.
const QByteArray kFrames = R"({"screen": {"width": 3000, "height": 1500, "backColor": "&H00FFFFFF"},
"controls": [
{"type": "Frame", "name": "Bordered", "left": 0, "top": 0, "width": 1500, "height": 1500, "borderStyle": 1, "backColor": "&H00C0C0C0", "font": {"name": "Arial", "size": 9}},
{"type": "Frame", "name": "Plain", "left": 1500, "top": 0, "width": 1500, "height": 1500, "borderStyle": 0, "backColor": "&H00C0C0C0", "caption": ""}
]})";

TEST(RenderedScreen, FramesCaptionAtTheLeftCutAtTheRightBorderlessWithoutStyle) {
  RecordingScreen s("Paint", kFrames);
  s.load();
  // A tall letter first, then dots (ink only at the foot of the line) past the right border.
  s.ctl("Bordered").setCaption(QStringLiteral("I") + QString(80, u'.'));
  const QImage image = renderScreen(s);
  auto inkIn = [&](int left, int right, int top, int bottom) {
    int ink = 0;
    for (int y = top; y <= bottom; ++y)
      for (int x = left; x <= right; ++x) ink += qGray(image.pixel(x, y)) < 100;
    return ink;
  };
  EXPECT_GT(inkIn(8, 10, 3, 6), 0) << "the caption's first letter, whole, at the top left";
  EXPECT_EQ(inkIn(2, 6, 0, 6), 0) << "nothing left of the caption";
  EXPECT_GT(inkIn(90, 97, 7, 11), 0) << "the caption runs up to the right border";
  EXPECT_EQ(inkIn(98, 99, 0, 6), 0) << "and stops inside it";
  expectPixels(image, {{0, 98, 0x808080, "bordered frame: shadow line"},
                       {1, 50, White, "bordered frame: highlight line"},
                       {98, 50, 0x808080, "bordered frame: right border under the caption"}});

  for (int y = 0; y < 100; ++y)
    for (int x = 100; x < 200; ++x)
      ASSERT_EQ(QColor(image.pixel(x, y)).name(), QColor(0xC0C0C0).name()) << "borderless frame at " << x << "," << y;
}

// The configuration screen's note: a wrapped paragraph and a line of its own,
// three lines in a label laid out for lines one font height apart.
const QByteArray kNote = R"({"screen": {"width": 13000, "height": 1200, "backColor": "&H00FFFFFF"},
"controls": [
{"type": "Label", "name": "lblNote", "left": 150, "top": 150, "width": 12735, "height": 975, "backColor": "&H00FFFFFF", "wordWrap": true, "font": {"name": "Calibri", "size": 12.75, "bold": true},
 "caption": "If you make changes to the Social Security or Medicare Information below, the changes WILL NOT BE SAVED unless you press the Save Button (Upper Left on this Screen).\r\nThis information used to determine Social Security and Medicare Withholding when a W2 is created"}
]})";

TEST(RenderedScreen, LabelLinesAreOneFontHeightApartAndAllFit) {
  RecordingScreen s("Paint", kNote);
  s.load();
  const QImage image = renderScreen(s);
  const QRect label = pixelRect(150, 150, 12735, 975);
  // Runs of rows with ink: one per line of text.
  struct Band {
    int top, bottom;
  };
  std::vector<Band> bands;
  for (int y = label.top(); y <= label.bottom(); ++y) {
    bool ink = false;
    for (int x = label.left(); x <= label.right() && !ink; ++x) ink = qGray(image.pixel(x, y)) < 160;
    if (!ink) continue;
    if (!bands.empty() && bands.back().bottom == y - 1) bands.back().bottom = y;
    else bands.push_back({y, y});
  }
  ASSERT_EQ(bands.size(), 3u) << "two wrapped lines and the line after the break";
  const double pitch =
      QFontMetricsF(qtFont(Font{QStringLiteral("Calibri"), 12.75, true}, TwipsPerPoint)).height() / TwipsPerPixel;
  for (int i = 1; i < 3; ++i)
    EXPECT_NEAR(bands[i].top - bands[i - 1].top, pitch, 1.0) << "line " << i + 1 << " one font height down";
  EXPECT_LT(bands[2].bottom, label.bottom()) << "the last line ends inside the label";
  EXPECT_NEAR(bands[2].bottom - bands[2].top, bands[0].bottom - bands[0].top, 1) << "the last line whole";
}

TEST(Units, ColoursAndPixels) {
  struct Case {
    Color color;
    QRgb rgb;
  };
  for (const Case& c : {Case{0x000000FF, Red}, Case{0x00FF0000, Blue}, Case{0x0000FF00, Green},
                        Case{0x00C0E0FF, 0xFFE0C0}, Case{colors::ButtonFace, Face},
                        Case{colors::WindowBackground, White}, Case{colors::WindowText, Black},
                        Case{colors::ButtonText, Black}, Case{colors::InfoBackground, 0xFFFFE1}})
    EXPECT_EQ(qtColor(c.color).name(), QColor(c.rgb).name()) << std::hex << c.color;
  EXPECT_EQ(twipsToPixels(1815), 121);
  EXPECT_EQ(twipsToPixels(7), 0);
  EXPECT_EQ(twipsToPixels(8), 1);
  EXPECT_EQ(pixelRect(65, 65, 793, 795), QRect(4, 4, 53, 53));
}

TEST(Fonts, ProgramNamesMapToMetricCompatibleFonts) {
  installFonts();
  const QString consolas = QFontDatabase::families().contains(QStringLiteral("Inconsolata"))
                               ? QStringLiteral("Inconsolata")
                               : QStringLiteral("Liberation Mono");
  const QString tahoma = QFontInfo(QFont(QStringLiteral("Tahoma"))).family() == QLatin1String("Tahoma")
                             ? QStringLiteral("Tahoma")
                             : QStringLiteral("DejaVu Sans");
  const std::pair<const char*, QString> cases[] = {
      {"Tahoma", tahoma}, {"MS Sans Serif", tahoma}, {"Arial", "Liberation Sans"},
      {"ArialNarrow", "Liberation Sans Narrow"}, {"Arial Narrow", "Liberation Sans Narrow"},
      {"Courier New", "Liberation Mono"}, {"Consolas", consolas}, {"Calibri", "Carlito"},
      {"Times New Roman", "Liberation Serif"}, {"Wingdings", "DejaVu Sans"},
  };
  for (const auto& [name, family] : cases) {
    const QFont f = qtFont(Font{QString::fromLatin1(name), 9.75, true}, PixelsPerPoint);
    EXPECT_EQ(QFontInfo(f).family(), family) << name;
    EXPECT_EQ(f.pixelSize(), 13) << name;
    EXPECT_TRUE(f.bold()) << name;
  }
  EXPECT_EQ(qtFont(Font{QStringLiteral("Tahoma"), 8.25}, TwipsPerPoint).pixelSize(), 165);
}

TEST(Fonts, ConsolasCaptionsFitTheirControls) {
  if (!QFontDatabase::families().contains(QStringLiteral("Inconsolata")))
    GTEST_SKIP() << "Inconsolata is not installed";
  // The error report's captions in their widths (twips), less the frame's
  // caption indent and right border.
  const std::pair<const char*, int> cases[] = {
      {"Program:", 1035},
      {"Date/Time:", 1215},
      {"Please describe what you were doing before you got the error (up to 300 characters)", 10515 - 150},
  };
  const QFontMetricsF fm(qtFont(Font{QStringLiteral("Consolas"), 11.25}, TwipsPerPoint));
  for (const auto& [caption, width] : cases)
    EXPECT_LE(fm.horizontalAdvance(QString::fromLatin1(caption)), width) << caption;
}

}  // namespace
}  // namespace qv
