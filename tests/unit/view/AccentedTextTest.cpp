// Text boxes drawn by the painter (paper, pictures) put their text where the
// Qt box on the display puts it, so the marks over capitals ("ZOË", "Ÿ", "Ž",
// "Š") stay whole inside the box, one-line and multi-line alike.
#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QImage>
#include <algorithm>
#include <cmath>
#include <memory>
#include <utility>

#include "RecordingScreen.h"
#include "view/Fonts.h"
#include "view/ScreenPainter.h"
#include "view/ScreenView.h"
#include "view/Units.h"

namespace qv {
namespace {

// One-line boxes as tall as the tax forms' (330 twips) and the check's
// smallest (285), with and without border, and a two-line box.
const QByteArray kBoxes = R"({"screen": {"width": 9000, "height": 2400, "backColor": "&H00FFFFFF"},
"controls": [
{"type": "TextBox", "name": "Text1", "index": 0, "left": 150, "top": 150, "width": 2400, "height": 330, "text": "ZOË ŸŽŠ", "font": {"name": "Tahoma", "size": 10}},
{"type": "TextBox", "name": "Text1", "index": 1, "left": 3000, "top": 150, "width": 2400, "height": 285, "borderStyle": 0, "text": "ZOË ŸŽŠ", "font": {"name": "Tahoma", "size": 10}},
{"type": "TextBox", "name": "Text1", "index": 2, "left": 5850, "top": 150, "width": 2700, "height": 375, "text": "ZOË ŸŽŠ", "font": {"name": "Tahoma", "size": 11.25, "bold": true}},
{"type": "TextBox", "name": "Text1", "index": 3, "left": 150, "top": 900, "width": 2400, "height": 900, "multiLine": true, "text": "ZOË BAY\r\nŸŽŠ ÉÈ", "font": {"name": "Tahoma", "size": 10}},
{"type": "TextBox", "name": "Text1", "index": 4, "left": 3000, "top": 900, "width": 2400, "height": 900, "borderStyle": 0, "multiLine": true, "text": "ZOË BAY\r\nŸŽŠ ÉÈ", "font": {"name": "Tahoma", "size": 10}}
]})";

// The darkness of each pixel row of a box's inside (three pixels in from
// each side, where a border could be), from the box's top.
std::vector<double> rowInk(const QImage& image, const Control& box) {
  const QRect r = pixelRect(box.left(), box.top(), box.width(), box.height()).adjusted(3, 0, -3, 0);
  std::vector<double> rows;
  for (int y = r.top(); y <= r.bottom(); ++y) {
    double ink = 0;
    for (int x = r.left(); x <= r.right(); ++x) ink += std::max(0, 200 - qGray(image.pixel(x, y)));
    rows.push_back(ink);
  }
  return rows;
}

// The rows of text: those with the black of the letters (a border is lighter).
std::vector<int> textRows(const QImage& image, const Control& box) {
  const QRect r = pixelRect(box.left(), box.top(), box.width(), box.height()).adjusted(3, 0, -3, 0);
  std::vector<int> rows;
  for (int y = r.top(); y <= r.bottom(); ++y) {
    bool ink = false;
    for (int x = r.left(); x <= r.right() && !ink; ++x) ink = qGray(image.pixel(x, y)) < 50;
    if (ink) rows.push_back(y - r.top());
  }
  return rows;
}

// The ink of the marks: above the capitals, whose top lies a cap height above
// the lowest row of text.
double markInk(const std::vector<double>& rows, int lowest, double capHeight) {
  double ink = 0;
  for (int y = 0; y < lowest + 1 - int(std::ceil(capHeight)); ++y) ink += rows[y];
  return ink;
}

// The boxes on the display, from whose widgets the paper takes its measure.
class AccentedText : public ::testing::Test {
 protected:
  void SetUp() override {
    s.load();
    view = std::make_unique<ScreenView>(s);
    view->resize(view->sizeHint());
    view->show();
  }
  test::RecordingScreen s{QStringLiteral("Accents"), kBoxes};
  std::unique_ptr<ScreenView> view;
};

TEST_F(AccentedText, PaperPutsBoxTextWhereTheDisplayDoes) {
  const QImage display = view->grab().toImage();
  const QImage paper = renderScreen(s, PaintOptions{true, true});
  for (const Control* box : s.array(QStringLiteral("Text1"))) {
    SCOPED_TRACE(box->displayName().toStdString());
    const std::vector<int> shown = textRows(display, *box), painted = textRows(paper, *box);
    ASSERT_FALSE(shown.empty());
    ASSERT_FALSE(painted.empty());
    // The text stands on the display's baseline, its marks inside the box,
    // as high as the display's (the paper's letters are a little larger).
    EXPECT_NEAR(painted.back(), shown.back(), 1);
    EXPECT_GE(painted.front(), shown.front() - 2);
    EXPECT_LE(painted.front(), shown.front() + 1);
    EXPECT_GE(painted.front(), box->borderStyle() != 0 ? 1 : 0);
    const double capHeight = QFontMetricsF(qtFont(box->font(), PixelsPerPoint)).capHeight();
    const double shownMarks = markInk(rowInk(display, *box), shown.back(), capHeight);
    const double paintedMarks = markInk(rowInk(paper, *box), painted.back(), capHeight);
    EXPECT_GT(paintedMarks, 0.6 * shownMarks) << "the marks are cut";
  }
}

// The rows a line's ink takes in a box's inside, borders left out.
std::pair<int, int> inkedBetween(const std::vector<double>& rows) {
  int first = -1, last = -1;
  for (int y = 3; y + 3 < int(rows.size()); ++y)
    if (rows[y] > 0) {
      if (first < 0) first = y;
      last = y;
    }
  return {first, last};
}

TEST_F(AccentedText, MarksOnTheSecondLineStandClearOfTheFirst) {
  for (int index : {3, 4}) {
    Control& box = s.ctl(QStringLiteral("Text1"), index);
    SCOPED_TRACE(box.displayName().toStdString());
    std::pair<int, int> display[2], paper[2];
    const QString lines[2] = {QStringLiteral("ZOË BAY"), QStringLiteral("\r\nŸŽŠ ÉÈ")};
    for (int i = 0; i < 2; ++i) {
      box.setText(lines[i]);
      display[i] = inkedBetween(rowInk(view->grab().toImage(), box));
      paper[i] = inkedBetween(rowInk(renderScreen(s, PaintOptions{true, true}), box));
    }
    EXPECT_LT(display[0].second, display[1].first) << "display: the lines share a row";
    EXPECT_LT(paper[0].second, paper[1].first) << "paper: the lines share a row";
  }
}

}  // namespace
}  // namespace qv
