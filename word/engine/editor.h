#pragma once

// One engine document with its selection: the editing and moving rules of a desktop word processor, on
// the document model, free of handles and of the interface's objects.
//
// The selection is an insertion point, a whole table cell, or a line shape.
//
// Formatting at the insertion point. The insertion point carries the character formatting that text
// typed there takes. When it moves it takes the formatting of the text before it (of the first text after
// it at the start of a paragraph, of the paragraph mark in an empty paragraph). Font settings change that
// formatting and, in an empty paragraph, the paragraph mark's; with a cell selected they also format all
// of the cell's text and marks. Paragraph settings apply to the paragraph of the insertion point, or to
// every paragraph of a selected cell; paragraphs split off later keep them.
//
// Typing (typeText, typeParagraph). A selected cell is first emptied: it keeps one empty paragraph with
// the formats of its last paragraph, and typing takes the formatting the cell's text started with. Then
// the text goes in at the insertion point, in the insertion formatting, and the insertion point ends after
// it. A paragraph end splits the paragraph: both halves keep the paragraph format; the first half ends
// in a new paragraph mark in the insertion formatting; the second half keeps the old mark, or takes the
// insertion formatting when it is empty. The insertion formatting goes on unchanged.
//
// Moving.
// - endOfWord: to the end of the word the insertion point stands in (words as endOfWord() in paragraph.h
//   defines them); at the end of a paragraph's text it stays.
// - moveRight: a selected cell collapses to the start of the next cell (along the row, then the next
//   row), or of the paragraph after the table for the last cell, and that is the move. Otherwise one
//   character right; at the end of a paragraph to the start of the next paragraph of the cell, the next
//   cell, the next block of the body (a table: its first cell) or, after the last cell, the paragraph after
//   the table. At the end of the document it stays.
// - moveDown: a line is a paragraph. To the next paragraph of the cell; from a cell's last paragraph to the
//   first paragraph of the cell below, or from the last row to the paragraph after the table; in the body to
//   the next block (a table: its first cell). From the last paragraph it stays. A selected cell first
//   collapses to the end of its text. The insertion point keeps its offset where the paragraph reached is
//   long enough (a stand-in for the horizontal position), else goes to that paragraph's end.
// - With a line shape selected, any move returns the selection to the insertion point it had before, and
//   that is the move. Typing, formatting and inserting pictures fail while a shape is selected.
//
// Tables (addTable). At a collapsed place in a body paragraph: the paragraph is split there; text before
// the place stays in a paragraph above the table, text after it (possibly none) in a paragraph below
// with the paragraph's formats. So in an empty paragraph the paragraph becomes the table and an empty
// paragraph with the same formats follows it. The cells start as one empty paragraph each with the
// paragraph's format and mark formatting; columns share the text width equally; all borders are single
// and automatic (black). A table never directly follows another one: an empty paragraph is kept between.
// The insertion point goes to the start of cell (1, 1). Tables cannot be added inside a cell.
//
// Pictures (insertPicture) go in at the insertion point (replacing a selected cell's content, like
// typing), scaled down to the text width in the body or to the cell's width less its margins; the
// insertion point ends after the picture.

#include "model.h"
#include "picture.h"
#include "position.h"

#include <cstdint>
#include <functional>
#include <optional>

namespace word::engine {

class Editor {
public:
    enum class Selected { InsertionPoint, Cell, Shape };

    // The model is repaired where it breaks the model's rules (an empty body, a table without a
    // paragraph after it, a row shorter than the others, a cell without a paragraph, unstorable text).
    // Throws AutomationError (errors::BadDocument) when it is larger than the limits allow.
    explicit Editor(DocumentModel model = {});

    const DocumentModel& model() const { return model_; }

    Selected selected() const { return selected_; }
    // The insertion point; the start of a selected cell; the text's insertion point while a shape is
    // selected.
    Position insertionPoint() const { return caret_; }
    int selectedShape() const { return shape_; }
    const CharFormat& insertionFormat() const { return insertionFormat_; }
    // The insertion point, collapsed, or a selected cell's whole content.
    Span selectionSpan() const;

    void typeText(const QString& text);
    void typeParagraph();
    // Returns the size the picture is shown at.
    PictureSize insertPicture(Picture picture);
    void formatCharacters(const std::function<void(CharFormat&)>& change);
    void formatParagraphs(const std::function<void(ParaFormat&)>& change);
    // The formatting at the start of the selection.
    CharFormat characterFormat() const;
    ParaFormat paragraphFormat() const;

    void endOfWord();
    void moveRight();
    void moveDown();

    int tableCount() const { return int(tableIds_.size()); }
    // Every table keeps its id while it exists, whatever is added before it.
    std::uint64_t tableId(int index) const { return tableIds_.at(std::size_t(index)); }
    std::optional<int> tableIndex(std::uint64_t id) const;
    const Table& table(int index) const;
    void setBorderColors(int index, std::optional<int> inside, std::optional<int> outside);
    // The table the selection stands in, by index.
    std::optional<int> tableAtSelection() const;
    // Returns the new table's index. Rows and columns count from 1.
    int addTable(const Span& at, int rows, int columns);
    // Row and column count from 0.
    void selectCell(int index, int row, int column);

    int addLine(const LineShape& line);
    void selectShape(int index);

    bool isValid(const Span& span) const;
    // Paragraphs are separated by a carriage return; pictures read as PictureCharacter.
    QString textOf(const Span& span) const;
    int picturesInSelection() const;

private:
    Paragraph& paragraphAt(const Position& position);
    const Paragraph& paragraphAt(const Position& position) const;
    const TableCell& cellAt(const Position& position) const;
    TableCell& cellAt(const Position& position);
    int blockOfTable(int index) const;
    int tablesBefore(int block) const;
    Position startOfBlock(int block) const;
    Position afterCell(const Position& cell) const;
    Position nextParagraphStart(const Position& position) const;
    Position lineBelow(const Position& position) const;
    Position endOfCellText(const Position& cell) const;
    bool isValid(const Position& position) const;

    void moveTo(const Position& position);
    void requireText() const;
    void returnToText();
    void emptySelectedCell();
    void insertParagraphs(const QStringList& pieces);
    void checkGrowth(std::int64_t characters, std::int64_t paragraphs, std::int64_t pictureBytes = 0) const;
    void repair();

    DocumentModel model_;
    std::vector<std::uint64_t> tableIds_; // in document order
    std::uint64_t nextTableId_ = 1;
    Selected selected_ = Selected::InsertionPoint;
    Position caret_;
    int shape_ = -1;
    CharFormat insertionFormat_;
    std::int64_t characters_ = 0, paragraphs_ = 0, pictureBytes_ = 0;
};

} // namespace word::engine
