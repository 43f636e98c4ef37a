// Loading and unloading a screen, also from inside its own handlers.
#include "TestScreen.h"

namespace {

using qv::Control;
using qvtest::TestScreen;

const QByteArray kForm = R"j({"controls": [
{"type": "TextBox", "name": "Field"},
{"type": "CommandButton", "name": "Close"},
{"type": "CheckBox", "name": "Check"},
{"type": "OptionButton", "name": "Opt"}
]})j";

TEST(Unload, DiscardsTheControlsAndTheNextLoadBuildsThemAfresh) {
  TestScreen s(kForm);
  s.load();
  s("Field").setText("typed");
  EXPECT_TRUE(s.unload());
  EXPECT_FALSE(s.loaded());
  EXPECT_TRUE(s.controls().empty());
  EXPECT_EQ(s.find("Field"), nullptr);
  EXPECT_EQ(s.activeControl(), nullptr);

  s.load();
  EXPECT_EQ(s.log, QStringList({"Load", "QueryUnload", "Unload", "Load"}));
  EXPECT_EQ(s("Field").text(), "");
}

TEST(Unload, CancelledInQueryUnloadKeepsTheScreenLoaded) {
  TestScreen s(kForm);
  s.load();
  s.whenQueryUnload = [](bool& cancel) { cancel = true; };
  EXPECT_FALSE(s.unload());
  EXPECT_TRUE(s.loaded());
  EXPECT_EQ(s.log, QStringList({"Load", "QueryUnload"}));
  EXPECT_NE(s.find("Field"), nullptr);
}

class UnloadInClick : public ::testing::TestWithParam<const char*> {};

// The clicked control outlives its own handler; the screen loads again later.
TEST_P(UnloadInClick, LeavesTheHandlerSafely) {
  TestScreen s(kForm);
  s.load();
  s("Field").SetFocus();
  s.whenClick = [&](Control&) { s.unload(); };
  Control& clicked = s(GetParam());
  s.click(clicked);
  EXPECT_FALSE(s.loaded());
  EXPECT_EQ(s.log.filter("Click").size(), 1);
  EXPECT_EQ(clicked.name(), GetParam());

  s.whenClick = nullptr;
  s.load();
  s.click(s(GetParam()));
  EXPECT_TRUE(s.loaded());
}

INSTANTIATE_TEST_SUITE_P(Controls, UnloadInClick, ::testing::Values("Close", "Check", "Opt", "Field"),
                         [](const auto& info) { return std::string(info.param); });

TEST(Unload, InsideKeyPressEndsTheTyping) {
  TestScreen s(kForm);
  s.load();
  s("Field").SetFocus();
  s.whenKeyPress = [&](Control&, int&) { s.unload(); };
  s.typeText("ab");
  EXPECT_FALSE(s.loaded());
  EXPECT_EQ(s.log.filter("KeyPress").size(), 1);
}

}  // namespace
