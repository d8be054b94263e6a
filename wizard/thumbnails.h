#pragma once

#include <QColor>
#include <QImage>

namespace tavrin {

// The three alignments a letter can be laid out in, as the wizard's first page shows them.
enum class LetterLayout { Centered, FlushLeft, FlushRight };

// A small picture of a letter page in the given layout: a grey heading block at the top (centre, left or
// right), ruled text lines below it and two short signature lines at the foot (at the right for a
// flush-right letter, otherwise at the left). 86 x 102 pixels, 24 bits per pixel.
QImage layoutThumbnail(LetterLayout layout);

namespace thumbnail {
inline constexpr int Width = 86;
inline constexpr int Height = 102;
inline const QColor HeadingBlock(128, 128, 128);
inline const QColor FootLine(64, 64, 64);
} // namespace thumbnail

} // namespace tavrin
