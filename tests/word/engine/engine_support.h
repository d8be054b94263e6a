#pragma once

// What the engine's tests share: a fresh engine with one document, and a readable outline of a model.

#include "word/engine/engine.h"
#include "word/engine/model.h"
#include "word/word.h"

#include <gtest/gtest.h>

#include <QString>

#include <ostream>
#include <string>
#include <vector>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE

namespace enginetest {

// The body, one line per block: a paragraph's text (a picture as "#"), a table as
// "[cell | cell]" per row, with a cell's paragraphs joined by "/".
std::vector<std::string> outline(const word::engine::DocumentModel& model);
std::string text(const word::engine::Paragraph& paragraph);

const word::engine::Paragraph& bodyParagraph(const word::engine::DocumentModel& model, int block);
const word::engine::Table& bodyTable(const word::engine::DocumentModel& model, int block);
const word::engine::Paragraph& cellParagraph(const word::engine::DocumentModel& model, int block, int row,
                                             int column, int paragraph = 0);

// Runs a call that must fail with the given error number.
template <class Call> int errorOf(Call&& call) {
    try {
        call();
    } catch (const word::AutomationError& error) {
        EXPECT_FALSE(error.description.isEmpty());
        return error.number;
    }
    return 0;
}

class EngineTest : public ::testing::Test {
protected:
    word::engine::Engine engine;
    word::Ref<word::Document> document = engine.CreateDocument();
    word::Ref<word::Selection> selection = document->ActiveWindow()->Selection();

    const word::engine::DocumentModel& model() const { return word::engine::modelOf(document); }
    std::vector<std::string> lines() const { return outline(model()); }
    word::engine::SelectionState where() const { return word::engine::selectionOf(document); }

    // A table at the start of the document; the insertion point in its cell (1, 1).
    word::Ref<word::Table> tableAtStart(int rows, int columns);
    // Leaves the text in a paragraph after a one-cell table, with the insertion point at its start.
    void startOfParagraphHolding(const QString& text);
    void typeLines(const std::vector<QString>& lines); // each followed by a paragraph end but the last
};

} // namespace enginetest
