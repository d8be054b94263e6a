#include "objects.h"

#include "formats.h"
#include "unotext.h"
#include "word/engine/picture.h"
#include "word/files/files.h"
#include "word/values.h"
#include "writer.h"

#include <com/sun/star/awt/XTopWindow.hpp>
#include <com/sun/star/awt/XWindow2.hpp>
#include <com/sun/star/beans/PropertyValue.hpp>
#include <com/sun/star/container/XEnumeration.hpp>
#include <com/sun/star/container/XEnumerationAccess.hpp>
#include <com/sun/star/frame/DispatchHelper.hpp>
#include <com/sun/star/frame/XComponentLoader.hpp>
#include <com/sun/star/frame/XController.hpp>
#include <com/sun/star/frame/XDispatchProvider.hpp>
#include <com/sun/star/frame/XFrame.hpp>
#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/frame/XStorable.hpp>
#include <com/sun/star/lang/IllegalArgumentException.hpp>
#include <com/sun/star/table/TableBorder2.hpp>
#include <com/sun/star/text/XTextDocument.hpp>
#include <com/sun/star/util/CloseVetoException.hpp>
#include <com/sun/star/util/XCloseable.hpp>
#include <com/sun/star/util/XModifiable.hpp>
#include <com/sun/star/view/XPrintable.hpp>

#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include <algorithm>
#include <cstdio>

namespace word::live {

using namespace css;
using engine::CharFormat;
using engine::ParaFormat;

namespace {

[[noreturn]] void fail(int number, const QString& description) {
    throw AutomationError(number, description);
}

template <class Interface, class From> uno::Reference<Interface> as(const uno::Reference<From>& object) {
    return uno::Reference<Interface>(object, uno::UNO_QUERY_THROW);
}

// A new object, handed out as a handle of whichever interface it implements.
template <class Implementation> struct Made {
    std::shared_ptr<Implementation> object;
    template <class Interface> operator word::Ref<Interface>() const { return word::Ref<Interface>(object); }
};
template <class Implementation, class... Arguments> Made<Implementation> make(Arguments&&... arguments) {
    return {std::make_shared<Implementation>(std::forward<Arguments>(arguments)...)};
}

beans::PropertyValue property(const char* name, const uno::Any& value) {
    beans::PropertyValue property;
    property.Name = OUString::createFromAscii(name);
    property.Value = value;
    return property;
}

OUString fileUrl(const QString& path) {
    return toOUString(QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded));
}

uno::Reference<frame::XFrame> frameOf(const DocumentState& document) {
    const auto controller = as<frame::XModel>(document.component)->getCurrentController();
    return controller.is() ? controller->getFrame() : uno::Reference<frame::XFrame>();
}

void showWindow(DocumentState& document, bool visible) {
    WriterDocument(document).catchUpView();
    document.waitingForWindow = false;
    if (const auto frame = frameOf(document); frame.is())
        frame->getContainerWindow()->setVisible(visible);
}

// The documents made through the session that are still open, oldest first.
const std::vector<std::shared_ptr<DocumentState>>& openDocuments(ApplicationState& application) {
    return application.documents;
}

void makeActive(ApplicationState& application, const std::shared_ptr<DocumentState>& document) {
    application.active = document;
}

// --- Saving -----------------------------------------------------------------------------------------

OUString filterFor(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == u"doc")
        return OUString("MS Word 97");
    if (suffix == u"odt")
        return OUString("writer8");
    if (suffix == u"rtf")
        return OUString("Rich Text Format");
    return OUString("MS Word 2007 XML");
}

// Writer writes the file under a temporary name in the same folder, which then replaces the target in one
// step: an existing file is never left half written, and a link planted at the target is replaced rather
// than followed.
void store(DocumentState& document, const QString& path) {
    const QFileInfo target(path);
    if (!QFileInfo(target.absolutePath()).isDir())
        fail(errors::FileNotFound,
             QStringLiteral("The folder \"%1\" does not exist.").arg(target.absolutePath()));
    const files::Written written = files::replaceFile(path, [&](const QString& temporaryPath) {
        as<frame::XStorable>(document.component)
            ->storeToURL(fileUrl(temporaryPath),
                         sequenceOf({property("FilterName", uno::Any(filterFor(path))),
                                     property("Overwrite", uno::Any(true))}));
        return true;
    });
    if (written.step == files::Step::Creating)
        fail(errors::FileAccess, QStringLiteral("\"%1\" cannot be written: %2.").arg(path, written.reason()));
    if (!written.ok())
        fail(errors::FileAccess, QStringLiteral("\"%1\" cannot be written.").arg(path));
    document.fullName = target.absoluteFilePath();
    as<util::XModifiable>(document.component)->setModified(false);
}

// --- Objects of a document --------------------------------------------------------------------------

class DocumentPart {
public:
    explicit DocumentPart(std::shared_ptr<DocumentState> document)
        : session_(document->session->shared_from_this()), document_(std::move(document)) {}

protected:
    // Runs the task on the document's session, with the document open.
    template <class Task> auto onWriter(Task task) const {
        return session_->call([document = document_, task = std::move(task)]() mutable {
            if (document->closed)
                fail(errors::CommandFailed, QStringLiteral("The document has been closed."));
            WriterDocument writer(*document);
            return task(writer);
        });
    }
    const std::shared_ptr<DocumentState>& document() const { return document_; }

private:
    std::shared_ptr<Session> session_; // alive as long as its objects
    std::shared_ptr<DocumentState> document_;
};

class FontObject : public word::Font, DocumentPart {
public:
    using DocumentPart::DocumentPart;
    QString Name() const override { return current().fontName; }
    void setName(const QString& name) override {
        set(CharMember::Name, [name = values::fontName(name)](CharFormat& f) { f.fontName = name; });
    }
    float Size() const override { return current().size; }
    void setSize(float points) override {
        set(CharMember::Size, [size = values::fontSize(points)](CharFormat& f) { f.size = size; });
    }
    int ColorIndex() const override { return current().colorIndex; }
    void setColorIndex(int colorIndex) override {
        set(CharMember::ColorIndex,
            [index = values::colorIndex(colorIndex)](CharFormat& f) { f.colorIndex = index; });
    }
    bool Bold() const override { return current().bold; }
    void setBold(bool bold) override {
        set(CharMember::Bold, [bold](CharFormat& f) { f.bold = bold; });
    }

private:
    CharFormat current() const {
        return onWriter([](WriterDocument& writer) { return writer.characterFormat(); });
    }
    void set(CharMember member, std::function<void(CharFormat&)> change) {
        onWriter([member, change = std::move(change)](WriterDocument& writer) {
            writer.formatCharacters(change, [member](const Target& target, const CharFormat& format) {
                writeCharMember(target, member, format);
            });
        });
    }
};

class ParagraphFormatObject : public word::ParagraphFormat, DocumentPart {
public:
    using DocumentPart::DocumentPart;
    int Alignment() const override { return current().alignment; }
    void setAlignment(int alignment) override {
        ParaFormat f;
        f.alignment = values::alignment(alignment);
        set(ParaMember::Alignment, f);
    }
    float LeftIndent() const override { return current().leftIndent; }
    void setLeftIndent(float points) override {
        ParaFormat f;
        f.leftIndent = values::indent(points, "The left indent");
        set(ParaMember::LeftIndent, f);
    }
    float RightIndent() const override { return current().rightIndent; }
    void setRightIndent(float points) override {
        ParaFormat f;
        f.rightIndent = values::indent(points, "The right indent");
        set(ParaMember::RightIndent, f);
    }
    float FirstLineIndent() const override { return current().firstLineIndent; }
    void setFirstLineIndent(float points) override {
        ParaFormat f;
        f.firstLineIndent = values::indent(points, "The first line indent");
        set(ParaMember::FirstLineIndent, f);
    }
    float SpaceBefore() const override { return current().spaceBefore; }
    void setSpaceBefore(float points) override {
        ParaFormat f;
        f.spaceBefore = values::spacing(points, "The space before");
        set(ParaMember::SpaceBefore, f);
    }
    float SpaceAfter() const override { return current().spaceAfter; }
    void setSpaceAfter(float points) override {
        ParaFormat f;
        f.spaceAfter = values::spacing(points, "The space after");
        set(ParaMember::SpaceAfter, f);
    }
    int LineSpacingRule() const override { return current().lineSpacingRule; }
    void setLineSpacingRule(int rule) override {
        ParaFormat f;
        f.lineSpacingRule = values::lineSpacingRule(rule);
        set(ParaMember::LineSpacingRule, f);
    }
    bool WidowControl() const override { return current().widowControl; }
    void setWidowControl(bool on) override {
        setFlag(ParaMember::WidowControl, &ParaFormat::widowControl, on);
    }
    bool KeepWithNext() const override { return current().keepWithNext; }
    void setKeepWithNext(bool on) override {
        setFlag(ParaMember::KeepWithNext, &ParaFormat::keepWithNext, on);
    }
    bool KeepTogether() const override { return current().keepTogether; }
    void setKeepTogether(bool on) override {
        setFlag(ParaMember::KeepTogether, &ParaFormat::keepTogether, on);
    }
    bool PageBreakBefore() const override { return current().pageBreakBefore; }
    void setPageBreakBefore(bool on) override {
        setFlag(ParaMember::PageBreakBefore, &ParaFormat::pageBreakBefore, on);
    }
    bool NoLineNumber() const override { return current().noLineNumber; }
    void setNoLineNumber(bool on) override {
        setFlag(ParaMember::NoLineNumber, &ParaFormat::noLineNumber, on);
    }
    bool Hyphenation() const override { return current().hyphenation; }
    void setHyphenation(bool on) override { setFlag(ParaMember::Hyphenation, &ParaFormat::hyphenation, on); }
    int OutlineLevel() const override { return current().outlineLevel; }
    void setOutlineLevel(int level) override {
        ParaFormat f;
        f.outlineLevel = values::outlineLevel(level);
        set(ParaMember::OutlineLevel, f);
    }

private:
    ParaFormat current() const {
        return onWriter([](WriterDocument& writer) { return writer.paragraphFormat(); });
    }
    void set(ParaMember member, const ParaFormat& format) {
        onWriter([member, format](WriterDocument& writer) {
            writer.formatParagraphs(member,
                                    [&](const Target& target) { writeParaMember(target, member, format); });
        });
    }
    void setFlag(ParaMember member, bool ParaFormat::*flag, bool on) {
        ParaFormat f;
        f.*flag = on;
        set(member, f);
    }
};

class RangeObject : public word::Range, public DocumentPart {
public:
    RangeObject(std::shared_ptr<DocumentState> document, uno::Reference<text::XTextRange> range)
        : DocumentPart(std::move(document)), range_(std::move(range)) {}
    QString Text() const override {
        return onWriter([range = range_](WriterDocument& writer) { return writer.textOf(range); });
    }
    const uno::Reference<text::XTextRange>& range() const { return range_; }
    using DocumentPart::document;

private:
    uno::Reference<text::XTextRange> range_;
};

class BordersObject : public word::Borders, DocumentPart {
public:
    BordersObject(std::shared_ptr<DocumentState> document, uno::Reference<text::XTextTable> table)
        : DocumentPart(std::move(document)), table_(std::move(table)) {}
    int InsideColorIndex() const override { return colours().inside; }
    void setInsideColorIndex(int colorIndex) override { setColour(true, values::colorIndex(colorIndex)); }
    int OutsideColorIndex() const override { return colours().outside; }
    void setOutsideColorIndex(int colorIndex) override { setColour(false, values::colorIndex(colorIndex)); }

private:
    RuleColours colours() const {
        return onWriter([table = table_, document = document()](WriterDocument&) {
            table::TableBorder2 border;
            as<beans::XPropertySet>(table)->getPropertyValue(OUString("TableBorder2")) >>= border;
            RuleColours colours = keptColours(*document, table);
            colours.outside = colorIndexOf(border.TopLine.Color);
            if (border.IsVerticalLineValid && columnCount(table) > 1)
                colours.inside = colorIndexOf(border.VerticalLine.Color);
            else if (border.IsHorizontalLineValid && rowCount(table) > 1)
                colours.inside = colorIndexOf(border.HorizontalLine.Color);
            return colours;
        });
    }
    void setColour(bool inside, int colorIndex) {
        onWriter([table = table_, document = document(), inside, colorIndex](WriterDocument&) {
            const auto properties = as<beans::XPropertySet>(table);
            table::TableBorder2 border;
            properties->getPropertyValue(OUString("TableBorder2")) >>= border;
            const sal_Int32 color = writerColor(colorIndex);
            if (inside) {
                border.HorizontalLine.Color = border.VerticalLine.Color = color;
                border.IsHorizontalLineValid = border.IsVerticalLineValid = true;
            } else {
                border.TopLine.Color = border.BottomLine.Color = border.LeftLine.Color =
                    border.RightLine.Color = color;
                border.IsTopLineValid = border.IsBottomLineValid = border.IsLeftLineValid =
                    border.IsRightLineValid = true;
            }
            properties->setPropertyValue(OUString("TableBorder2"), uno::Any(border));
            RuleColours& kept = keptColours(*document, table);
            (inside ? kept.inside : kept.outside) = colorIndex;
        });
    }
    // Rule colours as last set, for the rules a table has no line for.
    static RuleColours& keptColours(DocumentState& document, const uno::Reference<text::XTextTable>& table) {
        for (RuleColours& colours : document.ruleColours)
            if (colours.table == table)
                return colours;
        document.ruleColours.push_back({table, 0, 0});
        return document.ruleColours.back();
    }

    uno::Reference<text::XTextTable> table_;
};

class CellObject : public word::Cell, DocumentPart {
public:
    CellObject(std::shared_ptr<DocumentState> document, uno::Reference<text::XTextTable> table, int row,
               int column)
        : DocumentPart(std::move(document)), table_(std::move(table)), row_(row), column_(column) {}
    void Select() override {
        onWriter([table = table_, row = row_, column = column_](WriterDocument& writer) {
            writer.selectCell(table, row, column);
        });
    }

private:
    uno::Reference<text::XTextTable> table_;
    int row_, column_;
};

class TableObject : public word::Table, DocumentPart {
public:
    TableObject(std::shared_ptr<DocumentState> document, uno::Reference<text::XTextTable> table)
        : DocumentPart(std::move(document)), table_(std::move(table)) {}
    word::Ref<word::Borders> Borders() override { return make<BordersObject>(document(), table_); }
    word::Ref<word::Cell> Cell(int row, int column) override {
        const auto [rows, columns] = onWriter([table = table_](WriterDocument&) {
            return std::pair{rowCount(table), columnCount(table)};
        });
        if (row < 1 || row > rows || column < 1 || column > columns)
            fail(errors::OutOfRange,
                 QStringLiteral("The table has no cell in row %1, column %2: it has %3 rows and %4 columns.")
                     .arg(row)
                     .arg(column)
                     .arg(rows)
                     .arg(columns));
        return make<CellObject>(document(), table_, row - 1, column - 1);
    }

private:
    uno::Reference<text::XTextTable> table_;
};

class TablesObject : public word::Tables, DocumentPart {
public:
    // The document's tables, or those the selection stands in.
    enum class Scope { Document, Selection };
    TablesObject(std::shared_ptr<DocumentState> document, Scope scope)
        : DocumentPart(std::move(document)), scope_(scope) {}

    int Count() const override { return int(found().size()); }
    word::Ref<word::Table> Item(int index) override {
        const auto tables = found();
        if (index < 1 || index > int(tables.size()))
            fail(errors::OutOfRange, scope_ == Scope::Document
                                         ? QStringLiteral("The document has no table %1.").arg(index)
                                         : QStringLiteral("The selection has no table %1.").arg(index));
        return make<TableObject>(document(), tables[std::size_t(index - 1)]);
    }
    word::Ref<word::Table> Add(const word::Ref<word::Range>& range, int rows, int columns) override {
        const auto* at = dynamic_cast<const RangeObject*>(range.operator->());
        if (!at || at->document() != document())
            fail(errors::InvalidArgument, QStringLiteral("The range is not part of this document."));
        values::tableSize(rows, columns);
        const auto table = onWriter([place = at->range(), rows, columns](WriterDocument& writer) {
            return writer.addTable(place, rows, columns);
        });
        return make<TableObject>(document(), table);
    }

private:
    std::vector<uno::Reference<text::XTextTable>> found() const {
        return onWriter([scope = scope_](WriterDocument& writer) {
            if (scope == Scope::Document)
                return writer.tables();
            std::vector<uno::Reference<text::XTextTable>> tables;
            if (auto table = writer.tableAtSelection())
                tables.push_back(std::move(*table));
            return tables;
        });
    }
    Scope scope_;
};

class InlineShapeObject : public word::InlineShape {
public:
    explicit InlineShapeObject(engine::PictureSize size) : size_(size) {}
    float Width() const override { return size_.width; }
    float Height() const override { return size_.height; }

private:
    engine::PictureSize size_;
};

class InlineShapesObject : public word::InlineShapes, DocumentPart {
public:
    using DocumentPart::DocumentPart;
    int Count() const override {
        return onWriter([](WriterDocument& writer) { return writer.picturesInSelection(); });
    }
    word::Ref<word::InlineShape> AddPicture(const QString& fileName, bool linkToFile,
                                            bool saveWithDocument) override {
        values::embeddedPicture(linkToFile, saveWithDocument);
        // Read here, at the time of the call, as the engine reads it: the same bytes at the same size.
        engine::Picture picture = engine::readPicture(fileName);
        const auto size = onWriter([picture = std::move(picture)](WriterDocument& writer) mutable {
            return writer.insertPicture(std::move(picture));
        });
        return make<InlineShapeObject>(size);
    }
};

class ShapeObject : public word::Shape, DocumentPart {
public:
    ShapeObject(std::shared_ptr<DocumentState> document, uno::Reference<drawing::XShape> shape)
        : DocumentPart(std::move(document)), shape_(std::move(shape)) {}
    void Select() override {
        onWriter([shape = shape_](WriterDocument& writer) { writer.selectShape(shape); });
    }

private:
    uno::Reference<drawing::XShape> shape_;
};

class ShapesObject : public word::Shapes, DocumentPart {
public:
    using DocumentPart::DocumentPart;
    int Count() const override {
        return onWriter([](WriterDocument& writer) { return writer.lineCount(); });
    }
    word::Ref<word::Shape> AddLine(float beginX, float beginY, float endX, float endY) override {
        const engine::LineShape line{values::lineCoordinate(beginX), values::lineCoordinate(beginY),
                                     values::lineCoordinate(endX), values::lineCoordinate(endY)};
        const auto shape = onWriter([line](WriterDocument& writer) { return writer.addLine(line); });
        return make<ShapeObject>(document(), shape);
    }
};

class SelectionObject : public word::Selection, DocumentPart {
public:
    using DocumentPart::DocumentPart;
    void TypeText(const QString& text) override {
        onWriter([text](WriterDocument& writer) { writer.typeText(text); });
    }
    void TypeParagraph() override {
        onWriter([](WriterDocument& writer) { writer.typeParagraph(); });
    }
    void EndOf() override {
        onWriter([](WriterDocument& writer) { writer.endOfWord(); });
    }
    void MoveRight() override {
        onWriter([](WriterDocument& writer) { writer.moveRight(); });
    }
    void MoveDown() override {
        onWriter([](WriterDocument& writer) { writer.moveDown(); });
    }
    word::Ref<word::Range> Range() override {
        const auto range = onWriter([](WriterDocument& writer) { return writer.selectionRange(); });
        return make<RangeObject>(document(), range);
    }
    word::Ref<word::Tables> Tables() override {
        return make<TablesObject>(openDocument(), TablesObject::Scope::Selection);
    }
    word::Ref<word::InlineShapes> InlineShapes() override { return make<InlineShapesObject>(openDocument()); }
    word::Ref<word::Font> Font() override { return make<FontObject>(openDocument()); }
    word::Ref<word::ParagraphFormat> ParagraphFormat() override {
        return make<ParagraphFormatObject>(openDocument());
    }

private:
    const std::shared_ptr<DocumentState>& openDocument() const {
        onWriter([](WriterDocument&) { return 0; });
        return document();
    }
};

class WindowObject : public word::Window, DocumentPart {
public:
    using DocumentPart::DocumentPart;
    word::Ref<word::Selection> Selection() override {
        onWriter([](WriterDocument&) { return 0; });
        return make<SelectionObject>(document());
    }
};

void closeDocument(DocumentState& document, std::optional<bool> saveChanges) {
    const auto modifiable = as<util::XModifiable>(document.component);
    const bool save = saveChanges.value_or(modifiable->isModified() && !document.fullName.isEmpty());
    if (save) {
        if (document.fullName.isEmpty())
            fail(errors::CommandFailed,
                 QStringLiteral("The document has no file yet; it can only be saved under a new name."));
        store(document, document.fullName);
    }
    // Unmodified, it closes without asking whether to save.
    modifiable->setModified(false);
    try {
        as<util::XCloseable>(document.component)->close(true);
    } catch (const util::CloseVetoException&) {
        document.component->dispose();
    }
    document.closed = true;
    ApplicationState& application = document.session->application;
    std::erase_if(application.documents, [&](const auto& open) { return open.get() == &document; });
    if (application.active.lock().get() == &document)
        application.active =
            application.documents.empty() ? std::weak_ptr<DocumentState>() : application.documents.back();
}

class DocumentObject : public word::Document, DocumentPart {
public:
    using DocumentPart::document;
    using DocumentPart::DocumentPart;

    void Activate() override {
        onWriter([document = document()](WriterDocument&) {
            ApplicationState& application = document->session->application;
            makeActive(application, document);
            if (const auto frame = frameOf(*document); frame.is()) {
                frame->activate();
                if (application.visible && !document->waitingForWindow)
                    if (const uno::Reference<awt::XTopWindow> window(frame->getContainerWindow(),
                                                                     uno::UNO_QUERY);
                        window.is())
                        window->toFront();
            }
        });
    }
    word::Ref<word::Window> ActiveWindow() override {
        onWriter([](WriterDocument&) { return 0; });
        return make<WindowObject>(document());
    }
    void PrintPreview() override {
        onWriter([document = document()](WriterDocument&) {
            if (document->waitingForWindow)
                showWindow(*document, true);
            const auto frame = frameOf(*document);
            const uno::Reference<awt::XWindow2> window(frame.is() ? frame->getContainerWindow() : nullptr,
                                                       uno::UNO_QUERY);
            if (!window.is() || !window->isVisible())
                fail(errors::PrintingFailed, QStringLiteral("Print preview needs the document's window."));
            frame::DispatchHelper::create(document->session->context)
                ->executeDispatch(as<frame::XDispatchProvider>(frame), OUString(".uno:PrintPreview"),
                                  OUString(), 0, {});
        });
    }
    void PrintOut() override {
        onWriter([document = document()](WriterDocument&) {
            const auto printable = as<view::XPrintable>(document->component);
            OUString printer;
            for (const auto& setting : printable->getPrinter())
                if (setting.Name == "Name")
                    setting.Value >>= printer;
            if (printer.isEmpty())
                fail(errors::PrintingFailed, QStringLiteral("No printer is set up."));
            printable->print(sequenceOf({property("Wait", uno::Any(true))}));
        });
    }
    void Save() override {
        onWriter([document = document()](WriterDocument&) {
            if (document->fullName.isEmpty())
                fail(errors::CommandFailed,
                     QStringLiteral("The document has no file yet; it can only be saved under a new name."));
            store(*document, document->fullName);
        });
    }
    void SaveAs(const QString& fileName) override {
        if (fileName.trimmed().isEmpty())
            fail(errors::InvalidArgument, QStringLiteral("A file name is needed to save the document."));
        const QString path = QFileInfo(fileName).absoluteFilePath();
        onWriter([document = document(), path](WriterDocument&) { store(*document, path); });
    }
    void Close(std::optional<bool> saveChanges) override {
        onWriter(
            [document = document(), saveChanges](WriterDocument&) { closeDocument(*document, saveChanges); });
    }
    word::Ref<word::Shapes> Shapes() override {
        onWriter([](WriterDocument&) { return 0; });
        return make<ShapesObject>(document());
    }
    word::Ref<word::Tables> Tables() override {
        onWriter([](WriterDocument&) { return 0; });
        return make<TablesObject>(document(), TablesObject::Scope::Document);
    }
    QString FullName() const override {
        return onWriter([document = document()](WriterDocument&) { return document->fullName; });
    }
};

// --- The application --------------------------------------------------------------------------------

uno::Sequence<beans::PropertyValue> loadArguments(const ApplicationState& application) {
    return sequenceOf({property("Hidden", uno::Any(!application.visible))});
}

// A new document is made hidden even in a visible application: making its window costs Writer a fifth
// of a second on top of the letter, and a visible window is laid out and painted again after every
// statement. Its window shows once, when the application is made visible or the session ends, whichever
// comes first (showWaitingWindows).
uno::Sequence<beans::PropertyValue> newDocumentArguments() {
    return sequenceOf({property("Hidden", uno::Any(true))});
}

std::shared_ptr<DocumentState> remember(const std::shared_ptr<Session>& session,
                                        uno::Reference<lang::XComponent> component, const QString& fullName) {
    auto document = std::make_shared<DocumentState>();
    document->session = session.get();
    document->component = std::move(component);
    document->fullName = fullName;
    session->application.documents.push_back(document);
    makeActive(session->application, document);
    return document;
}

class DocumentsObject : public word::Documents {
public:
    explicit DocumentsObject(std::shared_ptr<Session> session) : session_(std::move(session)) {}
    int Count() const override {
        return session_->call([session = session_] {
            const auto components = session->desktop->getComponents()->createEnumeration();
            int count = 0;
            while (components->hasMoreElements())
                count += uno::Reference<text::XTextDocument>(components->nextElement(), uno::UNO_QUERY).is();
            return count;
        });
    }
    word::Ref<word::Document> Add() override { return addDocument(session_); }
    word::Ref<word::Document> Open(const QString& fileName) override {
        if (fileName.trimmed().isEmpty())
            fail(errors::FileNotFound, QStringLiteral("No file name was given to open."));
        const QString path = QFileInfo(fileName).absoluteFilePath();
        if (!QFileInfo(path).isFile())
            fail(errors::FileNotFound, QStringLiteral("The file \"%1\" does not exist.").arg(path));
        const auto document = session_->call(
            [session = session_, path] {
                for (const auto& open : openDocuments(session->application)) {
                    if (open->fullName == path) {
                        makeActive(session->application, open);
                        return open;
                    }
                }
                const auto component = as<frame::XComponentLoader>(session->desktop)
                                           ->loadComponentFromURL(fileUrl(path), OUString("_blank"), 0,
                                                                  loadArguments(session->application));
                if (!component.is())
                    fail(errors::BadDocument,
                         QStringLiteral("LibreOffice could not open \"%1\" as a document.").arg(path));
                if (!uno::Reference<text::XTextDocument>(component, uno::UNO_QUERY).is()) {
                    as<util::XCloseable>(component)->close(true);
                    fail(errors::BadDocument, QStringLiteral("\"%1\" is not a text document.").arg(path));
                }
                const auto document = remember(session, component, path);
                WriterDocument(*document).startAtTop();
                return document;
            },
            Session::Limit::Start);
        return make<DocumentObject>(document);
    }

private:
    std::shared_ptr<Session> session_;
};

class ApplicationObject : public word::Application {
public:
    explicit ApplicationObject(std::shared_ptr<Session> session) : session_(std::move(session)) {}
    bool Visible() const override {
        return session_->call([session = session_] { return session->application.visible; });
    }
    void setVisible(bool visible) override {
        session_->call([session = session_, visible] {
            session->application.visible = visible;
            for (const auto& document : openDocuments(session->application))
                showWindow(*document, visible);
        });
    }
    word::Ref<word::Documents> Documents() override { return make<DocumentsObject>(session_); }

private:
    std::shared_ptr<Session> session_;
};

class GlobalObject : public word::Global {
public:
    explicit GlobalObject(std::shared_ptr<Session> session) : session_(std::move(session)) {}
    word::Ref<word::Application> Application() override { return applicationObject(session_); }
    word::Ref<word::Document> ActiveDocument() override { return make<DocumentObject>(active()); }
    word::Ref<word::Selection> Selection() override { return make<SelectionObject>(active()); }
    float CentimetersToPoints(float centimetres) override {
        return float(double(values::centimetres(centimetres)) * 72.0 / 2.54);
    }

private:
    std::shared_ptr<DocumentState> active() const {
        return session_->call([session = session_] {
            const auto active = session->application.active.lock();
            if (!active || active->closed)
                fail(errors::CommandFailed,
                     QStringLiteral("This command is not available because no document is open."));
            return active;
        });
    }
    std::shared_ptr<Session> session_;
};

} // namespace

void showWaitingWindows(Session& session) {
    for (const auto& document : openDocuments(session.application)) {
        if (!document->waitingForWindow)
            continue;
        showWindow(*document, true);
        if (const auto frame = frameOf(*document);
            frame.is() && session.application.active.lock() == document)
            if (const uno::Reference<awt::XTopWindow> window(frame->getContainerWindow(), uno::UNO_QUERY);
                window.is())
                window->toFront();
    }
}

word::Ref<word::Application> applicationObject(const std::shared_ptr<Session>& session) {
    return make<ApplicationObject>(session);
}

word::Ref<word::Global> globalObject(const std::shared_ptr<Session>& session) {
    return make<GlobalObject>(session);
}

word::Ref<word::Document> addDocument(const std::shared_ptr<Session>& session) {
    const auto document = session->call(
        [session] {
            uno::Reference<lang::XComponent> component;
            try {
                component = as<frame::XComponentLoader>(session->desktop)
                                ->loadComponentFromURL(OUString("private:factory/swriter"),
                                                       OUString("_blank"), 0, newDocumentArguments());
            } catch (const lang::IllegalArgumentException&) {
                component.clear(); // no filter for Writer: told below
            }
            if (!component.is())
                fail(errors::CannotCreateObject,
                     QStringLiteral("LibreOffice cannot make a text document: Writer is not installed."));
            WriterDocument::prepareNew(component);
            const auto document = remember(session, component, QString());
            document->waitingForWindow = session->application.visible;
            return document;
        },
        Session::Limit::Start);
    return make<DocumentObject>(document);
}

} // namespace word::live
