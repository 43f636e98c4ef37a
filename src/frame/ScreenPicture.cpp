// The main window's picture command: the active screen prepared so that only
// the document shows, cropped to it with the paper look, copied to the
// clipboard, and put back as it was for further work.
#include "controls/Screen.h"
#include "engine/FieldKinds.h"
#include "engine/FormReset.h"
#include "files/ScreenClip.h"
#include "frame/ErrorTrap.h"
#include "frame/MainWindow.h"
#include "frame/MessageBox.h"
#include "frame/ProgramState.h"
#include "platform/Clock.h"
#include "runtime/Text.h"

namespace qv {

namespace {

bool isK1(const QString& code) { return code == u"K11041" || code == u"K11065" || code == u"K11120S"; }

// The two halves of the page in front of a K-1 screen.
std::pair<Control*, Control*> pageHalves(Screen& s) {
  const bool first = s.ctl(QStringLiteral("SSTab1")).currentTab() == 0;
  return {&s.ctl(first ? QStringLiteral("Pic1L") : QStringLiteral("Pic2L")),
          &s.ctl(first ? QStringLiteral("Pic1R") : QStringLiteral("Pic2R"))};
}

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
    int tabHeight = 0, tabWidth = 0;

    if (code == u"SSA1099") {
      screen.setHeight(8500);
    } else if (code == u"RRB1099") {
      screen.setHeight(9560);
    } else if (isK1(code)) {
      Control& tabs = screen.ctl(QStringLiteral("SSTab1"));
      tabHeight = tabs.height();
      tabWidth = tabs.width();
      tabs.setBackColor(colors::White);
      tabs.setTabHeight(1);
      auto [left, right] = pageHalves(screen);
      left->setTop(0);
      right->setTop(0);
      screen.setHeight(left->height());
      screen.setWidth(left->width() + right->width());
      left->setBackColor(colors::White);
      right->setBackColor(colors::White);
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
    } else if (isK1(code)) {
      Control& tabs = screen.ctl(QStringLiteral("SSTab1"));
      tabs.setHeight(tabHeight);
      tabs.setWidth(tabWidth);
      tabs.setTabHeight(295);
      auto [left, right] = pageHalves(screen);
      left->setTop(360);
      right->setTop(360);
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
      if (Control* status = screen.find(QStringLiteral("labelMisc"))) status->setVisible(true);
    }
  } catch (const ProgramError& e) {
    trapReport(logName, e);
  }
}

}  // namespace qv
