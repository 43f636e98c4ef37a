#include "engine/FieldKinds.h"

#include "controls/Screen.h"
#include "engine/FormInit.h"
#include "engine/TextUtils.h"
#include "frame/ErrorTrap.h"
#include "frame/ProgramState.h"
#include "runtime/Text.h"

namespace qv {

namespace {

// How a kind places its text at set-up.
enum class Placing {
  Plain,      // left; centred on the SS/ITIN card screen
  Unchanged,  // as designed
  Right,
  Centre,
};

constexpr int kKeep = -1;       // length limit as designed
constexpr int kNoColour = 0;    // focus colour unchanged
constexpr int kOtherField = 9;  // legend of every kind without its own colour
constexpr Color kOutOfScopeGrey = 0x00E0E0E0;

struct FieldKind {
  const char* word;  // upper case
  // Set-up.
  Placing placing = Placing::Plain;
  const char* help = nullptr;  // nullptr: the design's help text stays
  bool moneyHelp = false;      // the money help text (1095-A: by field number)
  int maxLength = kKeep;
  int backLegend = 0;          // back colour of the legend at set-up, 0 none
  Color backColor = 0;         // fixed back colour at set-up, 0 none
  bool bold = false;
  // Focus.
  int focusLegend = kOtherField;
  int focusMaxLength = kKeep;
};

const FieldKind kKinds[] = {
    {.word = "%", .placing = Placing::Right, .focusLegend = 5},
    {.word = "#", .placing = Placing::Right, .focusLegend = 5},
    {.word = "#.#", .placing = Placing::Right, .focusLegend = 5},
    {.word = "MONEY", .placing = Placing::Right, .moneyHelp = true, .focusLegend = 3},
    {.word = "SMONEY", .placing = Placing::Right, .moneyHelp = true, .focusLegend = 3},
    {.word = "-MONEY", .placing = Placing::Right, .moneyHelp = true, .focusLegend = 4},
    {.word = "AMONEY", .placing = Placing::Right, .help = "U or UNK for UNKNOWN, Dollar sign/comma optional",
     .focusLegend = 3},
    {.word = "TIN", .placing = Placing::Centre,
     .help = "SSN/TIN: Enter 3 or more numbers - First Number 9 = ITIN, else Social Security #", .focusLegend = 1},
    {.word = "EIN", .placing = Placing::Centre,
     .help = "EIN/TIN: Enter 3 or more numbers beginning with 9 (e.g. 914 = 91-4XXXXXX, 91-55 = 91-55XXXXX, "
             "914234567 = 91-4234567)",
     .focusLegend = 2},
    {.word = "DATE", .placing = Placing::Centre,
     .help = "Date: Formats allowed M/D/YYYY, MM/D/YYYY, M/DD/YYYY, MM/DD/YYYY, MM/DD - will default to Tax Year",
     .maxLength = 10, .focusLegend = 6, .focusMaxLength = 10},
    {.word = "DATEX", .placing = Placing::Centre,
     .help = "Date in Tax Year: Formats allowed M/D/YYYY, MM/D/YYYY, M/DD/YYYY, MM/DD/YYYY, MM/DD will default to "
             "TAX YEAR",
     .maxLength = 10, .focusLegend = 6, .focusMaxLength = 10},
    {.word = "YEAR", .placing = Placing::Centre, .help = "Year: Enter Year ONLY (YYYY)", .maxLength = 4,
     .focusLegend = kNoColour, .focusMaxLength = 4},
    {.word = "TAXYEAR", .placing = Placing::Centre,
     .help = "TaxYear: Enter YYYY - If blank, Defaults to current Tax Year", .maxLength = 4},
    {.word = "TAXYEAR1099G", .placing = Placing::Centre,
     .help = "TaxYear: Leave blank if current tax year, else enter YY or YYYY", .maxLength = 4},
    {.word = "SSMC", .placing = Placing::Right},
    {.word = "COMPUTED", .placing = Placing::Unchanged, .backLegend = 7, .focusLegend = 7},
    {.word = "CHECKBOX", .placing = Placing::Centre, .bold = true},
    {.word = "1095C-14", .placing = Placing::Centre},
    {.word = "1095C-16", .placing = Placing::Centre},
    {.word = "OUT OF SCOPE", .placing = Placing::Centre, .backColor = kOutOfScopeGrey, .focusLegend = kNoColour},
    {.word = "K1HELP", .focusLegend = 8},
};

const FieldKind kPlainKind{.word = ""};

const FieldKind& kindOf(const QString& word) {
  for (const FieldKind& k : kKinds)
    if (word == QLatin1String(k.word)) return k;
  return kPlainKind;
}

const char* const kMoneyHelp = "Money: Dollar sign/commas optional";
const char* const kMoneyFillDownHelp =
    "Money: Dollar sign/commas optional, Press F12 to copy this amount to fields below this one";

// The 1095-A's monthly amounts copy down with F12; its other money fields
// keep the help text they were designed with.
void setMoneyHelp(Control& field) {
  if (!sameText(state().FormInfo[10], QLatin1String("TF_1095A"))) {
    field.setToolTip(QLatin1String(kMoneyHelp));
  } else if (field.index() >= 38 && field.index() <= 76) {
    field.setToolTip(QLatin1String(kMoneyFillDownHelp));
  }
}

bool isFieldArray(const Control& field) {
  const QString name = uCase(field.name());
  return name.size() == 5 && name.startsWith(QLatin1String("TEXT")) && name[4] >= u'1' && name[4] <= u'5';
}

Color legend(int n) { return state().ColorTable[n]; }

}  // namespace

void Control_Setup(Control& field, bool align) {
  trap(QStringLiteral("M3_Quorvane:Control_Setup"), [&] {
    if (isFieldArray(field)) {
      state().CurrentField = field.name() + u':' + QString::number(field.index());
      Control& status = currentForm().ctl(QStringLiteral("labelMisc"));
      status.setCaption(field.toolTip());
      // A help text is no error: it shows in the plain colour even after a failed edit.
      status.setForeColor(colors::Black);
    }
    if (align) Control_SetupAlignment(field);
    else Control_SetupBackColor(field);
  });
}

void Control_SetupAlignment(Control& field) {
  const FieldKind& kind = kindOf(uCase(field.tag()));
  switch (kind.placing) {
    case Placing::Plain:
      field.setAlignment(state().FormInfo[11] == u"SS_ITIN" ? Align::Center : Align::Left);
      break;
    case Placing::Unchanged:
      break;
    case Placing::Right:
      field.setAlignment(Align::Right);
      break;
    case Placing::Centre:
      field.setAlignment(Align::Center);
      break;
  }
  if (kind.help) field.setToolTip(QLatin1String(kind.help));
  if (kind.moneyHelp) setMoneyHelp(field);
  if (kind.maxLength != kKeep) field.setMaxLength(kind.maxLength);
  if (kind.backLegend) field.setBackColor(legend(kind.backLegend));
  if (kind.backColor) field.setBackColor(kind.backColor);
  if (kind.bold) field.setFontBold(true);
  // Every K-1 cell is centred, whatever its kind.
  if (sameText(left(field.tag(), 2), QLatin1String("K1"))) field.setAlignment(Align::Center);
}

void Control_SetupBackColor(Control& field) {
  if (field.tag().isEmpty()) {
    field.setBackColor(legend(kOtherField));
    return;
  }
  const FieldKind& kind = kindOf(field.tag().section(kSeparator, 0, 0));
  if (kind.focusMaxLength != kKeep) field.setMaxLength(kind.focusMaxLength);
  if (kind.focusLegend != kNoColour) field.setBackColor(legend(kind.focusLegend));
  field.select(0, 99);
}

}  // namespace qv
