#pragma once
// The main window: caption, icon, geometry and menu bar from the main screen;
// the main screen's picture boxes as a panel docked left (the button row and
// colour legend); the other screens as sub-windows of the MDI area.
#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <vector>

#include "controls/Screen.h"

class QAction;
class QMdiArea;
class QMdiSubWindow;
class QMenu;

namespace qv {

class ScreenView;

class MainWindowView : public QMainWindow {
  Q_OBJECT

 public:
  // May be made before the main screen loads: it builds itself on load.
  explicit MainWindowView(Screen& mainScreen, QWidget* parent = nullptr);
  ~MainWindowView() override;

  Screen& screen() const { return screen_; }
  ScreenView* panel() const { return panel_; }
  QMdiArea* mdiArea() const { return mdi_; }

  // Shows a screen as a sub-window (loading it first), or brings its
  // sub-window to the front.
  void showChild(Screen& child);
  QMdiSubWindow* subWindowFor(const Screen& child) const;
  // The keyboard to the control that holds it in the model (Screen::focusOwner).
  void giveKeyboard();
  ScreenView* viewFor(const Screen& child) const;

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void applyScreen();
  void layoutPanel();
  void followPanelHeight();
  std::vector<const Menu*> menuShape() const;
  void rebuildMenus();
  void refreshMenus();
  void fillMenu(QMenu* into, Menu& menu);
  QAction* track(QAction* action, Menu& menu);
  void menuChosen(QAction* action);
  void subWindowActivated(QMdiSubWindow* sub);
  void activateChild(Screen& child);
  // Scrolls the screens' area so that a focused field of a screen larger than
  // the area is in sight.
  void bringIntoView(QWidget* widget);
  void mainUnloaded();

  Screen& screen_;
  ScreenView* panel_ = nullptr;
  QMdiArea* mdi_ = nullptr;
  QRect applied_;  // the screen geometry (twips) last put on the window
  QString icon_;
  std::vector<const Menu*> menuShape_;
  QHash<QAction*, Menu*> actionMenus_;
  std::vector<QPointer<QMenu>> menus_;
  QHash<const Screen*, QPointer<QMdiSubWindow>> subs_;
  QHash<const Screen*, QPointer<ScreenView>> views_;
  Screen* lastActive_ = nullptr;
  bool closing_ = false;
  bool inCloseEvent_ = false;
};

}  // namespace qv
