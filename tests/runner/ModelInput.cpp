// The scenario's user acting on the model directly, as the view hands input on.
#include <map>

#include "controls/Screen.h"
#include "frame/MainWindow.h"
#include "runner/Failure.h"
#include "runner/Input.h"

namespace qv::scenario {

namespace {

// The screen that takes typed keys: the one holding the keyboard, else the
// window activated last.
Screen& keyboardScreen() {
  if (Screen* owner = Screen::focusOwner(); owner && owner->loaded() && owner->activeControl()) return *owner;
  if (Screen* s = Screen::lastActivated()) return *s;
  return mainWindow();
}

class ModelInput final : public UserInput {
 public:
  void chooseMenu(Menu& item, const QStringList&) override { mainWindow().chooseMenu(item); }
  void click(Control& c, int button) override { c.screen()->click(c, button); }
  void focus(Control& c) override { c.screen()->setFocus(c); }
  void type(const QString& text) override { keyboardScreen().typeText(text); }

  void key(const KeyName& k) override {
    static const std::map<QString, int> named = {
        {"tab", keys::Tab},        {"enter", keys::Return},   {"return", keys::Return},
        {"backspace", keys::Back}, {"escape", keys::Escape},  {"esc", keys::Escape},
        {"delete", keys::Delete},  {"left", keys::Left},      {"right", keys::Right},
        {"up", keys::Up},          {"down", keys::Down},      {"home", keys::Home},
        {"end", keys::End},        {"pageup", keys::PageUp},  {"pagedown", keys::PageDown},
        {"space", keys::Space},    {"shift", keys::Shift},
    };
    int code = 0, ch = 0;
    if (auto it = named.find(k.key); it != named.end()) {
      code = it->second;
      if (code == keys::Space) ch = ' ';
    } else if (k.key.size() > 1) {  // F1 .. F12
      code = keys::F1 + k.key.mid(1).toInt() - 1;
    } else {
      const QChar c = k.key[0];
      code = c.toUpper().unicode();
      if (k.shift & keys::CtrlMask) ch = c.isLetter() ? c.toUpper().unicode() - 'A' + 1 : 0;
      else ch = c.unicode();
    }
    keyboardScreen().pressKey(code, k.shift, ch);
  }

  void choose(Control& combo, int index) override { combo.screen()->chooseListItem(combo, index); }
  void closeWindow(Screen& screen) override { screen.unload(); }
  void minimizeWindow(Screen& screen) override { screen.setMinimized(true); }

  Control* keyboardControl() override { return keyboardScreen().activeControl(); }
};

}  // namespace

std::unique_ptr<UserInput> modelInput() { return std::make_unique<ModelInput>(); }

}  // namespace qv::scenario
