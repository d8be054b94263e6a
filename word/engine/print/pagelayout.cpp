#include "pagelayout.h"

#include "units.h"
#include "word/engine/colorindex.h"

#include <algorithm>
#include <numeric>

namespace word::engine::print {

namespace {

// Table rules are 1/2 point wide and take their width in the row's height; cell text keeps 108 twips
// (0.075 inch) from the rules on either side.
constexpr qreal RuleWidth = twips(0.5);
constexpr qreal CellMargin = 108;

QColor ruleColour(int colorIndex) {
    return QColor(rgbOfColorIndex(colorIndex).value_or(qRgb(0, 0, 0)));
}

// A paragraph's lines fitting in the room left, counted from line `from`. A line fits when its text does:
// the extra space of its line spacing may hang past the bottom margin.
std::size_t linesFitting(const std::vector<LineBox>& lines, std::size_t from, qreal room) {
    std::size_t count = 0;
    for (std::size_t i = from; i < lines.size() && lines[i].inkHeight() <= room; ++i, ++count)
        room -= lines[i].height;
    return count;
}

// How many of the fitting lines stay before a page break: with widow and orphan control neither the first
// nor the last line of a paragraph stands alone on a page.
std::size_t linesBeforeBreak(std::size_t lineCount, std::size_t from, std::size_t fitting,
                             bool widowControl) {
    if (!widowControl)
        return fitting;
    std::size_t kept = fitting;
    if (lineCount - from - kept < 2)
        kept = lineCount - from >= 2 ? lineCount - from - 2 : 0;
    if (from == 0 && kept < 2)
        kept = 0;
    return kept;
}

qreal heightOf(const std::vector<LineBox>& lines) {
    return std::accumulate(lines.begin(), lines.end(), qreal(0),
                           [](qreal sum, const LineBox& line) { return sum + line.height; });
}

} // namespace

struct PageLayout::TableFlows {
    const Table* table;
    std::vector<qreal> columnEdges; // twips from the table's left edge, one more than there are columns
    std::vector<std::vector<std::unique_ptr<TextFlow>>> cells;
};

class PageLayout::Paginator {
public:
    Paginator(const PageSetup& page, std::vector<PageContent>& pages)
        : pages_(pages), left_(twips(page.leftMargin)), top_(twips(page.topMargin)),
          bottom_(twips(page.height - page.bottomMargin)), y_(top_) {
        pages_.emplace_back();
    }

    int currentPage() const { return int(pages_.size()) - 1; }

    // Returns the page the paragraph starts on.
    int placeParagraph(const TextFlow& flow, std::size_t index, qreal nextLineHeight) {
        const ParaFormat& format = flow.source(index).format;
        const std::vector<LineBox>& lines = flow.lines(index);
        if (format.pageBreakBefore && !emptyPage_)
            newPage();
        const qreal before = twips(format.spaceBefore);
        const qreal whole = before + heightOf(lines);
        const qreal keptTogether = format.keepWithNext ? whole + nextLineHeight : whole;
        if ((format.keepTogether || format.keepWithNext) && !emptyPage_ && keptTogether > room() &&
            keptTogether <= bodyHeight())
            newPage();
        y_ += before;

        int firstPage = -1;
        for (std::size_t from = 0; from < lines.size();) {
            const std::size_t fitting = linesFitting(lines, from, room());
            std::size_t kept = fitting;
            if (from + fitting < lines.size()) {
                kept = linesBeforeBreak(lines.size(), from, fitting, format.widowControl);
                if (kept == 0 && emptyPage_)
                    kept = std::max<std::size_t>(fitting, 1); // a page never stays empty
            }
            if (kept > 0 && from == 0)
                firstPage = currentPage();
            for (std::size_t i = from; i < from + kept; ++i)
                placeLine(flow, index, int(i), left_, y_);
            from += kept;
            if (from < lines.size())
                newPage();
        }
        y_ += twips(format.spaceAfter);
        return firstPage;
    }

    void placeTable(const TableFlows& table) {
        for (std::size_t row = 0; row < table.cells.size(); ++row)
            placeRow(table, row, row + 1 == table.cells.size());
    }

private:
    // Where a cell's text has got to.
    struct CellCursor {
        std::size_t paragraph = 0;
        int line = 0;
        bool done(const TextFlow& flow) const { return paragraph >= flow.size(); }
    };

    struct Checkpoint {
        std::size_t rules, lines;
        qreal y;
        bool emptyPage;
    };

    // A row runs on over as many pages as its cells' text needs; a row that cannot start on this page
    // moves to the next one.
    void placeRow(const TableFlows& table, std::size_t row, bool lastRow) {
        const auto& cells = table.cells[row];
        std::vector<CellCursor> cursors(cells.size());
        bool ruleAbove = row == 0;
        for (;;) {
            const Checkpoint checkpoint = save();
            const qreal tableLeft = left_, tableRight = left_ + table.columnEdges.back();
            if (ruleAbove) {
                addRule(QRectF(tableLeft, y_, tableRight - tableLeft + RuleWidth, RuleWidth),
                        table.table->outsideColorIndex);
                y_ += RuleWidth;
            }
            const qreal segmentTop = y_;
            qreal segmentBottom = segmentTop;
            bool placedAny = false;
            for (std::size_t column = 0; column < cells.size(); ++column) {
                const qreal textLeft = left_ + table.columnEdges[column] + RuleWidth / 2 + CellMargin;
                const qreal bottom = placeCellLines(*cells[column], cursors[column], textLeft, segmentTop,
                                                    checkpoint.emptyPage, placedAny);
                segmentBottom = std::max(segmentBottom, bottom);
            }
            bool rowDone = true;
            for (std::size_t column = 0; column < cells.size(); ++column)
                rowDone = rowDone && cursors[column].done(*cells[column]);
            if (!placedAny && !rowDone && !checkpoint.emptyPage) {
                restore(checkpoint);
                newPage();
                ruleAbove = true;
                continue;
            }
            for (std::size_t edge = 0; edge < table.columnEdges.size(); ++edge) {
                const bool outside = edge == 0 || edge + 1 == table.columnEdges.size();
                addRule(QRectF(left_ + table.columnEdges[edge], segmentTop - RuleWidth, RuleWidth,
                               segmentBottom - segmentTop + 2 * RuleWidth),
                        outside ? table.table->outsideColorIndex : table.table->insideColorIndex);
            }
            const bool ruleBelowIsInside = rowDone && !lastRow;
            addRule(QRectF(tableLeft, segmentBottom, tableRight - tableLeft + RuleWidth, RuleWidth),
                    ruleBelowIsInside ? table.table->insideColorIndex : table.table->outsideColorIndex);
            y_ = segmentBottom + RuleWidth;
            emptyPage_ = false;
            if (rowDone)
                return;
            newPage();
            ruleAbove = true;
        }
    }

    // Places the cell's next lines from top down while they fit; on a page that was empty before the row
    // at least one line goes, so that every page takes something. Returns the bottom of the last line.
    qreal placeCellLines(const TextFlow& flow, CellCursor& cursor, qreal textLeft, qreal top, bool forced,
                         bool& placedAny) {
        qreal y = top;
        bool placedHere = false;
        while (!cursor.done(flow)) {
            const ParaFormat& format = flow.source(cursor.paragraph).format;
            const std::vector<LineBox>& lines = flow.lines(cursor.paragraph);
            const qreal before = cursor.line == 0 ? twips(format.spaceBefore) : 0;
            const bool last = std::size_t(cursor.line) + 1 == lines.size();
            const qreal after = last ? twips(format.spaceAfter) : 0;
            if (y + before + lines[std::size_t(cursor.line)].inkHeight() > bottom_ &&
                !(forced && !placedHere))
                break;
            y += before;
            placeLine(flow, cursor.paragraph, cursor.line, textLeft, y);
            y += after;
            placedHere = placedAny = true;
            if (last) {
                ++cursor.paragraph;
                cursor.line = 0;
            } else {
                ++cursor.line;
            }
        }
        return y;
    }

    void placeLine(const TextFlow& flow, std::size_t paragraph, int line, qreal x, qreal& y) {
        pages_.back().lines.push_back({&flow, paragraph, line, QPointF(x, y)});
        y += flow.lines(paragraph)[std::size_t(line)].height;
        emptyPage_ = false;
    }

    void addRule(const QRectF& rect, int colorIndex) {
        pages_.back().rules.push_back({rect, ruleColour(colorIndex)});
    }

    void newPage() {
        pages_.emplace_back();
        y_ = top_;
        emptyPage_ = true;
    }

    Checkpoint save() const {
        return {pages_.back().rules.size(), pages_.back().lines.size(), y_, emptyPage_};
    }
    void restore(const Checkpoint& checkpoint) {
        pages_.back().rules.resize(checkpoint.rules);
        pages_.back().lines.resize(checkpoint.lines);
        y_ = checkpoint.y;
        emptyPage_ = checkpoint.emptyPage;
    }

    qreal room() const { return bottom_ - y_; }
    qreal bodyHeight() const { return bottom_ - top_; }

    std::vector<PageContent>& pages_;
    const qreal left_, top_, bottom_;
    qreal y_;
    bool emptyPage_ = true;
};

namespace {

std::vector<qreal> columnEdgesOf(const Table& table, qreal textWidth) {
    const std::size_t columns = table.rows.empty() ? 0 : table.rows.front().size();
    std::vector<qreal> edges{0};
    for (std::size_t column = 0; column < columns; ++column) {
        const qreal width = column < table.columnWidths.size() ? twips(table.columnWidths[column])
                                                               : textWidth / qreal(columns);
        edges.push_back(edges.back() + std::max<qreal>(width, 0));
    }
    return edges;
}

} // namespace

PageLayout::PageLayout(const DocumentModel& model, QPaintDevice& layoutDevice, LineHeights& heights) {
    const qreal textWidth = twips(model.page.textWidth());
    std::vector<const Paragraph*> bodyParagraphs;
    for (const Block& block : model.body) {
        if (const auto* paragraph = std::get_if<Paragraph>(&block)) {
            bodyParagraphs.push_back(paragraph);
            continue;
        }
        const Table& table = std::get<Table>(block);
        auto flows = std::make_unique<TableFlows>();
        flows->table = &table;
        flows->columnEdges = columnEdgesOf(table, textWidth);
        for (const auto& row : table.rows) {
            auto& cells = flows->cells.emplace_back();
            for (std::size_t column = 0; column < row.size() && column + 1 < flows->columnEdges.size();
                 ++column) {
                std::vector<const Paragraph*> paragraphs;
                for (const Paragraph& paragraph : row[column].paragraphs)
                    paragraphs.push_back(&paragraph);
                const qreal width =
                    flows->columnEdges[column + 1] - flows->columnEdges[column] - RuleWidth - 2 * CellMargin;
                cells.push_back(
                    std::make_unique<TextFlow>(std::move(paragraphs), width, layoutDevice, heights));
            }
        }
        tables_.push_back(std::move(flows));
    }
    body_ = std::make_unique<TextFlow>(std::move(bodyParagraphs), textWidth, layoutDevice, heights);

    Paginator paginator(model.page, pages_);
    std::size_t paragraph = 0, table = 0;
    bool firstParagraph = true;
    for (std::size_t i = 0; i < model.body.size(); ++i) {
        if (std::holds_alternative<Table>(model.body[i])) {
            paginator.placeTable(*tables_[table++]);
            continue;
        }
        const bool nextIsParagraph = paragraph + 1 < body_->size() && i + 1 < model.body.size() &&
                                     std::holds_alternative<Paragraph>(model.body[i + 1]);
        const qreal nextLine = nextIsParagraph ? body_->lines(paragraph + 1).front().height : 0;
        const int page = paginator.placeParagraph(*body_, paragraph, nextLine);
        if (firstParagraph)
            shapesPage_ = page;
        firstParagraph = false;
        ++paragraph;
    }
}

PageLayout::~PageLayout() = default;

} // namespace word::engine::print
