#pragma once
// The Social Security and Medicare values of each tax year: loaded into the
// configuration screen and the program-wide values, checked, saved, and
// compared at quit.
#include <QString>
#include <array>

namespace qv {

class Control;
class Screen;

void SS_MC_Load();
// The six values of a tax year from the file into FormInfo(0..4) and
// PartBPremium, without the configuration screen: a tax-year change made on
// another screen keeps them the chosen year's.
void SS_MC_Load_Values(const QString& year);
// Whether the six values passed their checks and are in the file (or the
// file is one start-up said cannot be used).
bool SS_MC_Save();
bool SS_MC_Edit_All();
bool SS_MC_Edit_Rate(Control& box);
bool SS_MC_Edit_Money(Control& box);
// At quit: asks whether to save changed values. False when the user asked
// for a save that did not happen (a value failed its check, the file could
// not be written): the quit is then off, the failing box has the focus.
bool SS_MC_Check_Changes();
QString SS_MC_Format_Line(const QString& item, const QString& original, const QString& current);

// The SSMC.inf section of the Medicare threshold for a filing status.
QString thresholdSection(const QString& filingStatus);

// The Medicare threshold of FilingStatus for the configuration screen's year
// into FormInfo(3) and its box, and the two captions that name it.
void SS_MC_Load_Threshold(Screen& configure);
// lblMC(0) and lblMC(2): their wording with the threshold box's text.
void SS_MC_Threshold_Captions(Screen& configure);

// One of the six values of the configuration screen.
struct SSMCField {
  const char* box;      // its text box
  const char* section;  // its SSMC.inf section; nullptr: the threshold section of FilingStatus
  const char* item;     // its line in the change table
  bool rate;            // checked as a rate, else as an amount
  bool wholeDollars;    // stored as a whole number, shown as "###,###.00"
};
// In the order they are loaded, checked and saved.
const std::array<SSMCField, 6>& ssMcFields();
// Where the program keeps field i: FormInfo(0..4), then PartBPremium.
QString& ssMcValue(int field);

}  // namespace qv
