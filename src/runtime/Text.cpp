#include "runtime/Text.h"

#include "platform/TextFile.h"
#include "runtime/Error.h"

namespace qv {

namespace {

// The code of a character in the Windows code page, -1 when the page lacks it.
int codeOf(QChar ch) {
  const QByteArray b = encodeWin1252(QString(ch));
  if (b.size() != 1 || (b[0] == '?' && ch != u'?')) return -1;
  return static_cast<unsigned char>(b[0]);
}

Qt::CaseSensitivity sensitivity(Compare compare) {
  return compare == Compare::Text ? Qt::CaseInsensitive : Qt::CaseSensitive;
}

void requireNonNegative(int n) {
  if (n < 0) raiseError(err::InvalidCall, {});
}

template <typename Map>
QString mapCase(const QString& text, Map map) {
  QString out = text;
  for (QChar& ch : out) {
    const QChar mapped = map(ch);
    if (!inCodePage(ch) || inCodePage(mapped)) ch = mapped;
  }
  return out;
}

}  // namespace

int inStr(int start, const QString& text, const QString& find, Compare compare) {
  if (start < 1) raiseError(err::InvalidCall, {});
  if (text.isEmpty()) return 0;
  if (find.isEmpty()) return start <= text.size() + 1 ? start : 0;
  if (start > text.size()) return 0;
  return static_cast<int>(text.indexOf(find, start - 1, sensitivity(compare))) + 1;
}

int inStr(const QString& text, const QString& find, Compare compare) {
  return inStr(1, text, find, compare);
}

QString replace(const QString& text, const QString& find, const QString& with, Compare compare) {
  if (find.isEmpty()) return text;
  QString out = text;
  return out.replace(find, with, sensitivity(compare));
}

bool sameText(const QString& a, const QString& b) {
  return QString::compare(a, b, Qt::CaseInsensitive) == 0;
}

QString lTrim(const QString& text) {
  qsizetype i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  return text.mid(i);
}

QString rTrim(const QString& text) {
  qsizetype n = text.size();
  while (n > 0 && text[n - 1] == ' ') --n;
  return text.left(n);
}

QString trim(const QString& text) { return lTrim(rTrim(text)); }

QString uCase(const QString& text) { return mapCase(text, [](QChar c) { return c.toUpper(); }); }
QString lCase(const QString& text) { return mapCase(text, [](QChar c) { return c.toLower(); }); }

QString left(const QString& text, int length) {
  requireNonNegative(length);
  return text.left(length);
}

QString right(const QString& text, int length) {
  requireNonNegative(length);
  return text.right(length);
}

QString mid(const QString& text, int start) {
  if (start < 1) raiseError(err::InvalidCall, {});
  return text.mid(start - 1);
}

QString mid(const QString& text, int start, int length) {
  if (start < 1) raiseError(err::InvalidCall, {});
  requireNonNegative(length);
  return text.mid(start - 1, length);
}

QString space(int count) { return repeatChar(count, QLatin1Char(' ')); }

QString repeatChar(int count, QChar ch) {
  requireNonNegative(count);
  return QString(count, ch);
}

int asc(const QString& text) {
  if (text.isEmpty()) raiseError(err::InvalidCall, {});
  const int code = codeOf(text[0]);
  return code < 0 ? '?' : code;
}

QChar chr(int code) {
  if (code < 0 || code > 255) raiseError(err::InvalidCall, {});
  return decodeWin1252(QByteArray(1, static_cast<char>(code))).at(0);
}

bool inCodePage(QChar ch) { return codeOf(ch) >= 0; }

}  // namespace qv
