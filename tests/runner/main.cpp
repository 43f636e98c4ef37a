// scenario_runner [--widgets] [--program-dir DIR] FILE.scn ...
// Runs each scenario in a fresh program run; stops a scenario at its first
// unmet expectation and exits non-zero when any scenario failed. With
// --widgets the steps go through the real Qt windows.
#include <QApplication>
#include <QFileInfo>
#include <cstdio>

#include "runner/Runner.h"
#include "runner/Scenario.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QStringList args = app.arguments().mid(1);
  QString programDir = QCoreApplication::applicationDirPath();
  auto mode = qv::scenario::Runner::Mode::Model;
  if (args.value(0) == u"--widgets") {
    mode = qv::scenario::Runner::Mode::Widgets;
    args = args.mid(1);
  }
  if (args.value(0) == u"--program-dir") {
    programDir = args.value(1);
    args = args.mid(2);
  }
  if (args.isEmpty()) {
    std::fprintf(stderr, "usage: scenario_runner [--widgets] [--program-dir DIR] FILE.scn ...\n");
    return 2;
  }
  int passed = 0, failed = 0;
  for (const QString& file : args) {
    std::vector<qv::scenario::Step> steps;
    QString report;
    bool ok = qv::scenario::parseFile(file, steps, &report);
    if (ok) {
      qv::scenario::Runner runner(programDir, mode);
      ok = runner.run(steps, QFileInfo(file).fileName(), report);
    }
    std::printf("%s %s\n", ok ? "PASS" : "FAIL", qPrintable(report));
    (ok ? passed : failed)++;
  }
  std::printf("%d passed, %d failed\n", passed, failed);
  return failed ? 1 : 0;
}
