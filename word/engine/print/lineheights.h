#pragma once

// How tall a word processor makes a line: from the font tables as LibreOffice and Word read them, not
// from Qt's own (hinted, platform-dependent) metrics, in whole twips.

#include <QFont>
#include <QHash>
#include <QPaintDevice>

namespace word::engine::print {

// A font's share of a line, in twips: the ascent includes the font's leading, which sits above the text.
struct FontHeights {
    qreal ascent = 0;
    qreal descent = 0;
    qreal height() const { return ascent + descent; }
};

class LineHeights {
public:
    // The layout's device (LayoutDotsPerInch) must outlive this object.
    explicit LineHeights(QPaintDevice& layoutDevice) : device_(layoutDevice) {}

    // A font given in points.
    FontHeights of(const QFont& font);

private:
    QPaintDevice& device_;
    QHash<QString, FontHeights> known_;
};

// What one line holds, and how far its paragraph's line spacing stretches it.
struct LineContent {
    FontHeights text;        // the tallest fonts of its text (or of its paragraph mark when empty)
    qreal pictureHeight = 0; // the tallest picture, twips
    bool hasText = false;    // text characters, spaces included
    bool hasPictures = false;
    int spacingPercent = 100; // single 100, one and a half 150, double 200
};

struct LineBox {
    qreal height = 0;   // twips, the line spacing's extra space included
    qreal spacing = 0;  // the extra space under the text, which may hang past the page's bottom margin
    qreal baseline = 0; // below the line's top
    qreal shift = 0;    // how far the text moves right of where Qt aligned it

    qreal inkHeight() const { return height - spacing; }
};

// Text sits on a baseline below the tallest ascent; a line of pictures alone stands at the line's top and
// is at least as tall as its font. Spacing above single adds its share of the font's height below the text.
LineBox lineBoxOf(const LineContent& line);

} // namespace word::engine::print
