#pragma once

// A Writer document with a word processor's selection, emulated on Writer's cursors. The rules are the
// built-in engine's (word/engine/editor.h), so that a layout typed through either gives the same letter:
//
// - The insertion point is Writer's view cursor, the one the user sees. Word moves, paragraph moves and
//   typing are done on text cursors, which belong to one text (the body or one cell), and the view cursor
//   is then sent to where they ended.
// - The insertion formatting is kept here, as the engine keeps it: every text typed gets it as direct
//   formatting, so nothing depends on what Writer would carry over. It changes when the insertion point
//   moves (to the format of the text before it, as the engine reads the paragraph) and when the font is
//   set. An empty paragraph's own character attributes stand for its paragraph mark.
// - A paragraph end keeps the whole paragraph format on both halves (Writer drops some attributes from the
//   second half and keeps a page break on the first only: the format is put back).
// - A selected cell is a state of its own (Writer has no end-of-cell marks): typing first empties it,
//   formats reach all of its paragraphs, moving right goes to the next cell (Writer's view cursor does
//   that too, from the end of a cell), moving down leaves by the row below or after the table.
// - Tables: Writer puts a new table before the paragraph at the place and leaves the cursor after it; the
//   paragraph is split first where the engine keeps text above the table, the cells take the paragraph's
//   format and mark, and the insertion point goes into cell (1, 1).
// - Pictures: graphics anchored as characters, at the size the engine shows them (their own, scaled down
//   to the text or cell width). Lines: line shapes anchored to the page, positioned from its corner.
//
// Everything here runs on the session's call thread.

#include "formats.h"
#include "session.h"
#include "word/engine/model.h"
#include "word/engine/picture.h"

#include <com/sun/star/drawing/XShape.hpp>
#include <com/sun/star/text/XParagraphCursor.hpp>
#include <com/sun/star/text/XText.hpp>
#include <com/sun/star/text/XTextCursor.hpp>
#include <com/sun/star/text/XTextTable.hpp>
#include <com/sun/star/text/XTextViewCursor.hpp>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace word::live {

struct SelectionState {
    enum class Kind { InsertionPoint, Cell, Shape };
    Kind kind = Kind::InsertionPoint;
    // The selected cell; row and column from 0.
    css::uno::Reference<css::text::XTextTable> table;
    int row = 0, column = 0;
    // The selected line, and where the insertion point was when it was selected.
    css::uno::Reference<css::drawing::XShape> shape;
    css::uno::Reference<css::text::XTextRange> textPoint;
    engine::CharFormat insertionFormat;
};

// The insertion point as a text cursor of this program's own, with the interfaces it is used through
// looked up once. Typing moves it along, so that no statement has to find the insertion point again.
struct Caret {
    css::uno::Reference<css::text::XText> text;
    css::uno::Reference<css::text::XTextCursor> cursor;
    css::uno::Reference<css::text::XParagraphCursor> paragraph;
    Target properties;
};

// Rule colours that Writer has no line for (the inside of a one-cell table), kept as they were set.
struct RuleColours {
    css::uno::Reference<css::text::XTextTable> table;
    int inside = 0, outside = 0;
};

struct DocumentState {
    Session* session = nullptr; // the session that holds it; every call holds the session
    css::uno::Reference<css::lang::XComponent> component;
    QString fullName; // the file it was opened from or last saved to
    bool closed = false;
    // Made hidden in a visible application: its window shows once the letter is written (see objects.cpp).
    bool waitingForWindow = false;
    // Writer's view cursor, looked up once: the document keeps its controller for its whole life.
    css::uno::Reference<css::text::XTextViewCursor> view;
    SelectionState selection;
    // While the selection is an insertion point: where it is (empty until asked for, then taken from the
    // view cursor). In a hidden document the view cursor is sent after it only when it is next used, or
    // when the window shows (viewBehind).
    Caret caret;
    bool viewBehind = false;
    std::vector<RuleColours> ruleColours;
};

// A paragraph read from Writer into the engine's model (pictures hold no data), and a place in it.
struct ParagraphAt {
    engine::Paragraph paragraph;
    int offset = 0;
    css::uno::Reference<css::text::XTextCursor> start; // at the paragraph's start, in its text
};

class WriterDocument {
public:
    explicit WriterDocument(DocumentState& document) : d_(document) {}

    // Documents
    static void prepareNew(const css::uno::Reference<css::lang::XComponent>& component);
    void startAtTop();

    // Typing
    void typeText(const QString& text);
    void typeParagraph();
    engine::PictureSize insertPicture(engine::Picture picture);

    // Formats
    engine::CharFormat characterFormat() const;
    void formatCharacters(const std::function<void(engine::CharFormat&)>& change,
                          const std::function<void(const Target&, const engine::CharFormat&)>& write);
    engine::ParaFormat paragraphFormat();
    // The paragraphs of the selection get the change. Members a text cursor takes are written through a
    // cursor at the insertion point, which saves looking up the paragraph object.
    void formatParagraphs(ParaMember member, const std::function<void(const Target&)>& write);

    // Moving
    void endOfWord();
    void moveRight();
    void moveDown();

    // The selection as a range: the insertion point, or a selected cell's whole content.
    css::uno::Reference<css::text::XTextRange> selectionRange();
    int picturesInSelection();

    // Tables, in document order, from 0.
    std::vector<css::uno::Reference<css::text::XTextTable>> tables();
    std::optional<css::uno::Reference<css::text::XTextTable>> tableAtSelection();
    css::uno::Reference<css::text::XTextTable> addTable(const css::uno::Reference<css::text::XTextRange>& at,
                                                        int rows, int columns);
    void selectCell(const css::uno::Reference<css::text::XTextTable>& table, int row, int column);

    // Lines
    css::uno::Reference<css::drawing::XShape> addLine(const engine::LineShape& line);
    void selectShape(const css::uno::Reference<css::drawing::XShape>& shape);
    int lineCount();

    // The text of a range: paragraphs separated by a carriage return, pictures as PictureCharacter.
    QString textOf(const css::uno::Reference<css::text::XTextRange>& range);

    css::uno::Reference<css::text::XTextViewCursor> viewCursor() const;
    // Sends the view cursor to the insertion point where typing left it behind.
    void catchUpView() const;

private:
    void requireText() const;
    css::uno::Reference<css::text::XTextCursor> caret() const;
    const Caret& insertionPoint() const;
    // The view cursor is moved elsewhere: the insertion point will be read from it again.
    void forgetCaret() const;
    // Typing moved the insertion point.
    void caretMoved();
    css::uno::Reference<css::text::XText> selectedCellText() const;
    void moveTo(const css::uno::Reference<css::text::XTextRange>& place);
    void moveTo(const css::uno::Reference<css::text::XTextRange>& place, const ParagraphAt& paragraph,
                int offset);
    void placeInsertionPoint(const css::uno::Reference<css::text::XTextRange>& place);
    void returnToText();
    void emptySelectedCell();
    void insertParagraphs(const QStringList& pieces);
    void insertRun(const css::uno::Reference<css::text::XText>& text,
                   const css::uno::Reference<css::text::XTextCursor>& cursor, const QString& piece);
    // A paragraph end typed at the insertion point, and what it needs to know of the paragraph.
    struct Split {
        bool headEmpty = false, tailEmpty = false;
        engine::ParaFormat format;
    };
    void splitParagraph(const css::uno::Reference<css::text::XText>& text,
                        const css::uno::Reference<css::text::XTextCursor>& cursor, const Split& split);
    void splitKeepingFormat(const css::uno::Reference<css::text::XText>& text,
                            const css::uno::Reference<css::text::XTextCursor>& cursor);
    css::uno::Reference<css::text::XTextRange> lineBelow(const ParagraphAt& here);
    css::uno::Reference<css::text::XTextRange>
    afterCell(const css::uno::Reference<css::text::XTextTable>& table, int row, int column);
    css::uno::Reference<css::text::XTextRange>
    afterTable(const css::uno::Reference<css::text::XTextTable>& table);
    float textWidth();
    float columnWidth(const css::uno::Reference<css::text::XTextTable>& table, int column);

    DocumentState& d_;
};

// Reads the paragraph that holds the place.
ParagraphAt paragraphAt(const css::uno::Reference<css::text::XTextRange>& place);

// Where a cell's text is: the cell's place in its table, from 0, read from Writer's cell name.
struct CellPlace {
    int row = 0, column = 0;
};
std::optional<CellPlace> cellPlaceOf(const QString& cellName);

css::uno::Reference<css::text::XText> cellText(const css::uno::Reference<css::text::XTextTable>& table,
                                               int row, int column);
int rowCount(const css::uno::Reference<css::text::XTextTable>& table);
int columnCount(const css::uno::Reference<css::text::XTextTable>& table);

} // namespace word::live
