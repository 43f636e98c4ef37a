// Saving and opening a form file of the largest screen, the 1095-C, filled in
// full, as the Save and Open commands do it: the record and the proposed name,
// the dialogs (answered at once), the file written to disk and flushed, the
// screen loaded and positioned, the items restored and the dates re-edited.
// The view of the opened screen is timed on its own, as the desktop builds it.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/resource.h>

#include "BenchProgram.h"
#include "controls/Screen.h"
#include "engine/FieldEdits.h"
#include "engine/FormInit.h"
#include "engine/Positioning.h"
#include "files/FormFiles.h"
#include "frame/ProgramState.h"
#include "platform/Clock.h"
#include "platform/Host.h"
#include "platform/Paths.h"
#include "screens/Catalog.h"
#include "support/ScriptedHost.h"
#include "view/Fonts.h"
#include "view/ScreenView.h"

namespace {

const QString kFile = QStringLiteral("C:\\Forms\\DOE,JOHN_1095C_000.velmora");

// What a trainer types into a field of its kind (the field's edit finishes it).
QString typed(const qv::Control& field) {
  const QString kind = field.tag().toUpper();
  QString value;
  if (kind.endsWith(QLatin1String("MONEY"))) value = QStringLiteral("1234567.89");
  else if (kind == u"TIN") value = QStringLiteral("123456789");
  else if (kind == u"EIN") value = QStringLiteral("987654321");
  else if (kind.startsWith(QLatin1String("DATE"))) value = QStringLiteral("3/15/2025");
  else if (kind == u"TPNAME") value = QStringLiteral("john q doe");
  else value = QStringLiteral("1E ACME HEALTH PLANS");
  if (field.multiLine()) value += QStringLiteral("\r\n1 MAIN ST\r\nANYTOWN ST 12345");
  return value;
}

// A program state for the Velmora edition on a temporary drive C:, with the
// 1095-C filled in full and on display. False when the drive cannot be set up.
bool setUp(qv::ScriptedHost& host, QTemporaryDir& drive) {
  if (!qvbench::setUpProgram(host, drive) || !QDir(drive.path()).mkpath(QStringLiteral("Forms"))) return false;
  qv::ProgramState& s = qv::state();
  s.FileExtension = QStringLiteral(".velmora");
  s.FileNamePattern = QStringLiteral("<LAST>_<FIRST>_<FORM>_<OTHER>_<SEQ>.velmora");
  qv::Screen* screen = qv::screenNamed(QStringLiteral("TF_1095C"));
  if (!screen) return false;
  qv::Form_Position(*screen);
  for (qv::Control* c : screen->controls()) {
    if (c->type() == qv::ControlType::TextBox && c->name() == u"Text1") {
      c->setText(typed(*c));
      qv::EditCtl(*c);
    }
    if (c->type() == qv::ControlType::Label && c->name() == u"Check") c->setCaption(QStringLiteral("X"));
  }
  return true;
}

// The same, with the screen saved once to kFile.
bool setUpSaved(qv::ScriptedHost& host, QTemporaryDir& drive) {
  if (!setUp(host, drive)) return false;
  host.queueFile(kFile);
  qv::Save_File();
  return qv::paths::fileExists(kFile);
}

void tearDown(QTemporaryDir& drive) {
  for (qv::Screen* open : std::vector<qv::Screen*>(qv::Screen::loadedScreens())) open->unload();
  qvbench::tearDownProgram();
  (void)drive;
}

// Save on a screen opened from the menus: the save dialog, a new file.
void BM_Save1095C(benchmark::State& run) {
  qv::ScriptedHost host;
  QTemporaryDir drive;
  if (!setUp(host, drive)) return run.SkipWithError("cannot set up drive C:");
  for (auto _ : run) {
    run.PauseTiming();
    QFile::remove(qv::paths::toHost(kFile));
    host.queueFile(kFile);
    run.ResumeTiming();
    qv::Save_File();
  }
  if (!host.modals().empty() || !qv::paths::fileExists(kFile)) run.SkipWithError("the file was not saved");
  run.SetLabel(QStringLiteral("%1 bytes").arg(QFileInfo(qv::paths::toHost(kFile)).size()).toStdString());
  tearDown(drive);
}

// Save on a screen opened from a file: the file-exists dialog, answered SAVE.
void BM_Resave1095C(benchmark::State& run) {
  qv::ScriptedHost host;
  QTemporaryDir drive;
  if (!setUpSaved(host, drive)) return run.SkipWithError("cannot set up drive C: and save the file");
  qv::state().CurrentFile = kFile;
  for (auto _ : run) {
    host.queueAnswer(QStringLiteral("SAVE"));
    qv::Save_File();
  }
  if (host.modals().size() != size_t(run.iterations()) || host.pendingAnswers() != 0)
    run.SkipWithError("the file-exists dialog was not answered");
  tearDown(drive);
}

// Open: the open dialog, the screen unloaded and loaded again, the file read.
void BM_Open1095C(benchmark::State& run) {
  qv::ScriptedHost host;
  QTemporaryDir drive;
  if (!setUpSaved(host, drive)) return run.SkipWithError("cannot set up drive C: and save the file");
  for (auto _ : run) {
    host.queueFile(kFile);
    qv::Open_File();
  }
  if (!host.modals().empty() || qv::state().CurrentFile != kFile ||
      qv::currentForm().ctl(QStringLiteral("Check"), 80).caption() != u"X")
    run.SkipWithError("the file was not opened");
  tearDown(drive);
}

// Open as the desktop shows it: the same, and the view of the opened screen built.
void BM_Open1095CWithView(benchmark::State& run) {
  qv::ScriptedHost host;
  QTemporaryDir drive;
  qv::installFonts();
  if (!setUpSaved(host, drive)) return run.SkipWithError("cannot set up drive C: and save the file");
  for (auto _ : run) {
    host.queueFile(kFile);
    qv::Open_File();
    qv::ScreenView view(qv::currentForm());
    view.resize(view.sizeHint());
    QCoreApplication::processEvents();
    benchmark::DoNotOptimize(view.sizeHint());
  }
  if (!host.modals().empty()) run.SkipWithError("the file was not opened");
  tearDown(drive);
}

// Open of a 2 GB file whose first line is the 1095-C's record: only that line
// is read. The file's tail is a hole, so it costs no disk; the peak memory of
// the whole run (run this benchmark alone to see its own) is a counter.
void BM_OpenTwoGigabyteFile(benchmark::State& run) {
  qv::ScriptedHost host;
  QTemporaryDir drive;
  if (!setUpSaved(host, drive)) return run.SkipWithError("cannot set up drive C: and save the file");
  QFile file(qv::paths::toHost(kFile));
  if (!file.resize(qint64(2) << 30)) return run.SkipWithError("cannot make the file 2 GB long");
  for (auto _ : run) {
    host.queueFile(kFile);
    qv::Open_File();
  }
  if (!host.modals().empty() || qv::currentForm().ctl(QStringLiteral("Check"), 80).caption() != u"X")
    run.SkipWithError("the file was not opened");
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  run.counters["peak_MB"] = double(usage.ru_maxrss) / 1024.0;
  tearDown(drive);
}

}  // namespace

BENCHMARK(BM_OpenTwoGigabyteFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Save1095C)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Resave1095C)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Open1095C)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Open1095CWithView)->Unit(benchmark::kMillisecond);
