#pragma once
// The Qt widgets that stand for a screen's windowed controls. Each shows what
// its control says and nothing else: they take no focus, clicks or keys by
// themselves (ScreenView routes those into the model) and are updated from
// the model one property at a time.
#include <QPoint>
#include <QPushButton>
#include <QWidget>

#include "controls/Control.h"

namespace qv {

class ScreenPainter;

// Command buttons: the classic bevel in the control's colour, then the
// picture above the caption, drawn as on paper.
class ButtonWidget : public QPushButton {
 public:
  ButtonWidget(Control& c, const ScreenPainter& painter, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  Control& control_;
  const ScreenPainter& painter_;
};

// Frames, picture boxes and tab controls: their look and their graphical
// children are painted; their windowed children are child widgets.
class ContainerWidget : public QWidget {
 public:
  ContainerWidget(Control& c, const ScreenPainter& painter, QWidget* parent);
  Control& control() const { return control_; }

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  Control& control_;
  const ScreenPainter& painter_;
};

// Makes the widget for a windowed control (nullptr for graphical ones), with
// every property applied.
QWidget* createControlWidget(Control& c, const ScreenPainter& painter, QWidget* parent);
// Applies one changed property (Focus is the caller's).
void updateControlWidget(QWidget* w, Control& c, Prop what);
// The widget that takes the mouse (a text edit's viewport, say), or w.
QWidget* inputSurface(QWidget* w);

// Text positions: the model keeps "\r\n" in multi-line text, the Qt text
// edit one character per line break.
int widgetTextPosition(const QString& modelText, int modelPos);
int modelTextPosition(const QString& modelText, int widgetPos);
// The model text position under `pos` (coordinates of inputSurface(w)).
int textPositionAt(QWidget* w, const Control& c, QPoint pos);

}  // namespace qv
