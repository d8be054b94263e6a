#include "postaladdress.h"

#include <QHash>
#include <QRegularExpression>

#include <initializer_list>

namespace tavrin::contacts {

namespace {

struct CountryLayout {
    LocalityLayout layout;
    std::initializer_list<const char*> names; // its ISO code first, then its names
};

// Only the countries whose layout differs from the default need a row; the United States and its
// neighbours have one so that their names are known.
const CountryLayout CountryLayouts[] = {
    {LocalityLayout::TownRegionPostcode,
     {"us", "usa", "united states", "united states of america", "america", "vereinigte staaten",
      "vereinigte staaten von amerika", "états-unis", "etats-unis", "états-unis d'amérique"}},
    {LocalityLayout::TownRegionPostcode, {"ca", "canada", "kanada"}},
    {LocalityLayout::TownRegionPostcode, {"au", "australia", "australien", "australie"}},
    {LocalityLayout::TownThenPostcode,
     {"gb", "uk", "united kingdom", "great britain", "britain", "england", "scotland", "wales",
      "northern ireland", "vereinigtes königreich", "großbritannien", "grossbritannien", "england",
      "royaume-uni", "grande-bretagne", "angleterre", "écosse", "pays de galles"}},
    {LocalityLayout::PostcodeTown, {"de", "germany", "deutschland", "allemagne"}},
    {LocalityLayout::PostcodeTown, {"at", "austria", "österreich", "oesterreich", "autriche"}},
    {LocalityLayout::PostcodeTown, {"ch", "switzerland", "schweiz", "suisse", "svizzera"}},
    {LocalityLayout::PostcodeTown, {"li", "liechtenstein"}},
    {LocalityLayout::PostcodeTown, {"fr", "france", "frankreich"}},
    {LocalityLayout::PostcodeTown, {"be", "belgium", "belgien", "belgique", "belgië"}},
    {LocalityLayout::PostcodeTown, {"lu", "luxembourg", "luxemburg"}},
    {LocalityLayout::PostcodeTown, {"mc", "monaco"}},
    {LocalityLayout::PostcodeTown,
     {"nl", "netherlands", "the netherlands", "holland", "niederlande", "pays-bas", "nederland"}},
    {LocalityLayout::PostcodeTown, {"it", "italy", "italien", "italie", "italia"}},
    {LocalityLayout::PostcodeTown, {"es", "spain", "spanien", "espagne", "españa", "espana"}},
    {LocalityLayout::PostcodeTown, {"pt", "portugal"}},
    {LocalityLayout::PostcodeTown, {"dk", "denmark", "dänemark", "danemark", "danmark"}},
    {LocalityLayout::PostcodeTown, {"no", "norway", "norwegen", "norvège", "norge"}},
    {LocalityLayout::PostcodeTown, {"se", "sweden", "schweden", "suède", "sverige"}},
    {LocalityLayout::PostcodeTown, {"fi", "finland", "finnland", "finlande", "suomi"}},
    {LocalityLayout::PostcodeTown, {"is", "iceland", "island", "islande"}},
    {LocalityLayout::PostcodeTown, {"pl", "poland", "polen", "pologne", "polska"}},
    {LocalityLayout::PostcodeTown,
     {"cz", "czech republic", "czechia", "tschechien", "république tchèque", "tchéquie", "česko"}},
    {LocalityLayout::PostcodeTown, {"sk", "slovakia", "slowakei", "slovaquie", "slovensko"}},
    {LocalityLayout::PostcodeTown, {"hu", "hungary", "ungarn", "hongrie", "magyarország"}},
    {LocalityLayout::PostcodeTown, {"si", "slovenia", "slowenien", "slovénie", "slovenija"}},
    {LocalityLayout::PostcodeTown, {"hr", "croatia", "kroatien", "croatie", "hrvatska"}},
    {LocalityLayout::PostcodeTown, {"rs", "serbia", "serbien", "serbie", "srbija"}},
    {LocalityLayout::PostcodeTown, {"ro", "romania", "rumänien", "roumanie", "românia"}},
    {LocalityLayout::PostcodeTown, {"bg", "bulgaria", "bulgarien", "bulgarie", "българия"}},
    {LocalityLayout::PostcodeTown, {"gr", "greece", "griechenland", "grèce", "ελλάδα"}},
    {LocalityLayout::PostcodeTown, {"ee", "estonia", "estland", "estonie", "eesti"}},
    {LocalityLayout::PostcodeTown, {"lt", "lithuania", "litauen", "lituanie", "lietuva"}},
    {LocalityLayout::PostcodeTown,
     {"ru", "russia", "russian federation", "russland", "russie", "россия", "российская федерация"}},
    {LocalityLayout::PostcodeTown, {"by", "belarus", "weißrussland", "biélorussie", "беларусь"}},
};

// Case, dots and surrounding spaces do not tell countries apart: "U.S.A." is "usa".
QString countryKey(const QString& country) {
    return country.trimmed().toLower().remove(u'.');
}

const QHash<QString, LocalityLayout>& layoutsByName() {
    static const QHash<QString, LocalityLayout> byName = [] {
        QHash<QString, LocalityLayout> names;
        for (const CountryLayout& row : CountryLayouts)
            for (const char* name : row.names)
                names.insert(countryKey(QString::fromUtf8(name)), row.layout);
        return names;
    }();
    return byName;
}

const QHash<QString, QString>& isoCodesByName() {
    static const QHash<QString, QString> byName = [] {
        QHash<QString, QString> codes;
        for (const CountryLayout& row : CountryLayouts)
            for (const char* name : row.names)
                codes.insert(countryKey(QString::fromUtf8(name)), QString::fromLatin1(*row.names.begin()));
        return codes;
    }();
    return byName;
}

QString joined(const QStringList& parts, const QString& separator) {
    QStringList given;
    for (const QString& part : parts)
        if (!part.trimmed().isEmpty())
            given << part.trimmed();
    return given.join(separator);
}

QStringList localityLines(const PostalAddress& address) {
    switch (localityLayoutOf(address.country, address.layoutWithoutCountry)) {
    case LocalityLayout::PostcodeTown:
        return {joined({address.postalCode, address.city}, QStringLiteral(" ")), address.region};
    case LocalityLayout::TownThenPostcode:
        return {address.city, address.region, address.postalCode};
    case LocalityLayout::TownRegionPostcode:
        break;
    }
    return {joined({address.city, joined({address.region, address.postalCode}, QStringLiteral(" "))},
                   QStringLiteral(", "))};
}

} // namespace

bool PostalAddress::isEmpty() const {
    return addressLines(*this).isEmpty();
}

bool PostalAddress::isComplete() const {
    return !nonEmptyLines(streetLines).isEmpty() &&
           !(city.trimmed().isEmpty() && postalCode.trimmed().isEmpty());
}

LocalityLayout localityLayoutOf(const QString& country, LocalityLayout fallback) {
    return layoutsByName().value(countryKey(country), fallback);
}

QString isoCodeOfCountry(const QString& country) {
    return isoCodesByName().value(countryKey(country));
}

QStringList addressLines(const PostalAddress& address) {
    return nonEmptyLines(address.streetLines + localityLines(address) + QStringList{address.country});
}

QStringList nonEmptyLines(const QStringList& texts) {
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    QStringList lines;
    for (const QString& text : texts)
        for (const QString& line : text.split(lineEnd))
            if (const QString trimmed = line.trimmed(); !trimmed.isEmpty())
                lines << trimmed;
    return lines;
}

} // namespace tavrin::contacts
