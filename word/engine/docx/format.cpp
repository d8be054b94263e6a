#include "format.h"

#include <QBuffer>
#include <QImageReader>

#include <algorithm>
#include <array>
#include <cmath>

namespace word::engine::docx {

namespace {

constexpr double twipsPerPoint = 20;
constexpr double emuPerPoint = 12700;

double clamped(float value, Bounds bounds) {
    const double v = std::isnan(value) ? 0.0 : double(value);
    return std::clamp(v, bounds.min, bounds.max);
}

constexpr std::array<const char16_t*, 17> colorTable = {
    u"",       u"000000", u"0000FF", u"00FFFF", u"00FF00", u"FF00FF", u"FF0000", u"FFFF00", u"FFFFFF",
    u"000080", u"008080", u"008000", u"800080", u"800000", u"808000", u"808080", u"C0C0C0",
};

bool isKnownColorIndex(int colorIndex) {
    return colorIndex >= 0 && colorIndex < int(colorTable.size());
}

bool isStorable(char32_t c, bool keepTab) {
    if (c < 0x20)
        return keepTab && c == u'\t';
    if (c >= 0xD800 && c <= 0xDFFF) // a surrogate that is not part of a pair
        return false;
    return c != 0xFFFE && c != 0xFFFF;
}

void repairCharFormat(CharFormat& format) {
    format.fontName = storableText(format.fontName, false);
    if (!isKnownColorIndex(format.colorIndex))
        format.colorIndex = 0;
}

void repairParaFormat(ParaFormat& format) {
    if (format.alignment < 0 || format.alignment > 3)
        format.alignment = 0;
    if (format.lineSpacingRule < 0 || format.lineSpacingRule > 2)
        format.lineSpacingRule = 0;
    if (format.outlineLevel < 1 || format.outlineLevel > 10)
        format.outlineLevel = 10;
}

// Keeps what the inline can store; false when nothing of it is left.
bool repairInline(Inline& content) {
    if (auto* run = std::get_if<TextRun>(&content)) {
        repairCharFormat(run->format);
        run->text = storableText(run->text, true);
        return !run->text.isEmpty();
    }
    auto& picture = std::get<Picture>(content);
    const PictureType type = pictureType(picture.data);
    picture.mimeType = mimeType(type);
    return type != PictureType::Unknown;
}

void repairParagraph(Paragraph& paragraph) {
    repairParaFormat(paragraph.format);
    repairCharFormat(paragraph.markFormat);
    std::erase_if(paragraph.content, [](Inline& content) { return !repairInline(content); });
}

// Every row gets the same number of cells, every cell a paragraph, every column a width.
void repairTable(Table& table, float textWidth) {
    std::size_t columns = table.columnWidths.size();
    for (const auto& row : table.rows)
        columns = std::max(columns, row.size());
    columns = std::max<std::size_t>(columns, 1);

    const std::size_t givenWidths = table.columnWidths.size();
    if (givenWidths < columns) {
        float used = 0;
        for (float width : table.columnWidths)
            used += width;
        const float share = std::max(0.0f, textWidth - used) / float(columns - givenWidths);
        table.columnWidths.resize(columns, share);
    }
    for (auto& row : table.rows) {
        row.resize(columns);
        for (auto& cell : row) {
            if (cell.paragraphs.empty())
                cell.paragraphs.emplace_back();
            for (auto& paragraph : cell.paragraphs)
                repairParagraph(paragraph);
        }
    }
    if (!isKnownColorIndex(table.insideColorIndex))
        table.insideColorIndex = 0;
    if (!isKnownColorIndex(table.outsideColorIndex))
        table.outsideColorIndex = 0;
}

void quantizeCharFormat(CharFormat& format) {
    format.size = pointsFromHalfPoints(halfPoints(format.size));
}

void quantizeParagraph(Paragraph& paragraph) {
    auto& f = paragraph.format;
    for (float* indent : {&f.leftIndent, &f.rightIndent, &f.firstLineIndent})
        *indent = pointsFromTwips(twips(*indent, indentBounds));
    for (float* spacing : {&f.spaceBefore, &f.spaceAfter})
        *spacing = pointsFromTwips(twips(*spacing, spacingBounds));
    quantizeCharFormat(paragraph.markFormat);
    for (auto& content : paragraph.content) {
        if (auto* run = std::get_if<TextRun>(&content)) {
            quantizeCharFormat(run->format);
        } else {
            auto& picture = std::get<Picture>(content);
            picture.width = pointsFromEmu(emu(picture.width, pictureBounds));
            picture.height = pointsFromEmu(emu(picture.height, pictureBounds));
        }
    }
}

} // namespace

int twips(float points, Bounds bounds) {
    return int(std::lround(clamped(points, bounds) * twipsPerPoint));
}

float pointsFromTwips(qint64 twips) {
    return float(double(twips) / twipsPerPoint);
}

int halfPoints(float size) {
    return int(std::lround(clamped(size, fontSizeBounds) * 2));
}

float pointsFromHalfPoints(qint64 halfPoints) {
    return float(double(halfPoints) / 2);
}

qint64 emu(float points, Bounds bounds) {
    return std::llround(clamped(points, bounds) * emuPerPoint);
}

float pointsFromEmu(qint64 emu) {
    return float(double(emu) / emuPerPoint);
}

QString rgbForColorIndex(int colorIndex) {
    if (!isKnownColorIndex(colorIndex))
        return {};
    return QString::fromUtf16(colorTable[std::size_t(colorIndex)]);
}

int colorIndexForRgb(QStringView rgb) {
    for (std::size_t i = 1; i < colorTable.size(); ++i)
        if (rgb.compare(QStringView(colorTable[i]), Qt::CaseInsensitive) == 0)
            return int(i);
    return 0;
}

QString storableText(const QString& text, bool keepTab) {
    const auto storableAt = [&](qsizetype i, qsizetype* length) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            *length = 2;
            return true; // every supplementary plane character is storable
        }
        *length = 1;
        return isStorable(c.unicode(), keepTab);
    };

    qsizetype length = 1;
    qsizetype i = 0;
    while (i < text.size() && storableAt(i, &length))
        i += length;
    if (i == text.size())
        return text;

    QString kept = text.left(i);
    for (; i < text.size(); i += length)
        if (storableAt(i, &length))
            kept.append(text.mid(i, length));
    return kept;
}

PictureType pictureType(const QByteArray& data) {
    static const QByteArray pngSignature("\x89PNG\r\n\x1a\n", 8);
    static const QByteArray jpegStart("\xff\xd8\xff", 3);
    if (data.startsWith(pngSignature))
        return PictureType::Png;
    if (data.startsWith(jpegStart))
        return PictureType::Jpeg;
    return PictureType::Unknown;
}

QString mimeType(PictureType type) {
    switch (type) {
    case PictureType::Png:
        return QStringLiteral("image/png");
    case PictureType::Jpeg:
        return QStringLiteral("image/jpeg");
    case PictureType::Unknown:
        break;
    }
    return {};
}

QString fileExtension(PictureType type) {
    return type == PictureType::Jpeg ? QStringLiteral("jpeg") : QStringLiteral("png");
}

void repair(DocumentModel& model) {
    const float textWidth = model.page.textWidth();
    std::vector<Block> body;
    body.reserve(model.body.size() + 1);
    for (auto& block : model.body) {
        if (auto* paragraph = std::get_if<Paragraph>(&block)) {
            repairParagraph(*paragraph);
            body.push_back(std::move(block));
            continue;
        }
        auto& table = std::get<Table>(block);
        if (table.rows.empty())
            continue;
        repairTable(table, textWidth);
        if (!body.empty() && std::holds_alternative<Table>(body.back()))
            body.emplace_back(Paragraph{}); // two tables in a row would merge into one
        body.push_back(std::move(block));
    }
    if (body.empty() || std::holds_alternative<Table>(body.back()))
        body.emplace_back(Paragraph{});
    model.body = std::move(body);
}

void quantize(DocumentModel& model) {
    auto& page = model.page;
    for (float* side : {&page.width, &page.height})
        *side = pointsFromTwips(twips(*side, pageSideBounds));
    for (float* margin : {&page.topMargin, &page.bottomMargin, &page.leftMargin, &page.rightMargin})
        *margin = pointsFromTwips(twips(*margin, marginBounds));
    for (auto& block : model.body)
        if (auto* table = std::get_if<Table>(&block))
            for (float& width : table->columnWidths)
                width = pointsFromTwips(twips(width, columnBounds));
    forEachParagraph(model, quantizeParagraph);
    for (auto& line : model.shapes)
        for (float* coordinate : {&line.beginX, &line.beginY, &line.endX, &line.endY})
            *coordinate = pointsFromEmu(emu(*coordinate, linePositionBounds));
}

void takePixelSizesFromData(DocumentModel& model) {
    forEachParagraph(model, [](Paragraph& paragraph) {
        for (auto& content : paragraph.content) {
            auto* picture = std::get_if<Picture>(&content);
            if (!picture)
                continue;
            QBuffer buffer(&picture->data);
            QImageReader reader(&buffer);
            const QSize size = reader.size();
            picture->pixelWidth = std::max(0, size.width());
            picture->pixelHeight = std::max(0, size.height());
        }
    });
}

} // namespace word::engine::docx
