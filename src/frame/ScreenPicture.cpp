// The main window's picture command: the active screen prepared so that only
// the document shows, cropped to it with the paper look, copied to the
// clipboard, and put back as it was for further work.
#include "controls/Screen.h"
#include "engine/FieldKinds.h"
#include "engine/FormReset.h"
#include "engine/K1Paper.h"
#include "files/ScreenClip.h"
#include "frame/ErrorTrap.h"
#include "frame/MainWindow.h"
#include "frame/MessageBox.h"
#include "frame/ProgramState.h"
#include "platform/Clock.h"
#include "runtime/Text.h"

namespace qv {

namespace {

bool noCardShown(const Screen& cards) {
  for (const Control* card : cards.array(QStringLiteral("Frame1")))
    if (card->visible()) return false;
  return true;
}

}  // namespace

void F0_MDI::MDI_Clip() {
  ProgramState& s = state();
  if (s.CommandLine.contains(QLatin1String("error"), Qt::CaseInsensitive))
    raiseError(err::DivisionByZero, errorText(err::DivisionByZero));  // to the caller, as the word asks
  const QString logName = QStringLiteral("F0_MDI:MDI_Clip");
  try {
    Screen* active = activeChild();
    if (!active) raiseError(err::ObjectNotSet, errorText(err::ObjectNotSet));
    Screen& screen = *active;
    const QString code = uCase(screen.name().section(u'_', 1));
    const int height = screen.height(), width = screen.width();
    // Before the K-1 page is laid out as paper: the reset gives that look back too.
    rememberWorkingLook(screen);
    std::optional<K1ScreenLayout> k1;

    if (code == u"SSA1099") {
      screen.setHeight(8500);
    } else if (code == u"RRB1099") {
      screen.setHeight(9560);
    } else {
      k1 = layK1PageAsPaper(screen);
    }
    if (Control* status = screen.find(QStringLiteral("labelMisc"))) status->setVisible(false);

    // A card screen without a numbered card is cut down to nothing: no picture
    // of it replaces what the clipboard holds.
    bool noCard = false;
    if (Screen_Clip()) {
      noCard = code == u"SS_ITIN" && noCardShown(screen);
      if (!noCard) {
        clock::pause(500);
        CopyEntirePicture(screen);
        clock::pause(500);
      }
    }

    screen.setHeight(height);
    screen.setWidth(width);
    Form_Init_Reset();

    if (code == u"CONFIGURE") {
      screen.ctl(QStringLiteral("cbxPrinters")).SetFocus();
    } else if (k1) {
      restoreK1Page(screen, *k1);
    } else if (code == u"SS_ITIN") {
      Show_All_Cards(*s.CurrentForm);
      if (noCard)
        Show_MBX(logName, 800, QStringLiteral("No SS/ITIN card has a number: there is no card to copy."),
                 QStringLiteral("OK"), false, {}, {}, {}, 1);
      // The keyboard goes back to the card being filled.
      if (Control* field = screen.activeControl()) field->SetFocus();
    } else if (code == u"1099A") {
      for (Control* c : s.CurrentForm->controls()) {
        const bool tinted = (c->name() == u"Label1" && c->index() != 6) ||
                            c->name().startsWith(QLatin1String("ftr"), Qt::CaseInsensitive) ||
                            c->name().startsWith(QLatin1String("RTL"), Qt::CaseInsensitive);
        if (tinted) c->setBackColor(colors::ButtonFace);
      }
    } else {
      Control& first = screen.ctl(QStringLiteral("Text1"), 0);
      Control_Setup(first, false);
      first.SetFocus();
    }
    // Every screen gets its status line back: it is where field edits say
    // what is wrong, so a hidden one would leave a refused field unexplained.
    if (Control* status = screen.find(QStringLiteral("labelMisc"))) status->setVisible(true);
  } catch (const ProgramError& e) {
    trapReport(logName, e);
  }
}

}  // namespace qv
