// tavrin-letters at its limits: names and addresses of any length, envelopes that must stay one page,
// PDFs that store each picture once, scratch files, signals and folders it cannot write to.

#include "letters/letter.h"
#include "letters/newfiles.h"
#include "letters/pdfs.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

using namespace tavrin::letters;

namespace {

// --- File names ---------------------------------------------------------------------------------------

struct NameCase {
    const char* name;
    QString personName;
    QString expected;
};

void PrintTo(const NameCase& c, std::ostream* out) {
    *out << c.name;
}

class FileNames : public testing::TestWithParam<NameCase> {};

TEST_P(FileNames, AreSafeAndShortEnough) {
    const QString baseName = fileBaseName(GetParam().personName);
    EXPECT_EQ(baseName, GetParam().expected);
    EXPECT_LE(baseName.toUtf8().size(), 200);
}

const QString Emoji = QStringLiteral("\U0001F339"); // four bytes of UTF-8, two UTF-16 units

INSTANTIATE_TEST_SUITE_P(
    All, FileNames,
    testing::Values(NameCase{"Plain", "Ann Lee", "Ann Lee"},
                    NameCase{"ForbiddenCharacters", "AC/DC: \"Live\"?\t*<>|\\", "AC_DC_ _Live________"},
                    NameCase{"LeadingAndTrailingDotsAndSpaces", " ..Ann. . ", "Ann"},
                    NameCase{"NothingLeft", " . . ", "Letter"},
                    NameCase{"DotsBeforeASlashStay", "../../etc", "_.._etc"},
                    NameCase{"HugeAscii", QString(10'000'000, u'a'), QString(200, u'a')},
                    NameCase{"HugeTwoByte", QString(5'000'000, u'é'), QString(100, u'é')},
                    NameCase{"HugeThreeByte", QString(3'000'000, u'€'), QString(66, u'€')},
                    NameCase{"HugePairsNeverSplit", u'a' + Emoji.repeated(2'000'000),
                             u'a' + Emoji.repeated(49)},
                    NameCase{"HugeDotsThenName", QString(10'000'000, u'.') + QStringLiteral("Ann"), "Ann"},
                    NameCase{"CutBeforeTrailingSpaces", QString(199, u'a') + QString(1'000'000, u' ') + u'b',
                             QString(199, u'a')}),
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
    const word::engine::DocumentModel letter = layOutLetter(LetterOptions{}, recipient, folder.path());
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

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
