#include "frame/MainWindow.h"

#include <QFile>
#include <cmath>

#include "frame/Common.h"
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

namespace qv {

namespace {

const QString kInfFolder = QStringLiteral("C:\\QuorvaneInfFiles");
// Development folders of the test mode (any executable name but the two editions).
const QString kDevFolder = QStringLiteral("C:\\QuorvaneDev");

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

const Edition kVelmora{"Quorvane_Velmora", "Velmora.ICO", "C:\\QuorvaneInfFiles\\Velmora\\UserVelmora.inf",
                       "Quorvane_V<ver>_Velmora_UserGuide.pdf", "C:\\VelmoraForms", ".velmora",
                       "Velmora Form Files (*.velmora)", "*.velmora"};
const Edition kKestrum{"Quorvane_Kestrum", "Kestrum.ICO", "C:\\QuorvaneInfFiles\\Kestrum\\UserKestrum.inf",
                       "Quorvane_V<ver>_Kestrum_UserGuide.pdf", "C:\\TaxFormsQV", ".taxForm",
                       "Tax Form Files (*.taxform)", "*.taxform"};

QString filterOf(const QString& text, const QString& pattern) {
  return text + QChar(0) + pattern + QChar(0);
}

// The settings files the program ships, installed on first start.
struct ShippedFile {
  const char* resource;
  QString ProgramState::*path;
};
const ShippedFile kShipped[] = {
    {":/inf/Forms.inf", &ProgramState::FormsInfFile},
    {":/inf/SSMC.inf", &ProgramState::SSMCInfFile},
    {":/inf/K1Help.inf", &ProgramState::K1HelpInfFile},
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

}  // namespace

F0_MDI& mainWindow() {
  static F0_MDI w;
  return w;
}

void F0_MDI::onLoad() { MDIForm_Load(); }

void F0_MDI::MDIForm_Load() {
  ProgramState& s = state();
  trap(QStringLiteral("F0_MDI:FormLoad"), [&] {
    s.CurrentForm = this;

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

    QString openFolder = ReadINF(s.UserSection, QStringLiteral("LastOpenFolder"), {}, s.UserInfFile);
    clock::pause(250);
    QString saveFolder = ReadINF(s.UserSection, QStringLiteral("LastSaveFolder"), {}, s.UserInfFile);
    clock::pause(250);
    // Remembered folders that are gone are forgotten.
    for (auto [folder, key] : {std::pair{&openFolder, "LastOpenFolder"}, std::pair{&saveFolder, "LastSaveFolder"}}) {
      if (!folder->isEmpty() && !paths::exists(*folder)) {
        SaveINF(s.UserSection, QLatin1String(key), QString(), s.UserInfFile);
        clock::pause(250);
        folder->clear();
      }
    }

    // The configuration screen comes first once it exists.

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

    if (Menu* guide = findMenu(QStringLiteral("mnuControlGuide"))) {
      guide->enabled = paths::fileExists(s.UserGuideFile);
      if (observer()) observer()->screenChanged(*this);
    }

    const auto legend = array(QStringLiteral("txtLegend"));
    for (int i = 1; i < int(legend.size()) && i < int(s.ColorTable.size()); ++i)
      s.ColorTable[i] = legend[i]->backColor();
  });
}

void F0_MDI::MDI_Setup_Common() {
  ProgramState& s = state();
  s.FormsInfFile = kInfFolder + QStringLiteral("\\Forms.inf");
  s.SSMCInfFile = kInfFolder + QStringLiteral("\\SSMC.inf");
  s.K1HelpInfFile = kInfFolder + QStringLiteral("\\K1Help.inf");
  s.PicturesFolder = s.ProgramFolder;
  installSettingsFiles();
}

void F0_MDI::MDI_Setup_Velmora() {
  ProgramState& s = state();
  applyEdition(kVelmora, IconFile, VersionMajor);
  SaveInfFolders(s.UserInfFile, QLatin1String(kVelmora.formsFolder));
  s.FileExtension = QLatin1String(kVelmora.extension);
  s.FileFilter = filterOf(QLatin1String(kVelmora.filterText), QLatin1String(kVelmora.filterPattern));
  MDI_Setup_TaxFormsFolder();
}

void F0_MDI::MDI_Setup_Kestrum() {
  ProgramState& s = state();
  applyEdition(kKestrum, IconFile, VersionMajor);
  SaveInfFolders(s.UserInfFile, QLatin1String(kKestrum.formsFolder));
  s.FileExtension = QLatin1String(kKestrum.extension);
  s.FileFilter = filterOf(QLatin1String(kKestrum.filterText), QLatin1String(kKestrum.filterPattern));
  MDI_Setup_TaxFormsFolder();
}

void F0_MDI::MDI_Setup_TaxFormsFolder() {
  ProgramState& s = state();
  const QString def = s.UserInfFile.endsWith(QLatin1String("UserVelmora.inf"), Qt::CaseInsensitive)
                          ? QLatin1String(kVelmora.formsFolder)
                          : QLatin1String(kKestrum.formsFolder);
  FormsFolder = ReadINF(s.UserSection, QStringLiteral("TaxFormsFolder"), {}, s.UserInfFile);
  if (FormsFolder.isEmpty()) {
    FormsFolder = def;
    SaveINF(s.UserSection, QStringLiteral("TaxFormsFolder"), FormsFolder, s.UserInfFile);
  }
}

void F0_MDI::SaveInfFolders(const QString& myFile, const QString& myFolder) {
  const QString& section = state().UserSection;
  for (const char* key : {"TaxFormsFolder", "LastOpenFolder", "LastSaveFolder"})
    if (ReadINF(section, QLatin1String(key), {}, myFile).isEmpty())
      SaveINF(section, QLatin1String(key), myFolder, myFile);
}

void F0_MDI::testModeSetup() {
  ProgramState& s = state();
  const QString inf = kDevFolder + QStringLiteral("\\InfFiles");
  s.FormsInfFile = inf + QStringLiteral("\\Forms.inf");
  s.SSMCInfFile = inf + QStringLiteral("\\SSMC.inf");
  s.K1HelpInfFile = inf + QStringLiteral("\\K1Help.inf");
  s.PicturesFolder = s.ProgramFolder;
  installSettingsFiles();

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
  SaveInfFolders(s.UserInfFile, QLatin1String(e.formsFolder));
  IconFile = paths::join(s.ProgramFolder, QLatin1String(e.icon));
  s.UserGuideFile = paths::join(s.ProgramFolder, QLatin1String(e.guide)).replace(QStringLiteral("<ver>"), VersionMajor);
  FormsFolder = kDevFolder + QStringLiteral("\\Forms");
}

void F0_MDI::installSettingsFiles() {
  const ProgramState& s = state();
  for (const ShippedFile& f : kShipped) {
    const QString& target = s.*(f.path);
    if (paths::fileExists(target)) continue;
    QFile res(QLatin1String(f.resource));
    if (!res.open(QIODevice::ReadOnly)) raiseError(err::FileNotFound, QStringLiteral("File not found: ") + f.resource);
    const QString text = decodeWin1252(res.readAll());
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

Screen* F0_MDI::activeChild() const {
  const auto& order = activationOrder();
  for (auto it = order.rbegin(); it != order.rend(); ++it)
    if (*it != this && (*it)->isChild() && (*it)->visible()) return *it;
  for (Screen* sc : loadedScreens())
    if (sc != this && sc->isChild() && sc->visible()) return sc;
  return nullptr;
}

// ---- Commands ----

void F0_MDI::onClick(Control& c) {
  if (c.name().compare(QLatin1String("cmdBtn"), Qt::CaseInsensitive) == 0) cmdBtn_Click(c.index());
  else if (c.name().compare(QLatin1String("picLegends"), Qt::CaseInsensitive) == 0) picLegends_Click();
}

void F0_MDI::cmdBtn_Click(int index) {
  const QString caption = ctl(QStringLiteral("cmdBtn"), index).caption();
  const QString command = caption.toUpper();
  try {
    if (command == u"QUIT") {
      Show_Taskbar();
      MDI_Quit();
      return;
    }
    if (command == u"OPEN") return;  // form files come with their own screens
    if (!activeChild())
      raiseError(800, QStringLiteral("You must open an existing form or create a new form before continuing."),
                 QStringLiteral("F0_MDI:cmdBtn_Click"));
  } catch (const ProgramError& e) {
    if (state().CommandLine.contains(QLatin1String("error"), Qt::CaseInsensitive)) {
      Error_Logger(QStringLiteral("F0_MDI:cmdBtn_Click - Button Pressed = ") + caption, e.number, e.description);
      return;
    }
    trapReport(QStringLiteral("F0_MDI:cmdBtn_Click"), e);
  }
}

void F0_MDI::picLegends_Click() {
  if (!state().CommandArgs.contains(QLatin1String("taskbar"), Qt::CaseInsensitive)) return;
  if (TaskbarHidden) Show_Taskbar();
  else Hide_Taskbar();
  TaskbarHidden = !TaskbarHidden;
}

void F0_MDI::onMenu(Menu& m) {
  if (m.name == u"mnuControlQuit") MDI_Quit();
  else if (m.name == u"mnuControlGuide") mnuControlGuide_Click();
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
  ProgramState& s = state();
  if (loadedScreens().size() > 1) s.Quitting = true;
  host().quit(0);
}

void F0_MDI::onQueryUnload(bool&) { state().Quitting = true; }

void F0_MDI::onUnload(bool&) { Show_Taskbar(); }

}  // namespace qv
