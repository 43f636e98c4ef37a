#pragma once
// The field edits: when the user leaves a field, its kind's edit checks the
// text and rewrites it in its standard form; a failure paints the field,
// shows the message in red on the status line and keeps the focus there.
#include <QString>
#include <functional>

namespace qv {

class Control;

// The edit of the field's kind. False keeps the focus in the field.
bool EditCtl(Control& field);

// Dates: `taxYear` empty = any year, else the four-character year the date must have.
bool EditCtl_Date(Control& field, const QString& taxYear);
bool EditCtl_Date_Format(Control& field);
bool EditCtl_EIN(Control& field);
bool EditCtl_SS_ITIN(Control& field);

// The failure display: the field in legend colour `legend` with red text,
// the message in red on the current form's status line.
void ShowInvalid(Control& field, int legend, const QString& message);

// The index of a Text1 field of the current form in `indexList` holding the
// same text as Text1(index); 99 when none does.
int DuplicateTinCheck(const QString& indexList, int index);

// ---- Shared by the edits ----

// Puts an edit's result into the field: without "·", which a form file
// cannot hold, and with every character that has no Windows-1252 byte as "?",
// as saving would store it.
void setEditedText(Control& field, const QString& text);
// Rejects the field inside runFieldEdit; `message` goes on the status line
// (empty: "Value Entered: [...] is INVALID").
[[noreturn]] void rejectField(const QString& message = QString());
// Runs one edit of a field under its trap, on the text as setEditedText
// would store it (the field takes that text first);
// a rejection or any error ends in the failure display in legend `legend`,
// the focus back in the field and False, never logged (in debug mode an
// error outside 800..899 halts under `logName`). Errors show their own
// description only when `describeErrors`.
bool runFieldEdit(Control& field, const QString& logName, int legend, bool describeErrors,
                  const std::function<void()>& body);

}  // namespace qv
