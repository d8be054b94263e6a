#pragma once

#include <QByteArray>
#include <QImage>

namespace artgen {

// Encodes the picture as a progressive JFIF 1.02 JPEG with three 8-bit components, no chroma
// subsampling (the ornaments have hairlines in colour) and a density of 72 x 72 dots per inch.
// Returns an empty array when the encoder fails.
QByteArray progressiveJfif(const QImage& picture, int quality);

} // namespace artgen
