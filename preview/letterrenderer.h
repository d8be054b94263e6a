#pragma once

// The letter Finish would write for a snapshot of the wizard: the chosen style's own layout routine on a
// built-in engine of its own, in memory, painted page by page by the renderer that prints the letter and
// writes letters.pdf. Nothing is written to disk: the style pictures are handed over from memory.

#include "builder/wizardchoices.h"
#include "word/engine/model.h"

#include <QImage>
#include <QString>

#include <vector>

namespace tavrin::preview {

struct RenderedLetter {
    std::vector<QImage> pages; // from page one; none when no style is chosen
    QString text;              // the letter's text in reading order, one line per paragraph with text
};

// The model Finish would build for these choices. No files: the pictures come from memory.
word::engine::DocumentModel buildLetter(const WizardChoices& choices);

// The letter's pages at the given resolution, and its text. Needs a QGuiApplication; runs on any thread.
RenderedLetter renderLetter(const WizardChoices& choices, qreal dotsPerInch);

// The text of a letter in reading order: paragraph after paragraph, table cells row by row; pictures and
// empty paragraphs say nothing.
QString readingText(const word::engine::DocumentModel& model);

} // namespace tavrin::preview
