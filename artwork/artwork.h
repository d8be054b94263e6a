#pragma once

// The style pictures carried inside the program, and their export to picture files that the word
// processor can embed.

#include "word/files/expected.h"

#include <QImage>
#include <QString>

#include <memory>
#include <optional>

namespace artwork {

enum class StylePicture {
    PictureClassic,
    PictureElegant,
    ElegantLine,
    ElegantDown,
    PictureRomantic,
    RomanticLine,
    PictureDark,
    DarkLine,
    PictureModern,
    ModernLine,
};

// The previews of the five styles with pictures, shown on the wizard's style page.
enum class StylePreview { Classic, Dark, Romantic, Elegant, Modernistic };

// Why a picture file is not written, or not removed.
enum class PictureFileError {
    NoFolder,   // the program's directory cannot be written and no temporary folder could be made
    NotMade,    // the stored picture cannot be made into a bitmap
    NotWritten, // the folder did not take the file
    NotRemoved, // the file is still there
};
using PictureFileResult = tavrin::Expected<void, PictureFileError>;

// The fixed file name a picture is written under, e.g. "classic.bmp".
QString fileName(StylePicture picture);
// The picture as stored in the program, decoded.
QImage image(StylePicture picture);
// The stored bytes (JPEG, or BMP for DarkLine), exactly as embedded.
QByteArray storedBytes(StylePicture picture);
// The style's preview as shown on the wizard's style page, decoded.
QImage preview(StylePreview style);
// The stored bytes of the preview (a 24-bit bitmap), exactly as embedded.
QByteArray storedBytes(StylePreview style);

// How a layout run hands its pictures to the word processor: as files, which every word processor takes,
// or by name from memory, for a built-in engine that takes them so (engine.h), and nothing is written.
enum class PictureHandOver { Files, InMemory };

// The picture as its bitmap file holds it, made once per process; empty when it cannot be made.
QByteArray bitmapBytes(StylePicture picture);
// The name a picture goes by in memory, e.g. "tavrin-artwork:classic.bmp"; no file has such a name.
QString memoryName(StylePicture picture);
// The bitmap of the picture a memory name names; nothing for any other name.
std::optional<QByteArray> bitmapNamed(const QString& name);

// The folder the pictures of one layout run are written to: the program's directory when it can be
// written and no other run is using it, otherwise a private temporary folder made for this run and
// removed with this object. The program's directory stays this run's, for every process, as long as the
// object lives; a run that finds it taken waits a second at most before it takes the private folder.
//
// Handing over in memory there is no folder at all: the paths are the pictures' memory names, and writing
// and removing touch nothing.
class PictureFolder {
public:
    explicit PictureFolder(const QString& programDirectory,
                           PictureHandOver handOver = PictureHandOver::Files);
    ~PictureFolder();
    PictureFolder(const PictureFolder&) = delete;
    PictureFolder& operator=(const PictureFolder&) = delete;

    // The full path the picture is written to; empty when there is no folder to write to at all
    // (the program's directory cannot be written and no temporary folder could be made).
    QString path(StylePicture picture) const;
    // Writes the picture as a bitmap, replacing (never following) whatever is at its path; a picture
    // that cannot be written leaves no file.
    PictureFileResult write(StylePicture picture) const;
    // Removes the picture file.
    PictureFileResult remove(StylePicture picture) const;

private:
    struct Private;
    std::unique_ptr<Private> d_;
};

} // namespace artwork
