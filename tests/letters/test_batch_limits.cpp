// tavrin-letters at its limits: names and addresses of any length, envelopes that must stay one page,
// PDFs that store each picture once, temporary files, signals, folders it cannot write to, several workers
// and a terminal.

#include "envelope/envelopes.h"
#include "letters/batch.h"
#include "letters/letter.h"
#include "letters/newfiles.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <csignal>
#include <functional>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using namespace tavrin::letters;
using namespace tavrin::envelopes;

namespace {

// --- File names ---------------------------------------------------------------------------------------

// A name of `count` times `repeated` between `head` and `tail`, made only when its test runs.
struct NameCase {
    const char* name;
    QString head;
    QString repeated;
    int count;
    QString tail;
    QString expected;

    QString personName() const { return head + repeated.repeated(count) + tail; }
};

void PrintTo(const NameCase& c, std::ostream* out) {
    *out << c.name;
}

class FileNames : public testing::TestWithParam<NameCase> {};

TEST_P(FileNames, AreSafeAndShortEnough) {
    const QString baseName = fileBaseName(GetParam().personName());
    EXPECT_EQ(baseName, GetParam().expected);
    EXPECT_LE(baseName.toUtf8().size(), 200);
}

const QString Emoji = QStringLiteral("\U0001F339"); // four bytes of UTF-8, two UTF-16 units

INSTANTIATE_TEST_SUITE_P(
    All, FileNames,
    testing::Values(
        NameCase{"Plain", "Ann Lee", {}, 0, {}, "Ann Lee"},
        NameCase{"ForbiddenCharacters", "AC/DC: \"Live\"?\t*<>|\\", {}, 0, {}, "AC_DC_ _Live________"},
        NameCase{"LeadingAndTrailingDotsAndSpaces", " ..Ann. . ", {}, 0, {}, "Ann"},
        NameCase{"NothingLeft", " . . ", {}, 0, {}, "Letter"},
        NameCase{"DotsBeforeASlashStay", "../../etc", {}, 0, {}, "_.._etc"},
        NameCase{"HugeAscii", {}, "a", 10'000'000, {}, QString(200, u'a')},
        NameCase{"HugeTwoByte", {}, "é", 5'000'000, {}, QString(100, u'é')},
        NameCase{"HugeThreeByte", {}, "€", 3'000'000, {}, QString(66, u'€')},
        NameCase{"HugePairsNeverSplit", "a", Emoji, 2'000'000, {}, u'a' + Emoji.repeated(49)},
        NameCase{"HugeDotsThenName", {}, ".", 10'000'000, "Ann", "Ann"},
        NameCase{"CutBeforeTrailingSpaces", QString(199, u'a'), " ", 1'000'000, "b", QString(199, u'a')}),
    [](const auto& info) { return std::string(info.param.name); });

// --- PDFs, as poppler reads them -------------------------------------------------------------------------

bool havePoppler() {
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}

QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(120000)) << program.toStdString();
    EXPECT_EQ(process.exitCode(), 0) << program.toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString savedPdf(const QTemporaryDir& folder, const QByteArray& bytes) {
    QFile file(folder.filePath(QStringLiteral("out.pdf")));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return file.fileName();
}

int pdfPages(const QString& pdf) {
    return QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)"))
        .match(run(QStringLiteral("pdfinfo"), {pdf}))
        .captured(1)
        .toInt();
}

// --- Envelopes
// ----------------------------------------------------------------------------------------------

struct EnvelopeCase {
    const char* name;
    QString size;
    QStringList address;
    bool shortened;
    QStringList onTheEnvelope; // lines that stay, whatever goes
    // Made only when the case runs: the recipient's name, the writer's name.
    std::function<QString()> recipient = [] { return QStringLiteral("Zed Long"); };
    std::function<QString()> writer = [] { return QStringLiteral("Wanda Writer"); };
    bool nameShortened = false;
};

void PrintTo(const EnvelopeCase& c, std::ostream* out) {
    *out << c.name;
}

QStringList numberedLines(int count) {
    QStringList lines;
    for (int index = 1; index <= count; ++index)
        lines << QStringLiteral("Line%1").arg(index);
    return lines;
}

class LongAddresses : public testing::TestWithParam<EnvelopeCase> {};

// Each recipient's envelope is one page, and the one after it is the next recipient's.
TEST_P(LongAddresses, StayOnOneEnvelope) {
    if (!havePoppler())
        GTEST_SKIP() << "poppler-utils is not installed";
    QTemporaryDir home;
    QFile book(home.filePath(QStringLiteral("book.csv")));
    ASSERT_TRUE(book.open(QIODevice::WriteOnly));
    const QString recipient = GetParam().recipient();
    book.write(QStringLiteral("name,address\n%1,\"%2\"\nYan Short,Y Road\n")
                   .arg(recipient, GetParam().address.join(u'\n'))
                   .toUtf8());
    book.close();
    LetterOptions options;
    options.recipientsFile = book.fileName();
    options.outFolder = home.filePath(QStringLiteral("out"));
    options.envelopes = GetParam().size;
    options.writerName = GetParam().writer();
    options.writerAddress = QStringLiteral("1 Near Lane\\nHometown");
    QStringList messages;
    const BatchOutput output{[](const QString&) {}, [&](const QString& line) { messages << line; }, {}};

    const bool shortened = GetParam().shortened || GetParam().nameShortened;
    EXPECT_EQ(runBatch(options, output), shortened ? 1 : 0);
    const QString pdf = options.outFolder + QStringLiteral("/envelopes.pdf");
    EXPECT_EQ(pdfPages(pdf), 2);
    const QString to = QStringLiteral("The envelope to ") + recipient;
    EXPECT_EQ(messages.filter(to + QStringLiteral(" has room for part of the address only")).size(),
              GetParam().shortened ? 1 : 0)
        << messages.join(u'\n').toStdString();
    EXPECT_EQ(messages.filter(to + QStringLiteral(" has room for part of the name only")).size(),
              GetParam().nameShortened ? 1 : 0);
    const QStringList pages = run(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")}).split(u'\f');
    ASSERT_GE(pages.size(), 2);
    for (const QString& stays : GetParam().onTheEnvelope)
        EXPECT_TRUE(pages[0].contains(stays)) << stays.toStdString();
    EXPECT_TRUE(pages[1].contains(QStringLiteral("Yan Short")));
}

INSTANTIATE_TEST_SUITE_P(All, LongAddresses,
                         testing::Values(EnvelopeCase{"EightLinesInASmallerFace", "DL", numberedLines(8),
                                                      false, QStringList{"Zed Long"} + numberedLines(8)},
                                         EnvelopeCase{"ElevenLinesOnC6", "C6", numberedLines(11), false,
                                                      QStringList{"Zed Long"} + numberedLines(11)},
                                         EnvelopeCase{"ThirtyLinesKeepTheNameAndTheLastTwo",
                                                      "DL",
                                                      numberedLines(30),
                                                      true,
                                                      {"Zed Long", "Line1", "Line29", "Line30"}},
                                         EnvelopeCase{"LinesThatWrap",
                                                      "10",
                                                      {QStringLiteral("word ").repeated(300), "Town"},
                                                      true,
                                                      {"Zed Long", "Town"}},
                                         // A name of one word as long as a name may be: cut to one line.
                                         EnvelopeCase{"ANameOfOneHugeWord",
                                                      "DL",
                                                      {"1 Road", "Town"},
                                                      false,
                                                      {"NNNNNNNNNN", "1 Road", "Town"},
                                                      [] { return QString(1000, u'N'); },
                                                      [] { return QStringLiteral("Wanda Writer"); },
                                                      true},
                                         // The writer's line of one huge word: cut to one line, quickly.
                                         EnvelopeCase{"AWriterOfOneHugeWord",
                                                      "C6",
                                                      {"1 Road", "Town"},
                                                      false,
                                                      {"Zed Long", "1 Road", "Town", "WWWWWWWWWW"},
                                                      [] { return QStringLiteral("Zed Long"); },
                                                      [] { return QString(100'000, u'W'); }}),
                         [](const auto& info) { return std::string(info.param.name); });

// --- Pictures stored once
// ------------------------------------------------------------------------------------

// Every page of a Romantic letter shows the rose and the ornament strip twice; the PDF stores each picture
// once and every page refers to it.
TEST(LettersPdf, StoresEachPictureOnce) {
    if (!havePoppler())
        GTEST_SKIP() << "poppler-utils is not installed";
    QTemporaryDir home;
    QFile book(home.filePath(QStringLiteral("book.csv")));
    ASSERT_TRUE(book.open(QIODevice::WriteOnly));
    book.write("name,address\nAnn Lee,A Road\nBo Bell,B Road\nCy Cole,C Road\n");
    book.close();
    LetterOptions options;
    options.recipientsFile = book.fileName();
    options.outFolder = home.filePath(QStringLiteral("out"));
    options.style = QStringLiteral("romantic");
    options.pdf = true;
    ASSERT_EQ(runBatch(options, {[](const QString&) {}, [](const QString&) {}, {}}), 0);

    // pdfimages -list: two heading lines, then one row per picture drawn, its object number in column 11.
    const QStringList rows =
        run(QStringLiteral("pdfimages"),
            {QStringLiteral("-list"), options.outFolder + QStringLiteral("/letters.pdf")})
            .split(u'\n', Qt::SkipEmptyParts)
            .mid(2);
    QSet<QString> objects, pages;
    for (const QString& row : rows) {
        const QStringList columns = row.simplified().split(u' ');
        ASSERT_GT(columns.size(), 11) << row.toStdString();
        pages << columns[0];
        objects << columns[10];
    }
    EXPECT_EQ(pages.size(), 3);
    EXPECT_EQ(rows.size(), 9);
    EXPECT_EQ(objects.size(), 2) << rows.join(u'\n').toStdString();
}

// --- Text of any length --------------------------------------------------------------------------------

// A word far longer than a line is broken anywhere, line after line, in time that grows with its length:
// every character is printed, each full line holds as many as the first, and nothing the layout adds to
// bound its work reaches the page.
TEST(LongText, AnAddressOfOneHugeWordLaysOutWhole) {
    if (!havePoppler())
        GTEST_SKIP() << "poppler-utils is not installed";
    constexpr int Length = 200'000;
    const Recipient recipient{QStringLiteral("Ann Lee"), {}, {QString(Length, u'x')}, 1};
    QTemporaryDir folder;
    const word::engine::DocumentModel letter = layOutLetter(LetterOptions{}, recipient);
    const QString pdf = savedPdf(folder, documentsPdf({&letter}));

    const QString text = run(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    EXPECT_EQ(text.count(u'x'), Length);
    EXPECT_FALSE(text.contains(QChar(0x200B)));
    QList<qsizetype> lineLengths;
    for (const QString& line : text.split(u'\n'))
        if (line.startsWith(u'x'))
            lineLengths << line.size();
    ASSERT_GT(lineLengths.size(), 1000);
    for (qsizetype index = 1; index + 1 < lineLengths.size(); ++index)
        ASSERT_EQ(lineLengths[index], lineLengths.front()) << "line " << index;
}

// --- The program's files -----------------------------------------------------------------------------------

QString addressBook(const QTemporaryDir& home, int recipients) {
    QFile file(home.filePath(QStringLiteral("book.csv")));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("name,address\n");
    for (int index = 0; index < recipients; ++index)
        file.write(QStringLiteral("Person %1,\"%1 Long Road\nTown\"\n").arg(index).toUtf8());
    return file.fileName();
}

// The program with its own temporary folder, so that what it leaves there can be seen.
class Program : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(QDir().mkpath(temporary()));
        process_.setProcessEnvironment(environment(temporary()));
    }
    QProcessEnvironment environment(const QString& temporaryFolder) const {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("TMPDIR"), temporaryFolder);
        return environment;
    }
    QString temporary() const { return home_.filePath(QStringLiteral("tmp")); }
    QString out() const { return home_.filePath(QStringLiteral("out")); }
    QStringList arguments(int recipients, const QString& folder) const {
        return {QStringLiteral("--recipients"), addressBook(home_, recipients),
                QStringLiteral("--out"),        folder,
                QStringLiteral("--style"),      QStringLiteral("romantic")};
    }
    int run(const QStringList& arguments) {
        process_.start(QStringLiteral(TAVRIN_LETTERS_EXECUTABLE), arguments);
        EXPECT_TRUE(process_.waitForFinished(120000));
        return process_.exitCode();
    }
    QStringList leftIn(const QString& folder) const {
        return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    }

    QTemporaryDir home_;
    QProcess process_;
};

class Interrupted : public Program, public testing::WithParamInterface<int> {};

TEST_P(Interrupted, RemovesItsScratchAndUnfinishedFilesAndEndsWithTheSignal) {
    QStringList options = arguments(5000, out());
    options << QStringLiteral("--pdf");
    process_.start(QStringLiteral(TAVRIN_LETTERS_EXECUTABLE), options);
    // The first letter written: the scratch folder exists and letters are being written.
    ASSERT_TRUE(process_.waitForReadyRead(60000));
    ::kill(pid_t(process_.processId()), GetParam());
    ASSERT_TRUE(process_.waitForFinished(60000));
    EXPECT_EQ(process_.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process_.exitCode(), 128 + GetParam());
    EXPECT_EQ(leftIn(temporary()).filter(QStringLiteral("tavrin")), QStringList());
    const QStringList written = leftIn(out());
    EXPECT_EQ(written.filter(QStringLiteral(".tmp")), QStringList());
    EXPECT_FALSE(written.isEmpty());
    EXPECT_LT(written.size(), 5000);
}

INSTANTIATE_TEST_SUITE_P(All, Interrupted, testing::Values(SIGINT, SIGTERM),
                         [](const auto& info) { return info.param == SIGINT ? "SIGINT" : "SIGTERM"; });

// TMPDIR naming a folder that does not exist: the pictures still reach the letter, by way of /tmp.
TEST_F(Program, WithoutItsTemporaryFolderWritesTheSameLetters) {
    ASSERT_EQ(run(arguments(1, out())), 0);
    process_.setProcessEnvironment(environment(home_.filePath(QStringLiteral("nowhere"))));
    const QString second = home_.filePath(QStringLiteral("second"));
    ASSERT_EQ(run(arguments(1, second)), 0) << process_.readAllStandardError().toStdString();
    QFile first(out() + QStringLiteral("/Person 0.docx")), other(second + QStringLiteral("/Person 0.docx"));
    ASSERT_TRUE(first.open(QIODevice::ReadOnly));
    ASSERT_TRUE(other.open(QIODevice::ReadOnly));
    EXPECT_EQ(first.readAll(), other.readAll());
    EXPECT_GT(first.size(), 20000) << "the letter has its pictures";
    EXPECT_FALSE(QFileInfo::exists(home_.filePath(QStringLiteral("nowhere"))));
}

// /proc exists and takes no files, whoever runs the test.
TEST_F(Program, FolderThatTakesNoFilesEndsWithTwo) {
    EXPECT_EQ(run(arguments(3, QStringLiteral("/proc"))), 2);
    EXPECT_TRUE(process_.readAllStandardError().contains("No file can be written in the folder /proc"));
    EXPECT_EQ(process_.readAllStandardOutput(), QByteArray());
}

// The longest content file, one word of a megabyte: every character reaches letters.pdf, and the .docx is
// the one written without --pdf.
TEST_F(Program, AContentFileOfOneHugeWordIsWrittenWhole) {
    if (!havePoppler())
        GTEST_SKIP() << "poppler-utils is not installed";
    constexpr int Length = 1 << 20;
    QFile content(home_.filePath(QStringLiteral("content.txt")));
    ASSERT_TRUE(content.open(QIODevice::WriteOnly));
    content.write(QByteArray(Length, 'x'));
    content.close();
    const QStringList withContent =
        arguments(1, out()) + QStringList{QStringLiteral("--content-file"), content.fileName()};
    ASSERT_EQ(run(withContent + QStringList{QStringLiteral("--pdf")}), 0)
        << process_.readAllStandardError().toStdString();
    const QString text =
        ::run(QStringLiteral("pdftotext"), {out() + QStringLiteral("/letters.pdf"), QStringLiteral("-")});
    EXPECT_EQ(text.count(u'x'), Length);

    const QString second = home_.filePath(QStringLiteral("second"));
    ASSERT_EQ(run(arguments(1, second) + QStringList{QStringLiteral("--content-file"), content.fileName()}),
              0);
    QFile withPdf(out() + QStringLiteral("/Person 0.docx")),
        without(second + QStringLiteral("/Person 0.docx"));
    ASSERT_TRUE(withPdf.open(QIODevice::ReadOnly));
    ASSERT_TRUE(without.open(QIODevice::ReadOnly));
    EXPECT_EQ(withPdf.readAll(), without.readAll());
}

// Unless the user may write anywhere (root).
TEST_F(Program, ReadOnlyFolderEndsWithTwo) {
    ASSERT_TRUE(QDir().mkpath(out()));
    ASSERT_TRUE(QFile::setPermissions(out(), QFile::ReadOwner | QFile::ExeOwner));
    if (::access(QFile::encodeName(out()).constData(), W_OK) == 0)
        GTEST_SKIP() << "this user writes in read-only folders";
    EXPECT_EQ(run(arguments(3, out())), 2);
    EXPECT_EQ(leftIn(out()), QStringList());
}

// --- Several workers --------------------------------------------------------------------------------------

// What a run wrote, file by file, the folder's path taken out of what it printed. A PDF's creation time
// is the one thing two runs may not share.
struct Outcome {
    QMap<QString, QByteArray> files;
    QByteArray printed, problems;
    int exitCode = -1;

    bool operator==(const Outcome&) const = default;
};

QByteArray withoutCreationTime(QByteArray pdf) {
    static const QRegularExpression creation(QStringLiteral("/CreationDate \\(D:[0-9Z+'-]*\\)"));
    return QString::fromLatin1(pdf).replace(creation, QStringLiteral("/CreationDate ()")).toLatin1();
}

class Workers : public Program {
protected:
    Outcome runWith(int workers, const QString& book) {
        const QString folder = home_.filePath(QStringLiteral("jobs-%1").arg(workers));
        Outcome outcome;
        outcome.exitCode = run({QStringLiteral("--recipients"), book, QStringLiteral("--out"), folder,
                                QStringLiteral("--style"), QStringLiteral("romantic"),
                                QStringLiteral("--pdf"), QStringLiteral("--envelopes"), QStringLiteral("C6"),
                                QStringLiteral("--jobs"), QString::number(workers)});
        outcome.printed = process_.readAllStandardOutput().replace(folder.toUtf8(), "OUT");
        outcome.problems = process_.readAllStandardError().replace(folder.toUtf8(), "OUT");
        for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden)) {
            QFile file(QDir(folder).filePath(name));
            EXPECT_TRUE(file.open(QIODevice::ReadOnly));
            outcome.files[name] =
                name.endsWith(u".pdf") ? withoutCreationTime(file.readAll()) : file.readAll();
        }
        return outcome;
    }
};

// Names that collide (whose file gets "(2)" depends on the order), a recipient left out, envelopes too
// small for an address: every file, every byte and every message as one worker writes them.
TEST_F(Workers, WriteWhatOneWorkerWrites) {
    QFile file(home_.filePath(QStringLiteral("mixed.csv")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("name,address\n");
    for (int index = 0; index < 120; ++index) {
        const QByteArray name = index % 7 == 0 ? "Ann Lee" : "Person " + QByteArray::number(index);
        const QByteArray address = index % 11 == 0 ? QByteArray("Line\n").repeated(12) + "Town"
                                                   : QByteArray::number(index) + " Road\nTown";
        file.write(index == 50 ? ",\"No name\"\n" : name + ",\"" + address + "\"\n");
    }
    file.close();

    const Outcome one = runWith(1, file.fileName());
    EXPECT_EQ(one.exitCode, 1);
    EXPECT_EQ(one.files.size(), 121) << "119 letters and two PDFs";
    EXPECT_TRUE(one.files.contains(QStringLiteral("Ann Lee (18).docx")));
    EXPECT_TRUE(one.problems.contains(": a recipient without a name, left out"));
    EXPECT_TRUE(one.problems.contains("The envelope to Person 11 has room for part of the address only"));
    for (const int workers : {2, 5})
        EXPECT_TRUE(runWith(workers, file.fileName()) == one) << workers << " workers";
}

// --- What a user sees
// ---------------------------------------------------------------------------------------

// The environment's own complaints (Qt's about XDG_RUNTIME_DIR) kept off standard error.
QProcessEnvironment quietEnvironment(const QProcessEnvironment& base, const QString& runtimeFolder) {
    QProcessEnvironment environment = base;
    QDir().mkpath(runtimeFolder);
    QFile::setPermissions(runtimeFolder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeFolder);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return environment;
}

TEST_F(Program, NotOnATerminalPrintsTheFilesAndTheSummaryOnly) {
    process_.setProcessEnvironment(
        quietEnvironment(process_.processEnvironment(), home_.filePath(QStringLiteral("runtime"))));
    ASSERT_EQ(run(arguments(30, out())), 0);
    EXPECT_EQ(process_.readAllStandardError(), "30 letter(s) written to " + out().toUtf8() + ".\n");
    EXPECT_EQ(process_.readAllStandardOutput().count('\n'), 30);
}

// Everything the program writes to a terminal, standard output and error alike.
QByteArray onATerminal(const QStringList& arguments, const QProcessEnvironment& environment) {
    std::vector<QByteArray> texts{QByteArray(TAVRIN_LETTERS_EXECUTABLE)};
    for (const QString& argument : arguments)
        texts.push_back(argument.toLocal8Bit());
    std::vector<QByteArray> variables;
    for (const QString& variable : environment.toStringList())
        variables.push_back(variable.toLocal8Bit());
    std::vector<char*> argv, envp;
    for (QByteArray& text : texts)
        argv.push_back(text.data());
    for (QByteArray& variable : variables)
        envp.push_back(variable.data());
    argv.push_back(nullptr);
    envp.push_back(nullptr);

    int terminal = -1;
    const pid_t child = ::forkpty(&terminal, nullptr, nullptr, nullptr);
    if (child == 0) {
        ::execve(argv.front(), argv.data(), envp.data());
        ::_exit(127);
    }
    EXPECT_GT(child, 0);
    QByteArray seen;
    char buffer[4096];
    for (ssize_t got; (got = ::read(terminal, buffer, sizeof buffer)) > 0;)
        seen.append(buffer, got);
    ::close(terminal);
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << seen.toStdString();
    return seen;
}

// The bar is drawn and redrawn in place, every other line reaches the terminal whole above it, and it is
// gone before the summary.
TEST_F(Program, OnATerminalShowsAProgressBarAndClearsIt) {
    const QProcessEnvironment environment =
        quietEnvironment(process_.processEnvironment(), home_.filePath(QStringLiteral("runtime")));
    constexpr int Letters = 400;
    const QByteArray seen = onATerminal(arguments(Letters, out()), environment);

    static const QRegularExpression bar(QStringLiteral("\r?\\[[#-]{24}\\] (\\d+)/%1 letters(, \\d+/s, "
                                                       "\\d+:\\d\\d left)?\033\\[K")
                                            .arg(Letters));
    const QString text = QString::fromLocal8Bit(seen);
    EXPECT_TRUE(text.contains(bar)) << seen.toStdString();
    EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral(", \\d+/s, \\d+:\\d\\d left"))));

    QString expected;
    for (int index = 0; index < Letters; ++index)
        expected += out() + QStringLiteral("/Person %1.docx\r\n").arg(index);
    const QString summary = QStringLiteral("%1 letter(s) written to %2.\r\n").arg(Letters).arg(out());
    EXPECT_EQ(QString(text).remove(bar).remove(QStringLiteral("\r\033[K")), expected + summary);
    EXPECT_TRUE(text.endsWith(QStringLiteral("\r\033[K") + summary)) << "cleared just before the summary";
}

} // namespace
