// The scenario's user acting through the real Qt widgets: clicks and keys are
// sent to the widgets, menus are opened on the real menu bar, and the
// keyboard is wherever the application's focus widget is.
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QMenu>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QTest>
#include <map>

#include "controls/AccessKeys.h"
#include "controls/Menu.h"
#include "controls/Screen.h"
#include "runner/Failure.h"
#include "runner/WidgetInput.h"
#include "view/ControlWidgets.h"
#include "view/MainWindowView.h"
#include "view/ScreenPainter.h"
#include "view/ScreenView.h"
#include "view/Units.h"

namespace qv::scenario {

namespace {

void settleEvents() {
  for (int i = 0; i < 3; ++i) {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
}

QString shown(const QString& caption) { return accessKeyCaption(caption).text.trimmed(); }

QAction* actionCaptioned(const QList<QAction*>& actions, const QString& caption) {
  for (QAction* a : actions)
    if (!a->isSeparator() && shown(a->text()) == caption.trimmed()) return a;
  return nullptr;
}

std::vector<ScreenView*> allViews() {
  std::vector<ScreenView*> views;
  for (QWidget* w : QApplication::allWidgets())
    if (auto* v = qobject_cast<ScreenView*>(w)) views.push_back(v);
  return views;
}

QPoint centreOf(const QRect& twips) {
  return QPoint(twipsToPixels(twips.x() + twips.width() / 2), twipsToPixels(twips.y() + twips.height() / 2));
}

class WidgetInput final : public UserInput {
 public:
  explicit WidgetInput(MainWindowView& window) : window_(window) {}

  void chooseMenu(Menu&, const QStringList& path) override {
    QMenuBar* bar = window_.menuBar();
    QAction* top = actionCaptioned(bar->actions(), path.value(0));
    if (!top || !top->menu()) fail(QStringLiteral("the menu bar has no menu ") + path.value(0));
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(top).center());
    settleEvents();
    QMenu* menu = top->menu();
    for (int i = 1; i < path.size(); ++i) {
      if (!menu->isVisible()) fail(QStringLiteral("the menu %1 did not open").arg(path[i - 1]));
      QAction* item = actionCaptioned(menu->actions(), path[i]);
      if (!item) fail(QStringLiteral("the menu shows no item ") + path[i]);
      if (!item->isEnabled()) {
        menu->close();
        fail(QStringLiteral("the menu item %1 is disabled").arg(path[i]));
      }
      QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
      settleEvents();
      if (item->menu()) menu = item->menu();
    }
  }

  void click(Control& c, int button) override {
    ScreenView* view = viewOf(*c.screen());
    const Qt::MouseButton qtButton = button == 2 ? Qt::RightButton : button == 4 ? Qt::MiddleButton : Qt::LeftButton;
    if (!c.isGraphical()) {
      QWidget* w = view->widgetFor(c);
      if (!w || !w->isVisible()) fail(QStringLiteral("%1 shows no widget").arg(c.displayName()));
      QWidget* surface = inputSurface(w);
      QTest::mouseClick(surface, qtButton, {}, surface->rect().center());
      return;
    }
    if (button != 1) fail(QStringLiteral("only the left button clicks %1").arg(c.displayName()));
    // Labels and images are painted by their container: the click goes there.
    QWidget* surface = c.container() ? view->widgetFor(*c.container()) : view;
    if (!surface) fail(QStringLiteral("the container of %1 shows no widget").arg(c.displayName()));
    QRect r = ScreenPainter::rectOf(c);
    if (c.container()) r.translate(ScreenPainter::clientOffset(*c.container()));
    QTest::mouseClick(surface, Qt::LeftButton, {}, centreOf(r));
  }

  void focus(Control& c) override {
    c.screen()->setFocus(c);
    settleEvents();
  }

  void type(const QString& text) override {
    for (const QChar ch : text) {
      QWidget* w = keyboardWidget();
      if (ch == u'\n') {
        QTest::keyClick(w, Qt::Key_Return);
      } else if (ch.unicode() > 127) {
        // Letters beyond ASCII come with the key of their Latin-1 code.
        const Qt::Key key = ch.unicode() <= 0xFF ? Qt::Key(ch.toUpper().unicode()) : Qt::Key_unknown;
        QTest::sendKeyEvent(QTest::Click, w, key, QString(ch), Qt::NoModifier);
      } else if (ch != u'\r') {
        QTest::keyClicks(w, QString(ch));
      }
    }
  }

  void key(const KeyName& k) override {
    Qt::KeyboardModifiers mods;
    if (k.shift & keys::ShiftMask) mods |= Qt::ShiftModifier;
    if (k.shift & keys::CtrlMask) mods |= Qt::ControlModifier;
    if (k.shift & keys::AltMask) mods |= Qt::AltModifier;
    static const std::map<QString, Qt::Key> named = {
        {"tab", Qt::Key_Tab},         {"enter", Qt::Key_Return},  {"return", Qt::Key_Return},
        {"backspace", Qt::Key_Backspace}, {"escape", Qt::Key_Escape}, {"esc", Qt::Key_Escape},
        {"delete", Qt::Key_Delete},   {"left", Qt::Key_Left},     {"right", Qt::Key_Right},
        {"up", Qt::Key_Up},           {"down", Qt::Key_Down},     {"home", Qt::Key_Home},
        {"end", Qt::Key_End},         {"pageup", Qt::Key_PageUp}, {"pagedown", Qt::Key_PageDown},
        {"space", Qt::Key_Space},     {"shift", Qt::Key_Shift},
    };
    QWidget* w = keyboardWidget();
    if (auto it = named.find(k.key); it != named.end()) {
      // Shift+Tab arrives as the back-tab key, as the desktop delivers it.
      const Qt::Key key = it->second == Qt::Key_Tab && (mods & Qt::ShiftModifier) ? Qt::Key_Backtab : it->second;
      QTest::keyClick(w, key, mods);
    } else if (k.key.size() > 1) {
      QTest::keyClick(w, Qt::Key(Qt::Key_F1 + k.key.mid(1).toInt() - 1), mods);
    } else {
      QTest::keyClick(w, k.key[0].toLatin1(), mods);
    }
  }

  void choose(Control& combo, int index) override {
    auto* box = qobject_cast<QComboBox*>(viewOf(*combo.screen())->widgetFor(combo));
    if (!box) fail(QStringLiteral("%1 shows no list").arg(combo.displayName()));
    QTest::mouseClick(box, Qt::LeftButton);
    settleEvents();
    QAbstractItemView* list = box->view();
    if (!list->isVisible()) fail(QStringLiteral("the list of %1 did not open").arg(combo.displayName()));
    // The open list takes no click right after it opened (a second click of
    // the opening one): the user picks the entry with the keys.
    QTest::keyClick(list, Qt::Key_Home);
    for (int i = 0; i < index; ++i) QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);
  }

  void closeWindow(Screen& screen) override {
    // A document screen's close box is on its sub-window, not the main window.
    if (&screen == &window_.screen()) window_.close();
    else if (QMdiSubWindow* sub = window_.subWindowFor(screen)) sub->close();
    else viewOf(screen)->window()->close();
  }

  void minimizeWindow(Screen& screen) override {
    QMdiSubWindow* sub = window_.subWindowFor(screen);
    if (!sub) fail(QStringLiteral("the screen %1 has no document window").arg(screen.name()));
    sub->showMinimized();  // what its minimize button does
  }

  Control* keyboardControl() override {
    // The control whose widget is the focus widget or holds it most closely.
    for (QWidget* w = QApplication::focusWidget(); w; w = w->parentWidget())
      for (ScreenView* v : allViews()) {
        if (!v->screen().loaded()) continue;
        for (Control* c : v->screen().controls())
          if (v->widgetFor(*c) == w) return c;
      }
    return nullptr;
  }

  bool focusShown(Control& c) override {
    // Qt's styles frame the focused option button, check box or list only in
    // a window marked for keyboard use: drawn both ways, the two must differ.
    QWidget* w = viewOf(*c.screen())->widgetFor(c);
    if (!w || !w->hasFocus()) return false;
    QWidget* window = w->window();
    const bool marked = window->testAttribute(Qt::WA_KeyboardFocusChange);
    const QImage seen = w->grab().toImage();
    window->setAttribute(Qt::WA_KeyboardFocusChange, false);
    const QImage unmarked = w->grab().toImage();
    window->setAttribute(Qt::WA_KeyboardFocusChange, marked);
    return seen != unmarked;
  }

  void settle() override { settleEvents(); }

 private:
  ScreenView* viewOf(const Screen& s) {
    if (&s == &window_.screen()) return window_.panel();
    for (ScreenView* v : allViews())
      if (&v->screen() == &s) return v;
    fail(QStringLiteral("the screen %1 has no window").arg(s.name()));
  }

  QWidget* keyboardWidget() {
    QWidget* w = QApplication::focusWidget();
    if (!w) fail(QStringLiteral("no widget has the keyboard focus"));
    return w;
  }

  MainWindowView& window_;
};

}  // namespace

std::unique_ptr<UserInput> widgetInput(MainWindowView& window) { return std::make_unique<WidgetInput>(window); }

}  // namespace qv::scenario
