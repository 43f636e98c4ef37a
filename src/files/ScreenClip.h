#pragma once
// Preparing the current screen for a picture or a print: the window is
// shortened to the bottom of the paper document and the edit colours give way
// to the paper's plain white.
namespace qv {

// True when the screen is ready; false after a failure (reported). The
// caller restores the screen afterwards.
bool Screen_Clip();

}  // namespace qv
