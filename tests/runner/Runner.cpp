#include "runner/Runner.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMdiSubWindow>
#include <QRegularExpression>

#include "controls/Layout.h"
#include "controls/Screen.h"
#include "frame/MainWindow.h"
#include "frame/ProgramState.h"
#include "frame/Startup.h"
#include "platform/Clock.h"
#include "platform/Environment.h"
#include "platform/Paths.h"
#include "platform/Profile.h"
#include "platform/SingleInstance.h"
#include "platform/TextFile.h"
#include "runtime/Error.h"
#include "runner/WidgetHost.h"
#include "runner/WidgetInput.h"
#include "view/MainWindowView.h"

namespace qv::scenario {

namespace {

void need(const QStringList& a, int n, const char* usage) {
  if (a.size() < n) fail(QStringLiteral("usage: %1").arg(QLatin1String(usage)));
}

QString quoted(const QString& s) {
  QString t = s;
  t.replace(QStringLiteral("\r\n"), QStringLiteral("{CRLF}"));
  t.replace(u'\r', QStringLiteral("{CR}"));
  t.replace(u'\n', QStringLiteral("{LF}"));
  t.replace(u'\t', QStringLiteral("{TAB}"));
  t.replace(QChar(0), QStringLiteral("{NUL}"));
  return u'"' + t + u'"';
}

// Text as a person reads it off the screen: line breaks and runs of blanks as one blank.
QString readable(const QString& s) {
  static const QRegularExpression ws(QStringLiteral("\\s+"));
  return QString(s).replace(ws, QStringLiteral(" ")).trimmed();
}

QString boolText(bool b) { return b ? QStringLiteral("true") : QStringLiteral("false"); }

}  // namespace

Runner::Runner(QString programDir, Mode mode) : programDir_(std::move(programDir)), mode_(mode) {
  if (mode_ == Mode::Widgets) widgetHost_ = std::make_unique<WidgetHost>(host_);
  else input_ = modelInput();
  // Keys that answer a modal window are pressed while it waits, inside the
  // program's own handling: a failure is kept for the step to report.
  host_.pressKeys = [this](const QStringList& keys) {
    try {
      input_->settle();  // the window comes to the front and takes the keyboard
      for (const QString& k : keys) {
        input_->key(parseKeyName(k));
        input_->settle();
      }
    } catch (const Failure& f) {
      innerFailure_ = QStringLiteral("answering with keys: ") + f.message;
    }
  };
}

Runner::~Runner() {
  diskFull_.reset();
  if (started_) {
    // The next scenario in this process starts clean; the main window last,
    // so that no closing question is asked.
    const std::vector<Screen*> loaded = Screen::loadedScreens();
    for (auto it = loaded.rbegin(); it != loaded.rend(); ++it) (*it)->unload();
  }
  window_.reset();
  if (input_) input_->settle();
  setHost(nullptr);
  env::reset();
  paths::setDriveRoot(u'C', QString());
  clock::fix(QDateTime());
}

const std::map<QString, Runner::Handler>& Runner::commands() {
  static const std::map<QString, Handler> table = {
      {"start", &Runner::cmdStart},           {"file", &Runner::cmdFile},
      {"bytes", &Runner::cmdBytes},           {"folder", &Runner::cmdFolder},
      {"drive-root", &Runner::cmdDriveRoot},
      {"remove", &Runner::cmdRemove},         {"program-file", &Runner::cmdProgramFile},
      {"remove-program-file", &Runner::cmdRemoveProgramFile},
      {"program-picture", &Runner::cmdProgramPicture},
      {"another-copy-running", &Runner::cmdAnotherCopy},
      {"printers", &Runner::cmdPrinters},
      {"answer", &Runner::cmdAnswer},         {"answer-file", &Runner::cmdAnswerFile},
      {"answer-keys", &Runner::cmdAnswerKeys},
      {"menu", &Runner::cmdMenu},             {"button", &Runner::cmdButton},
      {"click", &Runner::cmdClick},           {"focus", &Runner::cmdFocus},
      {"click-while-printing", &Runner::cmdClickWhilePrinting},
      {"type", &Runner::cmdType},             {"key", &Runner::cmdKey},
      {"choose", &Runner::cmdChoose},         {"clipboard", &Runner::cmdClipboard},
      {"disk-full", &Runner::cmdDiskFull},
      {"close", &Runner::cmdClose},         {"look", &Runner::cmdLook},
      {"minimize", &Runner::cmdMinimize},
      {"expect", &Runner::cmdExpect},
  };
  return table;
}

bool Runner::run(const std::vector<Step>& steps, const QString& scenarioName, QString& report) {
  drive_ = std::make_unique<QTemporaryDir>();
  lockDir_ = std::make_unique<QTemporaryDir>();
  paths::setDriveRoot(u'C', drive_->path());
  // Single-instance locks live in the session's runtime folder: one of our own per scenario.
  qputenv("XDG_RUNTIME_DIR", QFile::encodeName(lockDir_->path()));
  clock::setPausesEnabled(false);
  if (widgetHost_) setHost(widgetHost_.get());
  else setHost(&host_);
  int done = 0;
  for (const Step& st : steps) {
    try {
      auto it = commands().find(st.words.value(0).toLower());
      if (it == commands().end()) fail(QStringLiteral("unknown step \"%1\"").arg(st.words.value(0)));
      (this->*(it->second))(st.words.mid(1));
      if (input_) input_->settle();
      if (!innerFailure_.isEmpty()) fail(innerFailure_);
      ++done;
    } catch (const Failure& f) {
      report = QStringLiteral("%1:%2: %3\n  %4").arg(scenarioName).arg(st.line).arg(st.source, f.message);
      return false;
    } catch (const ProgramError& e) {
      report = QStringLiteral("%1:%2: %3\n  program error %4 escaped: %5")
                   .arg(scenarioName).arg(st.line).arg(st.source).arg(e.number).arg(e.description);
      return false;
    }
  }
  if (checkedModals_ < host_.modals().size()) {
    const ShownModal& m = host_.modals()[checkedModals_];
    report = QStringLiteral("%1: a message box nobody expected: title %2, text %3")
                 .arg(scenarioName, quoted(m.title), quoted(readable(m.text)));
    return false;
  }
  if (host_.pendingAnswers() > 0) {
    report = QStringLiteral("%1: %2 queued answer(s) were never asked for").arg(scenarioName).arg(host_.pendingAnswers());
    return false;
  }
  report = QStringLiteral("%1: %2 steps passed").arg(scenarioName).arg(done);
  return true;
}

// ---- Set-up ----

void Runner::cmdStart(const QStringList& a) {
  need(a, 1, "start <executable name> [date YYYY-MM-DD] [time HH:MM] [user NAME | no-user] [args \"...\"] [display WxH]");
  if (started_) fail(QStringLiteral("the program is already started"));
  // The program folder is a copy, so a scenario may add or remove its files.
  if (!programCopy_) cmdProgramFile({});
  QDateTime when(QDate(2025, 2, 15), QTime(10, 0));
  QMap<QString, QString> vars;
  vars.insert(QStringLiteral("USERNAME"), QStringLiteral("trainer"));
  QString args;
  for (int i = 1; i < a.size(); ++i) {
    const QString w = a[i].toLower();
    const QString v = a.value(i + 1);
    if (w == u"date") {
      when.setDate(QDate::fromString(v, Qt::ISODate));
      if (!when.date().isValid()) fail(QStringLiteral("bad date ") + v);
      ++i;
    } else if (w == u"time") {
      when.setTime(QTime::fromString(v, QStringLiteral("HH:mm")));
      ++i;
    } else if (w == u"user") {
      vars.insert(QStringLiteral("USERNAME"), v);
      ++i;
    } else if (w == u"no-user") {
      vars.remove(QStringLiteral("USERNAME"));
    } else if (w == u"args") {
      args = v;
      ++i;
    } else if (w == u"display") {
      const QStringList wh = v.split(u'x');
      host_.displayTwips = QSize(wh.value(0).toInt() * 15, wh.value(1).toInt() * 15);
      ++i;
    } else {
      fail(QStringLiteral("unknown start option ") + a[i]);
    }
  }
  env::override(vars);
  clock::fix(when);
  instance_ = std::make_unique<SingleInstance>(a[0] + u'-' + vars.value(QStringLiteral("USERNAME")).toUpper());
  started_ = true;
  if (mode_ == Mode::Widgets) {
    // The desktop's order: the main window's view first, then start-up,
    // then the main window shows.
    window_ = std::make_unique<MainWindowView>(mainWindow());
    widgetHost_->setMainWindow(window_.get());
    input_ = widgetInput(*window_);
  }
  startProgram({a[0], programCopy_->path(), args, instance_.get()});
  checkedPause_ = clock::pausedTotal();  // "expect pause" looks from here on
  if (widgetHost_ && mainWindow().loaded() && !mainWindow().caption().isEmpty() && !host_.quitCalled())
    widgetHost_->showScreen(mainWindow());
}

void Runner::cmdFile(const QStringList& a) {
  need(a, 1, "file \"C:\\path\" \"line\" ...");
  QString text;
  for (int i = 1; i < a.size(); ++i) text += a[i] + QStringLiteral("\r\n");
  const QString host = paths::toHost(a[0]);
  QDir().mkpath(QFileInfo(host).absolutePath());
  if (!writeTextFile(a[0], text)) fail(QStringLiteral("cannot write ") + a[0]);
}

void Runner::cmdBytes(const QStringList& a) {
  need(a, 2, "bytes \"C:\\path\" \"hex bytes\"");
  const QByteArray bytes = QByteArray::fromHex(a[1].toLatin1());
  const QString host = paths::toHost(a[0]);
  QDir().mkpath(QFileInfo(host).absolutePath());
  QFile f(host);
  if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) fail(QStringLiteral("cannot write ") + a[0]);
}

void Runner::cmdFolder(const QStringList& a) {
  need(a, 1, "folder \"C:\\path\"");
  if (!QDir().mkpath(paths::toHost(a[0]))) fail(QStringLiteral("cannot make ") + a[0]);
}

void Runner::cmdDriveRoot(const QStringList& a) {
  need(a, 2, "drive-root <letter> \"path inside the scenario's temporary folder\"");
  paths::setDriveRoot(a[0].at(0), QDir(drive_->path()).filePath(a[1]));
}

void Runner::cmdRemove(const QStringList& a) {
  need(a, 1, "remove \"C:\\path\"");
  const QString host = paths::toHost(a[0]);
  if (QFileInfo(host).isDir()) QDir(host).removeRecursively();
  else QFile::remove(host);
}

void Runner::cmdProgramFile(const QStringList& a) {
  if (!programCopy_) {
    programCopy_ = std::make_unique<QTemporaryDir>();
    QDirIterator it(programDir_, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
      const QString from = it.next();
      const QString rel = QDir(programDir_).relativeFilePath(from);
      // Executables stay where they are; the program's data files are copied.
      if (QFileInfo(from).isExecutable() && !rel.contains(u'.')) continue;
      const QString to = programCopy_->filePath(rel);
      QDir().mkpath(QFileInfo(to).absolutePath());
      QFile::copy(from, to);
    }
  }
  if (a.isEmpty()) return;
  QFile f(programCopy_->filePath(a[0]));
  if (!f.open(QIODevice::WriteOnly)) fail(QStringLiteral("cannot write program file ") + a[0]);
  f.write(a.value(1).toUtf8());
}

void Runner::cmdRemoveProgramFile(const QStringList& a) {
  need(a, 1, "remove-program-file \"name\"");
  cmdProgramFile({});
  QFile::remove(programCopy_->filePath(a[0]));
}

void Runner::cmdProgramPicture(const QStringList& a) {
  need(a, 1, "program-picture \"name.jpg\" ...   (small grey pictures drawn for the scenario)");
  cmdProgramFile({});
  for (const QString& name : a) {
    // A shade of grey of its own for each name, so that pictures differ.
    QImage image(24, 30, QImage::Format_RGB32);
    image.fill(QColor::fromHsv(0, 0, 40 + int(qHash(name) % 180)));
    if (!image.save(programCopy_->filePath(name))) fail(QStringLiteral("cannot write program picture ") + name);
  }
}

void Runner::cmdAnotherCopy(const QStringList& a) {
  need(a, 1, "another-copy-running <executable name> [user NAME]");
  const QString user = a.value(1).compare(QLatin1String("user"), Qt::CaseInsensitive) == 0 ? a.value(2) : QStringLiteral("trainer");
  otherCopy_ = std::make_unique<SingleInstance>(a[0] + u'-' + user.toUpper());
  if (!otherCopy_->acquire()) fail(QStringLiteral("could not take the other copy's lock"));
}

void Runner::cmdPrinters(const QStringList& a) {
  // The desktop's printers from now on, the default first; none for no printer.
  host_.installedPrinters = a;
}

// ---- What the user does ----

void Runner::requireStarted() const {
  if (!started_) fail(QStringLiteral("the program is not started (use: start <executable>)"));
}

void Runner::cmdAnswer(const QStringList& a) {
  need(a, 1, "answer \"button caption\" [input \"text\"]");
  // "input" names the text typed into the window's input box, an empty one too.
  const bool typed = a.value(1).compare(QLatin1String("input"), Qt::CaseInsensitive) == 0;
  host_.queueAnswer(a[0], typed ? QString(a.value(2)).append(QLatin1String("")) : QString());
}

void Runner::cmdAnswerFile(const QStringList& a) {
  need(a, 1, "answer-file \"C:\\path\" | cancel");
  host_.queueFile(a[0] == u"cancel" ? QString() : a[0]);
}

void Runner::cmdAnswerKeys(const QStringList& a) {
  need(a, 1, "answer-keys <Key> [<Key> ...]   (pressed in the next modal window)");
  for (const QString& k : a) parseKeyName(k);  // an unknown name fails here, not in the window
  host_.queueKeys(a);
}

void Runner::cmdMenu(const QStringList& a) {
  need(a, 2, "menu \"Menu\" \"Item\" ...");
  requireStarted();
  F0_MDI& mdi = mainWindow();
  Menu* level = nullptr;
  for (const QString& caption : a) {
    Menu* found = nullptr;
    auto search = [&](const std::vector<std::unique_ptr<Menu>>& items) {
      for (auto& m : items)
        if (!m->separator && m->shownCaption().trimmed() == caption.trimmed()) found = m.get();
    };
    search(level ? level->items : mdi.menus());
    if (!found) fail(QStringLiteral("no menu item ") + quoted(caption));
    level = found;
  }
  if (!level->available()) fail(QStringLiteral("menu item ") + quoted(a.last()) + QStringLiteral(" is disabled"));
  input_->chooseMenu(*level, a);
}

void Runner::cmdButton(const QStringList& a) {
  need(a, 1, "button \"Caption\"");
  requireStarted();
  Screen& s = Screen::lastActivated() && Screen::lastActivated() != &mainWindow() &&
                      !Screen::lastActivated()->isChild()
                  ? *Screen::lastActivated()
                  : static_cast<Screen&>(mainWindow());
  for (Control* c : s.controls())
    if (c->type() == ControlType::CommandButton && c->caption() == a[0]) {
      if (!c->effectivelyVisible() || !c->effectivelyEnabled()) fail(QStringLiteral("the button is not available"));
      input_->click(*c, 1);
      return;
    }
  fail(QStringLiteral("no button ") + quoted(a[0]) + QStringLiteral(" on ") + s.name());
}

void Runner::cmdClick(const QStringList& a) {
  need(a, 1, "click <control> [right | middle]");
  requireStarted();
  const QString button = a.value(1).toLower();
  if (!button.isEmpty() && button != u"right" && button != u"middle") fail(QStringLiteral("unknown mouse button ") + a[1]);
  input_->click(target(a[0]), button == u"right" ? 2 : button == u"middle" ? 4 : 1);
}

void Runner::cmdClickWhilePrinting(const QStringList& a) {
  need(a, 1, "click-while-printing <control>   (clicked while the next page is being printed)");
  requireStarted();
  const QString ref = a[0];
  host_.whilePrinting = [this, ref] {
    try {
      input_->click(target(ref), 1);
    } catch (const Failure& f) {
      innerFailure_ = QStringLiteral("clicking while printing: ") + f.message;
    }
  };
}

void Runner::cmdFocus(const QStringList& a) {
  need(a, 1, "focus <control>");
  requireStarted();
  input_->focus(target(a[0]));
}

void Runner::cmdType(const QStringList& a) {
  need(a, 1, "type \"text\"");
  requireStarted();
  input_->type(a[0]);
}

void Runner::cmdKey(const QStringList& a) {
  need(a, 1, "key <Key> [<Key> ...]");
  requireStarted();
  for (const QString& k : a) {
    input_->key(parseKeyName(k));
    input_->settle();
  }
}

void Runner::cmdChoose(const QStringList& a) {
  need(a, 2, "choose <combo box> \"entry\"");
  requireStarted();
  Control& c = target(a[0]);
  const int i = c.items().indexOf(a[1]);
  if (i < 0) fail(QStringLiteral("no entry %1 in %2: %3").arg(quoted(a[1]), a[0], c.items().join(u'|')));
  input_->choose(c, i);
}

void Runner::cmdClose(const QStringList& a) {
  need(a, 1, "close <Screen>   (its window's close box; F0_MDI: the main window)");
  requireStarted();
  input_->closeWindow(screenNamed(a[0]));
}

void Runner::cmdMinimize(const QStringList& a) {
  need(a, 1, "minimize <Screen>   (its window's minimize button)");
  requireStarted();
  input_->minimizeWindow(screenNamed(a[0]));
}

// "disk-full 2048": from here on every file this program writes fails past
// that many bytes, as on a full drive; "disk-full off" ends it.
void Runner::cmdDiskFull(const QStringList& a) {
  need(a, 1, "disk-full <bytes> | off");
  diskFull_.reset();
  if (a[0] == u"off") return;
  bool ok = false;
  const qulonglong bytes = a[0].toULongLong(&ok);
  if (!ok) fail(QStringLiteral("disk-full wants a number of bytes or off"));
  diskFull_ = std::make_unique<FileSizeLimit>(rlim_t(bytes));
  if (!diskFull_->ok()) fail(QStringLiteral("the file size limit cannot be set"));
}

void Runner::cmdClipboard(const QStringList& a) {
  need(a, 1, "clipboard \"text\"");
  host_.clipboard = a[0];
}

namespace {
// How a screen and each of its controls look: the colours, opacity, fill,
// borders, font, alignment, picture, place and whether it shows. Texts are
// what the user typed, not how the screen looks; so is the status line's text
// colour, which tells a message from a help text.
std::map<QString, QString> appearanceOf(const Screen& s) {
  std::map<QString, QString> look;
  look[QStringLiteral("(screen)")] = QStringLiteral("back %1 size %2x%3")
                                         .arg(layout::colorText(s.backColor()))
                                         .arg(s.width())
                                         .arg(s.height());
  for (const Control* c : s.controls()) {
    const Font& f = c->font();
    look[c->displayName()] =
        QStringLiteral("%1 back %2 fore %3 backStyle %4 fill %5/%6 border %7/%8 font %9 %10%11 align %12 at %13,%14 %15x%16 picture %17")
            .arg(c->effectivelyVisible() ? "shown" : "hidden", layout::colorText(c->backColor()),
                 c->name().compare(QLatin1String("labelMisc"), Qt::CaseInsensitive) == 0
                     ? QStringLiteral("-")
                     : layout::colorText(c->foreColor()))
            .arg(c->backStyle())
            .arg(layout::colorText(c->fillColor()))
            .arg(c->fillStyle())
            .arg(c->borderStyle())
            .arg(layout::colorText(c->borderColor()), f.name)
            .arg(f.size)
            .arg(f.bold ? " bold" : "")
            .arg(int(c->alignment()))
            .arg(c->left())
            .arg(c->top())
            .arg(c->width())
            .arg(c->height())
            .arg(c->picture());
  }
  return look;
}
}  // namespace

void Runner::cmdLook(const QStringList&) {
  requireStarted();
  const Screen& s = activeScreen();
  lookedAt_ = s.name();
  look_ = appearanceOf(s);
}

// ---- Expectations ----

void Runner::cmdExpect(const QStringList& a) {
  need(a, 1, "expect <what> ...");
  static const std::map<QString, void (Runner::*)(const QStringList&)> kinds = {
      {"focus", &Runner::expectFocus},   {"screen", &Runner::expectScreen},
      {"mbx", &Runner::expectMbx},       {"no-mbx", &Runner::expectNoMbx},
      {"file", &Runner::expectFile},     {"folder", &Runner::expectFolder},
      {"ini", &Runner::expectIni},       {"state", &Runner::expectState},
      {"menu", &Runner::expectMenu},     {"quit", &Runner::expectQuit},
      {"running", &Runner::expectRunning}, {"opened", &Runner::expectOpened},
      {"picture", &Runner::expectPicture}, {"printed", &Runner::expectPrinted},
      {"document-folder", &Runner::expectDocumentFolder},
      {"dialog", &Runner::expectDialog},  {"pause", &Runner::expectPause},
      {"look", &Runner::expectLook},
  };
  if (auto it = kinds.find(a[0].toLower()); it != kinds.end()) (this->*(it->second))(a.mid(1));
  else expectControl(a);
}

namespace {
// "= value", "contains value", "!= value" after a subject.
void compare(const QString& what, const QString& seen, const QStringList& a, int at) {
  const QString op = a.value(at);
  const QString want = a.value(at + 1);
  bool ok = false;
  if (op == u"=") ok = seen == want;
  else if (op == u"!=") ok = seen != want;
  else if (op == u"contains") ok = seen.contains(want);
  else if (op == u"reads") ok = readable(seen) == readable(want);
  else fail(QStringLiteral("expected = , != , contains or reads after ") + what);
  if (a.size() < at + 2) fail(QStringLiteral("a value is missing after ") + op);
  if (!ok) fail(QStringLiteral("%1: saw %2").arg(what, quoted(seen)));
}
}  // namespace

void Runner::expectControl(const QStringList& a) {
  need(a, 4, "expect <control> <property> = \"value\"");
  requireStarted();
  Control& c = target(a[0]);
  compare(a[0] + u' ' + a[1], controlProperty(c, a[1]), a, 2);
}

void Runner::expectFocus(const QStringList& a) {
  need(a, 1, "expect focus <control> [shown] | none");
  requireStarted();
  Control* f = input_->keyboardControl();
  if (a[0] == u"none") {
    if (f) fail(QStringLiteral("the focus is on ") + f->displayName());
    return;
  }
  Control& want = target(a[0]);
  if (f != &want)
    fail(QStringLiteral("the focus is on %1 of %2")
             .arg(f ? f->displayName() : QStringLiteral("nothing"), f ? f->screen()->name() : QStringLiteral("no screen")));
  if (a.value(1) == u"shown" && !input_->focusShown(want))
    fail(QStringLiteral("%1 has the keyboard but looks as without it").arg(want.displayName()));
}

void Runner::expectScreen(const QStringList& a) {
  need(a, 2, "expect screen <Name> loaded|unloaded|active | <property> = \"value\"");
  requireStarted();
  const QString what = a[1].toLower();
  if (what == u"loaded" || what == u"unloaded") {
    bool loaded = false;
    for (Screen* s : Screen::loadedScreens()) loaded |= s->name().compare(a[0], Qt::CaseInsensitive) == 0;
    if (loaded != (what == u"loaded")) fail(QStringLiteral("screen %1 is %2").arg(a[0], loaded ? "loaded" : "not loaded"));
    return;
  }
  if (what == u"active") {
    if (activeScreen().name().compare(a[0], Qt::CaseInsensitive) != 0)
      fail(QStringLiteral("the active screen is ") + activeScreen().name());
    return;
  }
  Screen& s = screenNamed(a[0]);
  QString seen;
  if (what == u"caption") seen = s.caption();
  else if (what == u"left") seen = QString::number(s.left());
  else if (what == u"top") seen = QString::number(s.top());
  else if (what == u"width") seen = QString::number(s.width());
  else if (what == u"height") seen = QString::number(s.height());
  else if (what == u"icon") seen = s.icon();
  else if (what == u"backcolor") seen = layout::colorText(s.backColor());
  else if (what == u"minimized") {
    seen = boolText(s.minimized());
    // Through the widgets the window itself must be in that state, its document drawn when it is not.
    if (QMdiSubWindow* sub = window_ ? window_->subWindowFor(s) : nullptr) {
      if (sub->isMinimized() != s.minimized())
        fail(QStringLiteral("the window is %1").arg(sub->isMinimized() ? "minimized" : "not minimized"));
      if (!s.minimized() && (!sub->widget() || !sub->widget()->isVisible()))
        fail(QStringLiteral("the window shows no document"));
    }
  }
  else fail(QStringLiteral("unknown screen property ") + a[1]);
  compare(a[0] + u' ' + a[1], seen, a, 2);
}

void Runner::expectMbx(const QStringList& a) {
  if (checkedModals_ >= host_.modals().size()) fail(QStringLiteral("no message box was shown"));
  const ShownModal& m = host_.modals()[checkedModals_++];
  // The box shows "Message Number: N" first for every number but 800.
  static const QRegularExpression numberLine(QStringLiteral("^Message Number: (\\d+)\r"));
  const auto nm = numberLine.match(m.text);
  const QString number = nm.hasMatch() ? nm.captured(1) : QStringLiteral("800");
  const QString text = nm.hasMatch() ? m.text.mid(nm.capturedLength()) : m.text;
  for (int i = 0; i + 1 < a.size(); i += 2) {
    const QString key = a[i].toLower();
    const QString want = a[i + 1];
    QString seen;
    bool ok;
    if (key == u"title") ok = (seen = m.title) == want;
    else if (key == u"number") ok = (seen = number) == want;
    else if (key == u"text") ok = readable(seen = text) == readable(want);
    else if (key == u"contains") ok = readable(seen = text).contains(readable(want));
    else if (key == u"pressed") ok = (seen = m.pressed) == want;
    else if (key == u"buttons") ok = (seen = m.buttons.join(u'|')) == want;
    else fail(QStringLiteral("unknown message box detail ") + a[i]);
    if (!ok) fail(QStringLiteral("message box %1: saw %2").arg(key, quoted(key == u"text" ? readable(seen) : seen)));
  }
}

void Runner::expectNoMbx(const QStringList&) {
  if (checkedModals_ < host_.modals().size()) {
    const ShownModal& m = host_.modals()[checkedModals_];
    fail(QStringLiteral("a message box was shown: title %1, text %2").arg(quoted(m.title), quoted(readable(m.text))));
  }
}

// "expect pause 1000": the program paused that long since the last look or
// since start-up ended (the runner skips the waiting itself).
void Runner::expectPause(const QStringList& a) {
  need(a, 1, "expect pause <milliseconds>");
  const long long total = clock::pausedTotal();
  const long long since = total - checkedPause_;
  checkedPause_ = total;
  if (QString::number(since) != a[0]) fail(QStringLiteral("the program paused %1 ms").arg(since));
}

void Runner::expectFile(const QStringList& a) {
  need(a, 2, "expect file \"C:\\path\" exists|missing | contains \"text\" | line \"text\" | equals \"text\"");
  const QString what = a[1].toLower();
  const bool exists = paths::fileExists(a[0]);
  if (what == u"exists" || what == u"missing") {
    if (exists != (what == u"exists")) fail(QStringLiteral("the file %1").arg(exists ? "exists" : "is missing"));
    return;
  }
  QString text;
  if (!readTextFile(a[0], text)) fail(QStringLiteral("the file cannot be read"));
  need(a, 3, "expect file \"C:\\path\" contains|line|equals \"text\"");
  if (what == u"contains") {
    if (!text.contains(a[2])) fail(QStringLiteral("the file holds ") + quoted(text));
  } else if (what == u"line") {
    if (!text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n"))).contains(a[2]))
      fail(QStringLiteral("no such line; the file holds ") + quoted(text));
  } else if (what == u"equals") {
    if (text != a[2]) fail(QStringLiteral("the file holds ") + quoted(text));
  } else {
    fail(QStringLiteral("unknown file check ") + a[1]);
  }
}

void Runner::expectFolder(const QStringList& a) {
  need(a, 2, "expect folder \"C:\\path\" exists|missing");
  const bool exists = paths::folderExists(a[0]);
  if (exists != (a[1].toLower() == u"exists")) fail(QStringLiteral("the folder %1").arg(exists ? "exists" : "is missing"));
}

void Runner::expectIni(const QStringList& a) {
  need(a, 4, "expect ini \"C:\\file\" \"Section\" \"Key\" = \"value\" | missing");
  const QString marker = QStringLiteral("\x01missing\x01");
  QString buffer;
  GetPrivateProfileStringA(a[1], a[2], marker, buffer, 1024, a[0]);
  if (a[3] == u"missing") {
    if (buffer != marker) fail(QStringLiteral("the key holds ") + quoted(buffer));
    return;
  }
  if (buffer == marker) fail(QStringLiteral("the key is missing"));
  compare(QStringLiteral("[%1] %2").arg(a[1], a[2]), buffer, a, 3);
}

void Runner::expectState(const QStringList& a) {
  need(a, 3, "expect state <Variable> = \"value\"");
  compare(a[0], stateVariable(a[0]), a, 1);
}

void Runner::expectMenu(const QStringList& a) {
  need(a, 2, "expect menu <name> enabled|disabled | caption = \"text\"");
  requireStarted();
  Menu* m = mainWindow().findMenu(a[0]);
  if (!m) fail(QStringLiteral("no menu named ") + a[0]);
  const QString what = a[1].toLower();
  if (what == u"enabled" || what == u"disabled") {
    if (m->enabled != (what == u"enabled")) fail(QStringLiteral("the item is %1").arg(m->enabled ? "enabled" : "disabled"));
    return;
  }
  if (what == u"caption") compare(a[0], m->caption, a, 2);
  else fail(QStringLiteral("unknown menu check ") + a[1]);
}

void Runner::expectQuit(const QStringList&) {
  if (!host_.quitCalled()) fail(QStringLiteral("the program is still running"));
}

void Runner::expectRunning(const QStringList&) {
  if (host_.quitCalled()) fail(QStringLiteral("the program has ended"));
}

void Runner::expectOpened(const QStringList& a) {
  need(a, 1, "expect opened \"host path ending\"");
  for (const QString& d : host_.openedDocuments())
    if (d.endsWith(a[0])) return;
  fail(QStringLiteral("opened: ") + host_.openedDocuments().join(u'|'));
}

void Runner::expectPicture(const QStringList& a) {
  need(a, 1, "expect picture <screen> [ending-at <control>] [reaching <control>] [size WxH] [with <control>] [without <control>] ... | none");
  const auto& pics = host_.pictures();
  if (a[0] == u"none") {
    if (!pics.empty()) fail(QStringLiteral("a picture of %1 was copied").arg(pics.back().screen));
    return;
  }
  // "ending-at <control>": the picture is as high as the document, down to
  // there; "reaching <control>": as wide, across to there.
  const int at = a.indexOf(QStringLiteral("ending-at"));
  const int across = a.indexOf(QStringLiteral("reaching"));
  // The screen's latest picture.
  for (auto it = pics.rbegin(); it != pics.rend(); ++it) {
    const Picture& p = *it;
    if (p.screen.compare(a[0], Qt::CaseInsensitive) != 0) continue;
    if (at > 0) {
      const Control& end = target(a.value(at + 1));
      if (p.heightTwips != end.top() + end.height())
        fail(QStringLiteral("the picture was %1 twips high, %2 ends at %3").arg(p.heightTwips).arg(a.value(at + 1)).arg(end.top() + end.height()));
    }
    if (across > 0) {
      const Control& end = target(a.value(across + 1));
      if (p.widthTwips != end.left() + end.width())
        fail(QStringLiteral("the picture was %1 twips wide, %2 reaches %3").arg(p.widthTwips).arg(a.value(across + 1)).arg(end.left() + end.width()));
    }
    checkSheet(a, QStringLiteral("picture"), p.widthTwips, p.heightTwips, p.shown);
    return;
  }
  fail(QStringLiteral("no picture of %1 was copied").arg(a[0]));
}

// "size WxH" in twips; "with <control>", "without <control>": whether it
// showed on the picture or the page.
void Runner::checkSheet(const QStringList& a, const QString& what, int width, int height, const QStringList& shown) {
  if (const int size = a.indexOf(QStringLiteral("size")); size > 0) {
    const QString seen = QStringLiteral("%1x%2").arg(width).arg(height);
    if (seen != a.value(size + 1)) fail(QStringLiteral("the %1 was %2 twips").arg(what, seen));
  }
  for (int i = 1; i + 1 < a.size(); ++i) {
    if (a[i] != u"with" && a[i] != u"without") continue;
    const QString name = target(a[i + 1]).displayName();
    if (shown.contains(name) != (a[i] == u"with"))
      fail(QStringLiteral("%1 %2 on the %3").arg(name, a[i] == u"with" ? "did not show" : "showed", what));
  }
}

void Runner::expectPrinted(const QStringList& a) {
  need(a, 1, "expect printed <screen> on \"printer\" [white] | none");
  const auto& jobs = host_.printJobs();
  if (a[0] == u"none") {
    if (checkedPrintJobs_ < jobs.size())
      fail(QStringLiteral("%1 was printed on %2").arg(jobs[checkedPrintJobs_].screen, quoted(jobs[checkedPrintJobs_].printer)));
    return;
  }
  need(a, 3, "expect printed <screen> on \"printer\" [white] [ending-at <control>] [size WxH] [with|without <control>] ...");
  if (checkedPrintJobs_ >= jobs.size()) fail(QStringLiteral("nothing was printed"));
  const PrintJob& job = jobs[checkedPrintJobs_++];
  if (job.screen.compare(a[0], Qt::CaseInsensitive) != 0 || job.printer != a[2])
    fail(QStringLiteral("%1 was printed on %2").arg(job.screen, quoted(job.printer)));
  const int at = a.indexOf(QStringLiteral("ending-at"));
  if (a.contains(QStringLiteral("white")) && !job.whiteFields) fail(QStringLiteral("a field was not white when it printed"));
  if (at > 0) {
    // The page ends where the named control does.
    const Control& end = target(a.value(at + 1));
    if (job.heightTwips != end.top() + end.height())
      fail(QStringLiteral("the page was %1 twips high, %2 ends at %3").arg(job.heightTwips).arg(a.value(at + 1)).arg(end.top() + end.height()));
  }
  checkSheet(a, QStringLiteral("page"), job.widthTwips, job.heightTwips, job.shown);
}

void Runner::expectDialog(const QStringList& a) {
  // "expect dialog open|save [title T] [folder F] [name N] [filter X]", the next
  // file dialog shown; "expect dialog none": no further one.
  need(a, 1, "expect dialog open|save|none [title \"..\"] [folder \"..\"] [name \"..\"] [filter \"..\"]");
  const auto& shown = host_.dialogs();
  if (a[0] == u"none") {
    if (checkedDialogs_ < shown.size()) fail(QStringLiteral("a file dialog was shown: ") + shown[checkedDialogs_].request.title);
    return;
  }
  if (checkedDialogs_ >= shown.size()) fail(QStringLiteral("no file dialog was shown"));
  const ScriptedHost::ShownDialog& d = shown[checkedDialogs_++];
  if (d.save != (a[0] == u"save")) fail(QStringLiteral("the dialog was for %1").arg(d.save ? "saving" : "opening"));
  for (int i = 1; i + 1 < a.size(); i += 2) {
    const QString key = a[i].toLower();
    QString seen;
    if (key == u"title") seen = d.request.title;
    else if (key == u"folder") seen = d.request.initialFolder;
    else if (key == u"name") seen = d.request.fileName;
    else if (key == u"filter") seen = d.request.filter;
    else fail(QStringLiteral("unknown dialog detail ") + a[i]);
    if (seen != a[i + 1]) fail(QStringLiteral("dialog %1: saw %2").arg(key, quoted(seen)));
  }
}

// "expect look unchanged": the active screen looks as it did at the last
// "look" step; every control that differs is named.
void Runner::expectLook(const QStringList& a) {
  need(a, 1, "expect look unchanged");
  requireStarted();
  if (a[0] != u"unchanged") fail(QStringLiteral("unknown look check ") + a[0]);
  if (look_.empty()) fail(QStringLiteral("no look step before"));
  const Screen& s = activeScreen();
  if (s.name() != lookedAt_) fail(QStringLiteral("the active screen is %1, the look was at %2").arg(s.name(), lookedAt_));
  const std::map<QString, QString> now = appearanceOf(s);
  QStringList changes;
  for (const auto& [name, before] : look_) {
    const auto it = now.find(name);
    const QString after = it == now.end() ? QStringLiteral("(gone)") : it->second;
    if (after != before) changes << QStringLiteral("%1: %2\n    now %3").arg(name, before, after);
  }
  if (!changes.isEmpty())
    fail(QStringLiteral("%1 control(s) look different:\n  %2").arg(changes.size()).arg(changes.mid(0, 8).join(QStringLiteral("\n  "))));
}

void Runner::expectDocumentFolder(const QStringList& a) {
  need(a, 1, "expect document-folder \"C:\\path\"");
  if (host_.documentFolder != paths::toHost(a[0]))
    fail(QStringLiteral("the host was told ") + quoted(host_.documentFolder));
}

// ---- Lookups ----

Screen& Runner::activeScreen() const {
  if (Screen* s = Screen::lastActivated()) return *s;
  return mainWindow();
}

Screen& Runner::screenNamed(const QString& name) const {
  if (name.compare(QLatin1String("F0_MDI"), Qt::CaseInsensitive) == 0) return mainWindow();
  for (Screen* s : Screen::loadedScreens())
    if (s->name().compare(name, Qt::CaseInsensitive) == 0) return *s;
  fail(QStringLiteral("screen %1 is not loaded").arg(name));
}

Control& Runner::target(const QString& ref) const {
  static const QRegularExpression re(QStringLiteral("^(?:([A-Za-z0-9_]+)!)?([A-Za-z_][A-Za-z0-9_]*)(?:\\((\\d+)\\))?$"));
  const auto m = re.match(ref);
  if (!m.hasMatch()) fail(QStringLiteral("bad control reference ") + ref);
  Screen& s = m.captured(1).isEmpty() ? activeScreen() : screenNamed(m.captured(1));
  Control* c = m.captured(3).isEmpty() ? s.find(m.captured(2)) : s.find(m.captured(2), m.captured(3).toInt());
  if (!c) fail(QStringLiteral("no control %1 on %2").arg(ref, s.name()));
  return *c;
}

QString Runner::controlProperty(Control& c, const QString& prop) const {
  const QString p = prop.toLower();
  if (p == u"text") return c.text();
  if (p == u"caption") return c.caption();
  if (p == u"tag") return c.tag();
  if (p == u"tooltip") return c.toolTip();
  if (p == u"backcolor") return layout::colorText(c.backColor());
  if (p == u"forecolor") return layout::colorText(c.foreColor());
  if (p == u"visible") return boolText(c.effectivelyVisible());
  if (p == u"enabled") return boolText(c.effectivelyEnabled());
  if (p == u"locked") return boolText(c.locked());
  if (p == u"value") return QString::number(c.value());
  if (p == u"left") return QString::number(c.left());
  if (p == u"top") return QString::number(c.top());
  if (p == u"width") return QString::number(c.width());
  if (p == u"height") return QString::number(c.height());
  if (p == u"font") return QStringLiteral("%1 %2%3").arg(c.font().name).arg(c.font().size).arg(c.font().bold ? " bold" : "");
  if (p == u"selection") return c.selText();
  if (p == u"listindex") return QString::number(c.listIndex());
  if (p == u"items") return c.items().join(u'|');
  if (p == u"alignment") {
    static const char* const names[] = {"left", "right", "center"};
    return QLatin1String(names[int(c.alignment())]);
  }
  if (p == u"maxlength") return QString::number(c.maxLength());
  if (p == u"currenttab") return QString::number(c.currentTab());
  if (p == u"tabheight") return QString::number(c.tabHeight());
  if (p == u"tabstop") return boolText(c.tabStop());
  if (p == u"picture") {
    // Pictures of the program folder, a temporary copy, show as "<program>/NAME".
    QString v = c.picture();
    if (programCopy_) v.replace(programCopy_->path(), QStringLiteral("<program>"));
    return v;
  }
  fail(QStringLiteral("unknown control property ") + prop);
}

QString Runner::stateVariable(const QString& name) const {
  const ProgramState& s = state();
  static const QRegularExpression indexed(QStringLiteral("^([A-Za-z]+)\\((\\d+)(?:,(\\d+))?\\)$"));
  if (auto m = indexed.match(name); m.hasMatch()) {
    const QString base = m.captured(1);
    const int i = m.captured(2).toInt();
    if (base == u"ColorTable" && i < 10) return layout::colorText(s.ColorTable[i]);
    if (base == u"FormInfo" && i < 16) return s.FormInfo[i];
    if (base == u"YearChoices" && i < 4) return s.YearChoices[i];
    if (base == u"PersonFields" && i < 9 && m.captured(3).toInt() < 3) return s.PersonFields[i][m.captured(3).toInt()];
    fail(QStringLiteral("unknown variable ") + name);
  }
  const std::map<QString, QString> texts = {
      {"UserSection", s.UserSection},     {"UserInfFile", s.UserInfFile},
      {"FormsInfFile", s.FormsInfFile},   {"SSMCInfFile", s.SSMCInfFile},
      {"K1HelpInfFile", s.K1HelpInfFile}, {"PicturesFolder", s.PicturesFolder},
      {"UserGuideFile", s.UserGuideFile}, {"FileExtension", s.FileExtension},
      {"FileFilter", s.FileFilter},       {"CommandArgs", s.CommandArgs},
      {"CurrentFile", s.CurrentFile},     {"CurrentField", s.CurrentField},
      {"MbxAnswer", s.MbxAnswer},         {"MbxInputText", s.MbxInputText},
      {"ProgramFolder", s.ProgramFolder},
  };
  if (auto it = texts.find(name); it != texts.end()) {
    // The program folder is a temporary copy: show it as "<program>".
    QString v = it->second;
    if (programCopy_) v.replace(programCopy_->path(), QStringLiteral("<program>"));
    return v;
  }
  if (name == u"DebugMode") return boolText(s.DebugMode);
  if (name == u"StartingUp") return boolText(s.StartingUp);
  if (name == u"Quitting") return boolText(s.Quitting);
  if (name == u"CurrentForm") return s.CurrentForm ? s.CurrentForm->name() : QString();
  if (name == u"YearChoiceIndex") return QString::number(s.YearChoiceIndex);
  if (name == u"FormsFolder") return mainWindow().formsFolder();
  if (name == u"IconFile") {
    QString v = mainWindow().iconFile();
    if (programCopy_) v.replace(programCopy_->path(), QStringLiteral("<program>"));
    return v;
  }
  fail(QStringLiteral("unknown variable ") + name);
}

}  // namespace qv::scenario
