#include "frame/MainWindow.h"

#include <QFile>
#include <QScopedValueRollback>
#include <cmath>

#include "engine/FieldEdits.h"
#include "engine/FieldKinds.h"
#include "engine/FormInit.h"
#include "engine/FormReset.h"
#include "engine/FormScreen.h"
#include "engine/Positioning.h"
#include "engine/SocialSecurity.h"
#include "engine/TaxYear.h"
#include "files/FormFiles.h"
#include "files/ScreenClip.h"
#include "frame/Common.h"
#include "frame/Configure.h"
#include "frame/ErrorLogger.h"
#include "frame/ErrorTrap.h"
#include "frame/Ini.h"
#include "frame/MessageBox.h"
#include "frame/ProgramState.h"
#include "platform/Clock.h"
#include "platform/Environment.h"
#include "platform/Host.h"
#include "platform/Paths.h"
#include "platform/SingleInstance.h"
#include "platform/TextFile.h"
#include "runtime/Text.h"
#include "screens/Catalog.h"
#include "taxpayer/TaxpayerRecord.h"

namespace qv {

namespace {

const QString kInfFolder = QStringLiteral("C:\\QuorvaneInfFiles");
// Development folders of the test mode (any executable name but the two editions).
const QString kDevFolder = QStringLiteral("C:\\QuorvaneDev");

}  // namespace

struct Edition {
  const char* exeName;
  const char* icon;
  const char* userInf;
  const char* guide;
  const char* formsFolder;
  const char* extension;
  const char* filterText;
  const char* filterPattern;
};

namespace {

const Edition kVelmora{"Quorvane_Velmora", "Velmora.ICO", "C:\\QuorvaneInfFiles\\Velmora\\UserVelmora.inf",
                       "Quorvane_V<ver>_Velmora_UserGuide.pdf", "C:\\VelmoraForms", ".velmora",
                       "Velmora Form Files (*.velmora)", "*.velmora"};
const Edition kKestrum{"Quorvane_Kestrum", "Kestrum.ICO", "C:\\QuorvaneInfFiles\\Kestrum\\UserKestrum.inf",
                       "Quorvane_V<ver>_Kestrum_UserGuide.pdf", "C:\\TaxFormsQV", ".taxForm",
                       "Tax Form Files (*.taxform)", "*.taxform"};

QString filterOf(const QString& text, const QString& pattern) {
  return text + QChar(0) + pattern + QChar(0);
}

// The settings files the program ships, installed on first start. The forms
// description and the K-1 codes are the program's own data, never written by
// it: a newer program brings its own copies up to date. SSMC.inf holds what
// the user saved and is only ever installed.
struct ShippedFile {
  const char* resource;
  QString ProgramState::*path;
  bool programData;
};
const ShippedFile kShipped[] = {
    {":/inf/Forms.inf", &ProgramState::FormsInfFile, true},
    {":/inf/SSMC.inf", &ProgramState::SSMCInfFile, false},
    {":/inf/K1Help.inf", &ProgramState::K1HelpInfFile, true},
};

// The person table of the taxpayer sheet: name, birth-date field, age field.
const char* const kPersons[9][3] = {
    {"TP1", "2", "0"},  {"TP2", "5", "1"},  {"OP1", "8", "2"},  {"OP2", "12", "3"}, {"OP3", "16", "4"},
    {"OP4", "20", "5"}, {"OP5", "24", "6"}, {"OP6", "28", "7"}, {"OP7", "32", "8"},
};

constexpr int kWindowWidth = 16500;
constexpr int kWindowHeight = 11020;

void applyEdition(const Edition& e, QString& iconFile, const QString& versionMajor) {
  ProgramState& s = state();
  iconFile = paths::join(s.ProgramFolder, QLatin1String(e.icon));
  s.UserInfFile = QLatin1String(e.userInf);
  s.UserGuideFile = paths::join(s.ProgramFolder, QLatin1String(e.guide));
  s.UserGuideFile.replace(QStringLiteral("<ver>"), versionMajor);
}

const QString kNoScreen = QStringLiteral("You must open an existing form or create a new form before continuing.");

// The menu items that open a screen, and the screen each opens.
struct ScreenItem {
  const char* menu;
  const char* screen;
  bool setsCurrentForm = false;  // the screen is the current form before it is positioned
};
const ScreenItem kScreenItems[] = {
    {"mnuControlConfigure", "F1_Configure"},
    {"mnuIDFormsTP", "F5_TPInfo"},    {"mnuIDFormsDL", "F3_DL"},
    {"mnuIDFormsSSITIN", "F2_SS_ITIN"}, {"mnuIDFormsCHK", "F4_CHK"},
    {"mnuW2", "TF_W2"},               {"mnuW2G", "TF_W2G"},
    {"mnu1099A", "TF_1099A", true},   {"mnu1099B", "TF_1099B"},
    {"mnu1099C", "TF_1099C"},         {"mnu1099Div", "TF_1099DIV"},
    {"mnu1099G", "TF_1099G"},         {"mnu1099Int", "TF_1099INT"},
    {"mnu1099K", "TF_1099K"},         {"mnu1099LTC", "TF_1099LTC"},
    {"mnu1099Misc", "TF_1099MISC"},   {"mnu1099NEC", "TF_1099NEC"},
    {"mnu1099Q", "TF_1099Q"},         {"mnu1099R", "TF_1099R"},
    {"mnu1099SA", "TF_1099SA"},       {"mnu1098", "TF_1098"},
    {"mnu1098E", "TF_1098E"},         {"mnu1098T", "TF_1098T"},
    {"mnuSSA1099", "TF_SSA1099"},     {"mnuRRB1099", "TF_RRB1099"},
    {"mnuCSA7", "TF_CSA1099R"},       {"mnuCSA4", "TF_CSF1099R"},
    {"mnuK11041", "TF_K11041"},       {"mnuK11065", "TF_K11065"},
    {"mnuK11120S", "TF_K11120S"},     {"mnu1095A", "TF_1095A"},
    {"mnu1095B", "TF_1095B"},         {"mnu1095C", "TF_1095C"},
};

// The single instance of a screen; nullptr for one the program does not have.
Screen* screenFor(const QString& name) {
  if (sameText(name, QLatin1String("F1_Configure"))) return &configureScreen();
  return screenNamed(name);
}

// The screens whose computations can block saving, printing and copying.
struct ComputationCheck {
  const char* shortId;
  const char* message;
};
const ComputationCheck kComputationChecks[] = {
    {"SSA1099", "Error On SSA1099 Form, Correct Before Saving, Printing or Clipping"},
    {"RRB1099", "Error On RRB1099 Form, Correct Before Saving, Printing or Clipping"},
};

// What Save keeps of the screen in view: the configuration screen's
// settings, any other screen's form file.
void saveScreen(const QString& shortId) {
  if (shortId == u"CONFIGURE") SS_MC_Save();
  else Save_File();
}

bool hasComputationError(const Screen& screen) {
  const auto* form = dynamic_cast<const FormScreen*>(&screen);
  return form && form->computationError();
}

// The button row's error trap, one statement at a time. With "error" on the
// command line the report names the pressed button; error 343 passes over
// the failing statement; any other error ends the command by the program's
// convention.
class ButtonTrap {
 public:
  explicit ButtonTrap(const QString& caption) : caption_(caption) {}

  // Runs one statement; false when an error ended the command.
  template <class Statement>
  bool operator()(Statement&& statement) {
    try {
      statement();
      return true;
    } catch (const ProgramError& e) {
      return goOn(e);
    } catch (const std::exception& e) {
      return goOn(asProgramError(e));
    }
  }

 private:
  bool goOn(const ProgramError& e) const {
    const QString name = QStringLiteral("F0_MDI:cmdBtn_Click");
    if (state().CommandLine.contains(QLatin1String("error"), Qt::CaseInsensitive)) {
      Error_Logger(name + QStringLiteral(" - Button Pressed = ") + caption_, e.number, e.description);
      return false;
    }
    if (e.number == err::NotAnArray) return true;
    trapReport(name, e);
    return false;
  }

  QString caption_;
};

}  // namespace

F0_MDI& mainWindow() {
  static F0_MDI w;
  return w;
}

void F0_MDI::onLoad() {
  enableScreenItems();
  MDIForm_Load();
}

void F0_MDI::enableScreenItems() {
  for (const ScreenItem& item : kScreenItems)
    if (Menu* m = findMenu(QLatin1String(item.menu))) m->enabled = screenFor(QLatin1String(item.screen)) != nullptr;
  if (observer()) observer()->screenChanged(*this);
}

void F0_MDI::MDIForm_Load() {
  ProgramState& s = state();
  const SettingsCommand oneReport;
  trap(QStringLiteral("F0_MDI:FormLoad"), [&] {
    s.CurrentForm = this;
    resetCurrentPrinter();

    if (s.Instance && !s.Instance->acquire()) {
      Show_MBX(QStringLiteral("F0_MDI:FormLoad"), 800,
               QStringLiteral("The Quorvane is already running.\r\nIf the Quorvane is minimized, Click the\r\n"
                              "Quorvane ICON on the Taskbar to restore."),
               QStringLiteral("OK"), false, {}, {}, {}, 1);
      setCaption(QString());  // so that only the running copy has the caption
      s.Instance->requestRaise();
      host().quit(0);
      return;
    }

    s.StartingUp = true;

    const int screenWidth = host().screenSizeTwips().width();
    setTop(0);
    setHeight(kWindowHeight);
    setWidth(kWindowWidth);
    const long centred = std::lrint(screenWidth / 2.0 - width() / 2.0);  // halves to even
    setLeft(centred < 0 ? 0 : int(centred));

    MDI_Setup();

    QString openFolder = ReadFolderINF(s.UserSection, QStringLiteral("LastOpenFolder"), s.UserInfFile);
    clock::pause(250);
    QString saveFolder = ReadFolderINF(s.UserSection, QStringLiteral("LastSaveFolder"), s.UserInfFile);
    clock::pause(250);
    // Remembered folders that are gone are forgotten.
    for (auto [folder, key] : {std::pair{&openFolder, "LastOpenFolder"}, std::pair{&saveFolder, "LastSaveFolder"}}) {
      if (!folder->isEmpty() && !paths::exists(*folder)) {
        SaveFolderINF(s.UserSection, QLatin1String(key), QString(), s.UserInfFile);
        clock::pause(250);
        folder->clear();
      }
    }

    F1_Configure& configure = configureScreen();
    configure.load();
    host().showScreen(configure);
    clock::pause(250);
    Form_Position(configure);
    clock::pause(250);

    s.StartingUp = false;
    for (int r = 0; r < 9; ++r)
      for (int c = 0; c < 3; ++c) s.PersonFields[r][c] = QLatin1String(kPersons[r][c]);
  });
}

void F0_MDI::MDI_Setup() {
  ProgramState& s = state();
  trap(QStringLiteral("F0_MDI:MDI_Setup"), [&] {
    clock::pause(500);
    VersionMajor = QString::number(programVersion().major);
    s.CommandArgs = s.CommandLine;
    s.UserSection = env::userName().toUpper();

    if (s.CommandArgs.contains(QLatin1String("debug"), Qt::CaseInsensitive)) {
      s.DebugMode = true;
      s.CommandArgs.remove(QLatin1String("debug"), Qt::CaseInsensitive);
      s.CommandArgs = s.CommandArgs.trimmed();
    }

    if (s.ExeName.compare(QLatin1String(kVelmora.exeName), Qt::CaseInsensitive) == 0) {
      MDI_Setup_Common();
      MDI_Setup_Velmora();
    } else if (s.ExeName.compare(QLatin1String(kKestrum.exeName), Qt::CaseInsensitive) == 0) {
      MDI_Setup_Common();
      MDI_Setup_Kestrum();
    } else {
      testModeSetup();
    }

    if (!paths::fileExists(IconFile)) raiseError(err::FileNotFound, QStringLiteral("File not found: ") + IconFile);
    setIcon(paths::toHost(IconFile));

    if (!FormsFolder.isEmpty() && !paths::exists(FormsFolder) && !paths::makeFolder(FormsFolder))
      raiseError(err::PathNotFound, QStringLiteral("Path not found: ") + FormsFolder);
    // The PDF printer writes beside the form files.
    if (!FormsFolder.isEmpty()) host().setDocumentFolder(paths::toHost(FormsFolder));

    if (Menu* guide = findMenu(QStringLiteral("mnuControlGuide"))) {
      guide->enabled = paths::fileExists(s.UserGuideFile);
      if (observer()) observer()->screenChanged(*this);
    }
  });
  // The field colours come from the legend also when the set-up ended early:
  // without them every focused field would turn black.
  const auto legend = array(QStringLiteral("txtLegend"));
  for (int i = 1; i < int(legend.size()) && i < int(s.ColorTable.size()); ++i)
    s.ColorTable[i] = legend[i]->backColor();
}

void F0_MDI::MDI_Setup_Common() {
  ProgramState& s = state();
  s.FormsInfFile = kInfFolder + QStringLiteral("\\Forms.inf");
  s.SSMCInfFile = kInfFolder + QStringLiteral("\\SSMC.inf");
  s.K1HelpInfFile = kInfFolder + QStringLiteral("\\K1Help.inf");
  s.PicturesFolder = s.ProgramFolder;
}

void F0_MDI::MDI_Setup_Velmora() { setupEdition(kVelmora); }

void F0_MDI::MDI_Setup_Kestrum() { setupEdition(kKestrum); }

void F0_MDI::setupEdition(const Edition& e) {
  ProgramState& s = state();
  applyEdition(e, IconFile, VersionMajor);
  s.FileExtension = QLatin1String(e.extension);
  s.FileFilter = filterOf(QLatin1String(e.filterText), QLatin1String(e.filterPattern));
  const QString problem = settingsPlace();
  SaveInfFolders(s.UserInfFile, QLatin1String(e.formsFolder));
  MDI_Setup_TaxFormsFolder();
  if (!problem.isEmpty()) raiseError(err::PathNotFound, problem);
}

void F0_MDI::MDI_Setup_TaxFormsFolder() {
  ProgramState& s = state();
  const QString def = s.UserInfFile.endsWith(QLatin1String("UserVelmora.inf"), Qt::CaseInsensitive)
                          ? QLatin1String(kVelmora.formsFolder)
                          : QLatin1String(kKestrum.formsFolder);
  FormsFolder = ReadFolderINF(s.UserSection, QStringLiteral("TaxFormsFolder"), s.UserInfFile);
  if (FormsFolder.isEmpty()) {
    FormsFolder = def;
    SaveFolderINF(s.UserSection, QStringLiteral("TaxFormsFolder"), FormsFolder, s.UserInfFile);
  }
}

void F0_MDI::SaveInfFolders(const QString& myFile, const QString& myFolder) {
  const QString& section = state().UserSection;
  for (const char* key : {"TaxFormsFolder", "LastOpenFolder", "LastSaveFolder"})
    if (ReadFolderINF(section, QLatin1String(key), myFile).isEmpty())
      SaveFolderINF(section, QLatin1String(key), myFolder, myFile);
}

void F0_MDI::testModeSetup() {
  ProgramState& s = state();
  const QString inf = kDevFolder + QStringLiteral("\\InfFiles");
  s.FormsInfFile = inf + QStringLiteral("\\Forms.inf");
  s.SSMCInfFile = inf + QStringLiteral("\\SSMC.inf");
  s.K1HelpInfFile = inf + QStringLiteral("\\K1Help.inf");
  s.PicturesFolder = s.ProgramFolder;

  Show_MBX(QStringLiteral("Quorvane - Testing"), 800, QStringLiteral("Choose System to Test"),
           QStringLiteral("Velmora"), false, QStringLiteral("Other"), {}, {}, 9);
  const bool velmora = s.MbxAnswer == u"Velmora";
  const Edition& e = velmora ? kVelmora : kKestrum;
  setCaption(velmora ? QStringLiteral("Quorvane - Test - Velmora") : QStringLiteral("Quorvane - Test - Kestrum"));
  s.UserInfFile = QLatin1String(e.userInf);
  s.FileExtension = QLatin1String(e.extension);
  // The test mode's filter names both editions' files alike.
  s.FileFilter = filterOf(velmora ? QStringLiteral("Tax Form Files (*.velmora)") : QLatin1String(e.filterText),
                          QLatin1String(e.filterPattern));
  const QString problem = settingsPlace();
  SaveInfFolders(s.UserInfFile, QLatin1String(e.formsFolder));
  IconFile = paths::join(s.ProgramFolder, QLatin1String(e.icon));
  s.UserGuideFile = paths::join(s.ProgramFolder, QLatin1String(e.guide)).replace(QStringLiteral("<ver>"), VersionMajor);
  FormsFolder = kDevFolder + QStringLiteral("\\Forms");
  if (!problem.isEmpty()) raiseError(err::PathNotFound, problem);
}

QString F0_MDI::settingsPlace() {
  const ProgramState& s = state();
  const QString folder = s.FormsInfFile.left(s.FormsInfFile.lastIndexOf(u'\\'));
  QString place = folder;
  QString why = paths::folderProblem(folder);
  if (why.isEmpty()) {
    installSettingsFiles();
    place = s.UserInfFile;
    why = paths::fileProblem(place);
  }
  if (why.isEmpty()) return {};
  // Told once here; the writes that follow fail without a report each.
  markSettingsUnusable(place);
  QString text = QStringLiteral("Settings are not saved: %1 cannot be used, %2.").arg(place, why);
  if (place.size() > 1 && place.at(1) == u':') text += u' ' + paths::driveDescription(place.at(0));
  return text;
}

void F0_MDI::installSettingsFiles() {
  const ProgramState& s = state();
  for (const ShippedFile& f : kShipped) {
    const QString& target = s.*(f.path);
    const bool installed = paths::fileExists(target);
    if (installed && !f.programData) continue;
    QFile res(QLatin1String(f.resource));
    if (!res.open(QIODevice::ReadOnly)) raiseError(err::FileNotFound, QStringLiteral("File not found: ") + f.resource);
    const QString text = decodeWin1252(res.readAll());
    if (installed) {
      // An older copy is replaced whole; one that cannot be is read as it is.
      QString current;
      if (!readTextFile(target, current) || current != text) writeTextFile(target, text);
      continue;
    }
    // SaveINF's folder rule makes the folders level by level.
    const int cut = std::max(target.lastIndexOf(u'\\'), target.lastIndexOf(u'/'));
    QString folder;
    for (const QString& piece : target.left(cut).split(u'\\')) {
      folder = folder.isEmpty() ? piece : folder + u'\\' + piece;
      if (folder.endsWith(u':')) continue;
      if (!paths::folderExists(folder) && !paths::makeFolder(folder))
        raiseError(err::PathNotFound, QStringLiteral("Path not found: ") + folder);
    }
    if (!writeTextFile(target, text)) raiseError(err::PathFileAccess, QStringLiteral("Path/File access error: ") + target);
  }
}

Screen* F0_MDI::activeChild(const Screen* closing) const {
  auto inView = [&](const Screen* sc) { return sc != this && sc != closing && sc->isChild() && sc->visible(); };
  const auto& order = activationOrder();
  for (auto it = order.rbegin(); it != order.rend(); ++it)
    if (inView(*it)) return *it;
  for (Screen* sc : loadedScreens())
    if (inView(sc)) return sc;
  return nullptr;
}

// ---- Commands ----

void F0_MDI::onClick(Control& c) {
  if (c.name().compare(QLatin1String("cmdBtn"), Qt::CaseInsensitive) == 0) cmdBtn_Click(c.index());
  else if (c.name().compare(QLatin1String("picLegends"), Qt::CaseInsensitive) == 0) picLegends_Click();
}

void F0_MDI::cmdBtn_Click(int index) {
  ProgramState& s = state();
  const SettingsCommand oneReport;
  const QString caption = ctl(QStringLiteral("cmdBtn"), index).caption();
  const QString command = caption.toUpper();
  // One press, one page: Print pressed again while a page is being printed
  // (the desktop's input is taken meanwhile) starts no second job.
  if (command == u"PRINT" && Printing) return;
  ButtonTrap step(caption);

  if (command == u"QUIT") {
    if (step(Show_Taskbar)) step([&] { MDI_Quit(); });
    return;
  }
  if (command == u"OPEN") {
    step(Open_File);
    return;
  }
  if (command == u"CONFIGURE") {
    s.CurrentFile.clear();
    if (!step([&] { Form_Position(configureScreen()); })) return;
  }

  Screen* active = nullptr;
  if (!step([&] {
        active = activeChild();
        if (!active) raiseError(800, kNoScreen, QStringLiteral("F0_MDI:cmdBtn_Click"));
      }))
    return;
  const QString id = s.FormInfo[11];

  if (command == u"LOAD TP 1" || command == u"LOAD TP 2") {
    if (id == u"CONFIGURE" || id == u"TPINFO") return;
    if (!step([&] { TPInfo_Read(caption.right(4)); })) return;
  } else if (command == u"CLEAR") {
    if (id == u"CONFIGURE") return;
    if (!step(Form_Clear)) return;
    if (!step([&] { active->ctl(QStringLiteral("Text1"), 0).SetFocus(); })) return;
  } else if (command == u"CLOSE") {
    s.CurrentFile.clear();
    step([&] { active->unload(); });
    return;
  } else if (command == u"CHANGE TAX YR") {
    if (!step([&] { Year_Change(*active); })) return;
  }

  // Save takes the box being typed in as leaving it would, before the check:
  // what that box makes its screen compute may be the error that holds it back.
  if (command == u"SAVE") {
    bool taken = false;
    if (!step([&] { taken = active->validateActive(); }) || !taken) return;
  }

  for (const ComputationCheck& check : kComputationChecks) {
    if (id == QLatin1String(check.shortId) && hasComputationError(*active)) {
      step([&] {
        Show_MBX(QStringLiteral("F0_MDI:cmdBtn_Click"), 801, QLatin1String(check.message), QStringLiteral("OK"), false,
                 {}, {}, {}, 1);
      });
      return;
    }
  }

  if (command == u"SAVE") {
    const std::vector<Control*> fields = active->controls();
    for (Control* c : fields) {
      if (c->type() != ControlType::TextBox) continue;
      bool passed = false;
      if (!step([&] { passed = EditCtl(*c); }) || !passed) return;
    }
    step([&] { saveScreen(id); });
  } else if (command == u"PRINT") {
    // The paper is printed at the document's size; the window gets its own
    // size back afterwards, so the status line below the document returns
    // (and on the card screen the cards left out of the paper).
    const QScopedValueRollback<bool> printing(Printing, true);
    const int height = active->height(), width = active->width();
    if (!step([] { Screen_Clip(); })) return;
    QString where;
    const bool printed = step([&] { where = Form_Print(*active); });
    active->setHeight(height);
    active->setWidth(width);
    if (id == u"SS_ITIN") Show_All_Cards(*active);
    if (!printed) return;
    if (!step(Form_Init_Reset)) return;
    if (id == u"CONFIGURE") {
      step([&] { active->ctl(QStringLiteral("cbxPrinters")).SetFocus(); });
      return;
    }
    if (!step([&] { Control_Setup(active->ctl(QStringLiteral("Text1"), 0), false); })) return;
    step([&] { active->ctl(QStringLiteral("Text1"), 0).SetFocus(); });
    // After the focus, whose help text would hide it: where the page went.
    if (!where.isEmpty()) Show_Status(*active, where);
  } else if (command == u"CLIP") {
    step([&] { MDI_Clip(); });
  }
}

void F0_MDI::picLegends_Click() {
  if (!state().CommandArgs.contains(QLatin1String("taskbar"), Qt::CaseInsensitive)) return;
  if (TaskbarHidden) Show_Taskbar();
  else Hide_Taskbar();
  TaskbarHidden = !TaskbarHidden;
}

namespace {
// Print, Clear and Close Form need a screen, as the buttons do.
void reportNoScreen(const char* handler) {
  Error_Logger(QStringLiteral("F0_MDI:") + QLatin1String(handler), 800, kNoScreen);
}
}  // namespace

void F0_MDI::onMenu(Menu& m) {
  ProgramState& s = state();
  const SettingsCommand oneReport;
  for (const ScreenItem& item : kScreenItems) {
    if (!sameText(m.name, QLatin1String(item.menu))) continue;
    Screen* screen = screenFor(QLatin1String(item.screen));
    if (!screen) return;
    s.CurrentFile.clear();
    if (item.setsCurrentForm) s.CurrentForm = screen;
    Form_Position(*screen);
    return;
  }
  if (sameText(m.name, QLatin1String("mnuControlOpen"))) return Open_File();
  if (sameText(m.name, QLatin1String("mnuControlClip"))) {
    // The picture command's "error" word raises to its caller: said here.
    return (void)trap(QStringLiteral("F0_MDI:mnuControlClip_Click"), [&] { MDI_Clip(); });
  }
  if (sameText(m.name, QLatin1String("mnuControlSave"))) {
    // Saving needs a screen, as the buttons say.
    if (!activeChild()) return reportNoScreen("mnuControlSave_Click");
    return (void)trap(QStringLiteral("F0_MDI:mnuControlSave_Click"), [&] { saveScreen(s.FormInfo[11]); });
  }
  static const std::pair<const char*, void (F0_MDI::*)()> kCommands[] = {
      {"mnuControlPrint", &F0_MDI::mnuControlPrint_Click}, {"mnuControlClear", &F0_MDI::mnuControlClear_Click},
      {"mnuControlClose", &F0_MDI::mnuControlClose_Click}, {"mnuControlGuide", &F0_MDI::mnuControlGuide_Click},
      {"mnuControlQuit", &F0_MDI::MDI_Quit},
  };
  for (const auto& [name, handler] : kCommands)
    if (sameText(m.name, QLatin1String(name))) (this->*handler)();
}


void F0_MDI::mnuControlPrint_Click() {
  if (Printing) return;  // one page at a time, as the Print button
  const QScopedValueRollback<bool> printing(Printing, true);
  Screen* active = activeChild();
  if (!active) return reportNoScreen("mnuControlPrint_Click");
  const QString where = Form_Print(*active);
  Form_Init_Reset();
  if (sameText(active->name(), QLatin1String("F1_Configure"))) {
    active->ctl(QStringLiteral("cbxPrinters")).SetFocus();
    return;
  }
  Control& first = active->ctl(QStringLiteral("Text1"), 0);
  first.setBackColor(0x00C0FFFF);
  first.SetFocus();
  if (!where.isEmpty()) Show_Status(*active, where);
}

void F0_MDI::mnuControlClear_Click() {
  // The current form may be a screen closed since: nothing of it is left to clear.
  Screen* form = state().CurrentForm;
  if (!activeChild() || !form || !form->loaded()) return reportNoScreen("mnuControlClear_Click");
  if (sameText(form->name(), QLatin1String("F1_Configure"))) {
    form->ctl(QStringLiteral("txtSSRate")).SetFocus();
    return;
  }
  Form_Clear();
  form->ctl(QStringLiteral("Text1"), 0).SetFocus();
}

void F0_MDI::mnuControlClose_Click() {
  Screen* active = activeChild();
  if (!active) return reportNoScreen("mnuControlClose_Click");
  active->unload();
}

void F0_MDI::mnuControlGuide_Click() {
  const ProgramState& s = state();
  trap(QStringLiteral("F0_MDI:mnuControlGuide_Click"), [&] {
    if (!host().openDocument(paths::toHost(s.UserGuideFile))) {
      // The desktop's codes: 2 for a missing file, 31 for no program to open it.
      const int code = paths::fileExists(s.UserGuideFile) ? 31 : 2;
      raiseError(err::ProgramFailure,
                 QStringLiteral("(%1) Error encountered opening ").arg(code) + s.UserGuideFile,
                 QStringLiteral("F0_MDI:mnuControlGuide_Click"));
    }
  });
}

void F0_MDI::MDI_Quit() {
  if (loadedScreens().size() > 1) {
    state().Quitting = true;
    if (!settingsSaved()) return;
  }
  host().quit(0);
}

bool F0_MDI::settingsSaved() {
  const Screen* active = activeChild();
  if (!active || !sameText(active->name(), QLatin1String("F1_Configure"))) return true;
  if (SS_MC_Check_Changes()) return true;
  // The save the user asked for did not happen: no quit, nothing lost; the
  // failing box has the focus.
  state().Quitting = false;
  return false;
}

void F0_MDI::onQueryUnload(bool& cancel) {
  const SettingsCommand oneReport;
  state().Quitting = true;
  // Closing the window offers to save changed settings as Quit does, then
  // closes every open screen with its own closing handlers; any may refuse.
  if (!settingsSaved()) {
    cancel = true;
    return;
  }
  for (Screen* screen : std::vector<Screen*>(loadedScreens()))
    if (screen != this && !screen->unload()) {
      state().Quitting = false;
      cancel = true;
      return;
    }
}

void F0_MDI::onUnload(bool&) { Show_Taskbar(); }

}  // namespace qv
