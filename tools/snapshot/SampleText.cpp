#include "SampleText.h"

#include "controls/Control.h"

namespace qv {

namespace {

struct Sample {
  const char* kind;  // upper case
  const char* text;  // lines joined by CR LF
};

constexpr Sample kSamples[] = {
    {"MONEY", "$123,456.78"},
    {"AMONEY", "$123,456.78"},
    {"SMONEY", "123,456.78"},
    {"-MONEY", "($12,345.67)"},
    {"TIN", "123-45-6789"},
    {"EIN", "91-4234567"},
    {"DATE", "12/31/2024"},
    {"DATEX", "12/31/2024"},
    {"YEAR", "2024"},
    {"TAXYEAR", "2024"},
    {"TAXYEAR1099G", "2024"},
    {"%", "12.3456"},
    {"#.#", "12.3456"},
    {"#", "12"},
    {"CHECKBOX", "X"},
    {"PHONE", "(555) 555-0123"},
    {"TPNAME", "JOHN Q. TAXPAYER\r\n1234 MAIN STREET APT 5B\r\nANYTOWN, ST 12345-6789"},
    {"ISSUER",
     "FIRST NATIONAL BANK OF ANYTOWN\r\n100 COMMERCE BOULEVARD\r\nANYTOWN, ST 12345\r\n(555) 555-0100"},
};

constexpr const char* kPlain = "SAMPLE 123456";

}  // namespace

QString sampleText(const Control& field) {
  const QString kind = field.tag().section(QChar(0x00B7), 0, 0).trimmed().toUpper();
  QString text = QLatin1String(kPlain);
  for (const Sample& s : kSamples)
    if (kind == QLatin1String(s.kind)) text = QString::fromUtf8(s.text);
  if (!field.multiLine()) text = text.section(QStringLiteral("\r\n"), 0, 0);
  if (field.maxLength() > 0) text = text.left(field.maxLength());
  return text;
}

}  // namespace qv
