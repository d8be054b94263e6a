#include "draw.h"

#include <QTransform>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace artgen {

namespace {

constexpr double Supersampling = 4.0;

double radians(double degrees) {
    return degrees * std::numbers::pi / 180.0;
}

double smooth(double x) {
    x = std::clamp(x, 0.0, 1.0);
    return x * x * (3.0 - 2.0 * x);
}

// Both edges of a stroke of the given width along the spine, closed into one outline.
QPainterPath ribbon(const QPainterPath& spine, const std::function<double(double, double)>& widthAt) {
    const double length = spine.length();
    const int steps = std::max(8, static_cast<int>(length * 6.0));
    QPolygonF left, right;
    for (int i = 0; i <= steps; ++i) {
        const double t = spine.percentAtLength(length * i / steps);
        const QPointF p = spine.pointAtPercent(t);
        const double heading = spine.angleAtPercent(t); // degrees, y up
        const double half = widthAt(static_cast<double>(i) / steps, heading) / 2.0;
        const QPointF normal(-std::sin(radians(heading)), -std::cos(radians(heading)));
        left << p + normal * half;
        right << p - normal * half;
    }
    QPainterPath outline;
    outline.setFillRule(Qt::WindingFill);
    outline.addPolygon(left + QPolygonF(QList<QPointF>(right.rbegin(), right.rend())));
    outline.closeSubpath();
    return outline;
}

} // namespace

QImage render(QSize size, const QColor& background, const std::function<void(QPainter&)>& paint) {
    QImage large(size * Supersampling, QImage::Format_RGB32);
    large.fill(background);
    {
        QPainter painter(&large);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(Supersampling, Supersampling);
        paint(painter);
    }
    return large.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QPainterPath nibStroke(const QPainterPath& spine, const Nib& nib) {
    return ribbon(spine, [&](double t, double heading) {
        const double across = std::abs(std::sin(radians(heading - nib.angle)));
        const double envelope = std::min(smooth(t / std::max(nib.taperIn, 1e-3)),
                                         smooth((1.0 - t) / std::max(nib.taperOut, 1e-3)));
        return nib.hairline + (nib.width - nib.hairline) * across * (0.25 + 0.75 * envelope) * envelope;
    });
}

QPainterPath swellStroke(const QPainterPath& spine, double ends, double middle) {
    return ribbon(spine, [&](double t, double) {
        return ends + (middle - ends) * std::pow(std::sin(std::numbers::pi * t), 0.7);
    });
}

QPainterPath leaf(QPointF base, double angle, double length, double width, double bend) {
    QPainterPath shape;
    shape.moveTo(0, 0);
    shape.cubicTo(length * 0.30, -width * 0.62, length * 0.72, -width * 0.48 + bend, length, bend);
    shape.cubicTo(length * 0.72, width * 0.48 + bend, length * 0.30, width * 0.62, 0, 0);
    QTransform place;
    place.translate(base.x(), base.y());
    place.rotate(-angle);
    return place.map(shape);
}

QPainterPath blossom(QPointF centre, double radius, double rotation, int petals) {
    QPainterPath flower;
    flower.setFillRule(Qt::WindingFill);
    for (int i = 0; i < petals; ++i) {
        const double angle = rotation + 360.0 * i / petals;
        QPainterPath petal;
        petal.moveTo(0, 0);
        petal.cubicTo(radius * 0.35, -radius * 0.55, radius * 1.05, -radius * 0.45, radius, 0);
        petal.cubicTo(radius * 1.05, radius * 0.45, radius * 0.35, radius * 0.55, 0, 0);
        QTransform place;
        place.translate(centre.x(), centre.y());
        place.rotate(-angle);
        flower.addPath(place.map(petal));
    }
    return flower;
}

QPainterPath curl(QPointF centre, QPointF start, double turns, double tightness, bool clockwise) {
    const QPointF offset = start - centre;
    const double radius = std::hypot(offset.x(), offset.y());
    const double angle0 = std::atan2(offset.y(), offset.x());
    const double direction = clockwise ? 1.0 : -1.0;
    QPainterPath path(start);
    const int steps = std::max(12, static_cast<int>(turns * 48));
    for (int i = 1; i <= steps; ++i) {
        const double a = 2.0 * std::numbers::pi * turns * i / steps;
        const double r = radius * std::exp(-tightness * a);
        path.lineTo(centre + QPointF(std::cos(angle0 + direction * a), std::sin(angle0 + direction * a)) * r);
    }
    return path;
}

QPainterPath mirroredX(const QPainterPath& path, double axisX) {
    return QTransform(-1, 0, 0, 1, 2 * axisX, 0).map(path);
}

QPainterPath mirroredY(const QPainterPath& path, double axisY) {
    return QTransform(1, 0, 0, -1, 0, 2 * axisY).map(path);
}

QPointF polar(QPointF centre, double radius, double degrees) {
    return centre + QPointF(std::cos(radians(degrees)), -std::sin(radians(degrees))) * radius;
}

} // namespace artgen
