#include "engine/Positioning.h"

#include <QScopeGuard>

#include <algorithm>
#include <cmath>
#include <vector>

#include "controls/Layout.h"
#include "controls/Screen.h"
#include "engine/FormInit.h"
#include "engine/FormReset.h"
#include "engine/FormScreen.h"
#include "engine/K1Handlers.h"
#include "engine/K1Paper.h"
#include "engine/SocialSecurity.h"
#include "engine/TaxYear.h"
#include "frame/ErrorTrap.h"
#include "frame/Ini.h"
#include "frame/MainWindow.h"
#include "frame/MessageBox.h"
#include "frame/ProgramState.h"
#include "platform/Host.h"
#include "platform/Paths.h"
#include "runtime/Text.h"

namespace qv {

namespace {

// An object that is not set yet (error 91) is usually there a moment later;
// one that stays missing is reported like any other error.
constexpr int kObjectNotSetTries = 10;

template <class Statement>
void retryingObjectNotSet(Statement&& statement) {
  for (int attempt = 1;; ++attempt) {
    try {
      statement();
      return;
    } catch (const ProgramError& e) {
      if (e.number != err::ObjectNotSet || attempt >= kObjectNotSetTries) throw;
      host().processEvents();
    }
  }
}

bool isNamed(const Screen& s, const char* name) { return sameText(s.name(), QLatin1String(name)); }

// Loads the screen when needed and shows it in the main window, restored
// when the user had minimized it.
void show(Screen& screen) {
  screen.load();
  screen.setMinimized(false);
  host().showScreen(screen);
}

// The fixed values a clear puts back, by screen short id.
struct SampleValue {
  const char* screen;
  int field;
  const char* value;  // nullptr: the Part B premium of the chosen year
};
const SampleValue kSampleValues[] = {
    {"SSA1099", 6, nullptr},
    {"RRB1099", 0, "36-3314600"},
    {"RRB1099", 12, nullptr},
    {"RRB1099", 13, "36-3314600"},
    {"CHK", 1, "325070760"},
    {"CHK", 2, "987123654"},
};

// The boxes outside the tab order are not the user's to fill: the texts their
// layout gives them (the payer's number and distribution code on the CSA
// and CSF 1099-R) are the form's own and come back with a clear.
void restoreFixedTexts(Screen& form) {
  Screen design(form.name());
  if (!layout::load(design, form.layoutName(), nullptr)) return;
  for (const Control* box : design.controls()) {
    if (box->type() != ControlType::TextBox || box->tabStop() || box->text().isEmpty()) continue;
    if (Control* c = box->inArray() ? form.find(box->name(), box->index()) : form.find(box->name()))
      c->setText(box->text());
  }
}

// One saved default of a K-1 cell; a cell the defaults do not cover is error 9.
const QString& savedDefault(const QStringList& defaults, int index) {
  if (index < 0 || index >= defaults.size())
    raiseError(err::SubscriptOutOfRange, errorText(err::SubscriptOutOfRange));
  return defaults[index];
}

// The K-1 code cells and the kinds of their amount cells as they were at load.
void restoreK1Grid(Screen& form) {
  const auto& d = state().K1GridDefaults;
  for (Control* text2 : form.array(QStringLiteral("Text2"))) {
    const int i = text2->index();
    text2->setText(savedDefault(d[0], i));
    form.ctl(QStringLiteral("Text3"), i).setTag(savedDefault(d[1], i));
  }
  for (Control* text4 : form.array(QStringLiteral("Text4"))) {
    const int i = text4->index();
    text4->setText(savedDefault(d[2], i));
    form.ctl(QStringLiteral("Text5"), i).setTag(savedDefault(d[3], i));
  }
}

template <class F>
void ignoringErrors(F&& f) {
  try {
    f();
  } catch (const ProgramError&) {
  }
}

// Where prints go: the desktop's default printer until a print finds the
// chosen printer installed; then that one, even after it is gone.
QString& currentPrinterName() {
  static QString name;
  return name;
}

}  // namespace

void resetCurrentPrinter() { currentPrinterName().clear(); }

void Form_Position(Screen& screen) {
  ProgramState& s = state();
  trap(QStringLiteral("M3_Quorvane:Form_Position"), [&] {
    // The configuration screen's values must be sound before it comes back;
    // otherwise every screen stays where it is.
    if (isNamed(screen, "F1_Configure") && !s.StartingUp) {
      bool passed = false;
      retryingObjectNotSet([&] {
        show(screen);
        passed = SS_MC_Edit_All();
      });
      if (!passed) return;
    }

    F0_MDI& mdi = mainWindow();
    const std::vector<Screen*> open = Screen::loadedScreens();
    for (Screen* other : open) {
      if (sameText(other->name(), mdi.name()) || sameText(other->name(), screen.name())) continue;
      retryingObjectNotSet([&] { other->unload(); });
    }

    retryingObjectNotSet([&] {
      screen.load();
      // Top centre of the main window's client area; a screen wider than the
      // area starts at its left edge so the document's left side stays in view.
      const long left = std::lrint((mdi.scaleWidth() - screen.width()) / 2.0);
      screen.move(left < 0 ? 0 : int(left), 0);
      show(screen);
    });

    retryingObjectNotSet([&] {
      if (!Form_HasTaxYear()) return;
      const QString year = right(chosenTaxYear(), 2);
      screen.ctl(QStringLiteral("TaxYear"), 1).setCaption(year);
      if (isNamed(screen, "TF_RRB1099")) screen.ctl(QStringLiteral("TaxYear"), 3).setCaption(year);
    });

    retryingObjectNotSet([&] {
      if (screen.name().contains(QLatin1String("Configure"), Qt::CaseInsensitive))
        screen.ctl(QStringLiteral("cbxPrinters")).SetFocus();
      else
        screen.ctl(QStringLiteral("Text1"), s.FocusOnStartup).SetFocus();
    });
  });
}

void Form_Clear() {
  ProgramState& s = state();
  trap(QStringLiteral("M3_Quorvane:Form_Clear"), [&] {
    Screen& form = currentForm();
    for (Control* c : form.controls())
      if (c->type() == ControlType::TextBox) c->setText(QString());
    restoreFixedTexts(form);

    const QString id = screenShortId(form.name());
    for (const SampleValue& v : kSampleValues)
      if (id == QLatin1String(v.screen))
        form.ctl(QStringLiteral("Text1"), v.field).setText(v.value ? QLatin1String(v.value) : s.PartBPremium);

    if (isK1ShortId(id)) restoreK1Grid(form);

    for (Control* c : form.controls()) {
      if (c->type() == ControlType::Label && c->name() == u"Check") c->setCaption(QString());
      if (c->type() == ControlType::PictureBox &&
          (sameText(c->name(), QLatin1String("Picture2")) || sameText(c->name(), QLatin1String("Picture4"))))
        c->setPicture(QString());
    }
    // The licence photos are gone: a save must not bring back their numbers.
    if (auto* photos = dynamic_cast<FormScreen*>(&form))
      for (int which : {1, 2}) photos->setPhotoIndex(which, 0);

    // The configuration screen has no status line; the cleared screen belongs
    // to no form file any more.
    ignoringErrors([&] { form.ctl(QStringLiteral("labelMisc")).setCaption(QString()); });
    s.CurrentFile.clear();
  });
}

QString Form_Print(Screen& screen) {
  const ProgramState& s = state();
  QString printed;
  trap(QStringLiteral("M3_Quorvane:Form_Print"), [&] {
    rememberWorkingLook(screen);
    screen.setMinimized(false);  // the page is what the window shows
    ignoringErrors([&] {
      for (Control* c : screen.controls())
        if (c->type() == ControlType::TextBox) c->setBackColor(colors::White);
      if (host().printers().contains(s.SelectedPrinter)) currentPrinterName() = s.SelectedPrinter;
    });

    if (s.DebugMode &&
        host().standardMessage(StandardIcon::Question, QStringLiteral("Print?"), QStringLiteral("Do you want to print?"),
                               {QStringLiteral("Yes"), QStringLiteral("No")}) != 0)
      return;

    QString printer = currentPrinterName();
    if (printer.isEmpty()) printer = host().printers().value(0);
    PrintOutcome outcome;
    if (printer.isEmpty()) {
      outcome.error = QStringLiteral("No printer is installed.");
    } else {
      // A K-1 prints its page in front as the sheet of paper, the way its
      // picture shows it; the screen is put back however the printing went.
      const int height = screen.height(), width = screen.width();
      Control* status = screen.find(QStringLiteral("labelMisc"));
      const bool statusShown = status && status->visible();
      const auto k1 = layK1PageAsPaper(screen);
      if (k1 && status) status->setVisible(false);
      const auto putBack = qScopeGuard([&] {
        if (!k1) return;
        restoreK1Page(screen, *k1);
        screen.setHeight(height);
        screen.setWidth(width);
        if (status) status->setVisible(statusShown);
      });
      if (host().printScreen(screen, printer, outcome)) {
        printed = outcome.file.isEmpty() ? QStringLiteral("Sent to the printer ") + printer
                                         : QStringLiteral("Printed to ") + paths::toProgram(outcome.file);
        return;
      }
    }
    Show_MBX(QStringLiteral("M3_Quorvane:Form_Print"), 800,
             QStringLiteral("The form was not printed.\r\n") + outcome.error, QStringLiteral("OK"), false, {}, {}, {},
             1);
  });
  return printed;
}

void Verify_INF_Entry(const QString& mode) {
  const ProgramState& s = state();
  trap(QStringLiteral("M3_Quorvane:Verify_INF_Entry"), [&] {
    QString key;
    if (sameText(mode, QLatin1String("Open"))) key = QStringLiteral("LastOpenFolder");
    else if (sameText(mode, QLatin1String("Save"))) key = QStringLiteral("LastSaveFolder");
    else raiseError(err::ProgramFailure, QStringLiteral("Program Error"));

    const QString folder = ReadFolderINF(s.UserSection, key, s.UserInfFile);
    if (!paths::folderExists(folder)) SaveFolderINF(s.UserSection, key, QString(), s.UserInfFile);
  });
}

QString GetFolderName(const QString& path) {
  constexpr int kLongest = 99;
  const qsizetype cut = std::max(path.lastIndexOf(u'\\'), path.lastIndexOf(u'/'));
  return right(cut < 0 ? path : path.left(cut), kLongest);
}

}  // namespace qv
