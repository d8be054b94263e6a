#include "textflow.h"

#include "units.h"
#include "word/engine/colorindex.h"

#include <QAbstractTextDocumentLayout>
#include <QFontInfo>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>

namespace word::engine::print {

namespace {

constexpr qreal DefaultTabStop = twips(36);

Qt::Alignment alignmentOf(int alignment) {
    switch (alignment) {
    case 1:
        return Qt::AlignHCenter;
    case 2:
        return Qt::AlignRight;
    case 3:
        return Qt::AlignJustify;
    default:
        return Qt::AlignLeft;
    }
}

int spacingPercentOf(int lineSpacingRule) {
    switch (lineSpacingRule) {
    case 1:
        return 150;
    case 2:
        return 200;
    default:
        return 100;
    }
}

QTextBlockFormat blockFormatOf(const ParaFormat& format) {
    QTextBlockFormat block;
    block.setAlignment(alignmentOf(format.alignment));
    block.setLeftMargin(twips(format.leftIndent));
    block.setRightMargin(twips(format.rightIndent));
    block.setTextIndent(twips(format.firstLineIndent));
    return block;
}

QTextCharFormat charFormatOf(const CharFormat& format) {
    QTextCharFormat text;
    text.setFontFamilies(QStringList{format.fontName});
    text.setFontPointSize(format.size);
    text.setFontWeight(format.bold ? QFont::Bold : QFont::Normal);
    text.setFontHintingPreference(QFont::PreferNoHinting);
    text.setForeground(QColor(rgbOfColorIndex(format.colorIndex).value_or(qRgb(0, 0, 0))));
    return text;
}

// Qt's line breaking looks for the next break opportunity before it breaks a word anywhere, so each line
// of a word longer than a line reads the word's whole rest: a long enough word (a hostile address, say)
// takes quadratic time. Past its first stretch of characters, such a word gets a zero-width space before
// every character, which makes each of them an opportunity: a line then reads only what it holds, and
// breaks where breaking anywhere would have broken it. The stretch is far longer than any line, so the
// word still starts on a line of its own, and real words are untouched.
constexpr int LongestUnbrokenStretch = 500;

constexpr QChar ZeroWidthSpace(0x200B);
constexpr QChar ZeroWidthJoiner(0x200D);

// Whether a break may come between two characters: never inside a surrogate pair, before a combining
// mark, or on either side of a joiner.
bool mayBreakBetween(QChar previous, QChar c) {
    return !c.isLowSurrogate() && !c.isMark() && c != ZeroWidthJoiner && previous != ZeroWidthJoiner;
}

bool isBreakingSpace(QChar c) {
    return c.isSpace() && c != QChar::Nbsp && c != QChar(0x2007) && c != QChar(0x202F);
}

// A paragraph's text for the text layout, its runs in order.
class PlainText {
public:
    // Characters the text layout would take for a paragraph end, a line break or one of its own objects
    // become ordinary ones.
    QString of(const QString& text) {
        QString plain;
        plain.reserve(text.size());
        for (QChar c : text) {
            if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator)
                c = QLatin1Char(' ');
            else if (c == QChar::ObjectReplacementCharacter)
                c = QChar::ReplacementCharacter;
            unbroken_ = isBreakingSpace(c) ? 0 : unbroken_ + 1;
            if (unbroken_ > LongestUnbrokenStretch && mayBreakBetween(previous_, c))
                plain += ZeroWidthSpace;
            plain += c;
            previous_ = c;
        }
        return plain;
    }
    // A picture between runs breaks the stretch.
    void picture() {
        unbroken_ = 0;
        previous_ = QChar::ObjectReplacementCharacter;
    }

private:
    int unbroken_ = 0;
    QChar previous_;
};

// Qt centres and right-aligns a paragraph's last line with its trailing spaces; word processors leave
// them hanging past the margin. (Qt already does so at a line that wraps.)
qreal trailingSpaceShift(const QTextLine& line, const QString& text, int alignment) {
    const int end = line.textStart() + line.textLength();
    int lastVisible = end;
    while (lastVisible > line.textStart() && text.at(lastVisible - 1) == QLatin1Char(' '))
        --lastVisible;
    if (lastVisible == end || (alignment != 1 && alignment != 2))
        return 0;
    const qreal trailing = line.cursorToX(end) - line.cursorToX(lastVisible);
    return alignment == 1 ? trailing / 2 : trailing;
}

// Qt scales tab stops from its default resolution (the screen's) to the layout device's; a tab stop is
// given in that resolution's pixels.
qreal tabStopPixels(qreal twipsDistance) {
    QFont probe;
    probe.setPointSizeF(72);
    const int defaultDpi = QFontInfo(probe).pixelSize();
    return twipsDistance * (defaultDpi > 0 ? defaultDpi : 96) / LayoutDotsPerInch;
}

} // namespace

TextFlow::TextFlow(std::vector<const Paragraph*> paragraphs, qreal width, QPaintDevice& layoutDevice,
                   LineHeights& heights)
    : sources_(std::move(paragraphs)) {
    build(width, layoutDevice);
    measureLines(heights);
}

void TextFlow::build(qreal width, QPaintDevice& layoutDevice) {
    document_.documentLayout()->setPaintDevice(&layoutDevice);
    document_.documentLayout()->registerHandler(PictureObjects::ObjectType, &pictures_);
    document_.setUndoRedoEnabled(false);
    document_.setUseDesignMetrics(true);
    document_.setDocumentMargin(0);
    QTextOption option = document_.defaultTextOption();
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    option.setTabStopDistance(tabStopPixels(DefaultTabStop));
    option.setUseDesignMetrics(true);
    document_.setDefaultTextOption(option);
    document_.setTextWidth(std::max<qreal>(width, 1));

    QTextCursor cursor(&document_);
    // One edit: the layout runs once, at its end, not again from each insertion to the end.
    cursor.beginEditBlock();
    bool first = true;
    for (const Paragraph* paragraph : sources_) {
        const QTextBlockFormat block = blockFormatOf(paragraph->format);
        const QTextCharFormat mark = charFormatOf(paragraph->markFormat);
        if (first) {
            cursor.setBlockFormat(block);
            cursor.setBlockCharFormat(mark);
            first = false;
        } else {
            cursor.insertBlock(block, mark);
        }
        PlainText plain;
        for (const Inline& content : paragraph->content) {
            if (const auto* run = std::get_if<TextRun>(&content)) {
                cursor.insertText(plain.of(run->text), charFormatOf(run->format));
            } else {
                plain.picture();
                cursor.insertText(QString(QChar::ObjectReplacementCharacter),
                                  pictures_.formatFor(std::get<Picture>(content)));
            }
        }
    }
    cursor.endEditBlock();
    document_.documentLayout()->documentSize(); // lays the whole document out
}

void TextFlow::measureLines(LineHeights& heights) {
    lines_.resize(sources_.size());
    QTextBlock block = document_.begin();
    for (std::size_t paragraph = 0; paragraph < sources_.size(); ++paragraph, block = block.next()) {
        const int spacing = spacingPercentOf(sources_[paragraph]->format.lineSpacingRule);
        const QTextLayout* layout = block.layout();
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            LineContent content =
                contentOf(block, line.textStart(), line.textStart() + line.textLength(), heights);
            content.spacingPercent = spacing;
            LineBox box = lineBoxOf(content);
            if (i + 1 == layout->lineCount())
                box.shift = trailingSpaceShift(line, block.text(), sources_[paragraph]->format.alignment);
            lines_[paragraph].push_back(box);
        }
        if (lines_[paragraph].empty()) {
            LineContent mark{heights.of(block.charFormat().font())};
            mark.spacingPercent = spacing;
            lines_[paragraph].push_back(lineBoxOf(mark));
        }
    }
}

// The fonts and pictures of a line. A picture counts with the document's default font, which the
// package gives the run that holds it; an empty line takes the paragraph mark's font.
LineContent TextFlow::contentOf(const QTextBlock& block, int start, int end, LineHeights& heights) const {
    LineContent line;
    const auto takeFont = [&](const QFont& font) {
        const FontHeights f = heights.of(font);
        line.text.ascent = std::max(line.text.ascent, f.ascent);
        line.text.descent = std::max(line.text.descent, f.descent);
    };
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        const int from = fragment.position() - block.position();
        const int to = from + fragment.length();
        if (to <= start || from >= end)
            continue;
        const QTextCharFormat format = fragment.charFormat();
        if (const Picture* picture = pictures_.pictureOf(format)) {
            line.hasPictures = true;
            line.pictureHeight = std::max(line.pictureHeight, twips(picture->height));
            takeFont(charFormatOf(CharFormat{}).font());
        } else {
            line.hasText = true;
            takeFont(format.font());
        }
    }
    if (!line.hasText && !line.hasPictures)
        takeFont(block.charFormat().font());
    return line;
}

void TextFlow::drawLine(QPainter& painter, std::size_t paragraph, int lineNumber, QPointF origin) const {
    const QTextBlock block = document_.findBlockByNumber(int(paragraph));
    const QTextLayout* layout = block.layout();
    if (lineNumber >= layout->lineCount())
        return; // an empty paragraph's line has nothing to draw
    const QTextLine line = layout->lineAt(lineNumber);
    const LineBox& box = lines_[paragraph][std::size_t(lineNumber)];
    // Qt draws the baseline at the line's y plus its own ascent; move it onto the stacked baseline.
    const QPointF position(origin.x() + layout->position().x() + box.shift,
                           origin.y() + box.baseline - line.ascent() - line.y());
    line.draw(&painter, position);
}

} // namespace word::engine::print
