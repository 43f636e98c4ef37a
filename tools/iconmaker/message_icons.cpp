#include "message_icons.h"

#include <QPainterPath>

namespace {

// The desktop's information sign: a blue disc with a white "i".
void drawInformation(QPainter& p)
{
    const QColor blue(28, 84, 196);
    QRadialGradient shade(QPointF(12, 10), 18);
    shade.setColorAt(0, blue.lighter(150));
    shade.setColorAt(1, blue);
    QPainterPath disc;
    disc.addEllipse(QPointF(16, 16), 14.5, 14.5);
    p.save();
    p.setPen(QPen(darker(blue), 1.0));
    p.setBrush(shade);
    p.drawPath(disc);
    p.restore();

    QPainterPath letter;
    letter.addEllipse(QPointF(16, 8.5), 2.4, 2.4);
    // The stem with a serif to the left at its top and a foot at its bottom.
    letter.moveTo(12.5, 12.5);
    letter.lineTo(18, 12.5);
    letter.lineTo(18, 22.5);
    letter.lineTo(20, 22.5);
    letter.lineTo(20, 25);
    letter.lineTo(12, 25);
    letter.lineTo(12, 22.5);
    letter.lineTo(14, 22.5);
    letter.lineTo(14, 14.5);
    letter.lineTo(12.5, 14.5);
    letter.closeSubpath();
    fillAndOutline(p, letter, Qt::white, Qt::white, 0.4);
}

} // namespace

QList<NamedDrawing> messageIcons()
{
    return {{"Information.png", drawInformation}};
}
