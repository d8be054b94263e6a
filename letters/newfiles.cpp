#include "newfiles.h"

#include "word/files/files.h"

namespace tavrin::letters {

namespace {

// Far more recipients of one name than any address book holds.
constexpr int MaxNumber = 10000;
// Bytes of a name's UTF-8, leaving room for " (10000).docx" within the usual 255.
constexpr qsizetype MaxBaseNameBytes = 200;

QString numberedName(const QString& baseName, const QString& extension, int number) {
    return number == 1 ? baseName + extension
                       : QStringLiteral("%1 (%2)%3").arg(baseName).arg(number).arg(extension);
}

QString failureReason(const word::files::Written& written, const QString& fileName) {
    using word::files::Step;
    switch (written.step) {
    case Step::NoFolder:
        return QStringLiteral("the folder does not exist");
    case Step::NamesTaken:
        return QStringLiteral("every name for %1 is taken").arg(fileName);
    case Step::Done:
    case Step::NoFileName:
    case Step::TargetIsFolder:
    case Step::Creating:
    case Step::Writing:
    case Step::Placing:
        break;
    }
    return written.reason();
}

bool cannotBeInAFileName(QChar c) {
    return c.category() == QChar::Other_Control || c.category() == QChar::Other_Format ||
           QStringView(u"/\\:*?\"<>|").contains(c);
}

} // namespace

QString writeNewFile(const QString& folder, const QString& baseName, const QString& extension,
                     const QByteArray& bytes) {
    const word::files::Written written = word::files::writeNewFile(
        folder, [&](int number) { return numberedName(baseName, extension, number); }, MaxNumber, bytes,
        word::files::Durability::Batched);
    if (!written.ok())
        throw FileWriteError(failureReason(written, baseName + extension));
    return written.path;
}

void syncFolder(const QString& folder) {
    if (const int error = word::files::syncFileSystem(folder))
        throw FileWriteError(word::files::systemError(error));
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
