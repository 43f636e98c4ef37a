#include "view/MainWindowView.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QIcon>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>

#include <algorithm>

#include "view/Guard.h"
#include "view/Pictures.h"
#include "view/ScreenView.h"
#include "view/ScreenWindow.h"
#include "view/Units.h"

namespace qv {

namespace {
constexpr int kSysButtonFace = 15;

// A main window holds picture boxes only, each aligned to its left edge.
std::vector<Control*> panelBoxes(const Screen& s) {
  std::vector<Control*> out;
  for (Control* c : s.children(nullptr))
    if (c->type() == ControlType::PictureBox) out.push_back(c);
  return out;
}
}  // namespace

MainWindowView::MainWindowView(Screen& mainScreen, QWidget* parent)
    : QMainWindow(parent), screen_(mainScreen) {
  auto* central = new QWidget(this);
  auto* row = new QHBoxLayout(central);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(0);
  panel_ = new ScreenView(screen_, central);
  panel_->routeKeysFrom(this);
  panel_->installEventFilter(this);
  mdi_ = new QMdiArea(central);
  // The main window's back colour, the button face, behind the screens.
  mdi_->setBackground(systemColor(kSysButtonFace));
  // A screen larger than the area (the 1095-C) can be scrolled to.
  mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  row->addWidget(panel_);
  row->addWidget(mdi_, 1);
  setCentralWidget(central);

  connect(panel_, &ScreenView::screenPropertiesChanged, this, &MainWindowView::applyScreen);
  connect(panel_, &ScreenView::controlsReplaced, this, [this] {
    rebuildMenus();
    layoutPanel();
    applyScreen();
  });
  connect(panel_, &ScreenView::unloaded, this, &MainWindowView::mainUnloaded);
  connect(mdi_, &QMdiArea::subWindowActivated, this, &MainWindowView::subWindowActivated);

  rebuildMenus();
  layoutPanel();
  applyScreen();
}

MainWindowView::~MainWindowView() {
  // The sub-windows (those on their way out too) go while this window is
  // whole: their views stop observing their screens before the area goes.
  for (QMdiSubWindow* sub : mdi_->findChildren<QMdiSubWindow*>()) {
    sub->disconnect(this);
    delete sub;
  }
}

// ---- The window ----

void MainWindowView::applyScreen() {
  setWindowTitle(screen_.caption());
  if (screen_.icon() != icon_) {
    icon_ = screen_.icon();
    setWindowIcon(icon_.isEmpty() ? QIcon() : QIcon(picturePath(icon_)));
    // Every window of the program without an icon of its own shows this one.
    QApplication::setWindowIcon(windowIcon());
  }
  const QRect geometry(screen_.left(), screen_.top(), screen_.width(), screen_.height());
  if (geometry != applied_) {
    applied_ = geometry;
    // The window is the screen's width; its height is the inside below the
    // menu bar, with the bar on top. (The inside's width leaves out the panel
    // docked left, which the window holds.)
    move(twipsToPixels(screen_.left()), twipsToPixels(screen_.top()));
    resize(twipsToPixels(screen_.width()),
           twipsToPixels(screen_.scaleHeight()) + menuBar()->sizeHint().height());
  }
  refreshMenus();
}

void MainWindowView::layoutPanel() {
  int right = 0;
  for (Control* box : panelBoxes(screen_))
    if (box->visible()) right = std::max(right, box->left() + box->width());
  panel_->setFixedWidth(twipsToPixels(right));
  panel_->setVisible(right > 0);
  followPanelHeight();
}

void MainWindowView::followPanelHeight() {
  // Docked picture boxes run the full height of the window.
  if (isHidden()) return;  // never shown: not laid out yet
  const int height = panel_->height();
  guarded([&] {
    for (Control* box : panelBoxes(screen_))
      if (twipsToPixels(box->top() + box->height()) != height)
        box->setHeight(std::max(0, pixelsToTwips(height) - box->top()));
  });
}

bool MainWindowView::eventFilter(QObject* watched, QEvent* event) {
  if (watched == panel_ && event->type() == QEvent::Resize) followPanelHeight();
  return QMainWindow::eventFilter(watched, event);
}

void MainWindowView::closeEvent(QCloseEvent* event) {
  if (closing_) {
    event->accept();
    return;
  }
  bool unloaded = false;
  inCloseEvent_ = true;
  // The main screen closes the open screens itself; it may refuse.
  guarded([&] { unloaded = screen_.unload(); });
  inCloseEvent_ = false;
  if (unloaded) {
    closing_ = true;
    event->accept();
  } else {
    event->ignore();
  }
}

void MainWindowView::mainUnloaded() {
  if (closing_) return;
  closing_ = true;
  if (!inCloseEvent_) close();
}

// ---- Menus ----

std::vector<const Menu*> MainWindowView::menuShape() const {
  // Every menu in order, with a null after each list of items: two shapes are
  // equal only when the same menus stand in the same places.
  std::vector<const Menu*> shape;
  std::vector<std::pair<const std::vector<std::unique_ptr<Menu>>*, size_t>> stack;
  stack.push_back({&screen_.menus(), 0});
  while (!stack.empty()) {
    auto& [list, next] = stack.back();
    if (next == list->size()) {
      shape.push_back(nullptr);
      stack.pop_back();
      continue;
    }
    const Menu* m = (*list)[next++].get();
    shape.push_back(m);
    stack.push_back({&m->items, 0});
  }
  return shape;
}

QAction* MainWindowView::track(QAction* action, Menu& menu) {
  actionMenus_.insert(action, &menu);
  return action;
}

void MainWindowView::fillMenu(QMenu* into, Menu& menu) {
  connect(into, &QMenu::aboutToShow, this, &MainWindowView::refreshMenus);
  for (auto& item : menu.items) {
    if (item->separator) {
      track(into->addSeparator(), *item);
    } else if (!item->items.empty()) {
      QMenu* sub = into->addMenu(item->caption);
      track(sub->menuAction(), *item);
      fillMenu(sub, *item);
    } else {
      QAction* a = track(into->addAction(item->caption), *item);
      connect(a, &QAction::triggered, this, [this, a] { menuChosen(a); });
    }
  }
}

void MainWindowView::rebuildMenus() {
  QMenuBar* bar = menuBar();
  bar->clear();
  // A menu may be on screen while its own aboutToShow rebuilds the bar.
  for (auto& m : menus_)
    if (m) {
      m->hide();
      m->deleteLater();
    }
  menus_.clear();
  actionMenus_.clear();
  for (auto& top : screen_.menus()) {
    if (top->items.empty()) {
      QAction* a = track(bar->addAction(top->caption), *top);
      connect(a, &QAction::triggered, this, [this, a] { menuChosen(a); });
      continue;
    }
    auto* menu = new QMenu(top->caption, bar);
    menus_.emplace_back(menu);
    track(bar->addMenu(menu), *top);
    fillMenu(menu, *top);
  }
  menuShape_ = menuShape();
  refreshMenus();
}

void MainWindowView::refreshMenus() {
  if (menuShape() != menuShape_) {
    rebuildMenus();
    return;
  }
  for (auto it = actionMenus_.cbegin(); it != actionMenus_.cend(); ++it) {
    const Menu& m = *it.value();
    if (!m.separator && it.key()->text() != m.caption) it.key()->setText(m.caption);
    it.key()->setEnabled(m.enabled);
    it.key()->setVisible(m.visible);
  }
}

void MainWindowView::menuChosen(QAction* action) {
  if (menuShape() != menuShape_) {  // the menus changed under the action
    rebuildMenus();
    return;
  }
  Menu* m = actionMenus_.value(action, nullptr);
  if (m) guarded([&] { screen_.chooseMenu(*m); });
}

// ---- Child screens ----

QMdiSubWindow* MainWindowView::subWindowFor(const Screen& child) const {
  return subs_.value(&child).data();
}

ScreenView* MainWindowView::viewFor(const Screen& child) const { return views_.value(&child).data(); }

void MainWindowView::bringIntoView(QWidget* widget) {
  QWidget* area = mdi_->viewport();
  if (!widget || !area->isAncestorOf(widget)) return;
  const QRect r(widget->mapTo(area, QPoint(0, 0)), widget->size());
  const QRect seen = area->rect();
  constexpr int kMargin = 8;  // a little of the box's surroundings too
  auto scrollBy = [](QScrollBar* bar, int by) {
    if (by != 0) bar->setValue(bar->value() + by);
  };
  if (r.bottom() > seen.bottom()) scrollBy(mdi_->verticalScrollBar(), r.bottom() - seen.bottom() + kMargin);
  else if (r.top() < seen.top()) scrollBy(mdi_->verticalScrollBar(), r.top() - seen.top() - kMargin);
  if (r.right() > seen.right()) scrollBy(mdi_->horizontalScrollBar(), r.right() - seen.right() + kMargin);
  else if (r.left() < seen.left()) scrollBy(mdi_->horizontalScrollBar(), r.left() - seen.left() - kMargin);
}

void MainWindowView::giveKeyboard() {
  const Screen* owner = Screen::focusOwner();
  if (!owner || owner == &screen_) panel_->syncFocus();
  else if (ScreenView* view = viewFor(*owner)) view->syncFocus();
}

void MainWindowView::showChild(Screen& child) {
  if (!child.loaded()) guarded([&] { child.load(); });
  if (!child.loaded()) return;
  if (QMdiSubWindow* existing = subWindowFor(child)) {
    child.setVisible(true);
    existing->show();
    mdi_->setActiveSubWindow(existing);
    activateChild(child);
    return;
  }
  auto* sub = new QMdiSubWindow;
  sub->setAttribute(Qt::WA_DeleteOnClose);
  auto* view = new ScreenView(child, sub);
  sub->setWidget(view);
  view->routeKeysFrom(sub);
  connect(view, &ScreenView::focusMoved, this, &MainWindowView::bringIntoView);
  auto* binding = new ScreenWindowBinding(sub, view, ScreenWindowBinding::Kind::MdiChild);
  mdi_->addSubWindow(sub);
  subs_.insert(&child, sub);
  views_.insert(&child, view);
  const Screen* key = &child;
  // Unloaded, the screen's window is on its way out: loaded again, it gets a new one.
  auto forget = [this, key, sub] {
    if (subs_.value(key) != sub) return;
    subs_.remove(key);
    views_.remove(key);
    if (lastActive_ == key) lastActive_ = nullptr;
  };
  connect(view, &ScreenView::unloaded, this, forget);
  connect(sub, &QObject::destroyed, this, forget);
  child.setVisible(true);
  binding->apply();
  sub->show();
  mdi_->setActiveSubWindow(sub);
  activateChild(child);
}

void MainWindowView::subWindowActivated(QMdiSubWindow* sub) {
  if (!sub) return;
  for (auto it = subs_.cbegin(); it != subs_.cend(); ++it)
    if (it.value() == sub) {
      activateChild(*const_cast<Screen*>(it.key()));
      return;
    }
}

void MainWindowView::activateChild(Screen& child) {
  if (lastActive_ == &child) return;
  lastActive_ = &child;
  guarded([&] {
    child.activate();
    if (child.loaded() && !child.activeControl()) child.focusFirst();
  });
  if (ScreenView* view = viewFor(child)) view->syncFocus();
}

}  // namespace qv
