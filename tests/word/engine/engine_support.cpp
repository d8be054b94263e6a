#include "engine_support.h"

#include "word/engine/paragraph.h"

namespace enginetest {

using namespace word::engine;

std::string text(const Paragraph& paragraph) {
    QString text = word::engine::textOf(paragraph);
    text.replace(QChar(PictureCharacter), u'#');
    return text.toStdString();
}

std::vector<std::string> outline(const DocumentModel& model) {
    std::vector<std::string> lines;
    for (const Block& block : model.body) {
        if (const auto* paragraph = std::get_if<Paragraph>(&block)) {
            lines.push_back(text(*paragraph));
            continue;
        }
        for (const auto& row : std::get<Table>(block).rows) {
            std::string line = "[";
            for (std::size_t c = 0; c < row.size(); ++c) {
                if (c > 0)
                    line += " | ";
                for (std::size_t p = 0; p < row[c].paragraphs.size(); ++p) {
                    if (p > 0)
                        line += '/';
                    line += text(row[c].paragraphs[p]);
                }
            }
            lines.push_back(line + "]");
        }
    }
    return lines;
}

const Paragraph& bodyParagraph(const DocumentModel& model, int block) {
    return std::get<Paragraph>(model.body.at(std::size_t(block)));
}

const Table& bodyTable(const DocumentModel& model, int block) {
    return std::get<Table>(model.body.at(std::size_t(block)));
}

const Paragraph& cellParagraph(const DocumentModel& model, int block, int row, int column, int paragraph) {
    return bodyTable(model, block)
        .rows.at(std::size_t(row))
        .at(std::size_t(column))
        .paragraphs.at(std::size_t(paragraph));
}

word::Ref<word::Table> EngineTest::tableAtStart(int rows, int columns) {
    return selection->Tables()->Add(selection->Range(), rows, columns);
}

void EngineTest::startOfParagraphHolding(const QString& text) {
    const auto start = selection->Range();
    selection->TypeText(text);
    document->Tables()->Add(start, 1, 1);
    selection->MoveRight();
}

void EngineTest::typeLines(const std::vector<QString>& lines) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        selection->TypeText(lines[i]);
        if (i + 1 < lines.size())
            selection->TypeParagraph();
    }
}

} // namespace enginetest
