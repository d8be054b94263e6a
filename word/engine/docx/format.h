#pragma once

// What the package writer and reader agree on: units and their limits, the colour table, the characters a
// part can hold, the picture types, and the repairs that make any model writable (docx.h lists them).

#include "word/engine/model.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

namespace word::engine::docx {

// A range of lengths in points that both word processors accept.
struct Bounds {
    double min, max;
};
inline constexpr Bounds fontSizeBounds{1, 1638};
inline constexpr Bounds spacingBounds{0, 1584};
inline constexpr Bounds indentBounds{-1584, 1584};
inline constexpr Bounds pageSideBounds{7.2, 1584};
inline constexpr Bounds marginBounds{0, 1584};
inline constexpr Bounds columnBounds{0, 1584};
inline constexpr Bounds pictureBounds{0, 1584};
inline constexpr Bounds linePositionBounds{-1584, 3168};

// Conversions to the package's units clamp to the bounds (a NaN counts as 0 before clamping); the
// conversions back give the float that a round trip returns.
int twips(float points, Bounds bounds);
float pointsFromTwips(qint64 twips);
int halfPoints(float size);
float pointsFromHalfPoints(qint64 halfPoints);
qint64 emu(float points, Bounds bounds);
float pointsFromEmu(qint64 emu);

// "RRGGBB" of a colour index 1 to 16; empty for automatic (0) and unknown indexes.
QString rgbForColorIndex(int colorIndex);
// The colour index of an "RRGGBB" value of the table; 0 (automatic) for "auto" and any other colour.
int colorIndexForRgb(QStringView rgb);

// The text without the characters an XML part cannot hold: controls other than the tab (and the tab too
// unless keepTab), lone surrogates, U+FFFE and U+FFFF. Returns the same shared string when nothing goes.
QString storableText(const QString& text, bool keepTab);

enum class PictureType { Unknown, Png, Jpeg };
PictureType pictureType(const QByteArray& data);
QString mimeType(PictureType type);
QString fileExtension(PictureType type);

// Restores every rule the writer relies on (see docx.h): structure, known enumeration values, storable
// texts and font names, pictures of a known type with their MIME type.
void repair(DocumentModel& model);
// Sets each picture's pixel size to what its data states (0 x 0 when the data states none).
void takePixelSizesFromData(DocumentModel& model);
// Puts every length on the package's grid within its bounds.
void quantize(DocumentModel& model);

// Calls visit(Paragraph&) for every paragraph of the body and of its tables' cells.
template <class Visit> void forEachParagraph(DocumentModel& model, Visit visit) {
    for (auto& block : model.body) {
        if (auto* paragraph = std::get_if<Paragraph>(&block)) {
            visit(*paragraph);
            continue;
        }
        for (auto& row : std::get<Table>(block).rows)
            for (auto& cell : row)
                for (auto& paragraph : cell.paragraphs)
                    visit(paragraph);
    }
}

} // namespace word::engine::docx
