#include "view/ScreenWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHash>
#include <QIcon>
#include <QLayout>
#include <QProxyStyle>
#include <QWidget>

#include "view/Guard.h"
#include "view/Pictures.h"
#include "view/ScreenView.h"
#include "view/Units.h"

namespace qv {

namespace {

// A sub-window's title bar and borders as wide as the screen's frame, so that
// the window is the screen's outer size and its inside the screen's inside.
class FrameStyle : public QProxyStyle {
 public:
  FrameStyle(int border, int titleBar) : border_(border), titleBar_(titleBar) {}
  int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
    if (metric == PM_MdiSubWindowFrameWidth) return border_;
    if (metric == PM_TitleBarHeight) return titleBar_;  // the top border included
    return QProxyStyle::pixelMetric(metric, option, widget);
  }

 private:
  int border_, titleBar_;
};

bool hasFrame(const Screen& s) { return s.frameWidth() > 0 || s.frameHeight() > 0; }

// One style for each frame, for as long as the program runs.
QStyle* frameStyle(const Screen& s) {
  static QHash<QPair<int, int>, QStyle*> styles;
  const int border = twipsToPixels(s.frameWidth()) / 2;
  const int titleBar = twipsToPixels(s.frameHeight()) - border;
  QStyle*& style = styles[{border, titleBar}];
  if (!style) {
    style = new FrameStyle(border, titleBar);
    style->setParent(qApp);
  }
  return style;
}

}  // namespace

ScreenWindowBinding::ScreenWindowBinding(QWidget* window, ScreenView* view, Kind kind)
    : QObject(window), window_(window), view_(view), kind_(kind) {
  if (kind_ == Kind::MdiChild && hasFrame(view_->screen())) window_->setStyle(frameStyle(view_->screen()));
  window_->installEventFilter(this);
  connect(view_, &ScreenView::screenPropertiesChanged, this, &ScreenWindowBinding::apply);
  connect(view_, &ScreenView::unloaded, this, &ScreenWindowBinding::screenUnloaded);
}

void ScreenWindowBinding::apply() {
  Screen& s = view_->screen();
  window_->setWindowTitle(s.caption());
  if (s.icon() != icon_) {
    icon_ = s.icon();
    window_->setWindowIcon(icon_.isEmpty() ? QIcon() : QIcon(picturePath(icon_)));
  }
  // A document window is minimized and restored as its screen says; while
  // it is minimized its size waits for the restore.
  if (kind_ == Kind::MdiChild && s.loaded() && window_->isMinimized() != s.minimized()) {
    if (s.minimized()) window_->showMinimized();
    else window_->showNormal();
  }
  const QRect geometry(s.left(), s.top(), s.width(), s.height());
  if (geometry != applied_ && !window_->isMinimized()) {
    applied_ = geometry;
    const QPoint position(twipsToPixels(s.left()), twipsToPixels(s.top()));
    const QSize client = view_->sizeHint();
    switch (kind_) {
      case Kind::TopLevel:
        window_->resize(client);
        window_->move(position);
        break;
      case Kind::MdiChild:
        view_->resize(client);
        if (hasFrame(s)) window_->resize(twipsToPixels(s.width()), twipsToPixels(s.height()));
        else window_->adjustSize();  // the style's own frame around the inside
        window_->move(position);
        break;
      case Kind::Dialog:
        // Dialogs are placed by whoever shows them; a fixed one keeps its size.
        if (s.fixedDialog()) {
          window_->setFixedSize(client);
        } else {
          window_->setMinimumSize(0, 0);
          window_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
          window_->resize(client);
        }
        break;
    }
  }
  if (kind_ != Kind::Dialog && s.loaded() && window_->isVisible() != s.visible())
    window_->setVisible(s.visible());
}

bool ScreenWindowBinding::eventFilter(QObject* watched, QEvent* event) {
  if (watched != window_) return false;
  if (event->type() == QEvent::WindowStateChange && kind_ == Kind::MdiChild) {
    // The window's own buttons minimize and restore it: the screen follows.
    guarded([&] {
      if (view_->screen().loaded()) view_->screen().setMinimized(window_->isMinimized());
    });
    return false;
  }
  if (event->type() != QEvent::Close || closing_) return false;
  // The close box: the screen's QueryUnload and Unload decide.
  inCloseEvent_ = true;
  bool unloaded = false;
  guarded([&] { unloaded = view_->screen().unload(); });
  inCloseEvent_ = false;
  if (unloaded) {
    closing_ = true;
    return false;  // let this close go on
  }
  event->ignore();
  return true;
}

void ScreenWindowBinding::screenUnloaded() {
  if (closing_) return;
  closing_ = true;
  if (!inCloseEvent_) window_->close();
}

}  // namespace qv
