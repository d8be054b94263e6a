#include "artwork/artwork.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <cstdlib>
#include <grp.h>
#include <optional>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using artwork::PictureFolder;
using artwork::StylePicture;
using artwork::StylePreview;

Q_DECLARE_METATYPE(StylePicture)
Q_DECLARE_METATYPE(StylePreview)

namespace {

const QList<StylePicture> AllPictures{
    StylePicture::PictureClassic, StylePicture::PictureElegant,  StylePicture::ElegantLine,
    StylePicture::ElegantDown,    StylePicture::PictureRomantic, StylePicture::RomanticLine,
    StylePicture::PictureDark,    StylePicture::DarkLine,        StylePicture::PictureModern,
    StylePicture::ModernLine,
};

// What a JPEG says about itself in its JFIF header and its frame header.
struct JpegFacts {
    int jfifMajor = -1, jfifMinor = -1;
    int densityUnit = -1, xDensity = -1, yDensity = -1;
    int frameMarker = -1; // 0xC0 baseline, 0xC2 progressive, ...
    int precision = -1, width = -1, height = -1, components = -1;
};

int byteAt(const QByteArray& bytes, qsizetype at) {
    return quint8(bytes.at(at));
}

int be16(const QByteArray& bytes, qsizetype at) {
    return byteAt(bytes, at) << 8 | byteAt(bytes, at + 1);
}

std::optional<JpegFacts> readJpegFacts(const QByteArray& bytes) {
    if (bytes.size() < 4 || quint8(bytes[0]) != 0xFF || quint8(bytes[1]) != 0xD8)
        return std::nullopt;
    JpegFacts facts;
    qsizetype at = 2;
    while (at + 4 <= bytes.size()) {
        if (quint8(bytes[at]) != 0xFF)
            return std::nullopt;
        const int marker = quint8(bytes[at + 1]);
        const int length = be16(bytes, at + 2);
        if (at + 2 + length > bytes.size())
            return std::nullopt;
        const QByteArray body = bytes.mid(at + 4, length - 2);
        if (marker == 0xE0 && body.startsWith(QByteArray("JFIF\0", 5)) && body.size() >= 12) {
            facts.jfifMajor = quint8(body[5]);
            facts.jfifMinor = quint8(body[6]);
            facts.densityUnit = quint8(body[7]);
            facts.xDensity = be16(body, 8);
            facts.yDensity = be16(body, 10);
        } else if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC) {
            if (facts.frameMarker != -1 || body.size() < 6)
                return std::nullopt; // a second frame header: not one picture
            facts.frameMarker = marker;
            facts.precision = quint8(body[0]);
            facts.height = be16(body, 1);
            facts.width = be16(body, 3);
            facts.components = quint8(body[5]);
        } else if (marker == 0xDA) {
            return facts;
        }
        at += 2 + length;
    }
    return std::nullopt;
}

struct BitmapFacts {
    int headerSize = -1, width = 0, height = 0, planes = -1, bitsPerPixel = -1, compression = -1;
    qsizetype expectedFileSize = -1;
};

std::optional<BitmapFacts> readBitmapFacts(const QByteArray& bytes) {
    if (bytes.size() < 54 || !bytes.startsWith("BM"))
        return std::nullopt;
    auto le16 = [&](qsizetype at) { return byteAt(bytes, at) | byteAt(bytes, at + 1) << 8; };
    auto le32 = [&](qsizetype at) { return qint32(quint32(le16(at)) | quint32(le16(at + 2)) << 16); };
    BitmapFacts facts;
    facts.headerSize = le32(14);
    facts.width = le32(18);
    facts.height = le32(22);
    facts.planes = le16(26);
    facts.bitsPerPixel = le16(28);
    facts.compression = le32(30);
    const qsizetype stride = ((qsizetype(facts.width) * facts.bitsPerPixel + 31) / 32) * 4;
    facts.expectedFileSize = le32(10) + stride * std::abs(facts.height);
    return facts;
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeText(const QString& path, const QByteArray& text) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

QStringList entriesOf(const QString& directory) {
    return QDir(directory).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

bool canCreateFileIn(const QString& directory) {
    QFile probe(directory + QStringLiteral("/probe"));
    if (!probe.open(QIODevice::WriteOnly))
        return false;
    probe.remove();
    return true;
}

// Entries that a picture folder could have made: the pictures, their temporary names, a probe.
QStringList picturesLeftIn(const QString& directory) {
    QStringList left;
    for (const QString& entry : entriesOf(directory))
        for (const StylePicture picture : AllPictures)
            if (entry.startsWith(artwork::fileName(picture)) ||
                entry.startsWith(u'.' + artwork::fileName(picture)) ||
                entry.startsWith(QStringLiteral(".tavrin")))
                left << entry;
    return left;
}

// What went wrong, if anything, when the pictures of every style are written through a folder
// made for an unwritable program directory. Also run in a child process, so each outcome is a
// small number that can be an exit code.
enum class Fallback {
    Works = 0,
    WroteIntoProgramDirectory = 11,
    WriteFailed = 12,
    UnreadablePicture = 13,
    RemoveFailed = 14,
    PrivateFolderLeftBehind = 15,
    ProgramDirectoryTouched = 16,
};

Fallback writeThroughFallback(const QString& programDirectory) {
    QString privateFolder;
    {
        PictureFolder folder(programDirectory);
        for (const StylePicture picture : AllPictures) {
            const QFileInfo written(folder.path(picture));
            privateFolder = written.absolutePath();
            if (privateFolder == QFileInfo(programDirectory).absoluteFilePath())
                return Fallback::WroteIntoProgramDirectory;
            if (!folder.write(picture))
                return Fallback::WriteFailed;
            const QImage decoded(written.filePath());
            if (decoded.isNull() || decoded.size() != artwork::image(picture).size())
                return Fallback::UnreadablePicture;
            if (!folder.remove(picture))
                return Fallback::RemoveFailed;
        }
    }
    if (QFileInfo::exists(privateFolder))
        return Fallback::PrivateFolderLeftBehind;
    if (!picturesLeftIn(programDirectory).isEmpty())
        return Fallback::ProgramDirectoryTouched;
    return Fallback::Works;
}

} // namespace

class ArtworkTest : public QObject {
    Q_OBJECT

private slots:
    void storedJpegHeaders_data();
    void storedJpegHeaders();
    void darkLineIsUncompressed24BitBitmap();
    void previewsAre24BitBitmapsOfTheirSize_data();
    void previewsAre24BitBitmapsOfTheirSize();

    void writeAndRemoveEachPicture_data();
    void writeAndRemoveEachPicture();
    void existingFileIsReplacedThenRemoved();
    void plantedLinkIsReplacedNotFollowed_data();
    void plantedLinkIsReplacedNotFollowed();
    void failedWriteLeavesNoFile();
    void removeOfMissingFileFails();
    void handedOverInMemoryNothingIsWritten_data();
    void handedOverInMemoryNothingIsWritten();

    void unwritableProgramDirectoryFallsBack_data();
    void unwritableProgramDirectoryFallsBack();
    void nowhereToWriteGivesNoPathAndNoFile();
};

void ArtworkTest::storedJpegHeaders_data() {
    QTest::addColumn<StylePicture>("picture");
    QTest::addColumn<QSize>("size");
    QTest::newRow("PictureClassic") << StylePicture::PictureClassic << QSize(171, 119);
    QTest::newRow("PictureElegant") << StylePicture::PictureElegant << QSize(160, 181);
    QTest::newRow("ElegantLine") << StylePicture::ElegantLine << QSize(750, 13);
    QTest::newRow("ElegantDown") << StylePicture::ElegantDown << QSize(176, 64);
    QTest::newRow("PictureRomantic") << StylePicture::PictureRomantic << QSize(170, 99);
    QTest::newRow("RomanticLine") << StylePicture::RomanticLine << QSize(615, 24);
    QTest::newRow("PictureDark") << StylePicture::PictureDark << QSize(146, 129);
    QTest::newRow("PictureModern") << StylePicture::PictureModern << QSize(141, 166);
    QTest::newRow("ModernLine") << StylePicture::ModernLine << QSize(779, 14);
}

void ArtworkTest::storedJpegHeaders() {
    QFETCH(StylePicture, picture);
    QFETCH(QSize, size);
    const auto facts = readJpegFacts(artwork::storedBytes(picture));
    QVERIFY2(facts, "not a well-formed JPEG");
    QCOMPARE(facts->jfifMajor, 1);
    QCOMPARE(facts->jfifMinor, 2);
    QCOMPARE(facts->densityUnit, 1); // dots per inch
    QCOMPARE(facts->xDensity, 72);
    QCOMPARE(facts->yDensity, 72);
    QCOMPARE(facts->frameMarker, 0xC2); // progressive, Huffman coded
    QCOMPARE(facts->precision, 8);
    QCOMPARE(facts->components, 3);
    QCOMPARE(QSize(facts->width, facts->height), size);
    QCOMPARE(artwork::image(picture).size(), size);
}

void ArtworkTest::darkLineIsUncompressed24BitBitmap() {
    const QByteArray bytes = artwork::storedBytes(StylePicture::DarkLine);
    const auto facts = readBitmapFacts(bytes);
    QVERIFY2(facts, "not a Windows bitmap");
    QCOMPARE(facts->headerSize, 40);
    QCOMPARE(facts->width, 750);
    QCOMPARE(std::abs(facts->height), 6);
    QCOMPARE(facts->planes, 1);
    QCOMPARE(facts->bitsPerPixel, 24);
    QCOMPARE(facts->compression, 0); // BI_RGB
    QCOMPARE(bytes.size(), facts->expectedFileSize);
    QCOMPARE(artwork::image(StylePicture::DarkLine).size(), QSize(750, 6));
}

void ArtworkTest::previewsAre24BitBitmapsOfTheirSize_data() {
    QTest::addColumn<StylePreview>("style");
    QTest::addColumn<QSize>("size");
    QTest::newRow("Classic") << StylePreview::Classic << QSize(92, 93);
    QTest::newRow("Dark") << StylePreview::Dark << QSize(94, 93);
    QTest::newRow("Romantic") << StylePreview::Romantic << QSize(93, 92);
    QTest::newRow("Elegant") << StylePreview::Elegant << QSize(92, 92);
    QTest::newRow("Modernistic") << StylePreview::Modernistic << QSize(98, 98);
}

void ArtworkTest::previewsAre24BitBitmapsOfTheirSize() {
    QFETCH(StylePreview, style);
    QFETCH(QSize, size);
    const auto facts = readBitmapFacts(artwork::storedBytes(style));
    QVERIFY2(facts, "not a Windows bitmap");
    QCOMPARE(facts->bitsPerPixel, 24);
    QCOMPARE(facts->compression, 0);
    QCOMPARE(QSize(facts->width, std::abs(facts->height)), size);
    const QImage shown = artwork::preview(style);
    QCOMPARE(shown.size(), size);
    // A miniature letter with its pictures on it, not blank paper with lines: pictures scaled down
    // bring many shades.
    QSet<QRgb> shades;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            shades.insert(shown.pixel(x, y));
    QVERIFY2(shades.size() > 150, qPrintable(QStringLiteral("only %1 shades").arg(shades.size())));
}

void ArtworkTest::writeAndRemoveEachPicture_data() {
    QTest::addColumn<StylePicture>("picture");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::newRow("PictureClassic") << StylePicture::PictureClassic << "classic.bmp" << QSize(171, 119);
    QTest::newRow("PictureElegant") << StylePicture::PictureElegant << "elegant.bmp" << QSize(160, 181);
    QTest::newRow("ElegantLine") << StylePicture::ElegantLine << "elegantLine.bmp" << QSize(750, 13);
    QTest::newRow("ElegantDown") << StylePicture::ElegantDown << "elegantDown.bmp" << QSize(176, 64);
    QTest::newRow("PictureRomantic") << StylePicture::PictureRomantic << "romantic.bmp" << QSize(170, 99);
    QTest::newRow("RomanticLine") << StylePicture::RomanticLine << "romanticLine.bmp" << QSize(615, 24);
    QTest::newRow("PictureDark") << StylePicture::PictureDark << "dark.bmp" << QSize(146, 129);
    QTest::newRow("DarkLine") << StylePicture::DarkLine << "darkLine.bmp" << QSize(750, 6);
    QTest::newRow("PictureModern") << StylePicture::PictureModern << "modern.bmp" << QSize(141, 166);
    QTest::newRow("ModernLine") << StylePicture::ModernLine << "modernLine.bmp" << QSize(779, 14);
}

void ArtworkTest::writeAndRemoveEachPicture() {
    QFETCH(StylePicture, picture);
    QFETCH(QString, name);
    QFETCH(QSize, size);
    QTemporaryDir program;
    QVERIFY(program.isValid());
    const QString expected = program.path() + u'/' + name;

    PictureFolder folder(program.path());
    QCOMPARE(artwork::fileName(picture), name);
    QCOMPARE(folder.path(picture), expected);
    QVERIFY(folder.write(picture));
    QCOMPARE(entriesOf(program.path()), QStringList{name});

    const QByteArray bytes = readAll(expected);
    const auto facts = readBitmapFacts(bytes);
    QVERIFY2(facts, "the written file is not a Windows bitmap");
    QCOMPARE(facts->compression, 0);
    QCOMPARE(bytes.size(), facts->expectedFileSize);
    QImageReader reader(expected);
    QCOMPARE(reader.format(), QByteArray("bmp"));
    const QImage written = reader.read();
    QCOMPARE(written.size(), size);
    QCOMPARE(written.convertToFormat(QImage::Format_RGB32),
             artwork::image(picture).convertToFormat(QImage::Format_RGB32));

    QVERIFY(folder.remove(picture));
    QVERIFY(entriesOf(program.path()).isEmpty());
}

void ArtworkTest::existingFileIsReplacedThenRemoved() {
    QTemporaryDir program;
    QVERIFY(program.isValid());
    PictureFolder folder(program.path());
    const QString target = folder.path(StylePicture::PictureElegant);
    QVERIFY(writeText(target, "left over from another run"));

    QVERIFY(folder.write(StylePicture::PictureElegant));
    QCOMPARE(QImage(target).size(), QSize(160, 181));
    QCOMPARE(entriesOf(program.path()), QStringList{QStringLiteral("elegant.bmp")});
    QVERIFY(folder.remove(StylePicture::PictureElegant));
    QVERIFY(entriesOf(program.path()).isEmpty());
}

void ArtworkTest::plantedLinkIsReplacedNotFollowed_data() {
    QTest::addColumn<bool>("targetExists");
    QTest::newRow("link to someone's file") << true;
    QTest::newRow("dangling link") << false;
}

void ArtworkTest::plantedLinkIsReplacedNotFollowed() {
    QFETCH(bool, targetExists);
    QTemporaryDir program, elsewhere;
    QVERIFY(program.isValid() && elsewhere.isValid());
    const QString victim = elsewhere.path() + QStringLiteral("/precious.txt");
    const QByteArray content = "must stay as it is";
    if (targetExists)
        QVERIFY(writeText(victim, content));
    PictureFolder folder(program.path());
    const QString target = folder.path(StylePicture::RomanticLine);
    QVERIFY(QFile::link(victim, target));

    QVERIFY(folder.write(StylePicture::RomanticLine));
    const QFileInfo written(target);
    QVERIFY(!written.isSymLink());
    QCOMPARE(QImage(target).size(), QSize(615, 24));
    if (targetExists)
        QCOMPARE(readAll(victim), content);
    else
        QVERIFY(!QFileInfo::exists(victim));

    QVERIFY(folder.remove(StylePicture::RomanticLine));
    QVERIFY(entriesOf(program.path()).isEmpty());
    QCOMPARE(entriesOf(elsewhere.path()),
             targetExists ? QStringList{QStringLiteral("precious.txt")} : QStringList{});
}

void ArtworkTest::failedWriteLeavesNoFile() {
    QTemporaryDir program;
    QVERIFY(program.isValid());
    PictureFolder folder(program.path());
    // A directory at the target name cannot be replaced by a file.
    QVERIFY(QDir(program.path()).mkdir(QStringLiteral("dark.bmp")));
    QVERIFY(!folder.write(StylePicture::PictureDark));
    QCOMPARE(entriesOf(program.path()), QStringList{QStringLiteral("dark.bmp")});
    QVERIFY(QFileInfo(folder.path(StylePicture::PictureDark)).isDir());
    QVERIFY(entriesOf(folder.path(StylePicture::PictureDark)).isEmpty());
}

void ArtworkTest::removeOfMissingFileFails() {
    QTemporaryDir program;
    QVERIFY(program.isValid());
    PictureFolder folder(program.path());
    QVERIFY(!folder.remove(StylePicture::ModernLine));
    QVERIFY(entriesOf(program.path()).isEmpty());
}

void ArtworkTest::unwritableProgramDirectoryFallsBack_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("directory without write permission") << "read-only";
    QTest::newRow("file system that takes no files") << "proc";
    QTest::newRow("directory that does not exist") << "missing";
    QTest::newRow("no directory given") << "empty";
}

void ArtworkTest::unwritableProgramDirectoryFallsBack() {
    QFETCH(QString, kind);
    if (kind == u"proc") {
        if (!QFileInfo(QStringLiteral("/proc")).isDir() || canCreateFileIn(QStringLiteral("/proc")))
            QSKIP("no /proc refusing new files on this system");
        QCOMPARE(writeThroughFallback(QStringLiteral("/proc")), Fallback::Works);
        return;
    }
    if (kind == u"empty") {
        QCOMPARE(writeThroughFallback(QString()), Fallback::Works);
        return;
    }
    QTemporaryDir base;
    QVERIFY(base.isValid());
    const QString program = base.path() + QStringLiteral("/program");
    if (kind == u"missing") {
        QCOMPARE(writeThroughFallback(program), Fallback::Works);
        QVERIFY(!QFileInfo::exists(program));
        return;
    }

    QVERIFY(QDir(base.path()).mkdir(QStringLiteral("program")));
    QCOMPARE(chmod(QFile::encodeName(program).constData(), 0555), 0);
    if (!canCreateFileIn(program)) {
        QCOMPARE(writeThroughFallback(program), Fallback::Works);
        return;
    }
    // Permission bits do not hold back a privileged user (tests run as root in CI), so the check
    // runs in a child process that gives up its privileges first.
    const QString childTemp = base.path() + QStringLiteral("/temp");
    QVERIFY(QDir(base.path()).mkdir(QStringLiteral("temp")));
    QCOMPARE(chmod(QFile::encodeName(childTemp).constData(), 0777), 0);
    QCOMPARE(chmod(QFile::encodeName(base.path()).constData(), 0755), 0);
    constexpr uid_t Nobody = 65534;
    constexpr int CannotDropPrivileges = 90, StillWritable = 91;
    const pid_t child = fork();
    QVERIFY(child >= 0);
    if (child == 0) {
        if (setgroups(0, nullptr) != 0 || setgid(Nobody) != 0 || setuid(Nobody) != 0)
            _exit(CannotDropPrivileges);
        if (canCreateFileIn(program))
            _exit(StillWritable);
        setenv("TMPDIR", QFile::encodeName(childTemp).constData(), 1);
        _exit(static_cast<int>(writeThroughFallback(program)));
    }
    int status = 0;
    QCOMPARE(waitpid(child, &status, 0), child);
    QVERIFY(WIFEXITED(status));
    if (WEXITSTATUS(status) == CannotDropPrivileges)
        QSKIP("running privileged and unable to drop to an unprivileged user: cannot make an unwritable "
              "directory");
    QVERIFY2(WEXITSTATUS(status) != StillWritable, "the directory stayed writable without privileges");
    QCOMPARE(static_cast<Fallback>(WEXITSTATUS(status)), Fallback::Works);
    QVERIFY(entriesOf(childTemp).isEmpty());
}

void ArtworkTest::nowhereToWriteGivesNoPathAndNoFile() {
    // No program directory, and no temporary folder can be made: nothing may land in the root.
    const QByteArray savedTemp = qgetenv("TMPDIR");
    qputenv("TMPDIR", "/nonexistent/tavrin-test");
    const QStringList rootBefore = entriesOf(QStringLiteral("/"));
    {
        PictureFolder folder{QString()};
        QVERIFY2(folder.path(StylePicture::PictureClassic).isEmpty(),
                 qPrintable(folder.path(StylePicture::PictureClassic)));
        QVERIFY(!folder.write(StylePicture::PictureClassic));
        QVERIFY(!folder.remove(StylePicture::PictureClassic));
    }
    if (savedTemp.isNull())
        qunsetenv("TMPDIR");
    else
        qputenv("TMPDIR", savedTemp);
    QCOMPARE(entriesOf(QStringLiteral("/")), rootBefore);
}

// In memory each picture goes by a name no file has, and that name gives the very bytes its file holds.
void ArtworkTest::handedOverInMemoryNothingIsWritten_data() {
    writeAndRemoveEachPicture_data();
}

void ArtworkTest::handedOverInMemoryNothingIsWritten() {
    QFETCH(StylePicture, picture);
    QFETCH(QString, name);
    QTemporaryDir program;
    QVERIFY(program.isValid());
    const PictureFolder files(program.path());
    QVERIFY(files.write(picture));
    const QByteArray written = readAll(files.path(picture));
    QVERIFY(files.remove(picture));

    const PictureFolder memory(program.path(), artwork::PictureHandOver::InMemory);
    QCOMPARE(memory.path(picture), artwork::memoryName(picture));
    QVERIFY(memory.path(picture).endsWith(name));
    QVERIFY(memory.write(picture));
    QCOMPARE(artwork::bitmapNamed(memory.path(picture)).value_or(QByteArray()), written);
    QVERIFY(memory.remove(picture));
    QVERIFY(entriesOf(program.path()).isEmpty());
    QVERIFY(!artwork::bitmapNamed(program.path() + u'/' + name));
}

QTEST_GUILESS_MAIN(ArtworkTest)
#include "test_artwork.moc"
