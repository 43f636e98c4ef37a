#pragma once
// Qt keys in the program's terms: the desktop's key codes ('A'..'Z', digits,
// F1 = 112, Tab 9, Return 13, ...), shift bits (1 shift, 2 ctrl, 4 alt) and
// the character the key types (Ctrl+C types 3).
#include <QString>
#include <Qt>

class QKeyEvent;

namespace qv {

struct KeyStroke {
  int keyCode = 0;  // 0: a key the program has no code for
  int shift = 0;
  int ch = 0;       // 0: the key types nothing
};

KeyStroke keyStroke(int qtKey, Qt::KeyboardModifiers modifiers, const QString& text);
KeyStroke keyStroke(const QKeyEvent& event);

}  // namespace qv
