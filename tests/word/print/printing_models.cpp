#include "printing_models.h"

#include <QBuffer>
#include <QRegularExpression>

namespace word::testing {

namespace {

void collectWords(const engine::Paragraph& paragraph, QStringList& words) {
    QString text;
    for (const engine::Inline& content : paragraph.content)
        if (const auto* run = std::get_if<engine::TextRun>(&content))
            text += run->text;
    words << wordsOf(text);
}

} // namespace

QStringList wordsOf(const engine::DocumentModel& model) {
    QStringList words;
    for (const engine::Block& block : model.body) {
        if (const auto* paragraph = std::get_if<engine::Paragraph>(&block)) {
            collectWords(*paragraph, words);
            continue;
        }
        for (const auto& row : std::get<engine::Table>(block).rows)
            for (const engine::TableCell& cell : row)
                for (const engine::Paragraph& paragraph : cell.paragraphs)
                    collectWords(paragraph, words);
    }
    return words;
}

QStringList wordsOf(const QString& text) {
    return text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
}

engine::Paragraph paragraphOf(const QString& text, const QString& font, float size, int lineSpacingRule) {
    engine::Paragraph paragraph;
    paragraph.format.lineSpacingRule = lineSpacingRule;
    paragraph.markFormat.fontName = font;
    paragraph.markFormat.size = size;
    if (!text.isEmpty()) {
        engine::TextRun run;
        run.format = paragraph.markFormat;
        run.text = text;
        paragraph.content.push_back(run);
    }
    return paragraph;
}

engine::Picture solidPicture(int pixelWidth, int pixelHeight, float width, float height, QColor colour) {
    QImage image(pixelWidth, pixelHeight, QImage::Format_RGB32);
    image.fill(colour);
    engine::Picture picture;
    QBuffer buffer(&picture.data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    picture.mimeType = QStringLiteral("image/png");
    picture.pixelWidth = pixelWidth;
    picture.pixelHeight = pixelHeight;
    picture.width = width;
    picture.height = height;
    return picture;
}

engine::Table tableOf(std::vector<std::vector<engine::TableCell>> rows, std::vector<float> columnWidths) {
    engine::Table table;
    table.rows = std::move(rows);
    table.columnWidths = std::move(columnWidths);
    return table;
}

} // namespace word::testing
