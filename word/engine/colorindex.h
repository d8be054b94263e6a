#pragma once

// The word processor's colour indexes (constants.h) and the colours they stand for.

#include <QRgb>

#include <optional>

namespace word::engine {

// True for wdAuto (0) and the sixteen standard indexes 1 to 16.
bool isColorIndex(int colorIndex);

// The colour of a standard index; none for wdAuto (automatic, the application's choice: black on white)
// and for a value that is not a colour index.
std::optional<QRgb> rgbOfColorIndex(int colorIndex);

} // namespace word::engine
