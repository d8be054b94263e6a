#include "encoding.h"

#include <QFile>
#include <QStringDecoder>

#include <algorithm>

namespace tavrin::contacts {

namespace {

// A text of mostly Latin letters in UTF-16 has a zero in every other byte; no other text has many zeros.
constexpr qsizetype Utf16SampleSize = 4096;

std::optional<Encoding> byteOrderMark(const QByteArray& bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return Encoding::Utf8;
    if (bytes.startsWith("\xFF\xFE"))
        return Encoding::Utf16LittleEndian;
    if (bytes.startsWith("\xFE\xFF"))
        return Encoding::Utf16BigEndian;
    return std::nullopt;
}

qsizetype byteOrderMarkSize(Encoding encoding) {
    return encoding == Encoding::Utf8 ? 3 : 2;
}

std::optional<Encoding> utf16ByItsZeros(const QByteArray& bytes) {
    const qsizetype pairs = std::min(bytes.size(), Utf16SampleSize) / 2;
    if (pairs == 0)
        return std::nullopt;
    qsizetype zerosFirst = 0, zerosSecond = 0;
    for (qsizetype pair = 0; pair < pairs; ++pair) {
        zerosFirst += bytes.at(2 * pair) == '\0';
        zerosSecond += bytes.at(2 * pair + 1) == '\0';
    }
    const auto mostlyOneSide = [pairs](qsizetype zeros, qsizetype otherZeros) {
        return zeros * 4 >= pairs && otherZeros * 8 <= zeros;
    };
    if (mostlyOneSide(zerosSecond, zerosFirst))
        return Encoding::Utf16LittleEndian;
    if (mostlyOneSide(zerosFirst, zerosSecond))
        return Encoding::Utf16BigEndian;
    return std::nullopt;
}

QStringDecoder decoderFor(Encoding encoding) {
    switch (encoding) {
    case Encoding::Utf8:
        return QStringDecoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    case Encoding::Utf16LittleEndian:
        return QStringDecoder(QStringConverter::Utf16LE, QStringConverter::Flag::Stateless);
    case Encoding::Utf16BigEndian:
        return QStringDecoder(QStringConverter::Utf16BE, QStringConverter::Flag::Stateless);
    case Encoding::Windows1252:
        break;
    }
    // Qt knows Windows-1252 through ICU, which maps every one of its 256 bytes.
    return QStringDecoder("windows-1252", QStringConverter::Flag::Stateless);
}

// A UTF-16 text with a broken surrogate pair keeps the rest: the pair becomes U+FFFD.
QString decodedAs(Encoding encoding, QByteArrayView bytes) {
    QStringDecoder decoder = decoderFor(encoding);
    return decoder(bytes);
}

} // namespace

DecodedText decodedValue(const QByteArray& bytes) {
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8(bytes);
    if (!utf8.hasError())
        return {text, Encoding::Utf8};
    return {decodedAs(Encoding::Windows1252, bytes), Encoding::Windows1252};
}

std::optional<Encoding> unicodeEncodingOf(const QByteArray& bytes) {
    if (const std::optional<Encoding> marked = byteOrderMark(bytes))
        return marked;
    return utf16ByItsZeros(bytes);
}

DecodedText decodedText(const QByteArray& bytes) {
    if (const std::optional<Encoding> marked = byteOrderMark(bytes))
        return {decodedAs(*marked, QByteArrayView(bytes).sliced(byteOrderMarkSize(*marked))), *marked};
    if (const std::optional<Encoding> utf16 = utf16ByItsZeros(bytes))
        return {decodedAs(*utf16, bytes), *utf16};
    return decodedValue(bytes);
}

QString encodingName(Encoding encoding) {
    switch (encoding) {
    case Encoding::Utf8:
        return QStringLiteral("UTF-8");
    case Encoding::Utf16LittleEndian:
        return QStringLiteral("UTF-16 LE");
    case Encoding::Utf16BigEndian:
        return QStringLiteral("UTF-16 BE");
    case Encoding::Windows1252:
        break;
    }
    return QStringLiteral("Windows-1252");
}

Expected<QByteArray, FileReadError> readWholeFile(const QString& path, qint64 maximumSize) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Unexpected(FileReadError{FileReadError::Reason::CannotOpen, file.errorString()});
    // In pieces, never trusting size(): a device or a pipe says 0 and may never end.
    constexpr qint64 PieceSize = qint64(1) << 20;
    QByteArray contents;
    while (true) {
        const QByteArray piece = file.read(std::min(PieceSize, maximumSize + 1 - contents.size()));
        if (file.error() != QFileDevice::NoError)
            return Unexpected(FileReadError{FileReadError::Reason::CannotRead, file.errorString()});
        contents += piece;
        if (contents.size() > maximumSize)
            return Unexpected(FileReadError{FileReadError::Reason::TooLarge, {}});
        if (piece.isEmpty())
            return contents;
    }
}

} // namespace tavrin::contacts
