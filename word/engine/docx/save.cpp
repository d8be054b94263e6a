// Saving a package without ever leaving a half-written file or writing through a planted link: the bytes go
// to a new file beside the target, which is then renamed over it. rename() replaces a link at the target
// with the file instead of writing to where the link points, and the old file stays as it was until the
// new one is complete. The new file reaches the disk before the rename, so that a crash leaves either the
// old file or the new one, never an empty one; the folder itself is not synced, as either outcome is whole.

#include "word/engine/docx.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace word::engine {

using namespace Qt::Literals::StringLiterals;

namespace {

[[noreturn]] void cannotSave(const QString& path, const QString& reason) {
    throw AutomationError(errors::FileAccess,
                          u"The document could not be saved as %1: %2."_s.arg(path, reason));
}

QString systemError(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// Opens a new file with a name of its own in folder; never an existing file, never through a link.
void createTemporaryFile(QFile& file, const QDir& folder) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString name =
            u".tavrin-%1.tmp"_s.arg(QRandomGenerator::global()->generate64(), 16, 16, QChar(u'0'));
        file.setFileName(folder.filePath(name));
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return;
        const QFileInfo taken(file.fileName());
        if (!taken.exists() && !taken.isSymLink())
            break; // failed for another reason than the name being taken
    }
    cannotSave(folder.path(), file.errorString());
}

void writeAtomically(const QString& path, const QByteArray& bytes) {
    const QFileInfo target(path);
    const QDir folder = target.absoluteDir();
    if (target.fileName().isEmpty())
        cannotSave(path, u"the path names no file"_s);
    if (!folder.exists())
        throw AutomationError(errors::FileNotFound, u"The folder %1 does not exist."_s.arg(folder.path()));

    const QByteArray targetName = QFile::encodeName(target.absoluteFilePath());
    struct stat existing {};
    const bool exists = ::lstat(targetName.constData(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode))
        cannotSave(path, u"a folder of that name exists"_s);

    QFile file;
    createTemporaryFile(file, folder);
    const auto abandon = [&](const QString& reason) {
        file.close();
        file.remove();
        cannotSave(path, reason);
    };
    if (file.write(bytes) != bytes.size() || !file.flush())
        abandon(file.errorString());
    // A replaced file keeps its permissions; a new one gets the usual ones less the umask.
    if (exists && S_ISREG(existing.st_mode) && ::fchmod(file.handle(), existing.st_mode & 07777) != 0)
        abandon(systemError(errno));
    if (::fsync(file.handle()) != 0)
        abandon(systemError(errno));
    file.close();
    if (file.error() != QFileDevice::NoError)
        abandon(file.errorString());

    if (::rename(QFile::encodeName(file.fileName()).constData(), targetName.constData()) != 0) {
        const int error = errno;
        file.remove();
        cannotSave(path, systemError(error));
    }
}

} // namespace

void saveDocx(const DocumentModel& model, const QString& path) {
    writeAtomically(path, docxBytes(model));
}

} // namespace word::engine
