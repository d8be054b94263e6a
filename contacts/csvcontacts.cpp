// Recipients from CSV (RFC 4180), parsed by libcsv in strict mode: a header row names the columns, and
// the column names of the common address book exports are understood as well as our own.

#include "contacts.h"
#include "encoding.h"

#include <csv.h>

#include <QHash>

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

// The parts of one postal address, each a column of the header (-1 when it has none).
struct AddressColumns {
    QStringList streetColumns;
    QString city, region, postalCode, country;
    QString formatted; // one column holding the whole address, used when the parts are empty
};

const AddressColumns ThunderbirdHome{{QStringLiteral("home address"), QStringLiteral("home address 2")},
                                     QStringLiteral("home city"),
                                     QStringLiteral("home state"),
                                     QStringLiteral("home zipcode"),
                                     QStringLiteral("home country"),
                                     {}};
const AddressColumns ThunderbirdWork{{QStringLiteral("work address"), QStringLiteral("work address 2")},
                                     QStringLiteral("work city"),
                                     QStringLiteral("work state"),
                                     QStringLiteral("work zipcode"),
                                     QStringLiteral("work country"),
                                     {}};

AddressColumns googleAddress(int number) {
    const QString prefix = QStringLiteral("address %1 - ").arg(number);
    return {{prefix + QStringLiteral("po box"), prefix + QStringLiteral("street"),
             prefix + QStringLiteral("extended address")},
            prefix + QStringLiteral("city"),
            prefix + QStringLiteral("region"),
            prefix + QStringLiteral("postal code"),
            prefix + QStringLiteral("country"),
            prefix + QStringLiteral("formatted")};
}

const QStringList FullNameColumns{QStringLiteral("name"), QStringLiteral("display name"),
                                  QStringLiteral("full name")};
const QStringList GivenNameColumns{QStringLiteral("first name"), QStringLiteral("given name")};
const QStringList MiddleNameColumns{QStringLiteral("middle name"), QStringLiteral("additional name")};
const QStringList FamilyNameColumns{QStringLiteral("last name"), QStringLiteral("family name")};
const QString AddressColumn = QStringLiteral("address");
constexpr int GoogleAddressCount = 3;

class Header {
public:
    explicit Header(const QStringList& names) {
        for (qsizetype index = 0; index < names.size(); ++index)
            columns_.insert(names.at(index).trimmed().toLower(), int(index));
    }

    bool namesSomeone() const {
        for (const QStringList* set : {&FullNameColumns, &GivenNameColumns, &FamilyNameColumns})
            for (const QString& column : *set)
                if (columns_.contains(column))
                    return true;
        return false;
    }

    QString value(const CsvRow& row, const QString& column) const {
        const int index = columns_.value(column, -1);
        return index < 0 ? QString() : row.fields.value(index).trimmed();
    }
    QString firstValue(const CsvRow& row, const QStringList& columns) const {
        for (const QString& column : columns)
            if (QString found = value(row, column); !found.isEmpty())
                return found;
        return {};
    }

private:
    QHash<QString, int> columns_;
};

QStringList addressLines(const Header& header, const CsvRow& row, const AddressColumns& address) {
    QStringList streets;
    for (const QString& column : address.streetColumns)
        streets << header.value(row, column);
    QStringList lines = detail::nonEmptyLines(
        streets +
        QStringList{detail::localityLine(header.value(row, address.city), header.value(row, address.region),
                                         header.value(row, address.postalCode)),
                    header.value(row, address.country)});
    if (lines.isEmpty() && !address.formatted.isEmpty())
        lines = detail::nonEmptyLines({header.value(row, address.formatted)});
    return lines;
}

// Google numbers its addresses; one whose type says home comes first.
std::vector<AddressColumns> addressChoices(const Header& header, const CsvRow& row) {
    std::vector<AddressColumns> home, others;
    for (int number = 1; number <= GoogleAddressCount; ++number) {
        const QString prefix = QStringLiteral("address %1 - ").arg(number);
        const QString type =
            header.firstValue(row, {prefix + QStringLiteral("type"), prefix + QStringLiteral("label")});
        (type.contains(QLatin1String("home"), Qt::CaseInsensitive) ? home : others)
            .push_back(googleAddress(number));
    }
    std::vector<AddressColumns> choices{ThunderbirdHome};
    choices.insert(choices.end(), home.begin(), home.end());
    choices.insert(choices.end(), others.begin(), others.end());
    choices.push_back(ThunderbirdWork);
    return choices;
}

QStringList contactAddress(const Header& header, const CsvRow& row) {
    if (const QString address = header.value(row, AddressColumn); !address.isEmpty())
        return detail::nonEmptyLines({address});
    for (const AddressColumns& choice : addressChoices(header, row))
        if (QStringList lines = addressLines(header, row, choice); !lines.isEmpty())
            return lines;
    return {};
}

QString contactFullName(const Header& header, const CsvRow& row) {
    if (QString full = header.firstValue(row, FullNameColumns); !full.isEmpty())
        return full;
    return detail::nonEmptyLines({header.firstValue(row, GivenNameColumns),
                                  header.firstValue(row, MiddleNameColumns),
                                  header.firstValue(row, FamilyNameColumns)})
        .join(QLatin1Char(' '));
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
                        QStringLiteral("no column for the name (\"name\", \"first name\"...)"));

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
        Contact contact{contactFullName(header, *row), header.firstValue(*row, GivenNameColumns),
                        contactAddress(header, *row), row->line};
        if (contact.fullName.isEmpty()) {
            list.skipped << QStringLiteral("line %1: a recipient without a name, left out").arg(row->line);
            continue;
        }
        list.contacts.push_back(std::move(contact));
    }
    return list;
}

} // namespace tavrin::contacts
