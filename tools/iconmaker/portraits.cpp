#include "portraits.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace {

// Portraits are drawn on a 150 x 200 grid and scaled to the file.
constexpr qreal gridWidth = 150.0;
constexpr qreal gridHeight = 200.0;
constexpr qreal pi = 3.14159265358979323846;

enum class Backdrop { Plain, Gradient, Spotlight, Curtain, Panels, Mottled };
enum class Hair { Bald, Balding, Crew, SidePart, Receding, Spiky, Long, Bob, Curly, Afro, Bun, Ponytail, Wavy, Scarf };
enum class Beard { None, Stubble, Moustache, Goatee, Full };
enum class Glasses { None, Round, Rectangular, Heavy };
enum class Clothes { SuitAndTie, OpenCollar, CrewNeck, VNeck, Blouse, TShirt, Hoodie, Turtleneck, Polo, Cardigan };

// One made-up person. Greys run from 0 (black) to 255 (white); sizes are in
// grid units and factors are about 1.
struct Person {
    Backdrop backdrop;
    int backGrey;
    qreal offset;      // the head's distance right of the middle
    qreal faceWidth;   // half the width of the face
    qreal faceHeight;  // half the height of the head, crown to chin
    qreal jaw;         // 0 a narrow pointed chin .. 1 a square jaw
    int skinGrey;
    Hair hair;
    int hairGrey;
    qreal brows;       // thickness of the eyebrows
    qreal browArch;
    qreal eyes;        // size of the eyes
    int irisGrey;
    qreal nose;        // length of the nose
    qreal noseWidth;
    qreal mouth;       // width of the mouth
    qreal smile;       // 0 straight .. 1 a broad smile
    qreal lips;        // fullness of the lips
    int lipGrey;       // -1: a little darker than the skin
    int age;           // 0 teenager, 1 young adult, 2 middle-aged, 3 old
    Beard beard;
    Glasses glasses;
    Clothes clothes;
    int clothGrey;
    int clothGrey2;    // shirt, collar or trim
    qreal shoulders;   // half the width across the shoulders
    qreal neck;        // half the width of the neck
    bool earrings;
    bool necklace;
    bool freckles;
};

const Person people[portraitCount] = {
    // 1: a young man with a crew cut, suit and tie.
    {Backdrop::Plain, 214, 0, 29, 40, 0.75, 176, Hair::Crew, 52, 2.2, 0.8, 1.0, 70, 1.0, 1.05, 1.0, 0.25, 1.0, -1, 1,
     Beard::None, Glasses::None, Clothes::SuitAndTie, 70, 235, 66, 15, false, false, false},
    // 2: a woman in her thirties, long dark hair, a blouse and a necklace.
    {Backdrop::Gradient, 196, 1, 26.5, 38, 0.25, 200, Hair::Long, 40, 1.5, 1.3, 1.12, 85, 0.92, 0.9, 0.95, 0.6, 1.25, 128,
     1, Beard::None, Glasses::None, Clothes::Blouse, 225, 0, 57, 11.5, true, true, false},
    // 3: an old man, balding and white-haired, with glasses and a moustache.
    {Backdrop::Spotlight, 168, -1, 30, 40, 0.55, 186, Hair::Balding, 228, 2.0, 0.5, 0.92, 95, 1.12, 1.15, 1.0, 0.15, 0.75,
     -1, 3, Beard::Moustache, Glasses::Rectangular, Clothes::Cardigan, 118, 215, 62, 14, false, false, false},
    // 4: a woman in her sixties with short grey curls, round glasses, a turtleneck.
    {Backdrop::Plain, 140, 0, 28, 38.5, 0.35, 206, Hair::Curly, 168, 1.2, 1.0, 0.96, 100, 1.0, 0.95, 0.95, 0.45, 0.9, 140,
     2, Beard::None, Glasses::Round, Clothes::Turtleneck, 60, 0, 58, 12, false, false, false},
    // 5: a teenage boy with spiky hair in a hoodie.
    {Backdrop::Panels, 190, 2, 27, 39, 0.4, 190, Hair::Spiky, 92, 1.6, 0.6, 1.08, 60, 0.9, 0.9, 0.9, 0.35, 0.95, -1, 0,
     Beard::None, Glasses::None, Clothes::Hoodie, 150, 210, 54, 12, false, false, false},
    // 6: a broad man in his forties, side-parted hair, a full beard, an open collar.
    {Backdrop::Curtain, 176, -2, 31, 40.5, 0.9, 158, Hair::SidePart, 34, 2.6, 0.4, 0.95, 55, 1.05, 1.1, 1.05, 0.2, 1.0, -1,
     2, Beard::Full, Glasses::None, Clothes::OpenCollar, 200, 0, 72, 17, false, false, false},
    // 7: a young woman with an afro, smiling broadly, in a T-shirt.
    {Backdrop::Gradient, 228, 0, 27, 38, 0.3, 92, Hair::Afro, 26, 1.5, 1.1, 1.1, 30, 0.95, 1.15, 1.05, 0.95, 1.35, 62, 1,
     Beard::None, Glasses::None, Clothes::TShirt, 232, 0, 56, 11.5, true, false, false},
    // 8: a heavy man in his fifties, receding hair, stubble, a polo shirt.
    {Backdrop::Spotlight, 150, 1, 33, 40, 1.0, 170, Hair::Receding, 110, 2.2, 0.3, 0.88, 80, 1.05, 1.25, 1.1, 0.1, 0.9, -1,
     2, Beard::Stubble, Glasses::None, Clothes::Polo, 96, 0, 75, 19, false, false, false},
    // 9: a woman in her forties with a fringed bob in a V-neck sweater.
    {Backdrop::Plain, 186, -1, 27.5, 38.5, 0.45, 194, Hair::Bob, 72, 1.4, 1.2, 1.02, 75, 0.95, 0.9, 0.95, 0.5, 1.1, 120, 2,
     Beard::None, Glasses::None, Clothes::VNeck, 88, 0, 58, 12, true, false, false},
    // 10: a woman in her thirties wearing a headscarf.
    {Backdrop::Panels, 208, 0, 26.5, 37.5, 0.3, 178, Hair::Scarf, 84, 1.7, 1.1, 1.08, 50, 0.98, 0.95, 0.95, 0.4, 1.15, -1,
     1, Beard::None, Glasses::None, Clothes::Blouse, 120, 0, 58, 11.5, false, false, false},
    // 11: a young woman with a ponytail and freckles in a crew-neck top.
    {Backdrop::Plain, 226, 1, 26, 37.5, 0.2, 214, Hair::Ponytail, 120, 1.2, 1.2, 1.1, 110, 0.85, 0.85, 0.9, 0.7, 1.1, 150,
     0, Beard::None, Glasses::None, Clothes::CrewNeck, 130, 0, 53, 11, false, false, true},
    // 12: a broad bald man in his thirties with a goatee, on a dark ground.
    {Backdrop::Mottled, 96, 0, 30, 40.5, 0.8, 104, Hair::Bald, 40, 2.0, 0.5, 0.98, 35, 1.0, 1.25, 1.05, 0.3, 1.3, -1, 1,
     Beard::Goatee, Glasses::None, Clothes::CrewNeck, 200, 0, 74, 17, false, false, false},
    // 13: a woman in her eighties, white hair in a bun, a cardigan and pearls.
    {Backdrop::Gradient, 172, -1, 28, 38, 0.35, 214, Hair::Bun, 236, 1.0, 0.9, 0.9, 110, 1.05, 0.95, 0.9, 0.35, 0.7, 150, 3,
     Beard::None, Glasses::None, Clothes::Cardigan, 150, 230, 56, 11.5, true, true, false},
    // 14: a man in his sixties, grey and side-parted, heavy glasses, a suit and tie.
    {Backdrop::Curtain, 120, 0, 29.5, 40, 0.6, 180, Hair::SidePart, 150, 2.0, 0.6, 0.92, 90, 1.1, 1.05, 1.0, 0.15, 0.85, -1,
     3, Beard::None, Glasses::Heavy, Clothes::SuitAndTie, 45, 238, 64, 14, false, false, false},
    // 15: a woman in her fifties with fair wavy hair to the shoulders.
    {Backdrop::Spotlight, 176, 1, 27, 38.5, 0.4, 200, Hair::Wavy, 196, 1.2, 1.2, 1.0, 120, 0.95, 0.95, 1.0, 0.55, 1.1, 130,
     2, Beard::None, Glasses::None, Clothes::Turtleneck, 176, 0, 57, 11.5, true, false, false},
    // 16: a thin young man with short curls and round glasses in a polo shirt.
    {Backdrop::Panels, 162, -1, 26, 39.5, 0.5, 150, Hair::Curly, 50, 1.7, 0.7, 1.0, 60, 1.0, 1.0, 0.95, 0.3, 1.0, -1, 1,
     Beard::None, Glasses::Round, Clothes::Polo, 210, 0, 52, 11, false, false, false},
};

QColor grey(int level, int alpha = 255)
{
    level = qBound(0, level, 255);
    return QColor(level, level, level, alpha);
}

// A repeatable stream of numbers in [0, 1): the same picture on every run.
class Noise {
public:
    explicit Noise(quint32 seed) : state_(seed * 2654435761u + 12345u) {}
    qreal next()
    {
        state_ = state_ * 1664525u + 1013904223u;
        return (state_ >> 8) / 16777216.0;
    }
    qreal between(qreal low, qreal high) { return low + (high - low) * next(); }

private:
    quint32 state_;
};

// Where the parts of a head lie.
struct Head {
    qreal cx, cy, w, h;  // centre, half-width and half-height of the head
    qreal eyeY, eyeDx, browY, noseY, mouthY, chinY, crownY;
    qreal shoulderY;     // the top of the shoulders beside the neck
};

Head headOf(const Person& person)
{
    Head h;
    h.cx = gridWidth / 2 + person.offset;
    h.cy = 86;
    h.w = person.faceWidth;
    h.h = person.faceHeight;
    h.eyeY = h.cy + 1;
    h.eyeDx = h.w * 0.41;
    h.browY = h.eyeY - 7.2 * h.h / 40;
    h.noseY = h.cy + (9 + 6.5 * person.nose) * h.h / 40;
    h.mouthY = h.cy + 23 * h.h / 40;
    h.chinY = h.cy + h.h;
    h.crownY = h.cy - h.h;
    h.shoulderY = h.chinY + 21 + (person.age == 0 ? 2 : 0);
    return h;
}

QPainterPath facePath(const Head& h, const Person& person)
{
    const qreal jawHalf = h.w * (0.58 + 0.3 * person.jaw);
    const qreal jowl = person.age >= 3 ? 1.5 : 0;
    // The right half from the crown to the chin, then the left half mirrored.
    const QList<QPointF> right = {
        {h.cx, h.crownY},
        {h.cx + h.w * 0.62, h.crownY}, {h.cx + h.w, h.cy - h.h * 0.62}, {h.cx + h.w, h.cy - h.h * 0.1},
        {h.cx + h.w, h.cy + h.h * 0.28}, {h.cx + jawHalf + 3.5 + jowl, h.cy + h.h * 0.5}, {h.cx + jawHalf, h.cy + h.h * 0.72},
        {h.cx + jawHalf * 0.72, h.cy + h.h * 0.93}, {h.cx + h.w * 0.32, h.chinY}, {h.cx, h.chinY},
    };
    auto mirror = [&](QPointF point) { return QPointF(2 * h.cx - point.x(), point.y()); };
    QPainterPath path(right[0]);
    for (int i = 1; i + 2 < right.size(); i += 3)
        path.cubicTo(right[i], right[i + 1], right[i + 2]);
    for (int i = int(right.size()) - 2; i - 2 >= 0; i -= 3)
        path.cubicTo(mirror(right[i]), mirror(right[i - 1]), mirror(right[i - 2]));
    path.closeSubpath();
    return path;
}

// ---- The backdrop ----

void drawBackdrop(QPainter& p, const Person& person, int seed)
{
    const int g = person.backGrey;
    const QRectF all(0, 0, gridWidth, gridHeight);
    switch (person.backdrop) {
    case Backdrop::Plain:
        p.fillRect(all, grey(g));
        break;
    case Backdrop::Gradient: {
        QLinearGradient wash(0, 0, 0, gridHeight);
        wash.setColorAt(0, grey(g + 22));
        wash.setColorAt(1, grey(g - 38));
        p.fillRect(all, wash);
        break;
    }
    case Backdrop::Spotlight: {
        QRadialGradient light(QPointF(gridWidth * 0.5, gridHeight * 0.38), gridWidth * 0.85);
        light.setColorAt(0, grey(g + 50));
        light.setColorAt(0.55, grey(g));
        light.setColorAt(1, grey(g - 55));
        p.fillRect(all, light);
        break;
    }
    case Backdrop::Curtain: {
        // Soft vertical folds.
        p.fillRect(all, grey(g));
        for (qreal x = 0; x < gridWidth; x += 0.5) {
            const qreal fold = std::sin(x / 7.5) + 0.45 * std::sin(x / 3.1 + 1.0);
            p.fillRect(QRectF(x, 0, 0.5, gridHeight), grey(g + int(fold * 16)));
        }
        QLinearGradient shade(0, 0, 0, gridHeight);
        shade.setColorAt(0, grey(0, 0));
        shade.setColorAt(1, grey(0, 60));
        p.fillRect(all, shade);
        break;
    }
    case Backdrop::Panels: {
        // A wall of wide boards with thin joints.
        p.fillRect(all, grey(g));
        Noise noise(seed);
        for (qreal y = 0; y < gridHeight; y += 22) {
            p.fillRect(QRectF(0, y, gridWidth, 22), grey(g + int(noise.between(-8, 8))));
            p.fillRect(QRectF(0, y, gridWidth, 0.8), grey(g - 34));
            p.fillRect(QRectF(0, y + 0.8, gridWidth, 0.5), grey(g + 22));
        }
        break;
    }
    case Backdrop::Mottled: {
        // A photographer's painted cloth: soft light and dark clouds.
        p.fillRect(all, grey(g));
        Noise noise(seed);
        for (int i = 0; i < 26; ++i) {
            const QPointF at(noise.between(-10, gridWidth + 10), noise.between(-10, gridHeight + 10));
            const qreal radius = noise.between(18, 45);
            QRadialGradient cloud(at, radius);
            const int shade = noise.next() < 0.5 ? 0 : 255;
            cloud.setColorAt(0, grey(shade, 34));
            cloud.setColorAt(1, grey(shade, 0));
            p.fillRect(all, cloud);
        }
        QRadialGradient halo(QPointF(gridWidth / 2, gridHeight * 0.4), gridWidth * 0.55);
        halo.setColorAt(0, grey(255, 50));
        halo.setColorAt(1, grey(255, 0));
        p.fillRect(all, halo);
        break;
    }
    }
}

// The figure's soft shadow on the backdrop, down and to the right.
void drawCastShadow(QPainter& p, const Head& h, const Person& person)
{
    if (person.backdrop == Backdrop::Mottled)
        return;
    QPainterPath figure;
    figure.addEllipse(QPointF(h.cx + 7, h.cy + 2), h.w + 9, h.h + 9);
    for (int step = 0; step < 6; ++step) {
        QTransform grow;
        grow.translate(h.cx, h.cy);
        grow.scale(1 + step * 0.025, 1 + step * 0.02);
        grow.translate(-h.cx, -h.cy);
        p.fillPath(grow.map(figure), grey(0, 7));
    }
}

// ---- Hair ----

// The hair's mass with the face (below the hairline) and the neck cut out.
QPainterPath withFaceWindow(const QPainterPath& mass, const Head& h, qreal hairline, qreal windowWidth)
{
    QPainterPath window;
    window.moveTo(h.cx - windowWidth, hairline + 9);
    window.cubicTo(h.cx - windowWidth, hairline - 2, h.cx - 8, hairline, h.cx, hairline);
    window.cubicTo(h.cx + 8, hairline, h.cx + windowWidth, hairline - 2, h.cx + windowWidth, hairline + 9);
    window.lineTo(h.cx + windowWidth + 2, gridHeight + 10);
    window.lineTo(h.cx - windowWidth - 2, gridHeight + 10);
    window.closeSubpath();
    return mass.subtracted(window);
}

QPainterPath ellipse(QPointF centre, qreal rx, qreal ry)
{
    QPainterPath path;
    path.addEllipse(centre, rx, ry);
    return path;
}

QPainterPath rect(qreal left, qreal top, qreal right, qreal bottom)
{
    QPainterPath path;
    path.addRect(QRectF(QPointF(left, top), QPointF(right, bottom)));
    return path;
}

// Hair close to the skull: the crown down to a rounded hairline over the
// forehead, past the temples to sideburns in front of the ears.
QPainterPath shortCap(const Head& h, qreal thickness, qreal hairline, qreal sideburn)
{
    const QPainterPath skull = ellipse(QPointF(h.cx, h.cy - h.h * 0.22), h.w + thickness, h.h * 0.8 + thickness);
    const qreal earTop = h.eyeY - 7;
    const qreal burnBottom = h.eyeY + sideburn;
    QPainterPath keep;
    keep.moveTo(0, 0);
    keep.lineTo(gridWidth, 0);
    keep.lineTo(gridWidth, earTop);
    keep.lineTo(h.cx + h.w + thickness, earTop);
    keep.quadTo(h.cx + h.w * 0.99, earTop + 2, h.cx + h.w * 0.97, burnBottom);
    keep.lineTo(h.cx + h.w * 0.84, burnBottom);
    keep.cubicTo(h.cx + h.w * 0.82, hairline + 14, h.cx + h.w * 0.8, hairline + 6, h.cx + h.w * 0.62, hairline + 3);
    keep.cubicTo(h.cx + h.w * 0.35, hairline - 0.5, h.cx + h.w * 0.15, hairline, h.cx, hairline);
    keep.cubicTo(h.cx - h.w * 0.15, hairline, h.cx - h.w * 0.35, hairline - 0.5, h.cx - h.w * 0.62, hairline + 3);
    keep.cubicTo(h.cx - h.w * 0.8, hairline + 6, h.cx - h.w * 0.82, hairline + 14, h.cx - h.w * 0.84, burnBottom);
    keep.lineTo(h.cx - h.w * 0.97, burnBottom);
    keep.quadTo(h.cx - h.w * 0.99, earTop + 2, h.cx - h.w - thickness, earTop);
    keep.lineTo(0, earTop);
    keep.closeSubpath();
    // The sideburns lie on the head, not beside it.
    const QPainterPath head = skull.united(ellipse(QPointF(h.cx, h.cy), h.w + 0.3, h.h));
    return head.intersected(keep);
}

// Fine strokes along the hair, lighter and darker than it, for its texture.
void drawStrands(QPainter& p, const QPainterPath& hair, const Head& h, int hairGrey, int seed, qreal length,
                 bool curls)
{
    Noise noise(seed);
    p.save();
    p.setClipPath(hair);
    const QRectF box = hair.boundingRect();
    const int count = int(box.width() * box.height() / (curls ? 9 : 6));
    for (int i = 0; i < count; ++i) {
        const QPointF at(noise.between(box.left(), box.right()), noise.between(box.top(), box.bottom()));
        const bool light = noise.next() < 0.5;
        p.setPen(QPen(grey(light ? hairGrey + 45 : hairGrey - 40, 70), noise.between(0.25, 0.55), Qt::SolidLine,
                      Qt::RoundCap));
        if (curls) {
            const qreal r = noise.between(1.4, 2.6);
            p.drawArc(QRectF(at.x() - r, at.y() - r, 2 * r, 2 * r), int(noise.between(0, 360)) * 16,
                      int(noise.between(150, 260)) * 16);
        } else {
            // Strands run away from the parting at the top of the head and downwards at its sides.
            QPointF direction = at - QPointF(h.cx, h.crownY + 8);
            const qreal norm = std::hypot(direction.x(), direction.y());
            direction = norm > 0 ? direction / norm : QPointF(0, 1);
            const qreal len = length * noise.between(0.6, 1.2);
            p.drawLine(at, at + direction * len);
        }
    }
    p.restore();
}

// A sheen across the top of the hair where the light falls.
void drawSheen(QPainter& p, const QPainterPath& hair, const Head& h, int hairGrey)
{
    QRadialGradient sheen(QPointF(h.cx - h.w * 0.3, h.crownY + 6), h.w * 0.9);
    sheen.setColorAt(0, grey(255, hairGrey < 120 ? 55 : 35));
    sheen.setColorAt(1, grey(255, 0));
    p.fillPath(hair, sheen);
    QLinearGradient shade(0, h.crownY, 0, gridHeight);
    shade.setColorAt(0, grey(0, 0));
    shade.setColorAt(1, grey(0, 70));
    p.fillPath(hair, shade);
}

void fillHair(QPainter& p, const QPainterPath& hair, const Head& h, const Person& person, int seed, qreal strand,
              bool curls = false)
{
    p.fillPath(hair, grey(person.hairGrey));
    drawStrands(p, hair, h, person.hairGrey, seed, strand, curls);
    drawSheen(p, hair, h, person.hairGrey);
}

// A mass of small round curls along an outline, the outline itself filled.
QPainterPath curlyMass(QPointF centre, qreal rx, qreal ry, qreal curl, int seed)
{
    Noise noise(seed);
    QPainterPath mass = ellipse(centre, rx, ry);
    const int count = int(2 * pi * std::max(rx, ry) / (curl * 1.1));
    for (int i = 0; i < count; ++i) {
        const qreal angle = 2 * pi * i / count;
        const QPointF at = centre + QPointF(rx * std::cos(angle), ry * std::sin(angle));
        mass = mass.united(ellipse(at, curl * noise.between(0.85, 1.15), curl * noise.between(0.85, 1.15)));
    }
    return mass;
}

// Long hair falling to `bottom`: the part behind the head and shoulders.
QPainterPath longBack(const Head& h, qreal bottom, qreal spread, bool wavy)
{
    QPainterPath back;
    const qreal top = h.crownY - 4;
    back.moveTo(h.cx, top);
    back.cubicTo(h.cx + h.w * 0.9, top, h.cx + h.w + 8, h.cy - h.h * 0.4, h.cx + h.w + 6, h.cy);
    if (wavy) {
        qreal y = h.cy;
        int k = 0;
        while (y < bottom) {
            const qreal next = std::min(bottom, y + 11);
            const qreal bulge = (k++ % 2 ? -3.5 : 3.5) + spread * (next - h.cy) / (bottom - h.cy);
            back.quadTo(h.cx + h.w + 8 + bulge, (y + next) / 2, h.cx + h.w + 6 + spread * (next - h.cy) / (bottom - h.cy),
                        next);
            y = next;
        }
    } else {
        back.cubicTo(h.cx + h.w + 5, h.cy + 25, h.cx + h.w + spread, bottom - 20, h.cx + h.w + spread, bottom);
    }
    back.lineTo(h.cx - h.w - spread, bottom);
    if (wavy) {
        qreal y = bottom;
        int k = 0;
        while (y > h.cy) {
            const qreal next = std::max(h.cy, y - 11);
            const qreal bulge = (k++ % 2 ? 3.5 : -3.5) - spread * (next - h.cy) / (bottom - h.cy);
            back.quadTo(h.cx - h.w - 8 + bulge, (y + next) / 2,
                        h.cx - h.w - 6 - spread * (next - h.cy) / (bottom - h.cy), next);
            y = next;
        }
    } else {
        back.cubicTo(h.cx - h.w - spread, bottom - 20, h.cx - h.w - 5, h.cy + 25, h.cx - h.w - 6, h.cy);
    }
    back.cubicTo(h.cx - h.w - 8, h.cy - h.h * 0.4, h.cx - h.w * 0.9, top, h.cx, top);
    back.closeSubpath();
    return back;
}

// What lies behind the head and the body: long hair, the afro, a bun, a ponytail.
void drawHairBehind(QPainter& p, const Head& h, const Person& person, int seed)
{
    switch (person.hair) {
    case Hair::Long: {
        const QPainterPath back = longBack(h, h.shoulderY + 22, 6, false);
        fillHair(p, back, h, person, seed, 9);
        p.fillPath(back, grey(0, 50));  // in the head's shadow
        break;
    }
    case Hair::Wavy: {
        const QPainterPath back = longBack(h, h.shoulderY + 4, 7, true);
        fillHair(p, back, h, person, seed, 7);
        p.fillPath(back, grey(0, 40));
        break;
    }
    case Hair::Bob: {
        const QPainterPath back = longBack(h, h.chinY - 2, 3, false);
        fillHair(p, back, h, person, seed, 8);
        p.fillPath(back, grey(0, 45));
        break;
    }
    case Hair::Afro: {
        const QPainterPath mass = curlyMass(QPointF(h.cx, h.cy - h.h * 0.32), h.w + 17, h.h * 0.86 + 12, 5.5, seed);
        fillHair(p, mass, h, person, seed, 0, true);
        break;
    }
    case Hair::Curly: {
        const QPainterPath mass = curlyMass(QPointF(h.cx, h.cy - h.h * 0.3), h.w + 3, h.h * 0.72 + 3, 4.2, seed);
        fillHair(p, mass, h, person, seed, 0, true);
        break;
    }
    case Hair::Bun: {
        const QPainterPath bun = ellipse(QPointF(h.cx + 2, h.crownY - 5), 12, 9.5);
        fillHair(p, bun, h, person, seed, 0, true);
        p.save();
        p.setPen(QPen(grey(person.hairGrey - 60, 120), 0.6));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(h.cx - 8, h.crownY - 12, 20, 13), 20 * 16, 140 * 16);
        p.restore();
        break;
    }
    case Hair::Scarf: {
        // The scarf's back, wider than the head, falling over the shoulders.
        QPainterPath back;
        back.moveTo(h.cx, h.crownY - 7);
        back.cubicTo(h.cx + h.w + 10, h.crownY - 7, h.cx + h.w + 12, h.cy + 10, h.cx + h.w + 10, h.chinY);
        back.lineTo(h.cx - h.w - 10, h.chinY);
        back.cubicTo(h.cx - h.w - 12, h.cy + 10, h.cx - h.w - 10, h.crownY - 7, h.cx, h.crownY - 7);
        p.fillPath(back, grey(person.hairGrey - 20));
        break;
    }
    default:
        break;
    }
}

void drawHairFront(QPainter& p, const Head& h, const Person& person, int seed)
{
    const qreal hairline = h.crownY + h.h * 0.36;
    switch (person.hair) {
    case Hair::Bald: {
        // The light on a shaven head.
        QRadialGradient shine(QPointF(h.cx - h.w * 0.25, h.crownY + 9), 10);
        shine.setColorAt(0, grey(255, 70));
        shine.setColorAt(1, grey(255, 0));
        p.fillPath(facePath(h, person), shine);
        break;
    }
    case Hair::Balding: {
        // A fringe over the ears and round the back, the crown bare.
        QPainterPath fringe = ellipse(QPointF(h.cx, h.cy - h.h * 0.1), h.w + 2.5, h.h * 0.7);
        fringe = fringe.subtracted(ellipse(QPointF(h.cx, h.cy - h.h * 0.55), h.w * 0.94, h.h * 0.62));
        fringe = fringe.intersected(rect(0, 0, gridWidth, h.eyeY + 2));
        fringe = fringe.subtracted(rect(h.cx - h.w * 0.82, 0, h.cx + h.w * 0.82, gridHeight));
        fillHair(p, fringe, h, person, seed, 3);
        QRadialGradient shine(QPointF(h.cx - h.w * 0.25, h.crownY + 9), 11);
        shine.setColorAt(0, grey(255, 60));
        shine.setColorAt(1, grey(255, 0));
        p.fillPath(facePath(h, person), shine);
        break;
    }
    case Hair::Crew: {
        const QPainterPath cap = shortCap(h, 2.2, hairline, -1);
        fillHair(p, cap, h, person, seed, 1.6);
        break;
    }
    case Hair::Receding: {
        // The hairline high over the forehead and higher still at the temples.
        QPainterPath cap = shortCap(h, 2.0, hairline - 9, -2);
        for (int side : {-1, 1})
            cap = cap.subtracted(ellipse(QPointF(h.cx + side * h.w * 0.55, hairline - 9), h.w * 0.22, 5));
        fillHair(p, cap, h, person, seed, 1.8);
        break;
    }
    case Hair::SidePart: {
        QPainterPath cap = shortCap(h, 4.0, hairline + 1, 0);
        // A sweep from the parting over to the other temple.
        QPainterPath sweep;
        sweep.moveTo(h.cx - h.w * 0.45, h.crownY + 4);
        sweep.cubicTo(h.cx + 4, h.crownY - 2, h.cx + h.w * 0.95, h.crownY + 8, h.cx + h.w + 2, hairline + 2);
        sweep.cubicTo(h.cx + h.w * 0.5, hairline - 4, h.cx - h.w * 0.1, hairline - 2, h.cx - h.w * 0.5, hairline + 1);
        sweep.closeSubpath();
        cap = cap.united(sweep);
        fillHair(p, cap, h, person, seed, 5);
        p.save();
        p.setPen(QPen(grey(person.hairGrey + 50, 150), 0.6));
        p.drawLine(QPointF(h.cx - h.w * 0.45, h.crownY + 3), QPointF(h.cx - h.w * 0.52, hairline - 2));
        p.restore();
        break;
    }
    case Hair::Spiky: {
        // Short tufts standing up and forward over the forehead.
        QPainterPath cap = shortCap(h, 3.0, hairline, -1);
        Noise noise(seed);
        const QPointF middle(h.cx, h.cy - h.h * 0.22);
        for (int i = 0; i < 11; ++i) {
            const qreal angle = pi * 1.1 + pi * 0.8 * (i + 0.5) / 11 + noise.between(-0.04, 0.04);
            const qreal reach = noise.between(3.5, 7.5);
            const QPointF base = middle + QPointF((h.w + 1) * std::cos(angle), (h.h * 0.8) * std::sin(angle));
            const QPointF tip = middle + QPointF((h.w + 1 + reach) * std::cos(angle + 0.12),
                                                 (h.h * 0.8 + 1 + reach) * std::sin(angle + 0.12));
            QPainterPath spike;
            const qreal half = noise.between(3.2, 4.6);
            const QPointF along(-std::sin(angle) * half, std::cos(angle) * half);
            spike.moveTo(base - along);
            spike.lineTo(tip);
            spike.lineTo(base + along);
            spike.closeSubpath();
            cap = cap.united(spike);
        }
        // A few tufts over the forehead.
        for (int i = -2; i <= 2; ++i) {
            QPainterPath tuft;
            const qreal x = h.cx + i * 6.5;
            tuft.moveTo(x - 5, hairline - 7);
            tuft.lineTo(x + 2, hairline + 4 + (i % 2 ? 0 : 2));
            tuft.lineTo(x + 5, hairline - 7);
            tuft.closeSubpath();
            cap = cap.united(tuft);
        }
        fillHair(p, cap, h, person, seed, 3);
        break;
    }
    case Hair::Long: {
        // A middle parting; the hair frames the face and falls in front of the shoulders.
        QPainterPath front = longBack(h, h.shoulderY + 20, 4, false);
        front = withFaceWindow(front, h, hairline + 1, h.w * 0.83);
        front = front.subtracted(rect(h.cx - h.w - 30, h.chinY - 6, h.cx - person.neck - 5 - 6, gridHeight));
        front = front.subtracted(rect(h.cx + person.neck + 5 + 6, h.chinY - 6, h.cx + h.w + 30, gridHeight));
        fillHair(p, front, h, person, seed, 10);
        p.save();
        p.setPen(QPen(grey(person.hairGrey + 60, 140), 0.6));
        p.drawLine(QPointF(h.cx, h.crownY - 3), QPointF(h.cx + 1, hairline - 1));
        p.restore();
        break;
    }
    case Hair::Wavy: {
        QPainterPath front = longBack(h, h.shoulderY, 5, true);
        front = withFaceWindow(front, h, hairline, h.w * 0.84);
        fillHair(p, front, h, person, seed, 7);
        // Parted on the left.
        p.save();
        p.setPen(QPen(grey(person.hairGrey - 70, 150), 0.6));
        p.drawLine(QPointF(h.cx - h.w * 0.3, h.crownY - 2), QPointF(h.cx - h.w * 0.34, hairline - 1));
        p.restore();
        break;
    }
    case Hair::Bob: {
        // A straight fringe above the eyebrows, the sides to the chin.
        QPainterPath front = longBack(h, h.chinY - 2, 3, false);
        QPainterPath window;
        window.addRoundedRect(QRectF(h.cx - h.w * 0.82, h.browY - 4.5, 2 * h.w * 0.82, gridHeight), 5, 5);
        front = front.subtracted(window);
        fillHair(p, front, h, person, seed, 8);
        p.save();
        p.setPen(QPen(grey(person.hairGrey - 45, 150), 0.5));
        for (int i = -4; i <= 4; ++i)
            p.drawLine(QPointF(h.cx + i * 4.5, h.browY - 13), QPointF(h.cx + i * 4.7, h.browY - 5));
        p.restore();
        break;
    }
    case Hair::Afro: {
        QPainterPath front = curlyMass(QPointF(h.cx, h.cy - h.h * 0.32), h.w + 17, h.h * 0.86 + 12, 5.5, seed);
        front = withFaceWindow(front, h, hairline - 1, h.w * 0.86);
        front = front.intersected(rect(0, 0, gridWidth, h.eyeY - 2));
        fillHair(p, front, h, person, seed, 0, true);
        break;
    }
    case Hair::Curly: {
        QPainterPath front = curlyMass(QPointF(h.cx, h.cy - h.h * 0.3), h.w + 3, h.h * 0.72 + 3, 4.2, seed);
        front = withFaceWindow(front, h, hairline + 2, h.w * 0.84);
        front = front.intersected(rect(0, 0, gridWidth, h.eyeY - 4));
        fillHair(p, front, h, person, seed, 0, true);
        break;
    }
    case Hair::Bun:
    case Hair::Ponytail: {
        // Drawn back smoothly to the bun or the tail.
        const QPainterPath cap = shortCap(h, 1.8, hairline - 1, -3);
        fillHair(p, cap, h, person, seed, 12);
        p.save();
        p.setClipPath(cap);
        p.setPen(QPen(grey(person.hairGrey - 35, 110), 0.45));
        p.setBrush(Qt::NoBrush);
        for (int i = -5; i <= 5; ++i) {
            QPainterPath comb;
            comb.moveTo(h.cx + i * 4.6, hairline + 2);
            comb.quadTo(h.cx + i * 3.2, h.crownY + 8, h.cx + 2 + i * 0.6, h.crownY - 2);
            p.drawPath(comb);
        }
        p.restore();
        break;
    }
    case Hair::Scarf: {
        // The scarf round the face, its ends crossing under the chin and
        // draping over the shoulders, with a few folds.
        QPainterPath scarf;
        scarf.moveTo(h.cx, h.crownY - 7);
        scarf.cubicTo(h.cx + h.w + 11, h.crownY - 7, h.cx + h.w + 9, h.cy + 8, h.cx + h.w + 12, h.chinY + 6);
        scarf.cubicTo(h.cx + h.w + 20, h.shoulderY - 4, h.cx + person.shoulders + 4, h.shoulderY + 6,
                      h.cx + person.shoulders + 2, gridHeight + 2);
        scarf.lineTo(h.cx - person.shoulders - 2, gridHeight + 2);
        scarf.cubicTo(h.cx - person.shoulders - 4, h.shoulderY + 6, h.cx - h.w - 20, h.shoulderY - 4, h.cx - h.w - 12,
                      h.chinY + 6);
        scarf.cubicTo(h.cx - h.w - 9, h.cy + 8, h.cx - h.w - 11, h.crownY - 7, h.cx, h.crownY - 7);
        scarf.closeSubpath();
        QPainterPath opening;
        opening.moveTo(h.cx, h.crownY + h.h * 0.28);
        opening.cubicTo(h.cx + h.w * 0.95, h.crownY + h.h * 0.28, h.cx + h.w * 0.98, h.cy + h.h * 0.3, h.cx + h.w * 0.72,
                        h.cy + h.h * 0.68);
        opening.cubicTo(h.cx + h.w * 0.45, h.chinY + 1, h.cx - h.w * 0.45, h.chinY + 1, h.cx - h.w * 0.72, h.cy + h.h * 0.68);
        opening.cubicTo(h.cx - h.w * 0.98, h.cy + h.h * 0.3, h.cx - h.w * 0.95, h.crownY + h.h * 0.28, h.cx,
                        h.crownY + h.h * 0.28);
        scarf = scarf.subtracted(opening);
        p.fillPath(scarf, grey(person.hairGrey));
        QRadialGradient light(QPointF(h.cx - h.w * 0.4, h.crownY + 4), h.w * 1.6);
        light.setColorAt(0, grey(255, 60));
        light.setColorAt(1, grey(0, 50));
        p.fillPath(scarf, light);
        p.save();
        p.setClipPath(scarf);
        p.setBrush(Qt::NoBrush);
        for (int side : {-1, 1}) {
            for (int fold = 0; fold < 4; ++fold) {
                QPainterPath line;
                const qreal x = h.cx + side * (h.w + 2 + fold * 4.5);
                line.moveTo(x, h.cy - h.h * 0.2 + fold * 6);
                line.cubicTo(x + side * 3, h.chinY, x + side * (6 + fold * 2), h.shoulderY, x + side * (8 + fold * 5),
                             gridHeight);
                p.setPen(QPen(grey(person.hairGrey - 55, 120), 0.8));
                p.drawPath(line);
                p.setPen(QPen(grey(person.hairGrey + 40, 80), 0.6));
                p.drawPath(line.translated(1.2, 0));
            }
        }
        // The edge of the scarf round the face.
        p.setPen(QPen(grey(person.hairGrey - 50, 160), 1.0));
        p.drawPath(opening);
        p.restore();
        break;
    }
    }
}

// ---- Body and clothes ----

QPainterPath torso(const Head& h, const Person& person, qreal widen = 0)
{
    const qreal s = person.shoulders + widen;
    const qreal n = person.neck + 3;
    const qreal y = h.shoulderY;
    QPainterPath body;
    body.moveTo(h.cx - n, y - 4);
    body.cubicTo(h.cx - n - 12, y - 1, h.cx - s + 14, y + 1, h.cx - s + 2, y + 12);
    body.cubicTo(h.cx - s - 4, y + 20, h.cx - s - 6, y + 34, h.cx - s - 7, gridHeight + 5);
    body.lineTo(h.cx + s + 7, gridHeight + 5);
    body.cubicTo(h.cx + s + 6, y + 34, h.cx + s + 4, y + 20, h.cx + s - 2, y + 12);
    body.cubicTo(h.cx + s - 14, y + 1, h.cx + n + 12, y - 1, h.cx + n, y - 4);
    body.closeSubpath();
    return body;
}

// A ponytail brought forward over the left shoulder; its top lies behind the head.
void drawHairOverShoulder(QPainter& p, const Head& h, const Person& person, int seed)
{
    if (person.hair != Hair::Ponytail)
        return;
    QPainterPath tail;
    tail.moveTo(h.cx + h.w * 0.5, h.cy - h.h * 0.25);
    tail.cubicTo(h.cx + h.w + 12, h.cy - 2, h.cx + h.w + 9, h.chinY + 4, h.cx + h.w + 1, h.shoulderY + 30);
    tail.cubicTo(h.cx + h.w - 6, h.shoulderY + 12, h.cx + h.w - 3, h.chinY, h.cx + h.w * 0.3, h.cy);
    tail.closeSubpath();
    fillHair(p, tail, h, person, seed, 8);
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(grey(person.hairGrey - 60, 120), 0.5));
    for (int i = 0; i < 4; ++i) {
        QPainterPath strand;
        strand.moveTo(h.cx + h.w + 3 + i * 1.4, h.chinY - 8);
        strand.cubicTo(h.cx + h.w + 6 + i, h.chinY + 6, h.cx + h.w + 2 + i * 0.8, h.shoulderY + 10, h.cx + h.w + i * 0.5,
                       h.shoulderY + 24);
        p.drawPath(strand);
    }
    p.restore();
}

// What of the clothes lies behind the neck: a hoodie's hood.
void drawClothesBehind(QPainter& p, const Head& h, const Person& person)
{
    if (person.clothes != Clothes::Hoodie)
        return;
    QPainterPath hood;
    hood.moveTo(h.cx - person.neck - 17, h.shoulderY + 8);
    hood.cubicTo(h.cx - person.neck - 16, h.shoulderY - 14, h.cx - person.neck - 4, h.chinY - 2, h.cx, h.chinY - 3);
    hood.cubicTo(h.cx + person.neck + 4, h.chinY - 2, h.cx + person.neck + 16, h.shoulderY - 14, h.cx + person.neck + 17,
                 h.shoulderY + 8);
    hood.closeSubpath();
    p.fillPath(hood, grey(person.clothGrey - 20));
    p.fillPath(hood, grey(0, 40));
}

// The neck, and the skin of the chest that a neckline may show.
void drawNeck(QPainter& p, const Head& h, const Person& person)
{
    const qreal n = person.neck;
    QPainterPath neck;
    neck.moveTo(h.cx - n, h.cy + h.h * 0.4);
    neck.lineTo(h.cx + n, h.cy + h.h * 0.4);
    neck.cubicTo(h.cx + n, h.shoulderY - 8, h.cx + n + 4, h.shoulderY - 2, h.cx + n + 16, h.shoulderY + 6);
    neck.lineTo(h.cx + n + 12, h.shoulderY + 48);
    neck.lineTo(h.cx - n - 12, h.shoulderY + 48);
    neck.lineTo(h.cx - n - 16, h.shoulderY + 6);
    neck.cubicTo(h.cx - n - 4, h.shoulderY - 2, h.cx - n, h.shoulderY - 8, h.cx - n, h.cy + h.h * 0.4);
    neck.closeSubpath();
    p.fillPath(neck, grey(person.skinGrey - 12));
    // The shadow under the chin, and the far side of the neck.
    QLinearGradient shadow(0, h.chinY - 4, 0, h.chinY + 14);
    shadow.setColorAt(0, grey(0, 110));
    shadow.setColorAt(1, grey(0, 0));
    p.fillPath(neck, shadow);
    QLinearGradient side(h.cx - n, 0, h.cx + n, 0);
    side.setColorAt(0, grey(0, 0));
    side.setColorAt(0.7, grey(0, 0));
    side.setColorAt(1, grey(0, 45));
    p.fillPath(neck, side);
    if (person.age >= 3) {
        p.save();
        p.setPen(QPen(grey(person.skinGrey - 60, 110), 0.5));
        p.setBrush(Qt::NoBrush);
        for (int i = 0; i < 2; ++i)
            p.drawArc(QRectF(h.cx - n * 0.7, h.chinY + 6 + i * 6, n * 1.4, 5), 200 * 16, 140 * 16);
        p.restore();
    }
}

void shadeCloth(QPainter& p, const QPainterPath& cloth, const Head& h)
{
    QLinearGradient light(h.cx - 60, 0, h.cx + 60, 0);
    light.setColorAt(0, grey(255, 30));
    light.setColorAt(0.5, grey(255, 0));
    light.setColorAt(1, grey(0, 60));
    p.fillPath(cloth, light);
    QLinearGradient down(0, h.shoulderY, 0, gridHeight);
    down.setColorAt(0, grey(0, 0));
    down.setColorAt(1, grey(0, 45));
    p.fillPath(cloth, down);
}

// A V cut from the neck down to `depth` below the shoulders.
QPainterPath vOpening(const Head& h, const Person& person, qreal depth, qreal spread = 4)
{
    QPainterPath v;
    v.moveTo(h.cx - person.neck - spread, h.shoulderY - 8);
    v.lineTo(h.cx, h.shoulderY + depth);
    v.lineTo(h.cx + person.neck + spread, h.shoulderY - 8);
    v.closeSubpath();
    return v;
}

// A round neckline: the cloth cut round under the neck.
QPainterPath roundOpening(const Head& h, const Person& person, qreal depth)
{
    return ellipse(QPointF(h.cx, h.shoulderY - 6), person.neck + 3, depth + 6);
}

void drawShirtCollar(QPainter& p, const Head& h, const Person& person, int shirtGrey, bool open)
{
    // Two collar points either side of the neck.
    for (int side : {-1, 1}) {
        QPainterPath point;
        point.moveTo(h.cx + side * (person.neck + 1), h.shoulderY - 14);
        point.lineTo(h.cx + side * (person.neck + 6), h.shoulderY - 4);
        point.lineTo(h.cx + side * (open ? 9 : 3), h.shoulderY + (open ? 14 : 9));
        point.lineTo(h.cx + side * (open ? 4 : 0.5), h.shoulderY - 1);
        point.closeSubpath();
        p.fillPath(point, grey(shirtGrey));
        p.save();
        p.setPen(QPen(grey(shirtGrey - 70, 160), 0.45));
        p.setBrush(Qt::NoBrush);
        p.drawPath(point);
        p.restore();
    }
}

void drawTie(QPainter& p, const Head& h, int tieGrey, int seed)
{
    QPainterPath knot;
    knot.moveTo(h.cx - 3.4, h.shoulderY - 2);
    knot.lineTo(h.cx + 3.4, h.shoulderY - 2);
    knot.lineTo(h.cx + 2.4, h.shoulderY + 4.5);
    knot.lineTo(h.cx - 2.4, h.shoulderY + 4.5);
    knot.closeSubpath();
    QPainterPath blade;
    blade.moveTo(h.cx - 2.4, h.shoulderY + 4.5);
    blade.lineTo(h.cx + 2.4, h.shoulderY + 4.5);
    blade.lineTo(h.cx + 6, gridHeight + 2);
    blade.lineTo(h.cx - 6, gridHeight + 2);
    blade.closeSubpath();
    p.fillPath(blade, grey(tieGrey));
    // Diagonal stripes on the tie.
    p.save();
    p.setClipPath(blade);
    p.setPen(QPen(grey(tieGrey + 55, 150), 1.0));
    Noise noise(seed);
    const qreal phase = noise.between(0, 4);
    for (qreal y = h.shoulderY + phase; y < gridHeight + 10; y += 5)
        p.drawLine(QPointF(h.cx - 8, y), QPointF(h.cx + 8, y - 7));
    p.restore();
    p.fillPath(knot, grey(tieGrey - 15));
}

// Lapels of a jacket or a cardigan, from the collar down to the V.
void drawLapels(QPainter& p, const Head& h, const Person& person, int clothGrey, qreal depth, bool notched)
{
    for (int side : {-1, 1}) {
        QPainterPath lapel;
        lapel.moveTo(h.cx + side * (person.neck + 2), h.shoulderY - 7);
        lapel.lineTo(h.cx + side * (person.neck + 12), h.shoulderY + 2);
        if (notched) {
            lapel.lineTo(h.cx + side * (person.neck + 16), h.shoulderY + 8);
            lapel.lineTo(h.cx + side * (person.neck + 11), h.shoulderY + 12);
        }
        lapel.lineTo(h.cx + side * 1.5, h.shoulderY + depth);
        lapel.lineTo(h.cx + side * 4, h.shoulderY + depth - 8);
        lapel.closeSubpath();
        p.fillPath(lapel, grey(clothGrey + (side < 0 ? 16 : -6)));
        p.save();
        p.setPen(QPen(grey(clothGrey - 45, 170), 0.5));
        p.setBrush(Qt::NoBrush);
        p.drawPath(lapel);
        p.restore();
    }
}

void drawButtons(QPainter& p, QPointF from, int count, qreal step, int buttonGrey)
{
    for (int i = 0; i < count; ++i) {
        const QPointF at = from + QPointF(0, i * step);
        p.fillPath(ellipse(at, 1.2, 1.2), grey(buttonGrey));
        p.fillPath(ellipse(at + QPointF(-0.3, -0.3), 0.45, 0.45), grey(255, 90));
    }
}

void drawClothes(QPainter& p, const Head& h, const Person& person, int seed)
{
    const int c = person.clothGrey;
    const QPainterPath body = torso(h, person);
    switch (person.clothes) {
    case Clothes::SuitAndTie: {
        const QPainterPath jacket = body.subtracted(vOpening(h, person, 46, 6));
        // The shirt inside the V, then the tie and the collar, then the jacket.
        p.fillPath(body.intersected(vOpening(h, person, 46, 6)), grey(person.clothGrey2));
        drawTie(p, h, c - 20 + (seed % 2) * 60, seed);
        drawShirtCollar(p, h, person, person.clothGrey2, false);
        p.fillPath(jacket, grey(c));
        shadeCloth(p, jacket, h);
        drawLapels(p, h, person, c, 46, true);
        break;
    }
    case Clothes::OpenCollar: {
        const QPainterPath shirt = body.subtracted(vOpening(h, person, 20, 1));
        p.fillPath(shirt, grey(c));
        shadeCloth(p, shirt, h);
        drawShirtCollar(p, h, person, c + 8, true);
        drawButtons(p, QPointF(h.cx + 0.5, h.shoulderY + 24), 3, 12, c - 60);
        p.save();
        p.setPen(QPen(grey(c - 60, 140), 0.5));
        p.drawLine(QPointF(h.cx + 2.2, h.shoulderY + 20), QPointF(h.cx + 2.2, gridHeight));
        p.restore();
        break;
    }
    case Clothes::CrewNeck:
    case Clothes::TShirt: {
        const QPainterPath top = body.subtracted(roundOpening(h, person, person.clothes == Clothes::TShirt ? 5 : 3));
        p.fillPath(top, grey(c));
        shadeCloth(p, top, h);
        // The band round the neckline.
        p.save();
        p.setClipPath(top);
        p.setPen(QPen(grey(c - 40, 180), 2.2));
        p.setBrush(Qt::NoBrush);
        const QPainterPath band = roundOpening(h, person, person.clothes == Clothes::TShirt ? 5 : 3);
        p.drawPath(band);
        p.restore();
        if (person.clothes == Clothes::TShirt) {
            // Creases at the sleeves' seams.
            p.save();
            p.setPen(QPen(grey(c - 50, 110), 0.6));
            p.setBrush(Qt::NoBrush);
            for (int side : {-1, 1})
                p.drawLine(QPointF(h.cx + side * (person.shoulders - 4), h.shoulderY + 10),
                           QPointF(h.cx + side * (person.shoulders - 1), gridHeight));
            p.restore();
        }
        break;
    }
    case Clothes::VNeck: {
        // A sweater over a collared shirt.
        const QPainterPath sweater = body.subtracted(vOpening(h, person, 28, 2));
        p.fillPath(body.intersected(vOpening(h, person, 28, 2)), grey(228));
        drawShirtCollar(p, h, person, 232, false);
        p.fillPath(sweater, grey(c));
        shadeCloth(p, sweater, h);
        p.save();
        p.setPen(QPen(grey(c - 35, 200), 2.0));
        QPainterPath rib;
        rib.moveTo(h.cx - person.neck - 3, h.shoulderY - 7);
        rib.lineTo(h.cx, h.shoulderY + 28);
        rib.lineTo(h.cx + person.neck + 3, h.shoulderY - 7);
        p.drawPath(rib);
        p.restore();
        break;
    }
    case Clothes::Blouse: {
        const QPainterPath blouse = body.subtracted(roundOpening(h, person, 16));
        p.fillPath(blouse, grey(c));
        shadeCloth(p, blouse, h);
        // Soft gathers below the neckline.
        p.save();
        p.setClipPath(blouse);
        p.setPen(QPen(grey(c - 45, 90), 0.6));
        for (int i = -3; i <= 3; ++i)
            p.drawLine(QPointF(h.cx + i * 4.5, h.shoulderY + 12), QPointF(h.cx + i * 5.5, gridHeight));
        p.restore();
        break;
    }
    case Clothes::Hoodie: {
        // The hood's rim comes round the neck to a V on the chest; the hood
        // itself lies behind the neck (drawClothesBehind).
        const QPainterPath opening = vOpening(h, person, 16, 3);
        const QPainterPath top = body.subtracted(opening);
        p.fillPath(top, grey(c));
        shadeCloth(p, top, h);
        p.fillPath(body.intersected(opening), grey(c - 45));
        p.save();
        p.setBrush(Qt::NoBrush);
        for (int side : {-1, 1}) {
            QPainterPath rim;
            rim.moveTo(h.cx + side * (person.neck + 5), h.shoulderY - 10);
            rim.quadTo(h.cx + side * (person.neck + 4), h.shoulderY + 6, h.cx, h.shoulderY + 17);
            p.setPen(QPen(grey(c + 12), 4.2, Qt::SolidLine, Qt::RoundCap));
            p.drawPath(rim);
            p.setPen(QPen(grey(c - 55, 150), 0.5));
            p.drawPath(rim.translated(side * 2.1, 0));
        }
        // Drawstrings.
        p.setPen(QPen(grey(person.clothGrey2), 1.1, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(h.cx - 4.5, h.shoulderY + 11), QPointF(h.cx - 5.5, h.shoulderY + 34));
        p.drawLine(QPointF(h.cx + 4.5, h.shoulderY + 11), QPointF(h.cx + 6.0, h.shoulderY + 32));
        p.restore();
        break;
    }
    case Clothes::Turtleneck: {
        p.fillPath(body, grey(c));
        shadeCloth(p, body, h);
        // The rolled collar covering the neck, widening onto the shoulders.
        const qreal top = h.chinY + 2;
        const qreal bottom = h.shoulderY + 1;
        const qreal n = person.neck;
        QPainterPath collar;
        collar.moveTo(h.cx - n - 1.5, top + 2);
        collar.quadTo(h.cx, top - 1.5, h.cx + n + 1.5, top + 2);
        collar.quadTo(h.cx + n + 2, bottom - 4, h.cx + n + 6, bottom);
        collar.quadTo(h.cx, bottom + 4, h.cx - n - 6, bottom);
        collar.quadTo(h.cx - n - 2, bottom - 4, h.cx - n - 1.5, top + 2);
        collar.closeSubpath();
        p.fillPath(collar, grey(c + 8));
        p.save();
        p.setClipPath(collar);
        p.setPen(QPen(grey(c - 40, 110), 0.55));
        for (qreal x = h.cx - n - 6; x < h.cx + n + 7; x += 2.2)
            p.drawLine(QPointF(x, top), QPointF(h.cx + (x - h.cx) * 1.25, bottom + 3));
        // The fold where the collar turns over.
        QPainterPath fold;
        fold.moveTo(h.cx - n - 3, top + 8);
        fold.quadTo(h.cx, top + 11, h.cx + n + 3, top + 8);
        p.setPen(QPen(grey(c - 55, 170), 1.0));
        p.drawPath(fold);
        QLinearGradient shade(h.cx - n, 0, h.cx + n, 0);
        shade.setColorAt(0, grey(255, 25));
        shade.setColorAt(1, grey(0, 60));
        p.fillRect(collar.boundingRect(), shade);
        p.restore();
        break;
    }
    case Clothes::Polo: {
        const QPainterPath shirt = body.subtracted(vOpening(h, person, 14, 0));
        p.fillPath(shirt, grey(c));
        shadeCloth(p, shirt, h);
        // Flat collar and the placket with its buttons.
        for (int side : {-1, 1}) {
            QPainterPath flap;
            flap.moveTo(h.cx + side * person.neck, h.shoulderY - 12);
            flap.quadTo(h.cx + side * (person.neck + 10), h.shoulderY - 6, h.cx + side * (person.neck + 14),
                        h.shoulderY + 2);
            flap.lineTo(h.cx + side * 2, h.shoulderY + 10);
            flap.lineTo(h.cx + side * (person.neck - 2), h.shoulderY - 6);
            flap.closeSubpath();
            p.fillPath(flap, grey(c + 14));
            p.save();
            p.setPen(QPen(grey(c - 55, 170), 0.5));
            p.setBrush(Qt::NoBrush);
            p.drawPath(flap);
            p.restore();
        }
        p.save();
        p.setPen(QPen(grey(c - 50, 150), 0.5));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(h.cx - 2.6, h.shoulderY + 10, 5.2, 22));
        p.restore();
        drawButtons(p, QPointF(h.cx, h.shoulderY + 16), 2, 9, c + 40);
        break;
    }
    case Clothes::Cardigan: {
        // A knitted cardigan open over a blouse.
        const QPainterPath opening = vOpening(h, person, 60, 2);
        p.fillPath(body.intersected(opening), grey(person.clothGrey2));
        const QPainterPath neckline = roundOpening(h, person, 4);
        p.fillPath(body.intersected(opening).intersected(neckline), grey(person.skinGrey - 12));
        const QPainterPath cardigan = body.subtracted(opening);
        p.fillPath(cardigan, grey(c));
        p.save();
        p.setClipPath(cardigan);
        p.setPen(QPen(grey(c - 30, 90), 0.5));
        for (qreal x = h.cx - person.shoulders - 8; x < h.cx + person.shoulders + 8; x += 2.4)
            p.drawLine(QPointF(x, h.shoulderY - 10), QPointF(x, gridHeight));
        p.restore();
        shadeCloth(p, cardigan, h);
        p.save();
        p.setPen(QPen(grey(c - 40, 200), 2.6));
        p.setBrush(Qt::NoBrush);
        QPainterPath edge;
        edge.moveTo(h.cx - person.neck - 3, h.shoulderY - 8);
        edge.lineTo(h.cx - 1.2, h.shoulderY + 60);
        edge.moveTo(h.cx + person.neck + 3, h.shoulderY - 8);
        edge.lineTo(h.cx + 1.2, h.shoulderY + 60);
        p.drawPath(edge);
        p.restore();
        drawButtons(p, QPointF(h.cx - 4.5, h.shoulderY + 36), 2, 9, c - 60);
        break;
    }
    }
}

void drawNecklace(QPainter& p, const Head& h, const Person& person)
{
    const qreal rx = person.neck + 4;
    for (int i = 0; i <= 22; ++i) {
        const qreal angle = pi * 0.08 + pi * 0.84 * i / 22;
        const QPointF at(h.cx + rx * std::cos(angle), h.shoulderY - 6 + 11 * std::sin(angle));
        p.fillPath(ellipse(at, 1.0, 1.0), grey(238));
        p.fillPath(ellipse(at + QPointF(0.3, 0.35), 0.7, 0.7), grey(0, 40));
    }
}

// ---- The face ----

void drawEars(QPainter& p, const Head& h, const Person& person)
{
    for (int side : {-1, 1}) {
        const QPointF centre(h.cx + side * (h.w - 0.8), (h.eyeY + h.noseY) / 2);
        const QPainterPath ear = ellipse(centre, 5.2, 9.5);
        p.fillPath(ear, grey(person.skinGrey - 10));
        p.save();
        p.setPen(QPen(grey(person.skinGrey - 70, 150), 0.6));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(centre.x() - 3.2, centre.y() - 6.5, 6.4, 13), side > 0 ? -80 * 16 : 100 * 16, 160 * 16);
        p.restore();
        if (person.earrings) {
            const QPointF lobe = centre + QPointF(side * 0.8, 9.2);
            p.fillPath(ellipse(lobe, 1.5, 1.5), grey(236));
            p.fillPath(ellipse(lobe + QPointF(-0.4, -0.4), 0.6, 0.6), grey(255));
        }
    }
}

void shadeFace(QPainter& p, const QPainterPath& face, const Head& h, const Person& person)
{
    p.fillPath(face, grey(person.skinGrey));
    QRadialGradient light(QPointF(h.cx - h.w * 0.2, h.cy - h.h * 0.2), h.w * 1.45);
    light.setColorAt(0, grey(255, 45));
    light.setColorAt(0.55, grey(255, 0));
    light.setColorAt(0.8, grey(0, 20));
    light.setColorAt(1, grey(0, 80));
    p.fillPath(face, light);
    // The shaded side of the face.
    QLinearGradient side(h.cx + h.w * 0.3, 0, h.cx + h.w, 0);
    side.setColorAt(0, grey(0, 0));
    side.setColorAt(1, grey(0, 45));
    p.fillPath(face, side);
    // Cheeks.
    for (int s : {-1, 1}) {
        QRadialGradient cheek(QPointF(h.cx + s * h.w * 0.5, h.noseY), h.w * 0.33);
        cheek.setColorAt(0, grey(person.skinGrey > 150 ? 0 : 255, 14));
        cheek.setColorAt(1, grey(0, 0));
        p.fillPath(face, cheek);
    }
}

void drawEye(QPainter& p, QPointF centre, int side, const Person& person)
{
    const qreal w = 5.0 * person.eyes;
    const qreal hgt = 2.3 * person.eyes * (person.age == 3 ? 0.85 : 1.0) * (1 - 0.2 * person.smile);
    // The outer corner sits a little higher.
    const QPointF inner = centre + QPointF(-side * w, 0.4);
    const QPointF outer = centre + QPointF(side * w, -0.3);
    QPainterPath eye;
    eye.moveTo(inner);
    eye.cubicTo(inner + QPointF(side * w * 0.4, -hgt * 1.5), outer + QPointF(-side * w * 0.5, -hgt * 1.6), outer);
    eye.cubicTo(outer + QPointF(-side * w * 0.5, hgt * 1.2), inner + QPointF(side * w * 0.5, hgt * 1.2), inner);
    eye.closeSubpath();
    p.fillPath(eye, grey(228));
    p.save();
    p.setClipPath(eye);
    const qreal iris = 2.55 * person.eyes;
    const QPointF look = centre + QPointF(0, -0.2);
    QRadialGradient irisShade(look, iris);
    irisShade.setColorAt(0, grey(person.irisGrey + 30));
    irisShade.setColorAt(0.85, grey(person.irisGrey));
    irisShade.setColorAt(1, grey(person.irisGrey - 45));
    p.fillPath(ellipse(look, iris, iris), irisShade);
    p.fillPath(ellipse(look, iris * 0.42, iris * 0.42), grey(12));
    // The upper lid's shadow on the eyeball.
    QLinearGradient lid(0, centre.y() - hgt * 1.2, 0, centre.y());
    lid.setColorAt(0, grey(0, 90));
    lid.setColorAt(1, grey(0, 0));
    p.fillPath(eye, lid);
    p.restore();
    p.fillPath(ellipse(look + QPointF(0.9, -0.9), 0.55, 0.55), grey(255, 230));
    // Lid line and lashes along the top, a fainter line below, the crease above.
    p.save();
    p.setBrush(Qt::NoBrush);
    QPainterPath upper;
    upper.moveTo(inner);
    upper.cubicTo(inner + QPointF(side * w * 0.4, -hgt * 1.5), outer + QPointF(-side * w * 0.5, -hgt * 1.6),
                  outer + QPointF(side * 0.8, 0.2));
    p.setPen(QPen(grey(25), 0.9, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(upper);
    QPainterPath lower;
    lower.moveTo(outer);
    lower.cubicTo(outer + QPointF(-side * w * 0.5, hgt * 1.2), inner + QPointF(side * w * 0.5, hgt * 1.2), inner);
    p.setPen(QPen(grey(person.skinGrey - 80, 120), 0.45));
    p.drawPath(lower);
    p.setPen(QPen(grey(person.skinGrey - 60, 110), 0.5));
    p.drawPath(upper.translated(0, -2.4 * person.eyes));
    if (person.age >= 2) {
        // Lines under the eyes and at their outer corners.
        p.setPen(QPen(grey(person.skinGrey - 55, person.age == 3 ? 120 : 70), 0.45));
        p.drawPath(lower.translated(0, 2.6));
        for (int i = -1; i <= (person.age == 3 ? 1 : 0); ++i)
            p.drawLine(outer + QPointF(side * 2, i * 1.4), outer + QPointF(side * 5, i * 2.6));
    }
    p.restore();
}

void drawBrows(QPainter& p, const Head& h, const Person& person)
{
    const int browGrey = person.hair == Hair::Bald || person.hair == Hair::Scarf
                             ? person.hairGrey
                             : (person.hairGrey > 200 ? person.hairGrey - 40 : person.hairGrey);
    for (int side : {-1, 1}) {
        const qreal x = h.cx + side * h.eyeDx;
        QPainterPath brow;
        brow.moveTo(x - side * 5.6, h.browY + 1.0);
        brow.cubicTo(x - side * 2, h.browY - 1.2 - person.browArch, x + side * 2.5, h.browY - 1.5 - person.browArch,
                     x + side * 6.8, h.browY + 1.2);
        p.save();
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(grey(browGrey), person.brows, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(brow);
        p.setPen(QPen(grey(browGrey - 40, 120), person.brows * 0.45, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(brow.translated(0, -person.brows * 0.2));
        p.restore();
    }
}

void drawNose(QPainter& p, const Head& h, const Person& person)
{
    const qreal tip = h.noseY;
    const qreal wing = 3.6 * person.noseWidth;
    p.save();
    p.setBrush(Qt::NoBrush);
    // The shaded side of the bridge.
    QPainterPath bridge;
    bridge.moveTo(h.cx + 2.2, h.eyeY + 1);
    bridge.cubicTo(h.cx + 2.8, h.eyeY + 6, h.cx + 3.4, tip - 5, h.cx + wing * 0.7, tip - 1.5);
    p.setPen(QPen(grey(person.skinGrey - 60, 90), 1.1, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(bridge);
    // The wings round the nostrils.
    p.setPen(QPen(grey(person.skinGrey - 75, 150), 0.6, Qt::SolidLine, Qt::RoundCap));
    for (int side : {-1, 1}) {
        QPainterPath ala;
        ala.moveTo(h.cx + side * (wing - 0.5), tip - 3.2);
        ala.cubicTo(h.cx + side * (wing + 1.4), tip - 1.5, h.cx + side * (wing + 0.6), tip + 1.4, h.cx + side * (wing - 1.6),
                    tip + 1.2);
        p.drawPath(ala);
    }
    p.restore();
    for (int side : {-1, 1})
        p.fillPath(ellipse(QPointF(h.cx + side * (wing - 2.1), tip + 0.7), 1.3, 0.7), grey(person.skinGrey - 110, 170));
    QRadialGradient highlight(QPointF(h.cx - 0.4, tip - 1.6), 2.4);
    highlight.setColorAt(0, grey(255, 70));
    highlight.setColorAt(1, grey(255, 0));
    p.fillPath(ellipse(QPointF(h.cx - 0.4, tip - 1.6), 2.4, 2.4), highlight);
}

void drawMouth(QPainter& p, const Head& h, const Person& person)
{
    const qreal w = 7.2 * person.mouth;
    const qreal y = h.mouthY;
    const qreal up = 1.8 * person.smile;  // the corners rise with the smile
    const qreal full = person.lips;
    const int lipGrey = person.lipGrey >= 0 ? person.lipGrey : person.skinGrey - 32;
    const QPointF left(h.cx - w, y - up);
    const QPointF right(h.cx + w, y - up);
    const qreal open = person.smile > 0.8 ? 2.2 : 0;  // a broad smile shows the teeth

    QPainterPath upper;
    upper.moveTo(left);
    upper.cubicTo(h.cx - w * 0.6, y - 1.8 * full, h.cx - 1.8, y - 2.6 * full, h.cx, y - 1.9 * full);
    upper.cubicTo(QPointF(h.cx + 1.8, y - 2.6 * full), QPointF(h.cx + w * 0.6, y - 1.8 * full), right);
    upper.cubicTo(QPointF(h.cx + w * 0.5, y + 0.3), QPointF(h.cx - w * 0.5, y + 0.3), left);
    upper.closeSubpath();
    QPainterPath lower;
    lower.moveTo(left);
    lower.cubicTo(QPointF(h.cx - w * 0.5, y + 0.5 + open), QPointF(h.cx + w * 0.5, y + 0.5 + open), right);
    lower.cubicTo(QPointF(h.cx + w * 0.55, y + 3.2 * full + open), QPointF(h.cx - w * 0.55, y + 3.2 * full + open), left);
    lower.closeSubpath();
    if (open > 0) {
        QPainterPath teeth;
        teeth.moveTo(left);
        teeth.cubicTo(QPointF(h.cx - w * 0.5, y + 0.3), QPointF(h.cx + w * 0.5, y + 0.3), right);
        teeth.cubicTo(QPointF(h.cx + w * 0.5, y + 0.5 + open), QPointF(h.cx - w * 0.5, y + 0.5 + open), left);
        p.fillPath(teeth, grey(236));
        p.save();
        p.setPen(QPen(grey(170, 160), 0.3));
        for (int i = -3; i <= 3; ++i)
            p.drawLine(QPointF(h.cx + i * 2.1, y + 0.5), QPointF(h.cx + i * 2.1, y + 0.4 + open));
        p.restore();
    }
    p.fillPath(upper, grey(lipGrey - 8));
    p.fillPath(lower, grey(lipGrey));
    QRadialGradient gloss(QPointF(h.cx - 1, y + 1.6 * full + open), w * 0.5);
    gloss.setColorAt(0, grey(255, 60));
    gloss.setColorAt(1, grey(255, 0));
    p.fillPath(lower, gloss);
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(grey(lipGrey - 70, 200), 0.7, Qt::SolidLine, Qt::RoundCap));
    QPainterPath line;
    line.moveTo(left + QPointF(-0.6, 0));
    const qreal middle = y + 0.4 + (open > 0 ? 0 : up * 0.6);
    line.cubicTo(QPointF(h.cx - w * 0.5, middle), QPointF(h.cx + w * 0.5, middle), right + QPointF(0.6, 0));
    p.drawPath(line);
    // The groove above the lip and the shadow under the lower lip.
    p.setPen(QPen(grey(person.skinGrey - 45, 80), 0.6));
    p.drawLine(QPointF(h.cx - 1.1, h.noseY + 2.2), QPointF(h.cx - 1.0, y - 2.4 * full));
    p.drawLine(QPointF(h.cx + 1.1, h.noseY + 2.2), QPointF(h.cx + 1.0, y - 2.4 * full));
    p.setPen(QPen(grey(person.skinGrey - 50, 90), 1.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(h.cx - w * 0.35, y + 3.4 * full + open + 1.2), QPointF(h.cx + w * 0.35, y + 3.4 * full + open + 1.2));
    p.restore();
}

void drawAgeLines(QPainter& p, const Head& h, const Person& person)
{
    if (person.age < 2 && person.smile < 0.6)
        return;
    p.save();
    p.setBrush(Qt::NoBrush);
    const int strength = person.age == 3 ? 130 : person.age == 2 ? 85 : 55;
    p.setPen(QPen(grey(person.skinGrey - 60, strength), 0.6, Qt::SolidLine, Qt::RoundCap));
    // From the wings of the nose to beside the mouth.
    for (int side : {-1, 1}) {
        QPainterPath fold;
        fold.moveTo(h.cx + side * (3.6 * person.noseWidth + 1.5), h.noseY - 1.5);
        fold.cubicTo(h.cx + side * (3.6 * person.noseWidth + 6), h.noseY + 3, h.cx + side * (7.2 * person.mouth + 3),
                     h.mouthY - 2, h.cx + side * (7.2 * person.mouth + 2.5), h.mouthY + 3 + (person.age == 3 ? 3 : 0));
        p.drawPath(fold);
    }
    if (person.age >= 2) {
        // The forehead.
        const int lines = person.age == 3 ? 3 : 2;
        for (int i = 0; i < lines; ++i) {
            const qreal y = h.browY - 7 - i * 3.4;
            QPainterPath line;
            line.moveTo(h.cx - h.w * 0.45, y + 0.8);
            line.quadTo(h.cx, y - 1.2, h.cx + h.w * 0.45, y + 0.8);
            p.drawPath(line);
        }
    }
    if (person.age == 3) {
        // Lines from the corners of the mouth, and between the brows.
        for (int side : {-1, 1}) {
            p.drawLine(QPointF(h.cx + side * (7.2 * person.mouth + 0.5), h.mouthY + 1.5),
                       QPointF(h.cx + side * (7.2 * person.mouth + 2.5), h.mouthY + 8));
            p.drawLine(QPointF(h.cx + side * 1.6, h.browY - 0.5), QPointF(h.cx + side * 1.2, h.browY + 3));
        }
    }
    p.restore();
}

void drawFreckles(QPainter& p, const Head& h, const Person& person, int seed)
{
    Noise noise(seed);
    for (int i = 0; i < 46; ++i) {
        const int side = i % 2 ? 1 : -1;
        const QPointF at(h.cx + side * noise.between(1.5, h.w * 0.62), h.eyeY + noise.between(4.5, 12) - (std::abs(side) * 0));
        p.fillPath(ellipse(at, 0.45, 0.45), grey(person.skinGrey - 55, 120));
    }
}

// The part of the face a beard covers: below a line from the sideburns down
// the cheeks to beside the mouth and under the nose, a little fuller than the jaw.
QPainterPath beardArea(const Head& h, const Person& person)
{
    const qreal mw = 7.2 * person.mouth;
    QPainterPath below;
    below.moveTo(0, gridHeight);
    below.lineTo(0, h.eyeY + 2);
    below.lineTo(h.cx - h.w - 2, h.eyeY + 2);
    below.cubicTo(h.cx - h.w * 0.86, h.noseY - 1, h.cx - h.w * 0.62, h.noseY + 3, h.cx - mw - 2.5, h.mouthY - 3);
    below.quadTo(h.cx - mw * 0.6, h.noseY + 1.4, h.cx, h.noseY + 2);
    below.quadTo(h.cx + mw * 0.6, h.noseY + 1.4, h.cx + mw + 2.5, h.mouthY - 3);
    below.cubicTo(h.cx + h.w * 0.62, h.noseY + 3, h.cx + h.w * 0.86, h.noseY - 1, h.cx + h.w + 2, h.eyeY + 2);
    below.lineTo(gridWidth, h.eyeY + 2);
    below.lineTo(gridWidth, gridHeight);
    below.closeSubpath();
    QTransform grow;
    grow.translate(h.cx, h.cy);
    grow.scale(1.03, 1.05);
    grow.translate(-h.cx, -h.cy);
    return grow.map(facePath(h, person)).intersected(below);
}

void drawBeard(QPainter& p, const Head& h, const Person& person, int seed)
{
    const int hair = person.hairGrey;
    const qreal w = 7.2 * person.mouth;
    QPainterPath mouthHole = ellipse(QPointF(h.cx, h.mouthY + 0.6), w + 0.6, 3.6 * person.lips + 0.4);
    QPainterPath moustache;
    moustache.moveTo(h.cx - w - 2.2, h.mouthY + 1.5);
    moustache.cubicTo(h.cx - w, h.mouthY - 5.5, h.cx - 3, h.noseY + 1.5, h.cx, h.noseY + 2.2);
    moustache.cubicTo(h.cx + 3, h.noseY + 1.5, h.cx + w, h.mouthY - 5.5, h.cx + w + 2.2, h.mouthY + 1.5);
    moustache.cubicTo(h.cx + w * 0.6, h.mouthY - 2.2, h.cx - w * 0.6, h.mouthY - 2.2, h.cx - w - 2.2, h.mouthY + 1.5);
    moustache.closeSubpath();

    switch (person.beard) {
    case Beard::None:
        return;
    case Beard::Stubble: {
        const QPainterPath area = beardArea(h, person).subtracted(mouthHole);
        p.fillPath(area, grey(0, 22));
        Noise noise(seed);
        const QRectF box = area.boundingRect();
        p.save();
        p.setClipPath(area);
        for (int i = 0; i < 1400; ++i) {
            const QPointF at(noise.between(box.left(), box.right()), noise.between(box.top(), box.bottom()));
            p.fillRect(QRectF(at, QSizeF(0.35, 0.35)), grey(hair - 40, 150));
        }
        p.restore();
        return;
    }
    case Beard::Moustache:
        p.fillPath(moustache, grey(hair));
        drawStrands(p, moustache, h, hair, seed, 1.4, false);
        p.fillPath(moustache, grey(0, 25));
        return;
    case Beard::Goatee: {
        QPainterPath chin;
        chin.moveTo(h.cx - w - 1.5, h.mouthY + 1);
        chin.cubicTo(h.cx - w - 1, h.chinY - 2, h.cx - 5, h.chinY + 2.5, h.cx, h.chinY + 2.5);
        chin.cubicTo(h.cx + 5, h.chinY + 2.5, h.cx + w + 1, h.chinY - 2, h.cx + w + 1.5, h.mouthY + 1);
        chin.closeSubpath();
        const QPainterPath goatee = chin.united(moustache).subtracted(mouthHole);
        p.fillPath(goatee, grey(hair));
        drawStrands(p, goatee, h, hair, seed, 1.3, false);
        return;
    }
    case Beard::Full: {
        QPainterPath beard = beardArea(h, person).united(moustache);
        beard = beard.united(ellipse(QPointF(h.cx, h.chinY), h.w * 0.5, 5.5));
        beard = beard.subtracted(mouthHole);
        p.fillPath(beard, grey(hair));
        drawStrands(p, beard, h, hair, seed, 2.0, false);
        p.fillPath(beard, grey(0, 20));
        return;
    }
    }
}

void drawGlasses(QPainter& p, const Head& h, const Person& person)
{
    if (person.glasses == Glasses::None)
        return;
    const qreal frame = person.glasses == Glasses::Heavy ? 1.6 : 0.75;
    const int frameGrey = person.glasses == Glasses::Heavy ? 20 : 50;
    p.save();
    for (int side : {-1, 1}) {
        const QPointF centre(h.cx + side * h.eyeDx, h.eyeY + 0.5);
        QPainterPath lens;
        if (person.glasses == Glasses::Round)
            lens.addEllipse(centre, 7.0, 6.6);
        else
            lens.addRoundedRect(QRectF(centre.x() - 8.2, centre.y() - 5.4, 16.4, 11.2), 2.6, 2.6);
        // The glass catches a little light.
        QLinearGradient glint(centre + QPointF(-6, -6), centre + QPointF(6, 6));
        glint.setColorAt(0, grey(255, 40));
        glint.setColorAt(0.5, grey(255, 0));
        glint.setColorAt(1, grey(255, 20));
        p.fillPath(lens, glint);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(grey(frameGrey), frame));
        p.drawPath(lens);
        // The arm back to the ear.
        const qreal edge = person.glasses == Glasses::Round ? 7.0 : 8.2;
        p.drawLine(QPointF(centre.x() + side * edge, centre.y() - 1.5), QPointF(h.cx + side * (h.w - 0.5), h.eyeY - 1));
    }
    QPainterPath bridge;
    bridge.moveTo(h.cx - h.eyeDx + (person.glasses == Glasses::Round ? 7.0 : 8.2), h.eyeY - 0.5);
    bridge.quadTo(h.cx, h.eyeY - 3, h.cx + h.eyeDx - (person.glasses == Glasses::Round ? 7.0 : 8.2), h.eyeY - 0.5);
    p.setPen(QPen(grey(frameGrey), frame));
    p.drawPath(bridge);
    p.restore();
}

QImage drawPortrait(int index)
{
    const Person& person = people[index];
    const int seed = 101 + 37 * index;
    QImage image(portraitPixelWidth, portraitPixelHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(portraitPixelWidth / gridWidth, portraitPixelHeight / gridHeight);

    const Head h = headOf(person);
    drawBackdrop(p, person, seed);
    // The sitter fills the frame as in a licence photograph: the figure is
    // drawn a tenth larger, standing on the bottom edge.
    p.translate(gridWidth / 2, gridHeight);
    p.scale(1.1, 1.1);
    p.translate(-gridWidth / 2, -gridHeight);
    drawCastShadow(p, h, person);
    drawHairBehind(p, h, person, seed);
    drawClothesBehind(p, h, person);
    drawNeck(p, h, person);
    drawClothes(p, h, person, seed);
    drawHairOverShoulder(p, h, person, seed);
    if (person.necklace)
        drawNecklace(p, h, person);
    drawEars(p, h, person);
    const QPainterPath face = facePath(h, person);
    shadeFace(p, face, h, person);
    drawAgeLines(p, h, person);
    if (person.freckles)
        drawFreckles(p, h, person, seed);
    drawBeard(p, h, person, seed);
    drawNose(p, h, person);
    drawMouth(p, h, person);
    if (person.beard == Beard::Moustache || person.beard == Beard::Goatee || person.beard == Beard::Full) {
        // The moustache hangs over the upper lip.
        Person trimmed = person;
        trimmed.beard = Beard::Moustache;
        drawBeard(p, h, trimmed, seed);
    }
    for (int side : {-1, 1})
        drawEye(p, QPointF(h.cx + side * h.eyeDx, h.eyeY), side, person);
    drawBrows(p, h, person);
    drawHairFront(p, h, person, seed);
    drawGlasses(p, h, person);
    p.end();
    return image.convertToFormat(QImage::Format_Grayscale8);
}

} // namespace

QList<JpegPicture> portraits()
{
    QList<JpegPicture> pictures;
    for (int i = 0; i < portraitCount; ++i)
        pictures.append({QStringLiteral("P%1GS.jpg").arg(i + 1), portraitDotsPerInch, [i] { return drawPortrait(i); }});
    return pictures;
}
