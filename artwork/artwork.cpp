#include "artwork.h"

namespace artwork {

struct PictureFolder::Private {
    QString directory;
};

PictureFolder::PictureFolder(const QString& programDirectory) : d_(std::make_unique<Private>()) {
    d_->directory = programDirectory;
}
PictureFolder::~PictureFolder() = default;

QString PictureFolder::path(StylePicture picture) const {
    return d_->directory + u'/' + fileName(picture);
}
bool PictureFolder::write(StylePicture) const {
    return false;
}
bool PictureFolder::remove(StylePicture) const {
    return false;
}

QString fileName(StylePicture) {
    return {};
}
QImage image(StylePicture) {
    return {};
}
QByteArray storedBytes(StylePicture) {
    return {};
}
QImage preview(StylePreview) {
    return {};
}

} // namespace artwork
