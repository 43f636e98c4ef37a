#include "files/FormFiles.h"

#include <QLocale>

#include "controls/Screen.h"
#include "engine/FieldKinds.h"
#include "engine/FormInit.h"
#include "engine/Positioning.h"
#include "engine/TaxYear.h"
#include "engine/TextUtils.h"
#include "files/FileDialogs.h"
#include "files/FileExists.h"
#include "files/FileNames.h"
#include "files/FormRecord.h"
#include "frame/Common.h"
#include "frame/Configure.h"
#include "frame/ErrorTrap.h"
#include "frame/Ini.h"
#include "frame/MainWindow.h"
#include "frame/ProgramState.h"
#include "platform/Host.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"
#include "runtime/Text.h"
#include "screens/Catalog.h"
#include "taxpayer/CardsScreen.h"
#include "taxpayer/TaxpayerRecord.h"
#include "taxpayer/TaxpayerSheet.h"

namespace qv {

namespace {

// The Forms.inf section of a record prefix.
QString sectionOfPrefix(const QString& prefix) {
  const QString upper = uCase(prefix);
  if (upper == u"CSA" || upper == u"CSF") return prefix + QStringLiteral("1099R");
  if (upper == u"RRB" || upper == u"SSA") return prefix + QStringLiteral("1099");
  if (upper == u"1099-MISC20") return QStringLiteral("1099-MISC");
  return prefix;
}

// The screen of a form name: the configuration screen or a catalogued one.
Screen* screenOfForm(const QString& formName) {
  if (sameText(formName, QLatin1String("F1_Configure"))) return &configureScreen();
  return screenNamed(formName);
}

// The file's first line: the record.
QString readRecordLine(const QString& path) {
  if (paths::folderExists(path))
    raiseError(err::PathFileAccess, QStringLiteral("Path/File access error: %1 is a folder, not a form file").arg(path));
  QString line;
  bool longer = false;
  if (!paths::fileExists(path) || !readFirstLine(path, kLongestRecord, line, longer))
    raiseError(err::FileNotFound, QStringLiteral("File not found: ") + path);
  if (longer)
    raiseError(800, QStringLiteral("%1 is not a form file: its line is longer than any form's.").arg(path));
  return line;
}

// The form name of a record: its prefix's Forms.inf entry.
QString formOfRecord(const QString& record, const QString& path) {
  const QString prefix = record.section(kSeparator, 0, 0);
  const QString form = GetFormInfo(sectionOfPrefix(prefix), QStringLiteral("FormName"));
  if (prefix.isEmpty() || form.isEmpty() || !screenOfForm(form))
    raiseError(800, QStringLiteral("%1 is not a form file of this program (it begins \"%2\").")
                        .arg(path, left(prefix, 40)));
  return form;
}

// The taxpayer sheet read from a file: its two main persons become the ones
// Load TP copies.
void rememberMainPersons(const Screen& sheet) {
  const ProgramState& s = state();
  auto field = [&](int index) { return sheet.ctl(QStringLiteral("Text1"), index).text(); };
  SaveINFKeys(s.UserSection,
              {{QStringLiteral("TP1NameAddr"), storedValue(field(0))}, {QStringLiteral("TP1DOB"), field(2)},
               {QStringLiteral("TP1SSN"), field(1)}, {QStringLiteral("TP2NameAddr"), storedValue(field(3))},
               {QStringLiteral("TP2DOB"), field(5)}, {QStringLiteral("TP2SSN"), field(4)}},
              s.UserInfFile);
}

// The card screen read from a file: each numbered card shows the ITIN
// background when its number begins with 9, the Social Security one else (a
// missing picture is told once and the other cards still get theirs).
void showCardPictures(Screen& screen) {
  auto* cards = dynamic_cast<F2_SS_ITIN*>(&screen);
  if (!cards) return;
  for (Control* c : cards->controls()) {
    if (c->type() != ControlType::TextBox || c->tag() != u"TIN" || c->text().isEmpty()) continue;
    cards->showPicture(c->index() / 2, F2_SS_ITIN::pictureOfNumber(c->text()));
  }
}

// The taxpayer sheet opened: each person's age at the end of the tax year,
// as the sheet shows it when a birth date is typed ("N/A" for 20XX).
void showTaxpayerAges() {
  auto* sheet = dynamic_cast<F5_TPInfo*>(&currentForm());
  if (!sheet) return;
  for (const auto& person : state().PersonFields) sheet->UpdateAge(person[1], person[2]);
}

}  // namespace

void writeFormFile(const QString& path, const QString& record) {
  if (!writeTextFile(path, record + QStringLiteral("\r\n")))
    raiseError(err::PathFileAccess,
               QStringLiteral("Path/File access error: %1 could not be written; a file that was there is unchanged.")
                   .arg(path));
}

void Save_File() {
  ProgramState& s = state();
  int focus = 0;
  bool refocus = true;
  QString saved;
  trap(QStringLiteral("M4_FileCode:Save_File"), [&] {
    // The box being typed in is taken as leaving it would be, so that what its
    // screen computes or copies from it goes into the file too.
    if (!currentForm().validateActive()) {
      refocus = false;
      return;
    }
    QString name = Build_FileName(focus);
    if (name == u"Error K1") {
      refocus = false;
      return;
    }
    if (sameText(s.FileRecord, QStringLiteral("Error SS_ITIN")) || name.isEmpty()) return;
    // What Open would refuse is never written: said before any dialog.
    const qsizetype length = encodeWin1252(s.FileRecord).size();
    if (length > kLongestRecord) {
      const QLocale english(QLocale::English);
      raiseError(800, QStringLiteral("This form is too long to be saved: its boxes hold %1 characters together, "
                                     "a form file at most %2. Shorten the longest box and save again.")
                          .arg(english.toString(qlonglong(length)), english.toString(kLongestRecord)));
    }
    name.remove(s.FileExtension, Qt::CaseInsensitive);
    name += s.FileExtension;
    QString path = s.CurrentFile;
    if (path.isEmpty()) {
      path = OpenOrSaveFile(1, name);
      if (path == kDialogCancelled || path.isEmpty()) return;
    }
    if (paths::exists(path)) {
      F7_Save& dialog = fileExistsDialog();
      dialog.F7_FullPath = path;
      s.SaveResult = 0;
      dialog.load();
      host().showModal(dialog);
      if (s.SaveResult == 4) return;
    }
    writeFormFile(path, s.FileRecord);
    if (s.FileRecord.startsWith(QLatin1String("TPINFO"), Qt::CaseInsensitive)) TPInfo_Save();
    saved = path;
  });
  if (!refocus) return;
  trap(QStringLiteral("M4_FileCode:Save_File"), [&] {
    Control& first = currentForm().ctl(QStringLiteral("Text1"), 0);
    Control_Setup(first, false);
    first.SetFocus();
  });
  // After the focus, whose help text would hide it: where the file went.
  if (!saved.isEmpty()) Show_Status(currentForm(), saved);
}

void Open_File() {
  ProgramState& s = state();
  trap(QStringLiteral("M4_FileCode:Open_File"), [&] {
    // The screen on display stays until a file is chosen and read: a
    // cancelled dialog or a file that is no form file loses nothing.
    const QString path = OpenOrSaveFile(0, QString());
    if (path == kDialogCancelled || path.isEmpty()) return;
    const QString previous = s.CurrentFile;
    s.CurrentFile = path;
    const QString form = Read_File();
    if (form.isEmpty()) {
      s.CurrentFile = previous;
      return;
    }
    if (sameText(form, QLatin1String("F5_TPInfo"))) showTaxpayerAges();
  });
}

QString Read_File() {
  ProgramState& s = state();
  if (s.CurrentFile.isEmpty()) return {};
  QString formName;
  trap(QStringLiteral("M4_FileCode:Read_File"), [&] {
    const QString path = s.CurrentFile;
    bool prefixChanged = false;
    const QString line = upgradePrefix(readRecordLine(path), &prefixChanged);
    // An old record is brought up to date on disk at once (only its prefix
    // changes); a file that cannot be rewritten still opens.
    if (prefixChanged) writeTextFile(path, line + QStringLiteral("\r\n"));
    s.FileRecord = upgradeItemKeys(line);
    const QString form = formOfRecord(s.FileRecord, path);
    s.FormInfo[10] = form;
    for (Screen* open : std::vector<Screen*>(Screen::loadedScreens()))
      if (!sameText(open->name(), QLatin1String("F0_MDI"))) open->unload();
    Screen& screen = *screenOfForm(form);
    s.CurrentForm = &screen;
    Form_Position(screen);
    formName = form;
    Show_Status(screen, path);
    if (sameText(form, QLatin1String("F5_TPInfo")))
      if (Control* label = screen.find(QStringLiteral("Label1"))) label->setBackColor(0x0000FFFF);
    restoreItems(screen, s.FileRecord);
    if (auto* document = dynamic_cast<FormScreen*>(&screen)) document->recordRestored();
    Year_Check();
    // The date edits clear the status line as they start; unless one left its
    // complaint there, it shows the file again.
    if (Control* status = screen.find(QStringLiteral("labelMisc")); status && status->caption().isEmpty())
      Show_Status(screen, path);
    if (sameText(form, QLatin1String("F5_TPInfo"))) rememberMainPersons(screen);
    if (sameText(form, QLatin1String("F2_SS_ITIN"))) showCardPictures(screen);
  });
  return formName;
}

}  // namespace qv
