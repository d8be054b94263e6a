// Recipients from vCard 2.1, 3.0 and 4.0 files: the name (FN, or N), the given name (N) and the one
// postal address (ADR) a letter goes to.
//
// A reader of our own: Debian 12 packages no vCard library for Qt 6 (KContacts there is built on Qt 5).
// It reads what the three versions' texts define for these properties and passes over everything else:
// folded lines, backslash escapes, grouped names ("item1.ADR"), quoted parameter values, and in 2.1
// files bare parameters ("HOME", "PREF"), quoted-printable values with soft line breaks, and the
// CHARSET parameter.

#include "contacts.h"

#include <QStringDecoder>

#include <algorithm>
#include <optional>

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
};

bool isQuotedPrintableLine(const QByteArray& text) {
    const qsizetype colon = text.indexOf(':');
    return colon > 0 && text.left(colon).toUpper().contains("QUOTED-PRINTABLE");
}

// Folded lines (a line starting with a space or tab continues the one before) are joined, and so are
// the soft line breaks of quoted-printable values (a line ending in "=").
std::vector<ContentLine> unfold(const QByteArray& bytes) {
    QList<QByteArray> physical = bytes.split('\n');
    for (QByteArray& line : physical)
        if (line.endsWith('\r'))
            line.chop(1);
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

QByteArray quotedPrintableDecoded(const QByteArray& text) {
    QByteArray bytes;
    for (qsizetype index = 0; index < text.size(); ++index) {
        const char c = text.at(index);
        bool isHex = false;
        const int code = c == '=' ? text.mid(index + 1, 2).toInt(&isHex, 16) : 0;
        if (isHex && text.mid(index + 1, 2).size() == 2) {
            bytes += char(code);
            index += 2;
        } else {
            bytes += c;
        }
    }
    return bytes;
}

// The value's bytes as text: quoted-printable undone, then the CHARSET decoded (UTF-8 without one, and
// when Qt does not know the character set named).
QString decodedText(const Property& property, const QByteArray& raw) {
    const QByteArray bytes = property.isQuotedPrintable() ? quotedPrintableDecoded(raw) : raw;
    const QList<QByteArray> charsets = property.parameterValues("CHARSET");
    if (!charsets.isEmpty()) {
        QStringDecoder decoder(charsets.front().constData());
        if (decoder.isValid()) {
            QString text = decoder(bytes);
            if (!decoder.hasError())
                return text;
            throw ReadError(property.line,
                            QStringLiteral("not valid %1").arg(QString::fromLatin1(charsets.front())));
        }
    }
    return detail::decodeUtf8(bytes, property.line);
}

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
std::vector<QStringList> components(const Property& property, bool commaSeparatesValues) {
    std::vector<QStringList> result;
    for (const QByteArray& component : splitUnescaped(property.value, ';')) {
        QStringList values;
        const QList<QByteArray> parts =
            commaSeparatesValues ? splitUnescaped(component, ',') : QList<QByteArray>{component};
        for (const QByteArray& part : parts)
            if (const QString value = unescaped(decodedText(property, part)).trimmed(); !value.isEmpty())
                values << value;
        result.push_back(values);
    }
    return result;
}

QStringList component(const std::vector<QStringList>& all, std::size_t index) {
    return index < all.size() ? all[index] : QStringList();
}

// ADR: post office box; extended address; street; locality; region; postal code; country.
QStringList addressLines(const std::vector<QStringList>& adr) {
    return detail::nonEmptyLines(
        component(adr, 0) + component(adr, 1) + component(adr, 2) +
        QStringList{detail::localityLine(component(adr, 3).join(u' '), component(adr, 4).join(u' '),
                                         component(adr, 5).join(u' ')),
                    component(adr, 6).join(u' ')});
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
    std::optional<Property> fn, n;
    std::vector<Property> adrs;
};

bool commaSeparatesValues(const Card& card) {
    return card.version != u"2.1";
}

// The preferred address, else the home address, else the first one given.
QStringList chosenAddress(const Card& card) {
    const auto rank = [](const Property& adr) {
        return std::pair(preference(adr), adr.hasParameterValue("TYPE", "HOME") ? 0 : 1);
    };
    const auto chosen = std::min_element(card.adrs.begin(), card.adrs.end(),
                                         [&](const auto& a, const auto& b) { return rank(a) < rank(b); });
    return chosen == card.adrs.end() ? QStringList()
                                     : addressLines(components(*chosen, commaSeparatesValues(card)));
}

// N: family names; given names; additional names; honorific prefixes; honorific suffixes.
Contact contactOf(const Card& card) {
    Contact contact;
    contact.line = card.line;
    std::vector<QStringList> n;
    if (card.n)
        n = components(*card.n, commaSeparatesValues(card));
    contact.firstName = component(n, 1).join(u' ');
    if (card.fn)
        contact.fullName =
            detail::nonEmptyLines({unescaped(decodedText(*card.fn, card.fn->value))}).join(u' ');
    if (contact.fullName.isEmpty())
        contact.fullName = detail::nonEmptyLines({component(n, 3).join(u' '), component(n, 1).join(u' '),
                                                  component(n, 2).join(u' '), component(n, 0).join(u' '),
                                                  component(n, 4).join(u' ')})
                               .join(u' ');
    contact.addressLines = chosenAddress(card);
    return contact;
}

class CardReader {
public:
    void read(const Property& property) {
        if (property.name == "BEGIN" && property.value.trimmed().toUpper() == "VCARD") {
            if (depth_++ == 0)
                card_ = Card{property.line, {}, {}, {}, {}};
            return;
        }
        if (depth_ == 0)
            throw ReadError(property.line, QStringLiteral("outside BEGIN:VCARD ... END:VCARD"));
        if (property.name == "END" && property.value.trimmed().toUpper() == "VCARD") {
            if (--depth_ == 0)
                finish();
            return;
        }
        checkEncoding(property);
        if (depth_ == 1)
            take(property);
    }

    ContactList done() {
        if (depth_ > 0)
            throw ReadError(card_.line, QStringLiteral("a vCard without END:VCARD"));
        return std::move(list_);
    }

private:
    // Every value without a CHARSET of its own is UTF-8, whether or not it is read.
    static void checkEncoding(const Property& property) {
        if (property.parameterValues("CHARSET").isEmpty() && !property.hasParameterValue("ENCODING", "B") &&
            !property.hasParameterValue("ENCODING", "BASE64"))
            decodedText(property, property.value);
    }

    void take(const Property& property) {
        if (property.name == "VERSION")
            card_.version = QString::fromLatin1(property.value.trimmed());
        else if (property.name == "FN" && !card_.fn)
            card_.fn = property;
        else if (property.name == "N" && !card_.n)
            card_.n = property;
        else if (property.name == "ADR")
            card_.adrs.push_back(property);
    }

    void finish() {
        Contact contact = contactOf(card_);
        if (contact.fullName.isEmpty())
            list_.skipped << QStringLiteral("line %1: a contact without a name, left out").arg(card_.line);
        else
            list_.contacts.push_back(std::move(contact));
    }

    int depth_ = 0;
    Card card_;
    ContactList list_;
};

} // namespace

ContactList readVCardContacts(const QByteArray& contents) {
    CardReader reader;
    for (const ContentLine& line : unfold(detail::withoutByteOrderMark(contents))) {
        if (line.text.trimmed().isEmpty())
            continue;
        const std::optional<Property> property = propertyFrom(line);
        if (!property)
            throw ReadError(line.line, QStringLiteral("not a vCard property (no \":\")"));
        reader.read(*property);
    }
    return reader.done();
}

} // namespace tavrin::contacts
