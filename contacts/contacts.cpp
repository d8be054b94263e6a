#include "contacts.h"

#include "bookreaders.h"
#include "encoding.h"
#include "finishedcontact.h"

namespace tavrin::contacts {

ReadError::ReadError(int line, const QString& message)
    : std::runtime_error(message.toStdString()), line_(line), message_(message) {}

namespace {

// Enough of the start to see BEGIN:VCARD in any of the encodings, after a byte order mark.
constexpr qsizetype StartSize = 64;

// An address book export of a million contacts is far below this; anything larger is not one.
constexpr qint64 MaximumFileSize = qint64(64) << 20;

} // namespace

bool looksLikeVCard(const QByteArray& contents) {
    return decodedText(contents.left(StartSize)).text.trimmed().left(11).toUpper() == u"BEGIN:VCARD";
}

Expected<QByteArray, QString> contactsFileContents(const QString& path) {
    Expected<QByteArray, FileReadError> contents = readWholeFile(path, MaximumFileSize);
    if (contents)
        return std::move(*contents);
    if (contents.error().reason == FileReadError::Reason::TooLarge)
        return Unexpected(
            path +
            QStringLiteral(" is too large for an address book (over %1 MB)").arg(MaximumFileSize >> 20));
    return Unexpected(QStringLiteral("cannot read ") + path + QStringLiteral(": ") + contents.error().detail);
}

ContactList readContacts(const QByteArray& contents) {
    return looksLikeVCard(contents) ? readVCardContacts(contents) : readCsvContacts(contents);
}

ContactList readContactsFile(const QString& path) {
    const Expected<QByteArray, QString> contents = contactsFileContents(path);
    if (!contents)
        throw ReadError(0, contents.error());
    return readContacts(*contents);
}

namespace {

QString controlsAsSpaces(QString text, bool keepLineEnds) {
    for (QChar& c : text)
        if (c.category() == QChar::Other_Control && !(keepLineEnds && (c == u'\n' || c == u'\r')))
            c = u' ';
    return text;
}

QString oneLine(const QString& text) {
    return controlsAsSpaces(text, false).simplified();
}

} // namespace

Expected<Contact, QString> finishedContact(Contact contact) {
    contact.fullName = oneLine(contact.fullName);
    contact.firstName = oneLine(contact.firstName);
    contact.organisation = oneLine(contact.organisation);
    for (QString& line : contact.addressLines)
        line = controlsAsSpaces(line, true);
    contact.addressLines = nonEmptyLines(contact.addressLines);
    for (const QString* name : {&contact.fullName, &contact.firstName, &contact.organisation})
        if (name->size() > MaximumNameLength)
            return Unexpected(QStringLiteral("a name longer than %1 characters").arg(MaximumNameLength));
    if (contact.addressLines.join(u'\n').size() > MaximumAddressLength)
        return Unexpected(QStringLiteral("an address longer than %1 characters").arg(MaximumAddressLength));
    return contact;
}

} // namespace tavrin::contacts
