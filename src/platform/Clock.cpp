#include "platform/Clock.h"

#include <QThread>

namespace qv::clock {
namespace {
QDateTime g_fixed;
bool g_pauses = true;
long long g_pausedTotal = 0;
}  // namespace

QDateTime now() { return g_fixed.isValid() ? g_fixed : QDateTime::currentDateTime(); }

QDate today() { return now().date(); }

void fix(const QDateTime& when) { g_fixed = when; }

void pause(int ms) {
  if (ms > 0) g_pausedTotal += ms;
  if (g_pauses && ms > 0) QThread::msleep(ulong(ms));
}

void setPausesEnabled(bool on) { g_pauses = on; }

long long pausedTotal() { return g_pausedTotal; }

}  // namespace qv::clock
