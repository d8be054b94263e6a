#include "colorindex.h"

#include "word/constants.h"

#include <array>

namespace word::engine {

namespace {

constexpr std::array<QRgb, 17> Colors = {
    0,        // wdAuto: no colour of its own
    0x000000, // wdBlack
    0x0000FF, // wdBlue
    0x00FFFF, // wdTurquoise
    0x00FF00, // wdBrightGreen
    0xFF00FF, // wdPink
    0xFF0000, // wdRed
    0xFFFF00, // wdYellow
    0xFFFFFF, // wdWhite
    0x000080, // wdDarkBlue
    0x008080, // wdTeal
    0x008000, // wdGreen
    0x800080, // wdViolet
    0x800000, // wdDarkRed
    0x808000, // wdDarkYellow
    0x808080, // wdGray50
    0xC0C0C0, // wdGray25
};

} // namespace

bool isColorIndex(int colorIndex) {
    return colorIndex >= wdAuto && colorIndex <= wdGray25;
}

std::optional<QRgb> rgbOfColorIndex(int colorIndex) {
    if (colorIndex == wdAuto || !isColorIndex(colorIndex))
        return std::nullopt;
    return 0xFF000000u | Colors[std::size_t(colorIndex)];
}

} // namespace word::engine
