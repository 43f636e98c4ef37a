#include "card_pictures.h"

#include "lettering.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <functional>

namespace {

// Bands are drawn on the size of the card screen's picture box in 96-dpi
// pixels and scaled to the file.
constexpr qreal bandWidth = 282.0;
constexpr qreal bandHeight = 53.0;
constexpr qreal pi = 3.14159265358979323846;

// The card's own paper below the band (the card screen's back colour of its
// cards): both bands fade into it at their foot, so that the band and the
// rest of the card read as one sheet.
const QColor cardPaper(228, 238, 248);
constexpr qreal fadeHeight = 12.0;

// The open line through the points at steps 0 to `last`.
QPainterPath polyline(int last, const std::function<QPointF(int)>& pointAt)
{
    QPainterPath path(pointAt(0));
    for (int step = 1; step <= last; ++step)
        path.lineTo(pointAt(step));
    return path;
}

// The colours of one kind of card.
struct CardColours {
    QColor paper;      // the background
    QColor paperEdge;  // the background towards the band's ends
    QColor pattern;    // the fine safety pattern
    QColor rosette;    // the rings behind the emblem
    QColor ink;        // lettering, rules and the emblem
    QColor accent;     // the emblem's inner field and the lettering's shadow
};

const CardColours socialSecurity = {
    QColor(222, 235, 247), QColor(200, 220, 240), QColor(120, 160, 210, 95),
    QColor(90, 135, 195, 110), QColor(28, 68, 140), QColor(236, 243, 250),
};

const CardColours taxpayerNotice = {
    QColor(246, 240, 222), QColor(232, 222, 194), QColor(92, 140, 100, 80),
    QColor(70, 125, 85, 100), QColor(24, 88, 56), QColor(250, 247, 236),
};

QImage newBand()
{
    QImage image(bandPixelWidth, bandPixelHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

void scaleToBand(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(bandPixelWidth / bandWidth, bandPixelHeight / bandHeight);
}

// The paper: a soft wash lighter in the middle, crossed by two families of
// fine waves that weave a mesh, as bank-note paper is.
void drawPaper(QPainter& p, const CardColours& colours)
{
    QRadialGradient wash(QPointF(bandWidth / 2, bandHeight / 2), bandWidth * 0.55);
    wash.setColorAt(0, colours.paper);
    wash.setColorAt(0.7, colours.paper);
    wash.setColorAt(1, colours.paperEdge);
    p.fillRect(QRectF(0, 0, bandWidth, bandHeight), wash);

    const qreal spacing = 3.4;
    const qreal amplitude = 2.6;
    const qreal wavelength = 23.0;
    p.save();
    p.setPen(QPen(colours.pattern, 0.32));
    p.setBrush(Qt::NoBrush);
    for (int direction : {1, -1}) {
        int k = 0;
        for (qreal y0 = -2 * amplitude; y0 < bandHeight + 2 * amplitude; y0 += spacing, ++k) {
            const qreal step = 0.75;
            p.drawPath(polyline(int(bandWidth / step), [&](int i) {
                const qreal x = i * step;
                return QPointF(x, y0 + amplitude * std::sin(direction * 2 * pi * x / wavelength + k * 0.55));
            }));
        }
    }
    p.restore();
}

// Rings whose radius swells and shrinks around them, behind an emblem.
void drawRosette(QPainter& p, QPointF centre, qreal inner, qreal outer, const QColor& colour)
{
    p.save();
    p.setPen(QPen(colour, 0.3));
    p.setBrush(Qt::NoBrush);
    const int rings = 7;
    for (int ring = 0; ring < rings; ++ring) {
        const qreal radius = inner + (outer - inner) * ring / (rings - 1);
        p.drawPath(polyline(720, [&](int step) {
            const qreal angle = 2 * pi * step / 720;
            const qreal r = radius + 2.2 * std::sin(18 * angle + ring * 0.9);
            return centre + QPointF(r * std::cos(angle), r * std::sin(angle));
        }));
    }
    p.restore();
}

// The top of the card's printed frame, a rule near the edge and a finer one
// inside it; the band stands 1.5 pixels inside the card, so the rules are 4.5
// and 7.5 pixels in from its edge. Their sides run on out of the band.
void drawFrameTop(QPainter& p, const QColor& ink)
{
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ink, 1.3));
    p.drawRoundedRect(QRectF(3, 3, bandWidth - 6, 2 * bandHeight), 6, 6);
    p.setPen(QPen(ink, 0.4));
    p.drawRoundedRect(QRectF(6, 6, bandWidth - 12, 2 * bandHeight), 4, 4);
    p.restore();
}

// The band's foot turns into the card's paper, pattern and frame with it.
void fadeIntoCard(QPainter& p)
{
    const QRectF foot(0, bandHeight - fadeHeight, bandWidth, fadeHeight);
    QLinearGradient fade(foot.topLeft(), foot.bottomLeft());
    QColor clear = cardPaper;
    clear.setAlpha(0);
    fade.setColorAt(0, clear);
    fade.setColorAt(1, cardPaper);
    p.fillRect(foot, fade);
    // The last row is the paper itself: stretching the band samples its edge.
    p.fillRect(QRectF(0, bandHeight - 0.5, bandWidth, 0.5), cardPaper);
}

void fillPath(QPainter& p, const QPainterPath& path, const QColor& colour)
{
    p.fillPath(path, colour);
}

// A ring of small beads, as the edge of a seal has.
void drawBeads(QPainter& p, QPointF centre, qreal radius, int count, qreal size, const QColor& colour)
{
    QPainterPath beads;
    for (int i = 0; i < count; ++i) {
        const qreal angle = 2 * pi * i / count;
        beads.addEllipse(centre + QPointF(radius * std::cos(angle), radius * std::sin(angle)), size, size);
    }
    fillPath(p, beads, colour);
}

// A five-pointed star standing on two points.
QPainterPath star(QPointF centre, qreal outer, qreal inner)
{
    QPainterPath path = polyline(9, [&](int i) {
        const qreal radius = i % 2 ? inner : outer;
        const qreal angle = -pi / 2 + pi * i / 5;
        return centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
    });
    path.closeSubpath();
    return path;
}

// Two laurel branches rising from the bottom of a circle, one up each side.
void drawLaurel(QPainter& p, QPointF centre, qreal radius, const QColor& colour)
{
    QPainterPath leaves;
    QPainterPath stems;
    for (int side : {-1, 1}) {
        const qreal from = pi / 2 + side * 0.28;  // just beside the bottom
        const qreal to = pi / 2 + side * 2.25;    // up to the upper side
        stems.moveTo(centre + QPointF(radius * std::cos(from), radius * std::sin(from)));
        const int count = 9;
        for (int i = 0; i <= count; ++i) {
            const qreal angle = from + (to - from) * i / count;
            const QPointF on = centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
            stems.lineTo(on);
            // A leaf on each side of the stem, pointing along it and outwards or inwards.
            const qreal along = (angle + side * pi / 2) * 180 / pi;
            for (int out : {-1, 1}) {
                QTransform t;
                t.translate(on.x(), on.y());
                t.rotate(along + out * side * 38);
                QPainterPath leaf;
                leaf.moveTo(0, 0);
                leaf.quadTo(2.0, -1.3, 4.4, 0);
                leaf.quadTo(2.0, 1.3, 0, 0);
                leaves.addPath(t.map(leaf));
            }
        }
    }
    p.save();
    p.setPen(QPen(colour, 0.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(stems);
    p.restore();
    fillPath(p, leaves, colour);
}

// The Social Security card's emblem: not any real seal, a ring of lettering
// and beads around a star in a laurel wreath, on a circle of `radius`.
void drawSocialSecurityEmblem(QPainter& p, QPointF at, qreal radius, const CardColours& colours)
{
    // Drawn on a 27-pixel radius around the origin.
    const qreal outer = 27.0;
    const QPointF centre(0, 0);
    p.save();
    p.translate(at);
    p.scale(radius / outer, radius / outer);
    p.save();
    p.setPen(QPen(colours.ink, 1.2));
    p.setBrush(colours.accent);
    p.drawEllipse(centre, outer, outer);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colours.ink, 0.5));
    p.drawEllipse(centre, outer - 2.2, outer - 2.2);
    p.drawEllipse(centre, 18.0, 18.0);
    p.restore();

    fillPath(p, textAroundCircle(QStringLiteral("SOCIAL SECURITY \u2022 TAX TRAINING \u2022 "), centre, 19.6, 4.6,
                                 serifFamily, true),
             colours.ink);
    drawBeads(p, centre, 16.2, 36, 0.45, colours.ink);
    drawLaurel(p, centre, 11.6, colours.ink);
    fillPath(p, star(centre + QPointF(0, -0.8), 7.4, 2.9), colours.ink);
    p.restore();
}

// The ITIN notice's emblem: a ring of beads around a columned building.
void drawNoticeEmblem(QPainter& p, QPointF centre, qreal outer, const CardColours& colours)
{
    p.save();
    p.setPen(QPen(colours.ink, 1.0));
    p.setBrush(colours.accent);
    p.drawEllipse(centre, outer, outer);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colours.ink, 0.45));
    p.drawEllipse(centre, outer - 4.2, outer - 4.2);
    p.restore();
    drawBeads(p, centre, outer - 2.1, 30, 0.55, colours.ink);

    const qreal s = (outer - 5) / 10;  // the building on a 20 x 20 grid
    auto at = [&](qreal x, qreal y) { return centre + QPointF(x * s, y * s); };
    QPainterPath building;
    building.moveTo(at(-8, -3.2));
    building.lineTo(at(0, -8));
    building.lineTo(at(8, -3.2));
    building.closeSubpath();
    building.addRect(QRectF(at(-8.4, -2.6), at(8.4, -1.2)));
    for (int column = 0; column < 4; ++column) {
        const qreal x = -6.2 + column * 4.13;
        building.addRect(QRectF(at(x - 0.9, -0.8), at(x + 0.9, 5.4)));
    }
    building.addRect(QRectF(at(-8.4, 5.8), at(8.4, 7.2)));
    building.addRect(QRectF(at(-9.4, 7.6), at(9.4, 8.8)));
    fillPath(p, building, colours.ink);
}

// One line of lettering centred on `centreX` with its baseline at `baseline`,
// no wider than `maxWidth`.
void drawCentred(QPainter& p, const QString& text, qreal centreX, qreal baseline, qreal size,
                 const char* family, bool bold, const QColor& colour, qreal maxWidth, qreal spacing = 0)
{
    fillPath(p, lettering(text, family, bold, size, spacing, QPointF(centreX, baseline), Qt::AlignHCenter, maxWidth),
             colour);
}

// The Social Security band: "SOCIAL" and "SECURITY" on either side of the
// emblem, over the top of the card's frame.
QImage drawSocialSecurityBand()
{
    const CardColours& c = socialSecurity;
    QImage image = newBand();
    QPainter p(&image);
    scaleToBand(p);
    drawPaper(p, c);
    const QPointF emblem(bandWidth / 2, 27);
    const qreal radius = 20;
    drawRosette(p, emblem, radius + 1, radius + 10, c.rosette);
    drawFrameTop(p, c.ink);
    fadeIntoCard(p);

    // The two words in one size, with a pale shadow as raised printing has.
    const qreal baseline = 34.5;
    const qreal size = 19;
    const qreal margin = 10;
    const qreal gap = radius + 4;
    const qreal room = emblem.x() - gap - margin;
    for (const auto& [word, x] : {std::pair{QStringLiteral("SOCIAL"), margin + room / 2},
                                  std::pair{QStringLiteral("SECURITY"), bandWidth - margin - room / 2}}) {
        drawCentred(p, word, x + 0.6, baseline + 0.6, size, serifFamily, true, QColor(255, 255, 255, 200), room);
        drawCentred(p, word, x, baseline, size, serifFamily, true, c.ink, room);
    }
    drawSocialSecurityEmblem(p, emblem, radius, c);
    p.end();
    return image;
}

// The ITIN band: the heading on a dark ribbon between two emblems.
QImage drawTaxpayerBand()
{
    const CardColours& c = taxpayerNotice;
    QImage image = newBand();
    QPainter p(&image);
    scaleToBand(p);
    drawPaper(p, c);
    const qreal middle = 24;
    const qreal outer = 16;
    const qreal inset = 27;
    const QPointF emblems[] = {{inset, middle}, {bandWidth - inset, middle}};
    for (const QPointF& emblem : emblems)
        drawRosette(p, emblem, outer + 1, outer + 7, c.rosette);
    drawFrameTop(p, c.ink);
    fadeIntoCard(p);

    const qreal side = inset + outer + 5;
    const QRectF ribbon(side, middle - 14, bandWidth - 2 * side, 28);
    QLinearGradient shade(ribbon.topLeft(), ribbon.bottomLeft());
    shade.setColorAt(0, c.ink.lighter(125));
    shade.setColorAt(1, c.ink);
    QPainterPath ribbonShape;
    ribbonShape.addRoundedRect(ribbon, 3, 3);
    p.fillPath(ribbonShape, shade);
    const qreal size = 9.5;
    for (const auto& [line, baseline] : {std::pair{QStringLiteral("INDIVIDUAL TAXPAYER"), middle - 2.0},
                                         std::pair{QStringLiteral("IDENTIFICATION NUMBER"), middle + 8.8}})
        drawCentred(p, line, bandWidth / 2, baseline, size, sansFamily, true, Qt::white, ribbon.width() - 10, 0.4);
    for (const QPointF& emblem : emblems)
        drawNoticeEmblem(p, emblem, outer, c);
    p.end();
    return image;
}

} // namespace

QList<JpegPicture> cardPictures()
{
    return {
        {QStringLiteral("SSN.jpg"), bandDotsPerInch, drawSocialSecurityBand},
        {QStringLiteral("ITIN.jpg"), bandDotsPerInch, drawTaxpayerBand},
    };
}
