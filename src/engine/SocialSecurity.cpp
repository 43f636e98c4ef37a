#include "engine/SocialSecurity.h"

#include <QRegularExpression>

#include "controls/Screen.h"
#include "engine/FormInit.h"
#include "engine/TaxYear.h"
#include "frame/Configure.h"
#include "frame/ErrorTrap.h"
#include "frame/Ini.h"
#include "frame/MessageBox.h"
#include "frame/ProgramState.h"
#include "platform/Host.h"
#include "runtime/Format.h"
#include "runtime/Text.h"

namespace qv {

namespace {

constexpr std::array<SSMCField, 6> kFields = {{
    {"txtSSRate", "SSRate", "SS Rate", true, false},
    {"txtSSMax", "SSMax", "SS Max", false, true},
    {"txtMCInitRate", "MCInitRate", "MC Rate", true, false},
    {"txtMCChgRateAfter", nullptr, "MC Change Rate After", false, true},
    {"txtMCRateAfter", "MCRateAfter", "MC Rate After", true, false},
    {"txtMCPartBPremiums", "MCPartBPremium", "MC Max Medicare", false, false},
}};
constexpr int kThreshold = 3;
constexpr int kPartBPremium = 5;

const QString kShownAmount = QStringLiteral("###,###.00");
const QString kWholeAmount = QStringLiteral("#######");
const QString kPremium = QStringLiteral("#,###.00");

// The amount boxes and the most each may hold.
struct AmountLimit {
  const char* box;  // lower case
  int limit;
  const char* limitText;
  int error;
  bool whole;  // rounded to whole dollars
};
constexpr AmountLimit kLimits[] = {
    {"txtssmax", 1000000, "1,000,000.00", 803, true},
    {"txtmcchgrateafter", 1000000, "1,000,000.00", 803, true},
    {"txtmcpartbpremiums", 3000, "3,000.00", 804, false},
};

QString str(const char* s) { return QLatin1String(s); }

// The four characters of the tax year the configuration screen shows.
QString screenYear(const Screen& form) {
  return form.ctl(QStringLiteral("TaxYear"), 0).caption() + form.ctl(QStringLiteral("TaxYear"), 1).caption();
}

QString sectionOf(const SSMCField& f) {
  return f.section ? str(f.section) : thresholdSection(state().FilingStatus);
}

QString storedValue(const SSMCField& f, const QString& year) {
  return ReadINF(sectionOf(f), year, QString(), state().SSMCInfFile);
}

// The program's value into the box; what is not a number shows as it is,
// for the checks to reject.
void showField(Screen& form, int i) {
  const SSMCField& f = kFields[i];
  form.ctl(str(f.box)).setText(f.wholeDollars ? formatText(ssMcValue(i), kShownAmount) : ssMcValue(i));
}

// The box's text in the form the file keeps. The whole-dollar pattern shows
// no digit for zero: the file keeps "0" for it, so that the zero loads again.
QString storedForm(const SSMCField& f, const QString& boxText) {
  if (!f.wholeDollars) return boxText;
  const QString whole = formatText(boxText, kWholeAmount);
  return whole.isEmpty() && isNumeric(boxText) ? QStringLiteral("0") : whole;
}

// Amounts are equal when they show the same number: a premium the money check
// wrote as 2,220.00 is still the file's 2220.00.
bool sameValue(const SSMCField& f, const QString& a, const QString& b) {
  if (f.rate) return a == b;
  const QString& pattern = f.wholeDollars ? kWholeAmount : kPremium;
  return formatText(a, pattern) == formatText(b, pattern);
}

// The configuration screen, loaded first when it is not (as touching one of
// its boxes loads it).
Screen& configure() {
  F1_Configure& screen = configureScreen();
  if (!screen.loaded()) screen.load();
  return screen;
}

// A number read from a box in a form the format functions read back exactly.
QString numberText(const DecimalNumber& n) {
  if (n.isZero()) return QStringLiteral("0");
  return QString::fromStdString((n.negative ? "-" : "") + n.digits + "E" + std::to_string(n.exponent));
}

bool greaterThan(const DecimalNumber& n, int limit) {
  if (n.negative || n.isZero()) return false;
  // Ten whole digits are more than any limit, and too many for a double.
  if (int(n.digits.size()) + n.exponent >= 10) return true;
  return cDbl(numberText(n)) > limit;
}

void backToBox(Control& box) {
  if (box.screen()) box.screen()->setFocus(box);
}

}  // namespace

const std::array<SSMCField, 6>& ssMcFields() { return kFields; }

QString& ssMcValue(int field) {
  ProgramState& s = state();
  return field == kPartBPremium ? s.PartBPremium : s.FormInfo[field];
}

QString thresholdSection(const QString& filingStatus) {
  if (filingStatus == u"Single") return QStringLiteral("MCChgRateAfterSingle");
  if (filingStatus == u"MFS") return QStringLiteral("MCChgRateAfterMFS");
  return QStringLiteral("MCChgRateAfterMFJ");
}

void SS_MC_Load_Values(const QString& year) {
  for (int i = 0; i < int(kFields.size()); ++i) ssMcValue(i) = storedValue(kFields[i], year);
}

void SS_MC_Load() {
  trap(QStringLiteral("M3_Quorvane:SS_MC_Load"), [] {
    const ProgramState& s = state();
    Screen& form = currentForm();
    const QString year = screenYear(form);
    SS_MC_Load_Values(year);
    for (int i = 0; i < int(kFields.size()); ++i) showField(form, i);
    form.ctl(QStringLiteral("Frame3")).setCaption(replace(QStringLiteral("Social Security Withholding ????"),
                                                          QStringLiteral("????"), year));
    QString medicare = QStringLiteral("Medicare Withholding ???? --- Martial Status is <Status>");
    medicare = replace(medicare, QStringLiteral("????"), year);
    form.ctl(QStringLiteral("Frame4")).setCaption(replace(medicare, QStringLiteral("<Status>"), s.FilingStatus));
    const Version v = programVersion();
    form.ctl(QStringLiteral("labelVersion"))
        .setCaption(QStringLiteral("Quorvane - Version %1.%2.%3").arg(v.major).arg(v.minor).arg(v.revision));
  });
}

void SS_MC_Load_Threshold(Screen& configure) {
  ssMcValue(kThreshold) = storedValue(kFields[kThreshold], screenYear(configure));
  showField(configure, kThreshold);
  SS_MC_Threshold_Captions(configure);
}

void SS_MC_Threshold_Captions(Screen& configure) {
  const QString wage = configure.ctl(str(kFields[kThreshold].box)).text();
  configure.ctl(QStringLiteral("lblMC"), 0)
      .setCaption(replace(QStringLiteral("Withholding Rate on Wages up to <<INITRATE>>"),
                          QStringLiteral("<<INITRATE>>"), wage));
  configure.ctl(QStringLiteral("lblMC"), 2)
      .setCaption(replace(QStringLiteral("Withholding Rate on Wages over <<WAGE>>:"), QStringLiteral("<<WAGE>>"),
                          wage));
}

bool SS_MC_Edit_All() {
  Screen& form = configure();
  for (const SSMCField& f : kFields) {
    Control& box = form.ctl(str(f.box));
    if (!(f.rate ? SS_MC_Edit_Rate(box) : SS_MC_Edit_Money(box))) return false;
  }
  return true;
}

bool SS_MC_Edit_Rate(Control& box) {
  // #, ##, #.#, #.##, ##.# or ##.##
  static const QRegularExpression rateForm(
      QRegularExpression::anchoredPattern(QStringLiteral("[0-9]{1,2}(\\.[0-9]{1,2})?")));
  const bool ok = trap(QStringLiteral("M3_Quorvane:SS_MC_Edit_Rate"), [&] {
    if (box.text().isEmpty()) raiseError(800, QStringLiteral("Social Security/Medicare Rate is Mandatory."));
    const QString rate = QString(box.text()).remove(u'%');
    if (!isNumeric(rate)) raiseError(801, QStringLiteral("Social Security/Medicare Rate must be NUMERIC"));
    if (!rateForm.match(rate).hasMatch()) {
      if (box.name().contains(QLatin1String("MC"), Qt::CaseInsensitive))
        raiseError(802, QStringLiteral("Invalid Medicare Rate - Format is #, ##, #.#, ##.#, #.## or ##.##"));
      raiseError(803, QStringLiteral("Invalid Social Security Rate - Format is #, ##, #.#, #.##, ##.# or ##.##"));
    }
    box.setText(rate);
  });
  if (!ok) backToBox(box);
  return ok;
}

bool SS_MC_Edit_Money(Control& box) {
  const bool ok = trap(QStringLiteral("M3_Quorvane:SS_MC_Edit_Money"), [&] {
    if (box.text().isEmpty()) raiseError(801, QStringLiteral("Amount is MANDATORY!"));
    const auto number = readNumber(box.text());
    if (!number) raiseError(802, QStringLiteral("Amount IS NOT NUMERIC - commas, decimals are OK"));
    const QString name = lCase(box.name());
    for (const AmountLimit& a : kLimits) {
      if (name != QLatin1String(a.box)) continue;
      const DecimalNumber value = a.whole ? roundedToEven(*number, 0) : *number;
      if (greaterThan(value, a.limit))
        raiseError(a.error, QStringLiteral("Amount CANNOT be Greater Than ") + str(a.limitText));
      box.setText(formatText(numberText(value), a.whole ? kShownAmount : kPremium));
      return;
    }
    raiseError(err::ProgramFailure, QStringLiteral("Program Error"));
  });
  if (!ok) backToBox(box);
  return ok;
}

bool SS_MC_Save() {
  const ProgramState& s = state();
  Screen& form = configure();
  const QString year = screenYear(form);
  if (!SS_MC_Edit_All()) return false;
  bool written = true;
  for (int i = 0; i < int(kFields.size()); ++i) {
    const SSMCField& f = kFields[i];
    ssMcValue(i) = storedForm(f, form.ctl(str(f.box)).text());
    // A file the user was told cannot be used has no better place to wait for.
    written = (SaveINF(sectionOf(f), year, ssMcValue(i), s.SSMCInfFile) || settingsUnusable(s.SSMCInfFile)) && written;
  }
  return written;
}

QString SS_MC_Format_Line(const QString& item, const QString& original, const QString& current) {
  return left(item, 22).leftJustified(22) + left(original, 9).rightJustified(9) +
         left(current, 9).rightJustified(9) + QStringLiteral("\r\n");
}

bool SS_MC_Check_Changes() {
  const ProgramState& s = state();
  bool saved = true;
  trap(QStringLiteral("M3_Quorvane:SS_MC_Check_Changes"), [&] {
    const QString year = chosenTaxYear();
    Screen& form = configure();
    QString table;
    bool changed = false;
    for (const SSMCField& f : kFields) {
      const QString current = storedForm(f, form.ctl(str(f.box)).text());
      const QString original = storedValue(f, year);
      changed = changed || !sameValue(f, original, current);
      table += SS_MC_Format_Line(str(f.item), original, current);
    }
    if (!changed) return;
    const QString message = QStringLiteral("One or more values below have changed.\r\n") +
                            SS_MC_Format_Line(QStringLiteral("Item"), QStringLiteral("Original"),
                                              QStringLiteral("Current")) +
                            SS_MC_Format_Line(QString(), QStringLiteral("Value"), QStringLiteral("Value")) +
                            QString(40, u'-') + QStringLiteral("\r\n") + table +
                            QStringLiteral("DO YOU WANT TO SAVE THE CHANGES?");
    Show_MBX(QStringLiteral("M3_Quorvane:SS_MC_Check_Changes"), 800, message, QStringLiteral("Yes"), false,
             QStringLiteral("No"), QString(), QString(), 1);
    if (s.MbxAnswer == u"Yes") saved = SS_MC_Save();
  });
  // A reported error lets the quit go on, as the user cannot mend it.
  return saved;
}

}  // namespace qv
