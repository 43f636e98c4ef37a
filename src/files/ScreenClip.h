#pragma once
// Preparing the current screen for a picture or a print: the window is
// shortened to the bottom of the paper document and the edit colours give way
// to the paper's plain white.
namespace qv {

class Screen;

// True when the screen is ready; false after a failure (reported). The
// caller restores the screen afterwards.
bool Screen_Clip();
// The taxpayer sheet down to its last part with a person in it.
bool Clip_Size_TPInfo();
// The card screen down to the numbered cards, the others hidden; false when
// no card has a number.
bool Clip_Size_SS_ITIN();
// The card screen back for work after a picture or a print: every card and
// the status line shown again.
void Show_All_Cards(Screen& cards);
// A picture of the window's inside on the clipboard.
void CopyEntirePicture(Screen& screen);

}  // namespace qv
