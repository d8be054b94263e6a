#include "contacts.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>

namespace tavrin::contacts {

ReadError::ReadError(int line, const QString& message)
    : std::runtime_error(message.toStdString()), line_(line), message_(message) {}

namespace {

bool looksLikeVCard(const QByteArray& contents) {
    return detail::withoutByteOrderMark(contents).trimmed().left(11).toUpper() == "BEGIN:VCARD";
}

// An address book export of a million contacts is far below this; anything larger is not one.
constexpr qint64 MaximumFileSize = qint64(64) << 20;

} // namespace

ContactList readContacts(const QByteArray& contents) {
    return looksLikeVCard(contents) ? readVCardContacts(contents) : readCsvContacts(contents);
}

ContactList readContactsFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw ReadError(0, QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
    if (file.size() > MaximumFileSize)
        throw ReadError(0, QStringLiteral("%1 is too large for an address book").arg(path));
    const QByteArray contents = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw ReadError(0, QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
    return readContacts(contents);
}

namespace detail {

QByteArray withoutByteOrderMark(const QByteArray& bytes) {
    return bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes;
}

QString decodeUtf8(const QByteArray& bytes, int firstLine) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder(bytes);
    if (!decoder.hasError())
        return text;
    // A multi-byte sequence never spans a line end, so the lines can be checked one by one.
    const QList<QByteArray> lines = bytes.split('\n');
    for (qsizetype index = 0; index < lines.size(); ++index) {
        QStringDecoder lineDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString decoded = lineDecoder(lines.at(index));
        if (lineDecoder.hasError())
            throw ReadError(firstLine + int(index), QStringLiteral("not valid UTF-8"));
    }
    throw ReadError(firstLine, QStringLiteral("not valid UTF-8"));
}

QString localityLine(const QString& city, const QString& region, const QString& postalCode) {
    const QString regionAndCode = QStringList{region.trimmed(), postalCode.trimmed()}
                                      .filter(QRegularExpression(QStringLiteral(".")))
                                      .join(QLatin1Char(' '));
    return QStringList{city.trimmed(), regionAndCode}
        .filter(QRegularExpression(QStringLiteral(".")))
        .join(QStringLiteral(", "));
}

QStringList nonEmptyLines(const QStringList& texts) {
    QStringList lines;
    for (const QString& text : texts)
        for (const QString& line : text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n"))))
            if (const QString trimmed = line.trimmed(); !trimmed.isEmpty())
                lines << trimmed;
    return lines;
}

} // namespace detail

} // namespace tavrin::contacts
