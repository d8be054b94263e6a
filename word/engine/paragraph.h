#pragma once

// Editing one paragraph's content. Offsets are in characters as Position counts them; every function
// leaves the content normalised: no empty text runs, no two neighbouring runs with the same format.

#include "model.h"

#include <functional>

namespace word::engine {

// Stands for an inline picture in the text of a paragraph.
inline constexpr char16_t PictureCharacter = 0xFFFC;

int lengthOf(const Paragraph& paragraph);
bool isEmptyParagraph(const Paragraph& paragraph);

// The text between two offsets; a picture reads as PictureCharacter.
QString textOf(const Paragraph& paragraph, int from, int to);
QString textOf(const Paragraph& paragraph);

// The formatting that text typed at the offset takes: that of the nearest text before it, else of the
// first text after it, else that of the paragraph mark.
CharFormat formatAt(const Paragraph& paragraph, int offset);

void insertText(Paragraph& paragraph, int offset, const QString& text, const CharFormat& format);
void insertPicture(Paragraph& paragraph, int offset, Picture picture);

// Moves the content from the offset on into a new paragraph with the same paragraph and mark formats.
Paragraph splitOff(Paragraph& paragraph, int offset);
// Appends the content of another paragraph.
void append(Paragraph& paragraph, Paragraph&& tail);

// Applies a change to the formatting of every run and of the paragraph mark.
void formatAll(Paragraph& paragraph, const std::function<void(CharFormat&)>& change);

int pictureCount(const Paragraph& paragraph);

// The offset one character to the right (a surrogate pair is one character); the length at the end.
int nextCharacter(const Paragraph& paragraph, int offset);
// The offset itself, or one less when it falls inside a surrogate pair.
int characterBoundary(const Paragraph& paragraph, int offset);

// The end of the word the offset stands in, as a word processor moves there: a word is a run of letters
// and digits, or of punctuation, together with the spaces after it; a tab and a picture are words of
// their own. At the end of the paragraph's text the offset is returned unchanged.
int endOfWord(const Paragraph& paragraph, int offset);

} // namespace word::engine
