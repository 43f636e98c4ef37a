#include "platform/SingleInstance.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileSystemWatcher>
#include <QLockFile>

namespace qv {
namespace {

// Both files sit in the temporary folder under a name made from the key: its
// file-name-safe characters, and a digest of the whole key so that keys that
// differ only in other characters still get files of their own.
QString basePath(const QString& key) {
  QString safe;
  safe.reserve(key.size());
  for (QChar c : key) {
    const bool plain = c.unicode() < 0x80 && (c.isLetterOrNumber() || c == u'-' || c == u'_');
    safe += plain ? c : u'_';
  }
  const QByteArray digest =
      QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha1).toHex().left(8);
  return QDir::tempPath() + u'/' + safe + u'-' + QString::fromLatin1(digest);
}

}  // namespace

SingleInstance::SingleInstance(const QString& key, QObject* parent)
    : QObject(parent),
      lockPath_(basePath(key) + QStringLiteral(".lock")),
      raisePath_(basePath(key) + QStringLiteral(".raise")),
      lock_(std::make_unique<QLockFile>(lockPath_)) {
  // A running copy holds its lock for hours: never treat it as stale by age.
  // A lock whose process has died is still recognised and taken over.
  lock_->setStaleLockTime(0);
}

SingleInstance::~SingleInstance() {
  if (lock_->isLocked()) {
    delete watcher_;
    watcher_ = nullptr;
    QFile::remove(raisePath_);
    lock_->unlock();
  }
}

bool SingleInstance::acquire() {
  if (lock_->isLocked()) return true;
  if (!lock_->tryLock(0)) return false;

  // The request file must exist before it can be watched.
  QFile request(raisePath_);
  if (!request.open(QIODevice::WriteOnly | QIODevice::Truncate)) return true;  // locked, just not raisable
  request.close();
  watcher_ = new QFileSystemWatcher(this);
  watcher_->addPath(raisePath_);
  connect(watcher_, &QFileSystemWatcher::fileChanged, this, [this] {
    // Deleted behind our back (a temp cleaner) is no request: make it again.
    const bool request = QFile::exists(raisePath_);
    if (!request) {
      QFile again(raisePath_);
      if (again.open(QIODevice::WriteOnly)) again.close();
    }
    // A deleted or replaced file loses its watch.
    if (!watcher_->files().contains(raisePath_)) watcher_->addPath(raisePath_);
    if (request) emit raiseRequested();
  });
  return true;
}

void SingleInstance::requestRaise() {
  // Written in place: a replaced file would not reach the running copy's watch.
  QFile request(raisePath_);
  if (request.open(QIODevice::WriteOnly | QIODevice::Truncate))
    request.write(QByteArray::number(QCoreApplication::applicationPid()) + '\n');
}

}  // namespace qv
