#pragma once

#include <QImage>
#include <QList>
#include <QString>

// Writes one Windows .ico holding every image given (largest last is fine;
// Windows picks the size it needs). Returns an empty string on success, else
// the reason it failed.
QString writeIcoFile(const QString& path, const QList<QImage>& images);
