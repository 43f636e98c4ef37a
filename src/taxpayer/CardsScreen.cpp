#include "taxpayer/CardsScreen.h"

#include <QDir>

#include "engine/FieldEdits.h"
#include "engine/FormInit.h"
#include "engine/KeyFilter.h"
#include "engine/SendKeys.h"
#include "frame/ErrorTrap.h"
#include "frame/MessageBox.h"
#include "frame/ProgramState.h"
#include "platform/Paths.h"
#include "runtime/Text.h"

namespace qv {

namespace {

const QString kNumberFields = QStringLiteral("0,2,4,6,8,10,12,14,16");
const QString kInstruction =
    QStringLiteral("Press Load TP1 or Load TP2 button to create SS/ITIN cards for all persons entered on the TPInfo form");

QString fileOf(F2_SS_ITIN::Picture picture) {
  return picture == F2_SS_ITIN::Picture::Itin ? QStringLiteral("ITIN.jpg") : QStringLiteral("SSN.jpg");
}

// The picture in the pictures folder, its name matched without regard to
// case (the host's file names have case); empty when it is not there.
QString pictureFile(const QString& name) {
  const QString folder = state().PicturesFolder;
  if (folder.isEmpty()) return {};
  const QDir dir(paths::toHost(folder));
  for (const QString& entry : dir.entryList(QDir::Files))
    if (entry.compare(name, Qt::CaseInsensitive) == 0) return dir.filePath(entry);
  return {};
}

// Three digits, two, four, with X for the digits not given: "12345" gives
// "123-45-XXXX".
QString cardNumber(const QString& digits) {
  const QString nine = digits.leftJustified(9, u'X');
  return nine.left(3) + u'-' + nine.mid(3, 2) + u'-' + nine.mid(5);
}

}  // namespace

void F2_SS_ITIN::onLoad() {
  toldMissing_.clear();
  cardMessage_.clear();
  trap(QStringLiteral("F2_SS_ITIN:Form_Load"), [&] {
    Form_Init(*this);
    showInstruction();
  });
  keepInstruction_ = true;
}

void F2_SS_ITIN::showInstruction() {
  Control& status = ctl(QStringLiteral("labelMisc"));
  status.setForeColor(colors::Red);
  status.setCaption(kInstruction);
}

void F2_SS_ITIN::onGotFocus(Control& c) {
  FormScreen::onGotFocus(c);
  // The screen opens with the focus in its first field, whose help text
  // would hide how the cards are made: that stays until the user moves on.
  if (!keepInstruction_ || !isField(c)) return;
  keepInstruction_ = false;
  trap(QStringLiteral("F2_SS_ITIN:Text1_GotFocus"), [&] { showInstruction(); });
}

bool F2_SS_ITIN::isNumber(const Control& c) { return isField(c) && sameText(c.tag(), QLatin1String("TIN")); }

void F2_SS_ITIN::Add_SS_ITIN_Card(const QString& number, const QString& name, int k) {
  field(k).setText(number);
  field(k + 1).setText(name);
}

F2_SS_ITIN::Picture F2_SS_ITIN::pictureOfFirstDigit(const QString& number) {
  const QChar first = number.isEmpty() ? QChar() : number[0];
  if (first == u'9') return Picture::Itin;
  if (first >= u'1' && first <= u'8') return Picture::SocialSecurity;
  return Picture::None;
}

F2_SS_ITIN::Picture F2_SS_ITIN::pictureOfNumber(const QString& number) {
  return number.startsWith(u'9') ? Picture::Itin : Picture::SocialSecurity;
}

void F2_SS_ITIN::showPicture(int card, Picture picture) {
  Control& image = ctl(QStringLiteral("Image1"), card);
  if (picture == Picture::None) {
    image.setPicture(QString());
    return;
  }
  const QString name = fileOf(picture);
  const QString file = pictureFile(name);
  image.setPicture(file);
  if (!file.isEmpty() || toldMissing_.contains(name)) return;
  toldMissing_.insert(name);
  Show_MBX(QStringLiteral("Social Security/ITIN Card(s)"), 800,
           QStringLiteral("The card picture %1 is missing from %2.").arg(name, state().PicturesFolder) +
               QStringLiteral("\r\nThe cards are shown without it."),
           QStringLiteral("OK"), false, {}, {}, {}, 1);
}

void F2_SS_ITIN::showCardMessage(const QString& message) {
  cardMessage_ = message;
  Control& status = ctl(QStringLiteral("labelMisc"));
  status.setForeColor(colors::Red);
  status.setCaption(message);
}

void F2_SS_ITIN::onChange(Control& c) {
  // However a number goes (Backspace, Clear, Load TP), its card's picture goes with it.
  if (isNumber(c) && c.text().isEmpty()) showPicture(c.index() / 2, Picture::None);
}

void F2_SS_ITIN::onKeyPress(Control& c, int& keyAscii) {
  if (!isField(c)) return;
  trap(QStringLiteral("F2_SS_ITIN:Text1_KeyPress"), [&] {
    ctl(QStringLiteral("labelMisc")).setCaption(QString());
    if (keyAscii == keys::Return) {
      keyAscii = 0;
      Send_Keys(QStringLiteral("{TAB}"), false);
      return;
    }
    if (isNumber(c)) {
      numberKeyPress(c, keyAscii);
    } else if (keyAscii != keys::CtrlC && keyAscii != keys::CtrlV && keyAscii != keys::CtrlX) {
      // Capitals, and nothing a form file cannot keep.
      Key_Press(c, keyAscii);
    }
  });
}

void F2_SS_ITIN::numberKeyPress(Control& number, int& keyAscii) {
  // Where the key lands: a digit typed over a selected number starts it anew.
  const int at = number.selStart();
  auto refuse = [&](const char* message) {
    showCardMessage(QLatin1String(message));
    keyAscii = 0;
  };
  if (keyAscii == keys::Back) return;
  if (keyAscii >= '0' && keyAscii <= '9') {
    if (at != 0) return;
    if (keyAscii == '0') return refuse("SSN/ITIN can't start with ZERO");
    showPicture(number.index() / 2, pictureOfFirstDigit(QString(QChar(keyAscii))));
    return;
  }
  if (keyAscii == '-') {
    if (at != 3 && at != 6) refuse("HYPHEN ONLY allowed in 4th or 7th position");
    return;
  }
  if (keyAscii == 'X' || keyAscii == 'x') return refuse("Appropriate number of 'X's' will appended");
  refuse("Only 0 through 9 and HYPHEN (-) are allowed");
}

void F2_SS_ITIN::onValidate(Control& c, bool& cancel) {
  if (!isField(c)) return;
  try {
    ctl(QStringLiteral("labelMisc")).setCaption(QString());
    if (isNumber(c) && !validateNumber(c, cancel)) return;
    if (c.index() % 2 == 0 && DuplicateTinCheck(kNumberFields, c.index()) != 99) cancel = true;
  } catch (const ProgramError&) {
    // The check ends quietly; the number stays as it is.
  }
}

bool F2_SS_ITIN::validateNumber(Control& number, bool& cancel) {
  const int card = number.index() / 2;
  const QString digits = QString(number.text()).remove(u'-');
  if (digits.isEmpty()) {
    showPicture(card, Picture::None);
    return true;
  }
  showPicture(card, pictureOfNumber(number.text()));
  if (digits.size() < 3) {
    showCardMessage(QStringLiteral("SSN/ITIN must start with 3 or more Numbers"));
    cancel = true;
    return false;
  }
  // Longer than a card number: the card keeps what was typed.
  if (digits.size() > 9) return false;
  number.setText(cardNumber(digits));
  return true;
}

}  // namespace qv
