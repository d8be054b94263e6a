#pragma once

#include <QImage>

namespace artgen {

// The style pictures, each at its own pixel size, on white.
QImage classicHeading();  // 171 x 119
QImage elegantHeading();  // 160 x 181
QImage elegantLine();     // 750 x 13
QImage elegantDown();     // 176 x 64
QImage romanticHeading(); // 170 x 99
QImage romanticLine();    // 615 x 24
QImage darkHeading();     // 146 x 129
QImage darkLine();        // 750 x 6
QImage modernHeading();   // 141 x 166
QImage modernLine();      // 779 x 14

} // namespace artgen
