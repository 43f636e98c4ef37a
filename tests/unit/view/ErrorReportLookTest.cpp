// The error report window as laid out: its date and time, the longest the
// desktop writes, stand on one line of their box.
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

}  // namespace
}  // namespace qv
