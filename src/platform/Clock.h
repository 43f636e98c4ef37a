#pragma once
// The program's notion of "now" and its pauses, both replaceable in tests.
#include <QDateTime>

namespace qv::clock {

QDateTime now();
QDate today();
// Fixes "now" (tests); an invalid value goes back to the system clock.
void fix(const QDateTime& when);

// Blocks the thread for `ms` milliseconds (the program's deliberate pauses);
// does nothing once pauses are switched off.
void pause(int ms);
void setPausesEnabled(bool on);
// The milliseconds of pause asked for so far, kept or skipped (tests).
long long pausedTotal();

}  // namespace qv::clock
