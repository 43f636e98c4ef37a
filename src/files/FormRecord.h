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

// An old record brought up to date: the prefixes "SS" and "1099-MISC20"
// become "SS_ITIN" and "1099-MISC" (`prefixChanged` says so: the file is then
// rewritten), and item keys "CBX.." become "CHK..".
QString upgradeRecord(const QString& record, bool* prefixChanged);

// Restores the record's items into the screen, one by one; an item that
// cannot be applied (no such field, an index that is no number, a missing
// picture) is passed over.
void restoreItems(Screen& form, const QString& record);

}  // namespace qv
