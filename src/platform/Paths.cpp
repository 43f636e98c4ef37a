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

QString toProgram(const QString& hostPath) {
  if (hostPath.isEmpty() || hasDriveLetter(hostPath)) return hostPath;
  const QString host = QDir::cleanPath(hostPath);
  // Drive C first: the folders of other letters may lie below it.
  for (const QChar d : QStringLiteral("CABDEFGHIJKLMNOPQRSTUVWXYZ")) {
    if (d != u'C' && !overrides().contains(d) && env::value(QStringLiteral("QUORVANE_DRIVE_") + d).isEmpty())
      continue;
    const QString root = driveRoot(d);
    if (host == root) return QString(d) + QStringLiteral(":\\");
    if (host.startsWith(root + u'/')) return QString(d) + u':' + host.mid(root.size()).replace(u'/', u'\\');
  }
  return hostPath;
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
  const bool host = folder.contains(u'/') && !folder.contains(u'\\');
  return folder + (host ? u'/' : u'\\') + name;
}

namespace {

// The program path's levels below its drive or root: "C:\A", "C:\A\B".
QStringList levelsOf(const QString& programPath) {
  QStringList levels;
  QString path;
  for (const QString& piece : QString(programPath).replace(u'/', u'\\').split(u'\\')) {
    const bool first = path.isEmpty();
    path = first ? piece : path + u'\\' + piece;
    if (first && (piece.isEmpty() || piece.endsWith(u':'))) continue;  // the drive or root
    if (!piece.isEmpty()) levels << path;
  }
  return levels;
}

}  // namespace

QString folderProblem(const QString& programPath) {
  for (const QString& level : levelsOf(programPath)) {
    const QFileInfo info(toHost(level));
    if (info.isDir()) continue;
    if (info.exists()) return QStringLiteral("%1 is a file, not a folder").arg(info.filePath());
    if (!makeFolder(level)) {
      const QFileInfo parent(info.absolutePath());
      if (!parent.exists()) return QStringLiteral("the folder %1 cannot be made").arg(parent.filePath());
      if (!parent.isDir()) return QStringLiteral("%1 is a file, not a folder").arg(parent.filePath());
      return QStringLiteral("%1 cannot be made (no permission to write in %2)")
          .arg(info.filePath(), parent.filePath());
    }
  }
  return {};
}

QString fileProblem(const QString& programPath) {
  const QStringList levels = levelsOf(programPath);
  if (levels.size() > 1) {
    const QString folder = folderProblem(levels.at(levels.size() - 2));
    if (!folder.isEmpty()) return folder;
  }
  const QFileInfo info(toHost(programPath));
  if (info.isDir()) return QStringLiteral("%1 is a folder, not a file").arg(info.filePath());
  if (info.exists() ? !info.isWritable() : !QFileInfo(info.absolutePath()).isWritable())
    return QStringLiteral("%1 cannot be written (no permission)").arg(info.filePath());
  return {};
}

QString driveDescription(QChar drive) {
  const QChar letter = drive.toUpper();
  const QString variable = QStringLiteral("QUORVANE_DRIVE_") + letter;
  return QStringLiteral("Drive %1: is %2 (set by %3).").arg(letter).arg(driveRoot(letter), variable);
}

}  // namespace qv::paths
