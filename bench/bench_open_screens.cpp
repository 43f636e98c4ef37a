// Opening each tax form screen as its menu item does, less the positioning:
// the model loads (layout file, Form_Init, Form_Layout) and its view is built.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include "controls/Screen.h"
#include "frame/ProgramState.h"
#include "platform/Clock.h"
#include "platform/Host.h"
#include "screens/Catalog.h"
#include "screens/TaxFormTable.h"
#include "support/ScriptedHost.h"
#include "view/Fonts.h"
#include "view/ScreenView.h"

namespace {

void BM_OpenTaxFormScreen(benchmark::State& run, const char* name) {
  static qv::ScriptedHost host;
  qv::setHost(&host);
  qv::clock::setPausesEnabled(false);
  qv::installFonts();
  // The screens read their entries from the shipped forms description.
  static QTemporaryDir folder;
  static const bool copied = QFile::copy(QStringLiteral(":/inf/Forms.inf"), folder.filePath("Forms.inf"));
  if (!copied) {
    run.SkipWithError("cannot copy Forms.inf");
    return;
  }
  qv::state().FormsInfFile = folder.filePath("Forms.inf");
  qv::state().YearChoices = {"2024", "2025", "2026", "20XX"};
  qv::state().YearChoiceIndex = 1;
  qv::Screen* screen = qv::screenNamed(QLatin1String(name));
  if (!screen) {
    run.SkipWithError("no layout");
    return;
  }
  for (auto _ : run) {
    screen->load();
    qv::ScreenView view(*screen);
    view.resize(view.sizeHint());
    QCoreApplication::processEvents();
    benchmark::DoNotOptimize(view.sizeHint());
    screen->unload();
  }
  qv::setHost(nullptr);
}

// One benchmark per screen of the table.
const bool registered = [] {
  for (const qv::TaxFormTraits& t : qv::taxForms())
    benchmark::RegisterBenchmark((std::string("BM_Open/") + t.name).c_str(), BM_OpenTaxFormScreen, t.name)
        ->Unit(benchmark::kMillisecond);
  return true;
}();

}  // namespace
