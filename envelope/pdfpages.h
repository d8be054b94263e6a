#pragma once

// A PDF made one document at a time: each document's pages are painted into the device as it is added,
// so nothing of the documents is kept.

#include "word/engine/model.h"

#include <QIODevice>
#include <QPainter>
#include <QPdfWriter>

namespace tavrin::envelopes {

class PdfPages {
public:
    // Needs a QGuiApplication. The device is open for writing and outlives this object.
    explicit PdfPages(QIODevice* device);
    ~PdfPages();
    PdfPages(const PdfPages&) = delete;
    PdfPages& operator=(const PdfPages&) = delete;

    // Every page of the document, from a new page at its own page size. Throws word::AutomationError
    // (PrintingFailed) when it cannot be painted.
    void add(const word::engine::DocumentModel& document);

    bool hasPages() const { return started_; }

    // Ends the file; nothing can be added after. Throws word::AutomationError (PrintingFailed).
    void finish();

private:
    void startPage(const QSizeF& points);

    QPdfWriter writer_;
    QPainter painter_;
    bool started_ = false;
};

} // namespace tavrin::envelopes
