#pragma once

// Where everything of a document goes on its pages: paragraphs broken into lines and stacked from the top
// margin down, moved to the next page when they reach the bottom margin, and tables drawn as rows of
// cells with their rules. Lengths are in twips from each page's top-left corner.

#include "lineheights.h"
#include "textflow.h"
#include "word/engine/model.h"

#include <QColor>
#include <QPointF>
#include <QRectF>

#include <memory>
#include <vector>

namespace word::engine::print {

struct PlacedLine {
    const TextFlow* flow;
    std::size_t paragraph;
    int line;
    QPointF origin; // the column's left edge, the line's top
};

struct PlacedRule {
    QRectF rect;
    QColor colour;
};

struct PageContent {
    std::vector<PlacedRule> rules; // table rules, drawn under the text
    std::vector<PlacedLine> lines;
};

class PageLayout {
public:
    // The model and the layout device must outlive the layout.
    PageLayout(const DocumentModel& model, QPaintDevice& layoutDevice, LineHeights& heights);
    ~PageLayout();
    PageLayout(const PageLayout&) = delete;
    PageLayout& operator=(const PageLayout&) = delete;

    // At least one page.
    const std::vector<PageContent>& pages() const { return pages_; }
    // The page of the body's first paragraph, where the shapes anchored in it are drawn.
    int shapesPage() const { return shapesPage_; }

private:
    struct TableFlows;
    class Paginator;

    std::unique_ptr<TextFlow> body_;
    std::vector<std::unique_ptr<TableFlows>> tables_;
    std::vector<PageContent> pages_;
    int shapesPage_ = 0;
};

} // namespace word::engine::print
