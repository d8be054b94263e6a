#include "pagerenderer.h"

#include "application.h"
#include "lineheights.h"
#include "pagelayout.h"
#include "units.h"
#include "word/engine/docx.h"

#include <QPainter>

#include <cmath>

namespace word::engine::print {

namespace {

// Lines over the page are 3/4 point wide, black, cut square at their ends.
constexpr qreal ShapeLineWidth = twips(0.75);
constexpr qreal MetresPerInch = 0.0254;

// A device that only gives the text layout its resolution.
QImage layoutDevice() {
    QImage device(1, 1, QImage::Format_RGB32);
    const int dotsPerMetre = int(std::lround(LayoutDotsPerInch / MetresPerInch));
    device.setDotsPerMeterX(dotsPerMetre);
    device.setDotsPerMeterY(dotsPerMetre);
    return device;
}

} // namespace

struct PageRenderer::Layout {
    explicit Layout(const DocumentModel& model)
        : stored(docxStoredForm(model)), device(layoutDevice()), heights(device),
          pages(stored, device, heights) {}

    DocumentModel stored;
    QImage device;
    LineHeights heights;
    PageLayout pages;
};

PageRenderer::PageRenderer(const DocumentModel& model) {
    requireFonts();
    layout_ = std::make_unique<Layout>(model);
}

PageRenderer::~PageRenderer() = default;

int PageRenderer::pageCount() const {
    return int(layout_->pages.pages().size());
}

QSizeF PageRenderer::pageSize() const {
    return {layout_->stored.page.width, layout_->stored.page.height};
}

void PageRenderer::paintPage(QPainter& painter, int page) const {
    if (page < 0 || page >= pageCount())
        return;
    const PageContent& content = layout_->pages.pages()[std::size_t(page)];
    painter.save();
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
    painter.scale(1 / TwipsPerPoint, 1 / TwipsPerPoint);
    painter.setClipRect(QRectF(QPointF(0, 0), pageSize() * TwipsPerPoint), Qt::IntersectClip);

    for (const PlacedRule& rule : content.rules)
        painter.fillRect(rule.rect, rule.colour);
    for (const PlacedLine& line : content.lines)
        line.flow->drawLine(painter, line.paragraph, line.line, line.origin);
    if (page == layout_->pages.shapesPage()) {
        painter.setPen(QPen(Qt::black, ShapeLineWidth, Qt::SolidLine, Qt::FlatCap));
        for (const LineShape& shape : layout_->stored.shapes)
            painter.drawLine(QPointF(twips(shape.beginX), twips(shape.beginY)),
                             QPointF(twips(shape.endX), twips(shape.endY)));
    }
    painter.restore();
}

QImage PageRenderer::pageImage(int page, qreal dotsPerInch) const {
    const qreal scale = dotsPerInch / 72;
    const QSize size(int(std::ceil(pageSize().width() * scale)), int(std::ceil(pageSize().height() * scale)));
    if (!(scale > 0) || size.isEmpty())
        return {};
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull())
        return {}; // more pixels than memory allows
    image.fill(Qt::white);
    const int dotsPerMetre = int(std::lround(dotsPerInch / MetresPerInch));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    QPainter painter(&image);
    painter.scale(scale, scale);
    paintPage(painter, page);
    return image;
}

} // namespace word::engine::print
