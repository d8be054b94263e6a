#pragma once

// Text as it may be stored in a document: what typing turns into paragraphs and characters.

#include <QString>
#include <QStringList>

namespace word::engine {

// Splits typed text into the texts of the paragraphs it makes. A carriage return + line feed pair, a lone
// carriage return and a lone line feed each end a paragraph, so n paragraph ends give n + 1 pieces. Each
// piece is cleaned by storableText().
QStringList typedParagraphs(const QString& text);

// The text with everything a document cannot hold taken out: a tab stays; every other control character
// (C0, DEL, C1) is dropped; a lone surrogate and the non-characters U+FFFE and U+FFFF become U+FFFD, the
// replacement character, so that the loss shows. Well-formed surrogate pairs are kept.
QString storableText(const QString& text);

// True when storableText() would return the text unchanged and it holds no paragraph end.
bool isStorableText(const QString& text);

} // namespace word::engine
