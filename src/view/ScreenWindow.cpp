#include "view/ScreenWindow.h"

#include <QCloseEvent>
#include <QIcon>
#include <QLayout>
#include <QWidget>

#include "view/Guard.h"
#include "view/Pictures.h"
#include "view/ScreenView.h"
#include "view/Units.h"

namespace qv {

ScreenWindowBinding::ScreenWindowBinding(QWidget* window, ScreenView* view, Kind kind)
    : QObject(window), window_(window), view_(view), kind_(kind) {
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
        window_->adjustSize();
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
