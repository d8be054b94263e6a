#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <functional>

namespace artgen {

// Paints at four times the size and scales down, so hairlines and small curves come out smooth.
QImage render(QSize size, const QColor& background, const std::function<void(QPainter&)>& paint);

// A broad-nibbed pen: the stroke is widest where it runs across the nib and a hairline where it
// runs along it, and it thins out at both ends.
struct Nib {
    double width = 2.0;
    double hairline = 0.4;
    double angle = 35.0; // degrees, counter-clockwise from the x axis, as the pen is held
    double taperIn = 0.12;
    double taperOut = 0.25;
};
QPainterPath nibStroke(const QPainterPath& spine, const Nib& nib);

// A stroke whose width swells from `ends` to `middle` and back, whatever its direction.
QPainterPath swellStroke(const QPainterPath& spine, double ends, double middle);

// A pointed leaf from `base` towards `angle` degrees (counter-clockwise, y up), bent by `bend`.
QPainterPath leaf(QPointF base, double angle, double length, double width, double bend = 0.0);
// A five-petalled blossom.
QPainterPath blossom(QPointF centre, double radius, double rotation, int petals = 5);
// A logarithmic curl that winds inwards from `start` around `centre`.
QPainterPath curl(QPointF centre, QPointF start, double turns, double tightness, bool clockwise);

// Mirror images about a vertical or horizontal axis.
QPainterPath mirroredX(const QPainterPath& path, double axisX);
QPainterPath mirroredY(const QPainterPath& path, double axisY);

QPointF polar(QPointF centre, double radius, double degrees);

} // namespace artgen
