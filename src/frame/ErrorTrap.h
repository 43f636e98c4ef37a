#pragma once
// The error trap every procedure that can fail runs under: its body runs
// inside the trap with the procedure's log name ("M3_Quorvane:Form_Print"); a
// program error raised inside (or by a trap-less procedure it called) is
// reported through Error_Logger and the procedure returns its failure value.
// In debug mode a trap never logs: it halts the program at once.
#include <QString>
#include <exception>
#include <new>

#include "runtime/Error.h"

namespace qv {

// Reports a trapped error: the debug halt in debug mode, else Error_Logger.
void trapReport(const QString& logName, const ProgramError& e);
// Converts anything else that escaped a body into a program error.
ProgramError asProgramError(const std::exception& e);
[[noreturn]] void debugHalt(const QString& logName, const ProgramError& e);

// Runs `body`; true when it finished, false when an error was trapped and reported.
template <class Body>
bool trap(const QString& logName, Body&& body) {
  try {
    body();
    return true;
  } catch (const ProgramError& e) {
    trapReport(logName, e);
  } catch (const std::exception& e) {
    trapReport(logName, asProgramError(e));
  }
  return false;
}

}  // namespace qv
