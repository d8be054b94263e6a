// Recipients from vCard 2.1, 3.0 and 4.0 files: the name (FN, or N), the given name (N) and the one
// postal address (ADR) a letter goes to; for the address book every address and e-mail (EMAIL) too.
//
// A reader of our own: Debian 12 packages no vCard library for Qt 6 (KContacts there is built on Qt 5),
// and Evolution's EVCard, tried against this reader's tests, reads a bad file without saying where,
// replaces undecodable letters instead of leaving out their card, and keeps no line numbers (README,
// "Many letters at once").
// It reads what the three versions' texts define for these properties and passes over everything else:
// folded lines, backslash escapes, grouped names ("item1.ADR"), quoted parameter values, and in 2.1
// files bare parameters ("HOME", "PREF"), quoted-printable values with soft line breaks, and the
// CHARSET parameter.

#include "bookreaders.h"
#include "contacts.h"
#include "encoding.h"
#include "finishedcontact.h"

#include <QStringDecoder>

#include <algorithm>
#include <functional>
#include <optional>
#include <tuple>

namespace tavrin::contacts {

namespace {

// One property after unfolding, with the file line it starts on.
struct ContentLine {
    QByteArray text;
    int line;
};

struct Parameter {
    QByteArray name; // upper case
    QList<QByteArray> values;
};

struct Property {
    QByteArray name; // upper case, without its group
    std::vector<Parameter> parameters;
    QByteArray value; // raw, before decoding
    int line;

    QList<QByteArray> parameterValues(const QByteArray& parameterName) const {
        QList<QByteArray> values;
        for (const Parameter& parameter : parameters)
            if (parameter.name == parameterName)
                values += parameter.values;
        return values;
    }
    bool hasParameterValue(const QByteArray& parameterName, const QByteArray& wanted) const {
        const QList<QByteArray> values = parameterValues(parameterName);
        return std::any_of(values.begin(), values.end(),
                           [&](const QByteArray& value) { return value.toUpper() == wanted; });
    }
    bool isQuotedPrintable() const { return hasParameterValue("ENCODING", "QUOTED-PRINTABLE"); }
    bool isBase64() const {
        return hasParameterValue("ENCODING", "B") || hasParameterValue("ENCODING", "BASE64");
    }
};

bool isQuotedPrintableLine(const QByteArray& text) {
    const qsizetype colon = text.indexOf(':');
    return colon > 0 && text.left(colon).toUpper().contains("QUOTED-PRINTABLE");
}

// The lines without their ends, whichever of "\r\n", "\n" and a lone "\r" ends them.
QList<QByteArray> physicalLines(const QByteArray& bytes) {
    QList<QByteArray> lines;
    qsizetype start = 0;
    while (start <= bytes.size()) {
        qsizetype end = start;
        while (end < bytes.size() && bytes.at(end) != '\n' && bytes.at(end) != '\r')
            ++end;
        lines << bytes.mid(start, end - start);
        if (end == bytes.size())
            break;
        start = end + (bytes.at(end) == '\r' && end + 1 < bytes.size() && bytes.at(end + 1) == '\n' ? 2 : 1);
    }
    return lines;
}

// Folded lines (a line starting with a space or tab continues the one before) are joined, and so are
// the soft line breaks of quoted-printable values (a line ending in "=").
std::vector<ContentLine> unfold(const QByteArray& bytes) {
    const QList<QByteArray> physical = physicalLines(bytes);
    std::vector<ContentLine> lines;
    bool softBreak = false;
    for (qsizetype index = 0; index < physical.size(); ++index) {
        const QByteArray& line = physical.at(index);
        const bool folded = !lines.empty() && (line.startsWith(' ') || line.startsWith('\t'));
        if (softBreak)
            lines.back().text += line;
        else if (folded)
            lines.back().text += line.mid(1);
        else
            lines.push_back({line, int(index) + 1});
        softBreak = lines.back().text.endsWith('=') && isQuotedPrintableLine(lines.back().text);
        if (softBreak)
            lines.back().text.chop(1);
    }
    return lines;
}

// Some programs write a base64 PHOTO or KEY with its lines not indented: such lines continue it.
bool isBase64Line(const QByteArray& text) {
    return std::all_of(text.begin(), text.end(), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '+' ||
               c == '/' || c == '=' || c == ' ' || c == '\t';
    });
}

// Splits at the separator wherever it is neither escaped by a backslash nor (when quotes count) inside
// double quotes.
QList<QByteArray> splitUnescaped(const QByteArray& text, char separator, bool quotesCount = false) {
    QList<QByteArray> parts{QByteArray()};
    bool quoted = false;
    for (qsizetype index = 0; index < text.size(); ++index) {
        const char c = text.at(index);
        if (c == '\\' && index + 1 < text.size()) {
            parts.back() += text.mid(index, 2);
            ++index;
        } else if (quotesCount && c == '"') {
            quoted = !quoted;
            parts.back() += c;
        } else if (c == separator && !quoted) {
            parts << QByteArray();
        } else {
            parts.back() += c;
        }
    }
    return parts;
}

QByteArray withoutQuotes(const QByteArray& value) {
    return value.size() >= 2 && value.startsWith('"') && value.endsWith('"') ? value.mid(1, value.size() - 2)
                                                                             : value;
}

// vCard 2.1 writes some parameters bare: "HOME", "PREF", "QUOTED-PRINTABLE".
Parameter parameterFrom(const QByteArray& text) {
    const qsizetype equals = text.indexOf('=');
    if (equals < 0) {
        const QByteArray bare = text.trimmed().toUpper();
        if (bare == "QUOTED-PRINTABLE" || bare == "8BIT" || bare == "BASE64" || bare == "7BIT")
            return {"ENCODING", {bare}};
        return {"TYPE", {bare}};
    }
    QList<QByteArray> values;
    for (const QByteArray& value : splitUnescaped(text.mid(equals + 1), ',', true))
        for (const QByteArray& inner : withoutQuotes(value).split(','))
            values << inner.trimmed();
    return {text.left(equals).trimmed().toUpper(), values};
}

std::optional<Property> propertyFrom(const ContentLine& line) {
    const QList<QByteArray> nameAndValue = splitUnescaped(line.text, ':', true);
    if (nameAndValue.size() < 2)
        return std::nullopt;
    const QList<QByteArray> nameParts = splitUnescaped(nameAndValue.front(), ';', true);
    Property property;
    QByteArray name = nameParts.front().trimmed().toUpper();
    if (const qsizetype dot = name.lastIndexOf('.'); dot >= 0)
        name = name.mid(dot + 1);
    property.name = name;
    for (qsizetype index = 1; index < nameParts.size(); ++index)
        property.parameters.push_back(parameterFrom(nameParts.at(index)));
    property.value = line.text.mid(nameAndValue.front().size() + 1);
    property.line = line.line;
    return property;
}

bool isHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

// "=" and two hex digits is a byte; anything else after "=" (" B", "+4") is kept as it is.
QByteArray quotedPrintableDecoded(const QByteArray& text) {
    QByteArray bytes;
    for (qsizetype index = 0; index < text.size(); ++index) {
        const char c = text.at(index);
        if (c == '=' && index + 2 < text.size() && isHexDigit(text.at(index + 1)) &&
            isHexDigit(text.at(index + 2))) {
            bytes += char(QByteArray::fromHex(text.mid(index + 1, 2)).at(0));
            index += 2;
        } else {
            bytes += c;
        }
    }
    return bytes;
}

// A value that the letter needs and that cannot be read: its card is left out, the others are read.
struct UnreadableValue {
    int line;
    QString reason;
};

// The values' bytes as text: quoted-printable undone, then the CHARSET decoded. Without one, or with one
// Qt does not know, the file's own encoding holds: the one its byte order mark or UTF-16 gave, else
// UTF-8 where the value is valid UTF-8 and Windows-1252 where it is not.
class ValueDecoder {
public:
    explicit ValueDecoder(bool fileIsUnicode) : fileIsUnicode_(fileIsUnicode) {}

    QString text(const Property& property, const QByteArray& raw) {
        const bool quotedPrintable = property.isQuotedPrintable();
        const QByteArray bytes = quotedPrintable ? quotedPrintableDecoded(raw) : raw;
        // A file read from UTF-16 holds text already: a CHARSET can name only what quoted-printable hides.
        const QList<QByteArray> charsets = property.parameterValues("CHARSET");
        if (!charsets.isEmpty() && (quotedPrintable || !fileIsUnicode_)) {
            QStringDecoder decoder(charsets.front().constData(), QStringConverter::Flag::Stateless);
            if (decoder.isValid()) {
                QString text = decoder(bytes);
                if (decoder.hasError())
                    throw UnreadableValue{property.line, QStringLiteral("not valid ") +
                                                             QString::fromLatin1(charsets.front())};
                return text;
            }
        }
        const DecodedText decoded = decodedValue(bytes);
        usedWindows1252_ = usedWindows1252_ || decoded.encoding == Encoding::Windows1252;
        return decoded.text;
    }

    bool usedWindows1252() const { return usedWindows1252_; }

private:
    bool fileIsUnicode_;
    bool usedWindows1252_ = false;
};

QString unescaped(const QString& text) {
    QString result;
    result.reserve(text.size());
    for (qsizetype index = 0; index < text.size(); ++index) {
        const QChar c = text.at(index);
        if (c != u'\\' || index + 1 == text.size()) {
            result += c;
            continue;
        }
        const QChar next = text.at(++index);
        result += (next == u'n' || next == u'N') ? QChar(u'\n') : next;
    }
    return result;
}

// A structured value: components separated by ";", each a list of values separated by ",".
std::vector<QStringList> components(ValueDecoder& decoder, const Property& property,
                                    bool commaSeparatesValues) {
    std::vector<QStringList> result;
    for (const QByteArray& component : splitUnescaped(property.value, ';')) {
        QStringList values;
        const QList<QByteArray> parts =
            commaSeparatesValues ? splitUnescaped(component, ',') : QList<QByteArray>{component};
        for (const QByteArray& part : parts)
            if (const QString value = unescaped(decoder.text(property, part)).trimmed(); !value.isEmpty())
                values << value;
        result.push_back(values);
    }
    return result;
}

QStringList component(const std::vector<QStringList>& all, std::size_t index) {
    return index < all.size() ? all[index] : QStringList();
}

// ADR: post office box; extended address; street; locality; region; postal code; country.
PostalAddress postalAddress(const std::vector<QStringList>& adr) {
    return {component(adr, 0) + component(adr, 1) + component(adr, 2), component(adr, 3).join(u' '),
            component(adr, 4).join(u' '), component(adr, 5).join(u' '), component(adr, 6).join(u' ')};
}

// 4.0 ranks with PREF=1 (most preferred) to 100; 2.1 and 3.0 mark the one preferred with a type.
int preference(const Property& adr) {
    int best = 101;
    for (const QByteArray& value : adr.parameterValues("PREF")) {
        bool isNumber = false;
        const int rank = value.toInt(&isNumber);
        best = std::min(best, isNumber ? rank : 1);
    }
    return adr.hasParameterValue("TYPE", "PREF") ? 1 : best;
}

struct Card {
    int line = 0;
    QString version;
    std::optional<Property> fn, n, org;
    std::vector<Property> adrs;
    std::vector<Property> emails;
};

bool commaSeparatesValues(const Card& card) {
    return card.version != u"2.1";
}

// Of the complete addresses the preferred one, else the home one, else the first; an incomplete one only
// when no address is complete.
QStringList chosenAddress(ValueDecoder& decoder, const Card& card) {
    std::vector<std::pair<std::tuple<bool, int, int>, PostalAddress>> ranked;
    for (const Property& adr : card.adrs) {
        PostalAddress address = postalAddress(components(decoder, adr, commaSeparatesValues(card)));
        ranked.push_back(
            {{!address.isComplete(), preference(adr), adr.hasParameterValue("TYPE", "HOME") ? 0 : 1},
             std::move(address)});
    }
    const auto chosen = std::min_element(ranked.begin(), ranked.end(),
                                         [](const auto& a, const auto& b) { return a.first < b.first; });
    return chosen == ranked.end() ? QStringList() : addressLines(chosen->second);
}

// N: family names; given names; additional names; honorific prefixes; honorific suffixes.
Contact contactOf(ValueDecoder& decoder, const Card& card) {
    Contact contact;
    contact.line = card.line;
    std::vector<QStringList> n;
    if (card.n)
        n = components(decoder, *card.n, commaSeparatesValues(card));
    contact.firstName = component(n, 1).join(u' ');
    if (card.fn)
        contact.fullName = nonEmptyLines({unescaped(decoder.text(*card.fn, card.fn->value))}).join(u' ');
    if (contact.fullName.isEmpty())
        contact.fullName =
            nonEmptyLines({component(n, 3).join(u' '), component(n, 1).join(u' '), component(n, 2).join(u' '),
                           component(n, 0).join(u' '), component(n, 4).join(u' ')})
                .join(u' ');
    // ORG: the organisation's name; units below it.
    if (card.org)
        contact.organisation = component(components(decoder, *card.org, false), 0).join(u' ');
    // A card without a person's name whose FN, if any, is the organisation's (as Apple's company cards
    // have it) stands for the organisation.
    const bool namesAPerson = !(component(n, 0) + component(n, 1)).isEmpty();
    if (!contact.organisation.isEmpty() && !namesAPerson &&
        (contact.fullName.isEmpty() || contact.fullName == contact.organisation)) {
        contact.fullName = contact.organisation;
        contact.firstName.clear();
    }
    contact.addressLines = chosenAddress(decoder, card);
    return contact;
}

// Reads the cards of a file property by property, handing each card on when it ends.
class CardReader {
public:
    using CardSink = std::function<void(ValueDecoder&, const Card&)>;

    CardReader(bool fileIsUnicode, CardSink sink) : decoder_(fileIsUnicode), sink_(std::move(sink)) {}

    void read(const Property& property) {
        if (property.name == "BEGIN" && property.value.trimmed().toUpper() == "VCARD") {
            if (depth_++ == 0)
                card_ = Card{property.line, {}, {}, {}, {}, {}, {}};
            return;
        }
        if (depth_ == 0)
            throw ReadError(property.line, QStringLiteral("outside BEGIN:VCARD ... END:VCARD"));
        if (property.name == "END" && property.value.trimmed().toUpper() == "VCARD") {
            if (--depth_ == 0)
                sink_(decoder_, card_);
            return;
        }
        if (depth_ == 1)
            take(property);
    }

    // Whether some value was read as Windows-1252.
    bool done() const {
        if (depth_ > 0)
            throw ReadError(card_.line, QStringLiteral("a vCard without END:VCARD"));
        return decoder_.usedWindows1252();
    }

private:
    void take(const Property& property) {
        if (property.name == "VERSION")
            card_.version = QString::fromLatin1(property.value.trimmed());
        else if (property.name == "FN" && !card_.fn)
            card_.fn = property;
        else if (property.name == "N" && !card_.n)
            card_.n = property;
        else if (property.name == "ORG" && !card_.org)
            card_.org = property;
        else if (property.name == "ADR")
            card_.adrs.push_back(property);
        else if (property.name == "EMAIL")
            card_.emails.push_back(property);
    }

    ValueDecoder decoder_;
    CardSink sink_;
    int depth_ = 0;
    Card card_;
};

// What the letters take of each card: its name and the one address.
void addRecipient(ContactList& list, ValueDecoder& decoder, const Card& card) {
    Contact contact;
    try {
        Expected<Contact, QString> finished = finishedContact(contactOf(decoder, card));
        if (!finished) {
            list.skipped << QStringLiteral("line %1: ").arg(card.line) + finished.error() +
                                QStringLiteral(", left out");
            return;
        }
        contact = std::move(*finished);
    } catch (const UnreadableValue& unreadable) {
        list.skipped << QStringLiteral("line %1: ").arg(unreadable.line) + unreadable.reason +
                            QStringLiteral(", the contact left out");
        return;
    }
    if (contact.fullName.isEmpty())
        list.skipped << QStringLiteral("line %1: a contact without a name, left out").arg(card.line);
    else
        list.contacts.push_back(std::move(contact));
}

AddressKind kindOf(const Property& adr) {
    if (adr.hasParameterValue("TYPE", "HOME"))
        return AddressKind::Home;
    if (adr.hasParameterValue("TYPE", "WORK"))
        return AddressKind::Work;
    return AddressKind::Other;
}

// What the address book takes of each card: the name, every address and e-mail.
void addBookContact(BookContents& contents, const QString& file, ValueDecoder& decoder, const Card& card) {
    try {
        const Expected<Contact, QString> named = finishedContact(contactOf(decoder, card));
        if (!named) {
            contents.problems.push_back({file, card.line, named.error()});
            return;
        }
        if (named->fullName.isEmpty())
            return; // a card without a name is no one to write to
        BookContact contact{named->fullName, named->organisation, {}, {}, {}};
        for (const Property& adr : card.adrs)
            if (PostalAddress address = postalAddress(components(decoder, adr, commaSeparatesValues(card)));
                !address.isEmpty())
                contact.addresses.push_back({kindOf(adr), std::move(address)});
        for (const Property& email : card.emails)
            if (const QString address = unescaped(decoder.text(email, email.value)).trimmed();
                !address.isEmpty())
                contact.emails << address;
        contents.contacts.push_back(std::move(contact));
    } catch (const UnreadableValue& unreadable) {
        contents.problems.push_back({file, unreadable.line, unreadable.reason});
    }
}

// The file's cards, property by property, into the sink.
bool readCards(const QByteArray& contents, const CardReader::CardSink& sink) {
    const bool isUnicode = unicodeEncodingOf(contents).has_value();
    CardReader reader(isUnicode, sink);
    bool inBase64 = false;
    for (const ContentLine& line : unfold(isUnicode ? decodedText(contents).text.toUtf8() : contents)) {
        if (line.text.trimmed().isEmpty())
            continue;
        if (inBase64 && isBase64Line(line.text))
            continue;
        const std::optional<Property> property = propertyFrom(line);
        if (!property)
            throw ReadError(line.line, QStringLiteral("not a vCard property (no \":\")"));
        inBase64 = property->isBase64();
        reader.read(*property);
    }
    return reader.done();
}

} // namespace

ContactList readVCardContacts(const QByteArray& contents) {
    ContactList list;
    list.readAsWindows1252 = readCards(
        contents, [&list](ValueDecoder& decoder, const Card& card) { addRecipient(list, decoder, card); });
    return list;
}

// A file broken part way keeps the cards before the break.
BookContents readVCardBook(const QByteArray& contents, const QString& file) {
    BookContents book;
    try {
        readCards(contents, [&](ValueDecoder& decoder, const Card& card) {
            addBookContact(book, file, decoder, card);
        });
    } catch (const ReadError& error) {
        book.problems.push_back({file, error.line(), error.message()});
    }
    return book;
}

} // namespace tavrin::contacts
