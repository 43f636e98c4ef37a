#pragma once
// Picture files of images, picture boxes and graphical buttons. A relative
// picture path is relative to the picture folder (the program folder unless
// set); a missing or unreadable file gives a null image, drawn as nothing.
#include <QImage>
#include <QString>

namespace qv {

void setPictureFolder(const QString& hostFolder);
QString pictureFolder();

// Host path of a picture path: ":/..." resources and host paths as they are,
// drive-letter paths through the program's drive mapping, the rest under the
// picture folder.
QString picturePath(const QString& picture);

// The picture, read once and kept while the file is unchanged.
QImage loadPicture(const QString& picture);

}  // namespace qv
