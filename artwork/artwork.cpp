#include "artwork.h"

#include "word/files/files.h"

#include <QBuffer>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>
#include <QMutex>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QThread>

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

// Resources must be registered from the global namespace.
static void registerPictureResources() {
    Q_INIT_RESOURCE(artwork);
}

namespace artwork {

namespace {

void ensureResources() {
    static const bool registered = (registerPictureResources(), true);
    Q_UNUSED(registered);
}

QString resourceName(StylePicture picture) {
    switch (picture) {
    case StylePicture::PictureClassic:
        return QStringLiteral("classic.jpg");
    case StylePicture::PictureElegant:
        return QStringLiteral("elegant.jpg");
    case StylePicture::ElegantLine:
        return QStringLiteral("elegantLine.jpg");
    case StylePicture::ElegantDown:
        return QStringLiteral("elegantDown.jpg");
    case StylePicture::PictureRomantic:
        return QStringLiteral("romantic.jpg");
    case StylePicture::RomanticLine:
        return QStringLiteral("romanticLine.jpg");
    case StylePicture::PictureDark:
        return QStringLiteral("dark.jpg");
    case StylePicture::DarkLine:
        return QStringLiteral("darkLine.bmp");
    case StylePicture::PictureModern:
        return QStringLiteral("modern.jpg");
    case StylePicture::ModernLine:
        return QStringLiteral("modernLine.jpg");
    }
    return {};
}

QString resourceName(StylePreview style) {
    switch (style) {
    case StylePreview::Classic:
        return QStringLiteral("previewClassic.bmp");
    case StylePreview::Dark:
        return QStringLiteral("previewDark.bmp");
    case StylePreview::Romantic:
        return QStringLiteral("previewRomantic.bmp");
    case StylePreview::Elegant:
        return QStringLiteral("previewElegant.bmp");
    case StylePreview::Modernistic:
        return QStringLiteral("previewModernistic.bmp");
    }
    return {};
}

QByteArray readResource(const QString& name) {
    ensureResources();
    if (name.isEmpty())
        return {};
    QFile file(QStringLiteral(":/artwork/pictures/") + name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QImage decode(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer);
    return reader.read();
}

// Honest test of writability: permission bits say nothing for a privileged user or a read-only mount.
bool canCreateFilesIn(const QString& directory) {
    if (directory.isEmpty() || !QFileInfo(directory).isDir())
        return false;
    QTemporaryFile probe(directory + QStringLiteral("/.tavrin-probe-XXXXXX"));
    return probe.open();
}

// How long a run waits for another run in the same program directory to finish with the pictures there
// before it takes a private folder instead.
constexpr std::chrono::milliseconds LockPatience{1000};
constexpr std::chrono::milliseconds LockRetryInterval{10};

// An advisory lock on the program directory itself, held while one run's pictures are in it. Locking the
// directory rather than a file in it leaves nothing behind and has no lock file to plant or to remove.
// The system releases it with the descriptor, so a run that ends in any way never holds up the next.
class DirectoryLock {
public:
    DirectoryLock() = default;
    DirectoryLock(const DirectoryLock&) = delete;
    DirectoryLock& operator=(const DirectoryLock&) = delete;
    ~DirectoryLock() {
        if (descriptor_ >= 0)
            ::close(descriptor_);
    }

    // Waits up to `patience` for the lock; false when another run keeps it, or when the directory's
    // file system cannot lock it at all.
    bool acquire(const QString& directory, std::chrono::milliseconds patience) {
        descriptor_ = ::open(QFile::encodeName(directory).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (descriptor_ < 0)
            return false;
        const QDeadlineTimer deadline(patience);
        while (::flock(descriptor_, LOCK_EX | LOCK_NB) != 0) {
            if ((errno != EWOULDBLOCK && errno != EINTR) || deadline.hasExpired())
                return false;
            QThread::msleep(static_cast<unsigned long>(LockRetryInterval.count()));
        }
        return true;
    }

private:
    int descriptor_ = -1;
};

std::unique_ptr<QTemporaryDir> makePrivateFolder() {
    // The temporary path is empty when TMPDIR names a folder that does not exist: then there is no
    // private folder, rather than one in the file system's root.
    const QString temporary = QDir::tempPath();
    if (temporary.isEmpty())
        return nullptr;
    auto folder = std::make_unique<QTemporaryDir>(temporary + QStringLiteral("/tavrin-XXXXXX"));
    return folder->isValid() ? std::move(folder) : nullptr;
}

} // namespace

QString fileName(StylePicture picture) {
    switch (picture) {
    case StylePicture::PictureClassic:
        return QStringLiteral("classic.bmp");
    case StylePicture::PictureElegant:
        return QStringLiteral("elegant.bmp");
    case StylePicture::ElegantLine:
        return QStringLiteral("elegantLine.bmp");
    case StylePicture::ElegantDown:
        return QStringLiteral("elegantDown.bmp");
    case StylePicture::PictureRomantic:
        return QStringLiteral("romantic.bmp");
    case StylePicture::RomanticLine:
        return QStringLiteral("romanticLine.bmp");
    case StylePicture::PictureDark:
        return QStringLiteral("dark.bmp");
    case StylePicture::DarkLine:
        return QStringLiteral("darkLine.bmp");
    case StylePicture::PictureModern:
        return QStringLiteral("modern.bmp");
    case StylePicture::ModernLine:
        return QStringLiteral("modernLine.bmp");
    }
    return {};
}

QByteArray storedBytes(StylePicture picture) {
    return readResource(resourceName(picture));
}

QByteArray storedBytes(StylePreview style) {
    return readResource(resourceName(style));
}

QImage image(StylePicture picture) {
    return decode(storedBytes(picture));
}

QImage preview(StylePreview style) {
    return decode(storedBytes(style));
}

struct PictureFolder::Private {
    bool inMemory = false;
    QString directory;
    DirectoryLock lock;
    std::unique_ptr<QTemporaryDir> privateFolder;
};

PictureFolder::PictureFolder(const QString& programDirectory, PictureHandOver handOver)
    : d_(std::make_unique<Private>()) {
    if (handOver == PictureHandOver::InMemory) {
        d_->inMemory = true;
        return;
    }
    const QString directory = QDir::cleanPath(programDirectory);
    // The file names are fixed, so two runs from one program directory would replace and remove each
    // other's pictures: the directory is used only while this run holds its lock.
    if (canCreateFilesIn(directory) && d_->lock.acquire(directory, LockPatience)) {
        d_->directory = directory;
        return;
    }
    // An installed program usually lives where its user cannot write, and another run may be using the
    // pictures there; this run's pictures then go to a folder of its own, so that the letter still gets
    // them.
    d_->privateFolder = makePrivateFolder();
    if (d_->privateFolder)
        d_->directory = d_->privateFolder->path();
}

PictureFolder::~PictureFolder() = default;

QString PictureFolder::path(StylePicture picture) const {
    if (d_->inMemory)
        return memoryName(picture);
    // Without any folder there is no path, rather than one in the file system's root.
    if (d_->directory.isEmpty())
        return {};
    return d_->directory + u'/' + fileName(picture);
}

// Made once per process: a program that writes many letters decodes and encodes each picture only the
// first time.
QByteArray bitmapBytes(StylePicture picture) {
    static QMutex mutex;
    static QHash<int, QByteArray> made;
    const QMutexLocker lock(&mutex);
    if (const auto found = made.constFind(int(picture)); found != made.cend())
        return *found;
    QByteArray bytes;
    if (const QImage decoded = image(picture); !decoded.isNull()) {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        if (!decoded.save(&buffer, "BMP"))
            bytes.clear();
    }
    made.insert(int(picture), bytes);
    return bytes;
}

namespace {
const QString MemoryNamePrefix = QStringLiteral("tavrin-artwork:");
constexpr StylePicture AllPictures[] = {StylePicture::PictureClassic,  StylePicture::PictureElegant,
                                        StylePicture::ElegantLine,     StylePicture::ElegantDown,
                                        StylePicture::PictureRomantic, StylePicture::RomanticLine,
                                        StylePicture::PictureDark,     StylePicture::DarkLine,
                                        StylePicture::PictureModern,   StylePicture::ModernLine};
} // namespace

QString memoryName(StylePicture picture) {
    return MemoryNamePrefix + fileName(picture);
}

std::optional<QByteArray> bitmapNamed(const QString& name) {
    if (!name.startsWith(MemoryNamePrefix))
        return std::nullopt;
    for (StylePicture picture : AllPictures)
        if (name == memoryName(picture))
            return bitmapBytes(picture);
    return std::nullopt;
}

PictureFileResult PictureFolder::write(StylePicture picture) const {
    const QByteArray bitmap = bitmapBytes(picture);
    if (bitmap.isEmpty())
        return tavrin::Unexpected(PictureFileError::NotMade);
    if (d_->inMemory)
        return {};
    if (path(picture).isEmpty())
        return tavrin::Unexpected(PictureFileError::NoFolder);
    // Whatever stands at the target (a file, or a link planted by someone else) is replaced, never
    // written through. The file lives only until the letter is built, so it need never reach the disk:
    // syncing it would cost more than the whole letter.
    if (!word::files::replaceFile(path(picture), bitmap, word::files::Durability::Batched).ok())
        return tavrin::Unexpected(PictureFileError::NotWritten);
    return {};
}

PictureFileResult PictureFolder::remove(StylePicture picture) const {
    if (d_->inMemory)
        return {};
    const QString target = path(picture);
    if (target.isEmpty())
        return tavrin::Unexpected(PictureFileError::NoFolder);
    if (!QFile::remove(target))
        return tavrin::Unexpected(PictureFileError::NotRemoved);
    return {};
}

} // namespace artwork
