#pragma once

// The user's own name and address, for the writer of a letter: the card Evolution Data Server keeps as
// the user's own, else the account's full name.

#include "addressbook.h"

#include <QString>

#include <optional>

namespace tavrin::contacts {

struct OwnCard {
    QString name;
    std::optional<BookAddress> address; // none: the address is left as the user typed it

    bool isEmpty() const { return name.isEmpty(); }
};

// The self contact where it has a name; else the account's full name without an address; else nothing.
OwnCard ownCard(const std::optional<BookContact>& selfContact, const QString& accountFullName);

// The full name of a GECOS field: its first comma-separated part ("Ann Smith,,,").
QString fullNameFromGecos(const QByteArray& gecos);

// The account's full name from the password database; empty when it has none.
QString accountFullName();

} // namespace tavrin::contacts
