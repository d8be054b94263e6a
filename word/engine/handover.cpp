#include "handover.h"

#include "docx.h"
#include "engine.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QUrl>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace word::engine {

namespace {

// Far more letters than one day brings; past it something is wrong with the folder.
constexpr int MaxLetterNumber = 10000;

QString letterName(QDate today, int number) {
    const QString date = today.toString(Qt::ISODate);
    if (number == 1)
        return QStringLiteral("Letter %1.docx").arg(date);
    return QStringLiteral("Letter %1 (%2).docx").arg(date).arg(number);
}

QString systemError(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// A temporary file is private to its owner; the letter gets the permissions of any new file.
mode_t newFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// Gives `from` the name `to` unless something already has it; returns 0 or the error number.
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

// Returns 0 or the error number.
int writeAll(int descriptor, const QByteArray& bytes) {
    const char* data = bytes.constData();
    qint64 left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(descriptor, data, size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            return errno;
        data += written;
        left -= written;
    }
    return 0;
}

struct Saved {
    QString path;  // empty when it failed
    QString error; // why it failed
};

Saved failed(const QString& reason) {
    return {{}, reason};
}

Saved writeLetter(const QByteArray& bytes, const QString& folder, QDate today) {
    const QDir directory(folder);
    // Removed with this object unless it became the letter: a failure leaves nothing behind.
    QTemporaryFile file(directory.filePath(QStringLiteral(".Letter-XXXXXX.part")));
    if (!file.open())
        return failed(file.errorString());
    if (const int error = writeAll(file.handle(), bytes))
        return failed(systemError(error));
    if (::fdatasync(file.handle()) != 0 || ::fchmod(file.handle(), newFileMode()) != 0)
        return failed(systemError(errno));

    const QByteArray temporaryName = QFile::encodeName(file.fileName());
    for (int number = 1; number <= MaxLetterNumber; ++number) {
        const QString path = directory.filePath(letterName(today, number));
        const int error = renameWithoutReplacing(temporaryName, QFile::encodeName(path));
        if (error == 0) {
            file.setAutoRemove(false);
            return {path, {}};
        }
        if (error != EEXIST)
            return failed(systemError(error));
    }
    return failed(QStringLiteral("every name for today's letters is taken"));
}

Saved saveLetter(const DocumentModel& model, const QString& folder, QDate today) {
    if (folder.isEmpty())
        return failed(QStringLiteral("there is no documents folder"));
    if (!QDir().mkpath(folder))
        return failed(QStringLiteral("the folder cannot be created"));
    try {
        return writeLetter(docxBytes(model), folder, today);
    } catch (const AutomationError& error) {
        return failed(error.description);
    }
}

} // namespace

Desktop Desktop::user() {
    return {QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
            [](const QString& path) { QDesktopServices::openUrl(QUrl::fromLocalFile(path)); },
            [](const QString& line) {
                std::fputs((line + QLatin1Char('\n')).toLocal8Bit().constData(), stdout);
                std::fflush(stdout);
            }};
}

HandOverResult handOver(const std::vector<DocumentToHandOver>& documents, const Desktop& desktop,
                        QDate today) {
    HandOverResult result;
    for (const DocumentToHandOver& document : documents) {
        const Saved saved = saveLetter(*document.model, desktop.documentsFolder, today);
        if (saved.path.isEmpty()) {
            result.failures.append(
                QCoreApplication::translate("HandOver", "The letter could not be saved in %1: %2.")
                    .arg(QDir::toNativeSeparators(desktop.documentsFolder), saved.error));
            continue;
        }
        result.saved.append(saved.path);
        desktop.print(saved.path);
        if (document.applicationVisible)
            desktop.open(saved.path);
    }
    return result;
}

HandOverResult handOverOpenDocuments(const Engine& engine, const Desktop& desktop) {
    const std::vector<EngineDocument> engineDocuments = engine.documents();
    std::vector<DocumentToHandOver> open;
    for (const EngineDocument& document : engineDocuments)
        if (!document.closed)
            open.push_back({&modelOf(document.document), document.applicationVisible});
    return handOver(open, desktop);
}

} // namespace word::engine
