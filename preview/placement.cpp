#include "placement.h"

#include <algorithm>

namespace tavrin::preview {

namespace {

int besideLeft(const QRect& wizard, int width, const QRect& available) {
    const int right = wizard.right() + 1 + PreviewGap;
    if (right + width <= available.right() + 1)
        return right;
    const int left = wizard.left() - PreviewGap - width;
    if (left >= available.left())
        return left;
    return std::clamp(wizard.left(), available.left(),
                      std::max(available.left(), available.right() + 1 - width));
}

int levelTop(const QRect& wizard, int height, const QRect& available) {
    return std::clamp(wizard.top(), available.top(), available.bottom() + 1 - height);
}

} // namespace

QRect previewPlacement(const QRect& wizard, const QSize& preview, const QRect& available) {
    const int height = std::min(preview.height(), available.height());
    return QRect(besideLeft(wizard, preview.width(), available), levelTop(wizard, height, available),
                 preview.width(), height);
}

} // namespace tavrin::preview
