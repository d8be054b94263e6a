// Each styled letter saved as .docx and checked by other programs. The Open XML SDK validator must accept
// the package. LibreOffice converts it headless to PDF, drawn to PNG at 72 dots per inch (one pixel a
// point): every picture must stand on a page and show there, the heading picture at the top of the first
// page on its side of the band, and the Classic rules across the page.

#include "letterview.h"
#include "styledletter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include <cstdlib>
#include <vector>

namespace tavrin::testing {
namespace {

// Where the PDF places a picture, in points from its page's top-left corner.
struct PlacedPicture {
    int page;
    QRect rect;
};

struct Rendering {
    std::vector<QImage> pages;
    std::vector<PlacedPicture> pictures;
    QString text;
};

QString run(const QString& program, const QStringList& arguments, int timeoutMs = 120000) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(timeoutMs) || process.exitStatus() != QProcess::NormalExit)
        return QStringLiteral("%1 did not finish").arg(program);
    if (process.exitCode() != 0)
        return QStringLiteral("%1 failed: %2")
            .arg(program, QString::fromLocal8Bit(process.readAllStandardError()));
    return {};
}

std::vector<PlacedPicture> placedPictures(const QString& xmlPath) {
    QFile file(xmlPath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    std::vector<PlacedPicture> pictures;
    QXmlStreamReader xml(&file);
    int page = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto attributes = xml.attributes();
        if (xml.name() == u"page")
            page = attributes.value(QLatin1String("number")).toInt();
        else if (xml.name() == u"image")
            pictures.push_back({page, QRect(attributes.value(QLatin1String("left")).toInt(),
                                            attributes.value(QLatin1String("top")).toInt(),
                                            attributes.value(QLatin1String("width")).toInt(),
                                            attributes.value(QLatin1String("height")).toInt())});
    }
    return pictures;
}

// Converts with a LibreOffice profile of its own, so that no running office or user profile interferes.
Rendering render(const QString& docx, const QString& workDirectory, QString* error) {
    const QDir work(workDirectory);
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (soffice.isEmpty()) {
        *error = QStringLiteral("soffice not found (tools/setup.sh --tests installs it)");
        return {};
    }
    const QString profile =
        QStringLiteral("-env:UserInstallation=file://") + work.filePath(QStringLiteral("profile"));
    *error = run(soffice, {profile, QStringLiteral("--headless"), QStringLiteral("--convert-to"),
                           QStringLiteral("pdf"), QStringLiteral("--outdir"), workDirectory, docx});
    const QString pdf = work.filePath(QFileInfo(docx).completeBaseName() + QStringLiteral(".pdf"));
    if (error->isEmpty() && !QFile::exists(pdf))
        *error = QStringLiteral("LibreOffice wrote no PDF");
    if (!error->isEmpty())
        return {};

    *error =
        run(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("72"), QStringLiteral("-png"),
                                         pdf, work.filePath(QStringLiteral("page"))});
    if (error->isEmpty())
        *error = run(QStringLiteral("pdftohtml"),
                     {QStringLiteral("-xml"), QStringLiteral("-q"), QStringLiteral("-zoom"),
                      QStringLiteral("1"), pdf, work.filePath(QStringLiteral("layout"))});
    if (error->isEmpty())
        *error = run(QStringLiteral("pdftotext"), {pdf, work.filePath(QStringLiteral("text.txt"))});
    if (!error->isEmpty())
        return {};

    Rendering rendering;
    const QStringList pageFiles = work.entryList({QStringLiteral("page-*.png")}, QDir::Files,
                                                 QDir::Name); // one digit: letters are short
    for (const QString& pageFile : pageFiles)
        rendering.pages.push_back(QImage(work.filePath(pageFile)).convertToFormat(QImage::Format_Grayscale8));
    rendering.pictures = placedPictures(work.filePath(QStringLiteral("layout.xml")));
    QFile text(work.filePath(QStringLiteral("text.txt")));
    if (text.open(QIODevice::ReadOnly))
        rendering.text = QString::fromUtf8(text.readAll());
    return rendering;
}

// How much of an area of the page is drawn on: the share of pixels that are not near white.
double inkIn(const QImage& page, const QRect& area) {
    const QRect inside = area.intersected(page.rect());
    if (inside.isEmpty())
        return 0;
    qint64 ink = 0;
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        const uchar* row = page.constScanLine(y);
        for (int x = inside.left(); x <= inside.right(); ++x)
            ink += row[x] < 224;
    }
    return double(ink) / (double(inside.width()) * inside.height());
}

enum class BandSide { Left, Centre, Right };

struct RenderCase {
    Style style;
    BandSide headingPicture;
};

const RenderCase RenderCases[] = {{Style::Romantic, BandSide::Left},
                                  {Style::Dark, BandSide::Right},
                                  {Style::Classic, BandSide::Right},
                                  {Style::Elegant, BandSide::Centre},
                                  {Style::Modern, BandSide::Left}};

} // namespace

class StylesAppsTest : public QObject {
    Q_OBJECT
private slots:
    void validatorAcceptsThePackage_data() { everyStyle(); }
    void validatorAcceptsThePackage() {
        QFETCH(int, renderCase);
        const QString validator = QStringLiteral(TAVRIN_OOXML_VALIDATOR);
        QVERIFY2(QFileInfo(validator).isExecutable(),
                 "the package validator is missing: run tools/setup.sh --tests");
        QTemporaryDir work;
        StyledLetter letter;
        letter.build(sampleChoices(RenderCases[renderCase].style));
        const QString docx = QDir(work.path()).filePath(QStringLiteral("letter.docx"));
        letter.saveAs(docx);

        QProcess process;
        process.start(validator, {docx, QStringLiteral("Microsoft365")});
        QVERIFY(process.waitForFinished(120000));
        const QByteArray report = process.readAllStandardOutput();
        QVERIFY2(process.exitCode() == 0, report.constData());
        QVERIFY2(report.contains("\"ok\": true"), report.constData());
    }

    void libreOfficeShowsEveryPictureAndTheBandHeadsThePage_data() { everyStyle(); }
    void libreOfficeShowsEveryPictureAndTheBandHeadsThePage() {
        QFETCH(int, renderCase);
        const RenderCase& given = RenderCases[renderCase];
        QTemporaryDir work;
        StyledLetter letter;
        letter.build(sampleChoices(given.style));
        const int picturesInLetter = [&] {
            int count = 0;
            for (const LetterLine& line : linesOf(letter.model()))
                count += int(line.text.count(QStringLiteral(".bmp>")));
            return count;
        }();
        const QString docx = QDir(work.path()).filePath(QStringLiteral("letter.docx"));
        letter.saveAs(docx);

        QString error;
        const Rendering rendering = render(docx, work.path(), &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QVERIFY(!rendering.pages.empty());
        QVERIFY(rendering.text.contains(QStringLiteral("Ada Lovelace")));

        QCOMPARE(int(rendering.pictures.size()), picturesInLetter);
        for (const PlacedPicture& picture : rendering.pictures) {
            QCOMPARE_LE(picture.page, int(rendering.pages.size()));
            QVERIFY2(inkIn(rendering.pages[size_t(picture.page - 1)], picture.rect) > 0.02,
                     qPrintable(QStringLiteral("blank picture on page %1 at %2, %3")
                                    .arg(picture.page)
                                    .arg(picture.rect.x())
                                    .arg(picture.rect.y())));
        }

        // The heading picture: the first one of the first page, at the top margin, on its side of the band.
        const PlacedPicture& heading = rendering.pictures.front();
        const QImage& firstPage = rendering.pages.front();
        QCOMPARE(heading.page, 1);
        QCOMPARE_LT(heading.rect.top(), 100);
        const int pageCentre = firstPage.width() / 2;
        switch (given.headingPicture) {
        case BandSide::Left:
            QCOMPARE_LT(heading.rect.right(), pageCentre);
            break;
        case BandSide::Right:
            QCOMPARE_GT(heading.rect.left(), pageCentre);
            break;
        case BandSide::Centre:
            QCOMPARE_LT(std::abs(heading.rect.center().x() - pageCentre), 20);
            break;
        }

        if (given.style == Style::Classic) {
            for (int ruleHeight : {288, 700})
                QVERIFY2(inkIn(firstPage, QRect(60, ruleHeight - 2, 470, 5)) > 0.15,
                         qPrintable(QStringLiteral("no rule at %1").arg(ruleHeight)));
        }
    }

private:
    static void everyStyle() {
        QTest::addColumn<int>("renderCase");
        for (int c = 0; c < int(std::size(RenderCases)); ++c)
            QTest::newRow(qPrintable(styleName(RenderCases[c].style))) << c;
    }
};

} // namespace tavrin::testing

QTEST_GUILESS_MAIN(tavrin::testing::StylesAppsTest)
#include "test_styles_apps.moc"
