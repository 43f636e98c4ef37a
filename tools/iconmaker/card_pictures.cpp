#include "card_pictures.h"

#include "lettering.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace {

// Cards are drawn on their real size in 96-dpi pixels and scaled to the file.
constexpr qreal cardWidth = 324.0;
constexpr qreal cardHeight = 204.0;
constexpr qreal pi = 3.14159265358979323846;

// The colours of one kind of card.
struct CardColours {
    QColor paper;      // the background
    QColor paperEdge;  // the background towards the card's edges
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

QRectF band(const QRectF& fraction)
{
    return {fraction.x() * cardWidth, fraction.y() * cardHeight, fraction.width() * cardWidth,
            fraction.height() * cardHeight};
}

QImage newCard()
{
    QImage image(cardPixelWidth, cardPixelHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

void scaleToCard(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(cardPixelWidth / cardWidth, cardPixelHeight / cardHeight);
}

// The paper: a soft wash lighter in the middle, crossed by two families of
// fine waves that weave a mesh, as bank-note paper is.
void drawPaper(QPainter& p, const CardColours& colours)
{
    QRadialGradient wash(QPointF(cardWidth / 2, cardHeight * 0.45), cardWidth * 0.62);
    wash.setColorAt(0, colours.paper);
    wash.setColorAt(0.7, colours.paper);
    wash.setColorAt(1, colours.paperEdge);
    p.fillRect(QRectF(0, 0, cardWidth, cardHeight), wash);

    const qreal spacing = 3.4;
    const qreal amplitude = 2.6;
    const qreal wavelength = 23.0;
    p.save();
    p.setPen(QPen(colours.pattern, 0.32));
    p.setBrush(Qt::NoBrush);
    for (int direction : {1, -1}) {
        int k = 0;
        for (qreal y0 = -2 * amplitude; y0 < cardHeight + 2 * amplitude; y0 += spacing, ++k) {
            QPainterPath wave;
            for (qreal x = 0; x <= cardWidth + 0.01; x += 0.75) {
                const qreal phase = direction * 2 * pi * x / wavelength + k * 0.55;
                const QPointF point(x, y0 + amplitude * std::sin(phase));
                if (x == 0)
                    wave.moveTo(point);
                else
                    wave.lineTo(point);
            }
            p.drawPath(wave);
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
        QPainterPath path;
        for (int step = 0; step <= 720; ++step) {
            const qreal angle = 2 * pi * step / 720;
            const qreal r = radius + 2.2 * std::sin(18 * angle + ring * 0.9);
            const QPointF point = centre + QPointF(r * std::cos(angle), r * std::sin(angle));
            if (step == 0)
                path.moveTo(point);
            else
                path.lineTo(point);
        }
        p.drawPath(path);
    }
    p.restore();
}

// The card's printed frame: a rule near the edge and a finer one inside it.
void drawFrame(QPainter& p, const QColor& ink)
{
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ink, 1.3));
    p.drawRoundedRect(QRectF(4.5, 4.5, cardWidth - 9, cardHeight - 9), 6, 6);
    p.setPen(QPen(ink, 0.4));
    p.drawRoundedRect(QRectF(7.5, 7.5, cardWidth - 15, cardHeight - 15), 4, 4);
    p.restore();
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
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const qreal radius = i % 2 ? inner : outer;
        const qreal angle = -pi / 2 + pi * i / 5;
        const QPointF point = centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
        if (i == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
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
// and beads around a star in a laurel wreath.
void drawSocialSecurityEmblem(QPainter& p, QPointF centre, const CardColours& colours)
{
    const qreal outer = 27.0;
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

void drawEstablishedLine(QPainter& p, const QColor& ink)
{
    const qreal between = (band(cardNumberBand).bottom() + band(cardNameBand).top()) / 2;
    drawCentred(p, QStringLiteral("THIS NUMBER HAS BEEN ESTABLISHED FOR"), cardWidth / 2, between + 2.6, 7.4,
                sansFamily, true, ink, cardWidth - 60, 0.35);
}

QImage drawSocialSecurityCard()
{
    const CardColours& c = socialSecurity;
    QImage image = newCard();
    QPainter p(&image);
    scaleToCard(p);
    drawPaper(p, c);
    const QPointF emblem(cardWidth / 2, 35.5);
    drawRosette(p, emblem, 30, 46, c.rosette);
    drawFrame(p, c.ink);

    // "SOCIAL" and "SECURITY" on either side of the emblem, in one size,
    // with a pale shadow as raised printing has.
    const qreal baseline = 44.5;
    const qreal size = 20.5;
    const qreal leftCentre = (14 + emblem.x() - 32) / 2;
    const qreal rightCentre = (emblem.x() + 32 + cardWidth - 14) / 2;
    const qreal room = emblem.x() - 32 - 14;
    for (const auto& [word, x] : {std::pair{QStringLiteral("SOCIAL"), leftCentre},
                                  std::pair{QStringLiteral("SECURITY"), rightCentre}}) {
        drawCentred(p, word, x + 0.7, baseline + 0.7, size, serifFamily, true, QColor(255, 255, 255, 200), room);
        drawCentred(p, word, x, baseline, size, serifFamily, true, c.ink, room);
    }
    drawSocialSecurityEmblem(p, emblem, c);

    drawEstablishedLine(p, c.ink);

    // The signature line with its caption below it.
    const qreal lineY = 0.845 * cardHeight;
    p.setPen(QPen(c.ink, 0.7));
    p.drawLine(QPointF(48, lineY), QPointF(cardWidth - 48, lineY));
    fillPath(p, lettering(QStringLiteral("SIGNATURE"), sansFamily, true, 5.2, 0.4, QPointF(48, lineY + 7.2),
                          Qt::AlignLeft, 100),
             c.ink);
    p.end();
    return image;
}

QImage drawTaxpayerNotice()
{
    const CardColours& c = taxpayerNotice;
    QImage image = newCard();
    QPainter p(&image);
    scaleToCard(p);
    drawPaper(p, c);

    // The heading on a dark band across the top, inside the frame.
    const QRectF heading(9, 9, cardWidth - 18, 19);
    QLinearGradient shade(heading.topLeft(), heading.bottomLeft());
    shade.setColorAt(0, c.ink.lighter(125));
    shade.setColorAt(1, c.ink);
    QPainterPath headingShape;
    headingShape.addRoundedRect(heading, 3, 3);
    p.fillPath(headingShape, shade);
    drawCentred(p, QStringLiteral("INDIVIDUAL TAXPAYER IDENTIFICATION NUMBER"), cardWidth / 2, heading.bottom() - 5.6,
                9.6, sansFamily, true, Qt::white, heading.width() - 12, 0.3);

    // Under it: the emblem, the large "ITIN" and the notice's name.
    const QPointF emblem(40, 46.5);
    drawRosette(p, emblem, 17, 26, c.rosette);
    drawNoticeEmblem(p, emblem, 15.5, c);
    const QPointF mirrored(cardWidth - 40, 46.5);
    drawRosette(p, mirrored, 17, 26, c.rosette);
    drawNoticeEmblem(p, mirrored, 15.5, c);
    drawCentred(p, QStringLiteral("NOTICE CARD"), cardWidth / 2, 35.5, 6.2, sansFamily, true, c.ink, 120, 1.2);
    drawCentred(p, QStringLiteral("ITIN"), cardWidth / 2 + 0.7, 58.2, 23, serifFamily, true,
                QColor(255, 255, 255, 200), 120, 3.0);
    drawCentred(p, QStringLiteral("ITIN"), cardWidth / 2, 57.5, 23, serifFamily, true, c.ink, 120, 3.0);
    drawFrame(p, c.ink);

    drawEstablishedLine(p, c.ink);

    // A tear-off edge above the notice's foot, and its reminder.
    const qreal tearY = 0.835 * cardHeight;
    p.setPen(QPen(c.ink, 0.6, Qt::DashLine));
    p.drawLine(QPointF(12, tearY), QPointF(cardWidth - 12, tearY));
    drawCentred(p, QStringLiteral("KEEP THIS NOTICE WITH YOUR TAX RECORDS"), cardWidth / 2, tearY + 12.5, 6.0,
                sansFamily, true, c.ink, cardWidth - 40, 0.5);
    p.end();
    return image;
}

} // namespace

QList<JpegPicture> cardPictures()
{
    return {
        {QStringLiteral("SSN.jpg"), cardDotsPerInch, drawSocialSecurityCard},
        {QStringLiteral("ITIN.jpg"), cardDotsPerInch, drawTaxpayerNotice},
    };
}
