#include "taxpayer/BlankCheck.h"

#include "engine/FormInit.h"
#include "engine/KeyFilter.h"
#include "frame/ErrorTrap.h"

namespace qv {

void F4_CHK::onLoad() {
  trap(QStringLiteral("F4_CHK:Form_Load"), [&] { Form_Init(*this); });
}

void F4_CHK::onKeyPress(Control& c, int& keyAscii) {
  if (isField(c)) Key_Press(c, keyAscii);
}

void F4_CHK::onLostFocus(Control& c) {
  if (isField(c)) c.setBackColor(colors::White);
}

void F4_CHK::onValidate(Control&, bool&) {}

}  // namespace qv
