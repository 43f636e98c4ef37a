#pragma once
// The form-file record: one line of "·"-separated fields, the screen's record
// prefix, its tax year, then an item key=value for every filled text box and
// ticked check label in control order. Line breaks inside a value are "»".
#include <QString>

namespace qv {

class Screen;

// The record of the current form, also left in FileRecord. "Error SS_ITIN"
// when the card screen fails its checks (reported); "" after another failure.
QString Build_Record();

// An old record's prefix brought up to date: "SS" and "1099-MISC20" become
// "SS_ITIN" and "1099-MISC", nothing else changes (the file is rewritten so).
// `changed` says whether it did.
QString upgradePrefix(const QString& record, bool* changed);
// Old item keys read as today's: "CBX.." is "CHK.." (in memory only).
QString upgradeItemKeys(const QString& record);

// Restores the record's items into the screen, one by one; an item that
// cannot be applied (no such field, an index that is no number, a missing
// picture) is passed over.
void restoreItems(Screen& form, const QString& record);

}  // namespace qv
