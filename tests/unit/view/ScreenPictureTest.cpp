// The Clip command's picture on the desktop's clipboard: exactly the screen's
// inside as cut to its document, in display pixels, on white paper without
// the edit colours or the status line; the screen back to its size after.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>

#include "controls/Screen.h"
#include "engine/Positioning.h"
#include "frame/MainWindow.h"
#include "screens/Catalog.h"
#include "unit/engine/EngineTest.h"
#include "view/QtHost.h"
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
    QFile inf(QStringLiteral(":/inf/Forms.inf"));
    ASSERT_TRUE(inf.open(QIODevice::ReadOnly));
    formsInf(inf.readAll());
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
    const int height = s.height(), width = s.width();
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

// The taxpayer sheet is cut below the taxpayers, or below the other persons
// once one of them is there (one number in the last row is enough).
TEST_F(ScreenPicture, TaxpayerSheetIsCutAtItsLastPartInUse) {
  qv::Screen& sheet = open("F5_TPInfo");
  typeInto(0, "JOHN DOE");
  const int width = qv::twipsToPixels(sheet.width());
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

}  // namespace
