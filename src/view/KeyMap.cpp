#include "view/KeyMap.h"

#include <QKeyEvent>

#include "controls/Screen.h"

namespace qv {

namespace {

struct KeyCode {
  int qtKey;
  int code;
};

constexpr KeyCode kKeys[] = {
    {Qt::Key_Backspace, keys::Back}, {Qt::Key_Tab, keys::Tab}, {Qt::Key_Backtab, keys::Tab},
    {Qt::Key_Return, keys::Return}, {Qt::Key_Enter, keys::Return}, {Qt::Key_Escape, keys::Escape},
    {Qt::Key_Space, keys::Space}, {Qt::Key_PageUp, keys::PageUp}, {Qt::Key_PageDown, keys::PageDown},
    {Qt::Key_End, keys::End}, {Qt::Key_Home, keys::Home}, {Qt::Key_Left, keys::Left},
    {Qt::Key_Up, keys::Up}, {Qt::Key_Right, keys::Right}, {Qt::Key_Down, keys::Down},
    {Qt::Key_Insert, keys::Insert}, {Qt::Key_Delete, keys::Delete}, {Qt::Key_Shift, keys::Shift},
    {Qt::Key_Control, keys::Control}, {Qt::Key_Alt, 18}, {Qt::Key_Pause, 19},
    {Qt::Key_CapsLock, 20}, {Qt::Key_Clear, 12}, {Qt::Key_Menu, 93}, {Qt::Key_NumLock, 144},
    {Qt::Key_ScrollLock, 145},
    // Punctuation keys of the US layout, shifted or not, by the key they sit on.
    {Qt::Key_Semicolon, 186}, {Qt::Key_Colon, 186}, {Qt::Key_Equal, 187}, {Qt::Key_Plus, 187},
    {Qt::Key_Comma, 188}, {Qt::Key_Less, 188}, {Qt::Key_Minus, 189}, {Qt::Key_Underscore, 189},
    {Qt::Key_Period, 190}, {Qt::Key_Greater, 190}, {Qt::Key_Slash, 191}, {Qt::Key_Question, 191},
    {Qt::Key_QuoteLeft, 192}, {Qt::Key_AsciiTilde, 192}, {Qt::Key_BracketLeft, 219},
    {Qt::Key_BraceLeft, 219}, {Qt::Key_Backslash, 220}, {Qt::Key_Bar, 220},
    {Qt::Key_BracketRight, 221}, {Qt::Key_BraceRight, 221}, {Qt::Key_Apostrophe, 222},
    {Qt::Key_QuoteDbl, 222}, {Qt::Key_Exclam, '1'}, {Qt::Key_At, '2'}, {Qt::Key_NumberSign, '3'},
    {Qt::Key_Dollar, '4'}, {Qt::Key_Percent, '5'}, {Qt::Key_AsciiCircum, '6'},
    {Qt::Key_Ampersand, '7'}, {Qt::Key_Asterisk, '8'}, {Qt::Key_ParenLeft, '9'},
    {Qt::Key_ParenRight, '0'},
};

// The number pad's own codes.
constexpr KeyCode kPadKeys[] = {
    {Qt::Key_Asterisk, 106}, {Qt::Key_Plus, 107}, {Qt::Key_Minus, 109},
    {Qt::Key_Period, 110}, {Qt::Key_Comma, 110}, {Qt::Key_Slash, 111},
};

int codeOf(int key, bool keypad) {
  if (key >= Qt::Key_A && key <= Qt::Key_Z) return key;
  if (key >= Qt::Key_0 && key <= Qt::Key_9) return keypad ? 96 + (key - Qt::Key_0) : key;
  if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return keys::F1 + (key - Qt::Key_F1);
  if (keypad)
    for (const auto& k : kPadKeys)
      if (k.qtKey == key) return k.code;
  for (const auto& k : kKeys)
    if (k.qtKey == key) return k.code;
  return 0;
}

}  // namespace

KeyStroke keyStroke(int qtKey, Qt::KeyboardModifiers modifiers, const QString& text) {
  KeyStroke k;
  k.keyCode = codeOf(qtKey, modifiers & Qt::KeypadModifier);
  if (modifiers & Qt::ShiftModifier) k.shift |= keys::ShiftMask;
  if (modifiers & Qt::ControlModifier) k.shift |= keys::CtrlMask;
  if (modifiers & Qt::AltModifier) k.shift |= keys::AltMask;
  if (k.keyCode == 0) {
    // A character the keyboard types without a key of its own ("é", "·"):
    // typed all the same, as the desktop delivers it.
    const QList<uint> chars = text.toUcs4();
    if (!(k.shift & (keys::CtrlMask | keys::AltMask)) && !chars.isEmpty() && chars.first() >= 32 &&
        chars.first() != 127)
      k.ch = int(chars.first());
    return k;
  }

  const bool ctrl = k.shift & keys::CtrlMask, alt = k.shift & keys::AltMask;
  if (alt) return k;  // Alt combinations go to the menus, they type nothing
  if (ctrl) {
    if (k.keyCode >= 'A' && k.keyCode <= 'Z') k.ch = k.keyCode - 'A' + 1;
    return k;
  }
  switch (k.keyCode) {
    case keys::Back:
    case keys::Return:
    case keys::Escape:
      k.ch = k.keyCode;
      return k;
    case keys::Tab:
    case keys::Delete:
      return k;
    default:
      break;
  }
  const QList<uint> chars = text.toUcs4();
  if (!chars.isEmpty()) {
    if (chars.first() >= 32 && chars.first() != 127) k.ch = int(chars.first());
    return k;
  }
  // Synthetic events may come without text: the plain character of the key.
  if (k.keyCode >= 'A' && k.keyCode <= 'Z')
    k.ch = (k.shift & keys::ShiftMask) ? k.keyCode : k.keyCode + 32;
  else if ((k.keyCode >= '0' && k.keyCode <= '9' && !(k.shift & keys::ShiftMask)) || k.keyCode == keys::Space)
    k.ch = k.keyCode;
  return k;
}

KeyStroke keyStroke(const QKeyEvent& event) {
  return keyStroke(event.key(), event.modifiers(), event.text());
}

}  // namespace qv
