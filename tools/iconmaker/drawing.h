#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <functional>

// Every picture is drawn on a 32 x 32 design grid and scaled to the size asked.
constexpr qreal designSize = 32.0;

using Drawing = std::function<void(QPainter&)>;

struct NamedDrawing {
    QString fileName;
    Drawing draw;
};

// A transparent square image of `size` pixels with `draw` scaled onto it.
QImage render(const Drawing& draw, int size);

// Fills `shape` with `fill` and outlines it with `edge` (width in grid units).
void fillAndOutline(QPainter& p, const QPainterPath& shape, const QColor& fill,
                    const QColor& edge, qreal width = 1.0);
void fillAndOutline(QPainter& p, const QRectF& rect, const QColor& fill,
                    const QColor& edge, qreal radius = 0.0, qreal width = 1.0);

// Open polylines stroked with round ends, for glyphs and marks.
using Stroke = QList<QPointF>;
void drawStrokes(QPainter& p, const QList<Stroke>& strokes, const QColor& colour, qreal width);

// A paper sheet with its top-right corner folded over and `lines` of text;
// a valid `heading` colours the first line as a form title.
struct SheetStyle {
    int lines = 5;
    qreal edgeWidth = 1.0;
    qreal lineWidth = 1.2;
    QColor heading = {};
};
void drawSheet(QPainter& p, const QRectF& rect, qreal fold, const SheetStyle& style = {});

// A round badge, the background for the numbers and marks laid over pictures.
void drawRoundBadge(QPainter& p, QPointF centre, qreal radius, const QColor& fill);

QColor darker(const QColor& colour);
