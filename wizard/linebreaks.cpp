#include "linebreaks.h"

namespace tavrin {

QString withCrLf(const QString& text) {
    QString result;
    result.reserve(text.size() + text.size() / 8);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const bool lineBreak =
            c == u'\n' || c == u'\r' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
        if (!lineBreak) {
            result.append(c);
            continue;
        }
        result.append(u"\r\n");
        if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
            ++i;
    }
    return result;
}

} // namespace tavrin
