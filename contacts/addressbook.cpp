#include "addressbook.h"

#include "bookreaders.h"
#include "contacts.h"

#include <QDir>
#include <QRegularExpression>
#include <QStandardPaths>

namespace tavrin::contacts {

void BookContents::append(BookContents&& other) {
    contacts.insert(contacts.end(), std::make_move_iterator(other.contacts.begin()),
                    std::make_move_iterator(other.contacts.end()));
    problems.insert(problems.end(), std::make_move_iterator(other.problems.begin()),
                    std::make_move_iterator(other.problems.end()));
}

namespace {

// The CSV reader words each record it leaves out "line N: why".
BookProblem problemOf(const QString& file, const QString& sentence) {
    static const QRegularExpression numbered(QStringLiteral("^line (\\d+): (.*)$"));
    const QRegularExpressionMatch match = numbered.match(sentence);
    if (!match.hasMatch())
        return {file, 0, sentence};
    return {file, match.captured(1).toInt(), match.captured(2)};
}

// A CSV record's address comes laid out already: its last line is the country where it names one.
PostalAddress addressOfLines(QStringList lines) {
    PostalAddress address;
    if (!lines.isEmpty() && !isoCodeOfCountry(lines.back()).isEmpty())
        address.country = lines.takeLast();
    address.streetLines = lines;
    return address;
}

BookContents csvBook(const QByteArray& bytes, const QString& file) {
    BookContents book;
    try {
        const ContactList list = readCsvContacts(bytes);
        for (const Contact& contact : list.contacts) {
            BookContact entry{contact.fullName, contact.organisation, {}, {}, {}};
            if (!contact.addressLines.isEmpty())
                entry.addresses.push_back({AddressKind::Other, addressOfLines(contact.addressLines)});
            book.contacts.push_back(std::move(entry));
        }
        for (const QString& sentence : list.skipped)
            book.problems.push_back(problemOf(file, sentence));
    } catch (const ReadError& error) {
        book.problems.push_back({file, error.line(), error.message()});
    }
    return book;
}

} // namespace

BookContents readBookFile(const QString& path, const QString& book) {
    const Expected<QByteArray, QString> bytes = contactsFileContents(path);
    if (!bytes)
        return {{}, {{path, 0, bytes.error()}}};
    // A .vcf is a vCard file however little it holds: an empty one has no contacts, not a missing header.
    const bool vCard = looksLikeVCard(*bytes) || path.endsWith(QStringLiteral(".vcf"), Qt::CaseInsensitive);
    BookContents contents = vCard ? readVCardBook(*bytes, path) : csvBook(*bytes, path);
    for (BookContact& contact : contents.contacts)
        contact.book = book;
    return contents;
}

BookContents readBookFolder(const QString& folder, const QString& book) {
    BookContents contents;
    const QDir dir(folder);
    const QStringList files =
        dir.entryList({QStringLiteral("*.vcf")}, QDir::Files | QDir::Readable, QDir::Name | QDir::IgnoreCase);
    for (const QString& file : files)
        contents.append(readBookFile(dir.filePath(file), book));
    return contents;
}

QString kdeContactsFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/contacts");
}

namespace {

AddressRow rowOf(const BookContact& contact, const BookAddress* address, QLocale::Territory home) {
    AddressRow row{contact.formattedName,
                   contact.organisation,
                   contact.emails.join(QStringLiteral(", ")),
                   contact.book,
                   std::nullopt,
                   {},
                   {}};
    if (address) {
        row.kind = address->kind;
        row.lines = linesForLetter(address->address, home);
    }
    const QString town = address ? address->address.city : QString();
    row.searchText = QStringList{row.name, row.organisation, town, row.emails}.join(u'\n').toCaseFolded();
    return row;
}

} // namespace

std::vector<AddressRow> addressRows(const std::vector<BookContact>& contacts, QLocale::Territory home) {
    std::vector<AddressRow> rows;
    rows.reserve(contacts.size());
    for (const BookContact& contact : contacts) {
        if (contact.formattedName.isEmpty())
            continue;
        if (contact.addresses.empty())
            rows.push_back(rowOf(contact, nullptr, home));
        for (const BookAddress& address : contact.addresses)
            rows.push_back(rowOf(contact, &address, home));
    }
    return rows;
}

bool namesTerritory(const QString& country, QLocale::Territory territory) {
    const QString name = country.trimmed();
    if (name.isEmpty() || territory == QLocale::AnyTerritory)
        return false;
    const QString code = QLocale::territoryToCode(territory).toLower();
    return isoCodeOfCountry(name) == code || name.compare(code, Qt::CaseInsensitive) == 0 ||
           name.compare(QLocale::territoryToString(territory), Qt::CaseInsensitive) == 0;
}

QStringList linesForLetter(const PostalAddress& address, QLocale::Territory home) {
    if (!namesTerritory(address.country, home))
        return addressLines(address);
    PostalAddress withoutCountry = address;
    withoutCountry.layoutWithoutCountry = localityLayoutOf(address.country, address.layoutWithoutCountry);
    withoutCountry.country.clear();
    return addressLines(withoutCountry);
}

} // namespace tavrin::contacts
