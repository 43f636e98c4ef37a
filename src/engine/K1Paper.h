#pragma once
// A Schedule K-1 page made to look like its sheet of paper for a picture or a
// print: the two halves of the page in front side by side at the top of a
// window just their size, white, without the tab strip or the status line.
#include <optional>

namespace qv {

class Screen;

struct K1ScreenLayout {
  int tabHeight = 0, tabWidth = 0;
};

// Nothing for a screen that is no K-1; else what restoreK1Page needs.
std::optional<K1ScreenLayout> layK1PageAsPaper(Screen& screen);
// The tab control, its strip and the halves back under it. The window's size
// and the status line are the caller's to give back.
void restoreK1Page(Screen& screen, const K1ScreenLayout& kept);

}  // namespace qv
