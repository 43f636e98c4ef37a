#include "engine/TextUtils.h"

#include <QStringList>

#include "frame/ErrorTrap.h"
#include "frame/ProgramState.h"
#include "runtime/Text.h"

namespace qv {

namespace {

// In the order tried: "III" comes after "II", which it cannot end with after a blank.
const char* const kSuffixes[] = {"JR", "SR", "II", "III", "IV", "V", "2ND", "3RD", "4TH", "5TH"};

// The name without blanks around it and without its final dots ("SMITH JR." is "SMITH JR").
QString trimmedName(QString line) {
  qsizetype end = line.size();
  while (end > 0 && (line[end - 1] == u' ' || line[end - 1] == u'.')) --end;
  line.truncate(end);
  return lTrim(line);
}

// Every run of blanks as one blank.
QString singleBlanks(const QString& text) {
  QString out;
  out.reserve(text.size());
  for (const QChar c : text)
    if (c != u' ' || out.isEmpty() || out.back() != u' ') out += c;
  return out;
}

}  // namespace

QString Format_TPName(const QString& text) {
  QString result;
  trap(QStringLiteral("M3_Quorvane:Format_TPName"), [&] {
    if (text.isEmpty()) return;
    const qsizetype lineEnd = text.indexOf(QLatin1String("\r\n"));
    QString line = lineEnd < 0 ? text : text.left(lineEnd);
    // The separator joins the result's two parts, so the name cannot carry it.
    line.remove(kSeparator);
    line = trimmedName(line);

    // Only the suffix that ends the name is taken off: the same letters inside
    // a name ("ANN JRUE DOE JR", "MARY SRINIVASAN SR") belong to the name.
    QString suffix;
    for (const char* s : kSuffixes) {
      const QString ending = u' ' + QLatin1String(s);
      if (line.endsWith(ending)) {
        suffix = ending;
        line = rTrim(line.chopped(ending.size()));
        break;
      }
    }
    line = singleBlanks(line);
    const QStringList words = line.split(u' ');
    line += suffix;

    QString fileName;
    if (words.size() == 1) {
      fileName = words.first() + suffix;
    } else {
      const QString first = trim(words.first());
      const QString last = trim(words.last() + suffix);
      const bool firstLast =
          inStr(state().FileNamePattern, QStringLiteral("<FIRST>_<LAST>"), Compare::Text) > 0;
      fileName = firstLast ? first + u' ' + last : last + u',' + first;
    }
    result = line + kSeparator + fileName;
  });
  return result;
}

int CountCharacters(const QString& text, const QString& pattern, bool caseSensitive) {
  const Qt::CaseSensitivity cs = caseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive;
  const QStringView all(text);
  const qsizetype n = all.size(), m = pattern.size();
  int count = 0;
  for (qsizetype i = 0; i < n && i + m <= n; ++i)
    if (all.mid(i, m).compare(pattern, cs) == 0) ++count;
  return count;
}

QString withoutRecordMarks(QString text) {
  text.removeIf(isRecordMark);
  return text;
}

QString storedValue(const QString& text) {
  QString value = text;
  value.remove(u'\n');
  value.replace(u'\r', kLineBreakMark);
  return value;
}

QString shownValue(const QString& stored) {
  QString text = stored;
  return text.replace(kLineBreakMark, QStringLiteral("\r\n"));
}

bool isAllDigits(QStringView text) {
  for (const QChar c : text)
    if (c < u'0' || c > u'9') return false;
  return true;
}

bool IsInList(const QString& value, const QString& list) {
  if (list.isEmpty()) return false;
  for (const QStringView item : QStringView(list).split(u','))
    if (sameText(trim(item.toString()), value)) return true;
  return false;
}

}  // namespace qv
