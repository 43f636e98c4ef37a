#pragma once
// A step that cannot be carried out or whose expectation is not met.
#include <QString>

namespace qv::scenario {

struct Failure {
  QString message;
};

[[noreturn]] inline void fail(const QString& message) { throw Failure{message}; }

}  // namespace qv::scenario
