#include "platform/Paths.h"

#include <QDir>
#include <QFileInfo>
#include <QMap>

#include "platform/Environment.h"

namespace qv::paths {
namespace {

QMap<QChar, QString>& overrides() {
  static QMap<QChar, QString> roots;
  return roots;
}

bool isSeparator(QChar c) { return c == u'\\' || c == u'/'; }

bool hasDriveLetter(const QString& path) {
  return path.size() >= 2 && path.at(1) == u':' && path.at(0).isLetter() &&
         path.at(0).unicode() < 0x80;
}

// A path below a drive's root. ".." stops at the root, as it does on Windows,
// so a program path can never leave its drive's folder.
QString onDrive(QChar drive, QStringView rest) {
  QStringList parts;
  qsizetype start = 0;
  for (qsizetype i = 0; i <= rest.size(); ++i) {
    if (i < rest.size() && !isSeparator(rest.at(i))) continue;
    const QStringView part = rest.mid(start, i - start);
    start = i + 1;
    if (part.isEmpty() || part == u".") continue;
    if (part == u"..") {
      if (!parts.isEmpty()) parts.removeLast();
      continue;
    }
    parts.append(part.toString());
  }
  const QString root = driveRoot(drive);
  return parts.isEmpty() ? root : QDir::cleanPath(root + u'/' + parts.join(u'/'));
}

}  // namespace

QString toHost(const QString& programPath) {
  if (programPath.isEmpty()) return {};
  if (hasDriveLetter(programPath)) return onDrive(programPath.at(0), QStringView(programPath).mid(2));
  // "\Folder" is the root of the current drive, which for this program is C:.
  if (programPath.startsWith(u'\\')) return onDrive(u'C', QStringView(programPath).mid(1));
  QString host = programPath;
  host.replace(u'\\', u'/');
  if (host.startsWith(u'/')) return QDir::cleanPath(host);
  return QDir::cleanPath(QDir::currentPath() + u'/' + host);
}

void setDriveRoot(QChar drive, const QString& hostFolder) {
  const QChar letter = drive.toUpper();
  if (hostFolder.isEmpty())
    overrides().remove(letter);
  else
    overrides().insert(letter, QDir::cleanPath(hostFolder));
}

QString driveRoot(QChar drive) {
  const QChar letter = drive.toUpper();
  if (const auto it = overrides().constFind(letter); it != overrides().cend()) return *it;
  const QString fromEnv = env::value(QStringLiteral("QUORVANE_DRIVE_") + letter);
  if (!fromEnv.isEmpty()) return QDir::cleanPath(fromEnv);
  const QString base = QDir::homePath() + QStringLiteral("/Quorvane");
  return letter == u'C' ? base : base + QStringLiteral("/drive_") + letter.toLower();
}

bool exists(const QString& programPath) {
  const QString host = toHost(programPath);
  return !host.isEmpty() && QFileInfo::exists(host);
}

bool fileExists(const QString& programPath) {
  const QString host = toHost(programPath);
  return !host.isEmpty() && QFileInfo(host).isFile();
}

bool folderExists(const QString& programPath) {
  const QString host = toHost(programPath);
  return !host.isEmpty() && QFileInfo(host).isDir();
}

bool makeFolder(const QString& programPath) {
  const QString host = toHost(programPath);
  if (host.isEmpty()) return false;
  // A drive is always there: its folder is made when first needed.
  const QString parent = QFileInfo(host).absolutePath();
  for (QChar d = u'A'; d <= u'Z'; d = QChar(d.unicode() + 1))
    if (QDir(parent) == QDir(driveRoot(d)) && !QFileInfo::exists(parent)) QDir().mkpath(parent);
  // mkdir, not mkpath: one level only, like the Windows call.
  return QDir().mkdir(host);
}

QString join(const QString& folder, const QString& name) {
  if (folder.isEmpty()) return name;
  if (isSeparator(folder.back())) return folder + name;
  return folder + u'\\' + name;
}

}  // namespace qv::paths
