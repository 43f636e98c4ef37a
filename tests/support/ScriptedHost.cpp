#include "support/ScriptedHost.h"

#include <QDir>
#include <QRect>
#include <algorithm>

#include "controls/AccessKeys.h"
#include "controls/Screen.h"

#include <utility>

namespace qv {

void ScriptedHost::queueAnswer(const QString& buttonCaption, const QString& input) {
  answers_.push_back({buttonCaption, input});
}

void ScriptedHost::queueKeys(const QStringList& keys) { answers_.push_back({{}, {}, keys}); }

void ScriptedHost::queueFile(const QString& path) { files_.push_back(path); }

namespace {
QString shown(const QString& caption) { return accessKeyCaption(caption).text; }

// The controls on a picture or a page: shown, and not wholly outside the
// window's inside, which is all the painter draws.
QStringList onPaper(const Screen& s) {
  const QRect inside(0, 0, s.scaleWidth(), s.scaleHeight());
  QStringList out;
  for (const Control* c : s.controls()) {
    if (!c->effectivelyVisible()) continue;
    const Control* top = c;
    while (top->container()) top = top->container();
    const QRect place = top->type() == ControlType::Line
                            ? QRect(QPoint(std::min(top->x1(), top->x2()), std::min(top->y1(), top->y2())),
                                    QPoint(std::max(top->x1(), top->x2()), std::max(top->y1(), top->y2())))
                            : QRect(top->left(), top->top(), std::max(1, top->width()), std::max(1, top->height()));
    if (place.intersects(inside)) out << c->displayName();
  }
  return out;
}

// What the window says: the message box's message, the file-exists dialog's
// current-file text, or the values of the error report.
QString messageOf(Screen& s) {
  if (Control* l = s.find(QStringLiteral("lblMessage"))) return l->caption();
  if (Control* l = s.find(QStringLiteral("Label2"))) return l->caption();
  QStringList values;
  for (Control* c : s.array(QStringLiteral("Label2"))) values << c->caption();
  return values.join(u'\r');
}
}  // namespace

ModalAnswer ScriptedHost::answerModal(Screen& screen) {
  ShownModal rec{screen.name(), screen.caption(), messageOf(screen), {}, {}};
  std::vector<Control*> buttons;
  for (Control* c : screen.controls())
    if (c->type() == ControlType::CommandButton && c->effectivelyVisible() && !c->caption().isEmpty()) {
      buttons.push_back(c);
      rec.buttons << shown(c->caption());
    }
  ModalAnswer answer;
  if (!answers_.empty() && !answers_.front().keys.isEmpty()) {
    answer.keys = answers_.front().keys;
    answers_.pop_front();
    rec.pressed = QStringLiteral("keys ") + answer.keys.join(u' ');
  } else if (!answers_.empty()) {
    const Answer a = answers_.front();
    answers_.pop_front();
    if (!a.input.isNull())
      if (Control* input = screen.find(QStringLiteral("Text1")); input && input->effectivelyVisible())
        answer.input = a.input;
    // A button answers to its caption, or to its first line (the file-exists
    // dialog's buttons say three lines each).
    for (Control* b : buttons)
      if (shown(b->caption()) == a.button) answer.press = b;
    if (!answer.press)
      for (Control* b : buttons)
        if (shown(b->caption()).section(QStringLiteral("\r\n"), 0, 0) == a.button) answer.press = b;
    // A list's row answers to the text of its first cell.
    for (Control* c : screen.controls())
      if (!answer.press && c->type() == ControlType::Grid)
        for (int row = 1; row < c->rows(); ++row)
          if (c->cell(row, 0).trimmed() == a.button) {
            answer.grid = c;
            answer.row = row;
          }
    rec.pressed = answer.press ? shown(answer.press->caption())
                  : answer.grid ? QStringLiteral("row ") + a.button
                                : QStringLiteral("<no button \"%1\">").arg(a.button);
  } else {
    // A window without a default button is closed by its close box.
    for (Control* b : buttons)
      if (b->isDefault()) answer.press = b;
    rec.pressed = answer.press ? shown(answer.press->caption()) : QStringLiteral("<close box>");
  }
  modals_.push_back(rec);
  return answer;
}

void ScriptedHost::showModal(Screen& screen) {
  if (!screen.loaded()) screen.load();
  screen.setVisible(true);
  screen.activate();
  // As a window shown for the first time: the first tab stop takes the
  // keyboard unless Activate put it somewhere.
  if (screen.loaded() && !screen.activeControl()) screen.focusFirst();
  const ModalAnswer answer = answerModal(screen);
  if (!answer.input.isNull()) screen.ctl(QStringLiteral("Text1")).setText(answer.input);
  if (answer.press) screen.click(*answer.press);
  if (answer.grid) {
    answer.grid->setGridRow(answer.row);
    screen.click(*answer.grid);
  }
  if (!answer.keys.isEmpty() && pressKeys) pressKeys(answer.keys);
  // A screen no button closed is closed as by its close box.
  if (screen.loaded()) screen.unload();
}

void ScriptedHost::showScreen(Screen& screen) {
  shown_ << screen.name();
  screen.setVisible(true);
  screen.activate();
}

int ScriptedHost::standardMessage(StandardIcon, const QString& title, const QString& text,
                                  const QStringList& buttons) {
  ShownModal rec{QStringLiteral("standard"), title, text, buttons, {}};
  int index = 0;
  if (!answers_.empty()) {
    const Answer a = answers_.front();
    answers_.pop_front();
    index = std::max<int>(0, buttons.indexOf(a.button));
  }
  rec.pressed = buttons.value(index);
  modals_.push_back(rec);
  return index;
}

QString ScriptedHost::nextFile() {
  if (files_.empty()) return {};
  const QString f = files_.front();
  files_.pop_front();
  return f;
}

QString ScriptedHost::openFileDialog(const FileDialogRequest& r) {
  dialogs_.push_back({false, r});
  return nextFile();
}

QString ScriptedHost::saveFileDialog(const FileDialogRequest& r) {
  dialogs_.push_back({true, r});
  return nextFile();
}

bool ScriptedHost::printScreen(Screen& screen, const QString& printer, PrintOutcome& outcome) {
  if (whilePrinting) std::exchange(whilePrinting, nullptr)();
  if (!installedPrinters.contains(printer)) {
    outcome.error = QStringLiteral("The printer \"%1\" is not installed.").arg(printer);
    return false;
  }
  if (printer == u"Quorvane PDF")
    outcome.file = documentFolder.isEmpty() ? screen.name() + QStringLiteral(".pdf")
                                            : QDir(documentFolder).filePath(screen.name() + QStringLiteral(".pdf"));
  bool white = true;
  for (const Control* c : screen.controls())
    if (c->type() == ControlType::TextBox && c->backColor() != colors::White) white = false;
  printJobs_.push_back({screen.name(), printer, white, screen.scaleHeight(), screen.scaleWidth(), onPaper(screen)});
  return true;
}

bool ScriptedHost::copyScreenPicture(Screen& screen) {
  pictures_.push_back({screen.name(), screen.scaleWidth(), screen.scaleHeight(), onPaper(screen)});
  return true;
}

bool ScriptedHost::openDocument(const QString& hostPath) {
  opened_ << hostPath;
  return openDocumentResult;
}

void ScriptedHost::quit(int code) {
  quit_ = true;
  quitCode_ = code;
}

}  // namespace qv
