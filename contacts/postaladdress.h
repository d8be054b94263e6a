#pragma once

// A postal address in parts, and its lines as the address's country writes them: the one table of
// locality layouts, shared by every program that puts an address on paper.

#include <QString>
#include <QStringList>

namespace tavrin::contacts {

// How the town, the region and the postcode are written.
enum class LocalityLayout {
    PostcodeTown,       // "10115 Berlin": most of Europe and Russia; a region on a line of its own
    TownRegionPostcode, // "Springfield, IL 62701": the United States, Canada, Australia
    TownThenPostcode,   // "London", "SW1A 1AA": the town and the postcode on lines of their own (the UK)
};

struct PostalAddress {
    QStringList streetLines; // post office box, street, extended address: in the order they are written
    QString city, region, postalCode, country;
    // The layout when the country is not given or not known (a German list without a country column
    // writes "50667 Köln").
    LocalityLayout layoutWithoutCountry = LocalityLayout::TownRegionPostcode;

    bool isEmpty() const;
    // A street (or box) and where it is (a town or a postcode): enough for the post to deliver.
    bool isComplete() const;
};

// The layout of the country named, in English, German, French or its own language, or by its ISO code;
// the fallback for a country not in the table or none.
LocalityLayout localityLayoutOf(const QString& country,
                                LocalityLayout fallback = LocalityLayout::TownRegionPostcode);

// The ISO code (lower case) of a country the table names; empty for any other.
QString isoCodeOfCountry(const QString& country);

// The address's lines: the street lines, the locality as its country writes it, then the country. Empty
// parts are left out, and every line is trimmed.
QStringList addressLines(const PostalAddress& address);

// The non-empty lines of each text, each trimmed, in order.
QStringList nonEmptyLines(const QStringList& texts);

} // namespace tavrin::contacts
