#pragma once

// The contacts of an address book export: CSV (csvcontacts.cpp) or vCard (vcardcontacts.cpp).

#include "postaladdress.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <stdexcept>
#include <vector>

namespace tavrin::contacts {

struct Contact {
    QString fullName;
    QString firstName;        // the given name; empty when the export has none
    QStringList addressLines; // in the order they go on the envelope
    int line = 0;             // where the record starts in its file, from 1
    // The company or organisation; when the record names no person, fullName is this and firstName is
    // empty.
    QString organisation = {};

    // The given name, or the full name when none is known.
    QString firstOrFullName() const { return firstName.isEmpty() ? fullName : firstName; }
    bool operator==(const Contact&) const = default;
};

struct ContactList {
    std::vector<Contact> contacts;
    // One "line N: ..." sentence for each record left out: without a name, with more or fewer fields than
    // the header, with a name or address over its limit, or with a value that cannot be decoded.
    QStringList skipped;
    // One "line N: ..." sentence for each contact read whole that still lacks something the user expects
    // (address columns that give no address).
    QStringList warnings;
    // Some of the text was neither UTF-8 nor UTF-16 and was read as Windows-1252.
    bool readAsWindows1252 = false;
};

// A file that cannot be read as a whole: nothing of it may be used.
class ReadError : public std::runtime_error {
public:
    ReadError(int line, const QString& message);
    int line() const { return line_; } // 0 when the problem has no line (the file cannot be opened)
    QString message() const { return message_; }

private:
    int line_;
    QString message_;
};

// The longest name (full, given or organisation) and address a contact may have, in characters: a record
// with a longer one is left out and reported, since no letter or envelope can hold it.
constexpr qsizetype MaximumNameLength = 1000;
constexpr qsizetype MaximumAddressLength = 10000;

// Chooses the reader by the contents: a vCard file starts with BEGIN:VCARD, anything else is CSV. The
// text's encoding is found as encoding.h says. Throws ReadError.
ContactList readContactsFile(const QString& path);
ContactList readContacts(const QByteArray& contents);

ContactList readCsvContacts(const QByteArray& contents);
ContactList readVCardContacts(const QByteArray& contents);

} // namespace tavrin::contacts
