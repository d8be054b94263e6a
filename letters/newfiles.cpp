#include "newfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tavrin::letters {

namespace {

// Far more recipients of one name than any address book holds.
constexpr int MaxNumber = 10000;
// Bytes of a name's UTF-8, leaving room for " (10000).docx" within the usual 255.
constexpr qsizetype MaxBaseNameBytes = 200;

QString systemError(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// A temporary file is private to its owner; the written file gets the permissions of any new file.
mode_t newFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

int renameWithoutReplacing(const QByteArray& from, const QByteArray& to) {
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP)
        return errno;
    // A file system without no-replace renames: a hard link fails the same way on an existing name.
    if (::link(from.constData(), to.constData()) != 0)
        return errno;
    ::unlink(from.constData());
    return 0;
}

QString numberedName(const QString& baseName, const QString& extension, int number) {
    return number == 1 ? baseName + extension
                       : QStringLiteral("%1 (%2)%3").arg(baseName).arg(number).arg(extension);
}

bool cannotBeInAFileName(QChar c) {
    return c.category() == QChar::Other_Control || c.category() == QChar::Other_Format ||
           QStringView(u"/\\:*?\"<>|").contains(c);
}

} // namespace

QString writeNewFile(const QString& folder, const QString& baseName, const QString& extension,
                     const QByteArray& bytes) {
    const QDir directory(folder);
    // Removed with this object unless it got its name: a failure leaves nothing behind.
    QTemporaryFile file(directory.filePath(QStringLiteral(".tavrin-letters-XXXXXX.part")));
    if (!file.open())
        throw FileWriteError(file.errorString());
    if (file.write(bytes) != bytes.size() || !file.flush())
        throw FileWriteError(file.errorString());
    if (::fchmod(file.handle(), newFileMode()) != 0)
        throw FileWriteError(systemError(errno));

    const QByteArray temporaryName = QFile::encodeName(file.fileName());
    for (int number = 1; number <= MaxNumber; ++number) {
        const QString path = directory.filePath(numberedName(baseName, extension, number));
        const int error = renameWithoutReplacing(temporaryName, QFile::encodeName(path));
        if (error == 0) {
            file.setAutoRemove(false);
            return path;
        }
        if (error != EEXIST)
            throw FileWriteError(systemError(error));
    }
    throw FileWriteError(QStringLiteral("every name for %1 is taken").arg(baseName + extension));
}

void syncFolder(const QString& folder) {
    const int descriptor = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0)
        throw FileWriteError(systemError(errno));
    const int result = ::syncfs(descriptor);
    const int error = errno;
    ::close(descriptor);
    if (result != 0)
        throw FileWriteError(systemError(error));
}

QString fileBaseName(const QString& personName) {
    QString name;
    for (const QChar c : personName)
        name += cannotBeInAFileName(c) ? QChar(u'_') : c;
    while (name.startsWith(u'.') || name.startsWith(u' '))
        name.remove(0, 1);
    while (name.toUtf8().size() > MaxBaseNameBytes)
        name.chop(name.size() >= 2 && name.at(name.size() - 1).isLowSurrogate() ? 2 : 1);
    while (name.endsWith(u'.') || name.endsWith(u' '))
        name.chop(1);
    return name.isEmpty() ? QStringLiteral("Letter") : name;
}

} // namespace tavrin::letters
