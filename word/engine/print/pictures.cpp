#include "pictures.h"

#include "units.h"

#include <QBuffer>
#include <QImageReader>
#include <QPainter>

#include <cmath>

namespace word::engine::print {

namespace {

constexpr int PictureNumber = QTextFormat::UserProperty + 1;

} // namespace

QTextCharFormat PictureObjects::formatFor(const Picture& picture) {
    QTextCharFormat format;
    format.setObjectType(ObjectType);
    format.setProperty(PictureNumber, int(pictures_.size()));
    pictures_.push_back(&picture);
    return format;
}

const Picture* PictureObjects::pictureOf(const QTextFormat& format) const {
    if (format.objectType() != ObjectType)
        return nullptr;
    const int number = format.intProperty(PictureNumber);
    if (number < 0 || std::size_t(number) >= pictures_.size())
        return nullptr;
    return pictures_[std::size_t(number)];
}

QSizeF PictureObjects::intrinsicSize(QTextDocument*, int, const QTextFormat& format) {
    const Picture* picture = pictureOf(format);
    if (!picture)
        return {};
    return {twips(picture->width), twips(picture->height)};
}

void PictureObjects::drawObject(QPainter* painter, const QRectF& rect, QTextDocument*, int,
                                const QTextFormat& format) {
    const Picture* picture = pictureOf(format);
    if (!picture)
        return;
    const QImage image = decodeForDrawing(*picture, *painter, rect);
    if (image.isNull())
        return;
    painter->save();
    // Without it the PDF engine re-encodes every picture as JPEG, blurring thin rules and ornaments.
    painter->setRenderHints(QPainter::SmoothPixmapTransform | QPainter::LosslessImageRendering);
    painter->drawImage(rect, image);
    painter->restore();
}

QImage decodeForDrawing(const Picture& picture, const QPainter& painter, const QRectF& rect) {
    QByteArray bytes = picture.data;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize own = reader.size();
    const QRectF onDevice = painter.deviceTransform().mapRect(rect);
    const QSize needed(int(std::ceil(onDevice.width())), int(std::ceil(onDevice.height())));
    if (own.isValid() && needed.width() > 0 && needed.height() > 0 && needed.width() < own.width() &&
        needed.height() < own.height())
        reader.setScaledSize(needed);
    return reader.read();
}

} // namespace word::engine::print
