#pragma once
// Text utilities of the form engine: the normalised taxpayer name, counting a
// pattern, and membership in a comma-separated list.
#include <QChar>
#include <QString>

namespace qv {

// The middle dot: joins the two parts of Format_TPName's result and separates
// the items of a form-file record, so no field may ever hold it.
inline constexpr QChar kSeparator = QChar(0x00B7);
// "»" stands for a line break inside a value kept in a form file or the
// settings file, so no field may hold it either.
inline constexpr QChar kLineBreakMark = QChar(0x00BB);

// The characters a stored value gives a meaning of their own.
inline bool isRecordMark(QChar c) { return c == kSeparator || c == kLineBreakMark; }
// The text without them.
QString withoutRecordMarks(QString text);
// A field's text as a stored value: one line, line feeds dropped, each
// carriage return as "»"; and a stored value as the field shows it again.
QString storedValue(const QString& text);
QString shownValue(const QString& stored);

// The first line of a name-and-address text as the normalised name, "·", and
// the name used in form-file names ("SMITH JR,JOHN", or "JOHN SMITH JR" when
// the file-name pattern has "<FIRST>_<LAST>"). Empty text gives "".
QString Format_TPName(const QString& text);

// Occurrences of `pattern` in `text`, overlapping ones included; an empty
// pattern counts every position.
int CountCharacters(const QString& text, const QString& pattern, bool caseSensitive);

// Whether every character is one of the digits 0 to 9 (true for "").
bool isAllDigits(QStringView text);

// Whether an item of the comma-separated `list`, trimmed of blanks, equals
// `value` without regard to case. An empty list holds nothing.
bool IsInList(const QString& value, const QString& list);

}  // namespace qv
