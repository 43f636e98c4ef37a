#pragma once
// The tax year of the documents: one of four choices (last year, this year,
// next year, "20XX" for no particular year), cycled by "Change Tax Yr".
#include <QString>

namespace qv {

class Screen;

// YearChoices(YearChoiceIndex); error 9 when the index is outside 0..3.
QString chosenTaxYear();

// Moves to the next year choice and carries it into the settings file, the
// screen's captions and year labels, the screens that compute from the year
// and the date fields.
void Year_Change(Screen& screen);
// Re-edits the DATE and DATEX fields of the current form, stopping at the
// first that fails.
void Year_Check();
// False on the driver's licence, SS/ITIN card and check screens.
bool Form_HasTaxYear();

}  // namespace qv
