#include "engine/FormScreen.h"

#include "engine/FieldEdits.h"
#include "engine/FieldKinds.h"
#include "engine/FormInit.h"
#include "engine/KeyFilter.h"
#include "frame/MainWindow.h"
#include "frame/ProgramState.h"
#include "runtime/Text.h"

namespace qv {

bool FormScreen::isField(const Control& c) {
  return c.type() == ControlType::TextBox && c.inArray() && sameText(c.name(), QLatin1String("Text1"));
}

void FormScreen::onActivate() { makeCurrentForm(*this); }

void FormScreen::onUnload(bool&) {
  if (state().CurrentForm != this) return;
  if (Screen* below = mainWindow().activeChild(this)) makeCurrentForm(*below);
}

void FormScreen::onGotFocus(Control& c) {
  if (isField(c)) Control_Setup(c, false);
}

void FormScreen::onKeyPress(Control& c, int& keyAscii) {
  if (!isField(c) || keyAscii == keys::CtrlV || keyAscii == keys::CtrlC) return;
  Key_Press(c, keyAscii);
}

void FormScreen::onLostFocus(Control& c) {
  if (!isField(c)) return;
  c.setBackColor(colors::White);
  c.setForeColor(colors::Black);
}

void FormScreen::onValidate(Control& c, bool& cancel) {
  if (isField(c) && !EditCtl(c)) cancel = true;
}

}  // namespace qv
