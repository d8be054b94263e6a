// Recipients from CSV (RFC 4180), parsed by libcsv in strict mode: a header row names the columns, and
// the column names of the common address book exports are understood as well as our own.

#include "contacts.h"
#include "encoding.h"
#include "finishedcontact.h"

#include <csv.h>

#include <QHash>

#include <initializer_list>

#include <algorithm>
#include <array>
#include <memory>
#include <optional>

namespace tavrin::contacts {

namespace {

struct CsvRow {
    QStringList fields;
    int line = 0;
};

// A line and its end: "\r\n", "\n" or a lone "\r" (old Macintosh files), kept so that libcsv sees it.
QList<QByteArray> splitKeepingEnds(const QByteArray& bytes) {
    QList<QByteArray> lines;
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = start;
        while (end < bytes.size() && bytes.at(end) != '\n' && bytes.at(end) != '\r')
            ++end;
        if (end < bytes.size())
            end += bytes.at(end) == '\r' && end + 1 < bytes.size() && bytes.at(end + 1) == '\n' ? 2 : 1;
        lines << bytes.mid(start, end - start);
        start = end;
    }
    return lines;
}

// How the fields are separated: Excel's "sep=;" first line says so; without it the header row is
// counted, since Excel in most of Europe writes semicolons and "Unicode text" writes tabs.
struct Dialect {
    unsigned char delimiter = ',';
    bool firstLineNamesIt = false;
};

std::optional<unsigned char> separatorLine(const QByteArray& line) {
    const QByteArray text = line.trimmed();
    if (text.size() == 5 && text.left(4).toLower() == "sep=" && text.at(4) != '"' && uchar(text.at(4)) < 0x80)
        return uchar(text.at(4));
    return std::nullopt;
}

// Counted outside quotes, so that a comma in a quoted column name does not decide.
unsigned char headerDelimiter(const QByteArray& header) {
    const QByteArray candidates = ",;\t";
    std::array<int, 3> counts{};
    bool quoted = false;
    for (const char c : header) {
        if (c == '"')
            quoted = !quoted;
        else if (const qsizetype index = candidates.indexOf(c); index >= 0 && !quoted)
            ++counts[std::size_t(index)];
    }
    const auto most = std::max_element(counts.begin(), counts.end());
    return *most == 0 ? ',' : uchar(candidates.at(most - counts.begin()));
}

Dialect dialectOf(const QList<QByteArray>& lines) {
    if (lines.isEmpty())
        return {};
    if (const std::optional<unsigned char> named = separatorLine(lines.front()))
        return {*named, true};
    return {headerDelimiter(lines.front()), false};
}

// Feeds libcsv one line at a time, so that every row knows the line it starts on even when a quoted
// field runs over several lines.
class CsvRows {
public:
    explicit CsvRows(const QByteArray& bytes) {
        csv_init(&parser_, CSV_STRICT | CSV_STRICT_FINI);
        std::unique_ptr<csv_parser, decltype(&csv_free)> freeing(&parser_, &csv_free);
        const QList<QByteArray> lines = splitKeepingEnds(bytes);
        const Dialect dialect = dialectOf(lines);
        csv_set_delim(&parser_, dialect.delimiter);
        for (qsizetype index = dialect.firstLineNamesIt ? 1 : 0; index < lines.size(); ++index)
            feed(lines.at(index), int(index) + 1);
        if (csv_fini(&parser_, &CsvRows::onField, &CsvRows::onRowEnd, this) != 0)
            throw ReadError(rowStart_, QStringLiteral("a quoted field is never closed"));
    }

    std::vector<CsvRow> rows;

private:
    void feed(const QByteArray& line, int number) {
        if (!rowOpen_)
            rowStart_ = number;
        rowEnded_ = false;
        if (csv_parse(&parser_, line.constData(), size_t(line.size()), &CsvRows::onField, &CsvRows::onRowEnd,
                      this) != size_t(line.size()))
            throw ReadError(number, csv_error(&parser_) == CSV_EPARSE
                                        ? QStringLiteral("a quote out of place")
                                        : QStringLiteral("the line is too long"));
        const bool hasContent = !line.trimmed().isEmpty();
        rowOpen_ = !rowEnded_ && (rowOpen_ || hasContent);
    }

    static void onField(void* data, size_t size, void* self) {
        auto* rows = static_cast<CsvRows*>(self);
        rows->current_.fields << QString::fromUtf8(static_cast<const char*>(data), qsizetype(size));
    }

    static void onRowEnd(int, void* self) {
        auto* rows = static_cast<CsvRows*>(self);
        rows->current_.line = rows->rowStart_;
        rows->rows.push_back(std::move(rows->current_));
        rows->current_ = {};
        rows->rowEnded_ = true;
    }

    csv_parser parser_{};
    CsvRow current_;
    int rowStart_ = 1;
    bool rowOpen_ = false;
    bool rowEnded_ = false;
};

// Each part of a contact may go by several column names: the first that has a value counts.
using Names = QStringList;

Names names(std::initializer_list<const char*> list) {
    Names result;
    for (const char* name : list)
        result << QString::fromUtf8(name);
    return result;
}

// The columns of one postal address.
struct AddressColumns {
    std::vector<Names> streetLines; // each a line, in order
    Names city, region, postalCode, country;
    Names formatted; // one column holding the whole address, used when the parts are empty
    bool home = false;
    bool plain = false; // a hand-made list's columns
};

// Outlook: Home, Business and Other, each with three street lines and a post office box.
AddressColumns outlookAddress(const QString& kind) {
    const QString k = kind + u' ';
    return {{{k + QStringLiteral("address po box")},
             {k + QStringLiteral("street")},
             {k + QStringLiteral("street 2")},
             {k + QStringLiteral("street 3")}},
            {k + QStringLiteral("city")},
            {k + QStringLiteral("state")},
            {k + QStringLiteral("postal code")},
            {k + QStringLiteral("country/region"), k + QStringLiteral("country")},
            {},
            kind == u"home",
            false};
}

AddressColumns thunderbirdAddress(const QString& kind) {
    const QString k = kind + u' ';
    return {{{k + QStringLiteral("address")}, {k + QStringLiteral("address 2")}},
            {k + QStringLiteral("city")},
            {k + QStringLiteral("state")},
            {k + QStringLiteral("zipcode")},
            {k + QStringLiteral("country")},
            {},
            kind == u"home",
            false};
}

AddressColumns googleAddress(int number, bool home) {
    const QString prefix = QStringLiteral("address %1 - ").arg(number);
    return {{{prefix + QStringLiteral("po box")},
             {prefix + QStringLiteral("street")},
             {prefix + QStringLiteral("extended address")}},
            {prefix + QStringLiteral("city")},
            {prefix + QStringLiteral("region")},
            {prefix + QStringLiteral("postal code")},
            {prefix + QStringLiteral("country")},
            {prefix + QStringLiteral("formatted")},
            home,
            false};
}

// A hand-made list's plain columns, in English, German and French.
const AddressColumns PlainAddress{
    {names(
         {"street", "street address", "address line 1", "straße", "strasse", "anschrift", "adresse", "rue"}),
     names({"address line 2", "street 2", "adresse 2", "complément d'adresse"})},
    names({"city", "town", "ort", "stadt", "wohnort", "ville", "localité", "commune"}),
    names({"state", "region", "province", "county", "bundesland", "kanton", "région", "département"}),
    names({"zip", "zip code", "zipcode", "postcode", "post code", "postal code", "plz", "postleitzahl",
           "code postal", "cp"}),
    names({"country", "country/region", "land", "staat", "pays"}),
    {},
    false,
    true};
// Columns named in German or French: without a country, the postcode goes before the town.
const Names PostcodeFirstColumns = names({"plz", "postleitzahl", "ort", "code postal", "cp", "ville"});

const Names FullNameColumns = names({"name", "display name", "full name"});
const Names GivenNameColumns = names({"first name", "given name", "vorname", "prénom", "prenom"});
const Names MiddleNameColumns = names({"middle name", "additional name"});
const Names FamilyNameColumns =
    names({"last name", "family name", "surname", "nachname", "nom", "nom de famille"});
const Names OrganisationColumns =
    names({"company", "organization", "organisation", "organization name", "organization 1 - name", "firma",
           "unternehmen", "entreprise", "société", "societe"});
const QString AddressColumn = QStringLiteral("address");
constexpr int GoogleAddressCount = 3;

class Header {
public:
    explicit Header(const QStringList& names) {
        for (qsizetype index = 0; index < names.size(); ++index)
            columns_[names.at(index).trimmed().toLower()] << int(index);
    }

    bool has(const Names& names) const {
        return std::any_of(names.begin(), names.end(),
                           [&](const QString& name) { return columns_.contains(name); });
    }
    bool namesSomeone() const {
        return has(FullNameColumns) || has(GivenNameColumns) || has(FamilyNameColumns) ||
               has(OrganisationColumns);
    }

    // A name given to several columns has the value of the first that is not empty.
    QString value(const CsvRow& row, const Names& names) const {
        for (const QString& name : names)
            for (const int index : columns_.value(name))
                if (QString found = row.fields.value(index).trimmed(); !found.isEmpty())
                    return found;
        return {};
    }
    QString value(const CsvRow& row, const QString& name) const { return value(row, Names{name}); }

private:
    QHash<QString, QList<int>> columns_;
};

struct AddressChoice {
    QStringList lines;
    bool complete = false;
};

AddressChoice addressOf(const Header& header, const CsvRow& row, const AddressColumns& columns) {
    PostalAddress address;
    for (const Names& line : columns.streetLines)
        address.streetLines << header.value(row, line);
    address.city = header.value(row, columns.city);
    address.region = header.value(row, columns.region);
    address.postalCode = header.value(row, columns.postalCode);
    address.country = header.value(row, columns.country);
    if (columns.plain && header.has(PostcodeFirstColumns))
        address.layoutWithoutCountry = LocalityLayout::PostcodeTown;
    if (!address.isEmpty())
        return {addressLines(address), address.isComplete()};
    const QStringList formatted = nonEmptyLines({header.value(row, columns.formatted)});
    return {formatted, formatted.size() > 1};
}

// Every address a row may hold, home addresses first.
std::vector<AddressColumns> addressColumns(const Header& header, const CsvRow& row) {
    std::vector<AddressColumns> all{thunderbirdAddress(QStringLiteral("home")),
                                    outlookAddress(QStringLiteral("home"))};
    for (int number = 1; number <= GoogleAddressCount; ++number) {
        const QString prefix = QStringLiteral("address %1 - ").arg(number);
        const QString type =
            header.value(row, Names{prefix + QStringLiteral("type"), prefix + QStringLiteral("label")});
        all.push_back(googleAddress(number, type.contains(QLatin1String("home"), Qt::CaseInsensitive)));
    }
    all.push_back(outlookAddress(QStringLiteral("business")));
    all.push_back(outlookAddress(QStringLiteral("other")));
    all.push_back(thunderbirdAddress(QStringLiteral("work")));
    all.push_back(PlainAddress);
    std::stable_partition(all.begin(), all.end(), [](const AddressColumns& columns) { return columns.home; });
    return all;
}

bool hasAddressColumns(const Header& header, const CsvRow& row) {
    if (header.has({AddressColumn}))
        return true;
    for (const AddressColumns& columns : addressColumns(header, row))
        for (const Names& line : columns.streetLines)
            if (header.has(line))
                return true;
    return false;
}

// Our own "address" column first; then the first complete home address, else the first complete one,
// else the first that gives anything.
QStringList contactAddress(const Header& header, const CsvRow& row) {
    if (const QString address = header.value(row, AddressColumn); !address.isEmpty())
        return nonEmptyLines({address});
    std::optional<QStringList> partial;
    for (const AddressColumns& columns : addressColumns(header, row)) {
        AddressChoice choice = addressOf(header, row, columns);
        if (choice.complete)
            return choice.lines;
        if (!partial && !choice.lines.isEmpty())
            partial = std::move(choice.lines);
    }
    return partial.value_or(QStringList());
}

QString personName(const Header& header, const CsvRow& row) {
    if (QString full = header.value(row, FullNameColumns); !full.isEmpty())
        return full;
    return nonEmptyLines({header.value(row, GivenNameColumns), header.value(row, MiddleNameColumns),
                          header.value(row, FamilyNameColumns)})
        .join(QLatin1Char(' '));
}

// A person, or an organisation when the row names no one.
Contact contactOf(const Header& header, const CsvRow& row) {
    Contact contact;
    contact.fullName = personName(header, row);
    contact.firstName = header.value(row, GivenNameColumns);
    contact.organisation = header.value(row, OrganisationColumns);
    if (contact.fullName.isEmpty())
        contact.fullName = contact.organisation;
    contact.addressLines = contactAddress(header, row);
    contact.line = row.line;
    return contact;
}

bool isBlank(const CsvRow& row) {
    for (const QString& field : row.fields)
        if (!field.trimmed().isEmpty())
            return false;
    return true;
}

} // namespace

ContactList readCsvContacts(const QByteArray& contents) {
    // libcsv reads bytes: it is given UTF-8 whatever the file's encoding, in which no separator or quote
    // is ever part of another character.
    const DecodedText text = decodedText(contents);
    const std::vector<CsvRow> rows = CsvRows(text.text.toUtf8()).rows;
    if (rows.empty())
        throw ReadError(1, QStringLiteral("no header row naming the columns"));
    const Header header(rows.front().fields);
    if (!header.namesSomeone())
        throw ReadError(rows.front().line,
                        QStringLiteral("no column for the name (\"name\", \"first name\", \"company\"...)"));

    ContactList list;
    list.readAsWindows1252 = text.encoding == Encoding::Windows1252;
    const qsizetype columnCount = rows.front().fields.size();
    for (auto row = rows.begin() + 1; row != rows.end(); ++row) {
        if (isBlank(*row))
            continue;
        // A field too many or too few would shift every one after it into the wrong column.
        if (row->fields.size() != columnCount) {
            list.skipped << QStringLiteral("line %1: %2 fields where the header has %3, left out")
                                .arg(row->line)
                                .arg(row->fields.size())
                                .arg(columnCount);
            continue;
        }
        Expected<Contact, QString> finished = finishedContact(contactOf(header, *row));
        if (!finished) {
            list.skipped << QStringLiteral("line %1: ").arg(row->line) + finished.error() +
                                QStringLiteral(", left out");
            continue;
        }
        Contact& contact = *finished;
        if (contact.fullName.isEmpty()) {
            list.skipped << QStringLiteral("line %1: a recipient without a name, left out").arg(row->line);
            continue;
        }
        if (contact.addressLines.isEmpty() && hasAddressColumns(header, *row))
            list.warnings << QStringLiteral("line %1: no address in the address columns").arg(row->line);
        list.contacts.push_back(std::move(contact));
    }
    return list;
}

} // namespace tavrin::contacts
