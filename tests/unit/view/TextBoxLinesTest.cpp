// Multi-line text boxes space their lines as the desktop's boxes do, a line
// with room for the marks over capitals, as the painter does, so a box holds
// on screen the lines it holds on paper.
#include <gtest/gtest.h>

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QTextBlock>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextEdit>
#include <memory>

#include "RecordingScreen.h"
#include "view/Fonts.h"
#include "view/ScreenView.h"

namespace qv {
namespace {

// Boxes the size of the 1099-INT payer box; the Consolas stand-in has a
// large leading and the bold Tahoma a negative one.
const QByteArray kBoxes = R"({"screen": {"width": 16000, "height": 4500},
"controls": [
{"type": "TextBox", "name": "Text1", "index": 0, "left": 240, "top": 120, "width": 4995, "height": 1200, "borderStyle": 0, "font": {"name": "Tahoma", "size": 10}, "multiLine": true, "tabIndex": 0},
{"type": "TextBox", "name": "Text1", "index": 1, "left": 5400, "top": 120, "width": 4995, "height": 1200, "borderStyle": 1, "font": {"name": "Consolas", "size": 11.25}, "multiLine": true, "tabIndex": 1},
{"type": "TextBox", "name": "Text1", "index": 2, "left": 240, "top": 1500, "width": 4995, "height": 1200, "borderStyle": 0, "font": {"name": "Tahoma", "size": 11.25, "bold": true}, "multiLine": true, "tabIndex": 2}
]})";

TEST(TextBoxLines, FourLinesOneFontHeightApartInsideTheBox) {
  test::RecordingScreen screen(QStringLiteral("Lines"), kBoxes);
  screen.load();
  ScreenView view(screen);
  view.resize(view.sizeHint());
  view.show();

  struct Case {
    int index;
    int inset;  // where the painter starts the text: border and one pixel
  };
  const Case cases[] = {{0, 1}, {1, 3}, {2, 1}};
  // The second text replaces the first: the spacing must survive it.
  const QString texts[] = {QStringLiteral("FIRST NATIONAL BANK\r\n100 MAIN ST\r\nANYTOWN ST 12345\r\n555 555 0100"),
                           QStringLiteral("A\r\nB\r\nC\r\nD")};
  for (const Case& c : cases) {
    Control& control = screen.ctl(QStringLiteral("Text1"), c.index);
    auto* edit = qobject_cast<QTextEdit*>(view.widgetFor(control));
    ASSERT_TRUE(edit) << c.index;
    const BoxLines lines = boxLines(edit->font());
    const double height = lines.height;
    for (const QString& text : texts) {
      control.setText(text);
      const QTextDocument* doc = edit->document();
      const QTextFrameFormat frame = doc->rootFrame()->frameFormat();
      EXPECT_EQ(edit->viewport()->geometry().left() + frame.leftMargin(), c.inset) << c.index;
      ASSERT_EQ(doc->blockCount(), 4) << c.index;
      const QAbstractTextDocumentLayout* layout = doc->documentLayout();
      // The first baseline one line's ascent below the painter's text origin.
      const QTextBlock first = doc->firstBlock();
      const double baseline = edit->viewport()->geometry().top() + layout->blockBoundingRect(first).top() +
                              first.layout()->lineAt(0).y() + first.layout()->lineAt(0).ascent();
      EXPECT_NEAR(baseline, c.inset + lines.ascent, 0.5) << c.index;
      // Then one line height a line, the fourth inside the box.
      EXPECT_NEAR(doc->size().height(), 4 * height + frame.topMargin() + frame.bottomMargin(), 1.0) << c.index;
      const QRectF last = layout->blockBoundingRect(doc->lastBlock());
      EXPECT_NEAR(last.top(), frame.topMargin() + 3 * height, 1.0) << c.index;
      EXPECT_LE(last.top() + height, edit->viewport()->height()) << c.index;
    }
  }
}

}  // namespace
}  // namespace qv
