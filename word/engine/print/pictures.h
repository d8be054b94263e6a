#pragma once

// The document's inline pictures inside the text layout: each takes its displayed size in the line and is
// drawn from its embedded bytes, decoded no larger than the page needs.

#include "word/engine/model.h"

#include <QObject>
#include <QTextObjectInterface>

#include <vector>

namespace word::engine::print {

class PictureObjects : public QObject, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)

public:
    // The object type the text layout knows pictures by.
    static constexpr int ObjectType = QTextFormat::UserObject + 1;

    // The pictures must outlive this object.
    PictureObjects() = default;

    // A character format that stands for the picture in the text: the picture is kept here and its
    // number carried by the format.
    QTextCharFormat formatFor(const Picture& picture);
    // The picture a format stands for, or none.
    const Picture* pictureOf(const QTextFormat& format) const;

    QSizeF intrinsicSize(QTextDocument* document, int position, const QTextFormat& format) override;
    void drawObject(QPainter* painter, const QRectF& rect, QTextDocument* document, int position,
                    const QTextFormat& format) override;

private:
    std::vector<const Picture*> pictures_;
};

// The picture decoded for drawing into rect on the painter's device: scaled down when the device needs
// fewer pixels than the picture has, null when the bytes cannot be decoded.
QImage decodeForDrawing(const Picture& picture, const QPainter& painter, const QRectF& rect);

} // namespace word::engine::print
