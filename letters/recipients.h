#pragma once

// The people a batch of letters goes to, read from an address book export: CSV (csvrecipients.cpp) or
// vCard (vcardrecipients.cpp).

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <stdexcept>
#include <vector>

namespace tavrin::letters {

struct Recipient {
    QString fullName;
    QString firstName;        // the given name; empty when the export has none
    QStringList addressLines; // in the order they go on the envelope
    int line = 0;             // where the record starts in its file, from 1

    // The given name, or the full name when none is known.
    QString firstOrFullName() const { return firstName.isEmpty() ? fullName : firstName; }
    bool operator==(const Recipient&) const = default;
};

struct RecipientList {
    std::vector<Recipient> recipients;
    // One "line N: ..." sentence for each record left out (a record without a name).
    QStringList skipped;
};

// A file that cannot be read as a whole: nothing of it may be used.
class RecipientsError : public std::runtime_error {
public:
    RecipientsError(int line, const QString& message);
    int line() const { return line_; } // 0 when the problem has no line (the file cannot be opened)
    QString message() const { return message_; }

private:
    int line_;
    QString message_;
};

// Chooses the reader by the contents: a vCard file starts with BEGIN:VCARD, anything else is CSV.
// Throws RecipientsError.
RecipientList readRecipientsFile(const QString& path);
RecipientList readRecipients(const QByteArray& contents);

RecipientList readCsvRecipients(const QByteArray& contents);
RecipientList readVCardRecipients(const QByteArray& contents);

// Shared by both readers.
namespace detail {
// The bytes without a leading UTF-8 byte order mark.
QByteArray withoutByteOrderMark(const QByteArray& bytes);
// Throws RecipientsError naming the first line (from firstLine) that is not valid UTF-8.
QString decodeUtf8(const QByteArray& bytes, int firstLine);
// "City, Region Postal code": the parts given, in that order.
QString localityLine(const QString& city, const QString& region, const QString& postalCode);
// The non-empty lines of each text, each trimmed, in order.
QStringList nonEmptyLines(const QStringList& texts);
} // namespace detail

} // namespace tavrin::letters
