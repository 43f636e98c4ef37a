// Opening each screen as the desktop shows it, less the positioning: the
// model loads (layout file and the screen's own start-up), its view is built
// and painted once. A screen should be up within one frame (16 ms).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "controls/Screen.h"
#include "files/FileExists.h"
#include "frame/Configure.h"
#include "frame/ErrorReport.h"
#include "frame/MessageBox.h"
#include "frame/ProgramState.h"
#include "platform/Clock.h"
#include "platform/Host.h"
#include "platform/Paths.h"
#include "screens/Catalog.h"
#include "screens/K1Help.h"
#include "support/ScriptedHost.h"
#include "view/Fonts.h"
#include "view/ScreenView.h"

// The layouts are read while benchmarks register, before main: their
// resource may not have registered itself yet.
static void initLayouts() { Q_INIT_RESOURCE(qvdata); }

namespace {

const char* const kSettingsFiles[] = {"Forms.inf", "SSMC.inf", "K1Help.inf"};

// The shipped settings files on a temporary drive C: and the program folder's
// pictures, as start-up leaves them; false when the drive cannot be set up.
bool setUpProgram(qv::ScriptedHost& host, const QTemporaryDir& drive) {
  qv::setHost(&host);
  qv::clock::setPausesEnabled(false);
  qv::installFonts();
  if (!drive.isValid() || !QDir(drive.path()).mkpath(QStringLiteral("Inf"))) return false;
  for (const char* file : kSettingsFiles)
    if (!QFile::copy(QStringLiteral(":/inf/") + QLatin1String(file),
                     QDir(drive.filePath(QStringLiteral("Inf"))).filePath(QLatin1String(file))))
      return false;
  qv::paths::setDriveRoot(u'C', drive.path());
  qv::resetState();
  qv::ProgramState& s = qv::state();
  s.FormsInfFile = QStringLiteral("C:\\Inf\\Forms.inf");
  s.SSMCInfFile = QStringLiteral("C:\\Inf\\SSMC.inf");
  s.K1HelpInfFile = QStringLiteral("C:\\Inf\\K1Help.inf");
  s.UserInfFile = QStringLiteral("C:\\Inf\\User.inf");
  s.UserSection = QStringLiteral("TRAINER");
  s.ProgramFolder = QStringLiteral(QV_PROGRAM_DIR);
  s.PicturesFolder = s.ProgramFolder;
  s.YearChoices = {"2024", "2025", "2026", "20XX"};
  s.YearChoiceIndex = 1;
  return true;
}

// The program's instance of each screen; the code list shows its longest box.
qv::Screen* programScreen(const QString& name) {
  if (name == u"F1_Configure") return &qv::configureScreen();
  if (name == u"F6_K1Help") {
    qv::k1HelpScreen().F97_K1Key = QStringLiteral("K1-1065-Box20");
    return &qv::k1HelpScreen();
  }
  if (name == u"F7_Save") return &qv::fileExistsDialog();
  if (name == u"F8_ErrLog") return &qv::errorReportScreen();
  if (name == u"F9_MBX") return &qv::messageBoxScreen();
  return qv::screenNamed(name);
}

void BM_OpenWithView(benchmark::State& run, const QString& name) {
  qv::ScriptedHost host;
  QTemporaryDir drive;
  if (!setUpProgram(host, drive)) return run.SkipWithError("cannot set up drive C:");
  qv::Screen* screen = programScreen(name);
  if (!screen) return run.SkipWithError("no such screen");
  for (auto _ : run) {
    screen->load();
    qv::ScreenView view(*screen);
    view.resize(view.sizeHint());
    benchmark::DoNotOptimize(view.grab());
    screen->unload();
    // What the event loop would do between two openings.
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  // An error report or message box would be timed instead of the screen.
  if (!host.modals().empty()) run.SkipWithError("the screen showed a message");
  qv::paths::setDriveRoot(u'C', {});
  qv::resetState();
  qv::setHost(nullptr);
}

// One benchmark per screen layout but the main window's, which is the program itself.
const bool registered = [] {
  initLayouts();
  for (const QString& file : QDir(QStringLiteral(":/screens")).entryList({QStringLiteral("*.json")}, QDir::Files,
                                                                          QDir::Name)) {
    const QString name = file.chopped(5);
    if (name == u"F0_MDI") continue;
    benchmark::RegisterBenchmark(("BM_OpenWithView/" + name).toStdString().c_str(), BM_OpenWithView, name)
        ->Unit(benchmark::kMillisecond);
  }
  return true;
}();

}  // namespace
