#include "mockletters.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

namespace artgen {

namespace {

// An A4 page as a word processor shows it at 100 % on a 96 dpi screen: 1 pt = 4/3 pixel.
constexpr double Zoom = 96.0 / 72.0;
constexpr double PageWidth = 595, PageHeight = 842, Left = 90, Right = 90, Top = 72;
constexpr double Column = PageWidth - Left - Right;

const QString Body = QStringLiteral(
    "Thank you for your kind letter and for the photographs of the garden, which arrived on a grey "
    "morning and brightened the whole week. I have been meaning to write back since, and at last the "
    "evenings are long enough to do it properly.");

class Page {
public:
    explicit Page(QImage& image) : p_(&image) {
        p_.setRenderHint(QPainter::Antialiasing);
        p_.setRenderHint(QPainter::TextAntialiasing);
        p_.setRenderHint(QPainter::SmoothPixmapTransform);
        p_.scale(Zoom, Zoom);
    }

    void setFont(const QString& family, double points, bool italic = false) {
        QFont font(family);
        font.setPointSizeF(points);
        font.setItalic(italic);
        // Points are pixels in this painter's own units.
        font.setPixelSize(qRound(points));
        p_.setFont(font);
    }

    // Typed text: one paragraph per line of `text`, wrapped in the given column.
    double text(double x, double width, double y, const QString& text, Qt::Alignment alignment) {
        const QFontMetricsF metrics(p_.font());
        for (const QString& line : text.split(u'\n')) {
            const QRectF box =
                metrics.boundingRect(QRectF(x, y, width, 10000), int(alignment) | Qt::TextWordWrap,
                                     line.isEmpty() ? QStringLiteral(" ") : line);
            p_.setPen(Qt::black);
            p_.drawText(QRectF(x, y, width, box.height()), int(alignment) | Qt::TextWordWrap, line);
            y += std::max(box.height(), metrics.lineSpacing());
        }
        return y;
    }
    double text(double y, const QString& t, Qt::Alignment alignment = Qt::AlignLeft) {
        return text(Left, Column, y, t, alignment);
    }

    // An inline picture in a box of the given width: at its own size in points, or scaled down
    // to fit, as the word processor places it.
    double picture(double x, double width, double y, const QImage& picture, Qt::Alignment alignment) {
        QSizeF size(picture.width(), picture.height());
        if (size.width() > width)
            size = size * (width / size.width());
        double left = x;
        if (alignment & Qt::AlignHCenter)
            left = x + (width - size.width()) / 2;
        else if (alignment & Qt::AlignRight)
            left = x + width - size.width();
        p_.drawImage(QRectF(QPointF(left, y), size), picture);
        return y + size.height();
    }
    double picture(double y, const QImage& image, Qt::Alignment alignment = Qt::AlignLeft) {
        return picture(Left, Column, y, image, alignment);
    }

    void rule(double y) {
        p_.setPen(QPen(Qt::black, 0.75));
        p_.drawLine(QPointF(50.2, y), QPointF(540, y));
    }

private:
    QPainter p_;
};

QImage blankPage() {
    QImage image(qRound(PageWidth * Zoom), qRound(PageHeight * Zoom), QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

const double Half = Column / 2;

// The heading band of the Classic and Dark letters: the date and the recipient on the left, the picture on
// the right. Returns where the band ends.
double dateAndRecipientBand(Page& page, const QImage& picture) {
    page.setFont(QStringLiteral("Liberation Sans"), 10);
    const double band = page.text(Left, Half, Top,
                                  QStringLiteral("\n08/12/2026\nMs. Anna Example\n12 Harbour "
                                                 "Road\nPortsmouth\n"),
                                  Qt::AlignLeft);
    return std::max(band, page.picture(Left + Half, Half, Top, picture, Qt::AlignLeft));
}

// The heading band of the Romantic and Modern letters: the picture on the left, the writer on the right in
// the letter's face. Returns where the band ends.
double pictureAndWriterBand(Page& page, const QImage& picture, const QString& family, double points,
                            bool italic = false) {
    const double pictureEnd = page.picture(Left, Half, Top, picture, Qt::AlignLeft);
    page.setFont(family, points, italic);
    const double band = page.text(Left + Half, Half, Top,
                                  QStringLiteral("\nJohn Writer\n3 Mill Lane, Winchester"), Qt::AlignLeft);
    return std::max(band, pictureEnd);
}

} // namespace

QImage classicLetter(const StylePictures& pictures) {
    QImage image = blankPage();
    Page page(image);
    const double bandEnd = dateAndRecipientBand(page, pictures.classic);
    double y = page.text(bandEnd, QStringLiteral("\n\n\n\nDear Anna,\n") + Body);
    y = page.text(y, QStringLiteral("\n\n\n\nWith all good wishes for the season,\nYours sincerely,\nJohn "
                                    "Writer\n3 Mill Lane, Winchester"));
    page.rule(270 + 18 * 2);
    page.rule(700);
    return image;
}

QImage darkLetter(const StylePictures& pictures) {
    QImage image = blankPage();
    Page page(image);
    const double bandEnd = dateAndRecipientBand(page, pictures.dark);
    double y = page.picture(bandEnd, pictures.darkLine);
    y = page.text(y, QStringLiteral("\n\nDear Anna,\n") + Body + QStringLiteral("\n\n"));
    y = page.text(
        y, QStringLiteral("With all good wishes,\nYours sincerely,\nJohn Writer\n3 Mill Lane, Winchester"),
        Qt::AlignRight);
    y += 6 * 12;
    page.picture(y, pictures.darkLine, Qt::AlignRight);
    return image;
}

QImage romanticLetter(const StylePictures& pictures) {
    QImage image = blankPage();
    Page page(image);
    const double bandEnd =
        pictureAndWriterBand(page, pictures.romantic, QStringLiteral("Liberation Serif"), 12, true);
    double y = page.text(bandEnd,
                         QStringLiteral("\n\n\n08/12/2026\nMs. Anna Example\n12 Harbour Road, Portsmouth\n"));
    y = page.picture(y, pictures.romanticLine);
    y = page.text(y,
                  QStringLiteral("\n\nMy dear Anna,\n") + Body +
                      QStringLiteral("\n\nWith love and every good wish,\nYours ever,\n[Signature]\n\n\n\n"));
    page.picture(y, pictures.romanticLine);
    return image;
}

QImage elegantLetter(const StylePictures& pictures) {
    QImage image = blankPage();
    Page page(image);
    double y = page.picture(Top, pictures.elegant, Qt::AlignHCenter);
    page.setFont(QStringLiteral("Liberation Serif"), 12);
    y = page.text(y, QStringLiteral("\nJohn Writer\n3 Mill Lane, Winchester\n08/12/2026"), Qt::AlignHCenter);
    y = page.text(y, QStringLiteral("\n\nMs. Anna Example\n12 Harbour Road, Portsmouth\n"));
    y = page.picture(y, pictures.elegantLine);
    y = page.text(y, QStringLiteral("\n\nDear Anna,\n") + Body +
                         QStringLiteral("\n\nWith all good wishes,\nYours sincerely,\n[Signature]\n\n\n\n"));
    page.picture(y, pictures.elegantDown, Qt::AlignHCenter);
    return image;
}

QImage modernLetter(const StylePictures& pictures) {
    QImage image = blankPage();
    Page page(image);
    const double bandEnd = pictureAndWriterBand(page, pictures.modern, QStringLiteral("Liberation Mono"), 10);
    double y = page.text(bandEnd,
                         QStringLiteral("\n08/12/2026\n\nMs. Anna Example\n12 Harbour Road, Portsmouth\n\n"));
    y = page.picture(y, pictures.modernLine);
    y = page.text(y, QStringLiteral("\nDear Anna,\n") + Body + QStringLiteral("\n\n"));
    y = page.text(y, QStringLiteral("With all good wishes,\nYours sincerely,\n[Signature]\n\n\n\n\n\n"),
                  Qt::AlignRight);
    page.picture(y, pictures.modernLine);
    return image;
}

} // namespace artgen
