#include "contacts.h"

#include "encoding.h"

namespace tavrin::contacts {

ReadError::ReadError(int line, const QString& message)
    : std::runtime_error(message.toStdString()), line_(line), message_(message) {}

namespace {

// Enough of the start to see BEGIN:VCARD in any of the encodings, after a byte order mark.
constexpr qsizetype StartSize = 64;

bool looksLikeVCard(const QByteArray& contents) {
    return decodedText(contents.left(StartSize)).text.trimmed().left(11).toUpper() == u"BEGIN:VCARD";
}

// An address book export of a million contacts is far below this; anything larger is not one.
constexpr qint64 MaximumFileSize = qint64(64) << 20;

} // namespace

ContactList readContacts(const QByteArray& contents) {
    return looksLikeVCard(contents) ? readVCardContacts(contents) : readCsvContacts(contents);
}

ContactList readContactsFile(const QString& path) {
    const Expected<QByteArray, FileReadError> contents = readWholeFile(path, MaximumFileSize);
    if (contents)
        return readContacts(*contents);
    if (contents.error().reason == FileReadError::Reason::TooLarge)
        throw ReadError(
            0,
            path +
                QStringLiteral(" is too large for an address book (over %1 MB)").arg(MaximumFileSize >> 20));
    throw ReadError(0,
                    QStringLiteral("cannot read ") + path + QStringLiteral(": ") + contents.error().detail);
}

} // namespace tavrin::contacts
