#include "engine/K1Handlers.h"

#include "controls/Screen.h"
#include "engine/FieldEdits.h"
#include "engine/FieldKinds.h"
#include "engine/KeyFilter.h"
#include "frame/ErrorTrap.h"
#include "frame/ProgramState.h"
#include "platform/Host.h"
#include "runtime/Text.h"
#include "screens/K1Help.h"

namespace qv {

namespace {

void showPage(Screen& screen, int page) {
  if (Control* tabs = screen.find(QStringLiteral("SSTab1")))
    if (tabs->currentTab() != page) tabs->setCurrentTab(page);
}

}  // namespace

bool isCodeCell(const Control& cell) {
  return cell.tag().left(6).compare(QLatin1String("K1HELP"), Qt::CaseInsensitive) == 0;
}

bool isK1ShortId(const QString& shortId) {
  return shortId == u"K11041" || shortId == u"K11065" || shortId == u"K11120S";
}

void K1_SaveInfo(Screen& screen) {
  auto& d = state().K1GridDefaults;
  for (auto& list : d) list.clear();
  for (Control* c : screen.array(QStringLiteral("Text2"))) d[Text2Texts] << c->text();
  for (Control* c : screen.array(QStringLiteral("Text3"))) d[Text3Tags] << c->tag();
  for (Control* c : screen.array(QStringLiteral("Text4"))) d[Text4Texts] << c->text();
  for (Control* c : screen.array(QStringLiteral("Text5"))) d[Text5Tags] << c->tag();
}

void K1_GotFocus(Screen& screen, Control& cell, int lastPage0Index) {
  if (Control* status = screen.find(QStringLiteral("labelMisc"))) status->setCaption(QString());
  if (Control* tabs = screen.find(QStringLiteral("SSTab1"))) {
    if (tabs->currentTab() == 0 && cell.index() > lastPage0Index) showPage(screen, 1);
    else if (tabs->currentTab() == 1 && cell.index() <= lastPage0Index) showPage(screen, 0);
  }
  Control_Setup(cell, false);
  const QString name = uCase(cell.name());
  if ((name == u"TEXT2" || name == u"TEXT4") && isCodeCell(cell))
    if (Control* status = screen.find(QStringLiteral("labelMisc")))
      status->setCaption(QStringLiteral("Press ANY Function Key (F1 - F12) for list of valid entries."));
}

void K1_LostFocus(Control& cell, int count) {
  cell.setBackColor(colors::White);
  cell.setForeColor(colors::Black);
  if (!EditCtl(cell)) cell.SetFocus();
  if (cell.name() == u"Text5" && cell.index() == count - 1) {
    Screen& form = *state().CurrentForm;
    showPage(form, 0);
    form.ctl(QStringLiteral("Text1"), 0).SetFocus();
  }
}

void K1_KeyPress(Control& cell, int& keyAscii) {
  if (keyAscii == keys::CtrlV || keyAscii == keys::CtrlC) return;
  Key_Press(cell, keyAscii);
}

void K1_Help_KeyDown(Screen& screen, Control& cell) {
  ProgramState& s = state();
  // Each step under the trap: a missing partner cell (error 340) is passed
  // over, so the chosen code is still written; any other error ends here.
  bool ended = false;
  auto step = [&](auto&& body) {
    if (ended) return;
    try {
      body();
    } catch (const ProgramError& e) {
      if (e.number == err::NoSuchArrayElement) return;
      ended = true;
      trapReport(QStringLiteral("M3_Quorvane:K1_Help_KeyDown"), e);
    }
  };
  const QString name = uCase(cell.name());
  const int i = cell.index();
  const QString before = cell.text();
  const QString section = cell.tag().mid(7);
  if (section.isEmpty()) return;
  F6_K1Help& list = k1HelpScreen();
  step([&] {
    list.F97_K1Key = section;
    list.F97_K1Box.clear();
    list.F97_K1OverRide.clear();
    list.load();
    host().showModal(list);
  });
  if (ended) return;
  if (list.F97_K1Box.isEmpty()) {
    step([&] {
      cell.setText(before);
      list.unload();
      screen.setFocus(cell);
    });
    return;
  }
  step([&] { cell.setText(list.F97_K1Box); });
  const bool left = name == u"TEXT2";
  const QString amount = left ? QStringLiteral("Text3") : QStringLiteral("Text5");
  step([&] { screen.ctl(amount, i).setTag(s.K1GridDefaults[left ? Text3Tags : Text5Tags].value(i)); });
  step([&] {
    Control& partner = screen.ctl(amount, i);
    if (list.F97_K1OverRide == u"X") partner.setTag(QString());
    screen.setFocus(partner);
  });
}

}  // namespace qv
