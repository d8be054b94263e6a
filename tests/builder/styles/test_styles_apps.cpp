// Each styled letter saved as .docx and checked by other programs. The Open XML SDK validator must accept
// the package. LibreOffice converts it headless to PDF, drawn to PNG at 72 dots per inch (one pixel a
// point): every picture must stand on a page and show there, the heading picture at the top of the first
// page on its side of the band, and the Classic rules across the page.

#include "letterview.h"
#include "styledletter.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
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

void PrintTo(const RenderCase& renderCase, std::ostream* out) {
    *out << styleName(renderCase.style).toStdString();
}

class SavedLetter : public ::testing::TestWithParam<RenderCase> {};

TEST_P(SavedLetter, ValidatorAcceptsThePackage) {
    const QString validator = QStringLiteral(TAVRIN_OOXML_VALIDATOR);
    ASSERT_TRUE(QFileInfo(validator).isExecutable())
        << "the package validator is missing: run tools/setup.sh --tests";
    QTemporaryDir work;
    StyledLetter letter;
    letter.build(sampleChoices(GetParam().style));
    const QString docx = QDir(work.path()).filePath(QStringLiteral("letter.docx"));
    letter.saveAs(docx);

    QProcess process;
    process.start(validator, {docx, QStringLiteral("Microsoft365")});
    ASSERT_TRUE(process.waitForFinished(120000));
    const QByteArray report = process.readAllStandardOutput();
    EXPECT_EQ(process.exitCode(), 0) << report.constData();
    EXPECT_TRUE(report.contains("\"ok\": true")) << report.constData();
}

TEST_P(SavedLetter, LibreOfficeShowsEveryPictureAndTheBandHeadsThePage) {
    QTemporaryDir work;
    StyledLetter letter;
    letter.build(sampleChoices(GetParam().style));
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
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();
    ASSERT_FALSE(rendering.pages.empty());
    EXPECT_TRUE(rendering.text.contains(QStringLiteral("Ada Lovelace")));

    ASSERT_EQ(int(rendering.pictures.size()), picturesInLetter);
    for (const PlacedPicture& picture : rendering.pictures) {
        ASSERT_LE(picture.page, int(rendering.pages.size()));
        EXPECT_GT(inkIn(rendering.pages[size_t(picture.page - 1)], picture.rect), 0.02)
            << "blank picture on page " << picture.page << " at " << picture.rect.x() << ", "
            << picture.rect.y();
    }

    // The heading picture: the first one of the first page, at the top margin, on its side of the band.
    const PlacedPicture& heading = rendering.pictures.front();
    const QImage& firstPage = rendering.pages.front();
    EXPECT_EQ(heading.page, 1);
    EXPECT_LT(heading.rect.top(), 100);
    const int pageCentre = firstPage.width() / 2;
    switch (GetParam().headingPicture) {
    case BandSide::Left:
        EXPECT_LT(heading.rect.right(), pageCentre);
        break;
    case BandSide::Right:
        EXPECT_GT(heading.rect.left(), pageCentre);
        break;
    case BandSide::Centre:
        EXPECT_LT(std::abs(heading.rect.center().x() - pageCentre), 20);
        break;
    }

    if (GetParam().style == Style::Classic) {
        for (int ruleHeight : {288, 700})
            EXPECT_GT(inkIn(firstPage, QRect(60, ruleHeight - 2, 470, 5)), 0.15)
                << "no rule at " << ruleHeight;
    }
}

INSTANTIATE_TEST_SUITE_P(Styles, SavedLetter,
                         ::testing::Values(RenderCase{Style::Romantic, BandSide::Left},
                                           RenderCase{Style::Dark, BandSide::Right},
                                           RenderCase{Style::Classic, BandSide::Right},
                                           RenderCase{Style::Elegant, BandSide::Centre},
                                           RenderCase{Style::Modern, BandSide::Left}),
                         [](const auto& info) { return styleName(info.param.style).toStdString(); });

} // namespace
} // namespace tavrin::testing
