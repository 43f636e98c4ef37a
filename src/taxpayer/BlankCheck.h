#pragma once
// The blank check: a personal check facsimile with its printed furniture, the
// account holder typed or filled by Load TP, the bank, and the routing and
// account numbers on its bottom line. No tax year and no field edits.
#include "engine/FormScreen.h"

namespace qv {

class F4_CHK : public FormScreen {
 public:
  F4_CHK() : FormScreen(QStringLiteral("F4_CHK")) {}

 protected:
  void onLoad() override;
  // Every key, control combinations included, goes through the key filter.
  void onKeyPress(Control& c, int& keyAscii) override;
  // The back colour turns white again; the text keeps its colour.
  void onLostFocus(Control& c) override;
  // No edits of its own: leaving a field never reformats it nor keeps the focus.
  void onValidate(Control& c, bool& cancel) override;
};

}  // namespace qv
