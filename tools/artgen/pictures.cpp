#include "pictures.h"

#include "draw.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>
#include <numbers>
#include <tuple>

namespace artgen {

namespace {

const QColor White(255, 255, 255);

// Points of an ellipse from one angle to another (degrees, counter-clockwise, y up).
QPainterPath ellipseArc(QPointF centre, double rx, double ry, double from, double to) {
    QPainterPath arc;
    const int steps = 96;
    for (int i = 0; i <= steps; ++i) {
        const double a = (from + (to - from) * i / steps) * std::numbers::pi / 180.0;
        const QPointF p = centre + QPointF(rx * std::cos(a), -ry * std::sin(a));
        if (i == 0)
            arc.moveTo(p);
        else
            arc.lineTo(p);
    }
    return arc;
}

// A straight line from one point to another as a path.
QPainterPath segment(QPointF from, QPointF to) {
    QPainterPath line(from);
    line.lineTo(to);
    return line;
}

QPointF along(const QPainterPath& path, double t) {
    return path.pointAtPercent(path.percentAtLength(path.length() * t));
}

double headingAlong(const QPainterPath& path, double t) {
    return path.angleAtPercent(path.percentAtLength(path.length() * t));
}

// ---------------------------------------------------------------------------------------------
// Classic: a laurel wreath tied with a ribbon, holding a quill and its inkwell. Navy with a little
// old gold; sober, symmetric, engraved in feeling.

namespace classic {
const QColor Ink(0x1e, 0x2b, 0x4a);
const QColor Gold(0xa0, 0x7c, 0x3a);
const QColor GoldLight(0xd9, 0xbf, 0x86);
} // namespace classic

// `outside` is +1 when the outside of the wreath lies to the left of the stem's direction, else -1.
void laurelBranch(QPainter& p, const QPainterPath& stem, int pairs, double leafLength, double outside) {
    using namespace classic;
    p.setPen(Qt::NoPen);
    p.setBrush(Ink);
    p.drawPath(swellStroke(stem, 0.7, 1.5));
    for (int i = 0; i < pairs; ++i) {
        const double t = 0.14 + 0.80 * i / (pairs - 1);
        const QPointF at = along(stem, t);
        const double heading = headingAlong(stem, t);
        const double length = leafLength * (1.0 - 0.38 * t);
        for (const double side : {1.0, -1.0}) {
            const QPainterPath shape = leaf(at, heading + side * 40.0, length, length * 0.40, side * 0.6);
            p.setBrush(Ink);
            p.drawPath(shape);
            // A light vein down the middle of each leaf.
            QPainterPath vein;
            vein.moveTo(at);
            vein.lineTo(polar(at, length * 0.78, heading + side * 40.0));
            p.setBrush(QColor(255, 255, 255, 150));
            p.drawPath(swellStroke(vein, 0.1, 0.45));
        }
        if (i % 3 == 1) {
            p.setBrush(Gold);
            p.drawEllipse(polar(at, leafLength * 0.62, heading + outside * 100.0), 1.7, 1.7);
        }
    }
    const QPointF tip = along(stem, 1.0);
    const double heading = headingAlong(stem, 1.0);
    p.setBrush(Ink);
    p.drawPath(leaf(tip, heading, leafLength * 0.6, leafLength * 0.24));
}

void ribbonBow(QPainter& p, QPointF knot) {
    using namespace classic;
    QPen outline(Ink, 0.7);
    outline.setJoinStyle(Qt::RoundJoin);
    p.setPen(outline);
    p.setBrush(Gold);
    for (const double side : {-1.0, 1.0}) {
        QPainterPath tail;
        tail.moveTo(knot + QPointF(side * 1.5, 1.5));
        tail.cubicTo(knot + QPointF(side * 4, 6), knot + QPointF(side * 8, 7),
                     knot + QPointF(side * 12, 10.5));
        tail.lineTo(knot + QPointF(side * 9.5, 11.5));
        tail.cubicTo(knot + QPointF(side * 6, 9), knot + QPointF(side * 3, 8),
                     knot + QPointF(side * -0.5, 3));
        tail.closeSubpath();
        p.drawPath(tail);
        QPainterPath loop;
        loop.moveTo(knot);
        loop.cubicTo(knot + QPointF(side * 6, -7), knot + QPointF(side * 12, -5),
                     knot + QPointF(side * 10, 0));
        loop.cubicTo(knot + QPointF(side * 9, 3), knot + QPointF(side * 4, 2), knot);
        p.drawPath(loop);
    }
    p.setBrush(GoldLight);
    p.drawRoundedRect(QRectF(knot - QPointF(2.4, 2.4), QSizeF(4.8, 4.8)), 1.2, 1.2);
}

void inkwell(QPainter& p, QPointF base) {
    using namespace classic;
    const double x = base.x(), y = base.y();
    QPainterPath body;
    body.moveTo(x - 15, y);
    body.lineTo(x + 15, y);
    body.cubicTo(x + 15, y - 6, x + 13.5, y - 11, x + 9, y - 12.5);
    body.lineTo(x - 9, y - 12.5);
    body.cubicTo(x - 13.5, y - 11, x - 15, y - 6, x - 15, y);
    body.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(Ink);
    p.drawPath(body);
    p.drawRect(QRectF(x - 5, y - 16, 10, 4));
    p.drawRoundedRect(QRectF(x - 7, y - 18, 14, 2.8), 1.0, 1.0);
    // Glass highlight and a gold band.
    QPainterPath shine;
    shine.moveTo(x - 11, y - 2.5);
    shine.cubicTo(x - 11.5, y - 6, x - 10.5, y - 9, x - 7.5, y - 10.5);
    p.setBrush(QColor(255, 255, 255, 170));
    p.drawPath(swellStroke(shine, 0.2, 1.3));
    p.setBrush(Gold);
    p.drawRect(QRectF(x - 15, y - 4.2, 30, 1.4));
    // The table edge it stands on.
    p.setBrush(Ink);
    p.drawPath(swellStroke(segment({x - 26, y + 1.2}, {x + 26, y + 1.2}), 0.1, 1.0));
}

void quill(QPainter& p, QPointF nibTip, QPointF featherTip) {
    using namespace classic;
    const QPointF axis = featherTip - nibTip;
    const double length = std::hypot(axis.x(), axis.y());
    const QPointF u = axis / length;
    const QPointF n(u.y(), -u.x()); // to the upper left of the shaft
    auto at = [&](double s, double off) { return nibTip + u * (length * s) + n * off; };

    // The vane: broad on the outer side, narrow on the inner, both closing at the tip.
    QPainterPath vane;
    const int steps = 60;
    const double start = 0.30;
    for (int i = 0; i <= steps; ++i) {
        const double s = start + (1.0 - start) * i / steps;
        const double k = (s - start) / (1.0 - start);
        const double w = 9.5 * std::pow(std::sin(std::numbers::pi * std::pow(k, 0.8)), 0.75);
        const QPointF q = at(s, w);
        i == 0 ? vane.moveTo(q) : vane.lineTo(q);
    }
    for (int i = steps; i >= 0; --i) {
        const double s = start + (1.0 - start) * i / steps;
        const double k = (s - start) / (1.0 - start);
        const double w = 5.0 * std::pow(std::sin(std::numbers::pi * std::pow(k, 0.9)), 0.8);
        vane.lineTo(at(s, -w));
    }
    vane.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(Ink);
    p.drawPath(vane);

    // Barbs: fine light lines sweeping from the shaft towards the tip, and two splits in the vane.
    p.save();
    p.setClipPath(vane);
    QPen barb(QColor(255, 255, 255, 120), 0.35);
    p.setPen(barb);
    for (double s = start + 0.02; s < 1.0; s += 0.035) {
        p.drawLine(at(s, 0), at(s + 0.10, 12));
        p.drawLine(at(s, 0), at(s + 0.08, -7));
    }
    p.setPen(QPen(White, 0.8));
    p.drawLine(at(0.52, 0.5), at(0.60, 11));
    p.drawLine(at(0.72, -0.5), at(0.78, -6));
    p.restore();

    // The shaft: bare and dark below the vane, a light line through it.
    p.setBrush(Ink);
    p.drawPath(swellStroke(segment(at(0.07, 0), at(start + 0.02, 0)), 1.6, 1.9));
    p.setBrush(QColor(255, 255, 255, 210));
    p.drawPath(swellStroke(segment(at(start, 0), at(0.97, 0)), 0.8, 0.2));
    // The cut nib.
    QPainterPath nib;
    nib.moveTo(nibTip);
    nib.lineTo(at(0.08, 1.0));
    nib.lineTo(at(0.08, -1.0));
    nib.closeSubpath();
    p.setBrush(Ink);
    p.drawPath(nib);
}

// ---------------------------------------------------------------------------------------------
// Elegant: a letterhead medallion in charcoal and old gold. Fine double rules, calligraphic scrolls
// and an interlaced cypher in the oval.

namespace elegant {
const QColor Ink(0x2a, 0x25, 0x22);
const QColor Gold(0x9c, 0x77, 0x33);
const QColor Ivory(0xf8, 0xf2, 0xe4);
const Nib Pen{3.0, 0.45, 40.0, 0.10, 0.30};
const Nib FinePen{1.8, 0.35, 40.0, 0.10, 0.35};
} // namespace elegant

void fillBoth(QPainter& p, const QPainterPath& shape, double axisX) {
    p.drawPath(shape);
    p.drawPath(mirroredX(shape, axisX));
}

// ---------------------------------------------------------------------------------------------
// Romantic: roses, buds and little blossoms on a curving stem, with tendrils swung like a pen.

namespace romantic {
const QColor RoseDeep(0x8c, 0x1f, 0x45);
const QColor Rose(0xc8, 0x4b, 0x73);
const QColor RosePale(0xf3, 0xb9, 0xca);
const QColor Blush(0xfb, 0xe3, 0xea);
const QColor Leaf(0x5f, 0x8a, 0x4a);
const QColor LeafDeep(0x35, 0x5e, 0x2e);
const QColor Stem(0x4f, 0x6f, 0x36);
const QColor Gold(0xd9, 0xa4, 0x41);
} // namespace romantic

void rose(QPainter& p, QPointF c, double r, double rotation) {
    using namespace romantic;
    // Two rings of petals, the inner one turned between the outer ones.
    QRadialGradient outer(c, r);
    outer.setColorAt(0.0, Rose);
    outer.setColorAt(0.6, RosePale);
    outer.setColorAt(1.0, Blush);
    p.setPen(QPen(RoseDeep, std::max(0.4, r * 0.035)));
    p.setBrush(outer);
    p.drawPath(blossom(c, r, rotation, 5).simplified());
    QRadialGradient inner(c, r * 0.75);
    inner.setColorAt(0.0, RoseDeep);
    inner.setColorAt(0.7, Rose);
    inner.setColorAt(1.0, RosePale);
    p.setBrush(inner);
    p.drawPath(blossom(c, r * 0.74, rotation + 36, 5).simplified());
    // The cup, and its petals winding in to the heart.
    QRadialGradient cup(c + QPointF(-r * 0.1, -r * 0.15), r * 0.5);
    cup.setColorAt(0.0, Rose);
    cup.setColorAt(1.0, RoseDeep);
    p.setPen(Qt::NoPen);
    p.setBrush(cup);
    p.drawEllipse(c, r * 0.46, r * 0.43);
    p.setBrush(Blush);
    const Nib petalPen{r * 0.13, r * 0.025, rotation + 20, 0.2, 0.3};
    p.drawPath(
        nibStroke(curl(c + QPointF(r * 0.03, -r * 0.02), polar(c, r * 0.40, rotation + 160), 1.6, 0.2, true),
                  petalPen));
    QPainterPath lip;
    lip.moveTo(polar(c, r * 0.44, rotation + 200));
    lip.cubicTo(polar(c, r * 0.58, rotation + 250), polar(c, r * 0.58, rotation + 300),
                polar(c, r * 0.42, rotation + 345));
    p.setBrush(RosePale);
    p.drawPath(nibStroke(lip, petalPen));
}

void bud(QPainter& p, QPointF base, double heading, double size) {
    using namespace romantic;
    QRadialGradient shade(polar(base, size * 0.7, heading), size);
    shade.setColorAt(0.0, Rose);
    shade.setColorAt(1.0, RoseDeep);
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawPath(leaf(base, heading, size, size * 0.75));
    p.setBrush(Leaf);
    p.drawPath(leaf(base, heading + 28, size * 0.75, size * 0.28, 0.4));
    p.drawPath(leaf(base, heading - 28, size * 0.75, size * 0.28, -0.4));
}

void littleBlossom(QPainter& p, QPointF c, double r, double rotation) {
    using namespace romantic;
    p.setPen(QPen(RoseDeep, 0.45));
    p.setBrush(Blush);
    p.drawPath(blossom(c, r, rotation).simplified());
    p.setPen(Qt::NoPen);
    p.setBrush(Gold);
    p.drawEllipse(c, r * 0.25, r * 0.25);
}

void greenLeaf(QPainter& p, QPointF base, double heading, double length, double bend = 0.0) {
    using namespace romantic;
    const QPainterPath shape = leaf(base, heading, length, length * 0.45, bend);
    QLinearGradient shade(base, polar(base, length, heading));
    shade.setColorAt(0.0, LeafDeep);
    shade.setColorAt(1.0, Leaf);
    p.setPen(QPen(LeafDeep, 0.4));
    p.setBrush(shade);
    p.drawPath(shape);
    QPainterPath vein(base);
    vein.quadTo(polar(base, length * 0.45, heading) + QPointF(0, bend * 0.3),
                polar(base, length * 0.85, heading));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 110));
    p.drawPath(swellStroke(vein, 0.1, 0.5));
}

// ---------------------------------------------------------------------------------------------
// Dark: a sealed letter on a deep black ground: strong shapes, one note of oxblood.

namespace dark {
const QColor Black(0x12, 0x12, 0x13);
const QColor Coal(0x2c, 0x2c, 0x2e);
const QColor Paper(0xe4, 0xe1, 0xda);
const QColor Grey(0x8a, 0x87, 0x82);
const QColor Wax(0x9b, 0x1c, 0x2a);
const QColor WaxDeep(0x5a, 0x0c, 0x16);
} // namespace dark

void waxSeal(QPainter& p, QPointF c, double r) {
    using namespace dark;
    // An uneven rim where the wax spread.
    QPainterPath blob;
    const int steps = 72;
    for (int i = 0; i <= steps; ++i) {
        const double a = 2.0 * std::numbers::pi * i / steps;
        const double wobble = 1.0 + 0.06 * std::sin(5 * a + 0.7) + 0.04 * std::sin(9 * a + 2.1);
        const QPointF q = c + QPointF(std::cos(a), std::sin(a)) * r * wobble;
        i == 0 ? blob.moveTo(q) : blob.lineTo(q);
    }
    blob.closeSubpath();
    QRadialGradient wax(c + QPointF(-r * 0.3, -r * 0.35), r * 1.3);
    wax.setColorAt(0.0, QColor(0xc4, 0x33, 0x40));
    wax.setColorAt(0.5, Wax);
    wax.setColorAt(1.0, WaxDeep);
    p.setPen(Qt::NoPen);
    p.setBrush(wax);
    p.drawPath(blob);
    // The pressed ring and an eight-pointed star in it.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(WaxDeep, 1.1));
    p.drawEllipse(c, r * 0.72, r * 0.72);
    p.setPen(QPen(QColor(0xd8, 0x5a, 0x64), 0.5));
    p.drawEllipse(c + QPointF(-0.4, -0.4), r * 0.72, r * 0.72);
    QPainterPath star;
    for (int i = 0; i < 16; ++i) {
        const double radius = (i % 2 == 0) ? r * 0.55 : r * 0.22;
        const QPointF q = polar(c, radius, 90 + 22.5 * i);
        i == 0 ? star.moveTo(q) : star.lineTo(q);
    }
    star.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(WaxDeep);
    p.drawPath(star.translated(0.5, 0.6));
    p.setBrush(QColor(0xd0, 0x4a, 0x55));
    p.drawPath(star);
}

// ---------------------------------------------------------------------------------------------
// Modern: circles, squares and bars on a grid; primary colours and black, overprinted.

namespace modern {
const QColor Blue(0x1f, 0x4e, 0x9d);
const QColor Red(0xd9, 0x3a, 0x22);
const QColor Yellow(0xf2, 0xb5, 0x05);
const QColor Black(0x1a, 0x1a, 0x1a);
} // namespace modern

} // namespace

QImage classicHeading() {
    return render({171, 119}, White, [](QPainter& p) {
        const QPointF centre(85.5, 56.0);
        const QPainterPath left = ellipseArc(centre, 63, 47, 262, 116);
        QPainterPath stem(QPointF(93, 108.5));
        stem.lineTo(left.pointAtPercent(0));
        stem.connectPath(left);
        laurelBranch(p, stem, 12, 12.0, 1.0);
        laurelBranch(p, mirroredX(stem, centre.x()), 12, 12.0, -1.0);
        ribbonBow(p, {centre.x(), 106.5});
        inkwell(p, {77, 90});
        quill(p, {79, 74.5}, {117, 22});
    });
}

QImage elegantHeading() {
    using namespace elegant;
    return render({160, 181}, White, [](QPainter& p) {
        const double mid = 80.0;
        const QPointF centre(mid, 84);
        const double rx = 44, ry = 55;
        // The medallion.
        p.setPen(Qt::NoPen);
        p.setBrush(Ivory);
        p.drawEllipse(centre, rx, ry);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Ink, 1.8));
        p.drawEllipse(centre, rx, ry);
        p.setPen(QPen(Gold, 0.6));
        p.drawEllipse(centre, rx - 3.6, ry - 3.6);

        // The emblem: a lily of pen strokes, banded with gold.
        const double top = 43, band = 96;
        QPainterPath petal;
        petal.moveTo(mid, top);
        petal.cubicTo(QPointF(mid + 6, top + 14), QPointF(mid + 12, top + 32), QPointF(mid + 5.5, band));
        petal.lineTo(mid - 5.5, band);
        petal.cubicTo(QPointF(mid - 12, top + 32), QPointF(mid - 6, top + 14), QPointF(mid, top));
        p.setPen(Qt::NoPen);
        p.setBrush(Ink);
        p.drawPath(petal);
        p.setBrush(Gold);
        p.drawPath(swellStroke(segment(QPointF(mid, top + 9), QPointF(mid, band - 4)), 0.2, 0.9));
        // The side petals swell outwards and roll over at their tips.
        auto at = [&](double x, double y) { return QPointF(mid + x, band + y); };
        QPainterPath wing(at(8.5, -1));
        wing.cubicTo(at(8.5, -17), at(15, -30), at(25, -32));
        wing.cubicTo(at(32, -33), at(37, -27), at(34, -21));
        wing.cubicTo(at(32, -17.5), at(28, -17), at(27, -20));
        wing.cubicTo(at(28.5, -24), at(23, -25.5), at(19.5, -21));
        wing.cubicTo(at(16.5, -15), at(17, -6), at(17.5, 0));
        wing.lineTo(at(8.5, 0));
        wing.closeSubpath();
        p.setBrush(Ink);
        fillBoth(p, wing, mid);
        QPainterPath vein(at(12, -4));
        vein.cubicTo(at(12, -14), at(16, -24), at(24, -28.5));
        p.setBrush(Gold);
        fillBoth(p, swellStroke(vein, 0.2, 0.8), mid);
        p.setBrush(Ink);
        QPainterPath foot(QPointF(mid + 4, band + 5));
        foot.cubicTo(QPointF(mid + 9, band + 12), QPointF(mid + 18, band + 14), QPointF(mid + 21, band + 8));
        foot.connectPath(curl(QPointF(mid + 17.5, band + 7.5), QPointF(mid + 21, band + 8), 0.8, 0.3, false));
        fillBoth(p, nibStroke(foot, {3.2, 0.45, 135, 0.05, 0.35}), mid);
        QPainterPath tail;
        tail.moveTo(mid - 4.5, band + 5);
        tail.cubicTo(QPointF(mid - 3.5, band + 12), QPointF(mid - 1.5, band + 17), QPointF(mid, band + 22));
        tail.cubicTo(QPointF(mid + 1.5, band + 17), QPointF(mid + 3.5, band + 12),
                     QPointF(mid + 4.5, band + 5));
        tail.closeSubpath();
        p.drawPath(tail);
        const QRectF bar(mid - 15, band - 1.5, 30, 6.5);
        p.drawRoundedRect(bar, 1.5, 1.5);
        p.setBrush(Gold);
        p.drawRect(bar.adjusted(1.6, 2.2, -1.6, -2.6));
        for (const double dx : {-20.5, 20.5})
            p.drawEllipse(QPointF(mid + dx, band + 1.7), 1.5, 1.5);

        // Crest over the medallion.
        QPainterPath crest(QPointF(mid + 2, 24));
        crest.cubicTo(QPointF(mid + 8, 18), QPointF(mid + 16, 20), QPointF(mid + 18, 14));
        crest.connectPath(curl(QPointF(mid + 14.5, 13.5), QPointF(mid + 18, 14), 1.0, 0.2, false));
        p.setBrush(Ink);
        fillBoth(p, nibStroke(crest, FinePen), mid);
        QPainterPath drop;
        drop.moveTo(mid, 8);
        drop.cubicTo(QPointF(mid + 3.5, 13), QPointF(mid + 3.2, 18), QPointF(mid, 23));
        drop.cubicTo(QPointF(mid - 3.2, 18), QPointF(mid - 3.5, 13), QPointF(mid, 8));
        p.drawPath(drop);
        p.setBrush(Gold);
        p.drawEllipse(QPointF(mid, 4.5), 1.6, 1.6);

        // Scrolls embracing the sides, with leaves of gold.
        QPainterPath side(QPointF(mid + 36, 46));
        side.cubicTo(QPointF(mid + 62, 54), QPointF(mid + 66, 92), QPointF(mid + 56, 106));
        side.connectPath(curl(QPointF(mid + 50, 100), QPointF(mid + 56, 106), 1.1, 0.17, true));
        p.setBrush(Ink);
        fillBoth(p, nibStroke(side, Pen), mid);
        for (const auto& [t, turn, length] :
             {std::tuple{0.22, 62.0, 10.0}, {0.36, 20.0, 11.0}, {0.52, -18.0, 9.0}}) {
            const QPointF at = along(side, t);
            const QPainterPath shape = leaf(at, headingAlong(side, t) + turn, length, length * 0.38, -0.8);
            p.setPen(QPen(Ink, 0.45));
            p.setBrush(Gold);
            fillBoth(p, shape, mid);
        }
        p.setPen(Qt::NoPen);

        // A pendant below.
        QPainterPath under(QPointF(mid + 3, 143));
        under.cubicTo(QPointF(mid + 14, 150), QPointF(mid + 30, 146), QPointF(mid + 34, 140));
        under.connectPath(curl(QPointF(mid + 29, 141), QPointF(mid + 34, 140), 1.0, 0.2, false));
        p.setBrush(Ink);
        fillBoth(p, nibStroke(under, Pen), mid);
        QPainterPath pendant;
        pendant.moveTo(mid, 141);
        pendant.cubicTo(QPointF(mid + 4.5, 150), QPointF(mid + 4, 158), QPointF(mid, 166));
        pendant.cubicTo(QPointF(mid - 4, 158), QPointF(mid - 4.5, 150), QPointF(mid, 141));
        p.drawPath(pendant);
        p.setBrush(Gold);
        p.drawEllipse(QPointF(mid, 172), 1.8, 1.8);
    });
}

QImage elegantLine() {
    using namespace elegant;
    return render({750, 13}, White, [](QPainter& p) {
        const double mid = 375.0, y = 6.5;
        p.setPen(Qt::NoPen);
        // The main rule, full from the ornament outwards and drawn to a point at each end.
        QPainterPath rule;
        rule.moveTo(mid - 40, y - 1.0);
        rule.lineTo(110, y - 0.8);
        rule.cubicTo(QPointF(50, y - 0.6), QPointF(20, y - 0.2), QPointF(4, y));
        rule.cubicTo(QPointF(20, y + 0.2), QPointF(50, y + 0.6), QPointF(110, y + 0.8));
        rule.lineTo(mid - 40, y + 1.0);
        rule.closeSubpath();
        p.setBrush(Ink);
        fillBoth(p, rule, mid);
        // Gold companion lines, shorter, above and below.
        for (const double dy : {-3.6, 3.6}) {
            QPainterPath line;
            line.moveTo(mid - 44, y + dy - 0.5);
            line.lineTo(mid - 200, y + dy - 0.35);
            line.cubicTo(QPointF(mid - 230, y + dy - 0.2), QPointF(mid - 250, y + dy),
                         QPointF(mid - 262, y + dy));
            line.cubicTo(QPointF(mid - 250, y + dy), QPointF(mid - 230, y + dy + 0.2),
                         QPointF(mid - 200, y + dy + 0.35));
            line.lineTo(mid - 44, y + dy + 0.5);
            line.closeSubpath();
            p.setBrush(Gold);
            fillBoth(p, line, mid);
        }
        // The centre: a lozenge between two pairs of scrolls, one rolling up and one down.
        QPainterPath lozenge;
        lozenge.moveTo(mid, y - 6);
        lozenge.lineTo(mid + 3.6, y);
        lozenge.lineTo(mid, y + 6);
        lozenge.lineTo(mid - 3.6, y);
        lozenge.closeSubpath();
        p.setBrush(Ink);
        p.drawPath(lozenge);
        p.setBrush(Gold);
        p.drawEllipse(QPointF(mid, y), 1.0, 1.0);
        const Nib scrollPen{2.3, 0.45, 40, 0.05, 0.25};
        QPainterPath upper(QPointF(mid + 5, y + 0.5));
        upper.cubicTo(QPointF(mid + 12, y + 1), QPointF(mid + 15, y - 5.5), QPointF(mid + 21, y - 5));
        upper.connectPath(curl(QPointF(mid + 21, y - 2.2), QPointF(mid + 21, y - 5), 0.9, 0.22, true));
        QPainterPath lower(QPointF(mid + 16, y - 0.5));
        lower.cubicTo(QPointF(mid + 23, y - 1), QPointF(mid + 26, y + 5.5), QPointF(mid + 32, y + 5));
        lower.connectPath(curl(QPointF(mid + 32, y + 2.2), QPointF(mid + 32, y + 5), 0.9, 0.22, false));
        p.setBrush(Ink);
        fillBoth(p, nibStroke(upper, scrollPen), mid);
        fillBoth(p, nibStroke(lower, scrollPen), mid);
        // Beads along the rule.
        for (const double dx : {130.0, 235.0}) {
            QPainterPath bead;
            bead.moveTo(mid + dx, y - 3.4);
            bead.lineTo(mid + dx + 2.2, y);
            bead.lineTo(mid + dx, y + 3.4);
            bead.lineTo(mid + dx - 2.2, y);
            bead.closeSubpath();
            p.setBrush(Ink);
            fillBoth(p, bead, mid);
        }
    });
}

QImage elegantDown() {
    using namespace elegant;
    return render({176, 64}, White, [](QPainter& p) {
        const double mid = 88.0, y = 28.0;
        // One swash to each side: out from the centre, a loop, and a long tail ending in a curl.
        QPainterPath swash(QPointF(mid + 6, y));
        swash.cubicTo(QPointF(mid + 20, y + 12), QPointF(mid + 40, y + 10), QPointF(mid + 46, y - 1));
        swash.cubicTo(QPointF(mid + 51, y - 10), QPointF(mid + 40, y - 18), QPointF(mid + 34, y - 10));
        swash.cubicTo(QPointF(mid + 28, y - 2), QPointF(mid + 44, y + 12), QPointF(mid + 62, y + 8));
        swash.cubicTo(QPointF(mid + 74, y + 5), QPointF(mid + 80, y - 2), QPointF(mid + 78, y - 7));
        swash.connectPath(curl(QPointF(mid + 74, y - 5), QPointF(mid + 78, y - 7), 0.9, 0.22, false));
        p.setPen(Qt::NoPen);
        p.setBrush(Ink);
        fillBoth(p, nibStroke(swash, {3.4, 0.5, 40, 0.08, 0.30}), mid);
        // A smaller scroll over each loop.
        QPainterPath over(QPointF(mid + 7, y - 4));
        over.cubicTo(QPointF(mid + 12, y - 13), QPointF(mid + 22, y - 16), QPointF(mid + 27, y - 12));
        over.connectPath(curl(QPointF(mid + 24.5, y - 10.5), QPointF(mid + 27, y - 12), 0.8, 0.25, true));
        fillBoth(p, nibStroke(over, {2.0, 0.4, 40, 0.1, 0.3}), mid);
        // The centre: a lozenge with a gold bead, and a pendant drop.
        QPainterPath lozenge;
        lozenge.moveTo(mid, y - 8);
        lozenge.lineTo(mid + 4.8, y);
        lozenge.lineTo(mid, y + 8);
        lozenge.lineTo(mid - 4.8, y);
        lozenge.closeSubpath();
        p.drawPath(lozenge);
        p.setBrush(Gold);
        p.drawEllipse(QPointF(mid, y), 1.5, 1.5);
        QPainterPath drop;
        drop.moveTo(mid, y + 10);
        drop.cubicTo(QPointF(mid + 3.2, y + 15), QPointF(mid + 2.8, y + 20), QPointF(mid, y + 25));
        drop.cubicTo(QPointF(mid - 2.8, y + 20), QPointF(mid - 3.2, y + 15), QPointF(mid, y + 10));
        p.setBrush(Ink);
        p.drawPath(drop);
        p.setBrush(Gold);
        p.drawEllipse(QPointF(mid, y + 30), 1.6, 1.6);
    });
}

QImage romanticHeading() {
    using namespace romantic;
    return render({170, 99}, White, [](QPainter& p) {
        p.setPen(Qt::NoPen);
        // Pen flourishes in deep rose, swung under and over the spray.
        const Nib flourishPen{1.9, 0.35, 35, 0.08, 0.4};
        QPainterPath under(QPointF(34, 70));
        under.cubicTo(QPointF(60, 98), QPointF(120, 98), QPointF(150, 84));
        under.cubicTo(QPointF(162, 78), QPointF(164, 66), QPointF(156, 64));
        under.connectPath(curl(QPointF(154.5, 69), QPointF(156, 64), 1.0, 0.2, false));
        p.setBrush(RoseDeep);
        p.drawPath(nibStroke(under, flourishPen));
        QPainterPath over(QPointF(58, 34));
        over.cubicTo(QPointF(42, 16), QPointF(20, 10), QPointF(12, 22));
        over.cubicTo(QPointF(6, 32), QPointF(16, 40), QPointF(22, 34));
        over.connectPath(curl(QPointF(18.5, 31.5), QPointF(22, 34), 0.9, 0.25, false));
        p.drawPath(nibStroke(over, flourishPen));

        // The stem, swinging from the lower left up to a bud at the upper right.
        QPainterPath stem(QPointF(16, 84));
        stem.cubicTo(QPointF(56, 90), QPointF(92, 50), QPointF(156, 20));
        p.setBrush(Stem);
        p.drawPath(swellStroke(stem, 0.9, 2.0));
        const Nib tendril{1.3, 0.35, 30, 0.15, 0.35};
        QPainterPath twig(QPointF(118, 40));
        twig.cubicTo(QPointF(126, 48), QPointF(140, 52), QPointF(146, 46));
        twig.connectPath(curl(QPointF(143, 43.5), QPointF(146, 46), 1.1, 0.2, false));
        p.drawPath(nibStroke(twig, tendril));
        QPainterPath twig2(QPointF(36, 84));
        twig2.cubicTo(QPointF(30, 74), QPointF(30, 64), QPointF(36, 60));
        twig2.connectPath(curl(QPointF(39, 62.5), QPointF(36, 60), 1.1, 0.2, true));
        p.drawPath(nibStroke(twig2, tendril));

        // Leaves in pairs and threes along the stem.
        greenLeaf(p, {28, 85}, 190, 15, 1);
        greenLeaf(p, {30, 84}, 120, 12, -1);
        greenLeaf(p, {52, 82}, 265, 13, 1);
        greenLeaf(p, {96, 58}, 300, 15, 1);
        greenLeaf(p, {98, 57}, 75, 12, -1);
        greenLeaf(p, {124, 38}, 95, 12, -1);
        greenLeaf(p, {130, 35}, 330, 11, 1);
        greenLeaf(p, {86, 72}, 290, 12, 1);
        greenLeaf(p, {44, 50}, 160, 12, -1);
        greenLeaf(p, {84, 36}, 110, 11, -1);
        // Flowers.
        littleBlossom(p, {108, 74}, 5.5, 10);
        littleBlossom(p, {126, 62}, 4.2, 40);
        littleBlossom(p, {142, 30}, 4.2, 0);
        bud(p, {152, 22}, 35, 12);
        rose(p, {102, 42}, 14, 40);
        rose(p, {66, 60}, 21, 10);
        // Dots of baby's breath.
        p.setPen(Qt::NoPen);
        p.setBrush(Rose);
        for (const QPointF dot : {QPointF(32, 44), QPointF(120, 80), QPointF(136, 70), QPointF(118, 22),
                                  QPointF(88, 24), QPointF(40, 72)})
            p.drawEllipse(dot, 1.3, 1.3);
    });
}

QImage romanticLine() {
    using namespace romantic;
    return render({615, 24}, White, [](QPainter& p) {
        const double mid = 307.5, y = 12.0, end = 596.0;
        auto wave = [&](double x) {
            const double k = (x - mid) / (end - mid);
            return y + 4.2 * std::sin((x - mid) / 24.0) * (1.0 - 0.4 * k);
        };
        // A gently waving stem from the rose outwards, mirrored.
        QPainterPath stem(QPointF(mid + 8, wave(mid + 8)));
        for (double x = mid + 9; x <= end; x += 1.0)
            stem.lineTo(x, wave(x));
        p.setPen(Qt::NoPen);
        p.setBrush(Stem);
        fillBoth(p, swellStroke(stem, 0.9, 1.6), mid);
        const QPainterPath tip =
            curl(QPointF(end + 4.5, wave(end) - 4), QPointF(end, wave(end)), 1.3, 0.2, false);
        fillBoth(p, nibStroke(tip, {1.5, 0.35, 30, 0.02, 0.5}), mid);
        // Leaves at every crest and trough; a blossom or a bud between them.
        int n = 0;
        for (double x = mid + 26; x < end - 10; x += 24.0 * std::numbers::pi / 2, ++n) {
            const double slope = wave(x + 1) - wave(x - 1);
            const double heading = -std::atan2(slope, 2.0) * 180 / std::numbers::pi;
            const double side = (n % 2 == 0) ? 1.0 : -1.0;
            for (const bool right : {true, false}) {
                const double px = right ? x : 2 * mid - x;
                const double h = right ? heading + side * 38 : 180 - heading - side * 38;
                greenLeaf(p, {px, wave(x)}, h, 10.5, right ? -side * 0.9 : side * 0.9);
            }
        }
        n = 0;
        for (double x = mid + 45; x < end - 20; x += 24.0 * std::numbers::pi, ++n) {
            for (const double px : {x, 2 * mid - x}) {
                const QPointF at(px, wave(x) - (n % 2 == 0 ? 5.5 : -5.5));
                if (n % 2 == 0)
                    littleBlossom(p, at, 5.0, px);
                else
                    littleBlossom(p, at, 4.2, px + 18);
            }
        }
        greenLeaf(p, {mid + 7, y + 1}, 15, 12, -1);
        greenLeaf(p, {mid - 7, y + 1}, 165, 12, 1);
        greenLeaf(p, {mid + 6, y - 1}, 55, 9, 1);
        greenLeaf(p, {mid - 6, y - 1}, 125, 9, -1);
        rose(p, {mid, y}, 10.5, 20);
    });
}

QImage darkHeading() {
    using namespace dark;
    return render({146, 129}, White, [](QPainter& p) {
        const QRectF panel(0, 0, 146, 129);
        QRadialGradient ground(panel.center() + QPointF(0, -8), 95);
        ground.setColorAt(0.0, Coal);
        ground.setColorAt(1.0, Black);
        p.setPen(Qt::NoPen);
        p.setBrush(ground);
        p.drawRect(panel);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Grey, 0.8));
        p.drawRect(panel.adjusted(5, 5, -5, -5));
        p.setPen(QPen(QColor(0x55, 0x53, 0x50), 0.5));
        p.drawRect(panel.adjusted(7.5, 7.5, -7.5, -7.5));

        // The envelope, seen from the back.
        const QRectF envelope(20, 33, 106, 68);
        QPen edge(Paper, 2.0);
        edge.setJoinStyle(Qt::MiterJoin);
        p.setPen(edge);
        p.setBrush(QColor(0x1c, 0x1c, 0x1d));
        p.drawRect(envelope);
        const QPointF point(envelope.center().x(), envelope.top() + 40);
        p.setPen(QPen(Grey, 1.2));
        p.drawLine(envelope.bottomLeft(), QPointF(point.x() - 10, point.y() + 3));
        p.drawLine(envelope.bottomRight(), QPointF(point.x() + 10, point.y() + 3));
        QPainterPath flap(envelope.topLeft());
        flap.lineTo(point);
        flap.lineTo(envelope.topRight());
        p.setPen(QPen(Paper, 2.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p.setBrush(QColor(0x26, 0x26, 0x27));
        p.drawPath(flap);
        waxSeal(p, point, 16.5);
    });
}

QImage darkLine() {
    using namespace dark;
    QImage line(750, 6, QImage::Format_RGB32);
    line.fill(White);
    QPainter p(&line);
    p.fillRect(QRect(0, 0, 750, 4), Black);
    p.fillRect(QRect(0, 5, 750, 1), QColor(0x7a, 0x14, 0x20));
    return line;
}

QImage modernHeading() {
    using namespace modern;
    return render({141, 166}, White, [](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(Blue);
        p.drawEllipse(QPointF(54, 58), 40, 40);
        p.setCompositionMode(QPainter::CompositionMode_Multiply);
        p.setBrush(Red);
        p.drawRect(QRectF(74, 76, 46, 46));
        p.setBrush(Yellow);
        QPainterPath triangle;
        triangle.moveTo(16, 152);
        triangle.lineTo(70, 152);
        triangle.lineTo(16, 98);
        triangle.closeSubpath();
        p.drawPath(triangle);
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
        p.setBrush(Black);
        p.drawRect(QRectF(8, 130, 125, 5));
        p.drawRect(QRectF(112, 8, 2, 150));
        for (int row = 0; row < 3; ++row)
            for (int column = 0; column < 3; ++column)
                p.drawEllipse(QPointF(120 + column * 7, 16 + row * 7), 1.8, 1.8);
        p.drawPie(QRectF(86, 140, 24, 24), 0, 180 * 16);
        // A fine arc echoing the circle.
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Black, 1.4, Qt::SolidLine, Qt::FlatCap));
        p.drawArc(QRectF(54 - 47, 58 - 47, 94, 94), 95 * 16, 90 * 16);
    });
}

QImage modernLine() {
    using namespace modern;
    return render({779, 14}, White, [](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(Blue);
        p.drawRect(QRectF(0, 0, 14, 14));
        p.setBrush(Red);
        p.drawEllipse(QPointF(25, 7), 7, 7);
        p.setBrush(Yellow);
        QPainterPath triangle;
        triangle.moveTo(36, 0);
        triangle.lineTo(50, 7);
        triangle.lineTo(36, 14);
        triangle.closeSubpath();
        p.drawPath(triangle);
        p.setBrush(Black);
        p.drawRect(QRectF(56, 5, 709, 4));
        p.drawRect(QRectF(769, 2, 10, 10));
    });
}

} // namespace artgen
