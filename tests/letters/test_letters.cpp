// tavrin-letters end to end: its command line, the letters it lays out (the wizard's own, byte for byte),
// the files it writes and never replaces, and its PDFs as poppler reads them.

#include "builder/form1.h"
#include "builder/lettertexts.h"
#include "envelope/envelopes.h"
#include "letters/batch.h"
#include "letters/letter.h"
#include "letters/newfiles.h"
#include "letters/options.h"
#include "word/engine/docx.h"
#include "word/engine/engine.h"
#include "word/engine/print/pagerenderer.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>

using namespace tavrin;
using namespace tavrin::letters;
using namespace tavrin::envelopes;

namespace {

QStringList args(std::initializer_list<const char*> list) {
    QStringList arguments{QStringLiteral("tavrin-letters")};
    for (const char* a : list)
        arguments << QString::fromUtf8(a);
    return arguments;
}

// --- The command line ---------------------------------------------------------------------------------

struct BadCommandLine {
    const char* name;
    QStringList arguments;
    QString error;
};

void PrintTo(const BadCommandLine& c, std::ostream* out) {
    *out << c.name;
}

class RefusedCommandLine : public testing::TestWithParam<BadCommandLine> {};

TEST_P(RefusedCommandLine, SaysWhatIsWrong) {
    const ParsedCommandLine parsed = parseCommandLine(GetParam().arguments);
    EXPECT_EQ(parsed.outcome, ParsedCommandLine::Outcome::Error);
    EXPECT_EQ(parsed.error, GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    All, RefusedCommandLine,
    testing::Values(
        BadCommandLine{"UnknownOption", args({"--recipients", "a.csv", "--out", "o", "--colour"}),
                       "Unknown option 'colour'."},
        BadCommandLine{"MissingValue", args({"--recipients", "a.csv", "--out"}),
                       "Missing value after '--out'."},
        BadCommandLine{"NoRecipients", args({"--out", "o"}), "Missing --recipients FILE."},
        BadCommandLine{"NoFolder", args({"--recipients", "a.csv"}), "Missing --out FOLDER."},
        BadCommandLine{"Positional", args({"--recipients", "a.csv", "--out", "o", "extra"}),
                       "Unexpected argument 'extra'."},
        BadCommandLine{"UnknownStyle", args({"--recipients", "a", "--out", "o", "--style", "gothic"}),
                       "Unknown style 'gothic'."},
        BadCommandLine{"UnknownAlignment", args({"--recipients", "a", "--out", "o", "--align", "justified"}),
                       "Unknown alignment 'justified'."},
        BadCommandLine{"UnknownEnvelope", args({"--recipients", "a", "--out", "o", "--envelopes", "A4"}),
                       "Unknown envelope size 'A4'."},
        BadCommandLine{"SampleZero", args({"--recipients", "a", "--out", "o", "--sample", "0"}),
                       "--sample takes a number from 1 to 7."},
        BadCommandLine{"SampleEight", args({"--recipients", "a", "--out", "o", "--sample", "8"}),
                       "--sample takes a number from 1 to 7."},
        BadCommandLine{"SampleWord", args({"--recipients", "a", "--out", "o", "--sample", "two"}),
                       "--sample takes a number from 1 to 7."},
        BadCommandLine{"JobsZero", args({"--recipients", "a", "--out", "o", "--jobs", "0"}),
                       "--jobs takes a number from 1 to 256."},
        BadCommandLine{"JobsWord", args({"--recipients", "a", "--out", "o", "--jobs", "all"}),
                       "--jobs takes a number from 1 to 256."},
        BadCommandLine{"TwoContents",
                       args({"--recipients", "a", "--out", "o", "--content", "x", "--sample", "2"}),
                       "Give one of --content, --content-file and --sample."},
        BadCommandLine{"MissingContentFile",
                       args({"--recipients", "a", "--out", "o", "--content-file", "/nonexistent/letter.txt"}),
                       "cannot read /nonexistent/letter.txt: No such file or directory"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CommandLine, TakesEveryOption) {
    const ParsedCommandLine parsed = parseCommandLine(args({"--recipients",
                                                            "book.vcf",
                                                            "--out",
                                                            "Letters",
                                                            "--style",
                                                            "Romantic",
                                                            "--align",
                                                            "right",
                                                            "--salutation",
                                                            "Dear {first},",
                                                            "--sample",
                                                            "3",
                                                            "--conclusion",
                                                            "Bye",
                                                            "--closing",
                                                            "Yours",
                                                            "--name",
                                                            "Ann",
                                                            "--address",
                                                            "1 Road\\nTown",
                                                            "--no-date",
                                                            "--omit-writer",
                                                            "--omit-recipient",
                                                            "--pdf",
                                                            "--envelopes",
                                                            "dl",
                                                            "--jobs",
                                                            "3"}));
    ASSERT_EQ(parsed.outcome, ParsedCommandLine::Outcome::Run) << parsed.error.toStdString();
    LetterOptions expected;
    expected.recipientsFile = QStringLiteral("book.vcf");
    expected.outFolder = QStringLiteral("Letters");
    expected.style = QStringLiteral("romantic");
    expected.align = QStringLiteral("right");
    expected.salutation = QStringLiteral("Dear {first},");
    expected.sample = 3;
    expected.conclusion = QStringLiteral("Bye");
    expected.closing = QStringLiteral("Yours");
    expected.writerName = QStringLiteral("Ann");
    expected.writerAddress = QStringLiteral("1 Road\\nTown");
    expected.noDate = expected.omitWriter = expected.omitRecipient = expected.pdf = true;
    expected.envelopes = QStringLiteral("DL");
    expected.jobs = 3;
    EXPECT_EQ(parsed.options, expected);
}

TEST(CommandLine, HelpAndVersionNeedNothingElse) {
    EXPECT_EQ(parseCommandLine(args({"--help"})).outcome, ParsedCommandLine::Outcome::Help);
    EXPECT_EQ(parseCommandLine(args({"-h"})).outcome, ParsedCommandLine::Outcome::Help);
    EXPECT_EQ(parseCommandLine(args({"--version"})).outcome, ParsedCommandLine::Outcome::Version);
}

TEST(CommandLine, ContentFileIsReadAsUtf8) {
    QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("body.txt")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("Grüße, {first}!\nSee you.");
    file.close();
    const ParsedCommandLine parsed =
        parseCommandLine(args({"--recipients", "a", "--out", "o", "--content-file"}) << file.fileName());
    ASSERT_EQ(parsed.outcome, ParsedCommandLine::Outcome::Run);
    EXPECT_EQ(parsed.options.content, QStringLiteral("Grüße, {first}!\nSee you."));
}

TEST(CommandLine, ContentFileInWindows1252IsReadSoAndSaidSo) {
    QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("body.txt")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("Caf\xE9 cr\xE8me");
    file.close();
    const ParsedCommandLine parsed =
        parseCommandLine(args({"--recipients", "a", "--out", "o", "--content-file"}) << file.fileName());
    ASSERT_EQ(parsed.outcome, ParsedCommandLine::Outcome::Run);
    EXPECT_EQ(parsed.options.content, QStringLiteral("Café crème"));
    EXPECT_EQ(parsed.options.notes, QStringList{file.fileName() + ": not UTF-8, read as Windows-1252"});
}

TEST(CommandLine, ContentFileFromADeviceWithoutEndIsRefused) {
    const ParsedCommandLine parsed =
        parseCommandLine(args({"--recipients", "a", "--out", "o", "--content-file", "/dev/zero"}));
    ASSERT_EQ(parsed.outcome, ParsedCommandLine::Outcome::Error);
    EXPECT_EQ(parsed.error, QStringLiteral("/dev/zero is too large for a letter"));
}

TEST(Texts, RecipientsBackslashNIsNoLineBreak) {
    LetterOptions options;
    options.content = QStringLiteral("To {name}\\nwith thanks");
    const Recipient recipient{QStringLiteral("C:\\new\\Dominique"), {}, {}, 2};
    EXPECT_EQ(choicesFor(options, recipient).text1, QStringLiteral("To C:\\new\\Dominique\r\nwith thanks"));
}

// --- Texts --------------------------------------------------------------------------------------------

struct TextCase {
    const char* name;
    QString text;
    Recipient recipient;
    QString expected;
};

void PrintTo(const TextCase& c, std::ostream* out) {
    *out << c.name;
}

class Personalising : public testing::TestWithParam<TextCase> {};

TEST_P(Personalising, PutsTheRecipientInAndBreaksLines) {
    EXPECT_EQ(withLineBreaks(personalised(GetParam().text, GetParam().recipient)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    All, Personalising,
    testing::Values(
        TextCase{"NameAndFirst",
                 "Dear {first} ({name})",
                 {"Ada Lovelace", "Ada", {}, 1},
                 "Dear Ada (Ada Lovelace)"},
        TextCase{"FirstFallsBackToFullName", "Dear {first},", {"Dr Who", "", {}, 1}, "Dear Dr Who,"},
        TextCase{
            "MarksInNamesStay", "{name}/{first}", {"{first} Jones", "{name}", {}, 1}, "{first} Jones/{name}"},
        TextCase{"UnknownMarksStay", "{Name} {surname}", {"A", "", {}, 1}, "{Name} {surname}"},
        TextCase{"EscapedAndRealLineBreaks",
                 "1 Road\\nTown\nCounty\r\nLand",
                 {"A", "", {}, 1},
                 "1 Road\r\nTown\r\nCounty\r\nLand"}),
    [](const auto& info) { return std::string(info.param.name); });

// --- The wizard's letter, byte for byte -----------------------------------------------------------------

class NoUserInterface : public UserInterface {
public:
    void messageBox(const QString&) override {}
    void resetMousePointer() override {}
};

// What the wizard's Finish writes for these choices.
QByteArray wizardLetter(const WizardChoices& choices) {
    QTemporaryDir programDirectory;
    word::engine::Engine engine;
    MBas mBas;
    NoUserInterface ui;
    Form1 form({engine, mBas, ui, programDirectory.path()});
    form.Command1_Click();
    mBas.alignment = 0;
    form.Sapolnenie(choices);
    return word::engine::docxBytes(word::engine::modelOf(engine.Global()->ActiveDocument()));
}

struct SameLetter {
    const char* name;
    QString style, align;
    int sample;
};

void PrintTo(const SameLetter& c, std::ostream* out) {
    *out << c.name;
}

class WizardEquality : public testing::TestWithParam<SameLetter> {};

TEST_P(WizardEquality, LetterIsTheWizardsByteForByte) {
    const Recipient recipient{QStringLiteral("Ada Lovelace"),
                              QStringLiteral("Ada"),
                              {QStringLiteral("12 Elm Street"), QStringLiteral("London")},
                              2};
    LetterOptions options;
    options.style = GetParam().style;
    options.align = GetParam().align;
    options.sample = GetParam().sample;
    if (options.sample == 0)
        options.content = QStringLiteral("Thank you, {first}.\nWe loved every minute.");
    options.writerName = QStringLiteral("Charles Babbage");
    options.writerAddress = QStringLiteral("1 Dorset Street\\nMarylebone");

    // The wizard's boxes as a user fills them for the same letter.
    WizardChoices typed;
    typed.optAlignCenter = options.align == u"centered";
    typed.optAlignLeft = options.align == u"left";
    typed.optAlignRight = options.align == u"right";
    typed.recNameText = QStringLiteral("Ada Lovelace");
    typed.recAddressText = QStringLiteral("12 Elm Street\r\nLondon");
    typed.contentCombo = options.sample == 0 ? -1 : options.sample;
    typed.text1 = options.sample == 0 ? QStringLiteral("Thank you, Ada.\r\nWe loved every minute.")
                                      : texts::sampleParagraphs().at(options.sample);
    typed.nameText = QStringLiteral("Charles Babbage");
    typed.addressText = QStringLiteral("1 Dorset Street\r\nMarylebone");
    typed.optSimple = options.style == u"simple";
    typed.optClassic = options.style == u"classic";
    typed.optDark = options.style == u"dark";
    typed.optRomantic = options.style == u"romantic";
    typed.optElegant = options.style == u"elegant";
    typed.optModern = options.style == u"modernistic";

    EXPECT_EQ(choicesFor(options, recipient), typed);
    const QByteArray ours = word::engine::docxBytes(layOutLetter(options, recipient));
    EXPECT_EQ(ours, wizardLetter(typed));
}

INSTANTIATE_TEST_SUITE_P(All, WizardEquality,
                         testing::Values(SameLetter{"SimpleCentered", "simple", "centered", 0},
                                         SameLetter{"ClassicLeft", "classic", "left", 0},
                                         SameLetter{"DarkRight", "dark", "right", 2},
                                         SameLetter{"RomanticCentered", "romantic", "centered", 5},
                                         SameLetter{"ElegantLeft", "elegant", "left", 0},
                                         SameLetter{"ModernisticRight", "modernistic", "right", 7}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(WizardEquality, OmittedPartsAreTheWizardsUntouchedOnes) {
    const Recipient recipient{QStringLiteral("Bo"), {}, {}, 2};
    WizardChoices untouched;
    untouched.recNameText = QStringLiteral("Bo");
    EXPECT_EQ(word::engine::docxBytes(layOutLetter(LetterOptions{}, recipient)), wizardLetter(untouched));
}

// --- Running a batch ----------------------------------------------------------------------------------

struct Captured {
    QStringList written, messages;
    BatchOutput output() {
        return {[this](const QString& line) { written << line; },
                [this](const QString& line) { messages << line; },
                {}};
    }
};

class Batch : public testing::Test {
protected:
    QString writeRecipients(const QByteArray& contents, const QString& name = QStringLiteral("book.csv")) {
        QFile file(home_.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(contents);
        return file.fileName();
    }
    LetterOptions options(const QString& recipients) {
        LetterOptions o;
        o.recipientsFile = recipients;
        o.outFolder = home_.filePath(QStringLiteral("Letters/2024"));
        return o;
    }
    QStringList letters() const {
        return QDir(home_.filePath(QStringLiteral("Letters/2024")))
            .entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }
    QTemporaryDir home_;
};

TEST_F(Batch, CollidingNamesAndSlashesGetFilesOfTheirOwn) {
    Captured captured;
    const LetterOptions o =
        options(writeRecipients("name,address\nAnn Lee,A\nAnn Lee,B\nAC/DC,C\n../../etc,D\n"));
    EXPECT_EQ(runBatch(o, captured.output()), 0);
    EXPECT_EQ(letters(), (QStringList{"AC_DC.docx", "Ann Lee (2).docx", "Ann Lee.docx", "_.._etc.docx"}));
    EXPECT_EQ(captured.written, (QStringList{o.outFolder + "/Ann Lee.docx", o.outFolder + "/Ann Lee (2).docx",
                                             o.outFolder + "/AC_DC.docx", o.outFolder + "/_.._etc.docx"}));
    EXPECT_EQ(captured.messages, QStringList{"4 letter(s) written to " + o.outFolder + "."});
}

TEST_F(Batch, SecondRunNeverReplacesALetter) {
    const QString recipients = writeRecipients("name,address\nAnn Lee,A\n");
    Captured first, second;
    LetterOptions o = options(recipients);
    ASSERT_EQ(runBatch(o, first.output()), 0);
    QFile original(first.written.front());
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    const QByteArray before = original.readAll();
    original.close();
    o.content = QStringLiteral("Another letter.");
    ASSERT_EQ(runBatch(o, second.output()), 0);
    EXPECT_EQ(letters(), (QStringList{"Ann Lee (2).docx", "Ann Lee.docx"}));
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    EXPECT_EQ(original.readAll(), before);
}

TEST_F(Batch, LinkPlantedAtALettersNameIsNotFollowed) {
    const QString target = home_.filePath(QStringLiteral("precious.txt"));
    QFile precious(target);
    ASSERT_TRUE(precious.open(QIODevice::WriteOnly));
    precious.write("keep me");
    precious.close();
    ASSERT_TRUE(QDir().mkpath(home_.filePath(QStringLiteral("Letters/2024"))));
    ASSERT_TRUE(QFile::link(target, home_.filePath(QStringLiteral("Letters/2024/Ann Lee.docx"))));
    Captured captured;
    ASSERT_EQ(runBatch(options(writeRecipients("name\nAnn Lee\n")), captured.output()), 0);
    ASSERT_TRUE(precious.open(QIODevice::ReadOnly));
    EXPECT_EQ(precious.readAll(), QByteArray("keep me"));
    EXPECT_EQ(letters(), (QStringList{"Ann Lee (2).docx", "Ann Lee.docx"}));
}

struct Malformed {
    const char* name;
    QByteArray contents;
    const char* fileName;
    QString message; // after the file's path
};

void PrintTo(const Malformed& c, std::ostream* out) {
    *out << c.name;
}

class MalformedBatch : public Batch, public testing::WithParamInterface<Malformed> {};

TEST_P(MalformedBatch, WritesNothingAndExitsWithTwo) {
    Captured captured;
    LetterOptions o = options(writeRecipients(GetParam().contents, QString::fromUtf8(GetParam().fileName)));
    o.pdf = true;
    o.envelopes = QStringLiteral("DL");
    EXPECT_EQ(runBatch(o, captured.output()), 2);
    EXPECT_FALSE(QFileInfo::exists(o.outFolder));
    EXPECT_EQ(captured.written, QStringList());
    EXPECT_EQ(captured.messages, QStringList{o.recipientsFile + GetParam().message});
}

INSTANTIATE_TEST_SUITE_P(All, MalformedBatch,
                         testing::Values(Malformed{"UnclosedQuote", "name,address\nAnn,A\n\"Bo,B\n", "a.csv",
                                                   ": line 3: a quoted field is never closed"},
                                         Malformed{"VCardWithoutEnd", "BEGIN:VCARD\nVERSION:3.0\nFN:Ann\n",
                                                   "c.vcf", ": line 1: a vCard without END:VCARD"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Batch, RecordWithoutNameIsSkippedAndTheOthersWritten) {
    Captured captured;
    const LetterOptions o = options(writeRecipients("name,address\nAnn,A\n,\"No\nName\"\nBo,B\n"));
    EXPECT_EQ(runBatch(o, captured.output()), 1);
    EXPECT_EQ(letters(), (QStringList{"Ann.docx", "Bo.docx"}));
    EXPECT_EQ(captured.messages,
              (QStringList{o.recipientsFile + ": line 3: a recipient without a name, left out",
                           "2 letter(s) written to " + o.outFolder + "; 1 recipient(s) left out."}));
}

TEST_F(Batch, Windows1252FileIsReadAndSaidSoInOneLine) {
    Captured captured;
    const LetterOptions o = options(writeRecipients("name,address\nJos\xE9,K\xF6ln\n"));
    EXPECT_EQ(runBatch(o, captured.output()), 0);
    EXPECT_EQ(letters(), QStringList{"José.docx"});
    EXPECT_EQ(captured.messages, (QStringList{o.recipientsFile + ": not UTF-8, read as Windows-1252",
                                              "1 letter(s) written to " + o.outFolder + "."}));
}

TEST_F(Batch, AddressColumnsWithoutAnAddressAreReportedAndExitOne) {
    Captured captured;
    const LetterOptions o = options(writeRecipients("Name,Street,City\nAnn,1 Road,Town\nBo,,\n"));
    EXPECT_EQ(runBatch(o, captured.output()), 1);
    EXPECT_EQ(letters(), (QStringList{"Ann.docx", "Bo.docx"}));
    EXPECT_EQ(captured.messages,
              (QStringList{o.recipientsFile + ": line 3: no address in the address columns",
                           "2 letter(s) written to " + o.outFolder + "."}));
}

TEST_F(Batch, DeviceWithoutEndIsRefusedAsTooLarge) {
    Captured captured;
    LetterOptions o = options(QStringLiteral("/dev/zero"));
    EXPECT_EQ(runBatch(o, captured.output()), 2);
    EXPECT_EQ(captured.messages, QStringList{"/dev/zero is too large for an address book (over 64 MB)"});
}

TEST_F(Batch, FileNameWithPlaceholdersIsQuotedAsItIs) {
    Captured captured;
    LetterOptions o = options(writeRecipients("name\n\"Ann\n", QStringLiteral("%1 %2.csv")));
    EXPECT_EQ(runBatch(o, captured.output()), 2);
    EXPECT_EQ(captured.messages, QStringList{o.recipientsFile + ": line 2: a quoted field is never closed"});
}

TEST_F(Batch, NoLetterMeansNoEmptyPdfs) {
    Captured captured;
    LetterOptions o = options(writeRecipients("name,address\n,A\n"));
    o.pdf = true;
    o.envelopes = QStringLiteral("C5");
    EXPECT_EQ(runBatch(o, captured.output()), 1);
    EXPECT_EQ(letters(), QStringList());
    EXPECT_EQ(captured.written, QStringList());
}

TEST_F(Batch, UnwritableFolderIsReportedWithExitTwo) {
    QFile blocker(home_.filePath(QStringLiteral("Letters")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    Captured captured;
    EXPECT_EQ(runBatch(options(writeRecipients("name\nAnn\n")), captured.output()), 2);
    EXPECT_EQ(captured.written, QStringList());
}

// --- PDFs, as poppler reads them -------------------------------------------------------------------------

QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(60000)) << program.toStdString();
    EXPECT_EQ(process.exitCode(), 0) << program.toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

int pdfPages(const QString& pdf) {
    return QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)"))
        .match(run(QStringLiteral("pdfinfo"), {pdf}))
        .captured(1)
        .toInt();
}

QSizeF pdfPageSize(const QString& pdf) {
    const auto match = QRegularExpression(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+) pts"))
                           .match(run(QStringLiteral("pdfinfo"), {pdf}));
    return {match.captured(1).toDouble(), match.captured(2).toDouble()};
}

// Where each word of the first page stands: its top-left corner, in points.
QMultiHash<QString, QPointF> wordPositions(const QString& pdf) {
    QMultiHash<QString, QPointF> words;
    QXmlStreamReader xml(run(QStringLiteral("pdftotext"),
                             {QStringLiteral("-bbox"), QStringLiteral("-f"), QStringLiteral("1"),
                              QStringLiteral("-l"), QStringLiteral("1"), pdf, QStringLiteral("-")}));
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (xml.isStartElement() && xml.name() == u"word") {
            const QPointF at(xml.attributes().value(QStringLiteral("xMin")).toDouble(),
                             xml.attributes().value(QStringLiteral("yMin")).toDouble());
            words.insert(xml.readElementText(), at);
        } else {
            xml.readNext();
        }
    }
    return words;
}

bool havePoppler() {
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}

struct EnvelopeCase {
    const char* name;
    QString size;
    QSizeF points;
};

void PrintTo(const EnvelopeCase& c, std::ostream* out) {
    *out << c.name;
}

class Envelopes : public Batch, public testing::WithParamInterface<EnvelopeCase> {};

TEST_P(Envelopes, AreLandscapeWithTheWriterTopLeftAndTheRecipientLowerRight) {
    if (!havePoppler())
        GTEST_SKIP() << "poppler-utils is not installed";
    Captured captured;
    LetterOptions o =
        options(writeRecipients("name,address\nZed Recipient,\"9 Far Road\nDistantville\"\nYan,Y\n"));
    o.style = QStringLiteral("classic");
    o.envelopes = GetParam().size;
    o.writerName = QStringLiteral("Wanda Writer");
    o.writerAddress = QStringLiteral("1 Near Lane\\nHometown");
    ASSERT_EQ(runBatch(o, captured.output()), 0);
    const QString pdf = o.outFolder + QStringLiteral("/envelopes.pdf");
    ASSERT_TRUE(captured.written.contains(pdf));

    EXPECT_EQ(pdfPages(pdf), 2);
    const QSizeF size = pdfPageSize(pdf);
    EXPECT_NEAR(size.width(), GetParam().points.width(), 1.0);
    EXPECT_NEAR(size.height(), GetParam().points.height(), 1.0);

    const auto words = wordPositions(pdf);
    for (const char* writerWord : {"Wanda", "Hometown"}) {
        ASSERT_TRUE(words.contains(writerWord)) << writerWord;
        EXPECT_LT(words.value(writerWord).x(), size.width() / 4) << writerWord;
        EXPECT_LT(words.value(writerWord).y(), size.height() / 3) << writerWord;
    }
    for (const char* recipientWord : {"Zed", "Far", "Distantville"}) {
        ASSERT_TRUE(words.contains(recipientWord)) << recipientWord;
        EXPECT_GE(words.value(recipientWord).x(), size.width() / 2 - 1) << recipientWord;
        EXPECT_GE(words.value(recipientWord).y(), size.height() / 2 - 1) << recipientWord;
        EXPECT_LT(words.value(recipientWord).y(), size.height()) << recipientWord;
    }
}

INSTANTIATE_TEST_SUITE_P(All, Envelopes,
                         testing::Values(EnvelopeCase{"DL", "DL", {623.6, 311.8}},
                                         EnvelopeCase{"C4", "C4", {918.4, 649.1}},
                                         EnvelopeCase{"C5", "C5", {649.1, 459.2}},
                                         EnvelopeCase{"C6", "C6", {459.2, 323.1}},
                                         EnvelopeCase{"US10", "10", {684, 297}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(EnvelopeFace, IsTheFaceTheStyleWritesTheRecipientIn) {
    const Recipient recipient{QStringLiteral("Ada Lovelace"), {}, {}, 1};
    for (const QString& style : styleNames()) {
        LetterOptions o;
        o.style = style;
        const word::engine::DocumentModel letter = layOutLetter(o, recipient);
        QString face;
        const auto lookIn = [&](const std::vector<word::engine::Paragraph>& paragraphs) {
            for (const auto& paragraph : paragraphs)
                for (const auto& item : paragraph.content)
                    if (const auto* run = std::get_if<word::engine::TextRun>(&item);
                        run && run->text.contains(recipient.fullName))
                        face = run->format.fontName;
        };
        for (const auto& block : letter.body) {
            if (const auto* paragraph = std::get_if<word::engine::Paragraph>(&block))
                lookIn({*paragraph});
            else
                for (const auto& row : std::get<word::engine::Table>(block).rows)
                    for (const auto& cell : row)
                        lookIn(cell.paragraphs);
        }
        EXPECT_EQ(envelopeFace(style), face) << style.toStdString();
    }
}

TEST_F(Batch, LettersPdfHoldsEveryLetterFromANewPage) {
    if (!havePoppler())
        GTEST_SKIP() << "poppler-utils is not installed";
    Captured captured;
    LetterOptions o =
        options(writeRecipients("name,address,first name\nAnn Lee,A,Ann\nBo Bell,B,Bo\nCy Cole,C,Cy\n"));
    o.style = QStringLiteral("elegant");
    o.pdf = true;
    o.salutation = QStringLiteral("Dear {first},");
    o.content = QString(QStringLiteral("A long paragraph that runs on. ")).repeated(200);
    ASSERT_EQ(runBatch(o, captured.output()), 0);
    const QString pdf = o.outFolder + QStringLiteral("/letters.pdf");
    ASSERT_TRUE(captured.written.contains(pdf));

    int expectedPages = 0;
    for (const char* name : {"Ann Lee", "Bo Bell", "Cy Cole"})
        expectedPages += word::engine::print::PageRenderer(word::engine::openDocx(o.outFolder + u'/' +
                                                                                  QString::fromUtf8(name) +
                                                                                  QStringLiteral(".docx")))
                             .pageCount();
    EXPECT_GT(expectedPages, 3);
    EXPECT_EQ(pdfPages(pdf), expectedPages);

    const QString text = run(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    const qsizetype ann = text.indexOf(QStringLiteral("Dear Ann,"));
    const qsizetype bo = text.indexOf(QStringLiteral("Dear Bo,"));
    const qsizetype cy = text.indexOf(QStringLiteral("Dear Cy,"));
    EXPECT_TRUE(ann >= 0 && bo > ann && cy > bo) << text.left(400).toStdString();
    // Each letter starts on a page of its own: the form feed before each salutation's page.
    const QStringList pages = text.split(u'\f');
    int startingPages = 0;
    for (const QString& page : pages)
        startingPages += page.contains(QStringLiteral("Dear ")) ? 1 : 0;
    EXPECT_EQ(startingPages, 3);
}

// --- The program itself -----------------------------------------------------------------------------------

struct ProgramRun {
    int exitCode;
    QString out, err;
};

ProgramRun runProgram(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(TAVRIN_LETTERS_EXECUTABLE), arguments);
    EXPECT_TRUE(process.waitForFinished(60000));
    return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardOutput()),
            QString::fromLocal8Bit(process.readAllStandardError())};
}

TEST(Program, UsageErrorsExitWithTwoAndPrintTheUsage) {
    for (const QStringList& arguments :
         {QStringList{QStringLiteral("--bogus")}, QStringList{QStringLiteral("--out")}, QStringList{}}) {
        const ProgramRun run = runProgram(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.join(u' ').toStdString();
        EXPECT_TRUE(run.err.contains(QStringLiteral("Usage: tavrin-letters"))) << run.err.toStdString();
        EXPECT_EQ(run.out, QString());
    }
}

TEST(Program, HelpAndVersionExitWithZero) {
    EXPECT_TRUE(
        runProgram({QStringLiteral("--help")}).out.startsWith(QStringLiteral("Usage: tavrin-letters")));
    const ProgramRun version = runProgram({QStringLiteral("--version")});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_TRUE(version.out.startsWith(QStringLiteral("tavrin-letters "))) << version.out.toStdString();
}

// Qt's own application takes some options (--style among them) unless the program reads them first.
TEST(Program, EveryOptionReachesTheLetter) {
    QTemporaryDir home;
    QFile book(home.filePath(QStringLiteral("book.vcf")));
    ASSERT_TRUE(book.open(QIODevice::WriteOnly));
    book.write("BEGIN:VCARD\r\nVERSION:3.0\r\nN:Lee;Ann;;;\r\nFN:Ann Lee\r\nEND:VCARD\r\n");
    book.close();
    const QString folder = home.filePath(QStringLiteral("out"));
    const ProgramRun run =
        runProgram({QStringLiteral("--recipients"), book.fileName(), QStringLiteral("--out"), folder,
                    QStringLiteral("--style"), QStringLiteral("classic"), QStringLiteral("--name"),
                    QStringLiteral("Wanda"), QStringLiteral("--salutation"), QStringLiteral("Hi {first},")});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, folder + QStringLiteral("/Ann Lee.docx\n"));
    const QByteArray document =
        word::engine::docxBytes(word::engine::openDocx(folder + QStringLiteral("/Ann Lee.docx")));
    LetterOptions expected;
    expected.style = QStringLiteral("classic");
    expected.writerName = QStringLiteral("Wanda");
    expected.salutation = QStringLiteral("Hi {first},");
    EXPECT_EQ(document, word::engine::docxBytes(word::engine::docxStoredForm(layOutLetter(
                            expected, {QStringLiteral("Ann Lee"), QStringLiteral("Ann"), {}, 1}))));
}

} // namespace
