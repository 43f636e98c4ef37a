#include "drawing.h"

#include <QPainterPath>
#include <QTransform>

#include <cmath>

QImage render(const Drawing& draw, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / designSize, size / designSize);
    draw(p);
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

QColor darker(const QColor& colour)
{
    return colour.darker(160);
}

void fillAndOutline(QPainter& p, const QPainterPath& shape, const QColor& fill,
                    const QColor& edge, qreal width)
{
    p.save();
    p.setPen(QPen(edge, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
    p.drawPath(shape);
    p.restore();
}

void fillAndOutline(QPainter& p, const QRectF& rect, const QColor& fill,
                    const QColor& edge, qreal radius, qreal width)
{
    QPainterPath shape;
    shape.addRoundedRect(rect, radius, radius);
    fillAndOutline(p, shape, fill, edge, width);
}

void drawStrokes(QPainter& p, const QList<Stroke>& strokes, const QColor& colour, qreal width)
{
    p.save();
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    for (const Stroke& stroke : strokes)
        p.drawPolyline(stroke.constData(), int(stroke.size()));
    p.restore();
}

namespace {

// Moves a horizontal line of `width` to where it covers whole pixels, so thin
// text lines stay sharp at every size instead of smearing over two rows.
qreal snapToPixels(const QPainter& p, qreal y, qreal width)
{
    const QTransform& t = p.transform();
    const qreal pixels = qMax<qreal>(1.0, std::round(width * t.m22()));
    const qreal device = t.map(QPointF(0, y)).y();
    const qreal snapped = int(pixels) % 2 ? std::floor(device) + 0.5 : std::round(device);
    return t.inverted().map(QPointF(0, snapped)).y();
}

} // namespace

void drawSheet(QPainter& p, const QRectF& r, qreal fold, const SheetStyle& style)
{
    const QColor edge(110, 118, 130);
    QPainterPath sheet;
    sheet.moveTo(r.topLeft());
    sheet.lineTo(r.right() - fold, r.top());
    sheet.lineTo(r.right(), r.top() + fold);
    sheet.lineTo(r.bottomRight());
    sheet.lineTo(r.bottomLeft());
    sheet.closeSubpath();
    fillAndOutline(p, sheet, Qt::white, edge, style.edgeWidth);

    QPainterPath flap;
    flap.moveTo(r.right() - fold, r.top());
    flap.lineTo(r.right() - fold, r.top() + fold);
    flap.lineTo(r.right(), r.top() + fold);
    flap.closeSubpath();
    fillAndOutline(p, flap, QColor(215, 220, 228), edge, style.edgeWidth);

    // Text lines fill the sheet from just under the top; those beside the
    // fold stop short of it.
    const qreal margin = 3.0;
    const qreal first = r.top() + margin + style.lineWidth / 2;
    const qreal step = (r.bottom() - margin - first) / qMax(style.lines, 1);
    for (int i = 0; i < style.lines; ++i) {
        const bool heading = i == 0 && style.heading.isValid();
        const qreal width = heading ? style.lineWidth * 2 : style.lineWidth;
        const qreal y = snapToPixels(p, first + i * step, width);
        const qreal right = y < r.top() + fold + 1.0 ? r.right() - fold - 1.5 : r.right() - margin;
        p.save();
        p.setPen(QPen(heading ? style.heading : QColor(150, 160, 176), width, Qt::SolidLine,
                      Qt::FlatCap));
        p.drawLine(QPointF(r.left() + margin, y), QPointF(right, y));
        p.restore();
    }
}

void drawRoundBadge(QPainter& p, QPointF centre, qreal radius, const QColor& fill)
{
    QPainterPath badge;
    badge.addEllipse(centre, radius, radius);
    fillAndOutline(p, badge, fill, Qt::white, 1.4);
}
