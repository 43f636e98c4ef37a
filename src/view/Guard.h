#pragma once
// Qt input runs model code; a program error its handlers did not trap must
// not unwind through Qt's event loop.
#include <QtGlobal>

#include "runtime/Error.h"

namespace qv {

template <class F>
void guarded(F&& f) {
  try {
    f();
  } catch (const ProgramError& e) {
    qWarning("Untrapped program error %d in %s: %s", e.number, qUtf8Printable(e.source),
             qUtf8Printable(e.description));
  }
}

}  // namespace qv
