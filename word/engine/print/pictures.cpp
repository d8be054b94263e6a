#include "pictures.h"

#include "units.h"

#include <QBuffer>
#include <QCache>
#include <QImageReader>
#include <QMutex>
#include <QPainter>

#include <cmath>

namespace word::engine::print {

namespace {

constexpr int PictureNumber = QTextFormat::UserProperty + 1;

// A picture as decoded for one size on the device.
struct DecodedKey {
    QByteArray data;
    QSize size;
    bool operator==(const DecodedKey&) const = default;
};

size_t qHash(const DecodedKey& key, size_t seed = 0) {
    return qHashMulti(seed, key.data, key.size.width(), key.size.height());
}

// Every letter of a batch carries the same style pictures, and the PDF engine writes an image once only
// when it is drawn again as the same QImage (the same cache key): so each picture is decoded once per
// process and size, and that image drawn on every page. Bounded by the bytes of the decoded images.
class DecodedPictures {
public:
    QImage decoded(const Picture& picture, QSize needed) {
        DecodedKey key{picture.data, needed};
        const QMutexLocker held(&mutex_);
        if (const QImage* known = cache_.object(key))
            return *known;
        QImage image = decode(picture.data, needed);
        if (!image.isNull())
            cache_.insert(std::move(key), new QImage(image),
                          qsizetype(std::max<qint64>(1, image.sizeInBytes())));
        return image;
    }

private:
    static QImage decode(QByteArray bytes, QSize needed) {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer);
        const QSize own = reader.size();
        if (own.isValid() && needed.width() > 0 && needed.height() > 0 && needed.width() < own.width() &&
            needed.height() < own.height())
            reader.setScaledSize(needed);
        return reader.read();
    }

    static constexpr qsizetype MaxBytes = 64 * 1024 * 1024;
    QMutex mutex_;
    QCache<DecodedKey, QImage> cache_{MaxBytes};
};

DecodedPictures& decodedPictures() {
    static DecodedPictures pictures;
    return pictures;
}

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
    const QRectF onDevice = painter.deviceTransform().mapRect(rect);
    return decodedPictures().decoded(
        picture, QSize(int(std::ceil(onDevice.width())), int(std::ceil(onDevice.height()))));
}

} // namespace word::engine::print
