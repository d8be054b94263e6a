#include "docx_models.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>

#include <cmath>
#include <limits>

namespace docxtest {

namespace {

QByteArray encodedPicture(int width, int height, QColor color, const char* format) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    QPainter painter(&image);
    painter.setPen(color.darker(200));
    painter.drawRect(0, 0, width - 1, height - 1);
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

CharFormat font(const QString& name, float size, int colorIndex = 0, bool bold = false) {
    return CharFormat{name, size, colorIndex, bold};
}

} // namespace

QByteArray pngPicture(int width, int height, QColor color) {
    return encodedPicture(width, height, color, "PNG");
}

QByteArray jpegPicture(int width, int height, QColor color) {
    return encodedPicture(width, height, color, "JPEG");
}

Picture picture(const QByteArray& data, float width, float height) {
    const QImage image = QImage::fromData(data);
    const bool png = data.startsWith("\x89PNG");
    return Picture{data,          png ? QStringLiteral("image/png") : QStringLiteral("image/jpeg"),
                   image.width(), image.height(),
                   width,         height};
}

TextRun run(const QString& text, const CharFormat& format) {
    return TextRun{format, text};
}

Paragraph paragraph(std::vector<Inline> content, const ParaFormat& format, const CharFormat& mark) {
    return Paragraph{format, mark, std::move(content)};
}

Table table(const PageSetup& page, int rows, int columns) {
    Table t;
    t.columnWidths.assign(std::size_t(columns), page.textWidth() / float(columns));
    t.rows.assign(std::size_t(rows), std::vector<TableCell>(std::size_t(columns), TableCell{{Paragraph{}}}));
    return t;
}

ParaFormat letterFormat(int alignment) {
    ParaFormat format;
    format.alignment = alignment;
    format.lineSpacingRule = 1;
    return format;
}

ParaFormat everyMemberAwayFromItsDefault() {
    ParaFormat f;
    f.alignment = 3;
    f.leftIndent = 36;
    f.rightIndent = 18.5f;
    f.firstLineIndent = -9;
    f.spaceBefore = 6;
    f.spaceAfter = 12;
    f.lineSpacingRule = 2;
    f.widowControl = false;
    f.keepWithNext = f.keepTogether = f.pageBreakBefore = f.noLineNumber = true;
    f.hyphenation = false;
    f.outlineLevel = 1;
    return f;
}

DocumentModel letterModel(bool withPictures) {
    DocumentModel model;
    const CharFormat body = font(QStringLiteral("Times New Roman"), 12);
    const CharFormat heading = font(QStringLiteral("Arial"), 16, 2, true);
    const ParaFormat left = letterFormat(0);

    Table header = table(model.page, 1, 2);
    header.insideColorIndex = header.outsideColorIndex = 8;
    auto& cells = header.rows[0];
    cells[0].paragraphs[0] = paragraph({run(QStringLiteral("Tavrin & Co."), heading)}, left, heading);
    if (withPictures)
        cells[0].paragraphs.push_back(
            paragraph({picture(jpegPicture(171, 119, QColor(40, 90, 160)), 128.25f, 89.25f)}, left, heading));
    cells[1].paragraphs[0] =
        paragraph({run(QStringLiteral("Mr. Writer\tLondon"), heading)}, letterFormat(2), heading);
    model.body.emplace_back(std::move(header));

    model.body.emplace_back(
        paragraph({run(QStringLiteral("  [Click here and type the recipient's name]  "), body)}, left, body));
    if (withPictures)
        model.body.emplace_back(
            paragraph({picture(pngPicture(400, 20, QColor(200, 60, 60)), 300, 15)}, letterFormat(1), body));
    for (int i = 1; i <= 26; ++i) {
        const QString text =
            QStringLiteral("Paragraph %1 of the letter, with <markup> & \"quotes\" kept as text.").arg(i);
        const CharFormat format = i % 7 == 0 ? font(QStringLiteral("Georgia"), 12, 1, true) : body;
        model.body.emplace_back(paragraph({run(text, format)}, letterFormat(i % 3), format));
    }
    if (withPictures)
        model.body.emplace_back(
            paragraph({picture(pngPicture(120, 80, QColor(60, 160, 60)), 90, 60)}, letterFormat(1), body));
    model.body.emplace_back(
        paragraph({run(QStringLiteral("Yours sincerely,"), body)}, letterFormat(2), body));
    model.body.emplace_back(paragraph({}, left, body));

    model.shapes.push_back({54, 200, 540, 200});
    model.shapes.push_back({54, 780, 540, 780});
    return model;
}

namespace {

class RandomModelBuilder {
public:
    explicit RandomModelBuilder(const Chooser& below) : below_(below) {}

    DocumentModel build() {
        DocumentModel model;
        if (chance(4))
            model.page = PageSetup{lengthValue(), lengthValue(), lengthValue(),
                                   lengthValue(), lengthValue(), lengthValue()};
        const std::uint32_t blocks = below_(10);
        for (std::uint32_t i = 0; i < blocks; ++i) {
            if (chance(4))
                model.body.emplace_back(randomTable());
            else
                model.body.emplace_back(randomParagraph());
        }
        const std::uint32_t shapes = below_(4);
        for (std::uint32_t i = 0; i < shapes; ++i)
            model.shapes.push_back({lengthValue(), lengthValue(), lengthValue(), lengthValue()});
        return model;
    }

private:
    bool chance(std::uint32_t oneIn) { return below_(oneIn) == 0; }

    int smallInt(int from, int to) { return from + int(below_(std::uint32_t(to - from + 1))); }

    // Mostly ordinary lengths in points, at times off the twip grid, negative, huge or not a number.
    float lengthValue() {
        switch (below_(8)) {
        case 0:
            return std::numeric_limits<float>::quiet_NaN();
        case 1:
            return std::numeric_limits<float>::infinity() * (chance(2) ? 1.0f : -1.0f);
        case 2:
            return float(below_(2000000)) / 7.0f - 100000.0f;
        default:
            return float(below_(20000)) / 20.0f;
        }
    }

    QString randomText() {
        static const char16_t* const samples[] = {
            u" ",         u"\t",   u"  ",     u"<",      u">",      u"&",          u"\"",
            u"'",         u"]]>",  u"\r\n",   u"\r",     u"\n",     u"Zoë",        u"Ωμέγα",
            u"кириллица", u"中文", u"\u200B", u"\u00A0", u"\u0085", u"\U0001F600", u"&amp;"};
        QString text;
        const std::uint32_t pieces = below_(12);
        for (std::uint32_t i = 0; i < pieces; ++i) {
            switch (below_(6)) {
            case 0:
                text += QString::fromUtf16(samples[below_(std::size(samples))]);
                break;
            case 1: // any UTF-16 code unit: controls, lone surrogates, U+FFFE and U+FFFF included
                text += QChar(char16_t(below_(0x10000)));
                break;
            case 2:
                text += QChar(char16_t(below_(0x20)));
                break;
            default:
                text += QChar(char16_t(u'a' + below_(26)));
                break;
            }
        }
        return text;
    }

    CharFormat randomCharFormat() {
        static const char16_t* const fonts[] = {u"Times New Roman", u"Arial", u"Georgia",
                                                u"Liberation Serif"};
        CharFormat format;
        format.fontName = chance(5) ? randomText() : QString::fromUtf16(fonts[below_(std::size(fonts))]);
        format.size = chance(5) ? lengthValue() : float(smallInt(2, 144)) / 2.0f;
        format.colorIndex = smallInt(-2, 18);
        format.bold = chance(2);
        return format;
    }

    ParaFormat randomParaFormat() {
        ParaFormat format;
        format.alignment = smallInt(-1, 4);
        format.leftIndent = chance(2) ? 0 : lengthValue();
        format.rightIndent = chance(2) ? 0 : lengthValue();
        format.firstLineIndent = chance(2) ? 0 : lengthValue() - 200;
        format.spaceBefore = chance(2) ? 0 : lengthValue();
        format.spaceAfter = chance(2) ? 0 : lengthValue();
        format.lineSpacingRule = smallInt(-1, 5);
        format.widowControl = chance(2);
        format.keepWithNext = chance(2);
        format.keepTogether = chance(2);
        format.pageBreakBefore = chance(8);
        format.noLineNumber = chance(2);
        format.hyphenation = chance(2);
        format.outlineLevel = smallInt(0, 11);
        return format;
    }

    Picture randomPicture() {
        static const QByteArray png = pngPicture(7, 5, Qt::red);
        static const QByteArray jpeg = jpegPicture(9, 4, Qt::blue);
        static const QByteArray notAPicture("GIF89a not really");
        const QByteArray* choices[] = {&png, &jpeg, &notAPicture};
        const QByteArray& data = *choices[below_(3)];
        return Picture{
            data,         QStringLiteral("image/png"), int(below_(50)), int(below_(50)), lengthValue(),
            lengthValue()};
    }

    Paragraph randomParagraph() {
        Paragraph p{randomParaFormat(), randomCharFormat(), {}};
        const std::uint32_t inlines = below_(5);
        for (std::uint32_t i = 0; i < inlines; ++i) {
            if (chance(6))
                p.content.emplace_back(randomPicture());
            else
                p.content.emplace_back(TextRun{randomCharFormat(), randomText()});
        }
        return p;
    }

    Table randomTable() {
        Table t;
        const std::uint32_t widths = below_(4);
        for (std::uint32_t i = 0; i < widths; ++i)
            t.columnWidths.push_back(lengthValue());
        const std::uint32_t rows = below_(4);
        for (std::uint32_t r = 0; r < rows; ++r) {
            std::vector<TableCell> row(below_(4));
            for (auto& cell : row) {
                const std::uint32_t paragraphs = below_(3);
                for (std::uint32_t i = 0; i < paragraphs; ++i)
                    cell.paragraphs.push_back(randomParagraph());
            }
            t.rows.push_back(std::move(row));
        }
        t.insideColorIndex = smallInt(-1, 17);
        t.outsideColorIndex = smallInt(-1, 17);
        return t;
    }

    const Chooser& below_;
};

} // namespace

DocumentModel randomModel(const Chooser& below) {
    return RandomModelBuilder(below).build();
}

} // namespace docxtest
