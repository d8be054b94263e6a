#pragma once

// What text a file's bytes hold, by one rule for every file of contacts and every text a user hands in:
// a byte order mark decides (UTF-8, UTF-16 LE or BE); UTF-16 without one is recognised by its zero
// bytes; otherwise valid UTF-8 is UTF-8; otherwise the bytes are Windows-1252, which any byte is.

#include "word/files/expected.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace tavrin::contacts {

enum class Encoding { Utf8, Utf16LittleEndian, Utf16BigEndian, Windows1252 };

struct DecodedText {
    QString text;
    Encoding encoding = Encoding::Utf8;
};

// The bytes as text by the rule above, without the byte order mark.
DecodedText decodedText(const QByteArray& bytes);

// The encoding a byte order mark names, or UTF-16 found by its zeros; nullopt for any other text.
std::optional<Encoding> unicodeEncodingOf(const QByteArray& bytes);

// Valid UTF-8 as UTF-8, anything else as Windows-1252: the rule for a single value whose file gives no
// byte order mark.
DecodedText decodedValue(const QByteArray& bytes);

// The encoding as the user's messages name it ("UTF-16 LE", "Windows-1252").
QString encodingName(Encoding encoding);

struct FileReadError {
    enum class Reason { CannotOpen, CannotRead, TooLarge } reason;
    QString detail; // the system's words for CannotOpen and CannotRead
};

// The whole file, or the reason there is none: files (devices and pipes among them) that hold more than
// maximumSize bytes are refused after reading that much, whatever their size claims.
Expected<QByteArray, FileReadError> readWholeFile(const QString& path, qint64 maximumSize);

} // namespace tavrin::contacts
