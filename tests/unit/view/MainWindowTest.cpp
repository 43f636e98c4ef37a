// The main window: its menu bar, its panel and the screens shown in it.
#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QApplication>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <functional>

#include "RecordingScreen.h"
#include "view/MainWindowView.h"
#include "view/ScreenView.h"
#include "view/Units.h"

namespace qv {
namespace {

using test::RecordingScreen;

const QByteArray kChild = R"({"screen": {"caption": "Child", "left": 1500, "top": 300, "width": 3000, "height": 2000},
"controls": [{"type": "TextBox", "name": "Text1", "index": 0, "left": 150, "top": 150, "width": 1500, "height": 330}]})";

// Flattens the bar: "Control>Open File", separators as "Control>-".
QStringList shownMenus(QMenuBar* bar) {
  QStringList out;
  std::function<void(const QString&, const QList<QAction*>&)> walk = [&](const QString& path, const QList<QAction*>& actions) {
    for (QAction* a : actions) {
      const QString here = path + (a->isSeparator() ? QStringLiteral("-") : a->text());
      out << here;
      if (a->menu()) walk(here + u'>', a->menu()->actions());
    }
  };
  walk(QString(), bar->actions());
  return out;
}

QStringList modelMenus(const std::vector<std::unique_ptr<Menu>>& menus, const QString& path = {}) {
  QStringList out;
  for (const auto& m : menus) {
    const QString here = path + (m->separator ? QStringLiteral("-") : m->caption);
    out << here;
    out << modelMenus(m->items, here + u'>');
  }
  return out;
}

QAction* actionNamed(QMenuBar* bar, const QString& text) {
  for (QAction* top : bar->actions())
    if (top->menu())
      for (QAction* a : top->menu()->actions())
        if (a->text() == text) return a;
  return nullptr;
}

class MainWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    main.load();  // the window was made first, as the program does
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  }
  RecordingScreen main{QStringLiteral("F0_MDI"), {}};  // the built-in layout
  MainWindowView window{main};
};

TEST_F(MainWindow, MenuBarShowsTheMainScreensMenus) {
  QMenuBar* bar = window.menuBar();
  const QStringList shown = shownMenus(bar);
  EXPECT_EQ(shown, modelMenus(main.menus()));
  EXPECT_EQ(bar->actions().size(), 7);
  // Qt reads "&&" as one ampersand, as the layout means it.
  EXPECT_TRUE(shown.contains("Control>Configure Social Security && Medicare Rates, Printer to Use"));

  QAction* print = actionNamed(bar, QStringLiteral("Print Form"));
  ASSERT_TRUE(print);
  print->trigger();
  EXPECT_EQ(main.events.filter("Menu:"), QStringList{"Menu:mnuControlPrint"});

  // The bar follows the model when a menu opens and when the screen changes.
  main.findMenu(QStringLiteral("mnuControlGuide"))->enabled = false;
  emit bar->actions().first()->menu()->aboutToShow();
  EXPECT_FALSE(actionNamed(bar, QStringLiteral("Display User Guide"))->isEnabled());
  main.findMenu(QStringLiteral("mnuW2Forms"))->visible = false;
  main.setCaption(QStringLiteral("Quorvane - Test - Velmora"));
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Quorvane - Test - Velmora"));
  EXPECT_FALSE(bar->actions().at(2)->isVisible());
}

TEST_F(MainWindow, PanelIsDockedLeftAtFullHeight) {
  EXPECT_EQ(window.panel()->width(), 121);
  const Control& panel = main.ctl(QStringLiteral("picLegends"));
  EXPECT_EQ(twipsToPixels(panel.height()), window.panel()->height());
  window.resize(window.width(), window.height() + 60);
  QApplication::processEvents();
  EXPECT_EQ(twipsToPixels(panel.height()), window.panel()->height());
  ASSERT_TRUE(window.panel()->widgetFor(main.ctl(QStringLiteral("txtLegend"), 9)));
}

TEST_F(MainWindow, ScreensShowOnTheButtonFaceUnderTheEditionsIcon) {
  EXPECT_EQ(window.mdiArea()->background().color(), systemColor(15));
  const QString icon = QDir(QStringLiteral(QV_PROGRAM_DIR)).filePath(QStringLiteral("Velmora.ICO"));
  ASSERT_TRUE(QFile::exists(icon));
  main.setIcon(icon);
  RecordingScreen child(QStringLiteral("TF_Child"), kChild);
  window.showChild(child);
  const QIcon shown = window.subWindowFor(child)->windowIcon();
  ASSERT_FALSE(shown.isNull()) << "a screen without an icon of its own shows the edition's";
  EXPECT_EQ(shown.pixmap(16).toImage(), window.windowIcon().pixmap(16).toImage());
  child.unload();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST_F(MainWindow, ChildScreensLiveInSubWindows) {
  RecordingScreen child(QStringLiteral("TF_Child"), kChild);
  window.showChild(child);
  QPointer<QMdiSubWindow> sub = window.subWindowFor(child);
  ASSERT_TRUE(sub);
  EXPECT_EQ(sub->windowTitle(), QStringLiteral("Child"));
  EXPECT_EQ(sub->pos(), QPoint(100, 20));
  EXPECT_EQ(window.viewFor(child)->size(), QSize(200, 133));
  EXPECT_EQ(child.events.filter("Activate").size(), 1);
  EXPECT_EQ(child.activeControl(), &child.ctl(QStringLiteral("Text1"), 0)) << "the first tab stop";

  child.refuseUnload = true;
  sub->close();
  EXPECT_TRUE(child.loaded());
  EXPECT_TRUE(sub->isVisible());

  child.refuseUnload = false;
  sub->close();
  EXPECT_FALSE(child.loaded());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FALSE(sub);
  EXPECT_FALSE(window.subWindowFor(child));

  // Unloaded by the program: its window closes too.
  window.showChild(child);
  sub = window.subWindowFor(child);
  ASSERT_TRUE(sub);
  child.unload();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FALSE(sub);
}

TEST_F(MainWindow, TheCloseBoxAsksTheMainScreenWhichMayRefuse) {
  // The main screen closes the open screens itself (its QueryUnload); the
  // window only follows what the screen decided.
  RecordingScreen child(QStringLiteral("TF_Child"), kChild);
  window.showChild(child);
  main.refuseUnload = true;
  EXPECT_FALSE(window.close());
  EXPECT_TRUE(main.events.contains("QueryUnload"));
  EXPECT_TRUE(main.loaded());
  EXPECT_TRUE(window.isVisible());

  main.refuseUnload = false;
  EXPECT_TRUE(window.close());
  EXPECT_FALSE(main.loaded());
  child.unload();
  // The child's closed window goes before the child does (a view never outlives its screen).
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace
}  // namespace qv
