#include "runner/Scenario.h"

#include <QFile>
#include <QFileInfo>

namespace qv::scenario {

namespace {
QString resolveEscapes(QString s) {
  s.replace(QStringLiteral("{CRLF}"), QStringLiteral("\r\n"));
  s.replace(QStringLiteral("{CR}"), QStringLiteral("\r"));
  s.replace(QStringLiteral("{LF}"), QStringLiteral("\n"));
  s.replace(QStringLiteral("{TAB}"), QStringLiteral("\t"));
  s.replace(QStringLiteral("{NUL}"), QString(QChar(0)));
  return s;
}
}  // namespace

bool splitWords(const QString& line, QStringList& words, QString* error) {
  words.clear();
  int i = 0;
  const int n = line.size();
  while (i < n) {
    while (i < n && line[i].isSpace()) ++i;
    if (i >= n) break;
    if (line[i] == u'"') {
      QString word;
      ++i;
      bool closed = false;
      while (i < n) {
        if (line[i] == u'"') {
          if (i + 1 < n && line[i + 1] == u'"') {
            word += u'"';
            i += 2;
            continue;
          }
          ++i;
          closed = true;
          break;
        }
        word += line[i++];
      }
      if (!closed) {
        if (error) *error = QStringLiteral("unterminated quote");
        return false;
      }
      words << resolveEscapes(word);
    } else {
      const int start = i;
      while (i < n && !line[i].isSpace()) ++i;
      words << line.mid(start, i - start);
    }
  }
  return true;
}

bool parseFile(const QString& path, std::vector<Step>& steps, QString* error) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) {
    if (error) *error = QStringLiteral("%1: cannot read").arg(path);
    return false;
  }
  const QStringList lines = QString::fromUtf8(f.readAll()).split(u'\n');
  const QString name = QFileInfo(path).fileName();
  for (int i = 0; i < lines.size(); ++i) {
    const QString line = lines[i].trimmed();
    if (line.isEmpty() || line.startsWith(u'#')) continue;
    Step st;
    st.line = i + 1;
    st.source = line;
    QString why;
    if (!splitWords(line, st.words, &why)) {
      if (error) *error = QStringLiteral("%1:%2: %3").arg(name).arg(st.line).arg(why);
      return false;
    }
    steps.push_back(st);
  }
  return true;
}

}  // namespace qv::scenario
