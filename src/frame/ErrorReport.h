#pragma once
// The error report window: what failed, where and when, a description box
// for the user, and a picture of the window for an e-mail to support.
#include <QString>

#include "controls/Screen.h"

namespace qv {

class F8_ErrLog : public Screen {
 public:
  F8_ErrLog() : Screen(QStringLiteral("F8_ErrLog")) {}

  // Set before the window is shown.
  QString F8_App, F8_Module, F8_Form, F8_ErrNo, F8_ErrDesc;

  // The instruction text of the window, with the support address.
  static QString instructions();

 protected:
  void onLoad() override;
  void onKeyPress(Control& c, int& keyAscii) override;
  void onClick(Control& c) override;

 private:
  void cmdClip_Click();
  void cmdClearAndCopyForDocument_Click();
};

F8_ErrLog& errorReportScreen();

}  // namespace qv
