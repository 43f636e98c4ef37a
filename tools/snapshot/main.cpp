// Pictures of the program's screens as the user sees them after start-up, for
// checking a layout against its paper form.
//
//   snapshot [--filled] OUTDIR [NAME...]
//
// Writes OUTDIR/NAME.png for each screen named (default: every screen layout
// built into the program), at the screen's size in pixels. With --filled it
// also writes OUTDIR/NAME-filled.png with a sample entry in every field and
// every check label ticked.
// The program's own screens are loaded as the program loads them (their own
// start-up: the engine's appearance by field kind, captions from Forms.inf,
// border, and what each screen puts in itself) for the tax year 2024; other
// layouts (the main window, the dialogs) are drawn as laid out.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <cstdio>

#include "ReportingHost.h"
#include "SampleText.h"
#include "controls/Layout.h"
#include "controls/Screen.h"
#include "engine/FormInit.h"
#include "engine/TaxYear.h"
#include "frame/ErrorTrap.h"
#include "frame/MainWindow.h"
#include "frame/Configure.h"
#include "frame/ProgramState.h"
#include "screens/Catalog.h"
#include "platform/Paths.h"
#include "view/ScreenPainter.h"

namespace {

using namespace qv;

void say(const QString& text) { std::fprintf(stderr, "%s\n", qPrintable(text)); }

const char* const kSettingsFiles[] = {"Forms.inf", "SSMC.inf", "K1Help.inf"};
const QString kInfFolder = QStringLiteral("C:\\QuorvaneInfFiles");

// Every picture shows the tax year 2024 (the configuration screen's load
// chooses the year by today's date).
void fixTaxYear() {
  ProgramState& s = state();
  s.YearChoices = {QStringLiteral("2024"), QStringLiteral("2025"), QStringLiteral("2026"), QStringLiteral("20XX")};
  s.YearChoiceIndex = 0;
}

// The shipped settings files on a temporary drive C:, a fixed tax year, and
// the field colours of the main window's legend, as start-up leaves them.
bool setUpRun(const QTemporaryDir& drive) {
  resetState();
  paths::setDriveRoot(u'C', drive.path());
  if (!paths::makeFolder(kInfFolder)) return false;
  for (const char* file : kSettingsFiles) {
    const QString name = QLatin1String(file);
    if (!QFile::copy(QStringLiteral(":/inf/") + name, paths::toHost(paths::join(kInfFolder, name)))) {
      say(QStringLiteral("snapshot: cannot copy the shipped %1").arg(name));
      return false;
    }
  }
  ProgramState& s = state();
  s.FormsInfFile = paths::join(kInfFolder, QStringLiteral("Forms.inf"));
  s.SSMCInfFile = paths::join(kInfFolder, QStringLiteral("SSMC.inf"));
  s.K1HelpInfFile = paths::join(kInfFolder, QStringLiteral("K1Help.inf"));
  s.UserSection = QStringLiteral("SNAPSHOT");
  s.UserInfFile = paths::join(kInfFolder, QStringLiteral("Snapshot.inf"));
  s.ProgramFolder = QStringLiteral(QV_PROGRAM_DIR);
  s.PicturesFolder = s.ProgramFolder;
  fixTaxYear();

  // The main window's layout alone, without its start-up: screens that size
  // themselves by it, and the legend the field colours come from.
  QString error;
  if (!layout::load(mainWindow(), QStringLiteral("F0_MDI"), &error)) {
    say(QStringLiteral("snapshot: F0_MDI: %1").arg(error));
    return false;
  }
  const auto legend = mainWindow().array(QStringLiteral("txtLegend"));
  for (int i = 1; i < int(legend.size()) && i < int(s.ColorTable.size()); ++i)
    s.ColorTable[i] = legend[i]->backColor();
  return true;
}

// The program's instance of a screen, or nullptr for a layout it only draws.
Screen* programScreen(const QString& name) {
  if (name.compare(QLatin1String("F1_Configure"), Qt::CaseInsensitive) == 0) return &configureScreen();
  return screenNamed(name);
}

// What positioning does to the look after the screen's own Load: the
// chosen year in the year labels.
void positioned(Screen& screen) {
  trap(QStringLiteral("snapshot:") + screen.name(), [&] {
    if (Form_HasTaxYear())
      for (int index : {1, 3})
        if (Control* year = screen.find(QStringLiteral("TaxYear"), index))
          year->setCaption(chosenTaxYear().right(2));
  });
}

bool isField(const Control& c) {
  static const QRegularExpression re(QStringLiteral("^Text[1-5]$"), QRegularExpression::CaseInsensitiveOption);
  return c.type() == ControlType::TextBox && c.inArray() && re.match(c.name()).hasMatch();
}

bool save(const QImage& image, const QString& path) {
  if (image.isNull() || !image.save(path, "PNG")) {
    say(QStringLiteral("snapshot: cannot write %1").arg(path));
    return false;
  }
  std::printf("%s\n", qPrintable(path));
  return true;
}

bool snapshot(const QString& name, const QDir& out, bool filled) {
  Screen drawn(name);
  Screen* own = programScreen(name);
  Screen& screen = own ? *own : drawn;
  if (own) {
    trap(QStringLiteral("snapshot:") + name, [&] { own->load(); });
    if (!own->loaded()) return false;
    positioned(*own);
  } else {
    QString error;
    if (!layout::load(drawn, name, &error)) {
      say(QStringLiteral("snapshot: %1: %2").arg(name, error));
      return false;
    }
  }
  bool ok = save(renderScreen(screen), out.filePath(name + QStringLiteral(".png")));
  if (filled) {
    for (Control* c : screen.controls())
      if (isField(*c)) c->setText(sampleText(*c));
    for (Control* check : screen.array(QStringLiteral("Check")))
      if (check->type() == ControlType::Label) check->setCaption(QStringLiteral("X"));
    ok = save(renderScreen(screen), out.filePath(name + QStringLiteral("-filled.png"))) && ok;
  }
  if (own) own->unload();
  fixTaxYear();
  state().CurrentForm = nullptr;  // the screen goes away here
  return ok;
}

QStringList builtInScreens() {
  QStringList names;
  for (const QString& file : QDir(QStringLiteral(":/screens")).entryList({QStringLiteral("*.json")}, QDir::Files,
                                                                        QDir::Name))
    names << file.chopped(5);
  return names;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  QStringList args = app.arguments().mid(1);
  const bool filled = args.removeAll(QStringLiteral("--filled")) > 0;
  if (args.isEmpty() || args.first().startsWith(u'-')) {
    say(QStringLiteral("usage: snapshot [--filled] OUTDIR [NAME...]"));
    return 2;
  }
  const QDir out(args.takeFirst());
  if (!out.mkpath(QStringLiteral("."))) {
    say(QStringLiteral("snapshot: cannot make %1").arg(out.path()));
    return 1;
  }

  qv::ReportingHost reporting;
  qv::setHost(&reporting);
  QTemporaryDir drive;
  if (!drive.isValid() || !setUpRun(drive)) return 1;

  bool ok = true;
  for (const QString& name : args.isEmpty() ? builtInScreens() : args) ok = snapshot(name, out, filled) && ok;
  qv::paths::setDriveRoot(u'C', {});
  return ok && !reporting.reported() ? 0 : 1;
}
