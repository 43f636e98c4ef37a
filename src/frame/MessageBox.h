#pragma once
// The program's own modal message box: title, message, up to four captioned
// buttons (1 rightmost), an optional input box and a default button marked
// green. The answer is the pressed button's caption, in MbxAnswer.
#include <QString>
#include <QStringList>

#include "controls/Screen.h"

namespace qv {

void Show_MBX(const QString& title, int messageNumber, const QString& message,
              const QString& button1, bool input, const QString& button2,
              const QString& button3, const QString& button4, int defaultButton);

// The message as the box lays it out: lines trimmed, long lines broken once
// at the last blank within 50 characters, every piece followed by CR.
QString mbxCaption(const QString& message);

class F9_MBX : public Screen {
 public:
  F9_MBX() : Screen(QStringLiteral("F9_MBX")) {}

 protected:
  void onLoad() override;
  void onActivate() override;
  void onClick(Control& c) override;
  void onKeyDown(Control& c, int& keyCode, int shift) override;

 private:
  int loadedLabelHeight_ = 0;
  bool laidOut_ = false;  // the box grows once per showing, however often it is activated
};

F9_MBX& messageBoxScreen();

}  // namespace qv
