#pragma once
// The program state the benchmarks start from: the shipped settings files on
// a temporary drive C:, the user's settings beside them, the scripted host,
// no pauses and the tax year 2025 chosen.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "frame/ProgramState.h"
#include "platform/Clock.h"
#include "platform/Host.h"
#include "platform/Paths.h"
#include "support/ScriptedHost.h"

namespace qvbench {

// False when the drive cannot be set up.
inline bool setUpProgram(qv::ScriptedHost& host, const QTemporaryDir& drive) {
  qv::setHost(&host);
  qv::clock::setPausesEnabled(false);
  if (!drive.isValid() || !QDir(drive.path()).mkpath(QStringLiteral("Inf"))) return false;
  for (const char* file : {"Forms.inf", "SSMC.inf", "K1Help.inf"})
    if (!QFile::copy(QStringLiteral(":/inf/") + QLatin1String(file),
                     QDir(drive.filePath(QStringLiteral("Inf"))).filePath(QLatin1String(file))))
      return false;
  qv::paths::setDriveRoot(u'C', drive.path());
  qv::resetState();
  qv::ProgramState& s = qv::state();
  s.FormsInfFile = QStringLiteral("C:\\Inf\\Forms.inf");
  s.SSMCInfFile = QStringLiteral("C:\\Inf\\SSMC.inf");
  s.K1HelpInfFile = QStringLiteral("C:\\Inf\\K1Help.inf");
  s.UserInfFile = QStringLiteral("C:\\Inf\\User.inf");
  s.UserSection = QStringLiteral("TRAINER");
  s.YearChoices = {"2024", "2025", "2026", "20XX"};
  s.YearChoiceIndex = 1;
  return true;
}

// The drive and the state go; the next benchmark starts afresh.
inline void tearDownProgram() {
  qv::paths::setDriveRoot(u'C', {});
  qv::resetState();
  qv::setHost(nullptr);
}

}  // namespace qvbench
