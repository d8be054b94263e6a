#pragma once

// The built-in word processor: applications and documents that live in this process, with the selection
// behaviour of a desktop word processor (editor.h gives the rules), saved as .docx (docx.h).
//
// The provider's rules for this engine:
// - GetObject and Global reach the first application this Engine created; with none, they fail with
//   errors::CannotCreateObject (429). An application runs as long as the Engine lives (there is no quit).
// - CreateApplication starts another application, not visible.
// - CreateDocument adds a new document to the first application, starting one (not visible) when none
//   runs.
//
// The objects' rules:
// - Documents.Add: a new empty document: A4, or US Letter where the system locale measures in inches;
//   margins of 1 inch at the top and bottom and 1.25 inch left and right; "Times New Roman" 10 pt. Its
//   selection is at the start.
// - Documents.Open reads a .docx (docx.h); a document already open from the same file is activated and
//   returned instead. Save writes to the document's own file and fails while it has none; SaveAs writes to
//   a new file, which becomes its own. Close with SaveChanges true saves first (and fails, leaving it open,
//   when it has no file); with SaveChanges omitted it saves first only when it has changes and a file.
// - PrintPreview shows the print preview, modal, and returns when it is closed; PrintOut prints the whole
//   document, one copy, on the default printer (print/printing.h). Both fail with errors::PrintingFailed
//   without a GUI application, and PrintOut when no printer is configured.
// - Selection.Font, Selection.ParagraphFormat, Selection.Tables and Selection.InlineShapes act on the
//   selection as it is at each call. Selection.Tables holds the table the selection stands in, if any.
// - A Range keeps the positions it had when it was taken; after edits before it, it may no longer match
//   the document and then fails with errors::CommandFailed. Its text separates paragraphs with a carriage
//   return and shows each picture as U+FFFC.
// - Tables.Add(range, rows, columns) adds the table at a collapsed range of the same document; a range in a
//   table cell fails (no tables in tables). Table.Cell(row, column) fails with errors::OutOfRange outside
//   the table.
// - InlineShapes.AddPicture(file, false, true) takes the bytes the engine's picture source gives for the
//   name, if it gives any, and otherwise reads the file at the time of the call (picture.h). A
//   linked picture (linkToFile true) or one not saved with the document is not supported:
//   errors::InvalidArgument. On any failure the document stays as it was.
// - Shapes.AddLine: a straight line in points from the page's top-left corner, in front of the text,
//   without wrapping. Shape.Select makes it the selection.
// - CentimetersToPoints(cm) = cm * 72 / 2.54.
// - Values: font names of 1 to 255 storable characters; sizes 1 to 1638 pt, rounded to half points;
//   colour indexes wdAuto (0) to 16; alignments 0 to 3; line spacing rules 0 to 2; indents within
//   +-1584 pt; spacing 0 to 1584 pt; outline levels 1 to 10; line coordinates within +-16000 pt. Anything
//   else, including NaN, fails with errors::InvalidArgument and changes nothing.
// - Sizes are limited (limits.h); an operation that would pass a limit fails and changes nothing.
// - Every failure is an AutomationError; so is running out of memory (errors::CommandFailed).

#include "model.h"
#include "page.h"
#include "position.h"
#include "word/word.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace word::engine {

// A picture file's bytes held in memory, by the name AddPicture is given; nothing for a name it does not
// hold. Called on the thread the engine's documents are edited on.
using PictureSource = std::function<std::optional<QByteArray>(const QString& name)>;

// A document of an engine, as the program sees it when it ends.
struct EngineDocument {
    word::Ref<word::Document> document;
    bool applicationVisible = false;
    bool closed = false;
    bool changed = false; // since it was created, opened or last saved
};

class Engine : public word::Provider {
public:
    Engine();
    ~Engine() override;
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;

    word::Ref<word::Application> GetObject() override;
    word::Ref<word::Application> CreateApplication() override;
    word::Ref<word::Document> CreateDocument() override;
    word::Ref<word::Global> Global() override;

    // Every document of every application this Engine created, closed ones included, in the order they
    // were created or opened, application by application.
    std::vector<EngineDocument> documents() const;

    // Where AddPicture looks first, in every application of this Engine, those already running too.
    void takePicturesFrom(PictureSource source);

private:
    struct State;
    std::unique_ptr<State> state_;
};

// The model behind an engine document, closed or open. Throws AutomationError: errors::ObjectNotSet for
// an empty handle, errors::InvalidArgument for a document that is not the engine's.
const DocumentModel& modelOf(const word::Ref<word::Document>& document);

// Where a document's selection stands.
struct SelectionState {
    enum class Kind { InsertionPoint, Cell, Shape } kind = Kind::InsertionPoint;
    Position position; // the insertion point; the start of a selected cell
    int shape = -1;    // the selected shape's index
};
SelectionState selectionOf(const word::Ref<word::Document>& document);

} // namespace word::engine
