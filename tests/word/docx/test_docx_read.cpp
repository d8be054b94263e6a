// Reading packages back: round trips, the repairs a model gets on the way, packages written elsewhere, and
// damaged or hostile input.

#include "docx_models.h"
#include "docx_testing.h"
#include "word/engine/docx.h"

#include <gtest/gtest.h>

#include <ostream>

#include <QFile>

#include <cmath>
#include <functional>
#include <limits>
#include <random>

using namespace docxtest;

namespace {

DocumentModel roundTrip(const DocumentModel& model) {
    return readDocx(docxBytes(model));
}

// Models whose every value is one the package stores exactly: they come back unchanged.
struct ModelCase {
    const char* name;
    std::function<DocumentModel()> make;
};

void PrintTo(const ModelCase& c, std::ostream* out) {
    *out << c.name;
}

DocumentModel everyFormat() {
    DocumentModel model;
    ParaFormat f = everyMemberAwayFromItsDefault();
    f.spaceAfter = 12.05f;
    f.outlineLevel = 9;
    const CharFormat mark{QStringLiteral("Courier New"), 7.5f, 13, true};
    model.body.emplace_back(paragraph({run(QStringLiteral("x"), mark)}, f, mark));
    for (int alignment = 0; alignment < 4; ++alignment)
        for (int rule = 0; rule < 3; ++rule)
            model.body.emplace_back(paragraph({}, [&] {
                ParaFormat g;
                g.alignment = alignment;
                g.lineSpacingRule = rule;
                g.outlineLevel = 1 + alignment;
                return g;
            }()));
    return model;
}

DocumentModel tables() {
    DocumentModel model;
    model.page = PageSetup{612, 792, 36, 50, 72.5f, 40};
    Table t = table(model.page, 3, 3);
    t.columnWidths = {100, 200.5f, 50};
    t.insideColorIndex = 2;
    t.outsideColorIndex = 16;
    t.rows[1][2].paragraphs.push_back(paragraph({picture(jpegPicture(30, 20, Qt::green), 22.5f, 15)}));
    t.rows[2][0].paragraphs[0] = paragraph({run(QStringLiteral("cell"))}, letterFormat(1));
    model.body.emplace_back(std::move(t));
    model.body.emplace_back(paragraph({}));
    model.body.emplace_back(table(model.page, 1, 1));
    model.body.emplace_back(paragraph({}));
    return model;
}

DocumentModel linesEveryWay() {
    DocumentModel model;
    model.body.emplace_back(paragraph({}));
    model.shapes = {
        {10, 20, 300, 20}, {300, 20, 10, 40}, {10, 400, 10, 20}, {500.25f, 800, 20, 700}, {5, 5, 5, 5}};
    return model;
}

DocumentModel unicodeText() {
    DocumentModel model;
    model.body.emplace_back(
        paragraph({run(QString::fromUtf16(u"  Zoë\tΩμέγα  кириллица 中文 \U0001F600 <&> \"' "))}));
    model.body.emplace_back(
        paragraph({run(QStringLiteral("\t")), run(QStringLiteral(" ")), run(QStringLiteral("a"))}));
    return model;
}

class RoundTrip : public testing::TestWithParam<ModelCase> {};

TEST_P(RoundTrip, GivesTheSameModel) {
    const DocumentModel model = GetParam().make();
    EXPECT_EQ(docxStoredForm(model), model);
    EXPECT_EQ(roundTrip(model), model);
}

INSTANTIATE_TEST_SUITE_P(Docx, RoundTrip,
                         testing::Values(ModelCase{"Letter", [] { return letterModel(false); }},
                                         ModelCase{"LetterWithPictures", [] { return letterModel(true); }},
                                         ModelCase{"EveryFormat", everyFormat}, ModelCase{"Tables", tables},
                                         ModelCase{"LinesEveryWay", linesEveryWay},
                                         ModelCase{"UnicodeText", unicodeText}),
                         [](const auto& info) { return std::string(info.param.name); });

// Models that break a rule or hold what the package cannot: written as repaired, read back as written.
struct RepairCase {
    const char* name;
    std::function<DocumentModel()> make;
    std::function<void(const DocumentModel& stored)> check;
};

void PrintTo(const RepairCase& c, std::ostream* out) {
    *out << c.name;
}

class Repair : public testing::TestWithParam<RepairCase> {};

TEST_P(Repair, IsWhatComesBack) {
    const DocumentModel model = GetParam().make();
    const DocumentModel stored = docxStoredForm(model);
    GetParam().check(stored);
    EXPECT_EQ(roundTrip(model), stored);
    EXPECT_EQ(docxBytes(stored), docxBytes(model));
}

const Paragraph& firstParagraph(const DocumentModel& model) {
    return std::get<Paragraph>(model.body.at(0));
}

INSTANTIATE_TEST_SUITE_P(
    Docx, Repair,
    testing::Values(
        RepairCase{"EmptyBodyGetsAParagraph", [] { return DocumentModel{}; },
                   [](const DocumentModel& m) {
                       ASSERT_EQ(m.body.size(), 1u);
                       EXPECT_TRUE(std::holds_alternative<Paragraph>(m.body[0]));
                   }},
        RepairCase{"TablesGetParagraphsAfterThem",
                   [] {
                       DocumentModel m;
                       m.body = {table(m.page, 1, 1), table(m.page, 1, 2)};
                       return m;
                   },
                   [](const DocumentModel& m) {
                       ASSERT_EQ(m.body.size(), 4u);
                       EXPECT_TRUE(std::holds_alternative<Paragraph>(m.body[1]));
                       EXPECT_TRUE(std::holds_alternative<Paragraph>(m.body[3]));
                   }},
        RepairCase{"RaggedTableIsSquaredUp",
                   [] {
                       DocumentModel m;
                       Table t;
                       t.columnWidths = {100};
                       t.rows = {std::vector<TableCell>(3), std::vector<TableCell>(1), {}};
                       m.body = {std::move(t), Table{}}; // the second has no rows: left out
                       return m;
                   },
                   [](const DocumentModel& m) {
                       ASSERT_EQ(m.body.size(), 2u);
                       const Table& t = std::get<Table>(m.body[0]);
                       // A4 text width 415.3 pt less the given 100, shared by the two missing columns.
                       EXPECT_EQ(t.columnWidths, (std::vector<float>{100, 157.65f, 157.65f}));
                       for (const auto& row : t.rows) {
                           ASSERT_EQ(row.size(), 3u);
                           for (const auto& cell : row)
                               EXPECT_EQ(cell.paragraphs.size(), 1u);
                       }
                   }},
        RepairCase{
            "ValuesAreClampedAndPutOnTheGrid",
            [] {
                const float nan = std::numeric_limits<float>::quiet_NaN();
                ParaFormat f;
                f.leftIndent = nan;
                f.rightIndent = -1e9f;
                f.spaceBefore = -3;
                f.spaceAfter = 10.017f;
                f.alignment = 9;
                f.outlineLevel = 42;
                const CharFormat huge{QStringLiteral("Arial"), 5000, 99, false};
                DocumentModel m;
                m.body = {paragraph({run(QStringLiteral("x"), huge)}, f, CharFormat{{}, 0.2f, -4, true})};
                m.page.width = std::numeric_limits<float>::infinity();
                m.shapes = {{nan, 1e9f, -1e9f, 0.00001f}};
                return m;
            },
            [](const DocumentModel& m) {
                const Paragraph& p = firstParagraph(m);
                EXPECT_EQ(p.format.leftIndent, 0);
                EXPECT_EQ(p.format.rightIndent, -1584);
                EXPECT_EQ(p.format.spaceBefore, 0);
                EXPECT_EQ(p.format.spaceAfter, 10.0f);
                EXPECT_EQ(p.format.alignment, 0);
                EXPECT_EQ(p.format.outlineLevel, 10);
                EXPECT_EQ(std::get<TextRun>(p.content[0]).format.size, 1638);
                EXPECT_EQ(std::get<TextRun>(p.content[0]).format.colorIndex, 0);
                EXPECT_EQ(p.markFormat.size, 1);
                EXPECT_EQ(m.page.width, 1584);
                EXPECT_EQ(m.shapes[0], (LineShape{0, 3168, -1584, 0}));
            }},
        RepairCase{"UnstorableTextAndPicturesGo",
                   [] {
                       DocumentModel m;
                       m.body = {paragraph({run(QStringLiteral("\x01")),
                                            run(QStringLiteral("a\r\nb") + QChar(0xDFFF)),
                                            picture("not a picture", 5, 5)})};
                       return m;
                   },
                   [](const DocumentModel& m) {
                       const Paragraph& p = firstParagraph(m);
                       ASSERT_EQ(p.content.size(), 1u);
                       EXPECT_EQ(std::get<TextRun>(p.content[0]).text, QStringLiteral("ab"));
                   }},
        RepairCase{"PictureTypeAndPixelsComeFromItsData",
                   [] {
                       DocumentModel m;
                       m.body = {paragraph({Picture{jpegPicture(12, 7, Qt::red), QStringLiteral("image/png"),
                                                    1, 1, 9, 5.25f}})};
                       return m;
                   },
                   [](const DocumentModel& m) {
                       const Picture& picture = std::get<Picture>(firstParagraph(m).content.at(0));
                       EXPECT_EQ(picture.mimeType, QStringLiteral("image/jpeg"));
                       EXPECT_EQ(picture.pixelWidth, 12);
                       EXPECT_EQ(picture.pixelHeight, 7);
                   }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DocxRandomModels, ComeBackAsTheirStoredForm) {
    std::mt19937 random(20240611);
    const Chooser below = [&](std::uint32_t n) { return n == 0 ? 0 : std::uint32_t(random() % n); };
    for (int i = 0; i < 150; ++i) {
        const DocumentModel model = randomModel(below);
        const DocumentModel stored = docxStoredForm(model);
        ASSERT_EQ(roundTrip(model), stored) << "random model " << i;
        ASSERT_EQ(docxStoredForm(stored), stored) << "random model " << i;
    }
}

TEST(DocxForeignPackage, ReadsTheMembersTheModelHolds) {
    QFile file(QStringLiteral(TAVRIN_DOCX_TEST_DATA "/known-good.docx"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const DocumentModel model = readDocx(file.readAll());

    EXPECT_EQ(model.page, (PageSetup{595.3f, 841.9f, 70.85f, 56.7f, 70.85f, 70.85f}));
    ASSERT_EQ(model.shapes.size(), 2u);
    EXPECT_EQ(model.shapes[1], (LineShape{50.2f, 800, 540, 800}));
    ASSERT_EQ(model.body.size(), 6u);
    const auto& centred = std::get<Paragraph>(model.body[1]);
    EXPECT_EQ(centred.format, letterFormat(1));
    EXPECT_EQ(std::get<TextRun>(centred.content.at(0)).format,
              (CharFormat{QStringLiteral("Arial"), 12, 2, true}));
    EXPECT_EQ(std::get<TextRun>(centred.content.at(0)).text, QStringLiteral("Centred bold blue"));
    EXPECT_EQ(std::get<Paragraph>(model.body[3]).markFormat.size, 24);

    const auto& table = std::get<Table>(model.body[4]);
    EXPECT_EQ(table.outsideColorIndex, 8);
    EXPECT_EQ(table.insideColorIndex, 8);
    EXPECT_EQ(table.columnWidths, (std::vector<float>{226.8f, 226.8f}));
    const auto& cellPicture = std::get<Picture>(table.rows.at(0).at(0).paragraphs.at(1).content.at(0));
    EXPECT_EQ(cellPicture.mimeType, QStringLiteral("image/png"));
    EXPECT_EQ(cellPicture.width, 216);
    EXPECT_EQ(cellPicture.height, 36);
    EXPECT_GT(cellPicture.pixelWidth, 0);
}

TEST(DocxForeignPackage, SurvivesRelationshipsLeadingNowhere) {
    QByteArray package = docxBytes(letterModel(true));
    QByteArray rels = partOf(package, "word/_rels/document.xml.rels");
    rels.replace("media/image1.jpeg", "../../../../etc/passwd");
    rels.replace("media/image2.png", "media/missing.png");
    rels.replace("styles.xml", "/nowhere/styles.xml");
    const DocumentModel model = readDocx(withPart(package, "word/_rels/document.xml.rels", rels));
    int pictures = 0;
    DocumentModel copy = model;
    for (const Block& block : copy.body)
        if (const auto* p = std::get_if<Paragraph>(&block))
            pictures += int(std::count_if(p->content.begin(), p->content.end(), [](const Inline& i) {
                return std::holds_alternative<Picture>(i);
            }));
    EXPECT_EQ(pictures, 1); // the third picture's part is still there; the other two are gone
}

// Damaged and hostile packages: each fails with BadDocument, whatever is wrong with it.
struct DamageCase {
    const char* name;
    std::function<QByteArray(const QByteArray& goodPackage)> damage;
    DocxReadLimits limits = {};
};

void PrintTo(const DamageCase& c, std::ostream* out) {
    *out << c.name;
}

class DamagedPackage : public testing::TestWithParam<DamageCase> {};

TEST_P(DamagedPackage, FailsAsABadDocument) {
    static const QByteArray good = docxBytes(letterModel(true));
    const QByteArray bad = GetParam().damage(good);
    try {
        readDocx(bad, GetParam().limits);
        FAIL() << "read without complaint";
    } catch (const AutomationError& error) {
        EXPECT_EQ(error.number, errors::BadDocument) << error.what();
        EXPECT_FALSE(error.description.isEmpty());
    }
}

// Where an entry's packed data starts: after its local header (30 bytes, the name, the extra field).
qsizetype entryDataOffset(const QByteArray& package, const QByteArray& name) {
    const auto le16 = [&](qsizetype at) {
        return qsizetype(uchar(package[at])) | qsizetype(uchar(package[at + 1])) << 8;
    };
    for (qsizetype header = package.indexOf("PK\x03\x04"); header >= 0;
         header = package.indexOf("PK\x03\x04", header + 1)) {
        const qsizetype nameLength = le16(header + 26);
        if (package.mid(header + 30, nameLength) == name)
            return header + 30 + nameLength + le16(header + 28);
    }
    return -1;
}

QByteArray withDocumentXml(const QByteArray& package, const QByteArray& xml) {
    return withPart(package, "word/document.xml", xml);
}

const QByteArray documentStart =
    R"(<w:document xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main">)";

QByteArray tablesPackage(int tables, int rows, int columns) {
    const QByteArray row = "<w:tr>" + QByteArray("<w:tc><w:p/></w:tc>").repeated(columns) + "</w:tr>";
    const QByteArray table = "<w:tbl>" + row.repeated(rows) + "</w:tbl><w:p/>";
    return zipOf({{"word/document.xml",
                   documentStart + "<w:body>" + table.repeated(tables) + "</w:body></w:document>"}});
}

// 5,000 grid columns and 5,000 empty rows: a table of 25 million cells once every row is as wide as
// the grid, from a package of well under a kilobyte.
QByteArray hugeGridPackage() {
    return zipOf(
        {{"word/document.xml", documentStart + "<w:body><w:tbl><w:tblGrid>" +
                                   QByteArray(R"(<w:gridCol w:w="10"/>)").repeated(5000) + "</w:tblGrid>" +
                                   QByteArray("<w:tr/>").repeated(5000) + "</w:tbl></w:body></w:document>"}});
}

TEST(DocxLimits, HugeGridPackageIsSmall) {
    EXPECT_LT(hugeGridPackage().size(), 1024);
}

TEST(DocxLimits, TablesUpToTheCellLimitAreRead) {
    const DocumentModel model = readDocx(tablesPackage(3, 2, 2), DocxReadLimits{.tableCells = 12});
    EXPECT_EQ(std::count_if(model.body.begin(), model.body.end(),
                            [](const Block& block) { return std::holds_alternative<Table>(block); }),
              3);
}

INSTANTIATE_TEST_SUITE_P(
    Docx, DamagedPackage,
    testing::Values(
        DamageCase{"Empty", [](const QByteArray&) { return QByteArray(); }},
        DamageCase{"NotAZip", [](const QByteArray&) { return QByteArray("just some text, no zip at all"); }},
        DamageCase{"RandomBytes",
                   [](const QByteArray&) {
                       std::mt19937 random(7);
                       QByteArray bytes(4096, Qt::Uninitialized);
                       for (char& c : bytes)
                           c = char(random());
                       return bytes;
                   }},
        DamageCase{"TruncatedToHalf", [](const QByteArray& good) { return good.left(good.size() / 2); }},
        DamageCase{"LastByteMissing", [](const QByteArray& good) { return good.chopped(1); }},
        DamageCase{"CentralDirectoryCut", [](const QByteArray& good) { return good.chopped(60); }},
        DamageCase{"DocumentDataCorrupted",
                   [](const QByteArray& good) {
                       QByteArray bad = good;
                       const qsizetype data = entryDataOffset(bad, "word/document.xml");
                       for (qsizetype i = data + 40; i < data + 60; ++i)
                           bad[i] = char(bad[i] ^ 0x5A);
                       return bad;
                   }},
        DamageCase{"NoDocumentPart",
                   [](const QByteArray& good) {
                       return withoutPart(withoutPart(good, "word/document.xml"), "_rels/.rels");
                   }},
        DamageCase{"DocumentNotXml",
                   [](const QByteArray& good) { return withDocumentXml(good, "<w:document <<"); }},
        DamageCase{"DocumentXmlCutShort",
                   [](const QByteArray& good) {
                       const QByteArray xml = partOf(good, "word/document.xml");
                       return withDocumentXml(good, xml.left(xml.size() / 2));
                   }},
        DamageCase{"UndeclaredPrefix",
                   [](const QByteArray& good) {
                       return withDocumentXml(good, "<w:document><w:body/></w:document>");
                   }},
        DamageCase{"NotAWordDocument",
                   [](const QByteArray& good) { return withDocumentXml(good, "<html><body/></html>"); }},
        DamageCase{"EntityExpansion",
                   [](const QByteArray& good) {
                       return withDocumentXml(good,
                                              R"(<?xml version="1.0"?><!DOCTYPE d [<!ENTITY a "aaaaaaaaaa">)"
                                              R"(<!ENTITY b "&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;">]>)" +
                                                  documentStart + "<w:body>&b;</w:body></w:document>");
                   }},
        DamageCase{"NestedTooDeep",
                   [](const QByteArray& good) {
                       const int depth = 100000;
                       return withDocumentXml(
                           good, documentStart + "<w:body>" + QByteArray("<w:sdt>").repeated(depth) +
                                     QByteArray("</w:sdt>").repeated(depth) + "</w:body></w:document>");
                   }},
        DamageCase{"ZipBomb",
                   [](const QByteArray& good) {
                       // 40 MiB of white space packs into a few dozen kilobytes.
                       return withDocumentXml(good,
                                              documentStart + QByteArray(40 << 20, ' ') + "</w:document>");
                   }},
        DamageCase{"TooManyEntries",
                   [](const QByteArray& good) {
                       std::vector<std::pair<std::string, QByteArray>> entries;
                       for (const std::string& name : entryNames(good))
                           entries.emplace_back(name, partOf(good, name));
                       for (int i = 0; i < 2100; ++i)
                           entries.emplace_back("junk/" + std::to_string(i), QByteArray());
                       return zipOf(entries);
                   }},
        DamageCase{"PicturesBeyondTheTotalLimit", [](const QByteArray& good) { return good; },
                   DocxReadLimits{.totalSize = 30000}},
        DamageCase{"TableSizedFromAHugeGrid", [](const QByteArray&) { return hugeGridPackage(); }},
        DamageCase{"TooManyParagraphs",
                   [](const QByteArray&) {
                       return zipOf({{"word/document.xml", documentStart + "<w:body>" +
                                                               QByteArray("<w:p/>").repeated(200'001) +
                                                               "</w:body></w:document>"}});
                   }},
        DamageCase{"TooManyCellsInOneRow",
                   [](const QByteArray&) {
                       return zipOf({{"word/document.xml", documentStart + "<w:body><w:tbl><w:tr>" +
                                                               QByteArray("<w:tc/>").repeated(200'001) +
                                                               "</w:tr></w:tbl></w:body></w:document>"}});
                   }},
        DamageCase{"CellsOfAllTablesTogether",
                   [](const QByteArray&) { return tablesPackage(3, 2, 2); }, // 12 cells
                   DocxReadLimits{.tableCells = 11}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
