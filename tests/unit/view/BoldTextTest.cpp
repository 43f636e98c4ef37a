// Bold captions and boxes are bold wherever the screen goes: a caption and a
// box in bold Tahoma carry clearly more ink than the same text in regular
// Tahoma, in the picture, on the display and on the printed page.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>

#include "RecordingScreen.h"
#include "view/QtHost.h"
#include "view/ScreenPainter.h"
#include "view/ScreenView.h"
#include "view/Units.h"

namespace qv {
namespace {

using test::RecordingScreen;

// The same text in bold and regular Tahoma, as a caption and in a box.
const QByteArray kTexts = R"({"screen": {"width": 6000, "height": 1800, "backColor": "&H00FFFFFF"},
"controls": [
{"type": "Label", "name": "BoldCaption", "left": 150, "top": 150, "width": 2700, "height": 360, "caption": "SSN 123-45-6789", "backStyle": 0, "font": {"name": "Tahoma", "size": 12, "bold": true}},
{"type": "Label", "name": "RegularCaption", "left": 150, "top": 750, "width": 2700, "height": 360, "caption": "SSN 123-45-6789", "backStyle": 0, "font": {"name": "Tahoma", "size": 12}},
{"type": "TextBox", "name": "BoldBox", "left": 3150, "top": 150, "width": 2700, "height": 420, "borderStyle": 0, "text": "SSN 123-45-6789", "font": {"name": "Tahoma", "size": 12, "bold": true}},
{"type": "TextBox", "name": "RegularBox", "left": 3150, "top": 750, "width": 2700, "height": 420, "borderStyle": 0, "text": "SSN 123-45-6789", "font": {"name": "Tahoma", "size": 12}}
]})";

// How dark a control's rectangle is on an image of the screen: the sum of
// each pixel's darkness.
double ink(const QImage& image, const Control& c) {
  const QRect area = pixelRect(c.left(), c.top(), c.width(), c.height());
  double sum = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) sum += 255 - qGray(image.pixel(x, y));
  return sum;
}

// Bold text is at least a fifth darker than regular text of the same size.
void expectBolder(const QImage& image, const Screen& s, const char* bold, const char* regular, const char* where) {
  const double b = ink(image, s.ctl(QLatin1String(bold)));
  const double r = ink(image, s.ctl(QLatin1String(regular)));
  EXPECT_GT(r, 0) << where;
  EXPECT_GT(b, 1.2 * r) << where << ": bold " << b << ", regular " << r;
}

TEST(BoldText, IsBoldInThePictureOnTheDisplayAndOnPaper) {
  RecordingScreen s(QStringLiteral("Texts"), kTexts);
  s.load();

  const QImage picture = renderScreen(s, PaintOptions{true, true});
  expectBolder(picture, s, "BoldCaption", "RegularCaption", "picture caption");
  expectBolder(picture, s, "BoldBox", "RegularBox", "picture box");

  ScreenView view(s);
  view.resize(view.sizeHint());
  const QImage display = view.grab().toImage();
  expectBolder(display, s, "BoldCaption", "RegularCaption", "display caption");
  expectBolder(display, s, "BoldBox", "RegularBox", "display box");

  const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
  if (pdftoppm.isEmpty()) GTEST_SKIP() << "poppler-utils are not installed";
  QtHost host;
  QTemporaryDir dir;
  host.setPdfFolder(dir.path());
  PrintOutcome outcome;
  ASSERT_TRUE(host.printScreen(s, QtHost::PdfPrinterName, outcome)) << outcome.error.toStdString();
  const QFileInfoList pdfs = QDir(dir.path()).entryInfoList({QStringLiteral("*.pdf")});
  ASSERT_EQ(pdfs.size(), 1);
  const QString page = dir.filePath(QStringLiteral("page"));
  ASSERT_EQ(QProcess::execute(pdftoppm, {QStringLiteral("-r"), QStringLiteral("144"), QStringLiteral("-png"),
                                         QStringLiteral("-singlefile"), pdfs.first().filePath(), page}),
            0);
  const QImage paper(page + QStringLiteral(".png"));
  ASSERT_FALSE(paper.isNull());
  // The page's margins move the sheet: the bold line is the upper half of
  // the ink, the regular line the lower.
  int top = paper.height(), bottom = -1;
  for (int y = 0; y < paper.height(); ++y)
    for (int x = 0; x < paper.width(); ++x)
      if (qGray(paper.pixel(x, y)) < 128) {
        top = std::min(top, y);
        bottom = std::max(bottom, y);
      }
  ASSERT_GT(bottom, top) << "nothing printed";
  auto rows = [&](int from, int to) {
    double sum = 0;
    for (int y = from; y < to; ++y)
      for (int x = 0; x < paper.width(); ++x) sum += 255 - qGray(paper.pixel(x, y));
    return sum;
  };
  const int middle = (top + bottom) / 2;
  const double bold = rows(top, middle), regular = rows(middle, bottom + 1);
  EXPECT_GT(regular, 0);
  EXPECT_GT(bold, 1.2 * regular) << "paper: bold " << bold << ", regular " << regular;
}

}  // namespace
}  // namespace qv
