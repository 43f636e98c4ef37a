#pragma once
// Keeps a window that shows one screen (a dialog, an MDI sub-window or a
// window of its own) in step with it: caption, icon and geometry come from
// the screen; the close box asks the screen to unload, which may refuse; the
// window closes once the screen has unloaded.
#include <QObject>
#include <QRect>
#include <QString>

class QWidget;

namespace qv {

class ScreenView;

class ScreenWindowBinding : public QObject {
  Q_OBJECT

 public:
  enum class Kind { TopLevel, MdiChild, Dialog };

  // Lives as long as `window`; `view` is the screen's view inside it (for a
  // top-level screen window, the window itself).
  ScreenWindowBinding(QWidget* window, ScreenView* view, Kind kind);

  ScreenView* view() const { return view_; }
  // Caption and icon always; position and size when the screen's changed.
  void apply();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void screenUnloaded();

  QWidget* window_;
  ScreenView* view_;
  Kind kind_;
  QRect applied_;  // the screen geometry (twips) last put on the window
  QString icon_;
  bool closing_ = false;
  bool inCloseEvent_ = false;
};

}  // namespace qv
