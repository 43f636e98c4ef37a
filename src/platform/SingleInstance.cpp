#include "platform/SingleInstance.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QLockFile>
#include <QSysInfo>

namespace qv {
namespace {

// The file-name-safe characters of a text.
QString safeName(const QString& text) {
  QString safe;
  safe.reserve(text.size());
  for (QChar c : text) {
    const bool plain = c.unicode() < 0x80 && (c.isLetterOrNumber() || c == u'-' || c == u'_');
    safe += plain ? c : u'_';
  }
  return safe;
}

// A name made from the key: its safe characters, and a digest of the whole
// key so that keys that differ only in other characters still get files of
// their own.
QString baseName(const QString& key) {
  const QByteArray digest =
      QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha1).toHex().left(8);
  return safeName(key) + u'-' + QString::fromLatin1(digest);
}

// What is at a path, looked at without following a link there.
enum class Found { Private, Missing, Unfit };

Found inspect(const QString& path, QString* why) {
  struct stat st {};
  if (::lstat(QFile::encodeName(path).constData(), &st) != 0) {
    if (errno == ENOENT) return Found::Missing;
    *why = QString::fromLocal8Bit(std::strerror(errno));
    return Found::Unfit;
  }
  if (S_ISLNK(st.st_mode)) *why = QStringLiteral("it is a link");
  else if (!S_ISDIR(st.st_mode)) *why = QStringLiteral("it is not a folder");
  else if (st.st_uid != ::geteuid()) *why = QStringLiteral("it belongs to another user");
  else if ((st.st_mode & 077) != 0) *why = QStringLiteral("other users may enter it");
  else return Found::Private;
  return Found::Unfit;
}

void warnUnused(const QString& folder, const QString& why) {
  qWarning("Quorvane: %s is not used for the running-copy check: %s", qPrintable(folder), qPrintable(why));
}

QString homeFolder() {
  // The account's own home, not $HOME: under sudo that is still the caller's.
  if (const passwd* pw = ::getpwuid(::geteuid()); pw && pw->pw_dir && *pw->pw_dir)
    return QFile::decodeName(pw->pw_dir);
  return QDir::homePath();
}

// Makes the request file afresh, never through whatever was left at its path.
bool createRequestFile(const QString& path) {
  const QByteArray name = QFile::encodeName(path);
  ::unlink(name.constData());
  const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (fd < 0) return false;
  ::close(fd);
  return true;
}

}  // namespace

QString privateRuntimeFolder(const QString& runtimeDir, const QString& fallback) {
  QString why;
  if (!runtimeDir.isEmpty() && QDir::isAbsolutePath(runtimeDir)) {
    if (inspect(runtimeDir, &why) == Found::Private) return QDir::cleanPath(runtimeDir);
  }
  if (fallback.isEmpty()) return {};
  Found found = inspect(fallback, &why);
  if (found == Found::Missing) {
    QDir().mkpath(QFileInfo(fallback).path());
    if (::mkdir(QFile::encodeName(fallback).constData(), 0700) != 0 && errno != EEXIST) {
      warnUnused(fallback, QString::fromLocal8Bit(std::strerror(errno)));
      return {};
    }
    // Made now, or by a copy starting at the same moment: look again either way.
    found = inspect(fallback, &why);
  }
  if (found == Found::Private) return QDir::cleanPath(fallback);
  warnUnused(fallback, why);
  return {};
}

QString userRuntimeFolder() {
  const QString fallback =
      homeFolder() + QStringLiteral("/.cache/quorvane-") + safeName(QSysInfo::machineHostName());
  return privateRuntimeFolder(qEnvironmentVariable("XDG_RUNTIME_DIR"), fallback);
}

SingleInstance::SingleInstance(const QString& key, QObject* parent) : QObject(parent) {
  const QString folder = userRuntimeFolder();
  if (folder.isEmpty()) return;
  const QString base = folder + u'/' + baseName(key);
  lockPath_ = base + QStringLiteral(".lock");
  raisePath_ = base + QStringLiteral(".raise");
  lock_ = std::make_unique<QLockFile>(lockPath_);
  // A running copy holds its lock for hours: never treat it as stale by age.
  // A lock whose process has died is still recognised and taken over.
  lock_->setStaleLockTime(0);
}

SingleInstance::~SingleInstance() {
  if (lock_ && lock_->isLocked()) {
    delete watcher_;
    watcher_ = nullptr;
    QFile::remove(raisePath_);
    lock_->unlock();
  }
}

bool SingleInstance::acquire() {
  if (!lock_) return true;
  if (lock_->isLocked()) return true;
  if (!lock_->tryLock(0)) {
    // Only a lock held by a live copy means "running"; a folder the lock
    // cannot be written in must not keep the program from starting.
    if (lock_->error() == QLockFile::LockFailedError) return false;
    warnUnused(lockPath_, QStringLiteral("the lock cannot be made"));
    lock_.reset();
    return true;
  }

  // The request file must exist before it can be watched.
  if (!createRequestFile(raisePath_)) return true;  // locked, just not raisable
  watcher_ = new QFileSystemWatcher(this);
  watcher_->addPath(raisePath_);
  connect(watcher_, &QFileSystemWatcher::fileChanged, this, [this] {
    // Deleted behind our back is no request: make it again.
    const bool request = QFile::exists(raisePath_);
    if (!request) createRequestFile(raisePath_);
    // A deleted or replaced file loses its watch.
    if (!watcher_->files().contains(raisePath_)) watcher_->addPath(raisePath_);
    if (request) emit raiseRequested();
  });
  return true;
}

void SingleInstance::requestRaise() {
  if (raisePath_.isEmpty()) return;
  // Written in place: a replaced file would not reach the running copy's watch.
  // Only into the running copy's own plain file: never through a link, never
  // into a pipe that would hold this copy up.
  const int fd = ::open(QFile::encodeName(raisePath_).constData(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return;
  struct stat st {};
  if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid() && ::ftruncate(fd, 0) == 0) {
    const QByteArray pid = QByteArray::number(QCoreApplication::applicationPid()) + '\n';
    [[maybe_unused]] const ssize_t written = ::write(fd, pid.constData(), size_t(pid.size()));
  }
  ::close(fd);
}

}  // namespace qv
