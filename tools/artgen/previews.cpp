#include "previews.h"

#include <QPainter>

#include <algorithm>
#include <initializer_list>

namespace artgen {

namespace {

const QColor Paper(255, 255, 255);
const QColor Edge(0x8a, 0x88, 0x80);
// The sheet lies on the wizard's form colour and casts a shadow on it.
const QColor Form(209, 207, 192);
const QColor Shadow(0xa8, 0xa6, 0x98);
const QColor Text(0x70, 0x70, 0x70);

// A miniature sheet: white, with an edge and a drop shadow, and the text column inside it.
struct Sheet {
    QImage image;
    QRect page;
    int left = 0, right = 0; // the text column, inclusive pixel columns

    int width() const { return right - left + 1; }
};

Sheet blankSheet(QSize size, int margin) {
    Sheet sheet{QImage(size, QImage::Format_RGB32), QRect(0, 0, size.width() - 2, size.height() - 2), 0, 0};
    sheet.image.fill(Form);
    QPainter p(&sheet.image);
    p.fillRect(sheet.page.translated(2, 2), Shadow);
    p.fillRect(sheet.page, Paper);
    p.setPen(Edge);
    p.drawRect(sheet.page.adjusted(0, 0, -1, -1));
    sheet.left = margin;
    sheet.right = sheet.page.width() - 1 - margin;
    return sheet;
}

// Lines of greeked text, one per given share of the width, three pixels apart. Returns the next
// free row.
int textLines(QPainter& p, int x, int width, int y, std::initializer_list<double> shares,
              Qt::Alignment alignment = Qt::AlignLeft, const QColor& colour = Text) {
    for (const double share : shares) {
        if (share <= 0.0) { // a blank line
            y += 3;
            continue;
        }
        const int length = std::max(2, static_cast<int>(width * share + 0.5));
        int start = x;
        if (alignment & Qt::AlignRight)
            start = x + width - length;
        else if (alignment & Qt::AlignHCenter)
            start = x + (width - length) / 2;
        p.fillRect(QRect(start, y, length, 1), colour);
        y += 3;
    }
    return y;
}

QImage fitted(const QImage& picture, int width) {
    return picture.scaledToWidth(width, Qt::SmoothTransformation);
}

// The middle part of a strip, `width` pixels of it shown `shownWidth` wide.
QImage stripMiddle(const QImage& strip, int width, int shownWidth) {
    const int x = (strip.width() - width) / 2;
    return strip.copy(x, 0, width, strip.height()).scaledToWidth(shownWidth, Qt::SmoothTransformation);
}

QImage stripStart(const QImage& strip, int width, int shownWidth) {
    return strip.copy(0, 0, width, strip.height()).scaledToWidth(shownWidth, Qt::SmoothTransformation);
}

// Lines beside a heading: `offset` pixels in from the column's left, from row `top`.
struct BesideLines {
    int offset;
    int top;
    std::initializer_list<double> shares;
};

// A heading picture in the top left corner, lines beside it and lines under it. Returns the next free row.
int headingTopLeft(QPainter& p, const Sheet& sheet, const QImage& heading, const BesideLines& beside,
                   std::initializer_list<double> under, const QColor& ink) {
    p.drawImage(sheet.left, 5, heading);
    textLines(p, sheet.left + beside.offset, sheet.width() - beside.offset, beside.top, beside.shares,
              Qt::AlignLeft, ink);
    return textLines(p, sheet.left, sheet.width(), 5 + heading.height() + 4, under, Qt::AlignLeft, ink);
}

// The salutation from row `top`, the content under it and the closing under that.
void salutationContentClosing(QPainter& p, const Sheet& sheet, int top, std::initializer_list<double> content,
                              std::initializer_list<double> closing, Qt::Alignment closingAlignment,
                              const QColor& ink) {
    int y = textLines(p, sheet.left, sheet.width(), top, {0.35}, Qt::AlignLeft, ink);
    y = textLines(p, sheet.left, sheet.width(), y + 1, content, Qt::AlignLeft, ink);
    textLines(p, sheet.left, sheet.width(), y + 2, closing, closingAlignment, ink);
}

} // namespace

QImage classicPreview(const StylePictures& pictures) {
    Sheet sheet = blankSheet({92, 93}, 8);
    QPainter p(&sheet.image);
    const QImage heading = fitted(pictures.classic, 42);
    p.drawImage(sheet.right + 1 - heading.width(), 6, heading);
    textLines(p, sheet.left, 30, 10, {0.55}, Qt::AlignLeft);
    int y = textLines(p, sheet.left, 30, 16, {0.9, 0.75, 0.6});
    y = std::max(y, 6 + heading.height()) + 3;
    // The drawn rule under the heading band, and the one near the foot of the page.
    p.fillRect(QRect(sheet.left, y, sheet.width(), 1), QColor(0x20, 0x20, 0x20));
    y = textLines(p, sheet.left, sheet.width(), y + 5, {0.35});
    y = textLines(p, sheet.left, sheet.width(), y + 2, {1, 1, 1, 1, 0.7});
    y = textLines(p, sheet.left, sheet.width(), y + 3, {0.45, 0.3, 0.4});
    p.fillRect(QRect(sheet.left, 83, sheet.width(), 1), QColor(0x20, 0x20, 0x20));
    return sheet.image;
}

QImage darkPreview(const StylePictures& pictures) {
    Sheet sheet = blankSheet({94, 93}, 8);
    QPainter p(&sheet.image);
    const QImage heading = fitted(pictures.dark, 36);
    p.drawImage(sheet.right + 1 - heading.width(), 6, heading);
    int y = textLines(p, sheet.left, 36, 9, {0.45, 0.9, 0.8, 0.6}, Qt::AlignLeft, QColor(0x50, 0x50, 0x50));
    y = std::max(y, 6 + heading.height()) + 3;
    const QImage rule =
        pictures.darkLine.scaled(sheet.width(), 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    p.drawImage(sheet.left, y, rule);
    y = textLines(p, sheet.left, sheet.width(), y + 7, {0.35}, Qt::AlignLeft, QColor(0x50, 0x50, 0x50));
    y = textLines(p, sheet.left, sheet.width(), y + 2, {1, 1, 1, 1, 0.6}, Qt::AlignLeft,
                  QColor(0x50, 0x50, 0x50));
    textLines(p, sheet.left, sheet.width(), y + 3, {0.35, 0.3, 0.45, 0.4}, Qt::AlignRight,
              QColor(0x50, 0x50, 0x50));
    const QImage last =
        pictures.darkLine.scaled(sheet.width() * 2 / 3, 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    p.drawImage(sheet.right + 1 - last.width(), 82, last);
    return sheet.image;
}

QImage romanticPreview(const StylePictures& pictures) {
    Sheet sheet = blankSheet({93, 92}, 7);
    QPainter p(&sheet.image);
    const QColor ink(0x8a, 0x5a, 0x6c);
    const int y = headingTopLeft(p, sheet, fitted(pictures.romantic, 44), {47, 10, {0.9, 0.7, 0.8}},
                                 {0.3, 0.45, 0.4}, ink);
    const QImage strip = stripMiddle(pictures.romanticLine, 330, sheet.width());
    p.drawImage(sheet.left, y + 1, strip);
    salutationContentClosing(p, sheet, y + strip.height() + 4, {1, 1, 1, 0.75}, {0.4, 0.3}, Qt::AlignLeft,
                             ink);
    p.drawImage(sheet.left, 90 - 2 - strip.height() - 2, strip);
    return sheet.image;
}

QImage elegantPreview(const StylePictures& pictures) {
    Sheet sheet = blankSheet({92, 92}, 9);
    QPainter p(&sheet.image);
    const QImage heading = fitted(pictures.elegant, 28);
    const int centre = (sheet.left + sheet.right + 1) / 2;
    p.drawImage(centre - heading.width() / 2, 3, heading);
    int y = textLines(p, sheet.left, sheet.width(), 3 + heading.height() + 3, {0.4, 0.55}, Qt::AlignHCenter);
    y = textLines(p, sheet.left, sheet.width(), y + 2, {0.35, 0.5});
    const QImage strip = stripMiddle(pictures.elegantLine, 220, sheet.width());
    p.drawImage(sheet.left, y, strip);
    y = textLines(p, sheet.left, sheet.width(), y + strip.height() + 3, {1, 1, 0.65});
    y = textLines(p, sheet.left, sheet.width(), y + 2, {0.35, 0.3});
    const QImage flourish = fitted(pictures.elegantDown, 34);
    p.drawImage(centre - flourish.width() / 2, y, flourish);
    return sheet.image;
}

QImage modernisticPreview(const StylePictures& pictures) {
    Sheet sheet = blankSheet({98, 98}, 8);
    QPainter p(&sheet.image);
    const QColor ink(0x40, 0x40, 0x40);
    const int y = headingTopLeft(p, sheet, fitted(pictures.modern, 30), {35, 14, {0.8, 0.6, 0.7}},
                                 {0.3, 0.0, 0.45, 0.5}, ink);
    const QImage strip = stripStart(pictures.modernLine, 260, sheet.width());
    p.drawImage(sheet.left, y, strip);
    salutationContentClosing(p, sheet, y + strip.height() + 4, {1, 1, 1, 0.7}, {0.35, 0.3, 0.25},
                             Qt::AlignRight, ink);
    p.drawImage(sheet.left, 95 - 3 - strip.height() - 1, strip);
    return sheet.image;
}

} // namespace artgen
