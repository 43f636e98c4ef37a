#pragma once

#include "drawing.h"

// The window icon of each edition: a form sheet with the edition's badge.
// Small sizes get a plainer layout, so `draw` takes the pixel size too.
struct WindowIcon {
    QString fileName;
    std::function<void(QPainter&, int pixels)> draw;
};
QList<WindowIcon> windowIcons();

// Pixel sizes stored in each window icon file.
inline const QList<int> windowIconSizes = {16, 32, 48};
