#pragma once
// The key filter: each character typed into a field is offered here first and
// passes, is upper-cased or is cancelled (set to 0) by the field's kind.
// Pasted text is not filtered; the field edits catch it.

namespace qv {

class Control;

void Key_Press(Control& field, int& keyAscii);

}  // namespace qv
