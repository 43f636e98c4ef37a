// The key filter: what each kind lets through, upper-cases or cancels.
#include <gtest/gtest.h>

#include "controls/Control.h"
#include "engine/KeyFilter.h"
#include "unit/platform/QtPrint.h"

namespace {

// The characters that come out of the filter, cancelled ones left out.
QString filtered(const QString& tag, const QString& typed) {
  qv::Control field(qv::ControlType::TextBox, QStringLiteral("Text1"), 0);
  field.setTag(tag);
  QString out;
  for (QChar ch : typed) {
    int key = ch.unicode();
    qv::Key_Press(field, key);
    if (key != 0) out += QChar(char16_t(key));
  }
  return out;
}

TEST(KeyFilter, LetsEachKindTypeItsOwnCharacters) {
  const struct {
    const char* tag;
    const char* typed;
    const char* result;
  } cases[] = {
      {"DATE", "0129-/Xx.a ", "0129-/Xx"},
      {"Date", "1/2x.", "1/2x"},
      {"DATEX", "12-31-20XX;", "12-31-20XX"},
      {"MONEY", "12$,.-()aA%", "12$,."},
      {"SMONEY", "9$-", "9$"},
      {"-MONEY", "1$(),-.aA", "1$(),-."},
      {"AMONEY", "1u%UNK$(),.-", "1UUNK$(),."},
      {"TIN", "12-xXaY", "12-xX"},
      {"YEAR", "20a4 -", "204"},
      {"TAXYEAR", "2x0", "20"},
      {"TaxYear1099G", "2a4", "24"},
      {"VERIFICATION", "09-afAFgzG", "09-afAF"},
      {"%", "1,-.a%", "1,-."},
      {"#.#", "1,-.a", "1,-."},
      {"#", "1,.-a", "1,."},
      {"TPNAME", "a1% z\r\t", "A1% Z\r\t"},
      {"ISSUER", "abc&", "ABC&"},
      {"", "a1%", "A1%"},
      {"EIN", "9a-", "9A-"},
      {"K1HELP·K1-1065-Box11", "a1", "A1"},
      {"OUT OF SCOPE", "x", "X"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(filtered(QString::fromUtf8(c.tag), QString::fromUtf8(c.typed)), QString::fromUtf8(c.result)) << c.tag;
}

TEST(KeyFilter, PassesBackspaceEverywhereAndCancelsOtherControlCodes) {
  for (const char* tag : {"YEAR", "MONEY", "DATE", "TIN", "#", "TPNAME", ""}) {
    EXPECT_EQ(filtered(tag, QStringLiteral("\b")), "\b") << tag;
    EXPECT_EQ(filtered(tag, QString(QChar(1)) + QChar(22) + QChar(3) + QChar(27)), "") << tag;
  }
}

TEST(KeyFilter, KeepsOutWhatAFormFileCannotHold) {
  // The middle dot separates form-file items, "»" marks a line break there;
  // the file is Windows-1252.
  for (const char* tag : {"", "TPNAME", "ISSUER", "EIN", "MONEY", "AMONEY", "DATE"})
    EXPECT_EQ(filtered(QString::fromUtf8(tag), QString::fromUtf8("·»Ωא\u2603")), "") << tag;
  EXPECT_EQ(filtered("", QString::fromUtf8("€éÿ£")), QString::fromUtf8("€éÿ£"));
}

}  // namespace
