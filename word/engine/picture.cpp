#include "picture.h"

#include "limits.h"
#include "word/automationerror.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QMutex>

#include <optional>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace word::engine {

namespace {

constexpr double MetresPerInch = 0.0254;
constexpr double DefaultDpi = 96;
// zlib level 1: a little larger than the default level, several times faster to write.
constexpr int PngWriterQuality = 80;

[[noreturn]] void fail(int number, const QString& description) {
    throw AutomationError(number, description);
}

QString cannotRead(const QString& fileName, int error) {
    return QStringLiteral("The picture file \"%1\" cannot be read: %2")
        .arg(fileName, QString::fromLocal8Bit(std::strerror(error)));
}

// An open descriptor, closed with this object.
class Descriptor {
public:
    explicit Descriptor(int descriptor) : descriptor_(descriptor) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (descriptor_ >= 0)
            ::close(descriptor_);
    }
    int get() const { return descriptor_; }

private:
    int descriptor_;
};

// The file is opened once and everything is asked of that descriptor, so nothing can be swapped in
// between a check and the read. A link at the name is refused, and a FIFO or device opens without
// waiting for a writer and is then refused as not a regular file.
int openPictureFile(const QString& fileName) {
    if (fileName.isEmpty())
        fail(errors::FileNotFound, QStringLiteral("The picture file \"\" does not exist."));
    const int descriptor =
        ::open(QFile::encodeName(fileName).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (descriptor >= 0)
        return descriptor;
    const int error = errno;
    if (error == ENOENT || error == ENOTDIR)
        fail(errors::FileNotFound, QStringLiteral("The picture file \"%1\" does not exist.").arg(fileName));
    if (error == ELOOP)
        fail(errors::InvalidPicture, QStringLiteral("\"%1\" is a link, not a picture file.").arg(fileName));
    fail(errors::FileAccess, cannotRead(fileName, error));
}

QByteArray readFile(const QString& fileName) {
    const Descriptor file(openPictureFile(fileName));
    struct stat status {};
    if (::fstat(file.get(), &status) != 0)
        fail(errors::FileAccess, cannotRead(fileName, errno));
    if (!S_ISREG(status.st_mode))
        fail(errors::InvalidPicture, QStringLiteral("\"%1\" is not a picture file.").arg(fileName));
    if (status.st_size > limits::PictureFileBytes)
        fail(errors::InvalidPicture, QStringLiteral("The picture file \"%1\" is too large.").arg(fileName));

    // Read up to one byte past the limit: a file that grows while it is read is caught as well.
    QByteArray bytes(qsizetype(status.st_size) + 1, Qt::Uninitialized);
    qsizetype filled = 0;
    while (filled <= limits::PictureFileBytes) {
        if (filled == bytes.size())
            bytes.resize(std::min<qsizetype>(bytes.size() * 2, limits::PictureFileBytes + 1));
        const ssize_t got = ::read(file.get(), bytes.data() + filled, size_t(bytes.size() - filled));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            fail(errors::FileAccess, cannotRead(fileName, errno));
        if (got == 0)
            break;
        filled += got;
    }
    if (filled > limits::PictureFileBytes)
        fail(errors::InvalidPicture, QStringLiteral("The picture file \"%1\" is too large.").arg(fileName));
    bytes.truncate(filled);
    return bytes;
}

// Qt gives an image the screen's (or its own default) resolution when the file states none.
double dpiOf(int dotsPerMetre, int defaultDotsPerMetre) {
    if (dotsPerMetre <= 0 || dotsPerMetre == defaultDotsPerMetre)
        return DefaultDpi;
    const double dpi = dotsPerMetre * MetresPerInch;
    return dpi >= 1 && dpi <= 100'000 ? dpi : DefaultDpi;
}

QByteArray pngOf(const QImage& image) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    writer.setQuality(PngWriterQuality);
    if (!writer.write(image))
        fail(errors::InvalidPicture,
             QStringLiteral("The picture cannot be converted: %1").arg(writer.errorString()));
    return png;
}

// Converting a picture (decoding it, and encoding PNG for formats other than JPEG and PNG) costs far more
// than reading it; a program that embeds the same few pictures in many documents converts each once.
// Keyed by the file's whole bytes, so a changed file is converted again.
class ConvertedPictures {
public:
    std::optional<Picture> find(const QByteArray& bytes) {
        const QMutexLocker lock(&mutex_);
        const auto found = pictures_.constFind(bytes);
        return found == pictures_.cend() ? std::nullopt : std::optional(*found);
    }
    void keep(const QByteArray& bytes, const Picture& picture) {
        const QMutexLocker lock(&mutex_);
        if (pictures_.size() >= MaxPictures)
            pictures_.clear();
        pictures_.insert(bytes, picture);
    }

private:
    static constexpr qsizetype MaxPictures = 32;
    QMutex mutex_;
    QHash<QByteArray, Picture> pictures_;
};

ConvertedPictures& convertedPictures() {
    static ConvertedPictures pictures;
    return pictures;
}

Picture convertedPicture(QByteArray bytes, const QString& fileName);

} // namespace

Picture readPicture(const QString& fileName) {
    return decodePicture(readFile(fileName), fileName);
}

Picture decodePicture(const QByteArray& bytes, const QString& name) {
    if (bytes.size() > limits::PictureFileBytes)
        fail(errors::InvalidPicture, QStringLiteral("The picture \"%1\" is too large.").arg(name));
    if (std::optional<Picture> known = convertedPictures().find(bytes))
        return *known;
    Picture picture = convertedPicture(bytes, name);
    convertedPictures().keep(bytes, picture);
    return picture;
}

namespace {

Picture convertedPicture(QByteArray bytes, const QString& fileName) {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QByteArray format = reader.format(); // known only before reading
    QImage image = reader.read();
    if (image.isNull())
        fail(errors::InvalidPicture, QStringLiteral("\"%1\" is not a picture that can be read: %2")
                                         .arg(fileName, reader.errorString()));
    buffer.close();

    const int defaultDotsPerMetre = QImage(1, 1, QImage::Format_RGB32).dotsPerMeterX();
    const double dpiX = dpiOf(image.dotsPerMeterX(), defaultDotsPerMetre);
    const double dpiY = dpiOf(image.dotsPerMeterY(), defaultDotsPerMetre);

    Picture picture;
    picture.pixelWidth = image.width();
    picture.pixelHeight = image.height();
    picture.width = float(image.width() * 72.0 / dpiX);
    picture.height = float(image.height() * 72.0 / dpiY);
    if (format == "jpeg" || format == "png") {
        picture.mimeType = format == "png" ? QStringLiteral("image/png") : QStringLiteral("image/jpeg");
        picture.data = std::move(bytes);
    } else {
        image.setDotsPerMeterX(int(std::lround(dpiX / MetresPerInch)));
        image.setDotsPerMeterY(int(std::lround(dpiY / MetresPerInch)));
        picture.mimeType = QStringLiteral("image/png");
        picture.data = pngOf(image);
    }
    return picture;
}

} // namespace

void fitToWidth(Picture& picture, float availableWidth) {
    const float width = std::max(availableWidth, 1.0f);
    if (picture.width <= width)
        return;
    picture.height = picture.height * width / picture.width;
    picture.width = width;
}

} // namespace word::engine
