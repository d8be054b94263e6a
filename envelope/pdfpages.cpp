#include "pdfpages.h"

#include "word/automationerror.h"
#include "word/engine/print/pagerenderer.h"
#include "word/engine/print/printing.h"

#include <QCoreApplication>
#include <QPageLayout>

namespace tavrin::envelopes {

namespace {

[[noreturn]] void paintingFailed() {
    throw word::AutomationError(word::errors::PrintingFailed,
                                QCoreApplication::translate("Envelopes", "The PDF could not be painted."));
}

} // namespace

PdfPages::PdfPages(QIODevice* device) : writer_(device) {
    writer_.setCreator(QStringLiteral("Tavrin"));
    writer_.setResolution(1200);
}

PdfPages::~PdfPages() {
    if (painter_.isActive())
        painter_.end();
}

void PdfPages::startPage(const QSizeF& points) {
    writer_.setPageLayout(word::engine::print::fullPageLayout(points));
    if (!started_) {
        if (!painter_.begin(&writer_))
            paintingFailed();
        started_ = true;
    } else if (!writer_.newPage()) {
        paintingFailed();
    }
}

void PdfPages::add(const word::engine::DocumentModel& document) {
    const word::engine::print::PageRenderer renderer(document);
    for (int page = 0; page < renderer.pageCount(); ++page) {
        startPage(renderer.pageSize());
        const qreal devicePixelsPerPoint = writer_.logicalDpiX() / 72.0;
        painter_.save();
        painter_.scale(devicePixelsPerPoint, devicePixelsPerPoint);
        renderer.paintPage(painter_, page);
        painter_.restore();
    }
}

void PdfPages::finish() {
    if (painter_.isActive() && !painter_.end())
        paintingFailed();
}

} // namespace tavrin::envelopes
