// Check labels: alone and in exclusive pairs.
#include <gtest/gtest.h>

#include "controls/Control.h"
#include "engine/Checks.h"
#include "unit/platform/QtPrint.h"

namespace {

qv::Control label(const char* caption) {
  qv::Control c(qv::ControlType::Label, QStringLiteral("Check"), 0);
  c.setCaption(QString::fromLatin1(caption));
  return c;
}

TEST(Checks, ToggleTicksOnlyAnEmptyLabel) {
  const struct {
    const char* before;
    const char* after;
  } cases[] = {{"", "X"}, {"X", ""}, {"x", ""}, {" ", ""}};
  for (const auto& c : cases) {
    qv::Control l = label(c.before);
    qv::Check_Toggle(l);
    EXPECT_EQ(l.caption(), c.after) << '"' << c.before << '"';
  }
}

TEST(Checks, PairKeepsAtMostOneTicked) {
  const struct {
    const char *label, *partner, *labelAfter, *partnerAfter;
  } cases[] = {{"", "X", "X", ""}, {"", "", "X", ""}, {"X", "", "", ""}, {"X", "X", "", "X"}};
  for (const auto& c : cases) {
    qv::Control l = label(c.label), p = label(c.partner);
    qv::Check_Toggle_Pair(l, p);
    EXPECT_EQ(l.caption(), c.labelAfter) << c.label << "/" << c.partner;
    EXPECT_EQ(p.caption(), c.partnerAfter) << c.label << "/" << c.partner;
  }
}

}  // namespace
