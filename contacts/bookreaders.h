#pragma once

// What the address book shares with the export readers.

#include "addressbook.h"
#include "word/files/expected.h"

#include <QByteArray>
#include <QString>

namespace tavrin::contacts {

// A vCard file starts with BEGIN:VCARD; anything else is read as CSV.
bool looksLikeVCard(const QByteArray& contents);

// The file's bytes, or why there are none (in English, naming the file).
Expected<QByteArray, QString> contactsFileContents(const QString& path);

// Every card with a name, all its addresses and e-mails; the problems name the file. Book names are left
// for the caller.
BookContents readVCardBook(const QByteArray& contents, const QString& file);

} // namespace tavrin::contacts
