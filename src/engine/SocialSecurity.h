#pragma once
// The Social Security and Medicare values of each tax year: loaded into the
// configuration screen and the program-wide values, checked, saved, and
// compared at quit.
#include <QString>

namespace qv {

class Control;

void SS_MC_Load();
void SS_MC_Save();
bool SS_MC_Edit_All();
bool SS_MC_Edit_Rate(Control& box);
bool SS_MC_Edit_Money(Control& box);
void SS_MC_Check_Changes();
QString SS_MC_Format_Line(const QString& item, const QString& original, const QString& current);

// The SSMC.inf section of the Medicare threshold for a filing status.
QString thresholdSection(const QString& filingStatus);

}  // namespace qv
