#pragma once

#include <QPainterPath>
#include <QPointF>
#include <QString>

// The type faces of the printed lettering on the pictures; both come with the
// fonts the build installs (fonts-liberation).
inline constexpr const char* serifFamily = "Liberation Serif";
inline constexpr const char* sansFamily = "Liberation Sans";

// `text` as an outline, `size` pixels to the em, with `spacing` pixels added
// between letters. Its baseline starts at, is centred on or ends at `anchor`
// by `alignment` (Qt::AlignLeft, Qt::AlignHCenter or Qt::AlignRight); when the
// ink is wider than `maxWidth` the letters are narrowed to fit.
QPainterPath lettering(const QString& text, const char* family, bool bold, qreal size, qreal spacing,
                       QPointF anchor, Qt::Alignment alignment, qreal maxWidth);

// `text` spread evenly once around a circle, reading clockwise from the top,
// the letters standing on the circle of `radius` with their tops outwards.
QPainterPath textAroundCircle(const QString& text, QPointF centre, qreal radius, qreal size,
                              const char* family, bool bold);
