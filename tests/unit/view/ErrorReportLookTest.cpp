// The error report window as laid out: its date and time, the longest the
// desktop writes, stand on one line of their box, which ends where the boxes
// below it end.
#include <gtest/gtest.h>

#include <QFontMetricsF>

#include "controls/Layout.h"
#include "controls/Screen.h"
#include "view/Fonts.h"
#include "view/Units.h"

namespace qv {
namespace {

TEST(ErrorReportLook, TheDateAndTimeFitOneLineOfTheirBox) {
  Screen report(QStringLiteral("F8_ErrLog"));
  QString error;
  ASSERT_TRUE(layout::load(report, report.name(), &error)) << error.toStdString();
  const Control& box = report.ctl(QStringLiteral("Label2"), 5);
  const QFontMetricsF metrics(qtFont(box.font(), TwipsPerPoint));
  // A bordered label's text starts a pixel inside the border on each side.
  const double room = box.width() - 2 * 2 * TwipsPerPixel;
  EXPECT_LE(metrics.horizontalAdvance(QStringLiteral("12/31/2026 12:59:59 PM")), room);
}

TEST(ErrorReportLook, TheTopRowEndsWithTheBoxesBelowIt) {
  Screen report(QStringLiteral("F8_ErrLog"));
  QString error;
  ASSERT_TRUE(layout::load(report, report.name(), &error)) << error.toStdString();
  auto right = [&](const char* name, int index) {
    const Control& c = report.ctl(QLatin1String(name), index);
    return c.left() + c.width();
  };
  auto left = [&](const char* name, int index) { return report.ctl(QLatin1String(name), index).left(); };
  for (int below : {1, 2, 4}) EXPECT_EQ(right("Label2", 5), right("Label2", below)) << "Label2(" << below << ")";
  // Program box, date caption and date box stand side by side.
  EXPECT_LE(right("Label2", 0), left("Label1", 4));
  EXPECT_LE(right("Label1", 4), left("Label2", 5));
}

}  // namespace
}  // namespace qv
