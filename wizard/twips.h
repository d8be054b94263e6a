#pragma once

// Form positions are designed in twips; on screen one pixel (device-independent) is 15 twips.

#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QSize>
#include <QSizeF>

#include <cmath>

namespace tavrin {

inline constexpr double TwipsPerPixel = 15.0;

// Whole pixels for a twip measure, halves rounded away from zero.
inline int pixels(int twips) {
    return int(std::lround(twips / TwipsPerPixel));
}

// A design rectangle: left, top, width and height in twips.
struct TwipsRect {
    int left;
    int top;
    int width;
    int height;
};

inline QRect pixels(const TwipsRect& r) {
    return QRect(pixels(r.left), pixels(r.top), pixels(r.width), pixels(r.height));
}

// Where a window of the given outer size is centred on a screen: each coordinate is the screen's half
// minus the window's half, computed in floating point, rounded to a whole pixel only at the end.
inline QPointF centredTopLeft(const QRectF& screen, const QSizeF& window) {
    return QPointF(screen.left() + screen.width() / 2 - window.width() / 2,
                   screen.top() + screen.height() / 2 - window.height() / 2);
}

inline QPoint wholePixels(const QPointF& point) {
    return QPoint(int(std::lround(point.x())), int(std::lround(point.y())));
}

} // namespace tavrin
