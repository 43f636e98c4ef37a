#pragma once
// The working appearance of the current form: its short id, screen and
// container colours, the fill of shapes, the opacity of some labels, the font
// of every field by screen and field number, and each field's set-up by kind.
// Run at start-up and again after a print or a clipboard picture.

namespace qv {

void Form_Init_Reset();

}  // namespace qv
