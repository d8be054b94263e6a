#include "previewwindow.h"

#include <QAccessible>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>

namespace tavrin::preview {

namespace {
const QColor Ground(128, 128, 128);
} // namespace

PagesView::PagesView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("letterPreview"));
    setAccessibleName(tr("Letter preview"));
    setAutoFillBackground(true);
    QPalette ground = palette();
    ground.setColor(QPalette::Window, Ground);
    setPalette(ground);
}

// The images are made for the screen's pixels; they are drawn at their own size in device pixels.
QSize PagesView::pageSize(const QImage& page) const {
    return (QSizeF(page.size()) / page.devicePixelRatio()).toSize();
}

QRect PagesView::pageRect(int page) const {
    int top = Margin;
    for (int k = 0; k < page; ++k)
        top += pageSize(pages_[std::size_t(k)]).height() + Margin;
    return QRect(QPoint(Margin, top), pageSize(pages_[std::size_t(page)]));
}

QSize PagesView::sizeHint() const {
    if (pages_.empty())
        return {};
    const QRect last = pageRect(int(pages_.size()) - 1);
    return QSize(last.right() + 1 + Margin, last.bottom() + 1 + Margin);
}

void PagesView::setPages(std::vector<QImage> pages, const QString& text) {
    pages_ = std::move(pages);
    if (accessibleDescription() != text)
        setAccessibleDescription(text);
    resize(sizeHint());
    update();
}

void PagesView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    for (std::size_t k = 0; k < pages_.size(); ++k)
        painter.drawImage(pageRect(int(k)).topLeft(), pages_[k]);
}

PreviewWindow::PreviewWindow(QSize pageSize, QWidget* parent)
    : QWidget(parent, Qt::Window), view_(new PagesView), scroll_(new QScrollArea(this)) {
    setObjectName(QStringLiteral("LetterPreviewWindow"));
    setWindowTitle(tr("Letter Preview"));
    scroll_->setWidget(view_);
    scroll_->setWidgetResizable(false);
    scroll_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    scroll_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    scroll_->setBackgroundRole(QPalette::Dark);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll_);

    // Page one whole, with the scroll bar beside it.
    const int frame = 2 * scroll_->frameWidth();
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scroll_);
    resize(pageSize.width() + 2 * PagesView::Margin + frame + bar,
           pageSize.height() + 2 * PagesView::Margin + frame);
}

void PreviewWindow::showLetter(std::vector<QImage> pages, const QString& text) {
    view_->setPages(std::move(pages), text);
}

} // namespace tavrin::preview
