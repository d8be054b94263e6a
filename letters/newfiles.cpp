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

std::function<QString(int)> numberedNames(const QString& baseName, const QString& extension) {
    return [=](int number) { return numberedName(baseName, extension, number); };
}

QString pathOrThrow(const word::files::Written& written, const QString& fileName) {
    if (!written.ok())
        throw FileWriteError(failureReason(written, fileName));
    return written.path;
}

bool cannotBeInAFileName(QChar c) {
    return c.category() == QChar::Other_Control || c.category() == QChar::Other_Format ||
           QStringView(u"/\\:*?\"<>|").contains(c);
}

// The bytes of one UTF-16 unit in UTF-8; a lone surrogate becomes U+FFFD, three bytes.
qsizetype utf8Size(QChar c) {
    if (c.unicode() < 0x80)
        return 1;
    return c.unicode() < 0x800 ? 2 : 3;
}

} // namespace

QString writeNewFile(const QString& folder, const QString& baseName, const QString& extension,
                     const QByteArray& bytes) {
    return pathOrThrow(word::files::writeNewFile(folder, numberedNames(baseName, extension), MaxNumber, bytes,
                                                 word::files::Durability::Batched),
                       baseName + extension);
}

QString placeNewFile(word::files::GrowingFile& file, const QString& baseName, const QString& extension) {
    return pathOrThrow(
        file.placeNew(numberedNames(baseName, extension), MaxNumber, word::files::Durability::Batched),
        baseName + extension);
}

void syncFolder(const QString& folder) {
    if (const int error = word::files::syncFileSystem(folder))
        throw FileWriteError(word::files::systemError(error));
}

QString fileBaseName(const QString& personName) {
    // One pass, whatever the name's length: characters are kept while they fit in the budget of bytes,
    // measured as they are added, never by re-encoding what is kept.
    QString name;
    qsizetype bytes = 0;
    qsizetype index = 0;
    while (index < personName.size() && (personName.at(index) == u'.' || personName.at(index) == u' '))
        ++index;
    for (; index < personName.size(); ++index) {
        const QChar c = personName.at(index);
        const bool pair =
            c.isHighSurrogate() && index + 1 < personName.size() && personName.at(index + 1).isLowSurrogate();
        const qsizetype size = pair ? 4 : utf8Size(c);
        if (bytes + size > MaxBaseNameBytes)
            break;
        bytes += size;
        if (pair) {
            name += c;
            name += personName.at(++index);
        } else {
            name += cannotBeInAFileName(c) ? QChar(u'_') : c;
        }
    }
    while (name.endsWith(u'.') || name.endsWith(u' '))
        name.chop(1);
    return name.isEmpty() ? QStringLiteral("Letter") : name;
}

} // namespace tavrin::letters
