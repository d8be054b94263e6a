#include "pictures.h"

#include "units.h"

#include <QBuffer>
#include <QHash>
#include <QImageReader>
#include <QMutex>
#include <QPainter>

#include <cmath>
#include <optional>
#include <utility>

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

namespace {

// A letter redrawn as it is edited (the wizard's preview) shows the same few pictures at the same sizes
// again and again: each is decoded once and kept, by its bytes and the size it is decoded to.
class DecodedPictures {
public:
    std::optional<QImage> find(const QByteArray& bytes, QSize size) {
        const QMutexLocker lock(&mutex_);
        const auto found = images_.constFind({bytes, size});
        return found == images_.cend() ? std::nullopt : std::optional(*found);
    }
    void keep(const QByteArray& bytes, QSize size, const QImage& image) {
        const QMutexLocker lock(&mutex_);
        if (images_.size() >= MaxImages)
            images_.clear();
        images_.insert({bytes, size}, image);
    }

private:
    static constexpr qsizetype MaxImages = 32;
    QMutex mutex_;
    QHash<std::pair<QByteArray, QSize>, QImage> images_;
};

DecodedPictures& decodedPictures() {
    static DecodedPictures pictures;
    return pictures;
}

} // namespace

QImage decodeForDrawing(const Picture& picture, const QPainter& painter, const QRectF& rect) {
    QByteArray bytes = picture.data;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize own = reader.size();
    const QRectF onDevice = painter.deviceTransform().mapRect(rect);
    const QSize needed(int(std::ceil(onDevice.width())), int(std::ceil(onDevice.height())));
    QSize size = own;
    if (own.isValid() && needed.width() > 0 && needed.height() > 0 && needed.width() < own.width() &&
        needed.height() < own.height())
        size = needed;
    if (std::optional<QImage> known = decodedPictures().find(picture.data, size))
        return *known;
    if (size != own)
        reader.setScaledSize(size);
    const QImage image = reader.read();
    decodedPictures().keep(picture.data, size, image);
    return image;
}

} // namespace word::engine::print
