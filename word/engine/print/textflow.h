#pragma once

// A column of paragraphs (the body, or one table cell) shaped and broken into lines by Qt's text layout at
// the column's width, with each line's height taken the way a word processor stacks lines (lineheights.h).
// Lengths are in twips.

#include "lineheights.h"
#include "pictures.h"
#include "word/engine/model.h"

#include <QTextDocument>

#include <vector>

class QPainter;

namespace word::engine::print {

class TextFlow {
public:
    // The paragraphs and the layout device must outlive the flow.
    TextFlow(std::vector<const Paragraph*> paragraphs, qreal width, QPaintDevice& layoutDevice,
             LineHeights& heights);
    TextFlow(const TextFlow&) = delete;
    TextFlow& operator=(const TextFlow&) = delete;

    std::size_t size() const { return sources_.size(); }
    const Paragraph& source(std::size_t paragraph) const { return *sources_[paragraph]; }
    // The lines of a paragraph, at least one.
    const std::vector<LineBox>& lines(std::size_t paragraph) const { return lines_[paragraph]; }

    // Draws one line with the column's left edge at origin.x() and the line's top at origin.y().
    void drawLine(QPainter& painter, std::size_t paragraph, int line, QPointF origin) const;

private:
    void build(qreal width, QPaintDevice& layoutDevice);
    void measureLines(LineHeights& heights);
    LineContent contentOf(const QTextBlock& block, int start, int end, LineHeights& heights) const;

    PictureObjects pictures_;
    QTextDocument document_;
    std::vector<const Paragraph*> sources_;
    std::vector<std::vector<LineBox>> lines_;
};

} // namespace word::engine::print
