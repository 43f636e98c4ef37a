#include "command_icons.h"

#include <QPainterPath>
#include <QPolygonF>

#include <cmath>
#include <numbers>

namespace {

QPainterPath polygonPath(const QList<QPointF>& points)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(points));
    path.closeSubpath();
    return path;
}

void drawOpen(QPainter& p)
{
    const QColor back(214, 158, 38), front(250, 204, 84), edge(140, 92, 18);
    fillAndOutline(p, polygonPath({{3.5, 7.5}, {11.5, 7.5}, {14, 10.5}, {26.5, 10.5},
                                   {26.5, 26.5}, {3.5, 26.5}}),
                   back, edge);
    fillAndOutline(p, QRectF(7.5, 5.5, 15, 12), Qt::white, QColor(120, 128, 140));
    fillAndOutline(p, polygonPath({{8.5, 14.5}, {30.5, 14.5}, {26, 26.5}, {3.5, 26.5}}),
                   front, edge);
}

void drawSave(QPainter& p)
{
    const QColor body(42, 92, 172);
    fillAndOutline(p, polygonPath({{4.5, 4.5}, {24.5, 4.5}, {27.5, 7.5}, {27.5, 27.5},
                                   {4.5, 27.5}}),
                   body, darker(body));
    fillAndOutline(p, QRectF(9.5, 4.5, 13, 9), QColor(214, 219, 226), QColor(90, 98, 110));
    fillAndOutline(p, QRectF(17.5, 6.5, 3, 5), QColor(70, 78, 90), QColor(70, 78, 90), 0.5);
    fillAndOutline(p, QRectF(7.5, 17.5, 17, 10), Qt::white, darker(body));
    drawStrokes(p, {{{10, 21}, {22, 21}}, {{10, 24.5}, {19, 24.5}}}, QColor(150, 160, 176), 1.2);
}

void drawClear(QPainter& p)
{
    // The rubbed-out trail under the eraser.
    drawStrokes(p, {{{3, 28}, {9, 26.5}, {15, 28}, {21, 26.5}}}, QColor(170, 176, 186), 1.6);

    p.save();
    p.translate(17, 14.5);
    p.rotate(-40);
    const QColor rubber(236, 104, 128), sleeve(70, 120, 200);
    fillAndOutline(p, QRectF(-12, -5.5, 24, 11), rubber, darker(rubber), 2.0);
    fillAndOutline(p, QRectF(-2, -5.5, 14, 11), sleeve, darker(sleeve), 2.0);
    drawStrokes(p, {{{1, -2.5}, {9, -2.5}}}, QColor(255, 255, 255, 150), 1.2);
    p.restore();
}

void drawClose(QPainter& p)
{
    drawSheet(p, QRectF(4.5, 2.5, 19, 25), 6);
    const QPointF centre(22.5, 22.5);
    drawRoundBadge(p, centre, 8, QColor(206, 42, 42));
    const qreal arm = 3.6;
    drawStrokes(p, {{centre + QPointF(-arm, -arm), centre + QPointF(arm, arm)},
                    {centre + QPointF(arm, -arm), centre + QPointF(-arm, arm)}},
                Qt::white, 2.4);
}

void drawPrint(QPainter& p)
{
    const QColor body(118, 126, 140), edge(62, 68, 80);
    fillAndOutline(p, QRectF(9.5, 3.5, 13, 10), Qt::white, QColor(120, 128, 140));
    QLinearGradient shade(0, 11, 0, 23);
    shade.setColorAt(0, QColor(170, 177, 190));
    shade.setColorAt(1, body);
    QPainterPath case_;
    case_.addRoundedRect(QRectF(3.5, 11.5, 25, 12), 2.5, 2.5);
    p.save();
    p.setPen(QPen(edge, 1.0));
    p.setBrush(shade);
    p.drawPath(case_);
    p.restore();
    fillAndOutline(p, QRectF(7, 19, 18, 2.5), QColor(40, 44, 52), QColor(40, 44, 52), 0.8);
    QPainterPath lamp;
    lamp.addEllipse(QPointF(24.5, 15), 1.3, 1.3);
    fillAndOutline(p, lamp, QColor(80, 210, 90), QColor(30, 110, 40), 0.6);
    fillAndOutline(p, QRectF(8.5, 20, 15, 9.5), Qt::white, QColor(120, 128, 140));
    drawStrokes(p, {{{11, 23.5}, {21, 23.5}}, {{11, 26.5}, {18, 26.5}}}, QColor(150, 160, 176),
                1.2);
}

void drawClip(QPainter& p)
{
    const QColor board(176, 114, 56);
    fillAndOutline(p, QRectF(5.5, 4.5, 21, 25), board, darker(board), 2.0);
    fillAndOutline(p, QRectF(8.5, 8.5, 15, 18.5), Qt::white, QColor(120, 90, 60));

    // The picture on the board: sky, a sun and two hills.
    const QRectF frame(10.5, 12.5, 11, 10);
    fillAndOutline(p, frame, QColor(150, 204, 246), QColor(70, 110, 160), 0, 0.8);
    p.save();
    p.setClipRect(frame);
    QPainterPath sun;
    sun.addEllipse(QPointF(18.5, 15.5), 1.8, 1.8);
    fillAndOutline(p, sun, QColor(255, 200, 40), QColor(255, 200, 40), 0.1);
    fillAndOutline(p, polygonPath({{9, 23}, {14, 16.5}, {18, 21}, {19.5, 19}, {23, 23}}),
                   QColor(70, 160, 70), QColor(40, 110, 40), 0.8);
    p.restore();

    const QColor metal(196, 202, 212);
    fillAndOutline(p, QRectF(11.5, 2.5, 9, 5), metal, QColor(90, 98, 110), 1.5);
    fillAndOutline(p, QRectF(14.5, 3.5, 3, 1.6), QColor(90, 98, 110), QColor(90, 98, 110), 0.8,
                   0.5);
}

// Digits for the taxpayer buttons, centred on the origin, 9 units tall.
QPainterPath digitPath(int digit)
{
    QPainterPath path;
    if (digit == 1) {
        path.moveTo(-2.0, -2.6);
        path.lineTo(0.4, -4.5);
        path.lineTo(0.4, 4.3);
        path.moveTo(-1.8, 4.3);
        path.lineTo(2.6, 4.3);
    } else {
        path.moveTo(-2.8, -2.2);
        path.cubicTo(-2.8, -5.4, 3.0, -5.6, 3.0, -2.1);
        path.cubicTo(3.0, -0.2, 0.8, 1.0, -2.9, 4.5);
        path.lineTo(3.2, 4.5);
    }
    return path;
}

void drawTaxpayer(QPainter& p, int digit)
{
    const QColor person(58, 104, 172);
    QPainterPath body;
    body.moveTo(3.5, 28.5);
    body.cubicTo(3.5, 19.5, 8, 17.5, 13, 17.5);
    body.cubicTo(18, 17.5, 22.5, 19.5, 22.5, 28.5);
    body.closeSubpath();
    fillAndOutline(p, body, person, darker(person));
    QPainterPath head;
    head.addEllipse(QPointF(13, 10), 5.5, 5.5);
    fillAndOutline(p, head, person.lighter(125), darker(person));

    const QPointF centre(24, 22);
    drawRoundBadge(p, centre, 7.5, QColor(232, 132, 24));
    p.save();
    p.translate(centre);
    p.setPen(QPen(Qt::white, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(digitPath(digit));
    p.restore();
}

void drawConfigure(QPainter& p)
{
    constexpr int teeth = 8;
    constexpr qreal outer = 13.5, root = 10.0, hole = 4.5;
    constexpr qreal pitch = 2 * std::numbers::pi / teeth;
    const QPointF centre(16, 16);
    auto at = [&](qreal angle, qreal radius) {
        return centre + QPointF(std::cos(angle) * radius, std::sin(angle) * radius);
    };
    QList<QPointF> rim;
    for (int i = 0; i < teeth; ++i) {
        const qreal a = i * pitch;
        rim << at(a - pitch * 0.30, root) << at(a - pitch * 0.17, outer)
            << at(a + pitch * 0.17, outer) << at(a + pitch * 0.30, root)
            << at(a + pitch * 0.5, root);
    }
    QPainterPath gear = polygonPath(rim);
    gear.addEllipse(centre, hole, hole);
    gear.setFillRule(Qt::OddEvenFill);

    QRadialGradient shade(centre, outer);
    shade.setColorAt(0, QColor(176, 184, 198));
    shade.setColorAt(1, QColor(112, 122, 138));
    p.save();
    p.setPen(QPen(QColor(58, 64, 76), 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(shade);
    p.drawPath(gear);
    p.restore();
}

void drawChangeTaxYr(QPainter& p)
{
    const QColor band(200, 48, 48), edge(110, 118, 130);
    fillAndOutline(p, QRectF(3.5, 5.5, 25, 23), Qt::white, edge, 2.0);
    QPainterPath header;
    header.addRoundedRect(QRectF(3.5, 5.5, 25, 7), 2.0, 2.0);
    header.addRect(QRectF(3.5, 9.5, 25, 3));
    header.setFillRule(Qt::WindingFill);
    fillAndOutline(p, header.simplified(), band, darker(band));
    for (qreal x : {10.0, 22.0})
        fillAndOutline(p, QRectF(x - 1.25, 2.5, 2.5, 6), QColor(70, 76, 88), QColor(70, 76, 88),
                       1.2, 0.5);

    // Back and forward arrows either side of the year.
    const QColor arrow(42, 92, 172);
    fillAndOutline(p, polygonPath({{11, 15.5}, {11, 25.5}, {5.5, 20.5}}), arrow, darker(arrow));
    fillAndOutline(p, polygonPath({{21, 15.5}, {21, 25.5}, {26.5, 20.5}}), arrow, darker(arrow));
    drawStrokes(p, {{{13.5, 18}, {18.5, 18}}, {{13.5, 20.5}, {18.5, 20.5}}, {{13.5, 23}, {18.5, 23}}},
                QColor(150, 160, 176), 1.2);
}

void drawQuit(QPainter& p)
{
    const QColor wood(172, 112, 58);
    fillAndOutline(p, QRectF(4.5, 3.5, 15, 25), QColor(52, 46, 44), QColor(40, 34, 32));
    fillAndOutline(p, polygonPath({{4.5, 3.5}, {13.5, 6}, {13.5, 30.5}, {4.5, 28.5}}), wood,
                   darker(wood));
    QPainterPath knob;
    knob.addEllipse(QPointF(11.5, 18), 1.1, 1.1);
    fillAndOutline(p, knob, QColor(240, 200, 80), QColor(140, 100, 20), 0.5);

    const QColor go(52, 164, 72);
    fillAndOutline(p, polygonPath({{15.5, 13.5}, {22.5, 13.5}, {22.5, 9}, {30, 16}, {22.5, 23},
                                   {22.5, 18.5}, {15.5, 18.5}}),
                   go, darker(go));
}

} // namespace

QList<NamedDrawing> commandIcons()
{
    QList<NamedDrawing> icons = {
        {"Open.png", drawOpen},
        {"Save.png", drawSave},
        {"Clear.png", drawClear},
        {"Close.png", drawClose},
        {"Print.png", drawPrint},
        {"Clip.png", drawClip},
    };
    for (int digit : {1, 2})
        icons.append({QStringLiteral("LoadTP%1.png").arg(digit),
                      [digit](QPainter& p) { drawTaxpayer(p, digit); }});
    icons.append({
        {"Configure.png", drawConfigure},
        {"ChangeTaxYr.png", drawChangeTaxYr},
        {"Quit.png", drawQuit},
    });
    return icons;
}
