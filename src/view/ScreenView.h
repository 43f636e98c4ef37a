#pragma once
// Draws any model screen at its twips geometry and feeds the user's input
// into the model. The view's own canvas paints the graphical controls; each
// windowed control is a real Qt widget, a child of its container's widget.
// Keys, clicks and list choices go to the model first (its focus protocol
// and KeyPress decide); what the widgets show comes back through the
// screen's observer, so a widget never changes its text, focus or check
// state by itself.
#include <QHash>
#include <QWidget>

#include "controls/Screen.h"
#include "view/ScreenPainter.h"

class QKeyEvent;
class QMouseEvent;

namespace qv {

class ScreenView : public QWidget, public ScreenObserver {
  Q_OBJECT

 public:
  // Becomes the screen's observer; the screen must outlive the view.
  explicit ScreenView(Screen& screen, QWidget* parent = nullptr);
  ~ScreenView() override;

  Screen& screen() const { return screen_; }
  // The widget of a windowed control; nullptr for graphical controls.
  QWidget* widgetFor(const Control& c) const;
  // The screen's client area (scale width x scale height) in pixels.
  QSize sizeHint() const override;
  // Gives the keyboard focus to the widget of the model's focused control,
  // or to the view itself when no control has it; not while another
  // screen's control holds the keyboard (Screen::focusOwner).
  void syncFocus();
  // Keys that reach `window` (a window around the view) go to the model too.
  void routeKeysFrom(QWidget* window);

  // ScreenObserver
  void controlChanged(Control& c, Prop what) override;
  void screenChanged(Screen& s) override;
  void controlsRebuilt(Screen& s) override;
  void screenUnloaded(Screen& s) override;

 signals:
  void screenPropertiesChanged();  // caption, size, colours, menus
  void controlsReplaced();         // loaded again: new widgets
  void unloaded();                 // the screen unloaded; its widgets are gone
  void focusMoved(QWidget* widget);  // a control's widget took the focus

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildWidgets();
  void dropWidgets();
  QWidget* makeWidget(Control& c);
  QWidget* surfaceOf(const Control* container) const;
  void repaintGraphical(const Control& c, bool wholeSurface);
  void focusChanged(Control& c);
  bool keyPressed(QKeyEvent* event);
  bool mousePressed(QWidget* surface, Control* c, QMouseEvent* event);
  bool mouseMoved(Control* c, QMouseEvent* event);
  bool canvasPressed(const Control* container, QPoint twips);
  QString toolTipAt(Control* c, QPoint pos) const;

  Screen& screen_;
  ScreenPainter painter_;
  QHash<const Control*, QWidget*> widgets_;
  QHash<const QObject*, Control*> owners_;  // widget or its input surface -> control
  Control* dragging_ = nullptr;              // text box under a mouse selection
  int dragAnchor_ = 0;
  bool destroying_ = false;
};

}  // namespace qv
