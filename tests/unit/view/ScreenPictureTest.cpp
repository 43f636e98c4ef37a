// The Clip command's picture on the desktop's clipboard: exactly the screen's
// inside as cut to its document, in display pixels, on white paper without
// the edit colours or the status line; the screen back to its size after.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QTemporaryDir>

#include "controls/Screen.h"
#include "engine/Positioning.h"
#include "frame/MainWindow.h"
#include "screens/Catalog.h"
#include "unit/engine/EngineTest.h"
#include "view/QtHost.h"
#include "view/ScreenPainter.h"
#include "view/Units.h"

namespace {

using qvtest::EngineTest;

// The scripted host with the desktop's clipboard.
class DesktopClipboard : public qv::ScriptedHost {
 public:
  bool copyScreenPicture(qv::Screen& screen) override {
    ScriptedHost::copyScreenPicture(screen);
    return desktop.copyScreenPicture(screen);
  }
  qv::QtHost desktop;
};

class ScreenPicture : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    qv::setHost(&clipboard_);
    shippedFormsInf();
    ASSERT_TRUE(main_.loaded() || (main_.load(), main_.loaded()));
  }
  void TearDown() override {
    if (form_ && form_->loaded()) form_->unload();
    qv::setHost(&host_);
    EngineTest::TearDown();
  }
  qv::Screen& open(const char* name) {
    form_ = qv::screenNamed(QLatin1String(name));
    EXPECT_TRUE(form_) << name;
    qv::Form_Position(*form_);
    return *form_;
  }
  // Types into a field and stays there, so it wears its focus colour.
  void typeInto(int index, const char* text) {
    qv::Control& f = form_->ctl(QStringLiteral("Text1"), index);
    form_->setFocus(f);
    form_->typeText(QLatin1String(text));
  }
  QImage clipped() {
    QGuiApplication::clipboard()->clear();
    qv::mainWindow().MDI_Clip();
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    EXPECT_TRUE(data && data->hasFormat(QStringLiteral("image/png")));
    return QGuiApplication::clipboard()->image();
  }

  qv::F0_MDI& main_ = qv::mainWindow();
  DesktopClipboard clipboard_;
  qv::Screen* form_ = nullptr;
};

TEST_F(ScreenPicture, IsTheDocumentAloneOnWhitePaper) {
  const struct {
    const char* screen;
    int field;          // typed into and left focused
    const char* text;
    const char* endsAt;  // the control whose bottom ends the picture
    int endsAtIndex;
  } cases[] = {
      {"TF_1099INT", 2, "1234.5", "myBorder", -1},
      {"TF_W2", 2, "50000", "myBorder", -1},
      {"TF_SSA1099", 0, "JANE DOE", "Label1", 33},
  };
  const QColor money = qv::qtColor(qvtest::kLegend[3]);
  for (const auto& c : cases) {
    qv::Screen& s = open(c.screen);
    typeInto(c.field, c.text);
    const int height = s.height(), width = s.scaleWidth();
    const qv::Control& end = c.endsAtIndex < 0 ? s.ctl(QLatin1String(c.endsAt)) : s.ctl(QLatin1String(c.endsAt), c.endsAtIndex);
    const QImage picture = clipped();
    ASSERT_FALSE(picture.isNull()) << c.screen;
    EXPECT_EQ(picture.size(), QSize(qv::twipsToPixels(width), qv::twipsToPixels(end.top() + end.height()))) << c.screen;
    EXPECT_EQ(s.height(), height) << c.screen << ": the window gets its height back";
    EXPECT_TRUE(s.ctl(QStringLiteral("labelMisc")).visible()) << c.screen;
    EXPECT_EQ(QColor(picture.pixel(1, 1)), QColor(Qt::white)) << c.screen << ": the paper is white";
    // The typed field is white on paper, however it looked on the screen (a
    // point at the end of the box its text does not reach).
    const qv::Control& f = s.ctl(QStringLiteral("Text1"), c.field);
    const int x = f.alignment() == qv::Align::Right ? f.left() + 90 : f.left() + f.width() - 90;
    const QPoint inside(qv::twipsToPixels(x), qv::twipsToPixels(f.top() + f.height() / 2));
    EXPECT_EQ(QColor(picture.pixel(inside)), QColor(Qt::white)) << c.screen;
    bool moneyColour = false;
    for (int y = 0; y < picture.height() && !moneyColour; ++y)
      for (int x = 0; x < picture.width(); ++x)
        if (QColor(picture.pixel(x, y)) == money) moneyColour = true;
    EXPECT_FALSE(moneyColour) << c.screen << ": an edit colour is on the paper";
    if (qEnvironmentVariableIsSet("QV_SAVE_PICTURES"))
      picture.save(QStringLiteral("%1/%2.png").arg(qEnvironmentVariable("QV_SAVE_PICTURES"), QLatin1String(c.screen)));
  }
}

// The "K-3 attached" box of the 1065 and 1120-S K-1s is on the paper also
// when it is not ticked: an empty box, as the check labels beside it are.
TEST_F(ScreenPicture, UntickedK3BoxShowsOnTheK1Pictures) {
  const struct {
    const char* screen;
    int xCell;
  } cases[] = {{"TF_K11065", 4}, {"TF_K11120S", 5}};
  for (const auto& c : cases) {
    qv::Screen& s = open(c.screen);
    const qv::Control& cell = s.ctl(QStringLiteral("Text5"), c.xCell);
    ASSERT_TRUE(cell.text().isEmpty()) << c.screen;
    // The half holding the cell lies at the top of the picture, the right one beside the left.
    const int left = s.ctl(QStringLiteral("Pic1L")).width() + cell.left();
    const QImage picture = clipped();
    ASSERT_FALSE(picture.isNull()) << c.screen;
    const int x0 = qv::twipsToPixels(left), x1 = qv::twipsToPixels(left + cell.width());
    const int y0 = qv::twipsToPixels(cell.top()), y1 = qv::twipsToPixels(cell.top() + cell.height());
    const int midX = (x0 + x1) / 2, midY = (y0 + y1) / 2;
    auto dark = [&](int x, int y) { return QColor(picture.pixel(x, y)).lightness() < 128; };
    EXPECT_TRUE(dark(x0 - 1, midY) && dark(x1, midY)) << c.screen << ": no left or right side";
    EXPECT_TRUE(dark(midX, y0 - 1) && dark(midX, y1)) << c.screen << ": no top or bottom side";
    EXPECT_FALSE(dark(midX, midY)) << c.screen << ": the box is not empty";
    if (qEnvironmentVariableIsSet("QV_SAVE_PICTURES"))
      picture.save(QStringLiteral("%1/%2.png").arg(qEnvironmentVariable("QV_SAVE_PICTURES"), QLatin1String(c.screen)));
  }
}

// The taxpayer sheet is cut below the taxpayers, or below the other persons
// once one of them is there (one number in the last row is enough).
TEST_F(ScreenPicture, TaxpayerSheetIsCutAtItsLastPartInUse) {
  qv::Screen& sheet = open("F5_TPInfo");
  typeInto(0, "JOHN DOE");
  const int width = qv::twipsToPixels(sheet.scaleWidth());
  auto bottom = [&](const char* shape) {
    const qv::Control& c = sheet.ctl(QLatin1String(shape));
    return qv::twipsToPixels(c.top() + c.height());
  };
  EXPECT_EQ(clipped().size(), QSize(width, bottom("Shape1")));
  sheet.ctl(QStringLiteral("Text1"), 31).setText(QStringLiteral("123-45-6789"));
  const QImage both = clipped();
  EXPECT_EQ(both.size(), QSize(width, bottom("Shape2")));
  if (qEnvironmentVariableIsSet("QV_SAVE_PICTURES"))
    both.save(QStringLiteral("%1/F5_TPInfo.png").arg(qEnvironmentVariable("QV_SAVE_PICTURES")));
}

// The card screen's picture holds the numbered cards alone, each on its
// background picture, cut after the lowest row and the rightmost column that
// hold one; a card with a name and no number is left out. All nine cards are
// there again afterwards.
TEST_F(ScreenPicture, CardsAreCutToTheNumberedOnes) {
  QTemporaryDir pictures;
  ASSERT_TRUE(pictures.isValid());
  const QColor socialSecurity(40, 80, 160), itin(40, 140, 80);
  for (const auto& [file, colour] : {std::pair{"SSN.jpg", socialSecurity}, std::pair{"ITIN.jpg", itin}}) {
    QImage background(282, 53, QImage::Format_RGB32);
    background.fill(colour);
    ASSERT_TRUE(background.save(pictures.filePath(QLatin1String(file)), "JPG", 100));
  }
  qv::state().PicturesFolder = pictures.path();
  qv::Screen& cards = open("F2_SS_ITIN");
  const int width = cards.width(), height = cards.height();
  typeInto(0, "123456789");
  typeInto(1, "JANE Q PUBLIC");
  typeInto(8, "912708765");
  typeInto(9, "JOHN DOE");
  typeInto(7, "NO NUMBER");
  const QImage screen = qv::renderScreen(cards);
  const QImage picture = clipped();

  auto frame = [&](int k) -> const qv::Control& { return cards.ctl(QStringLiteral("Frame1"), k); };
  EXPECT_EQ(picture.size(), QSize(qv::twipsToPixels(frame(4).left() + frame(4).width()),
                                  qv::twipsToPixels(frame(4).top() + frame(4).height())));
  // The middle of a card's background picture.
  auto background = [&](int k) {
    const qv::Control& image = cards.ctl(QStringLiteral("Image1"), k);
    return QColor(picture.pixel(qv::twipsToPixels(frame(k).left() + image.left() + image.width() / 2),
                                qv::twipsToPixels(frame(k).top() + image.top() + image.height() / 2)));
  };
  auto near = [](const QColor& a, const QColor& b) {
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue()) < 24;
  };
  EXPECT_TRUE(near(background(0), socialSecurity)) << background(0).name().toStdString();
  EXPECT_TRUE(near(background(4), itin)) << background(4).name().toStdString();
  for (int k : {1, 3}) EXPECT_EQ(background(k), QColor(Qt::white)) << "card " << k << " is on the paper";

  for (int k = 0; k < 9; ++k) EXPECT_TRUE(frame(k).visible()) << "card " << k;
  EXPECT_EQ(QSize(cards.width(), cards.height()), QSize(width, height));
  if (qEnvironmentVariableIsSet("QV_SAVE_PICTURES")) {
    screen.save(QStringLiteral("%1/F2_SS_ITIN-screen.png").arg(qEnvironmentVariable("QV_SAVE_PICTURES")));
    picture.save(QStringLiteral("%1/F2_SS_ITIN.png").arg(qEnvironmentVariable("QV_SAVE_PICTURES")));
  }
}

}  // namespace
