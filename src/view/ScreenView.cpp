#include "view/ScreenView.h"

#include <QApplication>
#include <QComboBox>
#include <QHelpEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QTableWidget>
#include <QToolTip>

#include <algorithm>

#include "view/ControlWidgets.h"
#include "view/Guard.h"
#include "view/KeyMap.h"
#include "view/Units.h"

namespace qv {

namespace {

QPoint toTwips(QPointF pixels) {
  return QPoint(pixelsToTwips(int(pixels.x())), pixelsToTwips(int(pixels.y())));
}

QRectF toTwips(const QRect& pixels) {
  return QRectF(pixelsToTwips(pixels.x()), pixelsToTwips(pixels.y()), pixelsToTwips(pixels.width()),
                pixelsToTwips(pixels.height()));
}

bool isContainer(const Control& c) {
  return c.type() == ControlType::PictureBox || c.type() == ControlType::Frame ||
         c.type() == ControlType::TabControl;
}

// The keyboard to `w`, shown there: Qt's styles frame a focused option
// button, check box or list only in a window marked for keyboard use, and
// the model's focus moves (Tab included) come as the program's, which leave
// the window unmarked.
void giveKeyboard(QWidget* w) {
  w->window()->setAttribute(Qt::WA_KeyboardFocusChange);
  w->setFocus(Qt::OtherFocusReason);
}

}  // namespace

ScreenView::ScreenView(Screen& screen, QWidget* parent)
    : QWidget(parent), screen_(screen), painter_(screen, PaintOptions{false, false}) {
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  installEventFilter(this);
  screen_.setObserver(this);
  if (screen_.loaded()) buildWidgets();
}

ScreenView::~ScreenView() {
  destroying_ = true;
  if (screen_.observer() == this) screen_.setObserver(nullptr);
  // Delete the widgets while this object is whole: a focused widget going
  // away still sends events to its filter.
  const QList<QWidget*> kids = findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
  qDeleteAll(kids);
}

QWidget* ScreenView::widgetFor(const Control& c) const { return widgets_.value(&c, nullptr); }

QSize ScreenView::sizeHint() const {
  return QSize(twipsToPixels(screen_.scaleWidth()), twipsToPixels(screen_.scaleHeight()));
}

void ScreenView::routeKeysFrom(QWidget* window) {
  if (window) window->installEventFilter(this);
}

// ---- Widgets ----

QWidget* ScreenView::surfaceOf(const Control* container) const {
  if (!container) return const_cast<ScreenView*>(this);
  QWidget* w = widgetFor(*container);
  return w ? w : const_cast<ScreenView*>(this);
}

QWidget* ScreenView::makeWidget(Control& c) {
  QWidget* w = createControlWidget(c, painter_, surfaceOf(c.container()));
  if (!w) return nullptr;
  widgets_.insert(&c, w);
  owners_.insert(w, &c);
  if (auto* combo = qobject_cast<QComboBox*>(w)) {
    // A list entry chosen in the popup goes to the model, which decides.
    Control* control = &c;
    connect(combo, &QComboBox::activated, combo, [this, combo, control](int index) {
      if (!owners_.contains(combo)) return;
      guarded([&] { screen_.chooseListItem(*control, index); });
      if (owners_.contains(combo)) updateControlWidget(combo, *control, Prop::ListIndex);
      syncFocus();
    });
  }
  w->installEventFilter(this);
  if (QWidget* surface = inputSurface(w); surface != w) {
    owners_.insert(surface, &c);
    surface->installEventFilter(this);
  }
  return w;
}

void ScreenView::buildWidgets() {
  for (Control* c : screen_.controls())
    if (!c->isGraphical()) makeWidget(*c);
}

void ScreenView::dropWidgets() {
  // A handler of one of these widgets may still be on the stack.
  for (QWidget* w : std::as_const(widgets_)) {
    w->hide();
    w->removeEventFilter(this);
    w->deleteLater();
  }
  widgets_.clear();
  owners_.clear();
  dragging_ = nullptr;
  update();
}

// ---- Observer ----

void ScreenView::controlChanged(Control& c, Prop what) {
  if (destroying_ || c.screen() != &screen_ || !screen_.loaded()) return;
  if (what == Prop::Focus) {
    focusChanged(c);
    return;
  }
  if (c.isGraphical()) {
    // Pictures and self-sizing captions may reach past the control's rectangle.
    repaintGraphical(c, what == Prop::Geometry || what == Prop::Picture || c.autoSize());
    return;
  }
  QWidget* w = widgetFor(c);
  if (!w) {
    // A control added after the screen was built gets its widget now.
    const auto& all = screen_.controls();
    if (std::find(all.begin(), all.end(), &c) != all.end()) makeWidget(c);
    return;
  }
  updateControlWidget(w, c, what);
  if (!isContainer(c)) return;
  if (what == Prop::Tabs || what == Prop::Appearance) {
    // Pages shown or the border changed: the children follow.
    for (Control* kid : screen_.children(&c))
      if (QWidget* kw = widgetFor(*kid)) {
        updateControlWidget(kw, *kid, Prop::Visible);
        updateControlWidget(kw, *kid, Prop::Geometry);
      }
  }
}

void ScreenView::screenChanged(Screen&) {
  if (destroying_) return;
  updateGeometry();
  update();
  emit screenPropertiesChanged();
}

void ScreenView::controlsRebuilt(Screen&) {
  if (destroying_) return;
  dropWidgets();
  buildWidgets();
  updateGeometry();
  emit controlsReplaced();
}

void ScreenView::screenUnloaded(Screen&) {
  if (destroying_) return;
  dropWidgets();
  emit unloaded();
}

void ScreenView::repaintGraphical(const Control& c, bool wholeSurface) {
  QWidget* surface = surfaceOf(c.container());
  if (wholeSurface) {
    surface->update();
    return;
  }
  QRect r = ScreenPainter::rectOf(c);
  if (c.container()) r.translate(ScreenPainter::clientOffset(*c.container()));
  const QRect pixels(twipsToPixels(r.x()), twipsToPixels(r.y()), twipsToPixels(r.width()),
                     twipsToPixels(r.height()));
  surface->update(pixels.adjusted(-1, -1, 1, 1));
}

// ---- Focus ----

void ScreenView::focusChanged(Control& c) {
  Control* active = screen_.activeControl();
  if (active == &c) {
    if (QWidget* w = widgetFor(c)) {
      giveKeyboard(w);
      updateControlWidget(w, c, Prop::Selection);  // a line edit drops its selection on focus out
      emit focusMoved(w);
    }
  } else if (!active) {
    setFocus(Qt::OtherFocusReason);
  }
}

void ScreenView::syncFocus() {
  if (destroying_) return;
  // A command of this screen (a button of the row, say) may have moved the
  // focus to another screen's control: the keyboard stays there.
  if (Screen* owner = Screen::focusOwner(); owner && owner != &screen_ && owner->activeControl()) return;
  Control* active = screen_.activeControl();
  QWidget* target = active ? widgetFor(*active) : nullptr;
  if (!target) target = this;
  if (window()->focusWidget() == target && target->hasFocus()) return;
  giveKeyboard(target);
  if (active && target != this) updateControlWidget(target, *active, Prop::Selection);
}

// ---- Painting ----

void ScreenView::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  p.fillRect(event->rect(), qtColor(screen_.backColor()));
  if (!screen_.loaded()) return;
  p.setRenderHint(QPainter::TextAntialiasing);
  p.scale(1.0 / TwipsPerPixel, 1.0 / TwipsPerPixel);
  painter_.paintGraphical(p, nullptr, toTwips(event->rect()));
}

// ---- Input ----

bool ScreenView::eventFilter(QObject* watched, QEvent* event) {
  if (destroying_) return false;
  switch (event->type()) {
    case QEvent::ShortcutOverride:
      // Keys come as key presses for the model; Alt combinations stay the menus'.
      if (!(static_cast<QKeyEvent*>(event)->modifiers() & Qt::AltModifier)) {
        event->accept();
        return true;
      }
      return false;
    case QEvent::KeyPress:
      return keyPressed(static_cast<QKeyEvent*>(event));
    case QEvent::KeyRelease:
      return true;
    case QEvent::InputMethod: {
      const QString text = static_cast<QInputMethodEvent*>(event)->commitString();
      if (!text.isEmpty()) guarded([&] { screen_.typeText(text); });
      syncFocus();
      return true;
    }
    default:
      break;
  }

  QWidget* surface = qobject_cast<QWidget*>(watched);
  Control* c = owners_.value(watched, nullptr);
  const bool canvas = watched == this;
  if (!surface || (!c && !canvas)) return false;  // a window around the view
  const bool combo = c && c->type() == ControlType::ComboBox;

  switch (event->type()) {
    case QEvent::MouseButtonDblClick:
      // One press, one command: the second press of a double click does not
      // press a button again (a double-clicked Print prints one page).
      if (c && c->type() == ControlType::CommandButton) return true;
      return mousePressed(surface, c, static_cast<QMouseEvent*>(event));
    case QEvent::MouseButtonPress:
      return mousePressed(surface, c, static_cast<QMouseEvent*>(event));
    case QEvent::MouseMove:
      return mouseMoved(c, static_cast<QMouseEvent*>(event));
    case QEvent::MouseButtonRelease:
      dragging_ = nullptr;
      return !combo;
    case QEvent::Wheel:
      return combo;  // a combo box would change its entry by itself
    case QEvent::ContextMenu:
    case QEvent::DragEnter:
    case QEvent::Drop:
      return true;
    case QEvent::ToolTip: {
      auto* help = static_cast<QHelpEvent*>(event);
      const QString tip = toolTipAt(c, help->pos());
      if (tip.isEmpty()) QToolTip::hideText();
      else QToolTip::showText(help->globalPos(), tip, surface);
      return true;
    }
    default:
      return false;
  }
}

bool ScreenView::keyPressed(QKeyEvent* event) {
  const KeyStroke k = keyStroke(*event);
  if (k.keyCode != 0 || k.ch != 0) guarded([&] { screen_.pressKey(k.keyCode, k.shift, k.ch); });
  syncFocus();
  return true;
}

bool ScreenView::canvasPressed(const Control* container, QPoint twips) {
  Control* hit = painter_.graphicalAt(container, twips);
  if (!hit) return false;
  guarded([&] { screen_.click(*hit); });
  return true;
}

bool ScreenView::mousePressed(QWidget* surface, Control* c, QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    // Picture boxes hear the other buttons too (a licence photo goes to the
    // right-hand licence on a right click); everything else the left one only.
    const int button = event->button() == Qt::RightButton ? 2 : event->button() == Qt::MiddleButton ? 4 : 0;
    if (c && button && c->type() == ControlType::PictureBox) {
      guarded([&] { screen_.click(*c, button); });
      syncFocus();
    }
    return true;
  }
  const QPoint pos = event->position().toPoint();
  if (!c) {  // the screen's own canvas
    canvasPressed(nullptr, toTwips(event->position()));
    syncFocus();
    return true;
  }
  QPointer<QWidget> alive(surface);
  bool eaten = true;
  guarded([&] {
    switch (c->type()) {
      case ControlType::Frame:
      case ControlType::PictureBox:
      case ControlType::TabControl: {
        const QPoint twips = toTwips(event->position());
        if (canvasPressed(c, twips - ScreenPainter::clientOffset(*c))) return;
        if (c->type() != ControlType::TabControl) {
          screen_.click(*c);
          return;
        }
        const int tab = ScreenPainter::tabAt(*c, twips);
        if (tab < 0 || tab == c->currentTab()) return;
        // A tab chosen with the mouse: the focus first, then the page, then Click.
        screen_.setFocus(*c);
        if (screen_.activeControl() != c) return;
        c->setCurrentTab(tab);
        screen_.click(*c);
        return;
      }
      case ControlType::TextBox: {
        // The focus protocol first; the caret goes where the user clicked,
        // unless the click brought the focus in and GotFocus selected the
        // text for typing over; then MouseDown and Click.
        const bool entering = screen_.activeControl() != c;
        screen_.setFocus(*c);
        if (screen_.activeControl() != c || !alive) return;
        if (!entering || c->selLength() == 0) {
          const int at = textPositionAt(widgetFor(*c), *c, pos);
          c->select(at, 0);
          dragging_ = c;
          dragAnchor_ = at;
        }
        screen_.click(*c);
        return;
      }
      case ControlType::Grid: {
        // A click chooses the row under it, then the grid's Click.
        auto* table = qobject_cast<QTableWidget*>(widgetFor(*c));
        c->setGridRow(table ? table->rowAt(pos.y()) : -1);
        screen_.click(*c);
        return;
      }
      case ControlType::ComboBox:
        // Its list opens only when the focus could move to it.
        screen_.setFocus(*c);
        eaten = screen_.activeControl() != c;
        return;
      default: {
        auto* button = qobject_cast<QPushButton*>(surface);
        if (button) button->setDown(true);
        screen_.click(*c);
        if (button && alive) button->setDown(false);
        return;
      }
    }
  });
  syncFocus();
  return eaten;
}

bool ScreenView::mouseMoved(Control* c, QMouseEvent* event) {
  if (!c || c->type() != ControlType::TextBox) return false;
  if (dragging_ == c && (event->buttons() & Qt::LeftButton) && screen_.activeControl() == c) {
    const int at = textPositionAt(widgetFor(*c), *c, event->position().toPoint());
    guarded([&] { c->select(std::min(at, dragAnchor_), std::abs(at - dragAnchor_)); });
  }
  return true;
}

QString ScreenView::toolTipAt(Control* c, QPoint pos) const {
  if (c && !isContainer(*c)) return c->toolTip();
  QPoint twips = toTwips(QPointF(pos));
  if (c) twips -= ScreenPainter::clientOffset(*c);
  if (Control* hit = painter_.graphicalAt(c, twips)) return hit->toolTip();
  return c ? c->toolTip() : QString();
}

}  // namespace qv
