// The address book readers on the exports people have: our own CSV columns, Thunderbird's and Google's
// CSV, the vCard texts' own examples and the shapes phones and mail programs write.

#include "contacts/contacts.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

using namespace tavrin::contacts;

namespace {

struct ReadCase {
    const char* name;
    QByteArray input;
    std::vector<Contact> expected;
    QStringList skipped = {};
    bool readAsWindows1252 = false;
    QStringList warnings = {};
};

void PrintTo(const ReadCase& c, std::ostream* out) {
    *out << c.name;
}

class ReadingRecipients : public testing::TestWithParam<ReadCase> {};

std::string describe(const std::vector<Contact>& recipients) {
    std::string text;
    for (const Contact& r : recipients)
        text += QStringLiteral("[%1 | %2 | %3 | %4 | line %5]\n")
                    .arg(r.fullName, r.firstName, r.addressLines.join(u'/'), r.organisation)
                    .arg(r.line)
                    .toStdString();
    return text;
}

TEST_P(ReadingRecipients, GivesEveryNamedRecordInOrder) {
    const ContactList list = readContacts(GetParam().input);
    EXPECT_EQ(describe(list.contacts), describe(GetParam().expected));
    EXPECT_EQ(list.skipped, GetParam().skipped);
    EXPECT_EQ(list.readAsWindows1252, GetParam().readAsWindows1252);
    EXPECT_EQ(list.warnings, GetParam().warnings);
}

QByteArray utf16LittleEndian(const char* text) {
    const QString decoded = QString::fromUtf8(text);
    return QByteArray("\xFF\xFE") +
           QByteArray(reinterpret_cast<const char*>(decoded.utf16()), decoded.size() * 2);
}

Contact r(const char* full, const char* first, QStringList lines, int line, const char* organisation = "") {
    return {QString::fromUtf8(full), QString::fromUtf8(first), lines, line, QString::fromUtf8(organisation)};
}

INSTANTIATE_TEST_SUITE_P(
    Csv, ReadingRecipients,
    testing::Values(
        ReadCase{"OwnColumns",
                 "name,address\nAda Lovelace,12 Elm Street\n",
                 {r("Ada Lovelace", "", {"12 Elm Street"}, 2)}},
        ReadCase{"HeaderAnyCaseWithFirstName",
                 "NAME,Address,First Name\nAda Lovelace,London,Ada\n",
                 {r("Ada Lovelace", "Ada", {"London"}, 2)}},
        ReadCase{
            "QuotedCommasQuotesAndLineBreaks",
            "name,address\n\"Lee, Ann \"\"Annie\"\"\",\"1 High St\n\nFlat 2, Oxford\"\nBob,Bath\n",
            {r("Lee, Ann \"Annie\"", "", {"1 High St", "Flat 2, Oxford"}, 2), r("Bob", "", {"Bath"}, 5)}},
        ReadCase{"CrLfAndByteOrderMark",
                 "\xEF\xBB\xBFname,address\r\n\"Zoë Ünal\",\"Rue 1\r\nParis\"\r\nBob,Bath\r\n",
                 {r("Zoë Ünal", "", {"Rue 1", "Paris"}, 2), r("Bob", "", {"Bath"}, 4)}},
        ReadCase{"EmptyLinesAndBlankRecordsPassedOver",
                 "name,address\n\n   \nAda,London\n,\n\nBob,Bath",
                 {r("Ada", "", {"London"}, 4), r("Bob", "", {"Bath"}, 7)}},
        ReadCase{"RecordWithoutNameSkippedWithItsStartLine",
                 "name,address\n\"Ada\",\"a\nb\"\n,\"Nowhere\nStreet\"\nBob,Bath\n",
                 {r("Ada", "", {"a", "b"}, 2), r("Bob", "", {"Bath"}, 6)},
                 {"line 4: a recipient without a name, left out"}},
        ReadCase{"RowsWithFieldsTooManyOrTooFewLeftOut",
                 "name,address,first name\nAda\nAnn Lee,Apt 4, 1 Main St,Ann\nBo,,\n",
                 {r("Bo", "", {}, 4)},
                 {"line 2: 1 fields where the header has 3, left out",
                  "line 3: 4 fields where the header has 3, left out"},
                 false,
                 {"line 4: no address in the address columns"}},
        ReadCase{"SemicolonsNamedByExcelsFirstLine",
                 "sep=;\r\nname;address\r\nAnn, Jr;\"1 Road; Town\"\r\n",
                 {r("Ann, Jr", "", {"1 Road; Town"}, 3)}},
        ReadCase{"SemicolonsFoundInTheHeader",
                 "Name;Address\nAnn, Jr;1 Road, Town\n",
                 {r("Ann, Jr", "", {"1 Road, Town"}, 2)}},
        ReadCase{"TabsFoundInTheHeader",
                 "Name\tAddress\nAnn; Jr\t1 Road, Town\n",
                 {r("Ann; Jr", "", {"1 Road, Town"}, 2)}},
        ReadCase{"CommaWinsOverASemicolonInAQuotedColumnName",
                 "\"name;x\",name,address\n,Ann,A\n",
                 {r("Ann", "", {"A"}, 2)}},
        ReadCase{"DataIsDataBackslashNStaysControlsBecomeSpaces",
                 "name,address\n\"C:\\new\\Dominique\",\"Line1\x01Line2\tLine3\x7f\nTown\"\nAnn\x0bLee,A\n",
                 {r("C:\\new\\Dominique", "", {"Line1 Line2 Line3", "Town"}, 2), r("Ann Lee", "", {"A"}, 4)}},
        ReadCase{"FieldsOverTheirLimitsLeaveOutTheirRecord",
                 "name,address\n" + QByteArray(1001, 'n') + ",A\nAnn," + QByteArray(10001, 'a') + "\n" +
                     QByteArray(1000, 'n') + ",\"" + QByteArray(5000, 'a') + "\n" + QByteArray(4999, 'a') +
                     "\"\n",
                 {r(QByteArray(1000, 'n').constData(), "", {QString(5000, u'a'), QString(4999, u'a')}, 4)},
                 {"line 2: a name longer than 1000 characters, left out",
                  "line 3: an address longer than 10000 characters, left out"}},
        ReadCase{"CarriageReturnsOnlyCountLines",
                 "name,address\rAnn,\"1 Road\rTown\"\r,X\rBo,B\r",
                 {r("Ann", "", {"1 Road", "Town"}, 2), r("Bo", "", {"B"}, 5)},
                 {"line 4: a recipient without a name, left out"}},
        ReadCase{
            "ThunderbirdHome",
            "First Name,Last Name,Display Name,Nickname,Primary Email,Home Address,Home Address 2,Home City,"
            "Home State,Home ZipCode,Home Country,Work Address,Work City\n"
            "Ann,Lee,Dr Ann Lee,,ann@example.org,1 High St,Flat 2,Springfield,IL,62701,USA,9 Work Rd,Cork\n",
            {r("Dr Ann Lee", "Ann", {"1 High St", "Flat 2", "Springfield, IL 62701", "USA"}, 2)}},
        ReadCase{
            "ThunderbirdWorkWhenNoHome",
            "First Name,Last Name,Display Name,Home Address,Work Address,Work Address 2,Work City,Work State,"
            "Work ZipCode,Work Country\n"
            "Ann,Lee,,,Unit 4,Dock Road,Cork,,T12,Ireland\n",
            {r("Ann Lee", "Ann", {"Unit 4", "Dock Road", "Cork, T12", "Ireland"}, 2)}},
        ReadCase{"GoogleOlder",
                 "Name,Given Name,Additional Name,Family Name,Address 1 - Type,Address 1 - Formatted,"
                 "Address 1 - Street,Address 1 - City,Address 1 - PO Box,Address 1 - Region,Address 1 - "
                 "Postal Code,"
                 "Address 1 - Country,Address 1 - Extended Address,Address 2 - Type,Address 2 - Street,"
                 "Address 2 - City\n"
                 "Jo Bloggs,Jo,,Bloggs,Work,\"5 Office Park\nLeeds\",5 Office Park,Leeds,,,LS1,UK,,Home,"
                 "3 Home Lane,York\n",
                 {r("Jo Bloggs", "Jo", {"3 Home Lane", "York"}, 2)}},
        ReadCase{
            "GoogleNewer",
            "First Name,Middle Name,Last Name,Phonetic First Name,Nickname,File As,Address 1 - Label,"
            "Address 1 - Formatted,Address 1 - Street,Address 1 - City,Address 1 - PO Box,Address 1 - Region,"
            "Address 1 - Postal Code,Address 1 - Country,Address 1 - Extended Address\n"
            "Maria,José,Silva,,,,Home,,Rua Augusta 10,Lisboa,,,1100-053,Portugal,3º Esq\n",
            {r("Maria José Silva", "Maria", {"Rua Augusta 10", "3º Esq", "1100-053 Lisboa", "Portugal"}, 2)}},
        ReadCase{"GoogleFormattedOnly",
                 "First Name,Last Name,Address 1 - Formatted\nAl,Bo,\"1 Road\nTown\"\n",
                 {r("Al Bo", "Al", {"1 Road", "Town"}, 2)}},
        // Excel's "Unicode text" and Outlook on Windows.
        ReadCase{"Utf16WithByteOrderMark",
                 utf16LittleEndian("name,address\r\nJosé Müller,\"Straße 1\r\nZürich\"\r\nBob,Bath\r\n"),
                 {r("José Müller", "", {"Straße 1", "Zürich"}, 2), r("Bob", "", {"Bath"}, 4)}},
        ReadCase{"Windows1252",
                 "First Name,Last Name,Home Address,Home City\r\nJos\xE9,M\xFCller,Stra\xDF"
                 "e 1,K\xF6ln\r\n",
                 {r("José Müller", "José", {"Straße 1", "Köln"}, 2)},
                 {},
                 true}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    VCard, ReadingRecipients,
    testing::Values(
        // RFC 6350, section 8.
        ReadCase{"Rfc6350Example",
                 "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Simon Perreault\r\nN:Perreault;Simon;;;ing. jr,M.Sc.\r\n"
                 "BDAY:--0203\r\nGENDER:M\r\nLANG;PREF=1:fr\r\nLANG;PREF=2:en\r\nORG;TYPE=work:Viagenie\r\n"
                 "ADR;TYPE=work:;Suite D2-630;2875 Laurier;\r\n Quebec;QC;G1V 2M2;Canada\r\n"
                 "TEL;VALUE=uri;TYPE=\"work,voice\";PREF=1:tel:+1-418-656-9254;ext=102\r\n"
                 "KEY;TYPE=work;VALUE=uri:\r\n http://www.viagenie.ca/simon.perreault/simon.asc\r\n"
                 "URL;TYPE=home:http://nomis80.org\r\nEND:VCARD\r\n",
                 {r("Simon Perreault", "Simon",
                    {"Suite D2-630", "2875 Laurier", "Quebec, QC G1V 2M2", "Canada"}, 1, "Viagenie")}},
        // RFC 2426, section 7.
        ReadCase{
            "Rfc2426Example",
            "BEGIN:vCard\r\nVERSION:3.0\r\nFN:Frank Dawson\r\nORG:Lotus Development Corporation\r\n"
            "ADR;TYPE=WORK,POSTAL,PARCEL:;;6544 Battleford Drive\r\n ;Raleigh;NC;27613-3502;U.S.A.\r\n"
            "TEL;TYPE=VOICE,MSG,WORK:+1-919-676-9515\r\nEMAIL;TYPE=INTERNET,PREF:Frank_Dawson@Lotus.com\r\n"
            "END:vCard\r\n\r\nBEGIN:vCard\r\nVERSION:3.0\r\nFN:Tim Howes\r\nN:Howes;Tim;;;\r\n"
            "ADR;TYPE=WORK,POSTAL,PARCEL:;;501 E. Middlefield Rd.;Mountain View;\r\n CA; 94043;U.S.A.\r\n"
            "END:vCard\r\n",
            {r("Frank Dawson", "", {"6544 Battleford Drive", "Raleigh, NC 27613-3502", "U.S.A."}, 1,
               "Lotus Development Corporation"),
             r("Tim Howes", "Tim", {"501 E. Middlefield Rd.", "Mountain View, CA 94043", "U.S.A."}, 11)}},
        // The vCard 2.1 text's own example: N only, bare parameters.
        ReadCase{"VCard21Example",
                 "BEGIN:VCARD\r\nVERSION:2.1\r\nN:Smith;John;M.;Mr.;Esq.\r\nTEL;WORK;VOICE;MSG:+1 (919) "
                 "555-1234\r\n"
                 "ADR;WORK;PARCEL;POSTAL;DOM:;;1 Central St.;Any Town;NC;27654\r\nEND:VCARD\r\n",
                 {r("Mr. John M. Smith Esq.", "John", {"1 Central St.", "Any Town, NC 27654"}, 1)}},
        ReadCase{
            "VCard21QuotedPrintableAndCharsets",
            "BEGIN:VCARD\r\nVERSION:2.1\r\nN;CHARSET=ISO-8859-1;ENCODING=QUOTED-PRINTABLE:M=FCller;J=FCrgen;;"
            ";\r\n"
            "FN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:J=C3=BCrgen M=C3=BCller\r\n"
            "ADR;HOME;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:;;Hauptstra=C3=9Fe 1=0D=0A=\r\n"
            "Hinterhaus;Berlin;;10115;Germany\r\nEND:VCARD\r\n",
            {r("Jürgen Müller", "Jürgen", {"Hauptstraße 1", "Hinterhaus", "10115 Berlin", "Germany"}, 1)}},
        // Android's export: every non-ASCII value quoted-printable UTF-8, bare QUOTED-PRINTABLE.
        ReadCase{
            "AndroidShape",
            "BEGIN:VCARD\nVERSION:2.1\nN;CHARSET=UTF-8;QUOTED-PRINTABLE:=D0=98=D0=B2=D0=B0=D0=BD=D0=BE=D0=B2;"
            "=D0=98=D0=B2=D0=B0=D0=BD;;;\nFN;CHARSET=UTF-8;QUOTED-PRINTABLE:=D0=98=D0=B2=D0=B0=D0=BD "
            "=D0=98=D0="
            "\n=B2=D0=B0=D0=BD=D0=BE=D0=B2\nTEL;CELL:+7 900 000\nEND:VCARD\n",
            {r("Иван Иванов", "Иван", {}, 1)}},
        // Apple's export: grouped properties, lower-case types, the preferred address marked.
        ReadCase{"AppleShapePreferredAddress",
                 "BEGIN:VCARD\nVERSION:3.0\nN:Appleseed;Johnny;;;\nFN:Johnny Appleseed\n"
                 "item1.ADR;type=WORK:;;1 Work Way;Cupertino;CA;95014;United States\n"
                 "item1.X-ABADR:us\nitem2.ADR;type=HOME;type=pref:;;2 Home Road\\nBack Door;Cupertino;CA;"
                 "95014;United States\nEND:VCARD\n",
                 {r("Johnny Appleseed", "Johnny",
                    {"2 Home Road", "Back Door", "Cupertino, CA 95014", "United States"}, 1)}},
        ReadCase{
            "HomeAddressChosenOverWork",
            "BEGIN:VCARD\nVERSION:3.0\nFN:A B\nADR;TYPE=WORK:;;Work St;;;;\nADR;TYPE=HOME:;;Home St;;;;\n"
            "END:VCARD\n",
            {r("A B", "", {"Home St"}, 1)}},
        ReadCase{"Version4PreferenceRanks",
                 "BEGIN:VCARD\nVERSION:4.0\nFN:A B\nADR;TYPE=home;PREF=2:;;Second;;;;\n"
                 "ADR;TYPE=work;PREF=1:;;First;;;;\nADR;TYPE=home:;;Third;;;;\nEND:VCARD\n",
                 {r("A B", "", {"First"}, 1)}},
        ReadCase{"FirstAddressWhenNoneMarked",
                 "BEGIN:VCARD\nVERSION:3.0\nFN:A B\nADR:;;One;;;;\nADR:;;Two;;;;\nEND:VCARD\n",
                 {r("A B", "", {"One"}, 1)}},
        ReadCase{"EscapesAndFolding",
                 "BEGIN:VCARD\nVERSION:3.0\nFN:Smith\\, John \\;Jr\\\\\nN:Smith;John,Paul;;;\n"
                 "ADR:;;12\\, Elm Street\\nFlat 3\\;b;Lon\n\tdon;;;\nEND:VCARD\n",
                 {r("Smith, John ;Jr\\", "John Paul", {"12, Elm Street", "Flat 3;b", "London"}, 1)}},
        ReadCase{"Version4QuotedParameterWithColon",
                 "BEGIN:VCARD\nVERSION:4.0\nFN:A B\nADR;LABEL=\"1 Road: Town\";TYPE=home:;;1 Road;Town;;;\n"
                 "END:VCARD\n",
                 {r("A B", "", {"1 Road", "Town"}, 1)}},
        ReadCase{"ContactWithoutNameSkipped",
                 "BEGIN:VCARD\nVERSION:3.0\nFN:First\nEND:VCARD\nBEGIN:VCARD\nVERSION:3.0\nN:;;;;\n"
                 "EMAIL:x@example.org\nEND:VCARD\nBEGIN:VCARD\nVERSION:3.0\nFN:Third\nEND:VCARD\n",
                 {r("First", "", {}, 1), r("Third", "", {}, 10)},
                 {"line 5: a contact without a name, left out"}},
        ReadCase{"Utf16WithByteOrderMark",
                 utf16LittleEndian("BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Zoë Ünal\r\nEND:VCARD\r\n"),
                 {r("Zoë Ünal", "", {}, 1)}},
        ReadCase{"UnusedWindows1252NoteKeepsEveryContact",
                 "BEGIN:VCARD\nVERSION:2.1\nFN:Ann\nNOTE:caf\xE9\nEND:VCARD\nBEGIN:VCARD\nVERSION:2.1\n"
                 "FN:Bo\nEND:VCARD\n",
                 {r("Ann", "", {}, 1), r("Bo", "", {}, 6)}},
        ReadCase{"UsedWindows1252NameIsReadSo",
                 "BEGIN:VCARD\nVERSION:2.1\nFN;ENCODING=QUOTED-PRINTABLE:Ren=E9\nEND:VCARD\n",
                 {r("René", "", {}, 1)},
                 {},
                 true},
        ReadCase{"BrokenCharsetLeavesOutOnlyItsCard",
                 "BEGIN:VCARD\nVERSION:2.1\nFN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:A=FF\nEND:VCARD\n"
                 "BEGIN:VCARD\nVERSION:2.1\nFN:Bo\nEND:VCARD\n",
                 {r("Bo", "", {}, 5)},
                 {"line 3: not valid UTF-8, the contact left out"}},
        ReadCase{"QuotedPrintableTakesOnlyTwoHexDigits",
                 "BEGIN:VCARD\nVERSION:2.1\nFN;ENCODING=QUOTED-PRINTABLE:Tom= Bo=+4 =3D=c3=a9\nEND:VCARD\n",
                 {r("Tom= Bo=+4 =é", "", {}, 1)}},
        ReadCase{"UnindentedBase64PhotoKeepsEveryContact",
                 "BEGIN:VCARD\r\nVERSION:2.1\r\nFN:Ann\r\nPHOTO;ENCODING=BASE64;TYPE=JPEG:/9j/"
                 "4AAQSkZJRgABAQAAAQ\r\n"
                 "ABAAD/2wBDAAgGBgcGBQgHBwcJCQgKDBQNDAsL\r\nDBkSEw8UHRofHh0aHBwgJC4n==\r\n\r\nEND:VCARD\r\n"
                 "BEGIN:VCARD\r\nVERSION:2.1\r\nFN:Bo\r\nEND:VCARD\r\n",
                 {r("Ann", "", {}, 1), r("Bo", "", {}, 9)}},
        ReadCase{"ControlCharactersInAVCardBecomeSpaces",
                 "BEGIN:VCARD\nVERSION:3.0\nFN:Ann\x07Lee\nADR:;;1 Road\\nBack\x01"
                 "Door;Town;;;\nEND:VCARD\n",
                 {r("Ann Lee", "", {"1 Road", "Back Door", "Town"}, 1)}},
        ReadCase{
            "NestedAgentCardIgnored",
            "BEGIN:VCARD\nVERSION:2.1\nFN:Boss\nAGENT:\nBEGIN:VCARD\nVERSION:2.1\nFN:Assistant\nEND:VCARD\n"
            "END:VCARD\n",
            {r("Boss", "", {}, 1)}}),
    [](const auto& info) { return std::string(info.param.name); });

// The column lists the applications document for their exports; every row fills only some columns.
const QStringList OutlookColumns =
    QStringLiteral(
        "Title,First Name,Middle Name,Last Name,Suffix,Company,Department,Job Title,Business Street,Business "
        "Street 2,Business Street 3,Business City,Business State,Business Postal Code,Business "
        "Country/Region,Home "
        "Street,Home Street 2,Home Street 3,Home City,Home State,Home Postal Code,Home Country/Region,Other "
        "Street,Other Street 2,Other Street 3,Other City,Other State,Other Postal Code,Other Country/Region,"
        "Assistant's Phone,Business Fax,Business Phone,Business Phone 2,Callback,Car Phone,Company Main "
        "Phone,Home "
        "Fax,Home Phone,Home Phone 2,ISDN,Mobile Phone,Other Fax,Other Phone,Pager,Primary Phone,Radio Phone,"
        "TTY/TDD Phone,Telex,Account,Anniversary,Assistant's Name,Billing Information,Birthday,Business "
        "Address PO "
        "Box,Categories,Children,Directory Server,E-mail Address,E-mail Type,E-mail Display Name,E-mail 2 "
        "Address,"
        "E-mail 2 Type,E-mail 2 Display Name,E-mail 3 Address,E-mail 3 Type,E-mail 3 Display "
        "Name,Gender,Government "
        "ID Number,Hobby,Home Address PO Box,Initials,Internet Free "
        "Busy,Keywords,Language,Location,Manager's Name,"
        "Mileage,Notes,Office Location,Organizational ID Number,Other Address PO "
        "Box,Priority,Private,Profession,"
        "Referred By,Sensitivity,Spouse,User 1,User 2,User 3,User 4,Web Page")
        .split(u',');

const QStringList GoogleColumns =
    QStringLiteral("First Name,Middle Name,Last Name,Phonetic First Name,Phonetic Middle Name,Phonetic Last "
                   "Name,Name Prefix,"
                   "Name Suffix,Nickname,File As,Organization Name,Organization Title,Organization "
                   "Department,Birthday,Notes,"
                   "Photo,Labels,E-mail 1 - Label,E-mail 1 - Value,Phone 1 - Label,Phone 1 - Value,Address 1 "
                   "- Label,Address 1 "
                   "- Formatted,Address 1 - Street,Address 1 - City,Address 1 - PO Box,Address 1 - "
                   "Region,Address 1 - Postal "
                   "Code,Address 1 - Country,Address 1 - Extended Address,Address 2 - Label,Address 2 - "
                   "Formatted,Address 2 - "
                   "Street,Address 2 - City,Address 2 - PO Box,Address 2 - Region,Address 2 - Postal "
                   "Code,Address 2 - Country,"
                   "Address 2 - Extended Address")
        .split(u',');

using Row = std::vector<std::pair<const char*, const char*>>;

// The export as the application writes it: every column in the header, every field quoted, CRLF.
QByteArray exportOf(const QStringList& columns, const std::vector<Row>& rows) {
    const auto quoted = [](QStringList fields) {
        for (QString& field : fields)
            field = u'"' + field.replace(QStringLiteral("\""), QStringLiteral("\"\"")) + u'"';
        return fields.join(u',');
    };
    QStringList lines{quoted(columns)};
    for (const Row& row : rows) {
        QStringList fields(columns.size());
        for (const auto& [column, value] : row) {
            const qsizetype index = columns.indexOf(QString::fromUtf8(column));
            EXPECT_GE(index, 0) << column;
            fields[index] = QString::fromUtf8(value);
        }
        lines << quoted(fields);
    }
    return (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
}

INSTANTIATE_TEST_SUITE_P(
    Exports, ReadingRecipients,
    testing::Values(
        ReadCase{"OutlookHomeAddressWhole",
                 exportOf(OutlookColumns, {{{"First Name", "John"},
                                            {"Last Name", "Doe"},
                                            {"Home Street", "1 Main St"},
                                            {"Home Street 2", "Apt 4"},
                                            {"Home City", "Springfield"},
                                            {"Home State", "IL"},
                                            {"Home Postal Code", "62701"},
                                            {"Home Country/Region", "United States of America"},
                                            {"Business City", "Chicago"}}}),
                 {r("John Doe", "John",
                    {"1 Main St", "Apt 4", "Springfield, IL 62701", "United States of America"}, 2)}},
        ReadCase{
            "OutlookBusinessAddressWhenNoHome",
            exportOf(OutlookColumns, {{{"First Name", "José"},
                                       {"Last Name", "Müller"},
                                       {"Company", "Müller GmbH"},
                                       {"Business Street", "Hauptstraße 5"},
                                       {"Business City", "Berlin"},
                                       {"Business Postal Code", "10115"},
                                       {"Business Country/Region", "Deutschland"}}}),
            {r("José Müller", "José", {"Hauptstraße 5", "10115 Berlin", "Deutschland"}, 2, "Müller GmbH")}},
        ReadCase{"OutlookIncompleteHomeGivesWayToCompleteOther",
                 exportOf(OutlookColumns, {{{"First Name", "Ann"},
                                            {"Home City", "Leeds"},
                                            {"Other Address PO Box", "PO Box 12"},
                                            {"Other City", "York"},
                                            {"Other Postal Code", "YO1 7HH"},
                                            {"Other Country/Region", "United Kingdom"}}}),
                 {r("Ann", "Ann", {"PO Box 12", "York", "YO1 7HH", "United Kingdom"}, 2)}},
        ReadCase{"OutlookIncompleteAddressKeptWhenNoneIsComplete",
                 exportOf(OutlookColumns, {{{"First Name", "Ann"}, {"Home City", "Leeds"}}}),
                 {r("Ann", "Ann", {"Leeds"}, 2)}},
        ReadCase{"OutlookCompany",
                 exportOf(OutlookColumns, {{{"Company", "Acme Ltd"},
                                            {"Business Street", "1 Dock Road"},
                                            {"Business City", "London"},
                                            {"Business Postal Code", "E16 2QU"},
                                            {"Business Country/Region", "UK"}}}),
                 {r("Acme Ltd", "", {"1 Dock Road", "London", "E16 2QU", "UK"}, 2, "Acme Ltd")}},
        ReadCase{"GoogleOrganisation",
                 exportOf(GoogleColumns, {{{"Organization Name", "Société Exemple"},
                                           {"Address 1 - Label", "Work"},
                                           {"Address 1 - Street", "29 boulevard Haussmann"},
                                           {"Address 1 - City", "Paris"},
                                           {"Address 1 - Postal Code", "75009"},
                                           {"Address 1 - Country", "France"}}}),
                 {r("Société Exemple", "", {"29 boulevard Haussmann", "75009 Paris", "France"}, 2,
                    "Société Exemple")}},
        ReadCase{"GoogleHomeAddressAfterAWorkOne",
                 exportOf(GoogleColumns, {{{"First Name", "Ivan"},
                                           {"Last Name", "Petrov"},
                                           {"Address 1 - Label", "Work"},
                                           {"Address 1 - Street", "Tverskaya 1"},
                                           {"Address 1 - City", "Moscow"},
                                           {"Address 1 - Postal Code", "125009"},
                                           {"Address 1 - Country", "Russia"},
                                           {"Address 2 - Label", "Home"},
                                           {"Address 2 - Street", "Nevsky 10"},
                                           {"Address 2 - City", "Saint Petersburg"},
                                           {"Address 2 - Postal Code", "191186"},
                                           {"Address 2 - Country", "Россия"}}}),
                 {r("Ivan Petrov", "Ivan", {"Nevsky 10", "191186 Saint Petersburg", "Россия"}, 2)}},
        ReadCase{"PlainEnglishColumns",
                 "Name,Street,City,State,Zip,Country\nAnn Lee,1 Elm St,Toronto,ON,M5V 2T6,Canada\n",
                 {r("Ann Lee", "", {"1 Elm St", "Toronto, ON M5V 2T6", "Canada"}, 2)}},
        ReadCase{"PlainGermanColumns",
                 "Vorname;Nachname;Firma;Straße;PLZ;Ort;Land\nErika;Mustermann;;Heidestraße 17;51147;Köln;"
                 "Deutschland\n",
                 {r("Erika Mustermann", "Erika", {"Heidestraße 17", "51147 Köln", "Deutschland"}, 2)}},
        ReadCase{
            "PlainFrenchColumns",
            "Prénom;Nom;Société;Adresse;Code postal;Ville;Pays\nJean;Dupont;;12 rue de la Paix;75002;Paris;"
            "France\n;;Exemple SARL;1 quai Voltaire;69002;Lyon;France\n",
            {r("Jean Dupont", "Jean", {"12 rue de la Paix", "75002 Paris", "France"}, 2),
             r("Exemple SARL", "", {"1 quai Voltaire", "69002 Lyon", "France"}, 3, "Exemple SARL")}},
        ReadCase{"PlainGermanColumnsWithoutACountry",
                 "Name;Straße;PLZ;Ort\nErika Mustermann;Heidestraße 17;51147;Köln\n",
                 {r("Erika Mustermann", "", {"Heidestraße 17", "51147 Köln"}, 2)}},
        ReadCase{"ColumnNamedTwiceTakesTheFirstValue",
                 "Name,Address,Address\nAnn,,1 Road\nBo,2 Lane,3 Way\n",
                 {r("Ann", "", {"1 Road"}, 2), r("Bo", "", {"2 Lane"}, 3)}}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    VCardAddresses, ReadingRecipients,
    testing::Values(
        // Apple Contacts' company card: no person's name, FN the organisation's.
        ReadCase{
            "AppleCompanyCard",
            "BEGIN:VCARD\r\nVERSION:3.0\r\nPRODID:-//Apple Inc.//macOS 14.0//EN\r\nN:;;;;\r\nFN:Acme Inc.\r\n"
            "ORG:Acme Inc.;\r\nitem1.ADR;type=WORK;type=pref:;;1 Infinite Loop;Cupertino;CA;95014;United "
            "States\r\nitem1.X-ABADR:us\r\nX-ABShowAs:COMPANY\r\nEND:VCARD\r\n",
            {r("Acme Inc.", "", {"1 Infinite Loop", "Cupertino, CA 95014", "United States"}, 1,
               "Acme Inc.")}},
        ReadCase{"OrganisationWithoutAnyName",
                 "BEGIN:VCARD\nVERSION:4.0\nORG:Stadtwerke Musterstadt;Kundenservice\n"
                 "ADR;TYPE=work:;;Postfach 10 20 30;Musterstadt;;12345;Germany\nEND:VCARD\n",
                 {r("Stadtwerke Musterstadt", "", {"Postfach 10 20 30", "12345 Musterstadt", "Germany"}, 1,
                    "Stadtwerke Musterstadt")}},
        ReadCase{"CompleteAddressBeforeAnIncompletePreferredOne",
                 "BEGIN:VCARD\nVERSION:3.0\nN:Appleseed;Johnny;;;\nFN:Johnny Appleseed\n"
                 "item1.ADR;type=HOME;type=pref:;;;Cupertino;;;\nitem1.X-ABLabel:_$!<Home>!$_\n"
                 "item2.ADR;type=WORK:;;1 Work Way;Cupertino;CA;95014;USA\nEND:VCARD\n",
                 {r("Johnny Appleseed", "Johnny", {"1 Work Way", "Cupertino, CA 95014", "USA"}, 1)}},
        ReadCase{
            "UnitedKingdomTownAndPostcodeOnTheirOwnLines",
            "BEGIN:VCARD\nVERSION:3.0\nFN:Ann Lee\nADR;TYPE=HOME:;;10 Downing Street;London;;SW1A 2AA;United "
            "Kingdom\nEND:VCARD\n",
            {r("Ann Lee", "", {"10 Downing Street", "London", "SW1A 2AA", "United Kingdom"}, 1)}}),
    [](const auto& info) { return std::string(info.param.name); });

struct BadCase {
    const char* name;
    QByteArray input;
    int line;
    QString message;
};

void PrintTo(const BadCase& c, std::ostream* out) {
    *out << c.name;
}

class MalformedRecipients : public testing::TestWithParam<BadCase> {};

TEST_P(MalformedRecipients, AreRefusedWithTheirLine) {
    try {
        readContacts(GetParam().input);
        FAIL() << "read without complaint";
    } catch (const ReadError& error) {
        EXPECT_EQ(error.line(), GetParam().line);
        EXPECT_EQ(error.message(), GetParam().message);
    }
}

INSTANTIATE_TEST_SUITE_P(
    All, MalformedRecipients,
    testing::Values(
        BadCase{"UnclosedQuote", "name,address\nAda,London\n\"Bob,Bath\nStreet\n", 3,
                "a quoted field is never closed"},
        BadCase{"UnclosedQuoteInCarriageReturnOnlyFile", "name,address\rAda,London\r\"Bob,Bath\rStreet\r", 3,
                "a quoted field is never closed"},
        BadCase{"VCardCarriageReturnsOnly", "BEGIN:VCARD\rVERSION:3.0\rFN:A\rgarbage\rEND:VCARD\r", 4,
                "not a vCard property (no \":\")"},
        BadCase{"QuoteOutOfPlace", "name,address\nAda,London\n\"Bob\"x,Bath\n", 3, "a quote out of place"},
        BadCase{"CsvNoNameColumn", "email,address\na@b,London\n", 1,
                "no column for the name (\"name\", \"first name\", \"company\"...)"},
        BadCase{"CsvEmpty", "", 1, "no header row naming the columns"},
        BadCase{"VCardWithoutEnd", "BEGIN:VCARD\nVERSION:3.0\nFN:A\nEND:VCARD\nBEGIN:VCARD\nFN:B\n", 5,
                "a vCard without END:VCARD"},
        BadCase{"VCardPropertyOutsideCard", "BEGIN:VCARD\nFN:A\nEND:VCARD\nFN:B\n", 4,
                "outside BEGIN:VCARD ... END:VCARD"},
        BadCase{"VCardLineWithoutColon", "BEGIN:VCARD\nFN:A\ngarbage\nEND:VCARD\n", 3,
                "not a vCard property (no \":\")"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RecipientsFile, UnreadableFileIsAnErrorWithoutLine) {
    QTemporaryDir folder;
    try {
        readContactsFile(folder.filePath(QStringLiteral("missing.csv")));
        FAIL();
    } catch (const ReadError& error) {
        EXPECT_EQ(error.line(), 0);
        EXPECT_TRUE(error.message().startsWith(QStringLiteral("cannot read"))) << error.what();
    }
}

TEST(RecipientsFile, FirstNameFallsBackToTheFullName) {
    EXPECT_EQ(r("Ada Lovelace", "", {}, 1).firstOrFullName(), QStringLiteral("Ada Lovelace"));
    EXPECT_EQ(r("Ada Lovelace", "Ada", {}, 1).firstOrFullName(), QStringLiteral("Ada"));
}

} // namespace
