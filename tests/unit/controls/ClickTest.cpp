// Clicks: what a click does to check boxes, option buttons and combo boxes,
// and the Click event each raises.
#include "TestScreen.h"

namespace {

using qv::Control;
using qvtest::TestScreen;

const QByteArray kChoices = R"j({"controls": [
{"type": "TextBox", "name": "Box"},
{"type": "CheckBox", "name": "Check"},
{"type": "Frame", "name": "Group", "index": 0},
{"type": "Frame", "name": "Group", "index": 1},
{"type": "OptionButton", "name": "Opt", "index": 0, "container": "Group(0)", "value": 1},
{"type": "OptionButton", "name": "Opt", "index": 1, "container": "Group(0)"},
{"type": "OptionButton", "name": "Opt", "index": 2, "container": "Group(1)", "value": 1},
{"type": "OptionButton", "name": "Opt", "index": 3, "container": "Group(1)"},
{"type": "ComboBox", "name": "List", "items": ["One", "Two", "Three"]}
]})j";

class Clicks : public ::testing::Test {
 protected:
  void SetUp() override {
    s.load();
    s("Box").SetFocus();
    s.log.clear();
  }
  QString options() {
    QString v;
    for (int i = 0; i < 4; ++i) v += QString::number(s("Opt", i).value());
    return v;
  }
  TestScreen s{kChoices};
};

TEST_F(Clicks, CheckBoxTogglesAndRaisesClickOnce) {
  for (int expected : {1, 0, 1}) {
    s.log.clear();
    s.click(s("Check"));
    EXPECT_EQ(s("Check").value(), expected);
    EXPECT_EQ(s.log.filter("Click"), QStringList{"Click Check"});
  }
}

TEST_F(Clicks, OptionButtonIsExclusiveInItsContainer) {
  QString seenInClick;
  s.whenClick = [&](Control&) { seenInClick = options(); };
  s.click(s("Opt", 1));
  EXPECT_EQ(options(), "0110");
  EXPECT_EQ(s.log.filter("Click"), QStringList{"Click Opt(1)"});
  EXPECT_EQ(seenInClick, "0110") << "the Click handler sees the group as it now is";
}

TEST_F(Clicks, ChoosingAListEntryRaisesClickOnce) {
  s.chooseListItem(s("List"), 1);
  EXPECT_EQ(s("List").text(), "Two");
  EXPECT_EQ(s("List").listIndex(), 1);
  EXPECT_EQ(s.log.filter("Click"), QStringList{"Click List"});
}

}  // namespace
