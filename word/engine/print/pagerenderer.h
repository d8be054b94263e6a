#pragma once

// A document of the engine laid out on its pages and painted page by page, the way a word processor prints
// the saved letter: its page size and margins, fonts, alignments and line spacing, tables with their
// rules, inline pictures at their sizes, and the lines drawn over the page. The one path behind the print
// preview, printing and PDF output.
//
// What is laid out is the document as its .docx stores it (docxStoredForm), which is what LibreOffice or
// Word shows when the letter is opened. Needs a QGuiApplication (fonts): without one the constructor throws
// AutomationError errors::PrintingFailed. A renderer may be made and used on any thread, one at a time.

#include "word/engine/model.h"

#include <QImage>
#include <QSizeF>

#include <memory>

class QPainter;

namespace word::engine::print {

class PageRenderer {
public:
    explicit PageRenderer(const DocumentModel& model);
    ~PageRenderer();
    PageRenderer(const PageRenderer&) = delete;
    PageRenderer& operator=(const PageRenderer&) = delete;

    // At least one.
    int pageCount() const;
    // In points.
    QSizeF pageSize() const;

    // Paints page `page` (from 0) with the painter's coordinates in points from the page's top-left
    // corner. Paints nothing on the background.
    void paintPage(QPainter& painter, int page) const;

    // The page on white at the given resolution.
    QImage pageImage(int page, qreal dotsPerInch) const;

private:
    struct Layout;
    std::unique_ptr<Layout> layout_;
};

} // namespace word::engine::print
