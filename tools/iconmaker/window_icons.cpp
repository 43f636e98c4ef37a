#include "window_icons.h"

#include <QPainterPath>

#include <climits>

namespace {

enum class BadgeShape { Round, Square };

struct Edition {
    const char* fileName;
    QColor colour;
    BadgeShape shape;
    QList<Stroke> letter;  // relative to the badge centre, for a badge of half-size 9
};

const QList<Edition> editions = {
    {"Velmora.ICO", QColor(24, 58, 140), BadgeShape::Round,
     {{{-4.2, -4.5}, {0, 4.8}, {4.2, -4.5}}}},
    {"Kestrum.ICO", QColor(20, 106, 58), BadgeShape::Square,
     {{{-4, -5}, {-4, 5}}, {{3.6, -5}, {-3.8, 1.4}}, {{-1.2, -1}, {4.2, 5}}}},
};

// How much detail each size carries; the first whose `upTo` covers the size
// is used. At 16 pixels one grid unit is half a pixel, so lines are doubled
// and sit on pixel centres to stay sharp, and the badge grows to be legible.
struct Layout {
    int upTo;
    QRectF sheet;
    qreal fold;
    SheetStyle style;
    QPointF badgeCentre;
    qreal badgeHalf;
    qreal ringWidth;
    bool whiteRing;  // at 16 pixels a white ring melts into the white sheet
    qreal letterScale;
    qreal letterWidth;
};

const QList<Layout> layouts = {
    {16, QRectF(3, 1, 18, 30), 8, {3, 2.0, 2.0, {}}, QPointF(22, 22), 9.0, 2.0, false, 1.15, 4.0},
    {INT_MAX, QRectF(3.5, 1.5, 20, 28), 7, {6, 1.0, 1.2, {}}, QPointF(22, 22), 9.0, 1.4, true, 1.0, 2.6},
};

const Layout& layoutFor(int pixels)
{
    for (const Layout& layout : layouts)
        if (pixels <= layout.upTo)
            return layout;
    return layouts.back();
}

void drawEdition(QPainter& p, const Edition& edition, const Layout& layout)
{
    SheetStyle style = layout.style;
    style.heading = edition.colour;
    drawSheet(p, layout.sheet, layout.fold, style);

    const QPointF centre = layout.badgeCentre;
    const qreal half = layout.badgeHalf;
    QPainterPath badge;
    if (edition.shape == BadgeShape::Round)
        badge.addEllipse(centre, half, half);
    else
        badge.addRoundedRect(QRectF(centre - QPointF(half, half), QSizeF(2 * half, 2 * half)),
                             half / 3, half / 3);
    fillAndOutline(p, badge, edition.colour, layout.whiteRing ? QColor(Qt::white) : edition.colour,
                   layout.ringWidth);

    const qreal scale = half / 9.0 * layout.letterScale;
    QList<Stroke> letter = edition.letter;
    for (Stroke& stroke : letter)
        for (QPointF& point : stroke)
            point = centre + point * scale;
    drawStrokes(p, letter, Qt::white, layout.letterWidth);
}

} // namespace

QList<WindowIcon> windowIcons()
{
    QList<WindowIcon> icons;
    for (const Edition& edition : editions)
        icons.append({edition.fileName, [&edition](QPainter& p, int pixels) {
                          drawEdition(p, edition, layoutFor(pixels));
                      }});
    return icons;
}
