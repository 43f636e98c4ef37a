// The focus protocol: Validate, LostFocus and GotFocus around every focus
// move, Cancel, handlers that move the focus themselves.
#include <ostream>
#include "TestScreen.h"

namespace {

using qv::keys::ShiftMask;
using qv::keys::Tab;
using qv::Control;
using qvtest::TestScreen;

const QByteArray kFields = R"j({"controls": [
{"type": "TextBox", "name": "A"},
{"type": "TextBox", "name": "B"},
{"type": "TextBox", "name": "C"},
{"type": "CommandButton", "name": "Help", "causesValidation": false}
]})j";

class Focus : public ::testing::Test {
 protected:
  void SetUp() override {
    s.load();
    s("A").SetFocus();
    s.log.clear();
  }
  TestScreen s{kFields};
};

// The ways a user or the program moves the focus to B.
struct Move {
  const char* name;
  const char* from;
  std::function<void(TestScreen&)> run;
};
// Failures name the case rather than dump its bytes.
inline void PrintTo(const Move& c, std::ostream* os) { *os << c.name; }
const Move kMoves[] = {
    {"SetFocus", "A", [](TestScreen& s) { s("B").SetFocus(); }},
    {"Tab", "A", [](TestScreen& s) { s.pressKey(Tab); }},
    {"ShiftTab", "C", [](TestScreen& s) { s.pressKey(Tab, ShiftMask); }},
    {"Click", "A", [](TestScreen& s) { s.click(s("B")); }},
};

class FocusMove : public Focus, public ::testing::WithParamInterface<Move> {
 protected:
  void SetUp() override {
    Focus::SetUp();
    s(GetParam().from).SetFocus();
    s.log.clear();
  }
  const QString from = GetParam().from;
};

TEST_P(FocusMove, ValidatesTheOldControlThenMovesInOrder) {
  GetParam().run(s);
  EXPECT_EQ(s.focusName(), "B");
  const QStringList expected{"Validate " + from, "LostFocus " + from, "GotFocus B"};
  EXPECT_EQ(s.log.mid(0, 3), expected) << s.log.join(", ").toStdString();
}

TEST_P(FocusMove, CancelInValidateKeepsTheFocusAndRaisesNothingElse) {
  s.whenValidate = [](Control&, bool& cancel) { cancel = true; };
  GetParam().run(s);
  EXPECT_EQ(s.focusName(), from);
  // In particular a click whose focus move was refused raises no MouseDown or Click.
  EXPECT_EQ(s.log, QStringList{"Validate " + from});
}

INSTANTIATE_TEST_SUITE_P(Ways, FocusMove, ::testing::ValuesIn(kMoves),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Focus, TargetWithoutCausesValidationSkipsValidate) {
  s.whenValidate = [](Control&, bool& cancel) { cancel = true; };
  s.click(s("Help"));
  EXPECT_EQ(s.focusName(), "Help");
  EXPECT_EQ(s.log, QStringList({"LostFocus A", "GotFocus Help", "MouseDown Help", "Click Help"}));
}

// A handler moving the focus during a move from A to B.
struct Redirect {
  const char* name;
  const char* event;      // the handler that moves the focus
  const char* on;         // for this control
  const char* to;         // moves it here
  bool cancel;            // Validate also cancels
  const char* endsOn;
};
// Failures name the case rather than dump its bytes.
inline void PrintTo(const Redirect& c, std::ostream* os) { *os << c.name; }
const Redirect kRedirects[] = {
    {"GotFocusMovesOn", "GotFocus", "B", "C", false, "C"},
    {"LostFocusTakesItBack", "LostFocus", "A", "A", false, "A"},
    {"ValidateSendsElsewhere", "Validate", "A", "C", false, "C"},
    {"ValidateKeepsAndCancels", "Validate", "A", "A", true, "A"},
};

class FocusRedirect : public Focus, public ::testing::WithParamInterface<Redirect> {};

TEST_P(FocusRedirect, EndsWhereTheHandlerSentIt) {
  const Redirect& r = GetParam();
  auto moveIf = [&](Control& c) {
    if (c.name() == QLatin1String(r.on)) s(r.to).SetFocus();
  };
  const QString event = QString::fromLatin1(r.event);
  if (event == "GotFocus") s.whenGotFocus = moveIf;
  if (event == "LostFocus") s.whenLostFocus = moveIf;
  if (event == "Validate")
    s.whenValidate = [&](Control& c, bool& cancel) {
      moveIf(c);
      if (c.name() == QLatin1String(r.on)) cancel = r.cancel;
    };

  s("B").SetFocus();

  EXPECT_EQ(s.focusName(), r.endsOn);
  // Each hop is one LostFocus and one GotFocus, and the last GotFocus went to
  // the control that holds the focus.
  const QString trace = s.log.join(", ");
  EXPECT_EQ(s.log.filter("GotFocus ").size(), s.log.filter("LostFocus ").size()) << trace.toStdString();
  const QStringList got = s.log.filter("GotFocus ");
  if (r.cancel) EXPECT_TRUE(got.isEmpty()) << trace.toStdString();
  else EXPECT_EQ(got.value(got.size() - 1), QStringLiteral("GotFocus ") + r.endsOn) << trace.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Cases, FocusRedirect, ::testing::ValuesIn(kRedirects),
                         [](const auto& info) { return std::string(info.param.name); });

// Two handlers that keep sending the focus back and forth must not hang the
// program or overflow the stack; the screen works normally afterwards.
TEST_F(Focus, PingPongBetweenHandlersEnds) {
  const std::function<void(Control&)> pingPong = [&](Control& c) {
    if (c.name() == "A") s("B").SetFocus();
    if (c.name() == "B") s("A").SetFocus();
  };
  for (auto* hook : {&s.whenGotFocus, &s.whenLostFocus}) {
    SCOPED_TRACE(hook == &s.whenGotFocus ? "GotFocus" : "LostFocus");
    *hook = pingPong;
    s.log.clear();
    s("B").SetFocus();
    EXPECT_LT(s.log.size(), 200);
    EXPECT_TRUE(s.focusName() == "A" || s.focusName() == "B") << s.focusName().toStdString();

    *hook = nullptr;
    s("C").SetFocus();
    EXPECT_EQ(s.focusName(), "C");
    s("A").SetFocus();
  }
}

// ---- Tab order ----

const QByteArray kTabOrder = R"j({"controls": [
{"type": "TextBox", "name": "Third", "tabIndex": 3},
{"type": "TextBox", "name": "First", "tabIndex": 0},
{"type": "TextBox", "name": "Hidden", "tabIndex": 1, "visible": false},
{"type": "TextBox", "name": "Disabled", "tabIndex": 2, "enabled": false},
{"type": "Frame", "name": "Box", "tabIndex": 4, "visible": false},
{"type": "TextBox", "name": "Inside", "container": "Box", "tabIndex": 5},
{"type": "TextBox", "name": "NoStop", "tabIndex": 6, "tabStop": false},
{"type": "Label", "name": "Caption", "tabIndex": 7},
{"type": "CheckBox", "name": "Last", "tabIndex": 8}
]})j";

struct TabCase {
  const char* from;
  bool backwards;
  QStringList visits;
};

class TabOrder : public ::testing::TestWithParam<TabCase> {};

TEST_P(TabOrder, VisitsVisibleEnabledTabStopsByTabIndex) {
  const TabCase& t = GetParam();
  TestScreen s(kTabOrder);
  s.load();
  s(t.from).SetFocus();
  QStringList visits;
  for (int i = 0; i < t.visits.size(); ++i) {
    s.pressKey(Tab, t.backwards ? ShiftMask : 0);
    visits << s.focusName();
  }
  EXPECT_EQ(visits, t.visits);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TabOrder,
    ::testing::Values(TabCase{"First", false, {"Third", "Last", "First"}},
                      TabCase{"First", true, {"Last", "Third", "First"}},
                      // A control that is no tab stop goes on from its own TabIndex.
                      TabCase{"NoStop", false, {"Last"}}, TabCase{"NoStop", true, {"Third"}}),
    [](const auto& info) { return std::string(info.param.from) + (info.param.backwards ? "Back" : "Forward"); });

TEST(TabOrderContainer, ShowingTheContainerBringsItsControlsIn) {
  TestScreen s(kTabOrder);
  s.load();
  s("Box").setVisible(true);
  s("Third").SetFocus();
  s.pressKey(Tab);
  EXPECT_EQ(s.focusName(), "Inside");
}

}  // namespace
