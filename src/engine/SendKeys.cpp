#include "engine/SendKeys.h"

#include "controls/Screen.h"
#include "frame/MainWindow.h"
#include "runtime/Error.h"

namespace qv {

namespace {

struct NamedKey {
  const char* name;
  int keyCode;
};
const NamedKey kNamedKeys[] = {{"TAB", keys::Tab}, {"ENTER", keys::Return}};

int keyNamed(const QString& name) {
  for (const NamedKey& k : kNamedKeys)
    if (name.compare(QLatin1String(k.name), Qt::CaseInsensitive) == 0) return k.keyCode;
  raiseError(err::InvalidCall, QStringLiteral("Invalid procedure call or argument"));
}

// The window that has the keyboard: the last activated screen; for the main
// window, the document screen active inside it.
Screen* activeScreen() {
  Screen* s = Screen::lastActivated();
  if (s == &mainWindow()) return mainWindow().activeChild();
  return s;
}

}  // namespace

void Send_Keys(const QString& keys, bool wait) {
  Screen* target = activeScreen();
  for (qsizetype i = 0; i < keys.size(); ++i) {
    const QChar ch = keys[i];
    if (ch == u'{') {
      const qsizetype close = keys.indexOf(u'}', i + 1);
      if (close < 0) raiseError(err::InvalidCall, QStringLiteral("Invalid procedure call or argument"));
      const int code = keyNamed(keys.mid(i + 1, close - i - 1));
      if (target) target->pressKey(code);
      i = close;
    } else if (ch == u'~') {
      if (target) target->pressKey(keys::Return);
    } else if (target) {
      target->typeText(QString(ch));
    }
  }
}

}  // namespace qv
