#pragma once
// Field kinds: the word in a field's tag decides its alignment, help text and
// length limit when its screen is set up, and its colour and selection when
// it takes the focus. Tags are "KIND" or "KIND·detail", the middle dot
// between (K-1 code cells: "K1HELP·K1-1065-Box11").
namespace qv {

class Control;

// Records a Text1..Text5 field as CurrentField and shows its help text on
// the status line; then the set-up (align) or the focus appearance.
void Control_Setup(Control& field, bool align);
// Alignment, help text and length limit by kind (the tag upper-cased).
void Control_SetupAlignment(Control& field);
// Focus colour by kind (the tag up to its "·", with case) and the text selected.
void Control_SetupBackColor(Control& field);

}  // namespace qv
