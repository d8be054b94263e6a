#pragma once

// The engine's documents as Office Open XML word processing packages (.docx), written so that LibreOffice
// Writer and Microsoft Word open them without repair and render them alike.
//
// Writing
// - Same model in, same bytes out: parts in a fixed order, fixed zip time stamps, no creation dates.
// - The package stores lengths at its own resolution: paragraph and page lengths in twips (1/20 pt), font
//   sizes in half points, picture sizes and line positions in EMU (1/12700 pt). Values outside what the
//   word processors accept are clamped (font size 1 to 1638 pt, spacing 0 to 1584 pt, indents -1584 to
//   1584 pt, page sides 0.1 to 22 inches), unknown colour indexes count as automatic, unknown alignments,
//   line spacing rules and outline levels as left, single and body text.
// - Text keeps its spaces and tabs. Characters a package cannot hold (control characters other than the
//   tab, lone surrogates, U+FFFE, U+FFFF) are left out; a run left empty is not written. Font names lose
//   every control character.
// - A picture whose bytes are neither PNG nor JPEG is left out; identical pictures share one media part.
// - A model that breaks its own rules is repaired rather than refused: an empty body gets a paragraph, a
//   table gets a paragraph after it, a table without rows is left out, short rows get empty cells, empty
//   cells get a paragraph, and missing column widths share what the text width leaves.
// - Line shapes are anchored in the body's first paragraph, relative to the page.
// docxStoredForm() tells exactly what a model becomes: reading a written package gives that model back.
//
// Reading
// - Every file is untrusted: sizes, entry count and XML nesting are limited, anything malformed fails with
//   AutomationError BadDocument, and nothing is returned half read.
// - It reads what the writer writes, plus the same members from packages written elsewhere; whatever the
//   model cannot hold (styles, numbering, headers, nested tables...) is passed over.

#include "word/automationerror.h"
#include "word/engine/model.h"

#include <QByteArray>
#include <QString>

namespace word::engine {

struct DocxReadLimits {
    qint64 fileSize = qint64(64) << 20;  // bytes of the package file
    qint64 partSize = qint64(32) << 20;  // uncompressed bytes of any one part
    qint64 totalSize = qint64(96) << 20; // uncompressed bytes read from the package altogether
    qint64 entryCount = 2000;            // entries in the zip directory
    int xmlDepth = 64;                   // nesting of elements in any XML part
    // Counted while the document is read, before anything is sized from what it states: a table's cells
    // are its rows times its widest row or its grid, whichever is wider, empty ones included.
    qint64 paragraphs = 200'000; // body and cell paragraphs together
    qint64 tableCells = 200'000; // all tables together
};

// The package as bytes. Throws AutomationError (FileAccess) only when the zip cannot be built.
QByteArray docxBytes(const DocumentModel& model);

// Writes the package to path atomically: a temporary file in the same folder, renamed over the target.
// A link planted at path is replaced, never followed; an existing file is left untouched on failure.
// Throws AutomationError: FileNotFound when the folder does not exist, FileAccess when writing fails.
void saveDocx(const DocumentModel& model, const QString& path);

// Reads a package. Throws AutomationError: FileNotFound, FileAccess when the file cannot be read,
// BadDocument when it is not a package this reader can read or exceeds the limits.
DocumentModel openDocx(const QString& path, const DocxReadLimits& limits = {});
DocumentModel readDocx(const QByteArray& package, const DocxReadLimits& limits = {});

// The model as a written package stores it (see above): openDocx(saveDocx(m)) == docxStoredForm(m).
// Picture pixel sizes are those the picture data states.
DocumentModel docxStoredForm(const DocumentModel& model);

} // namespace word::engine
