// Every screen opened in the main window at its start-up size. A screen's
// Width and Height are its window's outer size, title bar and borders
// included; its controls lie inside what is left (ScaleWidth x ScaleHeight).
// A screen whose window fits the main window's area shows whole, without
// scroll bars; one larger than the area can be scrolled to.
#include <gtest/gtest.h>

#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QTest>

#include "controls/Layout.h"
#include "controls/Screen.h"
#include "engine/Positioning.h"
#include "frame/Configure.h"
#include "frame/MainWindow.h"
#include "screens/Catalog.h"
#include "unit/engine/EngineTest.h"
#include "view/MainWindowView.h"
#include "view/ScreenView.h"
#include "view/Units.h"

// Rectangles and sizes in the failure messages.
void PrintTo(const QRect& r, std::ostream* os) {
  *os << r.x() << "," << r.y() << " " << r.width() << "x" << r.height();
}
void PrintTo(const QSize& s, std::ostream* os) { *os << s.width() << "x" << s.height(); }

namespace {

using qvtest::EngineTest;

// The windows shown modally: they are windows of their own, not in the area.
const QStringList kDialogs = {QStringLiteral("F6_K1Help"), QStringLiteral("F7_Save"), QStringLiteral("F8_ErrLog"),
                              QStringLiteral("F9_MBX")};
// The screens larger than the area: the 1095-A's thirteen monthly rows make
// it taller, the 1095-C is wider and taller.
const QStringList kLargerThanTheArea = {QStringLiteral("TF_1095A"), QStringLiteral("TF_1095C")};

QStringList layoutNames() {
  QStringList names;
  for (const QString& file : QDir(QStringLiteral(":/screens")).entryList({QStringLiteral("*.json")}))
    names << file.chopped(5);
  return names;
}

// Every control directly on the screen lies inside its window's inside.
void expectInside(const qv::Screen& s) {
  const QRect inside(0, 0, s.scaleWidth(), s.scaleHeight());
  for (const qv::Control* c : s.children(nullptr)) {
    const QRect place = c->type() == qv::ControlType::Line
                            ? QRect(QPoint(std::min(c->x1(), c->x2()), std::min(c->y1(), c->y2())),
                                    QPoint(std::max(c->x1(), c->x2()), std::max(c->y1(), c->y2())))
                            : QRect(c->left(), c->top(), c->width(), c->height());
    EXPECT_TRUE(inside.adjusted(0, 0, 1, 1).contains(place))
        << s.name().toStdString() << ": " << c->displayName().toStdString() << " reaches "
        << place.right() << "," << place.bottom() << " outside " << inside.width() << "x" << inside.height();
  }
}

class ScreenFit : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    shippedFormsInf();
    main_.load();
    ASSERT_TRUE(main_.loaded());
    window_ = std::make_unique<qv::MainWindowView>(main_);
    window_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
  }
  void TearDown() override {
    for (qv::Screen* s : std::vector<qv::Screen*>(qv::Screen::loadedScreens()))
      if (s != &main_) s->unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    window_.reset();
    main_.unload();
    EngineTest::TearDown();
  }
  qv::Screen& screen(const QString& name) {
    if (name == u"F1_Configure") return qv::configureScreen();
    qv::Screen* s = qv::screenNamed(name);
    EXPECT_TRUE(s) << name.toStdString();
    return *s;
  }

  qv::F0_MDI& main_ = qv::mainWindow();
  std::unique_ptr<qv::MainWindowView> window_;
};

TEST_F(ScreenFit, EveryScreenShowsWholeInTheMainWindowAtItsStartUpSize) {
  using qv::twipsToPixels;
  QMdiArea* area = window_->mdiArea();
  ASSERT_EQ(area->viewport()->size(), QSize(twipsToPixels(main_.scaleWidth()), twipsToPixels(main_.scaleHeight())));
  for (const QString& name : layoutNames()) {
    if (name == u"F0_MDI" || kDialogs.contains(name)) continue;
    SCOPED_TRACE(name.toStdString());
    qv::Screen& s = screen(name);
    qv::Form_Position(s);  // sizes and places it as the program does
    ASSERT_TRUE(s.loaded());
    window_->showChild(s);
    QTest::qWait(20);  // the area settles its scroll bars
    expectInside(s);

    QMdiSubWindow* sub = window_->subWindowFor(s);
    ASSERT_TRUE(sub);
    EXPECT_EQ(sub->geometry(), QRect(twipsToPixels(s.left()), twipsToPixels(s.top()), twipsToPixels(s.width()),
                                     twipsToPixels(s.height())))
        << "the window's outer size is the screen's";
    EXPECT_EQ(window_->viewFor(s)->size(), QSize(twipsToPixels(s.scaleWidth()), twipsToPixels(s.scaleHeight())))
        << "the screen is drawn in the window's inside";

    const bool fits = s.width() <= main_.scaleWidth() && s.height() <= main_.scaleHeight();
    EXPECT_EQ(fits, !kLargerThanTheArea.contains(name)) << s.width() << "x" << s.height();
    const bool scrolls = area->horizontalScrollBar()->isVisible() || area->verticalScrollBar()->isVisible();
    EXPECT_EQ(scrolls, !fits);
    if (fits) {
      EXPECT_TRUE(area->viewport()->rect().contains(sub->geometry()));
    }
    s.unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
}

TEST(ModalWindows, KeepEveryControlInside) {
  for (const QString& name : kDialogs) {
    qv::Screen dialog(name);
    QString error;
    ASSERT_TRUE(qv::layout::load(dialog, name, &error)) << error.toStdString();
    expectInside(dialog);
  }
}

}  // namespace
