#include "writer.h"

#include "unotext.h"
#include "word/engine/page.h"
#include "word/engine/paragraph.h"
#include "word/engine/picture.h"
#include "word/engine/text.h"

#include <com/sun/star/beans/PropertyValue.hpp>
#include <com/sun/star/container/XEnumerationAccess.hpp>
#include <com/sun/star/container/XNameAccess.hpp>
#include <com/sun/star/drawing/XDrawPage.hpp>
#include <com/sun/star/drawing/XDrawPageSupplier.hpp>
#include <com/sun/star/frame/DispatchHelper.hpp>
#include <com/sun/star/frame/XController.hpp>
#include <com/sun/star/frame/XDispatchProvider.hpp>
#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/graphic/GraphicProvider.hpp>
#include <com/sun/star/io/SequenceInputStream.hpp>
#include <com/sun/star/lang/XMultiServiceFactory.hpp>
#include <com/sun/star/lang/XServiceInfo.hpp>
#include <com/sun/star/style/XStyleFamiliesSupplier.hpp>
#include <com/sun/star/table/BorderLine2.hpp>
#include <com/sun/star/table/TableBorder2.hpp>
#include <com/sun/star/table/XCell.hpp>
#include <com/sun/star/table/XCellRange.hpp>
#include <com/sun/star/table/XTableColumns.hpp>
#include <com/sun/star/table/XTableRows.hpp>
#include <com/sun/star/text/ControlCharacter.hpp>
#include <com/sun/star/text/HoriOrientation.hpp>
#include <com/sun/star/text/RelOrientation.hpp>
#include <com/sun/star/text/TableColumnSeparator.hpp>
#include <com/sun/star/text/TextContentAnchorType.hpp>
#include <com/sun/star/text/VertOrientation.hpp>
#include <com/sun/star/text/WrapTextMode.hpp>
#include <com/sun/star/text/XParagraphCursor.hpp>
#include <com/sun/star/text/XTextContent.hpp>
#include <com/sun/star/text/XTextDocument.hpp>
#include <com/sun/star/text/XTextRangeCompare.hpp>
#include <com/sun/star/text/XTextViewCursorSupplier.hpp>
#include <com/sun/star/util/XModifiable.hpp>
#include <com/sun/star/view/XSelectionSupplier.hpp>

#include <QLocale>

#include <algorithm>

namespace word::live {

using namespace css;
using Kind = SelectionState::Kind;

namespace {

// A cell's text stands 5.4 pt in from either side of the cell, as in the engine.
constexpr float CellMargins = 2 * 5.4f;
// Lines are drawn 0.75 pt wide, in black, as the engine writes them.
constexpr float LineWidthPoints = 0.75f;

template <class Interface, class From> uno::Reference<Interface> as(const uno::Reference<From>& object) {
    return uno::Reference<Interface>(object, uno::UNO_QUERY_THROW);
}

template <class From> Target props(const uno::Reference<From>& object) {
    return as<beans::XPropertySet>(object);
}

// A cursor as the range it stands on (the SDK's references do not convert to their bases).
template <class From> uno::Reference<text::XTextRange> range(const uno::Reference<From>& cursor) {
    return uno::Reference<text::XTextRange>(cursor.get());
}

[[noreturn]] void fail(int number, const QString& description) {
    throw AutomationError(number, description);
}

// Characters as Writer's cursors count them: a surrogate pair is one.
int codePoints(QStringView text) {
    int count = 0;
    for (qsizetype i = 0; i < text.size(); ++i, ++count)
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
    return count;
}

// Cursor steps from a paragraph's start to an offset of the engine's model: one per character, one per
// picture.
int stepsTo(const engine::Paragraph& paragraph, int offset) {
    int steps = 0;
    int at = 0;
    for (const engine::Inline& item : paragraph.content) {
        if (at >= offset)
            break;
        if (const auto* run = std::get_if<engine::TextRun>(&item)) {
            const int take = std::min<int>(int(run->text.size()), offset - at);
            steps += codePoints(QStringView(run->text).left(take));
            at += int(run->text.size());
        } else {
            ++steps;
            ++at;
        }
    }
    return steps;
}

// A paragraph's content (as far as the paragraph object reaches), as the engine's model holds it. True
// when it is text alone, with no picture, field or other portion.
bool readPortions(const uno::Reference<container::XEnumerationAccess>& paragraph, engine::Paragraph& into) {
    bool textAlone = true;
    const auto portions = paragraph->createEnumeration();
    while (portions->hasMoreElements()) {
        const uno::Reference<text::XTextRange> portion(portions->nextElement(), uno::UNO_QUERY_THROW);
        const PortionFormat read = readPortionFormat(props(portion));
        if (read.type == "Text") {
            const QString text = engine::storableText(toQString(portion->getString()));
            if (!text.isEmpty())
                engine::insertText(into, engine::lengthOf(into), text, read.format);
        } else {
            textAlone = false;
            if (read.type == "Frame")
                engine::insertPicture(into, engine::lengthOf(into), engine::Picture{});
        }
    }
    return textAlone;
}

// The first paragraph of the range, as far as the range reaches; the paragraph object is what carries
// every paragraph property (a cursor lacks some, such as the outline level).
uno::Reference<container::XEnumerationAccess> firstParagraph(const uno::Reference<text::XTextRange>& place) {
    const auto paragraphs = as<container::XEnumerationAccess>(place)->createEnumeration();
    if (!paragraphs->hasMoreElements())
        return {};
    return uno::Reference<container::XEnumerationAccess>(paragraphs->nextElement(), uno::UNO_QUERY);
}

// The paragraph that holds the place, as the object that takes paragraph properties.
Target paragraphHolding(const uno::Reference<text::XTextRange>& place) {
    const auto text = place->getText();
    const auto whole = text->createTextCursorByRange(place->getStart());
    as<text::XParagraphCursor>(whole)->gotoStartOfParagraph(false);
    as<text::XParagraphCursor>(whole)->gotoEndOfParagraph(true);
    return props(firstParagraph(range(whole)));
}

// Every paragraph of a text (a cell's), as objects that take paragraph properties.
std::vector<Target> paragraphsOf(const uno::Reference<text::XText>& text) {
    std::vector<Target> paragraphs;
    const auto all = as<container::XEnumerationAccess>(text)->createEnumeration();
    while (all->hasMoreElements()) {
        const Target paragraph(all->nextElement(), uno::UNO_QUERY);
        if (paragraph.is() && !uno::Reference<text::XTextTable>(paragraph, uno::UNO_QUERY).is())
            paragraphs.push_back(paragraph);
    }
    return paragraphs;
}

void readContent(const uno::Reference<text::XTextRange>& place, engine::Paragraph& into) {
    if (const auto paragraph = firstParagraph(place); paragraph.is())
        readPortions(paragraph, into);
}

uno::Reference<text::XTextCursor> cursorAt(const ParagraphAt& paragraph, int offset) {
    const auto cursor = paragraph.start->getText()->createTextCursorByRange(range(paragraph.start));
    const int steps = stepsTo(paragraph.paragraph, offset);
    if (steps > 0)
        cursor->goRight(sal_Int16(std::min(steps, 0x7FFF)), false);
    return cursor;
}

bool isCellText(const uno::Reference<text::XText>& text) {
    return uno::Reference<table::XCell>(text, uno::UNO_QUERY).is();
}

// The table and cell a place stands in, if any.
struct InTable {
    uno::Reference<text::XTextTable> table;
    CellPlace cell;
};
std::optional<InTable> tableOf(const uno::Reference<text::XTextRange>& place) {
    const Target properties = props(place);
    uno::Reference<text::XTextTable> table;
    properties->getPropertyValue(OUString("TextTable")) >>= table;
    uno::Reference<beans::XPropertySet> cell;
    properties->getPropertyValue(OUString("Cell")) >>= cell;
    if (!table.is() || !cell.is())
        return std::nullopt;
    OUString name;
    cell->getPropertyValue(OUString("CellName")) >>= name;
    const auto position = cellPlaceOf(toQString(name));
    if (!position)
        return std::nullopt;
    return InTable{table, *position};
}

uno::Reference<frame::XFrame> frameOf(const uno::Reference<lang::XComponent>& component) {
    const auto controller = as<frame::XModel>(component)->getCurrentController();
    return controller.is() ? controller->getFrame() : uno::Reference<frame::XFrame>();
}

// Writer's default rules: single lines of 0.5 pt in the automatic colour, as the engine's tables start.
void automaticRules(const uno::Reference<text::XTextTable>& table) {
    const Target properties = props(table);
    table::TableBorder2 border;
    properties->getPropertyValue(OUString("TableBorder2")) >>= border;
    for (table::BorderLine2* line : {&border.TopLine, &border.BottomLine, &border.LeftLine, &border.RightLine,
                                     &border.HorizontalLine, &border.VerticalLine})
        line->Color = writerColor(0);
    properties->setPropertyValue(OUString("TableBorder2"), uno::Any(border));
}

// Writer's one draw page: the SDK marks the interface deprecated, yet it is how a text document hands
// out its shapes.
uno::Reference<drawing::XDrawPage> drawPageOf(const uno::Reference<lang::XComponent>& component) {
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    return as<drawing::XDrawPageSupplier>(component)->getDrawPage();
#pragma GCC diagnostic pop
}

Target pageStyleOf(const uno::Reference<lang::XComponent>& component, const OUString& name) {
    const auto families = as<style::XStyleFamiliesSupplier>(component)->getStyleFamilies();
    const uno::Reference<container::XNameAccess> pageStyles(families->getByName(OUString("PageStyles")),
                                                            uno::UNO_QUERY_THROW);
    return Target(pageStyles->getByName(name), uno::UNO_QUERY_THROW);
}

const uno::Reference<text::XParagraphCursor>& paragraphCursorOf(Caret& caret) {
    if (!caret.paragraph.is())
        caret.paragraph = as<text::XParagraphCursor>(caret.cursor);
    return caret.paragraph;
}

const Target& propertiesOf(Caret& caret) {
    if (!caret.properties.is())
        caret.properties = props(caret.cursor);
    return caret.properties;
}

} // namespace

// --- Places -----------------------------------------------------------------------------------------

ParagraphAt paragraphAt(const uno::Reference<text::XTextRange>& place) {
    const auto text = place->getText();
    ParagraphAt at;
    at.start = text->createTextCursorByRange(place->getStart());
    as<text::XParagraphCursor>(at.start)->gotoStartOfParagraph(false);

    const auto whole = text->createTextCursorByRange(range(at.start));
    as<text::XParagraphCursor>(whole)->gotoEndOfParagraph(true);
    const auto paragraph = firstParagraph(range(whole));
    at.paragraph.format = readParaFormat(props(paragraph));
    const bool textAlone = readPortions(paragraph, at.paragraph);
    // The paragraph end carries what the paragraph mark shows: an empty paragraph's own attributes, or
    // those of the text before the end.
    whole->collapseToEnd();
    at.paragraph.markFormat = readCharFormat(props(whole));

    const auto before = text->createTextCursorByRange(range(at.start));
    before->gotoRange(place->getStart(), true);
    if (before->isCollapsed())
        return at;
    // Text alone is as long before the place as the text Writer gives for it.
    if (textAlone) {
        at.offset = int(engine::storableText(toQString(before->getString())).size());
        return at;
    }
    engine::Paragraph head;
    readContent(range(before), head);
    at.offset = engine::lengthOf(head);
    return at;
}

std::optional<CellPlace> cellPlaceOf(const QString& cellName) {
    // Writer names columns A to Z, a to z, then with two letters; rows count from 1.
    const auto letterValue = [](QChar c) -> int {
        if (c >= u'A' && c <= u'Z')
            return c.unicode() - u'A';
        if (c >= u'a' && c <= u'z')
            return 26 + c.unicode() - u'a';
        return -1;
    };
    qsizetype letters = 0;
    while (letters < cellName.size() && letterValue(cellName[letters]) >= 0)
        ++letters;
    bool ok = false;
    const int row = cellName.mid(letters).toInt(&ok);
    if (!ok || row < 1 || letters < 1 || letters > 2)
        return std::nullopt;
    int column = letterValue(cellName[letters - 1]);
    if (letters == 2)
        column += (letterValue(cellName[0]) + 1) * 52;
    return CellPlace{row - 1, column};
}

uno::Reference<text::XText> cellText(const uno::Reference<text::XTextTable>& table, int row, int column) {
    return as<text::XText>(as<table::XCellRange>(table)->getCellByPosition(column, row));
}

int rowCount(const uno::Reference<text::XTextTable>& table) {
    return int(table->getRows()->getCount());
}

int columnCount(const uno::Reference<text::XTextTable>& table) {
    return int(table->getColumns()->getCount());
}

// --- The selection ----------------------------------------------------------------------------------

uno::Reference<text::XTextViewCursor> WriterDocument::viewCursor() const {
    if (d_.closed)
        fail(errors::CommandFailed, QStringLiteral("The document has been closed."));
    if (!d_.view.is()) {
        const auto controller = as<frame::XModel>(d_.component)->getCurrentController();
        const uno::Reference<text::XTextViewCursorSupplier> supplier(controller, uno::UNO_QUERY);
        if (!supplier.is())
            fail(errors::CommandFailed, QStringLiteral("The document's window does not show its text."));
        d_.view = supplier->getViewCursor();
    }
    if (d_.viewBehind) {
        d_.viewBehind = false;
        d_.view->gotoRange(range(d_.caret.cursor), false);
    }
    return d_.view;
}

void WriterDocument::catchUpView() const {
    if (d_.viewBehind && !d_.closed)
        viewCursor();
}

const Caret& WriterDocument::insertionPoint() const {
    if (!d_.caret.cursor.is()) {
        const auto view = viewCursor();
        Caret caret;
        caret.text = view->getText();
        caret.cursor = caret.text->createTextCursorByRange(view->getStart());
        d_.caret = std::move(caret);
    }
    return d_.caret;
}

void WriterDocument::forgetCaret() const {
    d_.caret = Caret{};
    d_.viewBehind = false;
}

void WriterDocument::caretMoved() {
    // A hidden document's view cursor is not seen: it follows when it is next used.
    if (d_.waitingForWindow)
        d_.viewBehind = true;
    else
        viewCursor()->gotoRange(range(d_.caret.cursor), false);
}

void WriterDocument::requireText() const {
    if (d_.selection.kind == Kind::Shape)
        fail(errors::CommandFailed, QStringLiteral("This is not available while a shape is selected."));
}

uno::Reference<text::XText> WriterDocument::selectedCellText() const {
    return cellText(d_.selection.table, d_.selection.row, d_.selection.column);
}

uno::Reference<text::XTextCursor> WriterDocument::caret() const {
    switch (d_.selection.kind) {
    case Kind::Cell:
        return selectedCellText()->createTextCursor();
    case Kind::Shape:
        return d_.selection.textPoint->getText()->createTextCursorByRange(d_.selection.textPoint);
    case Kind::InsertionPoint:
        break;
    }
    return insertionPoint().cursor;
}

void WriterDocument::moveTo(const uno::Reference<text::XTextRange>& place) {
    placeInsertionPoint(place);
    const ParagraphAt here = paragraphAt(place);
    d_.selection.insertionFormat = engine::formatAt(here.paragraph, here.offset);
}

// The paragraph at the place is known: it is not read again.
void WriterDocument::moveTo(const uno::Reference<text::XTextRange>& place, const ParagraphAt& paragraph,
                            int offset) {
    placeInsertionPoint(place);
    d_.selection.insertionFormat = engine::formatAt(paragraph.paragraph, offset);
}

void WriterDocument::placeInsertionPoint(const uno::Reference<text::XTextRange>& place) {
    forgetCaret();
    viewCursor()->gotoRange(place, false);
    d_.selection.kind = Kind::InsertionPoint;
    d_.selection.table.clear();
}

void WriterDocument::returnToText() {
    // Writer keeps a selected shape until the view leaves it; then the text point is selected again.
    const auto frame = frameOf(d_.component);
    frame::DispatchHelper::create(d_.session->context)
        ->executeDispatch(as<frame::XDispatchProvider>(frame), OUString(".uno:Escape"), OUString(), 0, {});
    as<view::XSelectionSupplier>(frame->getController())->select(uno::Any(d_.selection.textPoint));
    viewCursor()->gotoRange(d_.selection.textPoint, false);
    forgetCaret();
    d_.selection.kind = Kind::InsertionPoint;
    d_.selection.shape.clear();
    d_.selection.textPoint.clear();
}

uno::Reference<text::XTextRange> WriterDocument::selectionRange() {
    if (d_.selection.kind == Kind::Cell) {
        const auto cursor = selectedCellText()->createTextCursor();
        cursor->gotoEnd(true);
        return range(cursor);
    }
    if (d_.selection.kind == Kind::Shape)
        return range(caret());
    // A range of its own, which stays where it is when the insertion point moves on.
    const Caret& at = insertionPoint();
    return range(at.text->createTextCursorByRange(range(at.cursor)));
}

// --- Documents --------------------------------------------------------------------------------------

void WriterDocument::prepareNew(const uno::Reference<lang::XComponent>& component) {
    // The engine's new document: its font, its paragraph defaults and its page.
    const Target defaults(
        as<lang::XMultiServiceFactory>(component)->createInstance(OUString("com.sun.star.text.Defaults")),
        uno::UNO_QUERY_THROW);
    writeCharFormat(defaults, engine::CharFormat{});
    const engine::ParaFormat paragraph;
    for (ParaMember member : {ParaMember::WidowControl, ParaMember::Hyphenation})
        writeParaMember(defaults, member, paragraph);

    const engine::PageSetup page = engine::pageSetupFor(QLocale::system().measurementSystem());
    const Target pageStyle = pageStyleOf(component, OUString("Standard"));
    pageStyle->setPropertyValue(OUString("Width"), uno::Any(hundredthsOfMillimetre(page.width)));
    pageStyle->setPropertyValue(OUString("Height"), uno::Any(hundredthsOfMillimetre(page.height)));
    pageStyle->setPropertyValue(OUString("TopMargin"), uno::Any(hundredthsOfMillimetre(page.topMargin)));
    pageStyle->setPropertyValue(OUString("BottomMargin"),
                                uno::Any(hundredthsOfMillimetre(page.bottomMargin)));
    pageStyle->setPropertyValue(OUString("LeftMargin"), uno::Any(hundredthsOfMillimetre(page.leftMargin)));
    pageStyle->setPropertyValue(OUString("RightMargin"), uno::Any(hundredthsOfMillimetre(page.rightMargin)));
    as<util::XModifiable>(component)->setModified(false);
}

void WriterDocument::startAtTop() {
    const auto view = viewCursor();
    view->gotoStart(false);
    forgetCaret();
    d_.selection = SelectionState{};
    const ParagraphAt here = paragraphAt(view->getStart());
    d_.selection.insertionFormat = engine::formatAt(here.paragraph, 0);
}

// --- Typing -----------------------------------------------------------------------------------------

void WriterDocument::typeText(const QString& text) {
    requireText();
    const QStringList pieces = engine::typedParagraphs(text);
    emptySelectedCell();
    insertParagraphs(pieces);
}

void WriterDocument::typeParagraph() {
    requireText();
    emptySelectedCell();
    insertParagraphs({QString(), QString()});
}

void WriterDocument::emptySelectedCell() {
    if (d_.selection.kind != Kind::Cell)
        return;
    const auto cell = selectedCellText();
    const auto first = paragraphAt(cell->getStart());
    const engine::CharFormat typing = engine::formatAt(first.paragraph, 0);
    const auto all = cell->createTextCursor();
    all->gotoEnd(true);
    if (!all->isCollapsed()) {
        // One empty paragraph stays, with the formats of the last one.
        const engine::Paragraph last = paragraphAt(cell->getEnd()).paragraph;
        all->setString(OUString());
        const auto rest = cell->createTextCursor();
        writeParaFormat(paragraphHolding(range(rest)), last.format);
        writeCharFormat(props(rest), last.markFormat);
    }
    viewCursor()->gotoRange(cell->getStart(), false);
    forgetCaret();
    d_.caret.text = cell;
    d_.caret.cursor = cell->createTextCursor();
    d_.selection.kind = Kind::InsertionPoint;
    d_.selection.table.clear();
    d_.selection.insertionFormat = typing;
}

void WriterDocument::insertParagraphs(const QStringList& pieces) {
    insertionPoint();
    const auto text = d_.caret.text;
    const auto cursor = d_.caret.cursor;
    // What the paragraph ends need is read once: the text after the insertion point goes along to the
    // last paragraph, each new paragraph has the format of the first, and the insertion point stands at
    // a paragraph's start after an empty piece.
    Split split;
    if (pieces.size() > 1) {
        const auto& at = paragraphCursorOf(d_.caret);
        split.headEmpty = at->isStartOfParagraph() && pieces.front().isEmpty();
        split.tailEmpty = at->isEndOfParagraph();
        split.format = readParaFormat(propertiesOf(d_.caret), Reach::Cursor);
    }
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        if (i > 0) {
            splitParagraph(text, cursor, split);
            split.headEmpty = pieces[i].isEmpty();
        }
        if (!pieces[i].isEmpty())
            insertRun(text, cursor, pieces[i]);
    }
    caretMoved();
}

// The insertion point selects what was typed for its format, and ends after it again.
void WriterDocument::insertRun(const uno::Reference<text::XText>& text,
                               const uno::Reference<text::XTextCursor>& cursor, const QString& piece) {
    text->insertString(range(cursor), toOUString(piece), false);
    cursor->goLeft(sal_Int16(std::min(codePoints(piece), 0x7FFF)), true);
    writeCharFormat(propertiesOf(d_.caret), d_.selection.insertionFormat);
    cursor->collapseToEnd();
}

void WriterDocument::splitParagraph(const uno::Reference<text::XText>& text,
                                    const uno::Reference<text::XTextCursor>& cursor, const Split& split) {
    // Both halves keep the whole format (see splitKeepingFormat).
    text->insertControlCharacter(range(cursor), text::ControlCharacter::PARAGRAPH_BREAK, false);
    writeParaFormat(propertiesOf(d_.caret), split.format, Reach::Cursor);

    // The first half ends in a mark of the insertion format; the second keeps the old one unless empty.
    const engine::CharFormat& format = d_.selection.insertionFormat;
    if (split.headEmpty) {
        // The empty first half is one step back.
        cursor->goLeft(1, false);
        writeCharFormat(propertiesOf(d_.caret), format);
        cursor->goRight(1, false);
    }
    if (split.tailEmpty)
        writeCharFormat(propertiesOf(d_.caret), format);
}

// Writer gives the second half of a split paragraph its own idea of some attributes (keep-together and
// keep-with-next are dropped, a page break stays with the first half); both halves keep the whole format.
void WriterDocument::splitKeepingFormat(const uno::Reference<text::XText>& text,
                                        const uno::Reference<text::XTextCursor>& cursor) {
    const Target properties = props(cursor);
    const engine::ParaFormat format = readParaFormat(properties, Reach::Cursor);
    text->insertControlCharacter(range(cursor), text::ControlCharacter::PARAGRAPH_BREAK, false);
    writeParaFormat(properties, format, Reach::Cursor);
}

engine::PictureSize WriterDocument::insertPicture(engine::Picture picture) {
    requireText();
    emptySelectedCell();
    const auto cursor = caret();
    const auto table = tableOf(range(cursor));
    engine::fitToWidth(picture,
                       table ? columnWidth(table->table, table->cell.column) - CellMargins : textWidth());

    const auto& context = d_.session->context;
    const uno::Sequence<sal_Int8> bytes(reinterpret_cast<const sal_Int8*>(picture.data.constData()),
                                        sal_Int32(picture.data.size()));
    beans::PropertyValue source;
    source.Name = "InputStream";
    source.Value <<= io::SequenceInputStream::createStreamFromSequence(context, bytes);
    const auto graphic = graphic::GraphicProvider::create(context)->queryGraphic(sequenceOf({source}));
    if (!graphic.is())
        fail(errors::InvalidPicture, QStringLiteral("LibreOffice could not read the picture."));

    const Target object(as<lang::XMultiServiceFactory>(d_.component)
                            ->createInstance(OUString("com.sun.star.text.TextGraphicObject")),
                        uno::UNO_QUERY_THROW);
    object->setPropertyValue(OUString("Graphic"), uno::Any(graphic));
    object->setPropertyValue(OUString("AnchorType"), uno::Any(text::TextContentAnchorType_AS_CHARACTER));
    object->setPropertyValue(OUString("Width"), uno::Any(hundredthsOfMillimetre(picture.width)));
    object->setPropertyValue(OUString("Height"), uno::Any(hundredthsOfMillimetre(picture.height)));
    d_.caret.text->insertTextContent(range(cursor), as<text::XTextContent>(object), false);
    caretMoved();
    return {picture.width, picture.height};
}

float WriterDocument::textWidth() {
    OUString name;
    const auto at = caret();
    const Target place = at == d_.caret.cursor ? propertiesOf(d_.caret) : props(at);
    place->getPropertyValue(OUString("PageStyleName")) >>= name;
    const Target page = pageStyleOf(d_.component, name.isEmpty() ? OUString("Standard") : name);
    sal_Int32 width = 0, left = 0, right = 0;
    page->getPropertyValue(OUString("Width")) >>= width;
    page->getPropertyValue(OUString("LeftMargin")) >>= left;
    page->getPropertyValue(OUString("RightMargin")) >>= right;
    return pointsOf(width - left - right);
}

float WriterDocument::columnWidth(const uno::Reference<text::XTextTable>& table, int column) {
    const Target properties = props(table);
    // A table across the text (Writer's own, and every table made here) is as wide as the text; its Width
    // property means nothing until the table has been laid out.
    sal_Int16 orientation = text::HoriOrientation::FULL;
    properties->getPropertyValue(OUString("HoriOrient")) >>= orientation;
    float width = textWidth();
    if (orientation != text::HoriOrientation::FULL) {
        sal_Int32 hundredths = 0;
        properties->getPropertyValue(OUString("Width")) >>= hundredths;
        width = pointsOf(hundredths);
    }
    sal_Int16 relativeSum = 0;
    uno::Sequence<text::TableColumnSeparator> separators;
    properties->getPropertyValue(OUString("TableColumnRelativeSum")) >>= relativeSum;
    properties->getPropertyValue(OUString("TableColumnSeparators")) >>= separators;
    if (relativeSum <= 0)
        return width / float(std::max(1, columnCount(table)));
    const auto edge = [&](int index) -> float {
        if (index < 0)
            return 0;
        if (index >= separators.getLength())
            return relativeSum;
        return separators[index].Position;
    };
    return width * (edge(column) - edge(column - 1)) / float(relativeSum);
}

// --- Formats ----------------------------------------------------------------------------------------

engine::CharFormat WriterDocument::characterFormat() const {
    requireText();
    return d_.selection.insertionFormat;
}

void WriterDocument::formatCharacters(
    const std::function<void(engine::CharFormat&)>& change,
    const std::function<void(const Target&, const engine::CharFormat&)>& write) {
    requireText();
    change(d_.selection.insertionFormat);
    if (d_.selection.kind == Kind::Cell) {
        const auto all = selectedCellText()->createTextCursor();
        all->gotoEnd(true);
        write(props(all), d_.selection.insertionFormat);
        return;
    }
    // In an empty paragraph the mark takes the format too.
    caret();
    const auto& paragraph = paragraphCursorOf(d_.caret);
    if (paragraph->isStartOfParagraph() && paragraph->isEndOfParagraph())
        write(propertiesOf(d_.caret), d_.selection.insertionFormat);
}

engine::ParaFormat WriterDocument::paragraphFormat() {
    requireText();
    return readParaFormat(paragraphHolding(range(caret())));
}

void WriterDocument::formatParagraphs(ParaMember member, const std::function<void(const Target&)>& write) {
    requireText();
    if (d_.selection.kind == Kind::Cell) {
        for (const Target& paragraph : paragraphsOf(selectedCellText()))
            write(paragraph);
        return;
    }
    const auto at = caret();
    write(cursorTakes(member) ? propertiesOf(d_.caret) : paragraphHolding(range(at)));
}

// --- Moving -----------------------------------------------------------------------------------------

void WriterDocument::endOfWord() {
    if (d_.selection.kind == Kind::Shape)
        return returnToText();
    if (d_.selection.kind == Kind::Cell) {
        const auto cell = selectedCellText();
        const auto all = cell->createTextCursor();
        all->gotoEnd(true);
        if (!all->isCollapsed())
            return moveTo(cell->getEnd());
        viewCursor()->gotoRange(cell->getStart(), false);
        forgetCaret();
        d_.selection.kind = Kind::InsertionPoint;
        d_.selection.table.clear();
        return;
    }
    // At the end of a paragraph the insertion point stays (and the paragraph need not be read).
    insertionPoint();
    if (paragraphCursorOf(d_.caret)->isEndOfParagraph())
        return;
    // The word ends in the paragraph that was read: the insertion point goes there on its own.
    const ParagraphAt here = paragraphAt(range(caret()));
    const int end = engine::endOfWord(here.paragraph, here.offset);
    if (end == here.offset)
        return;
    const int steps = stepsTo(here.paragraph, end) - stepsTo(here.paragraph, here.offset);
    d_.caret.cursor->goRight(sal_Int16(std::min(steps, 0x7FFF)), false);
    caretMoved();
    d_.selection.insertionFormat = engine::formatAt(here.paragraph, end);
}

void WriterDocument::moveRight() {
    if (d_.selection.kind == Kind::Shape)
        return returnToText();
    if (d_.selection.kind == Kind::Cell)
        return moveTo(afterCell(d_.selection.table, d_.selection.row, d_.selection.column));
    // Writer's view cursor moves as the engine does: a character, into the next paragraph or cell, into a
    // table's first cell, out of its last one.
    const auto view = viewCursor();
    if (view->goRight(1, false))
        moveTo(view->getStart());
}

void WriterDocument::moveDown() {
    if (d_.selection.kind == Kind::Shape)
        return returnToText();
    if (d_.selection.kind == Kind::Cell) {
        const auto cell = selectedCellText();
        const auto all = cell->createTextCursor();
        all->gotoEnd(true);
        if (all->isCollapsed()) {
            viewCursor()->gotoRange(cell->getStart(), false);
            forgetCaret();
            d_.selection.kind = Kind::InsertionPoint;
            d_.selection.table.clear();
        } else {
            moveTo(cell->getEnd());
        }
    }
    const ParagraphAt here = paragraphAt(range(caret()));
    const auto below = lineBelow(here);
    if (!below.is())
        return;
    // A line is a paragraph; the insertion point keeps its offset where the paragraph reached allows.
    const ParagraphAt target = paragraphAt(below);
    const int offset = engine::characterBoundary(target.paragraph,
                                                 std::min(here.offset, engine::lengthOf(target.paragraph)));
    moveTo(range(cursorAt(target, offset)), target, offset);
}

uno::Reference<text::XTextRange> WriterDocument::lineBelow(const ParagraphAt& here) {
    const auto text = here.start->getText();
    if (isCellText(text)) {
        const auto next = text->createTextCursorByRange(range(here.start));
        if (as<text::XParagraphCursor>(next)->gotoNextParagraph(false))
            return range(next);
        const auto in = tableOf(range(here.start));
        if (!in)
            return {};
        if (in->cell.row + 1 < rowCount(in->table))
            return cellText(in->table, in->cell.row + 1, in->cell.column)->getStart();
        return afterTable(in->table);
    }
    // In the body the next block follows the paragraph's end: a paragraph, or a table's first cell.
    const auto end = text->createTextCursorByRange(range(here.start));
    as<text::XParagraphCursor>(end)->gotoEndOfParagraph(false);
    const auto view = viewCursor();
    const auto before = view->getText()->createTextCursorByRange(view->getStart());
    view->gotoRange(range(end), false);
    if (!view->goRight(1, false)) {
        view->gotoRange(range(before), false);
        return {};
    }
    forgetCaret();
    return range(view->getText()->createTextCursorByRange(view->getStart()));
}

uno::Reference<text::XTextRange> WriterDocument::afterCell(const uno::Reference<text::XTextTable>& table,
                                                           int row, int column) {
    if (column + 1 < columnCount(table))
        return cellText(table, row, column + 1)->getStart();
    if (row + 1 < rowCount(table))
        return cellText(table, row + 1, 0)->getStart();
    return afterTable(table);
}

uno::Reference<text::XTextRange> WriterDocument::afterTable(const uno::Reference<text::XTextTable>& table) {
    // From the end of the last cell, one step right leaves the table.
    const auto view = viewCursor();
    view->gotoRange(cellText(table, rowCount(table) - 1, columnCount(table) - 1)->getEnd(), false);
    forgetCaret();
    view->goRight(1, false);
    return range(view->getText()->createTextCursorByRange(view->getStart()));
}

// --- Tables -----------------------------------------------------------------------------------------

std::vector<uno::Reference<text::XTextTable>> WriterDocument::tables() {
    std::vector<uno::Reference<text::XTextTable>> found;
    const auto blocks = as<container::XEnumerationAccess>(as<text::XTextDocument>(d_.component)->getText())
                            ->createEnumeration();
    while (blocks->hasMoreElements()) {
        const uno::Reference<text::XTextTable> table(blocks->nextElement(), uno::UNO_QUERY);
        if (table.is())
            found.push_back(table);
    }
    return found;
}

std::optional<uno::Reference<text::XTextTable>> WriterDocument::tableAtSelection() {
    switch (d_.selection.kind) {
    case Kind::Shape:
        return std::nullopt;
    case Kind::Cell:
        return d_.selection.table;
    case Kind::InsertionPoint:
        break;
    }
    if (const auto in = tableOf(range(caret())))
        return in->table;
    return std::nullopt;
}

uno::Reference<text::XTextTable> WriterDocument::addTable(const uno::Reference<text::XTextRange>& at,
                                                          int rows, int columns) {
    requireText();
    const auto text = at->getText();
    if (isCellText(text))
        fail(errors::CommandFailed, QStringLiteral("A table cannot be added inside a table."));
    if (as<text::XTextRangeCompare>(text)->compareRegionStarts(at->getStart(), at->getEnd()) != 0)
        fail(errors::InvalidArgument, QStringLiteral("A table can only be added at an insertion point."));

    const ParagraphAt here = paragraphAt(at);
    // Text before the place stays above the table, and a table never directly follows another one.
    const auto view = viewCursor();
    view->gotoRange(range(here.start), false);
    forgetCaret();
    const bool tableAbove = view->goLeft(1, false) && tableOf(view->getStart()).has_value();
    const auto cursor = text->createTextCursorByRange(at->getStart());
    if (here.offset > 0 || tableAbove)
        splitKeepingFormat(text, cursor);

    const uno::Reference<text::XTextTable> table(
        as<lang::XMultiServiceFactory>(d_.component)->createInstance(OUString("com.sun.star.text.TextTable")),
        uno::UNO_QUERY_THROW);
    table->initialize(rows, columns);
    text->insertTextContent(range(cursor), as<text::XTextContent>(table), false);
    automaticRules(table);

    // Each cell starts as an empty paragraph with the paragraph's style, format and mark.
    const uno::Any style = paragraphHolding(range(here.start))->getPropertyValue(OUString("ParaStyleName"));
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            const auto cell = cellText(table, row, column);
            // A new cell holds one paragraph, found quicker than from a place in it.
            const std::vector<Target> paragraphs = paragraphsOf(cell);
            const Target paragraph =
                paragraphs.empty() ? paragraphHolding(cell->getStart()) : paragraphs.front();
            paragraph->setPropertyValue(OUString("ParaStyleName"), style);
            writeParaFormat(paragraph, here.paragraph.format);
            writeCharFormat(props(cell->createTextCursor()), here.paragraph.markFormat);
        }
    }
    view->gotoRange(cellText(table, 0, 0)->getStart(), false);
    d_.selection = SelectionState{};
    d_.selection.insertionFormat = here.paragraph.markFormat;
    return table;
}

void WriterDocument::selectCell(const uno::Reference<text::XTextTable>& table, int row, int column) {
    const auto cell = cellText(table, row, column);
    if (d_.selection.kind == Kind::Shape)
        returnToText();
    const auto view = viewCursor();
    view->gotoRange(cell->getStart(), false);
    view->gotoRange(cell->getEnd(), true);
    forgetCaret();
    d_.selection.kind = Kind::Cell;
    d_.selection.table = table;
    d_.selection.row = row;
    d_.selection.column = column;
    d_.selection.insertionFormat = engine::formatAt(paragraphAt(cell->getStart()).paragraph, 0);
}

int WriterDocument::picturesInSelection() {
    if (d_.selection.kind != Kind::Cell)
        return 0;
    const auto paragraphs = as<container::XEnumerationAccess>(selectedCellText())->createEnumeration();
    int count = 0;
    while (paragraphs->hasMoreElements()) {
        const uno::Reference<container::XEnumerationAccess> paragraph(paragraphs->nextElement(),
                                                                      uno::UNO_QUERY);
        if (!paragraph.is())
            continue;
        const auto portions = paragraph->createEnumeration();
        while (portions->hasMoreElements()) {
            OUString type;
            props(uno::Reference<uno::XInterface>(portions->nextElement(), uno::UNO_QUERY))
                ->getPropertyValue(OUString("TextPortionType")) >>= type;
            count += type == "Frame" ? 1 : 0;
        }
    }
    return count;
}

// --- Lines ------------------------------------------------------------------------------------------

uno::Reference<drawing::XShape> WriterDocument::addLine(const engine::LineShape& line) {
    const uno::Reference<drawing::XShape> shape(
        as<lang::XMultiServiceFactory>(d_.component)
            ->createInstance(OUString("com.sun.star.drawing.LineShape")),
        uno::UNO_QUERY_THROW);
    const sal_Int32 left = hundredthsOfMillimetre(std::min(line.beginX, line.endX));
    const sal_Int32 top = hundredthsOfMillimetre(std::min(line.beginY, line.endY));
    shape->setPosition(awt::Point(left, top));
    shape->setSize(awt::Size(hundredthsOfMillimetre(std::abs(line.endX - line.beginX)),
                             hundredthsOfMillimetre(std::abs(line.endY - line.beginY))));
    const Target properties = props(shape);
    properties->setPropertyValue(OUString("AnchorType"), uno::Any(text::TextContentAnchorType_AT_PAGE));
    properties->setPropertyValue(OUString("AnchorPageNo"), uno::Any(sal_Int16(1)));
    properties->setPropertyValue(OUString("HoriOrient"), uno::Any(text::HoriOrientation::NONE));
    properties->setPropertyValue(OUString("VertOrient"), uno::Any(text::VertOrientation::NONE));
    properties->setPropertyValue(OUString("HoriOrientRelation"), uno::Any(text::RelOrientation::PAGE_FRAME));
    properties->setPropertyValue(OUString("VertOrientRelation"), uno::Any(text::RelOrientation::PAGE_FRAME));
    properties->setPropertyValue(OUString("HoriOrientPosition"), uno::Any(left));
    properties->setPropertyValue(OUString("VertOrientPosition"), uno::Any(top));
    // In front of the text, which runs on underneath.
    properties->setPropertyValue(OUString("Surround"), uno::Any(text::WrapTextMode_THROUGH));
    properties->setPropertyValue(OUString("Opaque"), uno::Any(true));
    properties->setPropertyValue(OUString("LineColor"), uno::Any(sal_Int32(0)));
    properties->setPropertyValue(OUString("LineWidth"), uno::Any(hundredthsOfMillimetre(LineWidthPoints)));
    drawPageOf(d_.component)->add(shape);
    if ((line.endX - line.beginX) * (line.endY - line.beginY) < 0) {
        // The bounding box alone draws from its top-left corner; this line rises to the right.
        const auto points = sequenceOf(
            {sequenceOf({awt::Point(hundredthsOfMillimetre(line.beginX), hundredthsOfMillimetre(line.beginY)),
                         awt::Point(hundredthsOfMillimetre(line.endX), hundredthsOfMillimetre(line.endY))})});
        properties->setPropertyValue(OUString("PolyPolygon"), uno::Any(points));
    }
    return shape;
}

void WriterDocument::selectShape(const uno::Reference<drawing::XShape>& shape) {
    catchUpView();
    if (d_.selection.kind != Kind::Shape)
        d_.selection.textPoint = range(caret());
    d_.selection.kind = Kind::Shape;
    d_.selection.table.clear();
    d_.selection.shape = shape;
    as<view::XSelectionSupplier>(as<frame::XModel>(d_.component)->getCurrentController())
        ->select(uno::Any(shape));
}

int WriterDocument::lineCount() {
    // The draw page also holds the pictures and frames of the text.
    const auto page = drawPageOf(d_.component);
    int count = 0;
    for (sal_Int32 i = 0; i < page->getCount(); ++i) {
        const uno::Reference<lang::XServiceInfo> shape(page->getByIndex(i), uno::UNO_QUERY);
        if (shape.is() && !shape->supportsService(OUString("com.sun.star.text.TextGraphicObject")) &&
            !shape->supportsService(OUString("com.sun.star.text.TextFrame")) &&
            !shape->supportsService(OUString("com.sun.star.text.TextEmbeddedObject")))
            ++count;
    }
    return count;
}

// --- Reading ----------------------------------------------------------------------------------------

QString WriterDocument::textOf(const uno::Reference<text::XTextRange>& range) {
    const auto paragraphs = as<container::XEnumerationAccess>(range)->createEnumeration();
    QString text;
    bool first = true;
    while (paragraphs->hasMoreElements()) {
        const uno::Reference<container::XEnumerationAccess> paragraph(paragraphs->nextElement(),
                                                                      uno::UNO_QUERY);
        if (!paragraph.is() || uno::Reference<text::XTextTable>(paragraph, uno::UNO_QUERY).is())
            continue;
        engine::Paragraph content;
        readPortions(paragraph, content);
        if (!first)
            text += u'\r';
        text += engine::textOf(content);
        first = false;
    }
    return text;
}

} // namespace word::live
