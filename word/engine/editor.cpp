#include "editor.h"

#include "limits.h"
#include "paragraph.h"
#include "picture.h"
#include "text.h"
#include "word/automationerror.h"
#include "word/values.h"

#include <algorithm>
#include <cmath>

namespace word::engine {

namespace {

// A cell's text stands 5.4 pt in from either side of the cell.
constexpr float CellMargins = 2 * 5.4f;

[[noreturn]] void fail(int number, const QString& description) {
    throw AutomationError(number, description);
}

struct Size {
    std::int64_t characters = 0, paragraphs = 0, pictureBytes = 0;

    void add(const Paragraph& paragraph) {
        ++paragraphs;
        for (const Inline& item : paragraph.content) {
            if (const auto* run = std::get_if<TextRun>(&item))
                characters += run->text.size();
            else
                pictureBytes += std::get<Picture>(item).data.size();
        }
    }
    void add(const TableCell& cell) {
        for (const Paragraph& paragraph : cell.paragraphs)
            add(paragraph);
    }
};

Size sizeOf(const DocumentModel& model) {
    Size size;
    for (const Block& block : model.body) {
        if (const auto* paragraph = std::get_if<Paragraph>(&block)) {
            size.add(*paragraph);
        } else {
            for (const auto& row : std::get<Table>(block).rows)
                for (const TableCell& cell : row)
                    size.add(cell);
        }
    }
    return size;
}

void repairText(Paragraph& paragraph) {
    for (Inline& item : paragraph.content)
        if (auto* run = std::get_if<TextRun>(&item))
            run->text = storableText(run->text);
    // Drops the runs that became empty and joins equal neighbours.
    formatAll(paragraph, [](CharFormat&) {});
}

void repairTable(Table& table, float textWidth) {
    std::size_t columns = 1;
    for (const auto& row : table.rows)
        columns = std::max(columns, row.size());
    for (auto& row : table.rows) {
        row.resize(columns);
        for (TableCell& cell : row) {
            if (cell.paragraphs.empty())
                cell.paragraphs.emplace_back();
            for (Paragraph& paragraph : cell.paragraphs)
                repairText(paragraph);
        }
    }
    const bool widthsUsable = table.columnWidths.size() == columns &&
                              std::all_of(table.columnWidths.begin(), table.columnWidths.end(),
                                          [](float w) { return std::isfinite(w) && w > 0; });
    if (!widthsUsable)
        table.columnWidths.assign(columns, textWidth / float(columns));
}

} // namespace

Editor::Editor(DocumentModel model) : model_(std::move(model)) {
    repair();
    const Size size = sizeOf(model_);
    if (size.characters > limits::Characters || size.paragraphs > limits::Paragraphs ||
        size.pictureBytes > limits::PictureBytes || model_.shapes.size() > std::size_t(limits::Shapes))
        fail(errors::BadDocument, QStringLiteral("The document is larger than the word processor can hold."));
    characters_ = size.characters;
    paragraphs_ = size.paragraphs;
    pictureBytes_ = size.pictureBytes;
    for (const Block& block : model_.body)
        if (std::holds_alternative<Table>(block))
            tableIds_.push_back(nextTableId_++);
    caret_ = startOfBlock(0);
    insertionFormat_ = formatAt(paragraphAt(caret_), 0);
}

void Editor::repair() {
    std::vector<Block> body;
    body.reserve(model_.body.size() + 1);
    for (Block& block : model_.body) {
        if (auto* paragraph = std::get_if<Paragraph>(&block)) {
            repairText(*paragraph);
            body.push_back(std::move(block));
            continue;
        }
        auto& table = std::get<Table>(block);
        if (table.rows.empty())
            continue;
        if (!body.empty() && std::holds_alternative<Table>(body.back()))
            body.emplace_back(Paragraph{});
        repairTable(table, model_.page.textWidth());
        body.push_back(std::move(block));
    }
    if (body.empty() || std::holds_alternative<Table>(body.back()))
        body.emplace_back(Paragraph{});
    model_.body = std::move(body);
}

// --- Where things are -------------------------------------------------------------------------------

Paragraph& Editor::paragraphAt(const Position& position) {
    if (position.inCell())
        return cellAt(position).paragraphs[std::size_t(position.paragraph)];
    return std::get<Paragraph>(model_.body[std::size_t(position.block)]);
}

const Paragraph& Editor::paragraphAt(const Position& position) const {
    if (position.inCell())
        return cellAt(position).paragraphs[std::size_t(position.paragraph)];
    return std::get<Paragraph>(model_.body[std::size_t(position.block)]);
}

const TableCell& Editor::cellAt(const Position& position) const {
    const auto& table = std::get<Table>(model_.body[std::size_t(position.block)]);
    return table.rows[std::size_t(position.row)][std::size_t(position.column)];
}

TableCell& Editor::cellAt(const Position& position) {
    auto& table = std::get<Table>(model_.body[std::size_t(position.block)]);
    return table.rows[std::size_t(position.row)][std::size_t(position.column)];
}

int Editor::blockOfTable(int index) const {
    int seen = 0;
    for (std::size_t block = 0; block < model_.body.size(); ++block)
        if (std::holds_alternative<Table>(model_.body[block]) && seen++ == index)
            return int(block);
    fail(errors::OutOfRange, QStringLiteral("The document has no table %1.").arg(index + 1));
}

int Editor::tablesBefore(int block) const {
    return int(std::count_if(model_.body.begin(), model_.body.begin() + block,
                             [](const Block& b) { return std::holds_alternative<Table>(b); }));
}

Position Editor::startOfBlock(int block) const {
    if (std::holds_alternative<Table>(model_.body[std::size_t(block)]))
        return {block, 0, 0, 0, 0};
    return {block, -1, -1, 0, 0};
}

Position Editor::afterCell(const Position& cell) const {
    const auto& table = std::get<Table>(model_.body[std::size_t(cell.block)]);
    const int columns = int(table.rows[0].size());
    if (cell.column + 1 < columns)
        return {cell.block, cell.row, cell.column + 1, 0, 0};
    if (cell.row + 1 < int(table.rows.size()))
        return {cell.block, cell.row + 1, 0, 0, 0};
    return {cell.block + 1, -1, -1, 0, 0}; // a paragraph always follows a table
}

Position Editor::endOfCellText(const Position& cell) const {
    const TableCell& content = cellAt(cell);
    const int last = int(content.paragraphs.size()) - 1;
    return {cell.block, cell.row, cell.column, last, lengthOf(content.paragraphs.back())};
}

Position Editor::nextParagraphStart(const Position& position) const {
    if (position.inCell()) {
        if (position.paragraph + 1 < int(cellAt(position).paragraphs.size()))
            return {position.block, position.row, position.column, position.paragraph + 1, 0};
        return afterCell(position);
    }
    if (position.block + 1 < int(model_.body.size()))
        return startOfBlock(position.block + 1);
    return position;
}

Position Editor::lineBelow(const Position& position) const {
    Position below = position;
    if (position.inCell()) {
        const auto& table = std::get<Table>(model_.body[std::size_t(position.block)]);
        if (position.paragraph + 1 < int(cellAt(position).paragraphs.size()))
            below.paragraph = position.paragraph + 1;
        else if (position.row + 1 < int(table.rows.size()))
            below = {position.block, position.row + 1, position.column, 0, 0};
        else
            below = {position.block + 1, -1, -1, 0, 0};
    } else if (position.block + 1 < int(model_.body.size())) {
        below = startOfBlock(position.block + 1);
    } else {
        return position;
    }
    const Paragraph& target = paragraphAt(below);
    below.offset = characterBoundary(target, std::min(position.offset, lengthOf(target)));
    return below;
}

bool Editor::isValid(const Position& position) const {
    if (position.block < 0 || position.block >= int(model_.body.size()))
        return false;
    const Block& block = model_.body[std::size_t(position.block)];
    if (position.inCell()) {
        const auto* table = std::get_if<Table>(&block);
        if (!table || position.row >= int(table->rows.size()) || position.column < 0 ||
            position.column >= int(table->rows[0].size()))
            return false;
        if (position.paragraph < 0 || position.paragraph >= int(cellAt(position).paragraphs.size()))
            return false;
    } else if (position.column != -1 || position.paragraph != 0 ||
               !std::holds_alternative<Paragraph>(block)) {
        return false;
    }
    return position.offset >= 0 && position.offset <= lengthOf(paragraphAt(position));
}

bool Editor::isValid(const Span& span) const {
    const Position& a = span.start;
    const Position& b = span.end;
    if (!isValid(a) || !isValid(b) || b < a)
        return false;
    if (a.inCell())
        return a.block == b.block && a.row == b.row && a.column == b.column;
    return !b.inCell();
}

// --- The selection ----------------------------------------------------------------------------------

Span Editor::selectionSpan() const {
    if (selected_ == Selected::Cell)
        return {caret_, endOfCellText(caret_)};
    return {caret_, caret_};
}

void Editor::moveTo(const Position& position) {
    selected_ = Selected::InsertionPoint;
    if (position == caret_)
        return;
    caret_ = position;
    insertionFormat_ = formatAt(paragraphAt(caret_), caret_.offset);
}

void Editor::requireText() const {
    if (selected_ == Selected::Shape)
        fail(errors::CommandFailed, QStringLiteral("This is not available while a shape is selected."));
}

void Editor::returnToText() {
    selected_ = Selected::InsertionPoint;
    shape_ = -1;
}

void Editor::emptySelectedCell() {
    if (selected_ != Selected::Cell)
        return;
    TableCell& cell = cellAt(caret_);
    const CharFormat format = formatAt(cell.paragraphs.front(), 0);
    Size removed;
    removed.add(cell);
    Paragraph last = std::move(cell.paragraphs.back());
    cell.paragraphs.assign(1, Paragraph{last.format, last.markFormat, {}});
    characters_ -= removed.characters;
    paragraphs_ -= removed.paragraphs - 1;
    pictureBytes_ -= removed.pictureBytes;
    selected_ = Selected::InsertionPoint;
    insertionFormat_ = format;
}

void Editor::checkGrowth(std::int64_t characters, std::int64_t paragraphs, std::int64_t pictureBytes) const {
    if (characters_ + characters > limits::Characters || paragraphs_ + paragraphs > limits::Paragraphs ||
        pictureBytes_ + pictureBytes > limits::PictureBytes)
        fail(errors::CommandFailed, QStringLiteral("The document would grow larger than the word processor "
                                                   "can hold; nothing was added."));
}

// --- Typing -----------------------------------------------------------------------------------------

void Editor::typeText(const QString& text) {
    requireText();
    const QStringList pieces = typedParagraphs(text);
    std::int64_t characters = 0;
    for (const QString& piece : pieces)
        characters += piece.size();
    checkGrowth(characters, pieces.size() - 1);
    emptySelectedCell();
    insertParagraphs(pieces);
}

void Editor::typeParagraph() {
    requireText();
    checkGrowth(0, 1);
    emptySelectedCell();
    insertParagraphs({QString(), QString()});
}

void Editor::insertParagraphs(const QStringList& pieces) {
    Paragraph& paragraph = paragraphAt(caret_);
    const CharFormat format = insertionFormat_;
    if (pieces.size() == 1) {
        insertText(paragraph, caret_.offset, pieces.front(), format);
        caret_.offset += int(pieces.front().size());
        characters_ += pieces.front().size();
        return;
    }
    Paragraph tail = splitOff(paragraph, caret_.offset);
    insertText(paragraph, caret_.offset, pieces.front(), format);
    paragraph.markFormat = format;

    std::vector<Paragraph> added;
    added.reserve(std::size_t(pieces.size() - 1));
    for (qsizetype i = 1; i < pieces.size(); ++i) {
        added.push_back(Paragraph{paragraph.format, format, {}});
        insertText(added.back(), 0, pieces[i], format);
    }
    const int lastOffset = int(pieces.back().size());
    if (!isEmptyParagraph(tail))
        added.back().markFormat = tail.markFormat;
    append(added.back(), std::move(tail));

    for (const QString& piece : pieces)
        characters_ += piece.size();
    paragraphs_ += pieces.size() - 1;
    const int count = int(added.size());
    if (caret_.inCell()) {
        auto& paragraphs = cellAt(caret_).paragraphs;
        paragraphs.insert(paragraphs.begin() + caret_.paragraph + 1, std::make_move_iterator(added.begin()),
                          std::make_move_iterator(added.end()));
        caret_.paragraph += count;
    } else {
        model_.body.insert(model_.body.begin() + caret_.block + 1, std::make_move_iterator(added.begin()),
                           std::make_move_iterator(added.end()));
        caret_.block += count;
    }
    caret_.offset = lastOffset;
}

PictureSize Editor::insertPicture(Picture picture) {
    requireText();
    checkGrowth(0, 0, picture.data.size());
    emptySelectedCell();
    if (caret_.inCell()) {
        const auto& table = std::get<Table>(model_.body[std::size_t(caret_.block)]);
        fitToWidth(picture, table.columnWidths[std::size_t(caret_.column)] - CellMargins);
    } else {
        fitToWidth(picture, model_.page.textWidth());
    }
    pictureBytes_ += picture.data.size();
    const PictureSize size{picture.width, picture.height};
    engine::insertPicture(paragraphAt(caret_), caret_.offset, std::move(picture));
    caret_.offset += 1;
    return size;
}

// --- Formatting -------------------------------------------------------------------------------------

void Editor::formatCharacters(const std::function<void(CharFormat&)>& change) {
    requireText();
    change(insertionFormat_);
    if (selected_ == Selected::Cell) {
        for (Paragraph& paragraph : cellAt(caret_).paragraphs)
            formatAll(paragraph, change);
    } else if (Paragraph& paragraph = paragraphAt(caret_); isEmptyParagraph(paragraph)) {
        change(paragraph.markFormat);
    }
}

void Editor::formatParagraphs(const std::function<void(ParaFormat&)>& change) {
    requireText();
    if (selected_ == Selected::Cell) {
        for (Paragraph& paragraph : cellAt(caret_).paragraphs)
            change(paragraph.format);
    } else {
        change(paragraphAt(caret_).format);
    }
}

CharFormat Editor::characterFormat() const {
    requireText();
    return insertionFormat_;
}

ParaFormat Editor::paragraphFormat() const {
    requireText();
    return paragraphAt(caret_).format;
}

// --- Moving -----------------------------------------------------------------------------------------

void Editor::endOfWord() {
    if (selected_ == Selected::Shape)
        return returnToText();
    if (selected_ == Selected::Cell)
        return moveTo(endOfCellText(caret_));
    moveTo({caret_.block, caret_.row, caret_.column, caret_.paragraph,
            engine::endOfWord(paragraphAt(caret_), caret_.offset)});
}

void Editor::moveRight() {
    if (selected_ == Selected::Shape)
        return returnToText();
    if (selected_ == Selected::Cell)
        return moveTo(afterCell(caret_));
    const Paragraph& paragraph = paragraphAt(caret_);
    if (caret_.offset < lengthOf(paragraph)) {
        Position next = caret_;
        next.offset = nextCharacter(paragraph, caret_.offset);
        return moveTo(next);
    }
    moveTo(nextParagraphStart(caret_));
}

void Editor::moveDown() {
    if (selected_ == Selected::Shape)
        return returnToText();
    if (selected_ == Selected::Cell)
        moveTo(endOfCellText(caret_));
    moveTo(lineBelow(caret_));
}

// --- Tables -----------------------------------------------------------------------------------------

std::optional<int> Editor::tableIndex(std::uint64_t id) const {
    const auto found = std::find(tableIds_.begin(), tableIds_.end(), id);
    if (found == tableIds_.end())
        return std::nullopt;
    return int(found - tableIds_.begin());
}

const Table& Editor::table(int index) const {
    return std::get<Table>(model_.body[std::size_t(blockOfTable(index))]);
}

void Editor::setBorderColors(int index, std::optional<int> inside, std::optional<int> outside) {
    auto& table = std::get<Table>(model_.body[std::size_t(blockOfTable(index))]);
    if (inside)
        table.insideColorIndex = *inside;
    if (outside)
        table.outsideColorIndex = *outside;
}

std::optional<int> Editor::tableAtSelection() const {
    if (selected_ == Selected::Shape || !caret_.inCell())
        return std::nullopt;
    return tablesBefore(caret_.block);
}

int Editor::addTable(const Span& at, int rows, int columns) {
    requireText();
    values::tableSize(rows, columns);
    if (!isValid(at))
        fail(errors::CommandFailed, QStringLiteral("The range is no longer part of the document."));
    if (at.start.inCell())
        fail(errors::CommandFailed, QStringLiteral("A table cannot be added inside a table."));
    if (!at.isCollapsed())
        fail(errors::InvalidArgument, QStringLiteral("A table can only be added at an insertion point."));
    const int cells = rows * columns;
    checkGrowth(0, cells + 1);

    const int block = at.start.block;
    auto& paragraph = std::get<Paragraph>(model_.body[std::size_t(block)]);
    Paragraph after = splitOff(paragraph, at.start.offset);
    const bool keepBefore = at.start.offset > 0 ||
                            (block > 0 && std::holds_alternative<Table>(model_.body[std::size_t(block - 1)]));

    Table table;
    const TableCell cell{{Paragraph{paragraph.format, paragraph.markFormat, {}}}};
    table.rows.assign(std::size_t(rows), std::vector<TableCell>(std::size_t(columns), cell));
    table.columnWidths.assign(std::size_t(columns), model_.page.textWidth() / float(columns));

    const int tableBlock = keepBefore ? block + 1 : block;
    if (keepBefore) {
        model_.body.insert(model_.body.begin() + block + 1, std::move(table));
        model_.body.insert(model_.body.begin() + block + 2, std::move(after));
    } else {
        model_.body[std::size_t(block)] = std::move(table);
        model_.body.insert(model_.body.begin() + block + 1, std::move(after));
    }
    paragraphs_ += cells + (keepBefore ? 1 : 0);

    const int index = tablesBefore(tableBlock);
    tableIds_.insert(tableIds_.begin() + index, nextTableId_++);
    selected_ = Selected::InsertionPoint;
    caret_ = {tableBlock, 0, 0, 0, 0};
    insertionFormat_ = formatAt(paragraphAt(caret_), 0);
    return index;
}

void Editor::selectCell(int index, int row, int column) {
    const int block = blockOfTable(index);
    const auto& table = std::get<Table>(model_.body[std::size_t(block)]);
    if (row < 0 || row >= int(table.rows.size()) || column < 0 || column >= int(table.rows[0].size()))
        fail(errors::OutOfRange,
             QStringLiteral("The table has no cell in row %1, column %2.").arg(row + 1).arg(column + 1));
    selected_ = Selected::Cell;
    shape_ = -1;
    caret_ = {block, row, column, 0, 0};
    insertionFormat_ = formatAt(paragraphAt(caret_), 0);
}

// --- Shapes -----------------------------------------------------------------------------------------

int Editor::addLine(const LineShape& line) {
    if (model_.shapes.size() >= std::size_t(limits::Shapes))
        fail(errors::CommandFailed, QStringLiteral("The document cannot hold more shapes."));
    model_.shapes.push_back(line);
    return int(model_.shapes.size()) - 1;
}

void Editor::selectShape(int index) {
    if (index < 0 || index >= int(model_.shapes.size()))
        fail(errors::OutOfRange, QStringLiteral("The document has no shape %1.").arg(index + 1));
    selected_ = Selected::Shape;
    shape_ = index;
}

// --- Reading ----------------------------------------------------------------------------------------

QString Editor::textOf(const Span& span) const {
    if (!isValid(span))
        fail(errors::CommandFailed, QStringLiteral("The range is no longer part of the document."));
    const Position& a = span.start;
    const Position& b = span.end;
    QString text;
    const int first = a.inCell() ? a.paragraph : a.block;
    const int last = a.inCell() ? b.paragraph : b.block;
    for (int i = first; i <= last; ++i) {
        Position at = a;
        (a.inCell() ? at.paragraph : at.block) = i;
        if (!a.inCell() && std::holds_alternative<Table>(model_.body[std::size_t(i)]))
            continue;
        const Paragraph& paragraph = paragraphAt(at);
        if (i > first)
            text += u'\r';
        text +=
            engine::textOf(paragraph, i == first ? a.offset : 0, i == last ? b.offset : lengthOf(paragraph));
    }
    return text;
}

int Editor::picturesInSelection() const {
    if (selected_ != Selected::Cell)
        return 0;
    int count = 0;
    for (const Paragraph& paragraph : cellAt(caret_).paragraphs)
        count += pictureCount(paragraph);
    return count;
}

} // namespace word::engine
