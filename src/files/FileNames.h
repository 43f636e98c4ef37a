#pragma once
// The proposed name of a screen's form file: the user's pattern filled with
// the person's name, the screen's short id, one more identifying value and
// the sequence number 000 ("DOE_JOHN_W2_ABC PLUMBING_000.velmora").
#include <QString>

namespace qv {

// Also builds the record (FileRecord). "" when a mandatory field is empty
// (reported); "Error K1" when a Schedule K-1 screen lacks its recipient's
// number or name (said, and the field focused). `focusIndex` comes back 0.
QString Build_FileName(int& focusIndex);

// A name that every desktop can hold: \ / : * ? " < > | and control
// characters become "-".
QString portableFileName(const QString& name);

}  // namespace qv
