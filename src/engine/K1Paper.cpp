#include "engine/K1Paper.h"

#include "controls/Screen.h"
#include "engine/FieldKinds.h"
#include "engine/K1Handlers.h"
#include "runtime/Text.h"

namespace qv {

namespace {

constexpr int kTabStrip = 295;
constexpr int kHalvesTop = 360;
constexpr int kFrameOutside = 60;  // twips: a few pixels past the sheet's edges

// The two halves of the page in front.
std::pair<Control*, Control*> pageHalves(Screen& s) {
  const bool first = s.ctl(QStringLiteral("SSTab1")).currentTab() == 0;
  return {&s.ctl(first ? QStringLiteral("Pic1L") : QStringLiteral("Pic2L")),
          &s.ctl(first ? QStringLiteral("Pic1R") : QStringLiteral("Pic2R"))};
}

}  // namespace

std::optional<K1ScreenLayout> layK1PageAsPaper(Screen& screen) {
  if (!isK1ShortId(uCase(screen.name().section(u'_', 1)))) return std::nullopt;
  Control& tabs = screen.ctl(QStringLiteral("SSTab1"));
  const K1ScreenLayout kept{tabs.height(), tabs.width()};
  tabs.setBackColor(colors::White);
  tabs.setTabHeight(1);
  auto [left, right] = pageHalves(screen);
  left->setTop(0);
  right->setTop(0);
  screen.setInsideHeight(left->height());
  screen.setInsideWidth(left->width() + right->width());
  left->setBackColor(colors::White);
  right->setBackColor(colors::White);
  // The tab control's frame would show as a rule down the sheet's right edge:
  // it goes beyond the sheet.
  tabs.setWidth(screen.scaleWidth() + kFrameOutside);
  tabs.setHeight(screen.scaleHeight() + kFrameOutside);
  return kept;
}

void restoreK1Page(Screen& screen, const K1ScreenLayout& kept) {
  Control& tabs = screen.ctl(QStringLiteral("SSTab1"));
  tabs.setHeight(kept.tabHeight);
  tabs.setWidth(kept.tabWidth);
  tabs.setTabHeight(kTabStrip);
  auto [left, right] = pageHalves(screen);
  left->setTop(kHalvesTop);
  right->setTop(kHalvesTop);
}

}  // namespace qv
