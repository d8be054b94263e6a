// The one table of locality layouts: each country's names and codes, and the lines it gives.

#include "contacts/postaladdress.h"

#include <gtest/gtest.h>

using namespace tavrin::contacts;

namespace {

struct LayoutCase {
    const char* name;
    const char* country;
    QStringList lines; // of 1 Road, Town, REGION, CODE in that country
};

void PrintTo(const LayoutCase& c, std::ostream* out) {
    *out << c.name;
}

class LayingOutAnAddress : public testing::TestWithParam<LayoutCase> {};

TEST_P(LayingOutAnAddress, WritesTheLocalityAsTheCountryDoes) {
    const QString country = QString::fromUtf8(GetParam().country);
    const PostalAddress address{{QStringLiteral("1 Road")},
                                QStringLiteral("Town"),
                                QStringLiteral("REGION"),
                                QStringLiteral("CODE"),
                                country};
    QStringList expected = GetParam().lines;
    if (!country.isEmpty())
        expected << country.trimmed();
    EXPECT_EQ(addressLines(address), expected);
}

const QStringList PostcodeFirst{"1 Road", "CODE Town", "REGION"};
const QStringList TownRegionCode{"1 Road", "Town, REGION CODE"};
const QStringList OwnLines{"1 Road", "Town", "REGION", "CODE"};

INSTANTIATE_TEST_SUITE_P(Countries, LayingOutAnAddress,
                         testing::Values(LayoutCase{"Germany", "Germany", PostcodeFirst},
                                         LayoutCase{"GermanyInGerman", "Deutschland", PostcodeFirst},
                                         LayoutCase{"GermanyByCodeAnyCase", "de", PostcodeFirst},
                                         LayoutCase{"FranceInFrench", "France", PostcodeFirst},
                                         LayoutCase{"SwitzerlandInFrench", "Suisse", PostcodeFirst},
                                         LayoutCase{"Austria", "Österreich", PostcodeFirst},
                                         LayoutCase{"Italy", "Italia", PostcodeFirst},
                                         LayoutCase{"Spain", "España", PostcodeFirst},
                                         LayoutCase{"Netherlands", "Nederland", PostcodeFirst},
                                         LayoutCase{"Poland", "Polska", PostcodeFirst},
                                         LayoutCase{"Sweden", "Sweden", PostcodeFirst},
                                         LayoutCase{"RussiaInRussian", "Россия", PostcodeFirst},
                                         LayoutCase{"RussiaInGerman", "Russland", PostcodeFirst},
                                         LayoutCase{"UnitedStates", "United States", TownRegionCode},
                                         LayoutCase{"UnitedStatesWithDots", "U.S.A.", TownRegionCode},
                                         LayoutCase{"UnitedStatesInFrench", "États-Unis", TownRegionCode},
                                         LayoutCase{"Canada", "Canada", TownRegionCode},
                                         LayoutCase{"Australia", "  Australia ", TownRegionCode},
                                         LayoutCase{"UnitedKingdom", "United Kingdom", OwnLines},
                                         LayoutCase{"UnitedKingdomByCode", "GB", OwnLines},
                                         LayoutCase{"UnitedKingdomInGerman", "Großbritannien", OwnLines},
                                         LayoutCase{"UnitedKingdomInFrench", "Royaume-Uni", OwnLines},
                                         LayoutCase{"NoCountry", "", TownRegionCode},
                                         LayoutCase{"UnknownCountry", "Atlantis", TownRegionCode}),
                         [](const auto& info) { return std::string(info.param.name); });

struct PartsCase {
    const char* name;
    PostalAddress address;
    QStringList lines;
    bool complete;
};

void PrintTo(const PartsCase& c, std::ostream* out) {
    *out << c.name;
}

class AddressParts : public testing::TestWithParam<PartsCase> {};

TEST_P(AddressParts, GiveOnlyTheLinesThatHaveText) {
    EXPECT_EQ(addressLines(GetParam().address), GetParam().lines);
    EXPECT_EQ(GetParam().address.isComplete(), GetParam().complete);
}

INSTANTIATE_TEST_SUITE_P(
    All, AddressParts,
    testing::Values(
        PartsCase{"Empty", {}, {}, false},
        PartsCase{"TownOnlyInGermany", {{}, "Köln", "", "", "Germany"}, {"Köln", "Germany"}, false},
        PartsCase{
            "PostcodeOnlyInGermany", {{"Weg 1"}, "", "", "50667", "DE"}, {"Weg 1", "50667", "DE"}, true},
        PartsCase{"StreetLinesWithBreaksAndBlanks",
                  {{" 1 Road\n\nFlat 2 ", "  "}, "Town", "", "", ""},
                  {"1 Road", "Flat 2", "Town"},
                  true},
        PartsCase{"RegionWithoutTownInTheUnitedStates",
                  {{"1 Road"}, "", "IL", "62701", "USA"},
                  {"1 Road", "IL 62701", "USA"},
                  true},
        PartsCase{"NoCountryWithAPostcodeFirstFallback",
                  {{"Weg 1"}, "Köln", "", "50667", "", LocalityLayout::PostcodeTown},
                  {"Weg 1", "50667 Köln"},
                  true},
        PartsCase{"KnownCountryWinsOverTheFallback",
                  {{"1 Road"}, "Leeds", "", "LS1 1UR", "UK", LocalityLayout::PostcodeTown},
                  {"1 Road", "Leeds", "LS1 1UR", "UK"},
                  true},
        PartsCase{"StreetWithoutTownIsIncomplete", {{"1 Road"}, "", "", "", "UK"}, {"1 Road", "UK"}, false}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
