#pragma once
// Keystrokes sent to the active window, as if typed: "{TAB}", "{ENTER}" or
// "~", and plain characters. Tab moves the focus through the focus protocol
// of the active screen.
#include <QString>

namespace qv {

// The keys are handled before Send_Keys returns, so `wait` changes nothing.
// An unknown "{NAME}" is error 5.
void Send_Keys(const QString& keys, bool wait);

}  // namespace qv
