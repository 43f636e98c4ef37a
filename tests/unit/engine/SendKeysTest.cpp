// Keystrokes sent to the active screen go through its focus protocol and key events.
#include "EngineTest.h"
#include "engine/SendKeys.h"
#include "unit/runtime/ErrorOf.h"

namespace {

using qvtest::EngineTest;
using qvtest::fieldLine;
using qvtest::JsonScreen;
using qvtest::layoutOf;

class SendKeys : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    screen.load();
    qv::state().CurrentForm = &screen;
    screen.activate();
    screen("Text1", 0).SetFocus();
  }
  JsonScreen screen{"TF_KEYS", layoutOf({fieldLine(0, "MONEY"), fieldLine(1, "TPNAME"), fieldLine(2, "TIN")})};
};

TEST_F(SendKeys, TabMovesTheFocusThroughValidation) {
  qv::Send_Keys(QStringLiteral("{TAB}"), false);
  EXPECT_EQ(screen.activeControl(), &screen("Text1", 1));

  qv::Send_Keys(QStringLiteral("dOe~{tab}"), true);
  EXPECT_EQ(screen("Text1", 1).text(), "DOE");
  EXPECT_EQ(screen.activeControl(), &screen("Text1", 2));

  // A field whose edit fails keeps the focus.
  screen("Text1", 0).SetFocus();
  screen("Text1", 0).setText(QStringLiteral("abc"));
  qv::Send_Keys(QStringLiteral("{TAB}"), false);
  EXPECT_EQ(screen.activeControl(), &screen("Text1", 0));
}

TEST_F(SendKeys, AnUnknownKeyNameIsAnInvalidCall) {
  EXPECT_EQ(errorOf([] { qv::Send_Keys(QStringLiteral("{F99}"), false); }), qv::err::InvalidCall);
  EXPECT_EQ(errorOf([] { qv::Send_Keys(QStringLiteral("{TAB"), false); }), qv::err::InvalidCall);
  EXPECT_EQ(screen.activeControl(), &screen("Text1", 0));
}

}  // namespace
