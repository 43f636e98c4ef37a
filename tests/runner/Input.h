#pragma once
// How a scenario's user reaches the program: straight into the model (its
// focus protocol and key events, as the view would hand them on), or through
// the real Qt widgets on the offscreen platform, where the keyboard focus is
// the application's focus widget. The same steps run both ways; a step that
// passes one way and fails the other is a fault of the view.
#include <QString>
#include <QStringList>
#include <memory>

namespace qv {
class Control;
class Menu;
class Screen;
}  // namespace qv

namespace qv::scenario {

// A key as the `key` step names it: "Tab", "Shift+Tab", "F12", "Ctrl+V", "a".
struct KeyName {
  QString key;    // lower-cased name, or the single character as written
  int shift = 0;  // keys::ShiftMask | CtrlMask | AltMask
};
// Throws a Failure for a name it does not know.
KeyName parseKeyName(const QString& name);

class UserInput {
 public:
  virtual ~UserInput() = default;
  // `path` are the captions from the menu bar down to the item.
  virtual void chooseMenu(Menu& item, const QStringList& path) = 0;
  // `button` as the program numbers them: 1 left, 2 right, 4 middle.
  virtual void click(Control& c, int button) = 0;
  // The user puts the focus into a control (the model's SetFocus in both
  // ways; through the widgets the keyboard must follow it).
  virtual void focus(Control& c) = 0;
  virtual void type(const QString& text) = 0;
  virtual void key(const KeyName& k) = 0;
  virtual void choose(Control& combo, int index) = 0;
  // Closes a screen's window by its close box.
  virtual void closeWindow(Screen& screen) = 0;
  // Minimizes a document screen's window by its own button.
  virtual void minimizeWindow(Screen& screen) = 0;
  // The control that has the keyboard; nullptr for none.
  virtual Control* keyboardControl() = 0;
  // Whether the control with the keyboard shows it: through the widgets, Qt
  // draws its focus frame; the model has no picture, so there it does.
  virtual bool focusShown(Control& c) {
    (void)c;
    return true;
  }
  // Lets the windows catch up after a step (repaints, deferred deletes).
  virtual void settle() {}
};

std::unique_ptr<UserInput> modelInput();

}  // namespace qv::scenario
