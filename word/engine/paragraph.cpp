#include "paragraph.h"

#include <algorithm>

namespace word::engine {

namespace {

int lengthOf(const Inline& item) {
    if (const auto* run = std::get_if<TextRun>(&item))
        return int(run->text.size());
    return 1;
}

void normalise(std::vector<Inline>& content) {
    std::vector<Inline> out;
    out.reserve(content.size());
    for (Inline& item : content) {
        auto* run = std::get_if<TextRun>(&item);
        if (run && run->text.isEmpty())
            continue;
        auto* previous = out.empty() ? nullptr : std::get_if<TextRun>(&out.back());
        if (run && previous && previous->format == run->format)
            previous->text += run->text;
        else
            out.push_back(std::move(item));
    }
    content = std::move(out);
}

// Makes sure an item starts at the offset; returns the index of that item (content.size() at the end).
std::size_t boundaryAt(std::vector<Inline>& content, int offset) {
    int start = 0;
    for (std::size_t i = 0; i < content.size(); ++i) {
        const int length = lengthOf(content[i]);
        if (offset == start)
            return i;
        if (offset < start + length) {
            auto& run = std::get<TextRun>(content[i]); // pictures are one character long
            TextRun tail{run.format, run.text.mid(offset - start)};
            run.text.truncate(offset - start);
            content.insert(content.begin() + std::ptrdiff_t(i) + 1, std::move(tail));
            return i + 1;
        }
        start += length;
    }
    return content.size();
}

// One character of a paragraph: a picture, or a Unicode code point of one or two code units.
struct Character {
    bool picture = false;
    char32_t code = 0;
    int width = 1;
};

Character characterAt(const Paragraph& paragraph, int offset) {
    int start = 0;
    for (const Inline& item : paragraph.content) {
        const int length = lengthOf(item);
        if (offset < start + length) {
            const auto* run = std::get_if<TextRun>(&item);
            if (!run)
                return {true, 0, 1};
            const qsizetype i = offset - start;
            const char16_t c = run->text[i].unicode();
            if (QChar::isHighSurrogate(c) && i + 1 < run->text.size() &&
                QChar::isLowSurrogate(run->text[i + 1].unicode()))
                return {false, QChar::surrogateToUcs4(c, run->text[i + 1].unicode()), 2};
            return {false, c, 1};
        }
        start += length;
    }
    return {};
}

enum class WordClass { Letters, Punctuation, Space, Single };

WordClass classOf(const Character& c) {
    if (c.picture || c.code == u'\t')
        return WordClass::Single;
    if (QChar::isSpace(c.code))
        return WordClass::Space;
    if (QChar::isLetterOrNumber(c.code) || QChar::isMark(c.code) || c.code == u'_')
        return WordClass::Letters;
    return WordClass::Punctuation;
}

} // namespace

int lengthOf(const Paragraph& paragraph) {
    int length = 0;
    for (const Inline& item : paragraph.content)
        length += lengthOf(item);
    return length;
}

bool isEmptyParagraph(const Paragraph& paragraph) {
    return lengthOf(paragraph) == 0;
}

QString textOf(const Paragraph& paragraph, int from, int to) {
    QString text;
    int start = 0;
    for (const Inline& item : paragraph.content) {
        const int length = lengthOf(item);
        const int a = std::max(from, start), b = std::min(to, start + length);
        if (a < b) {
            if (const auto* run = std::get_if<TextRun>(&item))
                text += run->text.mid(a - start, b - a);
            else
                text += QChar(PictureCharacter);
        }
        start += length;
    }
    return text;
}

QString textOf(const Paragraph& paragraph) {
    return textOf(paragraph, 0, lengthOf(paragraph));
}

CharFormat formatAt(const Paragraph& paragraph, int offset) {
    const TextRun* before = nullptr;
    const TextRun* after = nullptr;
    int start = 0;
    for (const Inline& item : paragraph.content) {
        const auto* run = std::get_if<TextRun>(&item);
        if (run && start < offset)
            before = run;
        if (run && !after && start + lengthOf(item) > offset)
            after = run;
        start += lengthOf(item);
    }
    if (before)
        return before->format;
    if (after)
        return after->format;
    return paragraph.markFormat;
}

void insertText(Paragraph& paragraph, int offset, const QString& text, const CharFormat& format) {
    if (text.isEmpty())
        return;
    const std::size_t at = boundaryAt(paragraph.content, offset);
    paragraph.content.insert(paragraph.content.begin() + std::ptrdiff_t(at), TextRun{format, text});
    normalise(paragraph.content);
}

void insertPicture(Paragraph& paragraph, int offset, Picture picture) {
    const std::size_t at = boundaryAt(paragraph.content, offset);
    paragraph.content.insert(paragraph.content.begin() + std::ptrdiff_t(at), std::move(picture));
    normalise(paragraph.content);
}

Paragraph splitOff(Paragraph& paragraph, int offset) {
    Paragraph tail{paragraph.format, paragraph.markFormat, {}};
    const std::size_t at = boundaryAt(paragraph.content, offset);
    tail.content.assign(std::make_move_iterator(paragraph.content.begin() + std::ptrdiff_t(at)),
                        std::make_move_iterator(paragraph.content.end()));
    paragraph.content.erase(paragraph.content.begin() + std::ptrdiff_t(at), paragraph.content.end());
    return tail;
}

void append(Paragraph& paragraph, Paragraph&& tail) {
    paragraph.content.insert(paragraph.content.end(), std::make_move_iterator(tail.content.begin()),
                             std::make_move_iterator(tail.content.end()));
    normalise(paragraph.content);
}

void formatAll(Paragraph& paragraph, const std::function<void(CharFormat&)>& change) {
    for (Inline& item : paragraph.content)
        if (auto* run = std::get_if<TextRun>(&item))
            change(run->format);
    change(paragraph.markFormat);
    normalise(paragraph.content);
}

int pictureCount(const Paragraph& paragraph) {
    return int(std::count_if(paragraph.content.begin(), paragraph.content.end(),
                             [](const Inline& item) { return std::holds_alternative<Picture>(item); }));
}

int nextCharacter(const Paragraph& paragraph, int offset) {
    if (offset >= lengthOf(paragraph))
        return offset;
    return offset + characterAt(paragraph, offset).width;
}

int characterBoundary(const Paragraph& paragraph, int offset) {
    if (offset <= 0 || offset >= lengthOf(paragraph))
        return offset;
    const Character previous = characterAt(paragraph, offset - 1);
    return previous.width == 2 ? offset - 1 : offset;
}

int endOfWord(const Paragraph& paragraph, int offset) {
    const int length = lengthOf(paragraph);
    if (offset >= length)
        return offset;
    const WordClass first = classOf(characterAt(paragraph, offset));
    int at = offset;
    if (first == WordClass::Single) {
        at = nextCharacter(paragraph, at);
    } else if (first != WordClass::Space) {
        while (at < length && classOf(characterAt(paragraph, at)) == first)
            at = nextCharacter(paragraph, at);
    }
    while (at < length && classOf(characterAt(paragraph, at)) == WordClass::Space)
        at = nextCharacter(paragraph, at);
    return at;
}

} // namespace word::engine
