#include "lineheights.h"

#include "units.h"

#include <QFontMetricsF>
#include <QRawFont>

#include <cmath>
#include <optional>

namespace word::engine::print {

namespace {

struct DesignHeights {
    qreal ascent, descent, leading; // font units
};

// Font tables are big-endian; read byte by byte, which the callers' size checks keep in bounds.
quint16 unsignedAt(const QByteArray& table, int offset) {
    return quint16((uchar(table.at(offset)) << 8) | uchar(table.at(offset + 1)));
}
qint16 signedAt(const QByteArray& table, int offset) {
    return qint16(unsignedAt(table, offset));
}

// The horizontal header's ascender, descender and line gap, as both word processors take them; the
// OS/2 table's typographic values when the font asks for them, its Windows values when the header has
// none.
std::optional<DesignHeights> designHeights(const QRawFont& font) {
    const QByteArray hhea = font.fontTable("hhea");
    const QByteArray os2 = font.fontTable("OS/2");
    std::optional<DesignHeights> heights;
    if (hhea.size() >= 10) {
        const qint16 ascender = signedAt(hhea, 4), descender = signedAt(hhea, 6);
        if (ascender != 0 || descender != 0)
            heights = DesignHeights{qreal(ascender), qreal(-descender), qreal(signedAt(hhea, 8))};
    }
    if (os2.size() >= 78) {
        constexpr quint16 UseTypoMetrics = 1 << 7;
        const qint16 typoAscender = signedAt(os2, 68), typoDescender = signedAt(os2, 70);
        if ((unsignedAt(os2, 62) & UseTypoMetrics) && (typoAscender != 0 || typoDescender != 0))
            heights = DesignHeights{qreal(typoAscender), qreal(-typoDescender), qreal(signedAt(os2, 72))};
        else if (!heights)
            heights = DesignHeights{qreal(unsignedAt(os2, 74)), qreal(unsignedAt(os2, 76)), 0};
    }
    return heights;
}

QString keyOf(const QFont& font) {
    return font.key();
}

} // namespace

// Ascent and descent are rounded to whole twips and the leading rounded up: LibreOffice's line pitch for
// the common fonts then comes out within a twip.
FontHeights LineHeights::of(const QFont& font) {
    const QString key = keyOf(font);
    if (const auto known = known_.constFind(key); known != known_.constEnd())
        return *known;

    FontHeights result;
    const QRawFont raw = QRawFont::fromFont(font);
    const std::optional<DesignHeights> design = raw.isValid() ? designHeights(raw) : std::nullopt;
    if (design && raw.unitsPerEm() > 0) {
        const qreal scale = twips(font.pointSizeF()) / raw.unitsPerEm();
        result.ascent =
            std::round(design->ascent * scale) + std::ceil(std::max<qreal>(0, design->leading) * scale);
        result.descent = std::round(design->descent * scale);
    } else {
        const QFontMetricsF metrics(font, &device_);
        result.ascent = std::round(metrics.ascent() + metrics.leading());
        result.descent = std::round(metrics.descent());
    }
    known_.insert(key, result);
    return result;
}

LineBox lineBoxOf(const LineContent& line) {
    const qreal textHeight = line.text.height();
    LineBox box;
    qreal natural = 0;
    if (line.hasPictures && !line.hasText) {
        box.baseline = line.pictureHeight;
        natural = std::max(line.pictureHeight, textHeight);
    } else {
        box.baseline = std::max(line.text.ascent, line.pictureHeight);
        natural = box.baseline + line.text.descent;
    }
    box.spacing = std::floor(textHeight * (line.spacingPercent - 100) / 100);
    box.height = natural + box.spacing;
    return box;
}

} // namespace word::engine::print
