// The address books the wizard offers: KDE's folder, files the user opens, the address as a letter to the
// user's own country writes it, and the user's own card.

#include "contacts/addressbook.h"
#include "contacts/evolutionbooks.h"
#include "contacts/owncard.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>

using namespace tavrin::contacts;

namespace {

void write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// One line per contact: name | organisation | e-mails | each address as kind:lines | book.
std::string describe(const std::vector<BookContact>& contacts) {
    std::string text;
    for (const BookContact& c : contacts) {
        QStringList addresses;
        for (const BookAddress& a : c.addresses)
            addresses << QString::number(int(a.kind)) + u':' + addressLines(a.address).join(u'/');
        text +=
            QStringList{c.formattedName, c.organisation, c.emails.join(u','), addresses.join(u' '), c.book}
                .join(QStringLiteral(" | "))
                .toStdString() +
            "\n";
    }
    return text;
}

const QByteArray TwoCards = "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Ann Smith\r\nN:Smith;Ann;;;\r\n"
                            "ORG:Acme\r\nEMAIL;TYPE=INTERNET:ann@example.org\r\nEMAIL:a.smith@acme.test\r\n"
                            "ADR;TYPE=HOME:;;1 Elm Street;Springfield;IL;62701;USA\r\n"
                            "ADR;TYPE=WORK:;;Hauptstr. 5;Berlin;;10115;Germany\r\nEND:VCARD\r\n"
                            "BEGIN:VCARD\r\nVERSION:4.0\r\nN:Ivanov;Ivan;;;\r\nEND:VCARD\r\n";

TEST(KdeFolder, IsTheContactsFolderOfTheDataHome) {
    QTemporaryDir home;
    const QByteArray saved = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", home.path().toUtf8());
    EXPECT_EQ(kdeContactsFolder(), home.path() + QStringLiteral("/contacts"));
    qputenv("XDG_DATA_HOME", saved);
}

TEST(KdeFolder, ReadsEveryVCardFileAndNamesTheBrokenOne) {
    QTemporaryDir folder;
    write(folder.filePath("a.vcf"), TwoCards);
    write(folder.filePath("b.VCF"), "BEGIN:VCARD\nVERSION:2.1\nFN:Bob Jones\nEND:VCARD\n");
    write(folder.filePath("c.vcf"), "BEGIN:VCARD\nVERSION:3.0\nFN:Cleo\nEND:VCARD\n"
                                    "BEGIN:VCARD\nVERSION:3.0\nFN:Half\n");
    write(folder.filePath("notes.txt"), "BEGIN:VCARD\nFN:Not A Card File\nEND:VCARD\n");
    write(folder.filePath("nameless.vcf"), "BEGIN:VCARD\nVERSION:3.0\nEMAIL:x@y\nEND:VCARD\n");

    const BookContents read = readBookFolder(folder.path(), QStringLiteral("KDE"));
    EXPECT_EQ(describe(read.contacts),
              "Ann Smith | Acme | ann@example.org,a.smith@acme.test | 0:1 Elm Street/Springfield, IL "
              "62701/USA 1:Hauptstr. 5/10115 Berlin/Germany | KDE\n"
              "Ivan Ivanov |  |  |  | KDE\n"
              "Bob Jones |  |  |  | KDE\n"
              "Cleo |  |  |  | KDE\n");
    ASSERT_EQ(read.problems.size(), 1u);
    EXPECT_EQ(read.problems[0].file, folder.filePath("c.vcf"));
    EXPECT_EQ(read.problems[0].line, 5);
    EXPECT_EQ(read.problems[0].message, QStringLiteral("a vCard without END:VCARD"));
}

TEST(KdeFolder, MissingFolderIsEmpty) {
    const BookContents read = readBookFolder(QStringLiteral("/nonexistent/contacts"), QStringLiteral("KDE"));
    EXPECT_TRUE(read.contacts.empty());
    EXPECT_TRUE(read.problems.empty());
}

struct FileCase {
    const char* name;
    const char* fileName;
    QByteArray contents;
    std::string expected;
    std::vector<int> problemLines = {};
};

void PrintTo(const FileCase& c, std::ostream* out) {
    *out << c.name;
}

class OpenedFile : public testing::TestWithParam<FileCase> {};

TEST_P(OpenedFile, GivesItsContactsAndNamesWhatItLeftOut) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QString::fromUtf8(GetParam().fileName));
    write(path, GetParam().contents);
    const BookContents read = readBookFile(path, QStringLiteral("file"));
    EXPECT_EQ(describe(read.contacts), GetParam().expected);
    std::vector<int> lines;
    for (const BookProblem& problem : read.problems) {
        EXPECT_EQ(problem.file, path);
        lines.push_back(problem.line);
    }
    EXPECT_EQ(lines, GetParam().problemLines);
}

INSTANTIATE_TEST_SUITE_P(
    Exports, OpenedFile,
    testing::Values(
        FileCase{"VCard", "export.vcf", TwoCards,
                 "Ann Smith | Acme | ann@example.org,a.smith@acme.test | 0:1 Elm Street/Springfield, IL "
                 "62701/USA 1:Hauptstr. 5/10115 Berlin/Germany | file\nIvan Ivanov |  |  |  | file\n"},
        FileCase{"VCardWithABrokenValue",
                 "export.vcf",
                 "BEGIN:VCARD\nVERSION:3.0\nFN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:=FF=FE\nEND:VCARD\n"
                 "BEGIN:VCARD\nVERSION:3.0\nFN:Dora\nADR:;;Via Roma 1;Roma;;00100;Italia\nEND:VCARD\n",
                 "Dora |  |  | 2:Via Roma 1/00100 Roma/Italia | file\n",
                 {3}},
        FileCase{"CsvWithCountryLine",
                 "export.csv",
                 "name,address\n\"Ann Smith\",\"1 Elm Street\nSpringfield, IL 62701\nUSA\"\n,Nobody\nBo,\n",
                 "Ann Smith |  |  | 2:1 Elm Street/Springfield, IL 62701/USA | file\nBo |  |  |  | file\n",
                 {5}},
        FileCase{"EmptyVCardFile", "empty.vcf", {}, "", {}}));

TEST(OpenedFile, ThatCannotBeReadIsOneProblem) {
    const BookContents read = readBookFile(QStringLiteral("/nonexistent/export.vcf"), QStringLiteral("file"));
    EXPECT_TRUE(read.contacts.empty());
    ASSERT_EQ(read.problems.size(), 1u);
    EXPECT_EQ(read.problems[0].line, 0);
}

struct LetterCase {
    const char* name;
    PostalAddress address;
    QLocale::Territory home;
    QStringList expected;
};

void PrintTo(const LetterCase& c, std::ostream* out) {
    *out << c.name;
}

class AddressForLetter : public testing::TestWithParam<LetterCase> {};

TEST_P(AddressForLetter, IsLaidOutAsItsCountryWritesItWithoutTheHomeCountry) {
    EXPECT_EQ(linesForLetter(GetParam().address, GetParam().home), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Countries, AddressForLetter,
    testing::Values(LetterCase{"GermanyFromAbroad",
                               {{"Hauptstr. 5"}, "Berlin", "", "10115", "Deutschland"},
                               QLocale::France,
                               {"Hauptstr. 5", "10115 Berlin", "Deutschland"}},
                    LetterCase{"GermanyAtHome",
                               {{"Hauptstr. 5"}, "Berlin", "", "10115", "DE"},
                               QLocale::Germany,
                               {"Hauptstr. 5", "10115 Berlin"}},
                    LetterCase{"UnitedStatesAtHome",
                               {{"1 Elm Street"}, "Springfield", "IL", "62701", "U.S.A."},
                               QLocale::UnitedStates,
                               {"1 Elm Street", "Springfield, IL 62701"}},
                    LetterCase{"CanadaFromTheUnitedStates",
                               {{"24 Sussex Dr"}, "Ottawa", "ON", "K1M 1M4", "Canada"},
                               QLocale::UnitedStates,
                               {"24 Sussex Dr", "Ottawa, ON K1M 1M4", "Canada"}},
                    LetterCase{"UnitedKingdomAtHome",
                               {{"10 Downing Street"}, "London", "", "SW1A 2AA", "United Kingdom"},
                               QLocale::UnitedKingdom,
                               {"10 Downing Street", "London", "SW1A 2AA"}},
                    LetterCase{"RussiaAtHomeInItsOwnLanguage",
                               {{"ул. Тверская, 1"}, "Москва", "", "125009", "Россия"},
                               QLocale::Russia,
                               {"ул. Тверская, 1", "125009 Москва"}},
                    LetterCase{"AustraliaFromGermany",
                               {{"1 George St"}, "Sydney", "NSW", "2000", "Australia"},
                               QLocale::Germany,
                               {"1 George St", "Sydney, NSW 2000", "Australia"}},
                    LetterCase{"UnknownCountryKept",
                               {{"Main Road 1"}, "Atlantis", "", "999", "Atlantis"},
                               QLocale::Germany,
                               {"Main Road 1", "Atlantis, 999", "Atlantis"}}));

struct OwnCardCase {
    const char* name;
    std::optional<BookContact> self;
    QString accountName;
    QString expectedName;
    QStringList expectedAddress; // empty: no address taken
};

void PrintTo(const OwnCardCase& c, std::ostream* out) {
    *out << c.name;
}

class OwnCardChoice : public testing::TestWithParam<OwnCardCase> {};

TEST_P(OwnCardChoice, TakesTheSelfContactElseTheAccountName) {
    const OwnCard card = ownCard(GetParam().self, GetParam().accountName);
    EXPECT_EQ(card.name, GetParam().expectedName);
    EXPECT_EQ(card.isEmpty(), GetParam().expectedName.isEmpty());
    EXPECT_EQ(card.address ? addressLines(card.address->address) : QStringList(), GetParam().expectedAddress);
}

const BookAddress Work{AddressKind::Work, {{"Office 1"}, "Bonn", "", "53111", ""}};
const BookAddress Home{AddressKind::Home, {{"Home 2"}, "Köln", "", "50667", ""}};

INSTANTIATE_TEST_SUITE_P(
    Sources, OwnCardChoice,
    testing::Values(
        OwnCardCase{"SelfWithHomeAndWork",
                    BookContact{"Me Myself", "", {}, {Work, Home}, "Personal"},
                    "Account Name",
                    "Me Myself",
                    {"Home 2", "Köln, 50667"}},
        OwnCardCase{"SelfWithWorkOnly",
                    BookContact{"Me Myself", "", {}, {Work}, "Personal"},
                    "",
                    "Me Myself",
                    {"Office 1", "Bonn, 53111"}},
        OwnCardCase{
            "SelfWithoutAddress", BookContact{"Me Myself", "", {}, {}, "Personal"}, "", "Me Myself", {}},
        OwnCardCase{"NoSelfTakesTheAccountName", std::nullopt, " Ann Smith ", "Ann Smith", {}},
        OwnCardCase{"NamelessSelfTakesTheAccountName",
                    BookContact{"", "", {}, {Home}, "Personal"},
                    "Ann Smith",
                    "Ann Smith",
                    {}},
        OwnCardCase{"Nothing", std::nullopt, "", "", {}}));

TEST(Gecos, FullNameIsTheFirstField) {
    EXPECT_EQ(fullNameFromGecos("Ann Smith,Room 4,555-1234,,"), QStringLiteral("Ann Smith"));
    EXPECT_EQ(fullNameFromGecos("  Zoë   Ünal "), QString::fromUtf8("Zoë Ünal"));
    EXPECT_EQ(fullNameFromGecos(",,,"), QString());
    EXPECT_EQ(fullNameFromGecos(""), QString());
}

struct NoEvolutionCase {
    const char* name;
    const char* busAddress; // nullptr: none set
    bool runtimeFolderWithoutBus;
};

void PrintTo(const NoEvolutionCase& c, std::ostream* out) {
    *out << c.name;
}

class NoEvolution : public testing::TestWithParam<NoEvolutionCase> {};

// Where no session bus offers EDS, GNOME's books are simply absent: no bus is started, nothing is waited for.
TEST_P(NoEvolution, GivesNothingWithoutWaiting) {
    const QByteArray savedBus = qgetenv("DBUS_SESSION_BUS_ADDRESS");
    const QByteArray savedRuntime = qgetenv("XDG_RUNTIME_DIR");
    QTemporaryDir runtime;
    if (GetParam().busAddress)
        qputenv("DBUS_SESSION_BUS_ADDRESS", GetParam().busAddress);
    else
        qunsetenv("DBUS_SESSION_BUS_ADDRESS");
    if (GetParam().runtimeFolderWithoutBus)
        qputenv("XDG_RUNTIME_DIR", runtime.path().toUtf8());
    else
        qunsetenv("XDG_RUNTIME_DIR");
    const EvolutionReading reading = EvolutionBooks().read();
    EXPECT_TRUE(reading.contents.contacts.empty());
    EXPECT_TRUE(reading.contents.problems.empty());
    EXPECT_FALSE(reading.self);
    qputenv("DBUS_SESSION_BUS_ADDRESS", savedBus);
    qputenv("XDG_RUNTIME_DIR", savedRuntime);
}

INSTANTIATE_TEST_SUITE_P(Buses, NoEvolution,
                         testing::Values(NoEvolutionCase{"NoBusAtAll", nullptr, false},
                                         NoEvolutionCase{"RuntimeFolderWithoutBus", nullptr, true},
                                         NoEvolutionCase{"BusThatIsNotThere", "unix:path=/nonexistent/bus",
                                                         false}));

} // namespace
