#pragma once
// The list of valid codes of one Schedule K-1 box, read from K1Help.inf: the
// user clicks a code, which goes back to the code cell with its override
// flag ("X": the amount that goes with the code is text, not money).
#include <QString>
#include <QStringList>

#include "controls/Screen.h"

namespace qv {

// One line of a K1Help.inf section: code|purpose {additional information}|flag.
struct K1Code {
  QString code, purpose, info, flag;
};
// Error 9 when the line has fewer than three fields.
K1Code parseK1HelpLine(const QString& line);
// The whole lines of a section as the 2048-character read returns them: a
// line cut off at the end is left out.
QStringList readK1HelpSection(const QString& section);
// The override flag the list gives the code in the section ("" when the code
// is not there or its amount is money).
QString k1CodeOverride(const QString& section, const QString& code);

class F6_K1Help : public Screen {
 public:
  F6_K1Help() : Screen(QStringLiteral("F6_K1Help")) {}

  QString F97_K1Key;       // in: the section to list
  QString F97_K1Box;       // out: the chosen code, "" for none
  QString F97_K1OverRide;  // out: its override flag

 protected:
  void onLoad() override;
  void onClick(Control& c) override;
  void onKeyPress(Control& c, int& keyAscii) override;

 private:
  void FG_Click(Control& grid);
};

F6_K1Help& k1HelpScreen();

}  // namespace qv
