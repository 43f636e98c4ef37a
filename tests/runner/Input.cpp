#include "runner/Input.h"

#include <QRegularExpression>
#include <set>

#include "controls/Screen.h"
#include "runner/Failure.h"

namespace qv::scenario {

KeyName parseKeyName(const QString& name) {
  KeyName k;
  QStringList parts = name.split(u'+');
  const QString key = parts.takeLast();
  for (const QString& m : parts) {
    if (m.compare(QLatin1String("Shift"), Qt::CaseInsensitive) == 0) k.shift |= keys::ShiftMask;
    else if (m.compare(QLatin1String("Ctrl"), Qt::CaseInsensitive) == 0) k.shift |= keys::CtrlMask;
    else if (m.compare(QLatin1String("Alt"), Qt::CaseInsensitive) == 0) k.shift |= keys::AltMask;
    else fail(QStringLiteral("unknown key ") + name);
  }
  static const std::set<QString> named = {"tab",  "enter", "return", "backspace", "escape", "esc",
                                          "delete", "left", "right", "up", "down", "home", "end",
                                          "pageup", "pagedown", "space", "shift"};
  static const QRegularExpression fkey(QStringLiteral("^f([1-9]|1[0-2])$"));
  const QString lower = key.toLower();
  if (named.count(lower) || fkey.match(lower).hasMatch()) k.key = lower;
  else if (key.size() == 1) k.key = key;
  else fail(QStringLiteral("unknown key ") + name);
  return k;
}

}  // namespace qv::scenario
