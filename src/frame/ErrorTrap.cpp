#include "frame/ErrorTrap.h"

#include <cstdio>
#include <cstdlib>

#include "frame/ErrorLogger.h"
#include "frame/ProgramState.h"

namespace qv {

void debugHalt(const QString& logName, const ProgramError& e) {
  // No debugger to break into: stop at the failing statement, saving nothing.
  std::fprintf(stderr, "debug halt in %s: error %d: %s\n", qPrintable(logName), e.number,
               qPrintable(e.description));
  std::fflush(stderr);
  std::abort();
}

void trapReport(const QString& logName, const ProgramError& e) {
  if (state().DebugMode) debugHalt(logName, e);
  Error_Logger(logName, e.number, e.description);
}

ProgramError asProgramError(const std::exception& e) {
  if (dynamic_cast<const std::bad_alloc*>(&e)) return ProgramError(7, QStringLiteral("Out of memory"));
  return ProgramError(err::ProgramFailure, QStringLiteral("Program Error: %1").arg(QString::fromLocal8Bit(e.what())));
}

}  // namespace qv
