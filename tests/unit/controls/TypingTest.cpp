// Typing into text boxes: KeyDown, KeyPress and KeyUp, what a box takes, the
// clipboard keys and Enter.
#include <ostream>
#include "support/CaseNames.h"
#include "TestScreen.h"

namespace {

using namespace qv::keys;
using qv::Control;
using qvtest::TestScreen;

const QByteArray kBoxes = R"j({"controls": [
{"type": "TextBox", "name": "Box"},
{"type": "TextBox", "name": "Memo", "multiLine": true},
{"type": "TextBox", "name": "Short", "maxLength": 4},
{"type": "TextBox", "name": "Fixed", "locked": true, "text": "locked text"},
{"type": "CommandButton", "name": "OK", "default": true}
]})j";

class Typing : public qvtest::WithHost {
 protected:
  void SetUp() override {
    WithHost::SetUp();
    s.load();
  }
  // Focuses the box, gives it a text and puts the caret (or a selection) in it.
  Control& edit(const char* name, const QString& text, int selStart, int selLength = 0) {
    Control& c = s(name);
    c.SetFocus();
    c.setText(text);
    c.select(selStart, selLength);
    s.log.clear();
    return c;
  }
  void ctrl(char letter) { s.pressKey(letter, CtrlMask); }

  TestScreen s{kBoxes};
};

TEST_F(Typing, ACharacterRaisesKeyDownKeyPressKeyUpAndIsInserted) {
  Control& box = edit("Box", "", 0);
  s.typeText("a");
  EXPECT_EQ(s.log, QStringList({"KeyDown 65 0", "KeyPress 97", "KeyUp 65"}));
  EXPECT_EQ(box.text(), "a");
  EXPECT_EQ(box.selStart(), 1);
}

TEST_F(Typing, KeyPressMayChangeOrCancelTheCharacter) {
  Control& box = edit("Box", "", 0);
  s.whenKeyPress = [](Control&, int& key) {
    if (key >= 'a' && key <= 'z') key -= 32;
    if (key >= '0' && key <= '9') key = 0;
  };
  s.typeText("a1b");
  EXPECT_EQ(box.text(), "AB");
  EXPECT_EQ(s.log.filter("KeyUp").size(), 3) << "a cancelled key still comes up";
}

// Punctuation shares its character codes with the arrow and editing keys
// ("." is 46 like Delete, "$" 36 like Home, "%" 37 like Left); typed, each
// must only insert itself.
TEST_F(Typing, PunctuationInsertsItselfAtTheCaret) {
  Control& box = edit("Box", "1234", 2);
  s.typeText(".$%'(#&-");
  EXPECT_EQ(box.text(), "12.$%'(#&-34");
}

TEST_F(Typing, ALockedBoxTakesNoTypingButCopies) {
  Control& box = edit("Fixed", "locked text", 0, 6);
  host_.clipboard = "pasted";
  s.typeText("x");
  s.pressKey(Back);
  s.pressKey(Delete);
  ctrl('V');
  ctrl('X');
  EXPECT_EQ(box.text(), "locked text");
  host_.clipboard.clear();
  box.select(0, 6);
  ctrl('C');
  EXPECT_EQ(host_.clipboard, "locked");
}

struct LimitCase {
  const char* name;
  const char* text;
  int selStart, selLength;
  std::function<void(TestScreen&)> act;
  const char* expected;
};
// Failures name the case rather than dump its bytes.
inline void PrintTo(const LimitCase& c, std::ostream* os) { *os << c.name; }

class MaxLength : public Typing, public ::testing::WithParamInterface<LimitCase> {};

TEST_P(MaxLength, KeepsTheTextWithinTheLimit) {
  const LimitCase& c = GetParam();
  Control& box = edit("Short", c.text, c.selStart, c.selLength);
  host_.clipboard = "xyz";
  c.act(s);
  EXPECT_EQ(box.text(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MaxLength,
    ::testing::Values(
        LimitCase{"TypingStopsAtTheLimit", "", 0, 0, [](TestScreen& s) { s.typeText("abcdef"); }, "abcd"},
        LimitCase{"PasteIsCut", "ab", 2, 0, [](TestScreen& s) { s.pressKey('V', CtrlMask); }, "abxy"},
        LimitCase{"TypingOverASelection", "abcd", 1, 2, [](TestScreen& s) { s.typeText("Z"); }, "aZd"},
        // Code may put in a longer text; the user can still shorten it.
        LimitCase{"BackspaceInATooLongText", "abcdef", 6, 0, [](TestScreen& s) { s.pressKey(Back); }, "abcde"},
        LimitCase{"DeleteInATooLongText", "abcdef", 0, 0, [](TestScreen& s) { s.pressKey(Delete); }, "bcdef"}),
    [](const auto& info) { return std::string(info.param.name); });

struct BackCase {
  const char* text;
  int caret;
  const char* expected;
};

class MemoBackspace : public Typing, public ::testing::WithParamInterface<BackCase> {};

TEST_P(MemoBackspace, RemovesALineBreakWhole) {
  Control& memo = edit("Memo", GetParam().text, GetParam().caret);
  s.pressKey(Back);
  EXPECT_EQ(memo.text(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, MemoBackspace,
                         ::testing::Values(BackCase{"ab\r\ncd", 4, "abcd"}, BackCase{"ab\r\n", 4, "ab"},
                                           BackCase{"abc", 2, "ac"}, BackCase{"abc", 0, "abc"}),
                         [](const auto& info) {
                           return qv::test::wordsName(QString::fromLatin1(info.param.text).replace("\r\n", " CRLF ")) +
                                  "At" + std::to_string(info.param.caret);
                         });

TEST_F(Typing, EnterInAMultiLineBoxAddsALineBreak) {
  Control& memo = edit("Memo", "ab", 2);
  s.pressKey(Return);
  EXPECT_EQ(memo.text(), "ab\r\n");
  EXPECT_EQ(s.log.filter("Click").size(), 0) << "the default button stays out of it";
}

TEST_F(Typing, EnterInASingleLineBoxClicksTheDefaultButton) {
  Control& box = edit("Box", "ab", 2);
  s.pressKey(Return);
  EXPECT_EQ(s.log.filter("Click"), QStringList{"Click OK"});
  EXPECT_EQ(s.log.filter("KeyPress").size(), 0);
  EXPECT_EQ(box.text(), "ab");
}

TEST_F(Typing, PasteIntoASingleLineBoxKeepsTheFirstLine) {
  host_.clipboard = "first\r\nsecond";
  Control& box = edit("Box", "", 0);
  ctrl('V');
  EXPECT_EQ(box.text(), "first");
  Control& memo = edit("Memo", "", 0);
  ctrl('V');
  EXPECT_EQ(memo.text(), "first\r\nsecond");
}

}  // namespace
