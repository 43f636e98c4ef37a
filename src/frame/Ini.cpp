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
  return SaveINFKeys(section, {{key, value}}, file);
}

namespace {
int g_commandDepth = 0;
bool g_toldInCommand = false;

QString failureText(const QString& section, const QList<std::pair<QString, QString>>& keys, const QString& file) {
  QString what = section + u'/';
  if (keys.size() == 1) {
    what += keys[0].first + u'/' + keys[0].second;
  } else {
    QStringList names;
    for (const auto& [key, value] : keys) names << key;
    what += names.join(QStringLiteral(", "));
  }
  return QStringLiteral("Error Writing ") + what + QStringLiteral("\r\nto ") + file;
}
}  // namespace

SettingsCommand::SettingsCommand() {
  if (g_commandDepth++ == 0) g_toldInCommand = false;
}
SettingsCommand::~SettingsCommand() { --g_commandDepth; }

bool SaveINFKeys(const QString& section, const QList<std::pair<QString, QString>>& keys, const QString& file) {
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
        if (!WritePrivateProfileStrings(section, keys, file))
          raiseError(err::ProgramFailure, failureText(section, keys, file));
        g_retries = 0;
        step = Done;
      }
    } catch (const ProgramError& e) {
      if (g_retries < kMaxRetries) {
        ++g_retries;  // run the failing step again at once
        continue;
      }
      // Once in a command: a full drive fails every write after the first.
      if (g_commandDepth > 0 && g_toldInCommand) return false;
      if (g_commandDepth > 0) g_toldInCommand = true;
      trapReport(QStringLiteral("M2_VelmoraCommon:SaveINF"), e);
      return false;
    }
  }
  return true;
}

namespace {
QString unicodeKey(const QString& key) { return key + QStringLiteral("Unicode"); }
bool fitsCodePage(const QString& text) { return asWin1252(text) == text; }
}  // namespace

QString ReadFolderINF(const QString& section, const QString& key, const QString& file) {
  const QString kept = ReadINF(section, key, {}, file);
  const QString whole = ReadINF(section, unicodeKey(key), {}, file);
  if (whole.isEmpty()) return kept;
  const QString folder = QString::fromUtf8(QByteArray::fromBase64(whole.toLatin1()));
  // Written over since (by an older version, say): the plain key holds.
  return asWin1252(folder) == kept ? folder : kept;
}

bool SaveFolderINF(const QString& section, const QString& key, const QString& folder, const QString& file) {
  if (fitsCodePage(folder)) {
    QList<std::pair<QString, QString>> keys{{key, folder}};
    if (!ReadINF(section, unicodeKey(key), {}, file).isEmpty()) keys.append({unicodeKey(key), QString()});
    return SaveINFKeys(section, keys, file);
  }
  return SaveINFKeys(section,
                     {{key, asWin1252(folder)},
                      {unicodeKey(key), QString::fromLatin1(folder.toUtf8().toBase64())}},
                     file);
}

void markSettingsUnusable(const QString& path) { unusable() << path; }
void clearUnusableSettings() { unusable().clear(); }

int saveIniRetryCount() { return g_retries; }
void resetSaveIniRetryCount() { g_retries = 0; }

}  // namespace qv
