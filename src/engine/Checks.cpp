#include "engine/Checks.h"

#include "controls/Control.h"

namespace qv {

void Check_Toggle(Control& label) {
  label.setCaption(label.caption().isEmpty() ? QStringLiteral("X") : QString());
}

void Check_Toggle_Pair(Control& label, Control& partner) {
  if (!label.caption().isEmpty()) {
    label.setCaption(QString());
    return;
  }
  label.setCaption(QStringLiteral("X"));
  partner.setCaption(QString());
}

}  // namespace qv
