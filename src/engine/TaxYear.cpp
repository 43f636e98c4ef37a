#include "engine/TaxYear.h"

#include "controls/Screen.h"
#include "engine/FieldEdits.h"
#include "engine/FormInit.h"
#include "engine/FormScreen.h"
#include "engine/SocialSecurity.h"
#include "frame/ErrorTrap.h"
#include "frame/Ini.h"
#include "frame/ProgramState.h"
#include "runtime/Text.h"

namespace qv {

namespace {

// Screens that redo their own work after a year change: the configuration
// screen reloads its Social Security and Medicare values, the W-2 and
// SSA-1099 screens recompute what depends on the year.
const char* const kYearDependentScreens[] = {"F1_Configure", "TF_W2", "TF_SSA1099"};

// Screens that show no tax year, by short id.
const char* const kScreensWithoutTaxYear[] = {"DL", "SS_ITIN", "CHK"};

bool isYearDependent(const Screen& screen) {
  for (const char* name : kYearDependentScreens)
    if (sameText(screen.name(), QLatin1String(name))) return true;
  return false;
}

}  // namespace

QString chosenTaxYear() {
  const ProgramState& s = state();
  if (s.YearChoiceIndex < 0 || s.YearChoiceIndex >= int(s.YearChoices.size()))
    raiseError(err::SubscriptOutOfRange, errorText(err::SubscriptOutOfRange));
  return s.YearChoices[s.YearChoiceIndex];
}

void Year_Change(Screen& screen) {
  ProgramState& s = state();
  trap(QStringLiteral("M3_Quorvane:Year_Change"), [&] {
    s.YearChoiceIndex = (s.YearChoiceIndex >= 0 && s.YearChoiceIndex < 3) ? s.YearChoiceIndex + 1 : 0;
    Form_Init_Captions();
    const QString year = chosenTaxYear();
    SaveINF(s.UserSection, QStringLiteral("LastTaxYear"), year, s.UserInfFile);
    if (Form_HasTaxYear()) {
      screen.ctl(QStringLiteral("TaxYear"), 1).setCaption(right(year, 2));
      if (sameText(screen.name(), QLatin1String("TF_RRB1099")))
        screen.ctl(QStringLiteral("TaxYear"), 3).setCaption(right(year, 2));
    }
    // The configuration screen reloads its boxes and the values behind them;
    // elsewhere the values follow the year by themselves (Clear puts the
    // year's Part B premium on the benefit statements).
    if (!sameText(screen.name(), QLatin1String("F1_Configure"))) SS_MC_Load_Values(year);
    if (isYearDependent(screen))
      if (auto* form = dynamic_cast<FormScreen*>(&screen)) form->yearChanged();
    Year_Check();
  });
}

void Year_Check() {
  Screen& form = currentForm();
  for (Control* c : form.controls()) {
    if (c->type() != ControlType::TextBox) continue;
    bool ok = true;
    if (c->tag() == u"DATE") {
      ok = EditCtl_Date(*c, QString());
    } else if (c->tag() == u"DATEX") {
      const QString year = form.ctl(QStringLiteral("TaxYear"), 0).caption() +
                           form.ctl(QStringLiteral("TaxYear"), 1).caption();
      ok = EditCtl_Date(*c, year);
    }
    if (!ok) return;
  }
}

bool Form_HasTaxYear() {
  const QString id = screenShortId(currentForm().name());
  for (const char* none : kScreensWithoutTaxYear)
    if (id == QLatin1String(none)) return false;
  return true;
}

}  // namespace qv
