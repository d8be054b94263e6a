#include "text.h"

namespace word::engine {

namespace {

bool isDroppedControl(char16_t c) {
    return (c < 0x20 && c != u'\t') || (c >= 0x7F && c <= 0x9F);
}

bool isNonCharacter(char16_t c) {
    return c == 0xFFFE || c == 0xFFFF;
}

} // namespace

QString storableText(const QString& text) {
    if (isStorableText(text))
        return text;
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() &&
            QChar::isLowSurrogate(text[i + 1].unicode())) {
            out.append(text[i]);
            out.append(text[++i]);
        } else if (QChar::isSurrogate(c) || isNonCharacter(c)) {
            out.append(QChar::ReplacementCharacter);
        } else if (!isDroppedControl(c)) {
            out.append(text[i]);
        }
    }
    return out;
}

bool isStorableText(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && QChar::isLowSurrogate(text[i + 1].unicode()))
            ++i;
        else if (QChar::isSurrogate(c) || isNonCharacter(c) || isDroppedControl(c))
            return false;
    }
    return true;
}

QStringList typedParagraphs(const QString& text) {
    QStringList pieces;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n')
            continue;
        pieces.append(storableText(text.mid(start, i - start)));
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    pieces.append(storableText(text.mid(start)));
    return pieces;
}

} // namespace word::engine
