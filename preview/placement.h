#pragma once

// Where the preview's window opens: beside the wizard, on its right where the screen has room, otherwise
// on its left, otherwise over it; level with the wizard's top, and never off the screen.

#include <QRect>
#include <QSize>

namespace tavrin::preview {

// Between the wizard's frame and the preview's.
inline constexpr int PreviewGap = 8;

// All rectangles are whole windows, frames included; `available` is the screen less its panels. A preview
// taller than the screen is cut to its height.
QRect previewPlacement(const QRect& wizard, const QSize& preview, const QRect& available);

} // namespace tavrin::preview
