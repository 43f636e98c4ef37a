#include "lettering.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QSet>
#include <QTransform>

#include <cstdio>

namespace {

// Outlines are taken from a large unhinted font and scaled down, so that
// lettering has any size and the same shape at every resolution.
constexpr int outlineSize = 200;
constexpr qreal pi = 3.14159265358979323846;

QFont outlineFont(const char* family, bool bold)
{
    static QSet<QString> warned;
    const QString name = QString::fromLatin1(family);
    if (!QFontDatabase::hasFamily(name) && !warned.contains(name)) {
        warned.insert(name);
        std::fprintf(stderr, "iconmaker: the font \"%s\" is not installed; the pictures use another one\n", family);
    }
    QFont font(name);
    font.setPixelSize(outlineSize);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::PreferOutline);
    return font;
}

} // namespace

QPainterPath lettering(const QString& text, const char* family, bool bold, qreal size, qreal spacing,
                       QPointF anchor, Qt::Alignment alignment, qreal maxWidth)
{
    QFont font = outlineFont(family, bold);
    const qreal scale = size / outlineSize;
    font.setLetterSpacing(QFont::AbsoluteSpacing, spacing / scale);
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF ink = path.boundingRect();
    const qreal width = ink.width() * scale;
    const qreal narrow = width > maxWidth && width > 0 ? maxWidth / width : 1.0;
    qreal left = anchor.x();  // where the ink starts
    if (alignment & Qt::AlignHCenter)
        left -= width * narrow / 2;
    else if (alignment & Qt::AlignRight)
        left -= width * narrow;
    QTransform t;
    t.translate(left, anchor.y());
    t.scale(scale * narrow, scale);
    t.translate(-ink.left(), 0);
    return t.map(path);
}

QPainterPath textAroundCircle(const QString& text, QPointF centre, qreal radius, qreal size, const char* family,
                              bool bold)
{
    const QFont font = outlineFont(family, bold);
    const QFontMetricsF metrics(font);
    const qreal scale = size / outlineSize;
    qreal total = 0;
    for (QChar c : text)
        total += metrics.horizontalAdvance(c) * scale;
    // What is left of the circumference goes evenly between the letters.
    const qreal gap = (2 * pi * radius - total) / qMax<qsizetype>(1, text.size());
    QPainterPath result;
    qreal along = 0;
    for (QChar c : text) {
        const qreal advance = metrics.horizontalAdvance(c) * scale;
        const qreal angle = -pi / 2 + (along + advance / 2) / radius;
        QPainterPath glyph;
        glyph.addText(0, 0, font, QString(c));
        QTransform t;
        t.translate(centre.x(), centre.y());
        t.rotate(angle * 180 / pi + 90);
        t.translate(-advance / 2, -radius);
        t.scale(scale, scale);
        result.addPath(t.map(glyph));
        along += advance + gap;
    }
    return result;
}
