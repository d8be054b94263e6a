#pragma once

// The user's address books as the wizard offers them: every contact with all its postal addresses and
// e-mails, and which book it came from. The books are found without configuration: GNOME's (Evolution
// Data Server, evolutionbooks.h), KDE's folder of vCards, and any export the user opens.

#include "postaladdress.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace tavrin::contacts {

enum class AddressKind { Home, Work, Other };

struct BookAddress {
    AddressKind kind = AddressKind::Other;
    PostalAddress address;
};

struct BookContact {
    QString formattedName;
    QString organisation;
    QStringList emails;
    std::vector<BookAddress> addresses; // as the card lists them
    QString book;                       // the address book's name as the user knows it
};

// A card or file that could not be read: the others still are.
struct BookProblem {
    QString file; // the file, or the address book where there is none
    int line = 0; // from 1; 0 when the problem concerns the whole file
    QString message;
};

struct BookContents {
    std::vector<BookContact> contacts;
    std::vector<BookProblem> problems;

    void append(BookContents&& other);
};

// One row of an address book as a list shows it: a contact with one of its postal addresses, or a contact
// without any.
struct AddressRow {
    QString name, organisation, emails, book;
    std::optional<AddressKind> kind; // none: the contact has no address
    QStringList lines;               // as a letter from the home territory writes them
    QString searchText;              // the name, organisation, town and e-mails, case-folded
};

// The rows of the contacts that have a name, in their order, each contact's addresses in the card's.
std::vector<AddressRow> addressRows(const std::vector<BookContact>& contacts, QLocale::Territory home);

// A .vcf (one card or many) or a .csv export, by its contents as readContacts decides. A CSV record
// gives one address, the one tavrin-letters would write to; a vCard gives all of them and its e-mails.
BookContents readBookFile(const QString& path, const QString& book);

// Every .vcf file in the folder, in the order of their names; a folder that does not exist is empty.
BookContents readBookFolder(const QString& folder, const QString& book);

// KDE's personal contacts: $XDG_DATA_HOME/contacts, ~/.local/share/contacts by default.
QString kdeContactsFolder();

// The address's lines as its country writes them; the country's own line is left out when it is the
// home territory (the user's), so that a letter within the country does not name it.
QStringList linesForLetter(const PostalAddress& address, QLocale::Territory home);

// Whether the country's name (in English, German, French, its own language or by ISO code) names the
// territory.
bool namesTerritory(const QString& country, QLocale::Territory territory);

} // namespace tavrin::contacts
