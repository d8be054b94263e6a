#pragma once

// A PDF made one document at a time, in memory: each document's pages are painted as it is added, so
// nothing but the file itself is kept.

#include "word/engine/model.h"

#include <QBuffer>
#include <QByteArray>
#include <QPainter>
#include <QPdfWriter>

#include <memory>

namespace tavrin::letters {

class PdfPages {
public:
    // Needs a QGuiApplication.
    PdfPages();
    ~PdfPages();
    PdfPages(const PdfPages&) = delete;
    PdfPages& operator=(const PdfPages&) = delete;

    // Every page of the document, from a new page at its own page size. Throws word::AutomationError
    // (PrintingFailed) when it cannot be painted.
    void add(const word::engine::DocumentModel& document);

    bool hasPages() const { return started_; }

    // The whole file; nothing can be added after. Throws word::AutomationError (PrintingFailed).
    QByteArray finish();

private:
    void startPage(const QSizeF& points);

    QByteArray bytes_;
    QBuffer buffer_;
    std::unique_ptr<QPdfWriter> writer_;
    QPainter painter_;
    bool started_ = false;
};

} // namespace tavrin::letters
