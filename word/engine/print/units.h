#pragma once

// Pages are laid out in twips (1/20 point), the unit word processors lay out in: text is shaped at 1440
// dots per inch, so that no rounding to pixels moves a line break.

#include <QtGlobal>

namespace word::engine::print {

inline constexpr qreal TwipsPerPoint = 20;
inline constexpr int LayoutDotsPerInch = 1440;

inline constexpr qreal twips(qreal points) {
    return points * TwipsPerPoint;
}

} // namespace word::engine::print
