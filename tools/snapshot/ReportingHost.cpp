#include "ReportingHost.h"

#include <cstdio>
#include <cstdlib>

#include "controls/Screen.h"

namespace qv {

namespace {

void say(const QString& text) { std::fprintf(stderr, "%s\n", qPrintable(text)); }

}  // namespace

void ReportingHost::showModal(Screen& screen) {
  reported_ = true;
  if (!screen.loaded()) screen.load();
  // What the window says: its captions and texts, in control order.
  say(QStringLiteral("snapshot: %1 would be shown:").arg(screen.name()));
  for (const Control* c : screen.controls()) {
    const QString shown = c->type() == ControlType::TextBox ? c->text() : c->caption();
    if (!shown.trimmed().isEmpty() && c->visible()) say(QStringLiteral("  ") + shown.simplified());
  }
  screen.unload();
}

int ReportingHost::standardMessage(StandardIcon, const QString& title, const QString& text,
                                   const QStringList&) {
  reported_ = true;
  say(QStringLiteral("snapshot: message \"%1\": %2").arg(title, text));
  return 0;
}

bool ReportingHost::printScreen(Screen&, const QString&, PrintOutcome& outcome) {
  outcome.error = QStringLiteral("no printer in a snapshot run");
  return false;
}

void ReportingHost::quit(int code) { std::exit(code); }

}  // namespace qv
