#pragma once
// A screen (a form of the original program): caption, size, colours, its
// controls in control order, its menus, the focus protocol and the input
// pipeline. Behaviour comes from subclasses overriding the event handlers.
// The view draws a screen and feeds it the user's input; tests drive it the
// same way without any window.
#include <QHash>
#include <QString>
#include <QVector>
#include <functional>
#include <memory>
#include <vector>

#include "controls/Control.h"
#include "controls/Menu.h"

namespace qv {

class Screen;

// The view listens to a screen through this.
class ScreenObserver {
 public:
  virtual ~ScreenObserver() = default;
  virtual void controlChanged(Control& c, Prop what) = 0;
  virtual void screenChanged(Screen& s) = 0;          // caption, size, colours, menus
  virtual void controlsRebuilt(Screen& s) = 0;        // loaded: a new set of controls
  virtual void screenUnloaded(Screen& s) = 0;         // controls are gone
};

// A document window's frame (twips): sizing borders of 4 pixels and a title
// bar of 19, as the desktop the screens were designed on drew them.
constexpr int DocumentFrameWidth = 120, DocumentFrameHeight = 405;

// Key codes and shift bits of the program's key events.
namespace keys {
constexpr int Back = 8, Tab = 9, Return = 13, Shift = 16, Control = 17, Escape = 27,
              Space = 32, PageUp = 33, PageDown = 34, End = 35, Home = 36, Left = 37,
              Up = 38, Right = 39, Down = 40, Insert = 45, Delete = 46,
              F1 = 112, F12 = 123;
constexpr int ShiftMask = 1, CtrlMask = 2, AltMask = 4;
constexpr int CtrlC = 3, CtrlV = 22, CtrlX = 24;  // KeyPress codes of the clipboard keys
}  // namespace keys

class Screen {
 public:
  explicit Screen(QString name);
  virtual ~Screen();
  Screen(const Screen&) = delete;
  Screen& operator=(const Screen&) = delete;

  const QString& name() const { return name_; }

  // ---- Appearance (twips, colours as in Control) ----
  const QString& caption() const { return caption_; }
  void setCaption(const QString& c);
  int left() const { return left_; }
  int top() const { return top_; }
  int width() const { return width_; }
  int height() const { return height_; }
  void setLeft(int v);
  void setTop(int v);
  void setWidth(int v);
  void setHeight(int v);
  void move(int left, int top);
  // Width and height are the window's outer size; its inside (twips), where
  // the controls lie, is that less the frame the window draws around it: a
  // document window's title bar and borders, the main window's menu bar and
  // docked panel. A layout file gives the inside, as a design file does.
  int scaleWidth() const;
  int scaleHeight() const;
  // Sizes the window so that its inside is this wide or high.
  void setInsideWidth(int v) { setWidth(v + frameWidth_); }
  void setInsideHeight(int v) { setHeight(v + frameHeight_); }
  int frameWidth() const { return frameWidth_; }
  int frameHeight() const { return frameHeight_; }
  void setFrame(int width, int height) { frameWidth_ = width; frameHeight_ = height; }
  Color backColor() const { return backColor_; }
  void setBackColor(Color c);
  const Font& font() const { return font_; }
  void setFont(const Font& f) { font_ = f; }
  const QString& icon() const { return icon_; }
  void setIcon(const QString& file);
  bool visible() const { return visible_; }
  void setVisible(bool v);
  // Minimized by the user with the window's own button: the window is shown
  // as its title bar only, until the program or the user restores it.
  bool minimized() const { return minimized_; }
  void setMinimized(bool m);
  // A child window of the main window (a document screen), not a dialog.
  bool isChild() const { return child_; }
  void setChild(bool c) { child_ = c; }
  // Fixed dialogs (message box, error report) have no resize border.
  bool fixedDialog() const { return fixedDialog_; }
  void setFixedDialog(bool f) { fixedDialog_ = f; }

  // ---- Controls ----
  // Adds a control at the end of the control order; the screen owns it.
  Control& add(std::unique_ptr<Control> c);
  const std::vector<Control*>& controls() const { return order_; }
  // Lookups ignore case. A name used as a control array needs its index.
  Control* find(const QString& name) const;
  Control* find(const QString& name, int index) const;
  bool has(const QString& name) const;
  // As find, but a missing control raises a program error (340 for a missing
  // array element, 438 for a missing member), for the caller's error trap.
  Control& ctl(const QString& name) const;
  Control& ctl(const QString& name, int index) const;
  // The members of a control array, by index.
  std::vector<Control*> array(const QString& name) const;
  // Controls inside a container, in control order.
  std::vector<Control*> children(const Control* container) const;

  // ---- Menus ----
  std::vector<std::unique_ptr<Menu>>& menus() { return menus_; }
  Menu* findMenu(const QString& name) const;
  // Chooses a menu item as the user does (only when it and its parents are enabled).
  bool chooseMenu(Menu& item);

  // ---- Life cycle ----
  bool loaded() const { return loaded_; }
  // Builds the controls (from the layout file unless a subclass builds them)
  // and raises Load. Does nothing when already loaded.
  void load();
  // Raises QueryUnload and Unload; unless cancelled, the controls are
  // discarded and the screen is no longer loaded. Returns whether it unloaded.
  bool unload();
  // Raises Activate (the view calls this when the window becomes active).
  void activate();
  // Which layout file `load` reads; by default the screen's name.
  virtual QString layoutName() const { return name_; }

  // ---- Focus protocol ----
  Control* activeControl() const { return active_; }
  // Moves the focus: Validate on the control losing it (Cancel keeps it
  // there), then LostFocus, then GotFocus. Handlers may move the focus again;
  // such moves are carried out after the current one, a bounded number of
  // times. Returns whether the focus ended on `target`.
  bool setFocus(Control& target);
  // Tab and Shift+Tab: the next visible, enabled tab stop by TabIndex.
  bool tabFocus(bool backwards);
  Control* nextTabStop(const Control* from, bool backwards) const;
  // Focus for the first time after showing: the first tab stop.
  void focusFirst();
  // Lets the focus go (the window loses the focus): LostFocus, no Validate.
  void dropFocus();
  // The box being typed in taken as leaving it would: Validate on the focused
  // control, the focus staying; false when the handler cancels. Only a control
  // whose text changed since it got the focus (or was last taken) is
  // validated, and a control taken so is not validated again when the focus
  // then leaves it unchanged: a command that takes the box must not run its
  // screen's handler twice, nor once for a box nobody typed in.
  bool validateActive();
  // True inside the Validate that validateActive raises: the focus is not
  // leaving, a command (a save) takes the box as it stands.
  bool validatingInPlace() const { return validatingInPlace_; }

  // ---- Input ----
  // A key as the user presses it on the focused control: KeyDown, then for a
  // character KeyPress (which may change or cancel it) and its default action,
  // then KeyUp. `ch` is the character the key types, 0 for none.
  void pressKey(int keyCode, int shift = 0, int ch = 0);
  // Types each character of `text` as a key press.
  void typeText(const QString& text);
  // A mouse click as the user makes it: windowed controls take the focus first
  // (when that is refused there is no click); then MouseDown, the control's
  // own action (check box toggles, option button chosen) and Click.
  void click(Control& c, int button = 1);
  // Choosing an entry of a combo box's list.
  void chooseListItem(Control& combo, int index);

  // ---- Observer ----
  void setObserver(ScreenObserver* o) { observer_ = o; }
  ScreenObserver* observer() const { return observer_; }

  // Called by controls when a property changes.
  void notifyChanged(Control& c, Prop what);

  // Every loaded screen, in the order they were loaded; the loaded one
  // activated last (activation order is kept, so closing a dialog gives the
  // screen under it back).
  static const std::vector<Screen*>& loadedScreens();
  static Screen* lastActivated();
  static const std::vector<Screen*>& activationOrder();
  // The screen whose focused control holds the keyboard: the one whose
  // control last took the focus, also when the focus moved there from
  // another screen's control (a command button of the main window, say).
  // The view gives the keyboard to it. Null when none does.
  static Screen* focusOwner();

 protected:
  // ---- Event handlers for subclasses ----
  virtual void buildControls();  // default: read the layout file
  virtual void onLoad() {}
  virtual void onActivate() {}
  virtual void onQueryUnload(bool& cancel) {}
  virtual void onUnload(bool& cancel) {}
  virtual void onGotFocus(Control&) {}
  virtual void onLostFocus(Control&) {}
  virtual void onValidate(Control&, bool& cancel) {}
  virtual void onKeyDown(Control&, int& keyCode, int shift) {}
  virtual void onKeyPress(Control&, int& keyAscii) {}
  virtual void onKeyUp(Control&, int& keyCode, int shift) {}
  virtual void onMouseDown(Control&, int button) {}
  virtual void onClick(Control&) {}
  // A text box's text or a label's caption changed.
  virtual void onChange(Control&) {}
  virtual void onMenu(Menu&) {}

 private:
  void defaultKeyAction(Control& c, int keyCode, int shift);
  void defaultCharAction(Control& c, int ch);
  void discardControls();
  void changed();
  bool moveFocusNow(Control& target);
  Control* buttonWith(bool (Control::*flag)() const) const;

  QString name_;
  QString caption_;
  int left_ = 0, top_ = 0, width_ = 4800, height_ = 3600;
  Color backColor_ = colors::ButtonFace;
  Font font_;
  QString icon_;
  bool visible_ = false;
  bool minimized_ = false;
  bool fixedDialog_ = false;
  bool child_ = false;
  int frameWidth_ = 0, frameHeight_ = 0;
  bool loaded_ = false;

  std::vector<std::unique_ptr<Control>> owned_;
  std::vector<Control*> order_;
  QHash<QString, std::vector<Control*>> byName_;  // lower-case name
  std::vector<std::unique_ptr<Control>> discarded_;  // kept until the next load
  std::vector<std::unique_ptr<Menu>> menus_;

  Control* active_ = nullptr;
  int focusDepth_ = 0;
  Control* pendingFocus_ = nullptr;
  bool inValidate_ = false;
  Control* untyped_ = nullptr;  // the focused control while its text is unchanged
  Control* taken_ = nullptr;    // the focused control, validated by validateActive
  bool validatingInPlace_ = false;
  bool lastMoveCancelled_ = false;
  ScreenObserver* observer_ = nullptr;
};

}  // namespace qv
