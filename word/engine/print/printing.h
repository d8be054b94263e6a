#pragma once

// Printing an engine document: its print preview, printing it on the default printer, and writing it as a
// PDF file, all painted by the one PageRenderer. Every call runs on the application's GUI thread.
//
// Failures throw word::AutomationError:
// - errors::PrintingFailed when no (GUI) application is running, when there is no printer to print on,
//   or when the printer or PDF cannot be painted;
// - errors::FileNotFound and errors::FileAccess for a PDF file that cannot be written.

#include "word/engine/model.h"

#include <QPageLayout>
#include <QSizeF>
#include <QString>

#include <functional>
#include <memory>

class QPrinter;
class QPagedPaintDevice;

namespace word::engine::print {

// Writes every page to a PDF file atomically: a temporary file beside the target, renamed over it. A link
// planted at path is replaced, never followed; an existing file stays as it was when writing fails.
void writePdf(const DocumentModel& model, const QString& path);

// Qt's print preview of the document, modal; returns when the user closes it. Needs a QApplication.
void printPreview(const DocumentModel& model);

// Prints the whole document, one copy, on the default printer. With no printer configured nothing is
// printed and nothing else happens: it throws errors::PrintingFailed saying so.
void printOut(const DocumentModel& model);

// Paints every page of the document on a printer or PDF writer, one device page per page; the device's
// page layout is set to the document's page size without margins. False when the device cannot be painted.
bool paintDocument(const DocumentModel& model, QPagedPaintDevice& device);

// A page of the given size in points, painted to its edges: the engine's pages carry their own margins.
QPageLayout fullPageLayout(QSizeF points);

// Where printOut prints: the system's default printer (none when it has no default printer). A program or
// test may put another source in its place for as long as a ScopedPrinterSource lives.
using PrinterSource = std::function<std::unique_ptr<QPrinter>()>;

class ScopedPrinterSource {
public:
    explicit ScopedPrinterSource(PrinterSource source);
    ~ScopedPrinterSource();
    ScopedPrinterSource(const ScopedPrinterSource&) = delete;
    ScopedPrinterSource& operator=(const ScopedPrinterSource&) = delete;

private:
    PrinterSource previous_;
};

} // namespace word::engine::print
