#include "printing.h"

#include "application.h"
#include "pagerenderer.h"
#include "word/automationerror.h"
#include "word/files/files.h"

#include <QApplication>
#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace word::engine::print {

using namespace Qt::Literals::StringLiterals;

namespace {

[[noreturn]] void printingFailed(const QString& description) {
    throw AutomationError(errors::PrintingFailed, description);
}

bool paintPages(const PageRenderer& renderer, QPagedPaintDevice& device) {
    device.setPageLayout(fullPageLayout(renderer.pageSize()));
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const qreal devicePixelsPerPoint = device.logicalDpiX() / 72.0;
    for (int page = 0; page < renderer.pageCount(); ++page) {
        if (page > 0 && !device.newPage()) {
            painter.end();
            return false;
        }
        painter.save();
        painter.scale(devicePixelsPerPoint, devicePixelsPerPoint);
        renderer.paintPage(painter, page);
        painter.restore();
    }
    return painter.end();
}

// --- Atomic file writing ------------------------------------------------------------------------------

[[noreturn]] void cannotWrite(const QString& path, const QString& reason) {
    throw AutomationError(errors::FileAccess,
                          QCoreApplication::translate("Printing", "The PDF file %1 could not be written: %2.")
                              .arg(path, reason));
}

void writeAtomically(const QString& path, const QByteArray& bytes) {
    const files::Written written = files::replaceFile(path, bytes);
    switch (written.step) {
    case files::Step::Done:
        return;
    case files::Step::NoFileName:
        cannotWrite(path, QCoreApplication::translate("Files", "the path names no file"));
    case files::Step::NoFolder:
        throw AutomationError(errors::FileNotFound,
                              QCoreApplication::translate("Printing", "The folder %1 does not exist.")
                                  .arg(QFileInfo(path).absoluteDir().path()));
    case files::Step::TargetIsFolder:
        cannotWrite(path, QCoreApplication::translate("Printing", "a folder of that name exists"));
    case files::Step::Creating:
    case files::Step::Writing:
    case files::Step::Placing:
    case files::Step::NamesTaken:
        break;
    }
    cannotWrite(path, written.reason());
}

QByteArray pdfBytes(const DocumentModel& model) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setCreator(u"Tavrin"_s);
        if (!paintDocument(model, writer))
            printingFailed(
                QCoreApplication::translate("Printing", "The document could not be painted as PDF."));
    }
    return bytes;
}

// --- Printers -----------------------------------------------------------------------------------------

std::unique_ptr<QPrinter> systemDefaultPrinter() {
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    if (printer.isNull())
        return nullptr;
    return std::make_unique<QPrinter>(printer, QPrinter::HighResolution);
}

PrinterSource& printerSource() {
    static PrinterSource source = systemDefaultPrinter;
    return source;
}

} // namespace

QPageLayout fullPageLayout(QSizeF points) {
    const bool landscape = points.width() > points.height();
    const QPageSize size(landscape ? points.transposed() : points, QPageSize::Point, QString(),
                         QPageSize::ExactMatch);
    QPageLayout layout(size, landscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF(),
                       QPageLayout::Point);
    layout.setMode(QPageLayout::FullPageMode);
    return layout;
}

bool paintDocument(const DocumentModel& model, QPagedPaintDevice& device) {
    const PageRenderer renderer(model);
    return paintPages(renderer, device);
}

void writePdf(const DocumentModel& model, const QString& path) {
    requireApplication(false);
    writeAtomically(path, pdfBytes(model));
}

void printPreview(const DocumentModel& model) {
    requireApplication(true);
    const PageRenderer renderer(model);
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(fullPageLayout(renderer.pageSize()));
    QPrintPreviewDialog preview(&printer, QApplication::activeWindow());
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&renderer](QPrinter* target) { paintPages(renderer, *target); });
    preview.exec();
}

void printOut(const DocumentModel& model) {
    requireApplication(false);
    const std::unique_ptr<QPrinter> printer = printerSource() ? printerSource()() : nullptr;
    if (!printer)
        printingFailed(QCoreApplication::translate(
            "Printing", "No printer is configured: there is no default printer to print the document on."));
    printer->setCopyCount(1);
    printer->setPrintRange(QPrinter::AllPages);
    if (!paintDocument(model, *printer))
        printingFailed(QCoreApplication::translate("Printing", "The document could not be printed on %1.")
                           .arg(printer->printerName()));
}

ScopedPrinterSource::ScopedPrinterSource(PrinterSource source) : previous_(std::move(printerSource())) {
    printerSource() = std::move(source);
}

ScopedPrinterSource::~ScopedPrinterSource() {
    printerSource() = std::move(previous_);
}

} // namespace word::engine::print
