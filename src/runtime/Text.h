#pragma once
// Text functions of the language runtime the program was written against.
// Positions are 1-based as there; a negative length or a start below 1 is
// error 5. Character codes are those of the Windows ANSI code page (1252).
#include <QChar>
#include <QString>

namespace qv {

// Binary compares exactly; Text compares without regard to case (vbTextCompare).
enum class Compare { Binary, Text };

// InStr: 1-based position of `find` in `text` from `start`, 0 when absent or
// `text` is empty; an empty `find` gives `start` (0 past the end).
int inStr(int start, const QString& text, const QString& find, Compare compare = Compare::Binary);
int inStr(const QString& text, const QString& find, Compare compare = Compare::Binary);
// Replace: every occurrence of `find`, left to right, without rescanning the
// replacements; an empty `find` changes nothing.
QString replace(const QString& text, const QString& find, const QString& with,
                Compare compare = Compare::Binary);
// StrComp(a, b, vbTextCompare) = 0: equal without regard to case.
bool sameText(const QString& a, const QString& b);

// Trim, LTrim, RTrim: remove blanks (" ") only; tabs and line breaks stay.
QString trim(const QString& text);
QString lTrim(const QString& text);
QString rTrim(const QString& text);
// UCase, LCase: character by character, so the length never changes ("ß"
// stays); a letter whose other case has no Windows-1252 code stays as it is ("µ").
QString uCase(const QString& text);
QString lCase(const QString& text);

// Left, Right: the first or last `length` characters (all when fewer).
QString left(const QString& text, int length);
QString right(const QString& text, int length);
// Mid: from the 1-based `start` to the end, or `length` characters ("" past the end).
QString mid(const QString& text, int start);
QString mid(const QString& text, int start, int length);
// Space: `count` blanks. String: `count` times `ch`.
QString space(int count);
QString repeatChar(int count, QChar ch);

// Asc: the Windows-1252 code of the first character ("€" is 128), 63 ("?") for
// a character the code page lacks; error 5 for empty text.
int asc(const QString& text);
// Chr: the character of a Windows-1252 code; error 5 outside 0..255.
QChar chr(int code);
// True when the character has a Windows-1252 code.
bool inCodePage(QChar ch);

}  // namespace qv
