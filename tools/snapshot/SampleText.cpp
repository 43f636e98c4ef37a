#include "SampleText.h"

#include "controls/Control.h"

namespace qv {

namespace {

struct Sample {
  const char* kind;  // upper case
  const char* text;  // lines joined by CR LF
};

// The longest values the boxes must hold whole: amounts up to 9,999,999.99,
// names and address lines of 30 characters.
constexpr Sample kSamples[] = {
    {"MONEY", "$9,999,999.99"},
    {"AMONEY", "$9,999,999.99"},
    {"SMONEY", "9,999,999.99"},
    {"-MONEY", "($9,999,999.99)"},
    {"COMPUTED", "-$9,999,999.99"},
    {"TIN", "123-45-6789"},
    {"EIN", "12-3456789"},
    {"DATE", "12/31/2026"},
    {"DATEX", "12/31/2026"},
    {"YEAR", "2026"},
    {"TAXYEAR", "2026"},
    {"TAXYEAR1099G", "2026"},
    {"%", "12.3456"},
    {"#.#", "12.3456"},
    {"#", "12"},
    {"CHECKBOX", "X"},
    {"K1HELP", "AW"},  // a K-1 code cell: the widest code
    {"PHONE", "(555) 555-0123"},
    {"TPNAME",
     "ALEXANDRA K. FITZGERALD-MORRIS\r\n4500 NORTH RIVERSIDE DR APT 12\r\nSAN FRANCISCO, CA 94105-1234"},
    {"ISSUER",
     "FIRST NATIONAL BANK OF ANYTOWN\r\n4500 NORTH RIVERSIDE DR APT 12\r\nSAN FRANCISCO, CA 94105-1234\r\n"
     "(555) 555-0123"},
};

// A state ID number, the longest of the common plain boxes.
constexpr const char* kPlain = "12-3456789-0001";

}  // namespace

QString sampleText(const Control& field) {
  const QString kind = field.tag().section(QChar(0x00B7), 0, 0).trimmed().toUpper();
  // A K-1 box-number cell shows its box whatever is typed.
  if (kind == u"K1") return field.text();
  QString text = QLatin1String(kPlain);
  for (const Sample& s : kSamples)
    if (kind == QLatin1String(s.kind)) text = QString::fromUtf8(s.text);
  if (!field.multiLine()) text = text.section(QStringLiteral("\r\n"), 0, 0);
  if (field.maxLength() > 0) text = text.left(field.maxLength());
  return text;
}

}  // namespace qv
