// The program's message box: how it lays out the message, sizes itself,
// marks the default button and hands back the answer.
#include <ostream>
#include "FrameTest.h"

namespace {

using qv::Color;
using qv::Control;
using qv::messageBoxScreen;
using qv::mbxCaption;
using qv::Show_MBX;

QString rep(char c, int n) { return QString(n, QChar(c)); }

const QString kOneLine = "Filing Status not chosen - Choose Now";
// Blanks at positions 20 and 55 of 60.
const QString kSixty = rep('a', 19) + ' ' + rep('b', 34) + ' ' + rep('c', 5);

struct CaptionCase {
  const char* name;
  QString message;
  QString caption;
};
// Failures name the case rather than dump its bytes.
inline void PrintTo(const CaptionCase& c, std::ostream* os) { *os << c.name; }

class MbxCaption : public ::testing::TestWithParam<CaptionCase> {};

TEST_P(MbxCaption, BreaksTrimsAndEndsEveryLine) {
  EXPECT_EQ(mbxCaption(GetParam().message), GetParam().caption);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MbxCaption,
    ::testing::Values(
        CaptionCase{"OneLine", kOneLine, kOneLine + "\r\r"},
        CaptionCase{"Trimmed", "   Yes  ", "Yes\r\r"},
        CaptionCase{"CrLfAndCrEndLines", "one\r\ntwo\rthree", "one\rtwo\rthree\r\r"},
        CaptionCase{"BrokenAtTheLastBlankWithinFifty", kSixty,
                    rep('a', 19) + '\r' + rep('b', 34) + ' ' + rep('c', 5) + "\r\r\r"},
        CaptionCase{"BlankAtFifty", rep('a', 49) + ' ' + rep('b', 10), rep('a', 49) + '\r' + rep('b', 10) + "\r\r\r"},
        CaptionCase{"FiftyStayWhole", rep('a', 30) + ' ' + rep('b', 19), rep('a', 30) + ' ' + rep('b', 19) + "\r\r"},
        // Broken once only: the 75 characters after the blank at 45 stay one line.
        CaptionCase{"SecondPartNotBrokenAgain", rep('a', 44) + ' ' + rep('b', 20) + ' ' + rep('c', 54),
                    rep('a', 44) + '\r' + rep('b', 20) + ' ' + rep('c', 54) + "\r\r\r"},
        CaptionCase{"NoBlankStaysWhole", rep('x', 60), rep('x', 60) + "\r\r"}),
    [](const auto& info) { return std::string(info.param.name); });

// The box's controls as it showed them. They are picked up before the call
// (the box loads only once) and stay readable until the box loads again.
class MessageBox : public FrameTest {
 protected:
  void SetUp() override {
    FrameTest::SetUp();
    qv::F9_MBX& box = messageBoxScreen();
    box.load();
    for (int i = 1; i <= 4; ++i) cmd[i] = &box.ctl(QStringLiteral("cmd%1").arg(i));
    input = &box.ctl("Text1");
  }
  Control* cmd[5] = {};
  Control* input = nullptr;
};

struct GeometryCase {
  const char* name;
  QString message;
  int number;
  QString caption;
  int height, buttonsTop, inputTop;
};
// Failures name the case rather than dump its bytes.
inline void PrintTo(const GeometryCase& c, std::ostream* os) { *os << c.name; }

class MessageBoxGeometry : public MessageBox, public ::testing::WithParamInterface<GeometryCase> {};

TEST_P(MessageBoxGeometry, GrowsWithTheMessage) {
  const GeometryCase& g = GetParam();
  Show_MBX("Title", g.number, g.message, "OK", true, "", "", "", 1);
  EXPECT_EQ(lastBox().screen, "F9_MBX");
  EXPECT_EQ(lastBox().title, "Title");
  EXPECT_EQ(lastBox().text, g.caption);
  EXPECT_EQ(messageBoxScreen().height(), g.height);
  for (int i = 1; i <= 4; ++i) EXPECT_EQ(cmd[i]->top(), g.buttonsTop) << "cmd" << i;
  EXPECT_EQ(input->top(), g.inputTop);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MessageBoxGeometry,
    ::testing::Values(
        GeometryCase{"OneLine", kOneLine, 800, kOneLine + "\r\r", 2590, 1780, 1130},
        GeometryCase{"BrokenLine", kSixty, 800,
                     rep('a', 19) + '\r' + rep('b', 34) + ' ' + rep('c', 5) + "\r\r\r", 3130, 2320, 1670},
        GeometryCase{"NumberLine", kOneLine, 801, "Message Number: 801\r" + kOneLine + "\r\r", 2860, 2050, 1400}),
    [](const auto& info) { return std::string(info.param.name); });

constexpr Color kGreen = 0x00C000, kLight = 0xC0FFC0, kUnset = qv::colors::ButtonFace;

struct ButtonsCase {
  const char* name;
  const char* captions[5];  // 1 to 4
  int defaultButton;
  Color colors[5];
  QStringList shown;  // left to right
};
// Failures name the case rather than dump its bytes.
inline void PrintTo(const ButtonsCase& c, std::ostream* os) { *os << c.name; }

class MessageBoxButtons : public MessageBox, public ::testing::WithParamInterface<ButtonsCase> {};

TEST_P(MessageBoxButtons, ShowGivenCaptionsAndMarkTheDefault) {
  const ButtonsCase& b = GetParam();
  Show_MBX("Question", 800, "Go on?", b.captions[1], false, b.captions[2], b.captions[3], b.captions[4],
           b.defaultButton);
  EXPECT_EQ(lastBox().buttons, b.shown);
  for (int i = 1; i <= 4; ++i) {
    EXPECT_EQ(cmd[i]->visible(), *b.captions[i] != 0) << "cmd" << i;
    EXPECT_EQ(cmd[i]->backColor(), b.colors[i]) << "cmd" << i;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MessageBoxButtons,
    ::testing::Values(
        ButtonsCase{"YesNo", {"", "Yes", "No", "", ""}, 1, {0, kGreen, kLight, kUnset, kUnset}, {"No", "Yes"}},
        ButtonsCase{"FourThirdDefault", {"", "1", "2", "3", "4"}, 3, {0, kLight, kLight, kGreen, kLight},
                    {"4", "3", "2", "1"}},
        ButtonsCase{"NoSuchDefault", {"", "Velmora", "Other", "", ""}, 9, {0, kLight, kLight, kUnset, kUnset},
                    {"Other", "Velmora"}}),
    [](const auto& info) { return std::string(info.param.name); });

struct AnswerCase {
  const char* press;
  bool input;
  const char* inputText;  // MbxInputText afterwards
};

class MessageBoxAnswer : public MessageBox, public ::testing::WithParamInterface<AnswerCase> {};

TEST_P(MessageBoxAnswer, IsThePressedCaptionAndTheTypedTextForButtonsOneAndTwo) {
  const AnswerCase& a = GetParam();
  qv::state().MbxInputText = "old";
  host_.queueAnswer(a.press, "typed");
  Show_MBX("Name", 800, "Your name?", "One", a.input, "Two", "Three", "Four", 1);
  EXPECT_EQ(qv::state().MbxAnswer, a.press);
  EXPECT_EQ(qv::state().MbxInputText, a.inputText);
  EXPECT_FALSE(messageBoxScreen().loaded()) << "every button closes the box";
}

INSTANTIATE_TEST_SUITE_P(Cases, MessageBoxAnswer,
                         ::testing::Values(AnswerCase{"One", true, "typed"}, AnswerCase{"Two", true, "typed"},
                                           AnswerCase{"Three", true, "old"}, AnswerCase{"Four", true, "old"},
                                           AnswerCase{"One", false, "old"}),
                         [](const auto& info) {
                           return std::string(info.param.press) + (info.param.input ? "WithInput" : "");
                         });

TEST_F(MessageBox, TheInputBoxStartsWithTheLastTextSelected) {
  qv::state().MbxInputText = "previous";
  Show_MBX("Name", 800, "Your name?", "OK", true, "", "", "", 1);
  EXPECT_EQ(input->text(), "previous");
  EXPECT_EQ(input->selLength(), 8);
  EXPECT_TRUE(input->visible());
  EXPECT_EQ(qv::state().MbxInputText, "previous");
}

}  // namespace
