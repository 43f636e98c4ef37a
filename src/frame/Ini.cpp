#include "frame/Ini.h"

#include <QRegularExpression>
#include <QStringList>

#include "frame/ErrorLogger.h"
#include "frame/ErrorTrap.h"
#include "frame/ProgramState.h"
#include "platform/Paths.h"
#include "platform/Profile.h"
#include "platform/TextFile.h"

namespace qv {

namespace {
constexpr int kReadBuffer = 1024;
constexpr int kMaxRetries = 6;
int g_retries = 0;

QStringList& unusable() {
  static QStringList paths;
  return paths;
}

}  // namespace

// A file the user was told about, or one inside such a folder.
bool settingsUnusable(const QString& file) {
  const QString host = paths::toHost(file);
  for (const QString& path : unusable()) {
    const QString told = paths::toHost(path);
    if (host == told || host.startsWith(told + u'/')) return true;
  }
  return false;
}

namespace {

QChar separatorOf(const QString& path) {
  return path.contains(u'\\') || !path.contains(u'/') ? u'\\' : u'/';
}

// The folder levels of a file path: "C:\A", "C:\A\B", ... A path must name a
// drive (or root) and at least one folder.
QStringList folderLevels(const QString& file) {
  const QChar sep = separatorOf(file);
  QStringList pieces = file.split(QRegularExpression(QStringLiteral("[\\\\/]")));
  const QString fileName = pieces.takeLast();
  if (fileName.isEmpty() || pieces.size() < 2)
    raiseError(err::SubscriptOutOfRange, {});
  QStringList levels;
  QString folder = pieces[0] + sep + pieces[1];
  levels << folder;
  for (int i = 2; i < pieces.size(); ++i) {
    folder += sep + pieces[i];
    levels << folder;
  }
  return levels;
}
}  // namespace

QString ReadINF(const QString& section, const QString& key, const QString& def, const QString& file) {
  QString result;
  trap(QStringLiteral("M2_VelmoraCommon:ReadINF"), [&] {
    QString buffer;
    const int n = GetPrivateProfileStringA(section, key, def, buffer, kReadBuffer, file);
    result = n == 0 ? QString() : buffer.left(n);
  });
  return result;
}

bool SaveINF(const QString& section, const QString& key, const QString& value, const QString& file) {
  if (settingsUnusable(file)) return false;
  enum Step { Folders, CreateFile, Write, Done };
  Step step = Folders;
  QStringList levels;
  while (step != Done) {
    try {
      if (step == Folders) {
        levels = folderLevels(file);
        for (const QString& level : levels)
          if (!paths::folderExists(level) && !paths::makeFolder(level))
            raiseError(err::PathNotFound, QStringLiteral("Path not found: ") + level);
        step = CreateFile;
      }
      if (step == CreateFile) {
        if (!paths::fileExists(file) && !writeTextFile(file, QString()))
          raiseError(err::PathFileAccess, QStringLiteral("Path/File access error: ") + file);
        step = Write;
      }
      if (step == Write) {
        if (!WritePrivateProfileStringA(section, key, value, file))
          raiseError(err::ProgramFailure, QStringLiteral("Error Writing ") + section + u'/' + key + u'/' +
                                              value + QStringLiteral("\r\nto ") + file);
        g_retries = 0;
        step = Done;
      }
    } catch (const ProgramError& e) {
      if (g_retries < kMaxRetries) {
        ++g_retries;  // run the failing step again at once
        continue;
      }
      trapReport(QStringLiteral("M2_VelmoraCommon:SaveINF"), e);
      return false;
    }
  }
  return true;
}

void markSettingsUnusable(const QString& path) { unusable() << path; }
void clearUnusableSettings() { unusable().clear(); }

int saveIniRetryCount() { return g_retries; }
void resetSaveIniRetryCount() { g_retries = 0; }

}  // namespace qv
