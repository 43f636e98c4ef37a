#pragma once
// The working appearance of the current form: its short id, screen and
// container colours, the fill of shapes, the opacity of some labels, the font
// of every field by screen and field number, and each field's set-up by kind.
// Run at start-up and again after a print or a clipboard picture.

namespace qv {

class Screen;

void Form_Init_Reset();

// Before a print or a picture turns the screen into paper: how every control
// looks (colour, opacity, whether it shows), taken once; the next reset of
// the screen puts exactly that back, so the screen looks as it did before.
void rememberWorkingLook(const Screen& screen);
// A screen just loaded has no earlier look to come back to.
void forgetWorkingLook();

}  // namespace qv
