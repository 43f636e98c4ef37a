#include "platform/Clock.h"

#include <QThread>

namespace qv::clock {
namespace {
QDateTime g_fixed;
bool g_pauses = true;
}  // namespace

QDateTime now() { return g_fixed.isValid() ? g_fixed : QDateTime::currentDateTime(); }

QDate today() { return now().date(); }

void fix(const QDateTime& when) { g_fixed = when; }

void pause(int ms) {
  if (g_pauses && ms > 0) QThread::msleep(ulong(ms));
}

void setPausesEnabled(bool on) { g_pauses = on; }

}  // namespace qv::clock
