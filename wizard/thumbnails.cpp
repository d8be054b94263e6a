#include "thumbnails.h"

#include <QPainter>

namespace tavrin {

namespace {

const QColor Paper(255, 255, 255);
const QColor PaperEdge(150, 150, 150);
const QColor TextRule(176, 176, 176);

constexpr int Margin = 8;
constexpr int BlockWidth = 30;
constexpr int BlockHeight = 14;
constexpr int BlockTop = 8;
constexpr int FirstRule = 32;
constexpr int RuleSpacing = 5;
constexpr int RuleCount = 10;
constexpr int FootLineLength = 24;
constexpr int FootLineTops[] = {87, 92};

int blockLeft(LetterLayout layout) {
    switch (layout) {
    case LetterLayout::Centered:
        return (thumbnail::Width - BlockWidth) / 2;
    case LetterLayout::FlushLeft:
        return Margin;
    case LetterLayout::FlushRight:
        return thumbnail::Width - Margin - BlockWidth;
    }
    return Margin;
}

int footLineLeft(LetterLayout layout) {
    return layout == LetterLayout::FlushRight ? thumbnail::Width - Margin - FootLineLength : Margin;
}

void drawPaper(QPainter& painter) {
    painter.fillRect(0, 0, thumbnail::Width, thumbnail::Height, Paper);
    painter.setPen(PaperEdge);
    painter.drawRect(0, 0, thumbnail::Width - 1, thumbnail::Height - 1);
}

// Text lines across the page; every fourth one ends a paragraph and stops short.
void drawTextRules(QPainter& painter) {
    painter.setPen(TextRule);
    const int right = thumbnail::Width - Margin - 1;
    for (int i = 0; i < RuleCount; ++i) {
        const int y = FirstRule + i * RuleSpacing;
        const int end = (i % 4 == 3) ? right - 26 : right;
        painter.drawLine(Margin, y, end, y);
    }
}

void drawFootLines(QPainter& painter, LetterLayout layout) {
    painter.setPen(thumbnail::FootLine);
    const int left = footLineLeft(layout);
    for (int y : FootLineTops)
        painter.drawLine(left, y, left + FootLineLength - 1, y);
}

} // namespace

QImage layoutThumbnail(LetterLayout layout) {
    QImage image(thumbnail::Width, thumbnail::Height, QImage::Format_RGB888);
    QPainter painter(&image);
    drawPaper(painter);
    painter.fillRect(blockLeft(layout), BlockTop, BlockWidth, BlockHeight, thumbnail::HeadingBlock);
    drawTextRules(painter);
    drawFootLines(painter, layout);
    painter.end();
    return image;
}

} // namespace tavrin
