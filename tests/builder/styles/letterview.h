#pragma once

// A letter as the style tests read it: every paragraph in document order, those of a table marked with
// their cell, each picture named after the style picture it shows.

#include "word/engine/model.h"

#include <QString>

#include <string>
#include <vector>

namespace tavrin::testing {

struct LetterLine {
    QString cell; // "(1,2)" for a paragraph of a table cell, empty for a paragraph of the body
    QString text; // the text, with each picture as "<file name>"
    const word::engine::Paragraph* paragraph = nullptr;

    int alignment() const { return paragraph->format.alignment; }
    // Every text run's format, in order.
    std::vector<word::engine::CharFormat> runFormats() const;
    // "(1,2) text" for a cell's paragraph, the text alone for the body's.
    std::string shown() const;
};

std::vector<LetterLine> linesOf(const word::engine::DocumentModel& model);
std::vector<std::string> shownLines(const std::vector<LetterLine>& lines);

// The document's tables, in order.
std::vector<const word::engine::Table*> tablesOf(const word::engine::DocumentModel& model);

// "<romantic.bmp>": how a picture shows in a line, told by its pixel size.
QString pictureMark(const word::engine::Picture& picture);

} // namespace tavrin::testing
