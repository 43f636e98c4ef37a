#pragma once
// Scenario files: plain text, one step per line, read like the steps a user
// takes. Words are separated by blanks; "quoted text" is one word, with ""
// for a quote and {CR} {LF} {CRLF} {TAB} {NUL} for those characters.
// Lines starting with # are comments.
#include <QString>
#include <QStringList>
#include <vector>

namespace qv::scenario {

struct Step {
  int line = 0;
  QString source;     // the line as written
  QStringList words;  // quotes removed, escapes resolved
};

// Splits one line into words; false (with a reason) for an unterminated quote.
bool splitWords(const QString& line, QStringList& words, QString* error);

// Reads a scenario file; false with "file:line: reason" on a syntax error.
bool parseFile(const QString& path, std::vector<Step>& steps, QString* error);

}  // namespace qv::scenario
