// Documents rendered to PDF and to page images: how many pages, that everything lands inside the margins,
// pictures at their sizes, the Classic rules at their heights, and documents no letter would contain.

#include "printing_letters.h"
#include "printing_models.h"
#include "printing_tools.h"
#include "word/automationerror.h"
#include "word/engine/print/pagerenderer.h"
#include "word/engine/print/printing.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace word::testing {
namespace {

using engine::DocumentModel;
using engine::print::PageRenderer;

QString writtenPdf(const DocumentModel& model, const QTemporaryDir& folder) {
    const QString pdf = folder.filePath(QStringLiteral("letter.pdf"));
    engine::print::writePdf(model, pdf);
    return pdf;
}

// As LibreOffice lays the saved letters out in the faces the set-up installs: Dark's closing rule runs
// over onto a second page.
int pagesOfDefaultLetter(Style style) {
    return style == Style::Dark ? 2 : 1;
}

std::vector<QSizeF> pictureSizesOf(const DocumentModel& model) {
    std::vector<QSizeF> sizes;
    const auto collect = [&](const engine::Paragraph& paragraph) {
        for (const engine::Inline& content : paragraph.content)
            if (const auto* picture = std::get_if<engine::Picture>(&content))
                sizes.emplace_back(picture->width, picture->height);
    };
    for (const engine::Block& block : model.body) {
        if (const auto* paragraph = std::get_if<engine::Paragraph>(&block))
            collect(*paragraph);
        else
            for (const auto& row : std::get<engine::Table>(block).rows)
                for (const engine::TableCell& cell : row)
                    std::for_each(cell.paragraphs.begin(), cell.paragraphs.end(), collect);
    }
    return sizes;
}

void sortBySize(std::vector<QSizeF>& sizes) {
    std::sort(sizes.begin(), sizes.end(), [](QSizeF a, QSizeF b) {
        return std::pair(a.width(), a.height()) < std::pair(b.width(), b.height());
    });
}

// Ink (at 72 dpi, a pixel a point) outside the margins, other than the lines drawn over the first page.
int inkOutsideMargins(const QImage& page, const DocumentModel& model, bool withShapes) {
    const engine::PageSetup& setup = model.page;
    const QRectF margins(setup.leftMargin - 1, setup.topMargin - 1, setup.textWidth() + 2,
                         setup.height - setup.topMargin - setup.bottomMargin + 2);
    const auto onShape = [&](int x, int y) {
        return withShapes &&
               std::any_of(model.shapes.begin(), model.shapes.end(), [&](const engine::LineShape& s) {
                   const QRectF box =
                       QRectF(QPointF(s.beginX, s.beginY), QPointF(s.endX, s.endY)).normalized();
                   return box.adjusted(-1.5, -1.5, 1.5, 1.5).contains(x + 0.5, y + 0.5);
               });
    };
    int outside = 0;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (qGray(page.pixel(x, y)) < 224 && !margins.contains(x + 0.5, y + 0.5) && !onShape(x, y))
                ++outside;
    return outside;
}

int inkOf(const QImage& page) {
    int ink = 0;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            ink += qGray(page.pixel(x, y)) < 224 ? 1 : 0;
    return ink;
}

class DefaultLetter : public ::testing::TestWithParam<Style> {
protected:
    void SetUp() override {
        model = defaultLetter(GetParam());
        pdf = writtenPdf(model, folder);
    }
    QTemporaryDir folder;
    DocumentModel model;
    QString pdf;
};

TEST_P(DefaultLetter, PrintsOnItsPagesWithEveryWordOnce) {
    EXPECT_EQ(PageRenderer(model).pageCount(), pagesOfDefaultLetter(GetParam()));
    EXPECT_EQ(pdfPageCount(pdf), pagesOfDefaultLetter(GetParam()));
    QStringList printed = wordsOf(pdfText(pdf)), typed = wordsOf(model);
    printed.sort();
    typed.sort();
    EXPECT_EQ(printed, typed);
}

TEST_P(DefaultLetter, KeepsEveryPageInsideTheMargins) {
    for (int page = 1; page <= pdfPageCount(pdf); ++page) {
        const QImage image = pdfPageImage(pdf, page, 72);
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(inkOutsideMargins(image, model, page == 1), 0) << "page " << page;
        EXPECT_GT(inkOf(image), 0) << "page " << page << " is blank";
    }
}

TEST_P(DefaultLetter, DrawsEveryPictureAtItsSize) {
    std::vector<QSizeF> drawn = pdfPictureSizes(pdf), inserted = pictureSizesOf(model);
    sortBySize(drawn);
    sortBySize(inserted);
    ASSERT_EQ(drawn.size(), inserted.size());
    for (std::size_t i = 0; i < drawn.size(); ++i) {
        EXPECT_NEAR(drawn[i].width(), inserted[i].width(), inserted[i].width() * 0.015);
        EXPECT_NEAR(drawn[i].height(), inserted[i].height(), inserted[i].height() * 0.015);
    }
}

INSTANTIATE_TEST_SUITE_P(Styles, DefaultLetter, ::testing::ValuesIn(AllStyles),
                         [](const auto& info) { return styleName(info.param).toStdString(); });

// --- The Classic rules ---------------------------------------------------------------------------------

// The heights (points) of the rules crossing the page left of the text, where nothing else is drawn: rows
// inked from 55 pt to 85 pt, at 144 dpi.
std::vector<double> ruleHeights(const QImage& page) {
    std::vector<double> heights;
    int firstRow = -1;
    for (int y = 0; y <= page.height(); ++y) {
        bool across = y < page.height();
        for (int x = 110; across && x <= 170; ++x)
            across = qGray(page.pixel(x, y)) < 128;
        if (across && firstRow < 0)
            firstRow = y;
        if (!across && firstRow >= 0) {
            heights.push_back((firstRow + y) / 2.0 / 2.0);
            firstRow = -1;
        }
    }
    return heights;
}

struct AddressCase {
    QString address;
    double firstRule;
};

class ClassicRules : public ::testing::TestWithParam<AddressCase> {};

TEST_P(ClassicRules, AreDrawnAtTheirHeights) {
    tavrin::WizardChoices choices = defaultChoices(Style::Classic);
    choices.recAddressText = GetParam().address;
    const DocumentModel model = letter(choices);
    QTemporaryDir folder;
    const QString pdf = writtenPdf(model, folder);
    const std::vector<double> expected{GetParam().firstRule, 700};

    for (const QImage& page : {pdfPageImage(pdf, 1, 144), PageRenderer(model).pageImage(0, 144)}) {
        const std::vector<double> heights = ruleHeights(page);
        ASSERT_EQ(heights.size(), expected.size());
        for (std::size_t i = 0; i < heights.size(); ++i)
            EXPECT_NEAR(heights[i], expected[i], 0.5);
    }
}

INSTANTIATE_TEST_SUITE_P(RecipientAddresses, ClassicRules,
                         ::testing::Values(AddressCase{QString(), 270},
                                           AddressCase{QStringLiteral("12 Elm Street\r\nLondon\r\nEngland"),
                                                       306},
                                           AddressCase{QStringLiteral("a\r\nb\r\nc\r\nd\r\ne\r\nf"), 360}));

// --- Documents no letter would contain --------------------------------------------------------------------

struct UnusualDocument {
    std::string name;
    std::function<DocumentModel()> make;
    QStringList expectedWords; // printed somewhere in the PDF
    int minimumPages = 1;
};

void PrintTo(const UnusualDocument& document, std::ostream* out) {
    *out << document.name;
}

DocumentModel bodyOf(std::vector<engine::Block> blocks) {
    DocumentModel model;
    model.body = std::move(blocks);
    return model;
}

QStringList numberedLines(int count) {
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << QStringLiteral("Line%1").arg(i);
    return lines;
}

std::vector<UnusualDocument> unusualDocuments() {
    const QStringList numbered = numberedLines(150);
    return {
        {"NoBlocksAtAll", [] { return DocumentModel{}; }, {}},
        {"ControlAndSeparatorCharacters",
         [] {
             return bodyOf(
                 {paragraphOf(QStringLiteral("one \x01\x1f\r\n two\u2028three\u2029four\uFFFCfive") +
                              QChar(0xD800) + QStringLiteral(" six\uFFFF"))});
         },
         {"one", "two", "three", "six"}},
        {"WordWiderThanTheLine",
         [] { return bodyOf({paragraphOf(QString(3000, u'W') + " end")}); },
         {"end"},
         2},
        {"LargestFontSize",
         [] { return bodyOf({paragraphOf(QStringLiteral("Big"), "Arial", 1638)}); },
         {},
         2},
        {"PictureTallerThanThePage",
         [] {
             engine::Paragraph paragraph = paragraphOf({});
             paragraph.content.push_back(solidPicture(10, 100, 100, 2000));
             return bodyOf(
                 {paragraphOf(QStringLiteral("Before")), paragraph, paragraphOf(QStringLiteral("After"))});
         },
         {"Before", "After"},
         2},
        {"PictureThatIsNoPicture",
         [] {
             engine::Paragraph paragraph = paragraphOf(QStringLiteral("Text"));
             engine::Picture broken = solidPicture(4, 4, 40, 40);
             broken.data = QByteArray("not a picture at all");
             paragraph.content.push_back(broken);
             return bodyOf({paragraph});
         },
         {"Text"}},
        {"TableCellRunningOverPages",
         [numbered] {
             engine::TableCell cell;
             for (const QString& line : numbered)
                 cell.paragraphs.push_back(paragraphOf(line));
             const engine::TableCell side{{paragraphOf(QStringLiteral("Side"))}};
             return bodyOf({tableOf({{cell, side}}, {200, 200}), paragraphOf({})});
         },
         numbered + QStringList{"Side"}, 3},
        {"TableWithoutWidthsOrCells",
         [] {
             return bodyOf({tableOf({{engine::TableCell{}}, {}}, {}), paragraphOf(QStringLiteral("After"))});
         },
         {"After"}},
        {"IndentsBeyondThePage",
         [] {
             engine::Paragraph paragraph = paragraphOf(QStringLiteral("Indented far out of the page"));
             paragraph.format.leftIndent = -1584;
             paragraph.format.rightIndent = 1584;
             paragraph.format.firstLineIndent = 1584;
             return bodyOf({paragraph});
         },
         {}},
        {"MarginsLargerThanThePage",
         [] {
             DocumentModel model =
                 bodyOf({paragraphOf(QStringLiteral("One")), paragraphOf(QStringLiteral("Two"))});
             model.page.topMargin = model.page.bottomMargin = 600;
             model.page.leftMargin = model.page.rightMargin = 400;
             return model;
         },
         {}, // a column narrower than a letter: the words are broken up, a line a page
         2},
        {"EveryParagraphOnItsOwnPage",
         [] {
             engine::Paragraph paragraph = paragraphOf(QStringLiteral("Page"));
             paragraph.format.pageBreakBefore = true;
             return bodyOf({paragraph, paragraph, paragraph});
         },
         {"Page"},
         3},
    };
}

class UnusualDocuments : public ::testing::TestWithParam<UnusualDocument> {};

TEST_P(UnusualDocuments, PrintTheirWordsOnAsManyPagesAsTheyNeed) {
    const DocumentModel model = GetParam().make();
    QTemporaryDir folder;
    const QString pdf = writtenPdf(model, folder);
    const int pages = PageRenderer(model).pageCount();
    EXPECT_GE(pages, GetParam().minimumPages);
    EXPECT_EQ(pdfPageCount(pdf), pages);
    const QStringList printed = wordsOf(pdfText(pdf));
    for (const QString& word : GetParam().expectedWords)
        EXPECT_TRUE(printed.contains(word)) << word.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Pages, UnusualDocuments, ::testing::ValuesIn(unusualDocuments()),
                         [](const auto& info) { return info.param.name; });

class PageSizes : public ::testing::TestWithParam<QSizeF> {};

// The PDF's pages take the document's size (in whole points), landscape ones included, with the text
// still starting at the top margin.
TEST_P(PageSizes, AreTheDocuments) {
    DocumentModel model;
    model.page.width = float(GetParam().width());
    model.page.height = float(GetParam().height());
    model.body.push_back(paragraphOf(QStringLiteral("Top")));
    QTemporaryDir folder;
    const QString pdf = writtenPdf(model, folder);
    const QSizeF size = pdfPageSize(pdf);
    EXPECT_NEAR(size.width(), GetParam().width(), 1);
    EXPECT_NEAR(size.height(), GetParam().height(), 1);
    const std::vector<QRectF> bands = inkBands(pdfPageImage(pdf, 1, 144), 144);
    ASSERT_EQ(bands.size(), 1u);
    EXPECT_NEAR(bands.front().left(), model.page.leftMargin, 1.5);
    EXPECT_NEAR(bands.front().top(), model.page.topMargin, 3);
}

INSTANTIATE_TEST_SUITE_P(Documents, PageSizes,
                         ::testing::Values(QSizeF(595.3, 841.9), QSizeF(612, 792), QSizeF(841.9, 595.3)));

TEST(Pagination, KeepsAParagraphsFirstAndLastLinesWithOthers) {
    // A run of one-line paragraphs fills the first page but for one line; the next paragraph has three
    // lines: with widow and orphan control it moves whole to the second page, without it one line stays.
    const auto pagesOfLastParagraph = [](bool widowControl) {
        DocumentModel model;
        std::vector<engine::Block> body;
        for (int i = 0; i < 39; ++i)
            body.push_back(paragraphOf(QStringLiteral("Filler %1").arg(i)));
        engine::Paragraph last = paragraphOf(QString(QStringLiteral("Word ")).repeated(90));
        last.format.widowControl = widowControl;
        body.push_back(last);
        model.body = body;
        QTemporaryDir folder;
        const QString pdf = writtenPdf(model, folder);
        return std::pair(wordsOf(pdfText(pdf, 1)).count(QStringLiteral("Word")),
                         wordsOf(pdfText(pdf, 2)).count(QStringLiteral("Word")));
    };
    const auto [firstWithout, secondWithout] = pagesOfLastParagraph(false);
    const auto [firstWith, secondWith] = pagesOfLastParagraph(true);
    EXPECT_GT(firstWithout, 0);
    EXPECT_GT(secondWithout, 0);
    EXPECT_EQ(firstWith, 0);
    EXPECT_EQ(secondWith, 90);
}

} // namespace
} // namespace word::testing
