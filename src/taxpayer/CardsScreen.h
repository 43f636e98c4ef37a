#pragma once
// The Social Security and ITIN cards: nine training facsimiles, each a
// number, the holder's name and the background picture the number's first
// digit chooses (9 an ITIN card, 1 to 8 a Social Security card), typed in or
// built from the taxpayer record by Load TP.
#include <QSet>

#include "engine/FormScreen.h"

namespace qv {

class F2_SS_ITIN : public FormScreen {
 public:
  static constexpr int kCards = 9;
  // The background pictures of a card.
  enum class Picture { None, SocialSecurity, Itin };

  F2_SS_ITIN() : FormScreen(QStringLiteral("F2_SS_ITIN")) {}

  // Card k / 2: the number into Text1(k), the name into Text1(k + 1).
  void Add_SS_ITIN_Card(const QString& number, const QString& name, int k);

  // Shows a card's background picture, or none. A picture missing from the
  // pictures folder is told once while the screen is open; the card goes
  // without it.
  void showPicture(int card, Picture picture);
  // ITIN for a number beginning with 9, Social Security for 1 to 8, none else.
  static Picture pictureOfFirstDigit(const QString& number);
  // ITIN for a number beginning with 9, Social Security for any other.
  static Picture pictureOfNumber(const QString& number);

  // The last message shown for a key or a number.
  const QString& cardMessage() const { return cardMessage_; }

 protected:
  void onLoad() override;
  void onGotFocus(Control& c) override;
  void onKeyPress(Control& c, int& keyAscii) override;
  void onValidate(Control& c, bool& cancel) override;
  void onChange(Control& c) override;

 private:
  static bool isNumber(const Control& c);
  void numberKeyPress(Control& number, int& keyAscii);
  // Lays a number out as a card shows it; false when the validation ends
  // with it (refused, or longer than any card number and kept as typed).
  bool validateNumber(Control& number, bool& cancel);
  void showCardMessage(const QString& message);
  void showInstruction();

  QString cardMessage_;
  QSet<QString> toldMissing_;    // pictures found missing since the screen was opened
  bool keepInstruction_ = false;  // until the first field has taken the focus
};

}  // namespace qv
