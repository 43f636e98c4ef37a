// The annual totals of the 1095-A's monthly columns.
#include <gtest/gtest.h>

#include "ProgramScreenTest.h"
#include "screens/Form1095AScreen.h"

namespace {

class Marketplace : public qvtest::ProgramScreenTest {};

TEST_F(Marketplace, AddEmUpTotalsTheMonthsThatHoldAnAmount) {
  auto& form = open<qv::TF_1095A>("TF_1095A");
  const struct {
    const char* what;
    std::vector<const char*> months;  // January on; the rest empty
    const char* total;
  } cases[] = {
      {"twelve months of 100.00", std::vector<const char*>(12, "$100.00"), "$1,200.00"},
      {"no month", {}, "$.00"},
      {"cents", std::vector<const char*>(12, "$.01"), "$.12"},
      {"some months", {"", "$250.50", "", "$.50"}, "$251.00"},
      {"seven digits", {"$1,234,567.89", "$.11", "$9,999,999.99"}, "$11,234,567.99"},
  };
  for (const auto& c : cases) {
    fill({});
    for (size_t m = 0; m < c.months.size(); ++m) field(51 + int(m)).setText(QLatin1String(c.months[m]));
    field(63).setText(QStringLiteral("typed"));
    form.AddEmUp(51, 62, 63);
    EXPECT_EQ(field(63).text(), QLatin1String(c.total)) << c.what;
  }
  EXPECT_EQ(field(50).text(), "");
  EXPECT_EQ(field(76).text(), "");
  EXPECT_TRUE(reports().empty());
}

}  // namespace
