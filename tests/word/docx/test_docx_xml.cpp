// The XML the package writer produces, element by element, as the word processors need it.

#include "docx_models.h"
#include "docx_testing.h"
#include "word/engine/docx.h"

#include <gtest/gtest.h>

#include <ostream>

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <set>

using namespace docxtest;

namespace {

QByteArray documentXmlOf(const DocumentModel& model) {
    return partOf(docxBytes(model), "word/document.xml");
}

DocumentModel oneParagraph(Paragraph p) {
    DocumentModel model;
    model.body.emplace_back(std::move(p));
    return model;
}

const QByteArray timesMark = R"(<w:rPr><w:rFonts w:ascii="Times New Roman" w:hAnsi="Times New Roman" )"
                             R"(w:eastAsia="Times New Roman" w:cs="Times New Roman"/><w:sz w:val="20"/>)"
                             R"(<w:szCs w:val="20"/></w:rPr>)";

struct ParagraphCase {
    const char* name;
    ParaFormat format;
    QByteArray expectedProperties;
};

void PrintTo(const ParagraphCase& c, std::ostream* out) {
    *out << c.name;
}

class ParagraphProperties : public testing::TestWithParam<ParagraphCase> {};

TEST_P(ParagraphProperties, AreWrittenInSchemaOrder) {
    const QByteArray xml = documentXmlOf(oneParagraph(paragraph({}, GetParam().format)));
    EXPECT_EQ(element(xml, "w:pPr"), GetParam().expectedProperties + timesMark + "</w:pPr>");
}

INSTANTIATE_TEST_SUITE_P(
    Docx, ParagraphProperties,
    testing::Values(
        ParagraphCase{
            "LetterFormatRightAligned", letterFormat(2),
            R"(<w:pPr><w:widowControl/><w:spacing w:before="0" w:after="0" w:line="360" w:lineRule="auto"/>)"
            R"(<w:ind w:left="0" w:right="0" w:firstLine="0"/><w:jc w:val="right"/>)"},
        ParagraphCase{
            "Centred", letterFormat(1),
            R"(<w:pPr><w:widowControl/><w:spacing w:before="0" w:after="0" w:line="360" w:lineRule="auto"/>)"
            R"(<w:ind w:left="0" w:right="0" w:firstLine="0"/><w:jc w:val="center"/>)"},
        ParagraphCase{"EveryMemberAwayFromItsDefault", everyMemberAwayFromItsDefault(),
                      R"(<w:pPr><w:keepNext/><w:keepLines/><w:pageBreakBefore/><w:widowControl w:val="0"/>)"
                      R"(<w:suppressLineNumbers/><w:suppressAutoHyphens/>)"
                      R"(<w:spacing w:before="120" w:after="240" w:line="480" w:lineRule="auto"/>)"
                      R"(<w:ind w:left="720" w:right="370" w:hanging="180"/><w:jc w:val="both"/>)"
                      R"(<w:outlineLvl w:val="0"/>)"},
        ParagraphCase{
            "UnknownValuesFallBack",
            ParaFormat{.alignment = 7,
                       .leftIndent = 1e9f,
                       .spaceBefore = -5,
                       .lineSpacingRule = 9,
                       .outlineLevel = 0},
            R"(<w:pPr><w:widowControl/><w:spacing w:before="0" w:after="0" w:line="240" w:lineRule="auto"/>)"
            R"(<w:ind w:left="31680" w:right="0" w:firstLine="0"/><w:jc w:val="left"/>)"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DocxRun, WritesAllFourFontSlotsBoldColourAndSize) {
    const CharFormat format{QStringLiteral("Arial"), 10.5f, 2, true};
    const QByteArray xml = documentXmlOf(oneParagraph(paragraph({run(QStringLiteral("Blue"), format)})));
    EXPECT_EQ(element(xml, "w:r"),
              R"(<w:r><w:rPr><w:rFonts w:ascii="Arial" w:hAnsi="Arial" w:eastAsia="Arial" w:cs="Arial"/>)"
              R"(<w:b/><w:bCs/><w:color w:val="0000FF"/><w:sz w:val="21"/><w:szCs w:val="21"/></w:rPr>)"
              R"(<w:t>Blue</w:t></w:r>)");
}

class ColourIndex : public testing::TestWithParam<std::pair<int, const char*>> {};

TEST_P(ColourIndex, MapsToTheWordProcessorsRgb) {
    const auto [index, rgb] = GetParam();
    const CharFormat format{QStringLiteral("Arial"), 12, index, false};
    const QByteArray color =
        element(documentXmlOf(oneParagraph(paragraph({run(QStringLiteral("x"), format)}))), "w:color");
    if (*rgb)
        EXPECT_EQ(color, QByteArray(R"(<w:color w:val=")") + rgb + R"("/>)");
    else
        EXPECT_TRUE(color.isEmpty())
            << color.constData(); // automatic, and unknown indexes count as automatic
}

INSTANTIATE_TEST_SUITE_P(
    Docx, ColourIndex,
    testing::Values(std::pair{0, ""}, std::pair{1, "000000"}, std::pair{2, "0000FF"}, std::pair{3, "00FFFF"},
                    std::pair{4, "00FF00"}, std::pair{5, "FF00FF"}, std::pair{6, "FF0000"},
                    std::pair{7, "FFFF00"}, std::pair{8, "FFFFFF"}, std::pair{9, "000080"},
                    std::pair{10, "008080"}, std::pair{11, "008000"}, std::pair{12, "800080"},
                    std::pair{13, "800000"}, std::pair{14, "808000"}, std::pair{15, "808080"},
                    std::pair{16, "C0C0C0"}, std::pair{17, ""}, std::pair{-1, ""}));

struct TextCase {
    const char* name;
    QString text;
    QByteArray expectedContent; // the run's XML after its properties
};

void PrintTo(const TextCase& c, std::ostream* out) {
    *out << c.name;
}

class RunText : public testing::TestWithParam<TextCase> {};

TEST_P(RunText, IsEscapedAndKeepsItsSpaces) {
    const QByteArray xml = documentXmlOf(oneParagraph(paragraph({run(GetParam().text)})));
    const QByteArray runXml = element(xml, "w:r");
    const QByteArray afterProperties = runXml.mid(runXml.indexOf("</w:rPr>") + 8);
    EXPECT_EQ(afterProperties, GetParam().expectedContent + "</w:r>");
}

INSTANTIATE_TEST_SUITE_P(
    Docx, RunText,
    testing::Values(
        TextCase{"Plain", QStringLiteral("Dear Sir"), "<w:t>Dear Sir</w:t>"},
        TextCase{"LeadingAndTrailingSpaces", QStringLiteral("  Dear Sir "),
                 R"(<w:t xml:space="preserve">  Dear Sir </w:t>)"},
        TextCase{"RepeatedSpaces", QStringLiteral("a  b"), R"(<w:t xml:space="preserve">a  b</w:t>)"},
        TextCase{"Tabs", QStringLiteral("\ta\t\tb\t"),
                 "<w:tab/><w:t>a</w:t><w:tab/><w:tab/><w:t>b</w:t><w:tab/>"},
        TextCase{"Markup", QStringLiteral("<b>&amp;\"'</b>"),
                 "<w:t>&lt;b&gt;&amp;amp;&quot;'&lt;/b&gt;</w:t>"},
        TextCase{"ForbiddenControlsDropped", QStringLiteral("a\x01\x08\x0b\x0c\x1f\r\nb"), "<w:t>ab</w:t>"},
        TextCase{"NonCharactersAndLoneSurrogatesDropped",
                 QStringLiteral("a") + QChar(0xFFFE) + QChar(0xFFFF) + QChar(0xD800) + u'b' + QChar(0xDC00),
                 "<w:t>ab</w:t>"},
        TextCase{"SupplementaryCharactersKept", QString::fromUtf16(u"\U0001F600 \u00E9\u4E2D"),
                 "<w:t>\xF0\x9F\x98\x80 \xC3\xA9\xE4\xB8\xAD</w:t>"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DocxRun, LeftEmptyByDroppedCharactersIsNotWritten) {
    const QByteArray xml = documentXmlOf(oneParagraph(paragraph({run(QStringLiteral("\x01\x02")), run({})})));
    EXPECT_TRUE(element(xml, "w:r").isEmpty()) << xml.constData();
}

TEST(DocxRun, FontNameLosesControlCharacters) {
    const CharFormat format{QStringLiteral("Ari\tal\x01"), 12, 0, false};
    const QByteArray xml = documentXmlOf(oneParagraph(paragraph({run(QStringLiteral("x"), format)})));
    EXPECT_TRUE(element(xml, "w:rFonts", 1).startsWith(R"(<w:rFonts w:ascii="Arial" )")) << xml.constData();
}

TEST(DocxTable, HasFixedLayoutColumnWidthsAndBorderColours) {
    DocumentModel model;
    Table t = table(model.page, 1, 2);
    t.outsideColorIndex = 8;
    t.insideColorIndex = 0;
    model.body.insert(model.body.begin(), std::move(t));
    const QByteArray xml = documentXmlOf(model);

    // A4 less two margins of 90 pt: 415.3 pt of text, two columns of 207.65 pt (4153 twips).
    const QByteArray white = R"(w:val="single" w:sz="4" w:space="0" w:color="FFFFFF"/>)";
    const QByteArray automatic = R"(w:val="single" w:sz="4" w:space="0" w:color="auto"/>)";
    EXPECT_EQ(
        element(xml, "w:tblPr"),
        R"(<w:tblPr><w:tblW w:w="8306" w:type="dxa"/><w:tblBorders>)"
        "<w:top " +
            white + "<w:left " + white + "<w:bottom " + white + "<w:right " + white + "<w:insideH " +
            automatic + "<w:insideV " + automatic +
            R"(</w:tblBorders><w:tblLayout w:type="fixed"/><w:tblCellMar><w:left w:w="108" w:type="dxa"/>)"
            R"(<w:right w:w="108" w:type="dxa"/></w:tblCellMar></w:tblPr>)");
    EXPECT_EQ(element(xml, "w:tblGrid"),
              R"(<w:tblGrid><w:gridCol w:w="4153"/><w:gridCol w:w="4153"/></w:tblGrid>)");
    EXPECT_EQ(element(xml, "w:tcPr"), R"(<w:tcPr><w:tcW w:w="4153" w:type="dxa"/></w:tcPr>)");
    // Every cell ends with a paragraph, and a paragraph follows the table.
    EXPECT_TRUE(element(xml, "w:tc").endsWith("</w:p></w:tc>"));
    EXPECT_TRUE(xml.contains("</w:tbl><w:p>"));
}

TEST(DocxPage, SectionGivesPageSizeAndAllSevenMargins) {
    DocumentModel model = oneParagraph(paragraph({}));
    model.page = PageSetup{612, 792, 72, 72, 90, 90};
    const QByteArray xml = documentXmlOf(model);
    EXPECT_EQ(
        element(xml, "w:sectPr"),
        R"(<w:sectPr><w:pgSz w:w="12240" w:h="15840"/><w:pgMar w:top="1440" w:right="1800" w:bottom="1440" )"
        R"(w:left="1800" w:header="720" w:footer="720" w:gutter="0"/><w:cols w:space="720"/></w:sectPr>)");
    EXPECT_TRUE(xml.trimmed().endsWith("</w:sectPr></w:body></w:document>"));
}

TEST(DocxPicture, IsInlineWithItsSizeInEmuAndItsOwnMediaPart) {
    const QByteArray png = pngPicture(40, 20, Qt::red);
    const QByteArray package = docxBytes(oneParagraph(paragraph({picture(png, 30, 15)})));
    const QByteArray xml = partOf(package, "word/document.xml");
    EXPECT_EQ(element(xml, "wp:extent"), R"(<wp:extent cx="381000" cy="190500"/>)");
    EXPECT_EQ(element(xml, "wp:docPr"), R"(<wp:docPr id="1" name="Picture 1"/>)");
    EXPECT_EQ(element(xml, "a:blip"), R"(<a:blip r:embed="rId3"/>)");
    EXPECT_EQ(partOf(package, "word/media/image1.png"), png);
    EXPECT_TRUE(
        partOf(package, "word/_rels/document.xml.rels")
            .contains(R"(<Relationship Id="rId3" Type="http://schemas.openxmlformats.org/officeDocument/)"
                      R"(2006/relationships/image" Target="media/image1.png"/>)"));
    EXPECT_TRUE(partOf(package, "[Content_Types].xml")
                    .contains(R"(<Default Extension="png" ContentType="image/png"/>)"));
}

TEST(DocxPicture, DrawingIdsAreUniqueAcrossPicturesAndLinesAndEqualPicturesShareAPart) {
    const QByteArray png = pngPicture(4, 4, Qt::red);
    const QByteArray jpeg = jpegPicture(4, 4, Qt::blue);
    DocumentModel model = oneParagraph(paragraph({picture(png, 3, 3), picture(jpeg, 3, 3)}));
    Table t = table(model.page, 1, 1);
    t.rows[0][0].paragraphs[0].content.emplace_back(picture(png, 3, 3));
    model.body.emplace_back(std::move(t));
    model.shapes = {{0, 0, 10, 10}, {5, 5, 6, 6}};
    const QByteArray package = docxBytes(model);
    const QByteArray xml = partOf(package, "word/document.xml");

    std::set<QByteArray> ids;
    for (int i = 0;; ++i) {
        const QByteArray docPr = element(xml, "wp:docPr", i);
        if (docPr.isEmpty())
            break;
        const qsizetype start = docPr.indexOf("id=\"") + 4;
        ids.insert(docPr.mid(start, docPr.indexOf('"', start) - start));
    }
    EXPECT_EQ(ids, (std::set<QByteArray>{"1", "2", "3", "4", "5"}));
    const std::vector<std::string> names = entryNames(package);
    EXPECT_EQ(std::count_if(names.begin(), names.end(),
                            [](const std::string& n) { return n.starts_with("word/media/"); }),
              2);
    EXPECT_EQ(partOf(package, "word/media/image2.jpeg"), jpeg);
    EXPECT_TRUE(partOf(package, "[Content_Types].xml")
                    .contains(R"(<Default Extension="jpeg" ContentType="image/jpeg"/>)"));
}

TEST(DocxPicture, OfAnUnknownTypeIsLeftOut) {
    const QByteArray package = docxBytes(oneParagraph(paragraph({picture("GIF89a....", 3, 3)})));
    EXPECT_FALSE(partOf(package, "word/document.xml").contains("<w:drawing>"));
    const std::vector<std::string> names = entryNames(package);
    EXPECT_TRUE(std::none_of(names.begin(), names.end(),
                             [](const std::string& n) { return n.starts_with("word/media/"); }));
}

TEST(DocxLine, IsAnchoredToThePageInTheFirstBodyParagraphWithAVmlFallback) {
    DocumentModel model;
    model.body.insert(model.body.begin(), table(model.page, 1, 1)); // the first block is a table: not there
    model.shapes.push_back({540, 100, 54, 150.5f});                 // right to left, downwards
    const QByteArray xml = documentXmlOf(model);

    EXPECT_TRUE(element(xml, "w:tbl").indexOf("mc:AlternateContent") < 0);
    const QByteArray anchor = element(xml, "wp:anchor");
    EXPECT_TRUE(anchor.contains(
        R"(<wp:positionH relativeFrom="page"><wp:posOffset>685800</wp:posOffset></wp:positionH>)"
        R"(<wp:positionV relativeFrom="page"><wp:posOffset>1270000</wp:posOffset></wp:positionV>)"
        R"(<wp:extent cx="6172200" cy="641350"/>)"))
        << anchor.constData();
    EXPECT_TRUE(anchor.contains(R"(<wp:wrapNone/><wp:docPr id="1" name="Line 1"/>)"));
    EXPECT_TRUE(
        anchor.contains(R"(<a:xfrm flipH="1"><a:off x="0" y="0"/><a:ext cx="6172200" cy="641350"/></a:xfrm>)"
                        R"(<a:prstGeom prst="line"><a:avLst/></a:prstGeom>)"));
    EXPECT_EQ(
        element(xml, "v:line"),
        R"(<v:line id="_x0000_s1025" style="position:absolute;z-index:251659264;)"
        R"(mso-position-horizontal-relative:page;mso-position-vertical-relative:page" from="540.00pt,100.00pt" )"
        R"(to="54.00pt,150.50pt" strokecolor="#000000" strokeweight="0.75pt"><w10:wrap anchorx="page" )"
        R"(anchory="page"/></v:line>)");
}

TEST(DocxPackage, HoldsStylesWithDefaultsAndTheCompatibilitySetting) {
    const QByteArray package = docxBytes(DocumentModel{});
    EXPECT_EQ(entryNames(package),
              (std::vector<std::string>{"[Content_Types].xml", "_rels/.rels", "word/document.xml",
                                        "word/_rels/document.xml.rels", "word/styles.xml",
                                        "word/settings.xml", "docProps/core.xml", "docProps/app.xml"}));
    EXPECT_EQ(
        element(partOf(package, "word/styles.xml"), "w:docDefaults"),
        R"(<w:docDefaults><w:rPrDefault><w:rPr><w:rFonts w:ascii="Times New Roman" w:hAnsi="Times New Roman" )"
        R"(w:eastAsia="Times New Roman" w:cs="Times New Roman"/><w:sz w:val="20"/><w:szCs w:val="20"/></w:rPr>)"
        R"(</w:rPrDefault><w:pPrDefault><w:pPr><w:spacing w:after="0" w:line="240" w:lineRule="auto"/></w:pPr>)"
        R"(</w:pPrDefault></w:docDefaults>)");
    EXPECT_EQ(element(partOf(package, "word/settings.xml"), "w:compat"),
              R"(<w:compat><w:compatSetting w:name="compatibilityMode" )"
              R"(w:uri="http://schemas.microsoft.com/office/word" w:val="15"/></w:compat>)");
    // An empty model still gets its one paragraph.
    EXPECT_EQ(element(partOf(package, "word/document.xml"), "w:body").count("<w:p>"), 1);
}

TEST(DocxPackage, SameModelGivesSameBytesWhateverTheClockAndTimeZone) {
    const DocumentModel model = letterModel(true);
    const QByteArray first = docxBytes(model);
    const char* savedZone = std::getenv("TZ");
    const std::string saved = savedZone ? savedZone : "";
    setenv("TZ", "Pacific/Kiritimati", 1);
    tzset();
    const QByteArray second = docxBytes(model);
    if (savedZone)
        setenv("TZ", saved.c_str(), 1);
    else
        unsetenv("TZ");
    tzset();
    EXPECT_EQ(first, second);
    EXPECT_FALSE(partOf(first, "docProps/core.xml").contains("dcterms:")); // no creation or change dates
}

} // namespace
