#include "view/Pictures.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QHash>

#include "platform/Paths.h"

namespace qv {

namespace {

QString& folderOverride() {
  static QString folder;
  return folder;
}

struct CachedPicture {
  QDateTime modified;
  QImage image;
};

QHash<QString, CachedPicture>& cache() {
  static QHash<QString, CachedPicture> c;
  return c;
}

}  // namespace

void setPictureFolder(const QString& hostFolder) {
  folderOverride() = hostFolder;
  cache().clear();
}

QString pictureFolder() {
  if (!folderOverride().isEmpty()) return folderOverride();
  return QCoreApplication::applicationDirPath();
}

QString picturePath(const QString& picture) {
  if (picture.isEmpty()) return {};
  if (picture.startsWith(QLatin1String(":/"))) return picture;
  const bool drive = picture.size() >= 2 && picture.at(1) == u':' && picture.at(0).isLetter();
  if (drive || picture.startsWith(u'/') || picture.startsWith(u'\\')) return paths::toHost(picture);
  QString rel = picture;
  rel.replace(u'\\', u'/');
  return QDir::cleanPath(pictureFolder() + u'/' + rel);
}

QImage loadPicture(const QString& picture) {
  const QString path = picturePath(picture);
  if (path.isEmpty()) return {};
  const QFileInfo info(path);
  if (!info.exists()) return {};
  const QDateTime modified = info.lastModified();
  auto& c = cache();
  if (auto it = c.constFind(path); it != c.cend() && it->modified == modified) return it->image;
  QImage image(path);
  c.insert(path, CachedPicture{modified, image});
  return image;
}

}  // namespace qv
