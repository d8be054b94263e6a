#pragma once

// The window that shows the letter as Finish will write it: page one whole, further pages below it. To a
// screen reader it is the "Letter preview", and its description is the letter's text in reading order.
// Closing it only hides it.

#include <QImage>
#include <QWidget>

#include <vector>

class QScrollArea;

namespace tavrin::preview {

// The pages, one below the other on a grey ground.
class PagesView : public QWidget {
    Q_OBJECT
public:
    static constexpr int Margin = 10;

    explicit PagesView(QWidget* parent = nullptr);

    void setPages(std::vector<QImage> pages, const QString& text);
    const std::vector<QImage>& pages() const { return pages_; }
    // Where page `page` is drawn, in this widget's pixels.
    QRect pageRect(int page) const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSize pageSize(const QImage& page) const;

    std::vector<QImage> pages_;
};

class PreviewWindow : public QWidget {
    Q_OBJECT
public:
    // `pageSize` in pixels: page one is shown whole at that size.
    PreviewWindow(QSize pageSize, QWidget* parent = nullptr);

    PagesView* pagesView() const { return view_; }
    void showLetter(std::vector<QImage> pages, const QString& text);

private:
    PagesView* view_;
    QScrollArea* scroll_;
};

} // namespace tavrin::preview
