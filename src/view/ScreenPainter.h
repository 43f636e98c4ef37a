#pragma once
// Paints a model screen with QPainter, vector only, in twips: the painter's
// unit is one twip (scale it by 1/15 for a 96 dpi image, by dpi/1440 for a
// printer). Graphical controls are painted in control order under the
// windowed ones, the way the desktop paints a form; containers clip and
// offset their children. The display uses the same code for its canvases, so
// a screen looks the same on the display, on paper and in a picture.
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRectF>

#include "controls/Screen.h"

class QPainter;

namespace qv {

// How a command button shows its state on the display; pictures and paper
// show buttons at rest.
struct ButtonState {
  bool pressed = false;  // held down: sunken, its content a pixel down and right
  bool focused = false;  // a black frame round the bevel and a dotted focus rectangle
};

struct PaintOptions {
  // Draw text boxes, buttons, combo boxes, frames ... as they look (print and
  // pictures); the display draws those as widgets.
  bool windowedControls = true;
  // Text boxes white instead of their edit colours, as on paper.
  bool whiteEditColors = false;
};

class ScreenPainter {
 public:
  explicit ScreenPainter(const Screen& screen, PaintOptions options = {});

  const Screen& screen() const { return screen_; }
  const PaintOptions& options() const { return options_; }

  // The client area: back colour, graphical controls, then the windowed ones.
  void paintScreen(QPainter& p) const;
  // The graphical controls directly inside `container` (nullptr: the screen),
  // in control order, in the container's child coordinates. An `area`
  // (twips, same coordinates) skips controls wholly outside it.
  void paintGraphical(QPainter& p, const Control* container, const QRectF& area = {}) const;
  // One control at its place in its container's child coordinates; a
  // container with everything inside it.
  void paintControl(QPainter& p, const Control& c) const;
  // A windowed control's own look (no children) filling `rect`.
  void paintFace(QPainter& p, const Control& c, const QRectF& rect) const;
  // A command button filling `rect`: face, bevel, picture and caption.
  void paintCommandButton(QPainter& p, const Control& c, const QRectF& rect, ButtonState state = {}) const;
  // A command button's picture and caption inside its border.
  void paintButtonContent(QPainter& p, const Control& c, const QRectF& rect) const;

  // Where a container's children start, from its top-left corner (twips).
  static QPoint clientOffset(const Control& container);
  // The height of a tab control's tab strip (twips, on the pixel grid).
  static int tabStripHeight(const Control& tabs);
  // Which tab a point of a tab control's strip falls on (twips from its
  // top-left corner), -1 for none.
  static int tabAt(const Control& tabs, QPoint point);
  // Where a text box's text lies when it fills `rect` (twips).
  static QRectF textBoxTextRect(const Control& box, const QRectF& rect);
  // A one-line box filling `rect` (twips): its inside, which cuts the text,
  // and its line of text, both where the display's box has them.
  static QRectF lineEditInside(const Control& box, const QRectF& rect);
  static QRectF lineEditLine(const Control& box, const QRectF& rect);
  // A grid column's width (twips); columns without one are 960 wide.
  static int gridColumnWidth(const Control& grid, int col);
  // A grid row's height (twips): its own, or the font's line with a little
  // room, at least 240.
  static int gridRowHeight(const Control& grid);
  // A grid column's horizontal alignment, from its alignment setting.
  static Qt::Alignment gridColumnAlignment(const Control& grid, int col);
  // Shows by itself: Visible, and on a tab control its page is up.
  static bool shown(const Control& c);
  // The control's rectangle in its container's child coordinates, on the
  // pixel grid (lines: the box of their end points).
  static QRect rectOf(const Control& c);
  // The topmost label or image under `point` (twips, child coordinates of
  // `container`) that takes clicks; nullptr for none.
  Control* graphicalAt(const Control* container, QPoint point) const;

 private:
  void paintLabel(QPainter& p, const Control& c) const;
  void paintShape(QPainter& p, const Control& c) const;
  void paintLine(QPainter& p, const Control& c) const;
  void paintImage(QPainter& p, const Control& c) const;
  // `area` (twips, the container's child coordinates) skips controls wholly outside it.
  void paintChildren(QPainter& p, const Control* container, const QRectF& area = {}) const;

  const Screen& screen_;
  PaintOptions options_;
};

// The screen's client area as an image of exactly its size in pixels.
QImage renderScreen(const Screen& screen, PaintOptions options = {});

}  // namespace qv
