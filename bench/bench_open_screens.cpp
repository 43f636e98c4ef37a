// Opening each screen as the desktop shows it, less the positioning: the
// model loads (layout file and the screen's own start-up), its view is built
// and painted once. A screen should be up within one frame (16 ms).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>

#include "BenchProgram.h"
#include "controls/Screen.h"
#include "files/FileExists.h"
#include "frame/Configure.h"
#include "frame/ErrorReport.h"
#include "frame/MessageBox.h"
#include "frame/ProgramState.h"
#include "screens/Catalog.h"
#include "screens/K1Help.h"
#include "view/Fonts.h"
#include "view/ScreenView.h"

// The layouts are read while benchmarks register, before main: their
// resource may not have registered itself yet.
static void initLayouts() { Q_INIT_RESOURCE(qvdata); }

namespace {

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
  if (!qvbench::setUpProgram(host, drive)) return run.SkipWithError("cannot set up drive C:");
  qv::installFonts();
  // The licence and card screens load their pictures from the program folder.
  qv::state().ProgramFolder = QStringLiteral(QV_PROGRAM_DIR);
  qv::state().PicturesFolder = qv::state().ProgramFolder;
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
  qvbench::tearDownProgram();
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
