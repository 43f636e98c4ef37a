#pragma once
// Names of parameterised test cases as CTest lists them and failures show
// them: a case's description with its words run together ("the path is a
// folder" becomes ThePathIsAFolder), so a failing case is found by its name.
#include <QString>
#include <string>

namespace qv::test {

inline std::string wordsName(const QString& description) {
  std::string name;
  bool capital = true;
  for (const QChar c : description) {
    if (c.isLetterOrNumber() && c.unicode() < 128) {
      name += char(capital ? c.toUpper().unicode() : c.unicode());
      capital = false;
    } else {
      capital = true;
    }
  }
  return name.empty() ? std::string("Empty") : name;
}

// The name generator of cases that describe themselves in `what`.
struct ByWhat {
  template <class Info>
  std::string operator()(const Info& info) const {
    return wordsName(QString::fromUtf8(info.param.what));
  }
};

}  // namespace qv::test
