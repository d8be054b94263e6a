#pragma once

#include <QImage>

namespace artgen {

// The style pictures as the program carries them, decoded: what the previews show in miniature.
struct StylePictures {
    QImage classic, elegant, elegantLine, elegantDown, romantic, romanticLine, dark, darkLine, modern,
        modernLine;
};

// Miniature letters in each style, at the sizes of the style page's picture boxes.
QImage classicPreview(const StylePictures& pictures);     // 92 x 93
QImage darkPreview(const StylePictures& pictures);        // 94 x 93
QImage romanticPreview(const StylePictures& pictures);    // 93 x 92
QImage elegantPreview(const StylePictures& pictures);     // 92 x 92
QImage modernisticPreview(const StylePictures& pictures); // 98 x 98

} // namespace artgen
