// Access-key ampersands in captions: "&" marks the access key and is not
// shown, "&&" shows one "&", in pictures and on the display alike.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QImage>
#include <memory>

#include "RecordingScreen.h"
#include "view/Mnemonics.h"
#include "view/ControlWidgets.h"
#include "view/ScreenPainter.h"
#include "view/Units.h"

namespace qv {
namespace {

using test::RecordingScreen;

TEST(AccessKeys, CaptionRule) {
  struct Case {
    const char* caption;
    const char* shown;
    int key;
    const char* qt;  // as Qt's mnemonic text
  };
  const Case cases[] = {
      {"Copy to Clipboard && Exit", "Copy to Clipboard & Exit", -1, "Copy to Clipboard && Exit"},
      {"&Open", "Open", 0, "&Open"},
      {"Save &As", "Save As", 5, "Save &As"},
      {"R&&&D", "R&D", 2, "R&&&D"},
      {"&&&File", "&File", 1, "&&&File"},
      {"&a&b", "ab", 0, "&ab"},  // the first mark is the key, a later one only hidden
      {"End&", "End", -1, "End"},
      {"&&", "&", -1, "&&"},
      {"No marks", "No marks", -1, "No marks"},
      {"", "", -1, ""},
  };
  for (const Case& c : cases) {
    const AccessKeyCaption shown = accessKeyCaption(QString::fromLatin1(c.caption));
    EXPECT_EQ(shown.text, QString::fromLatin1(c.shown)) << c.caption;
    EXPECT_EQ(shown.keyIndex, c.key) << c.caption;
    EXPECT_EQ(qtMnemonicText(QString::fromLatin1(c.caption)), QString::fromLatin1(c.qt)) << c.caption;
  }
}

// Every captioned control: its caption is a lone "&" (nothing to show) or
// "&&" (one ampersand).
const QByteArray kCaptions = R"({"screen": {"width": 4500, "height": 900, "backColor": "&H00FFFFFF"},
"controls": [
{"type": "Label", "name": "Label1", "left": 0, "top": 0, "width": 900, "height": 900, "backColor": "&H00FFFFFF", "font": {"name": "Arial", "size": 14}},
{"type": "CommandButton", "name": "Command1", "left": 900, "top": 0, "width": 900, "height": 900, "font": {"name": "Arial", "size": 14}},
{"type": "Frame", "name": "Frame1", "left": 1800, "top": 0, "width": 900, "height": 900, "borderStyle": 0, "backColor": "&H00FFFFFF", "font": {"name": "Arial", "size": 14}},
{"type": "CheckBox", "name": "Check1", "left": 2700, "top": 0, "width": 900, "height": 900, "backColor": "&H00FFFFFF", "font": {"name": "Arial", "size": 14}},
{"type": "OptionButton", "name": "Option1", "left": 3600, "top": 0, "width": 900, "height": 900, "backColor": "&H00FFFFFF", "font": {"name": "Arial", "size": 14}}
]})";

// Dark pixels inside the control, clear of its border and of the box of a
// check box or option button.
int inkOf(const QImage& image, const Control& c) {
  const QRect whole = pixelRect(c.left(), c.top(), c.width(), c.height());
  const bool boxed = c.type() == ControlType::CheckBox || c.type() == ControlType::OptionButton;
  const QRect r = whole.adjusted(boxed ? 15 : 3, 3, -3, -3);
  int ink = 0;
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x)
      if (qGray(image.pixel(x, y)) < 100) ++ink;
  return ink;
}

TEST(AccessKeys, PaintedCaptionsHideTheMarkAndShowDoubledAmpersands) {
  RecordingScreen s("Captions", kCaptions);
  s.load();
  for (Control* c : s.controls()) c->setCaption(QStringLiteral("&"));
  const QImage lone = renderScreen(s);
  for (Control* c : s.controls()) c->setCaption(QStringLiteral("&&"));
  const QImage doubled = renderScreen(s);
  for (Control* c : s.controls()) {
    EXPECT_EQ(inkOf(lone, *c), 0) << c->name().toStdString() << ": a lone mark shows nothing";
    EXPECT_GT(inkOf(doubled, *c), 20) << c->name().toStdString() << ": \"&&\" shows an ampersand";
  }
}

TEST(AccessKeys, CheckBoxWidgetsUnderlineButLeaveTheKeysToTheModel) {
  RecordingScreen s("Captions", kCaptions);
  s.load();
  Control& check = s.ctl(QStringLiteral("Check1"));
  check.setCaption(QStringLiteral("Smith && &Jones"));
  const ScreenPainter painter(s);
  std::unique_ptr<QWidget> w(createControlWidget(check, painter, nullptr));
  auto* box = qobject_cast<QCheckBox*>(w.get());
  ASSERT_TRUE(box);
  EXPECT_EQ(box->text(), QStringLiteral("Smith && &Jones"));
  EXPECT_TRUE(box->shortcut().isEmpty()) << "Alt+J must reach the model, not toggle the widget";
}

}  // namespace
}  // namespace qv
