#include "frame/MessageBox.h"

#include "frame/ErrorTrap.h"
#include "frame/ProgramState.h"
#include "platform/Host.h"

namespace qv {

namespace {
constexpr int kMaxLine = 50;
constexpr Color kDefaultGreen = 0x00C000;
constexpr Color kOtherGreen = 0xC0FFC0;
const char* const kButtons[] = {"cmd1", "cmd2", "cmd3", "cmd4"};

// The digit a button's name ends in; 0 when it ends in none.
int trailingDigit(const QString& name) {
  return !name.isEmpty() && name.back().isDigit() ? name.back().digitValue() : 0;
}
}  // namespace

F9_MBX& messageBoxScreen() {
  static F9_MBX box;
  return box;
}

QString mbxCaption(const QString& message) {
  QString text = message;
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\r"));
  QString joined;
  for (QString line : text.split(u'\r')) {
    line = line.trimmed();
    if (line.size() > kMaxLine) {
      const int p = line.lastIndexOf(u' ', kMaxLine - 1);  // 0-based; position p + 1
      if (p >= 0) line = line.left(p) + u'\r' + line.mid(p + 1) + u'\r';
      // A line with no blank in its first 50 characters stays whole.
    }
    joined += line + u'\r';
  }
  QString caption;
  for (const QString& piece : joined.split(u'\r')) caption += piece + u'\r';
  return caption;
}

void Show_MBX(const QString& title, int messageNumber, const QString& message,
              const QString& button1, bool input, const QString& button2,
              const QString& button3, const QString& button4, int defaultButton) {
  ProgramState& s = state();
  try {
    s.MbxButtons = {QString(), button1, button2, button3, button4};
    s.MbxMessage = messageNumber == 800
                       ? message
                       : QStringLiteral("Message Number: %1\r\n").arg(messageNumber) + message;
    s.MbxInput = input;
    s.MbxDefault = defaultButton;
    F9_MBX& box = messageBoxScreen();
    box.load();
    box.setCaption(title);
    host().showModal(box);
  } catch (const ProgramError& e) {
    // The box reports nothing itself: the caller goes on with the old answer.
    if (s.DebugMode) debugHalt(QStringLiteral("MA_MBX:Show_MBX"), e);
  }
}

void F9_MBX::onLoad() {
  loadedLabelHeight_ = ctl(QStringLiteral("lblMessage")).height();
  laidOut_ = false;
}

void F9_MBX::onActivate() {
  if (laidOut_) return;
  laidOut_ = true;
  const ProgramState& s = state();
  for (int i = 1; i <= 4; ++i) {
    Control& b = ctl(QLatin1String(kButtons[i - 1]));
    b.setVisible(!s.MbxButtons[i].isEmpty());
    if (!s.MbxButtons[i].isEmpty()) b.setCaption(s.MbxButtons[i]);
  }
  Control& input = ctl(QStringLiteral("Text1"));
  Control& label = ctl(QStringLiteral("lblMessage"));
  const QString caption = mbxCaption(s.MbxMessage);
  const int n = caption.count(u'\r') + 1;
  const int grow = n * label.height() + 100;
  const int delta = grow - loadedLabelHeight_;
  setHeight(height() + delta);
  for (const char* name : kButtons) {
    Control& b = ctl(QLatin1String(name));
    b.setTop(b.top() + delta);
  }
  input.setTop(label.top() + grow + 100);
  label.setCaption(caption);
  // The label grows with its text, one line per piece.
  label.setHeight(n * loadedLabelHeight_);
  for (Control* c : controls()) {
    if (c->type() != ControlType::CommandButton || !c->visible()) continue;
    c->setBackColor(trailingDigit(c->name()) == s.MbxDefault ? kDefaultGreen : kOtherGreen);
  }
  if (s.MbxInput) {
    input.setVisible(true);
    input.setText(s.MbxInputText);
    input.select(0, std::min<int>(99, input.text().size()));
    input.SetFocus();
  } else {
    input.setVisible(false);
    // The invisible button holds the focus so that no visible one looks chosen.
    setFocus(ctl(QStringLiteral("cmdDummy")));
  }
}

void F9_MBX::onKeyDown(Control& c, int& keyCode, int) {
  // Enter on the invisible focus holder is Enter on the default button.
  if (c.name() == u"cmdDummy" && keyCode == keys::Return) {
    keyCode = 0;
    click(ctl(QStringLiteral("cmd1")));
  }
}

void F9_MBX::onClick(Control& c) {
  const int n = trailingDigit(c.name());
  if (c.type() != ControlType::CommandButton || n < 1 || n > 4) return;
  ProgramState& s = state();
  s.MbxAnswer = c.caption();
  if (n <= 2 && ctl(QStringLiteral("Text1")).visible()) s.MbxInputText = ctl(QStringLiteral("Text1")).text();
  unload();
}

}  // namespace qv
