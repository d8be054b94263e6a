#pragma once

// Pictures read from files for embedding.

#include "model.h"

namespace word::engine {

// A picture's displayed size, in points.
struct PictureSize {
    float width = 0, height = 0;
};

// Reads a picture file at the time of the call, by its content, whatever its name ends in.
// JPEG and PNG files are embedded with their bytes as they are; every other format Qt reads (BMP, GIF...)
// is converted to PNG. The displayed size comes from the pixels and the resolution the file states, or
// 96 dpi when it states none.
// The file is opened once, without following a link and without waiting on a FIFO or device.
// Throws AutomationError: errors::FileNotFound when there is no such file, errors::FileAccess when it
// cannot be read, errors::InvalidPicture when it is a link, not a regular file, not a picture, or larger
// than limits::PictureFileBytes.
Picture readPicture(const QString& fileName);

// The same for a picture file's bytes held in memory; `name` only names it in errors. Each distinct
// picture is converted once per process.
Picture decodePicture(const QByteArray& bytes, const QString& name);

// Scales the displayed size down, keeping its proportions, when it is wider than the space available.
void fitToWidth(Picture& picture, float availableWidth);

} // namespace word::engine
