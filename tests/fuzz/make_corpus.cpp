// Writes the seed corpus of the fuzz targets, one folder per target under the folder given:
//
//   fuzz_docx_open      the six styles' letters as packages, a table, pictures and damaged packages
//                       (cut short, a flipped byte, a part missing, XML that is not, a table grid that
//                       would ask for gigabytes, nesting past the limit); the letters' main document parts
//                       alone, the way the target takes them after a first odd byte
//   fuzz_engine_typing  operation scripts in the target's own encoding: a letter typed with its fonts and
//                       paragraph formats, a heading band with a picture cell, drawn lines
//   fuzz_docx_model     inputs whose models hold a table, a picture, both, line shapes, nine blocks
//
// Usage: make_corpus OUTPUT_FOLDER. The corpus is committed under fuzz/corpus; run this again after the
// targets' input encodings change.

#include "docx_models.h"
#include "docx_testing.h"
#include "styledletter.h"

#include "artwork/artwork.h"
#include "builder/style.h"
#include "word/engine/docx.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>

#include <cstdint>
#include <cstdio>
#include <functional>
#include <random>
#include <vector>

namespace {

using namespace word::engine;
using docxtest::partOf;
using docxtest::withoutPart;
using docxtest::withPart;
using docxtest::zipOf;

QString outputFolder;

bool writeSeed(const QString& target, const QString& name, const QByteArray& bytes) {
    const QString folder = outputFolder + u'/' + target;
    QFile file(folder + u'/' + name);
    if (!QDir().mkpath(folder) || !file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
        return false;
    }
    return true;
}

// fuzz_docx_open: an even first byte for a whole package, an odd one for a main document part alone.
QByteArray asPackage(const QByteArray& package) {
    return QByteArray(1, '\0') + package;
}
QByteArray asDocumentPart(const QByteArray& xml) {
    return QByteArray(1, '\1') + xml;
}

QByteArray letterPackage(tavrin::Style style) {
    tavrin::testing::StyledLetter letter;
    letter.build(tavrin::testing::sampleChoices(style, tavrin::Alignment::Left));
    return docxBytes(letter.model());
}

Paragraph paragraphOf(const QString& text) {
    Paragraph paragraph;
    paragraph.content.push_back(TextRun{CharFormat{}, text});
    return paragraph;
}

QByteArray tablePackage() {
    DocumentModel model;
    Table table;
    for (int row = 0; row < 3; ++row) {
        std::vector<TableCell> cells;
        for (int column = 0; column < 3; ++column)
            cells.push_back(TableCell{{paragraphOf(QStringLiteral("cell %1,%2").arg(row).arg(column))}});
        table.rows.push_back(cells);
    }
    table.columnWidths = {100, 150, 165};
    table.insideColorIndex = table.outsideColorIndex = 8;
    model.body = {paragraphOf(QStringLiteral("Before the table")), table, paragraphOf(QString())};
    return docxBytes(model);
}

Picture pictureOf(artwork::StylePicture stylePicture, const char* format, const QString& mimeType) {
    const QImage image = artwork::image(stylePicture);
    Picture picture;
    QBuffer buffer(&picture.data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    picture.mimeType = mimeType;
    picture.pixelWidth = image.width();
    picture.pixelHeight = image.height();
    picture.width = float(image.width()) * 0.75f;
    picture.height = float(image.height()) * 0.75f;
    return picture;
}

QByteArray picturePackage() {
    Paragraph paragraph = paragraphOf(QStringLiteral("A picture: "));
    paragraph.content.push_back(
        pictureOf(artwork::StylePicture::PictureDark, "PNG", QStringLiteral("image/png")));
    paragraph.content.push_back(
        pictureOf(artwork::StylePicture::RomanticLine, "JPEG", QStringLiteral("image/jpeg")));
    DocumentModel model;
    model.body = {paragraph};
    model.shapes = {LineShape{72, 100, 500, 100}};
    return docxBytes(model);
}

const QByteArray DocumentStart =
    R"(<w:document xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main">)";

// 5,000 grid columns and 5,000 empty rows: 25 million cells from well under a kilobyte.
QByteArray hugeGridXml() {
    return DocumentStart + "<w:body><w:tbl><w:tblGrid>" +
           QByteArray(R"(<w:gridCol w:w="10"/>)").repeated(5000) + "</w:tblGrid>" +
           QByteArray("<w:tr/>").repeated(5000) + "</w:tbl></w:body></w:document>";
}

QByteArray deepXml() {
    return DocumentStart + "<w:body><w:p>" + QByteArray("<w:r>").repeated(200) +
           QByteArray("</w:r>").repeated(200) + "</w:p></w:body></w:document>";
}

bool writeDocxOpenSeeds() {
    const QString target = QStringLiteral("fuzz_docx_open");
    bool ok = true;
    QByteArray romantic;
    for (tavrin::Style style : tavrin::AllStyles) {
        const QByteArray package = letterPackage(style);
        if (style == tavrin::Style::Romantic)
            romantic = package;
        const QString name = tavrin::styleName(style).toLower();
        ok &= writeSeed(target, name + QStringLiteral(".docx"), asPackage(package));
        ok &= writeSeed(target, name + QStringLiteral("-document.xml"),
                        asDocumentPart(partOf(package, "word/document.xml")));
    }
    const QByteArray table = tablePackage();
    ok &= writeSeed(target, QStringLiteral("table.docx"), asPackage(table));
    ok &= writeSeed(target, QStringLiteral("table-document.xml"),
                    asDocumentPart(partOf(table, "word/document.xml")));
    ok &= writeSeed(target, QStringLiteral("pictures.docx"), asPackage(picturePackage()));

    QByteArray flipped = romantic;
    flipped[flipped.size() / 2] = char(flipped[flipped.size() / 2] ^ 0x5a);
    ok &= writeSeed(target, QStringLiteral("damaged-cut-short.docx"),
                    asPackage(romantic.left(romantic.size() / 2)));
    ok &= writeSeed(target, QStringLiteral("damaged-flipped-byte.docx"), asPackage(flipped));
    ok &= writeSeed(target, QStringLiteral("damaged-no-document.docx"),
                    asPackage(withoutPart(romantic, "word/document.xml")));
    ok &= writeSeed(target, QStringLiteral("damaged-not-xml.docx"),
                    asPackage(withPart(romantic, "word/document.xml", DocumentStart + "<w:body><w:p><w:r>")));
    ok &= writeSeed(target, QStringLiteral("damaged-huge-grid.docx"),
                    asPackage(zipOf({{"word/document.xml", hugeGridXml()}})));
    ok &= writeSeed(target, QStringLiteral("damaged-huge-grid-document.xml"), asDocumentPart(hugeGridXml()));
    ok &= writeSeed(target, QStringLiteral("damaged-deep-document.xml"), asDocumentPart(deepXml()));
    ok &= writeSeed(target, QStringLiteral("damaged-not-a-zip.docx"), asPackage("PK\3\4 not really a zip"));
    return ok;
}

// The choices fuzz_engine_typing makes, written the way FuzzedDataProvider takes them back: integers are
// read from the end of the input, most significant byte first.
class TypingScript {
public:
    TypingScript& step(int operation) { return integer(0, 17, operation); }
    TypingScript& text(const QString& text) {
        integer(0, 40, int(text.size()));
        for (QChar c : text)
            integer(0, 0xffff, c.unicode());
        return *this;
    }
    TypingScript& number(float value) { // anyFloat's whole and half values
        integer(0, 255, 0);
        return integer(-2000, 2000, int(value * 2));
    }
    TypingScript& integer(std::int64_t min, std::int64_t max, std::int64_t value) {
        const std::uint64_t range = std::uint64_t(max - min), offset = std::uint64_t(value - min);
        int bytes = 0;
        while (bytes < 8 && (range >> (8 * bytes)) > 0)
            ++bytes;
        for (int i = bytes - 1; i >= 0; --i)
            taken_.push_back(char((offset >> (8 * i)) & 0xff));
        return *this;
    }
    QByteArray bytes() const {
        QByteArray input;
        for (auto byte = taken_.crbegin(); byte != taken_.crend(); ++byte)
            input.append(*byte);
        return input;
    }

private:
    std::vector<char> taken_; // in the order the target takes them
};

enum Operation {
    TypeText = 0,
    TypeParagraph = 1,
    MoveRight = 2,
    MoveDown = 3,
    EndOf = 4,
    FontName = 5,
    FontSize = 6,
    FontColour = 7,
    Bold = 8,
    Alignment = 9,
    LeftIndent = 10,
    SpaceAfter = 11,
    LineSpacing = 12,
    AddTable = 13,
    SelectCell = 14,
    InsideRules = 15,
    AddLine = 16,
    OutlineLevel = 17,
};

bool writeTypingSeeds() {
    const QString target = QStringLiteral("fuzz_engine_typing");
    TypingScript letter;
    letter.step(FontName)
        .text(QStringLiteral("Arial"))
        .step(FontSize)
        .number(10)
        .step(Alignment)
        .integer(-1, 4, 1);
    letter.step(TypeText).text(QStringLiteral("12 Elm Street\r\nLondon")).step(TypeParagraph);
    letter.step(FontColour).integer(-2, 18, 2).step(Bold).integer(0, 255, 1);
    letter.step(TypeText).text(QStringLiteral("Dear [Click here and type names.] ")).step(TypeParagraph);
    letter.step(LeftIndent).number(18).step(SpaceAfter).number(6).step(LineSpacing).integer(-1, 3, 1);
    letter.step(TypeText).text(QStringLiteral("Thank you for a lovely weekend.")).step(EndOf);
    letter.step(OutlineLevel).integer(0, 11, 1).step(TypeText).text(QStringLiteral("Yours, \u00e9\u4e2d"));

    TypingScript band;
    band.step(AddTable)
        .integer(0, 4, 2)
        .integer(0, 4, 2)
        .step(InsideRules)
        .integer(1, 2, 1)
        .integer(-1, 17, 8);
    band.step(SelectCell).integer(1, 2, 1).integer(0, 4, 1).integer(0, 4, 1);
    band.step(TypeText)
        .text(QStringLiteral("Ada Lovelace"))
        .step(MoveRight)
        .step(TypeText)
        .text(QStringLiteral("x"));
    band.step(MoveDown)
        .step(MoveDown)
        .step(TypeParagraph)
        .step(TypeText)
        .text(QStringLiteral("After the band"));

    TypingScript lines;
    lines.step(AddLine).number(72).number(100).number(500).number(100).step(TypeText).text(
        QStringLiteral("rule"));
    lines.step(AddLine).number(-10).number(900).number(0).number(0).step(AddTable).integer(0, 4, 0).integer(
        0, 4, 3);

    return writeSeed(target, QStringLiteral("letter"), letter.bytes()) &&
           writeSeed(target, QStringLiteral("heading-band"), band.bytes()) &&
           writeSeed(target, QStringLiteral("lines-and-odd-table"), lines.bytes());
}

// fuzz_docx_model: the first inputs from a fixed random stream whose models show each feature, one
// input for each.
bool writeModelSeeds() {
    const QString target = QStringLiteral("fuzz_docx_model");
    struct Wanted {
        QString name;
        std::function<bool(const DocumentModel&)> shows;
        bool found = false;
    };
    auto hasTable = [](const DocumentModel& m) {
        for (const Block& block : m.body)
            if (std::holds_alternative<Table>(block))
                return true;
        return false;
    };
    auto hasPicture = [](const DocumentModel& m) {
        for (const Block& block : m.body)
            if (const auto* paragraph = std::get_if<Paragraph>(&block))
                for (const Inline& piece : paragraph->content)
                    if (std::holds_alternative<Picture>(piece))
                        return true;
        return false;
    };
    std::vector<Wanted> wanted{
        {QStringLiteral("table"), [&](const DocumentModel& m) { return hasTable(m) && !hasPicture(m); }},
        {QStringLiteral("picture"), [&](const DocumentModel& m) { return hasPicture(m) && !hasTable(m); }},
        {QStringLiteral("line-shapes"), [](const DocumentModel& m) { return !m.shapes.empty(); }},
        {QStringLiteral("nine-blocks"), [](const DocumentModel& m) { return m.body.size() >= 9; }},
        {QStringLiteral("table-and-picture"),
         [&](const DocumentModel& m) { return hasTable(m) && hasPicture(m); }},
    };
    std::mt19937 random(20261208);
    QList<QByteArray> written;
    bool ok = true;
    for (int attempt = 0; attempt < 20000; ++attempt) {
        QByteArray input(qsizetype(64 + random() % 2048), Qt::Uninitialized);
        for (char& byte : input)
            byte = char(random());
        FuzzedDataProvider provider(reinterpret_cast<const std::uint8_t*>(input.constData()),
                                    size_t(input.size()));
        const DocumentModel model = docxtest::randomModel([&](std::uint32_t n) {
            return n == 0 ? 0 : provider.ConsumeIntegralInRange<std::uint32_t>(0, n - 1);
        });
        for (Wanted& want : wanted) {
            if (!want.found && want.shows(model) && !written.contains(input)) {
                want.found = true;
                written.append(input);
                ok &= writeSeed(target, want.name, input);
            }
        }
    }
    for (const Wanted& want : wanted)
        if (!want.found)
            std::fprintf(stderr, "no input found for %s\n", qPrintable(want.name));
    return ok && writeSeed(target, QStringLiteral("empty"), QByteArray());
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    outputFolder = QString::fromLocal8Bit(argv[1]);
    return writeDocxOpenSeeds() && writeTypingSeeds() && writeModelSeeds() ? 0 : 1;
}
