#include "objects.h"

#include "docx.h"
#include "engine.h"
#include "picture.h"
#include "print/printing.h"
#include "text.h"
#include "word/values.h"

#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <new>

namespace word::engine {

namespace {

[[noreturn]] void fail(int number, const QString& description) {
    throw AutomationError(number, description);
}

// Runs an operation whose memory grows with its input; running out of memory is reported like any failure.
template <class Operation> auto guarded(Operation&& operation) -> decltype(operation()) {
    try {
        return operation();
    } catch (const std::bad_alloc&) {
        fail(errors::CommandFailed, QStringLiteral("There is not enough memory for this operation."));
    }
}

// A new object, handed out as a handle of whichever interface it implements.
template <class Implementation> struct Made {
    std::shared_ptr<Implementation> object;
    template <class Interface> operator word::Ref<Interface>() const { return word::Ref<Interface>(object); }
};

template <class Implementation, class... Arguments> Made<Implementation> make(Arguments&&... arguments) {
    return {std::make_shared<Implementation>(std::forward<Arguments>(arguments)...)};
}

// --- Documents --------------------------------------------------------------------------------------

// What every object of a document holds: the document, and the check that it is still open.
class DocumentPart {
public:
    explicit DocumentPart(std::shared_ptr<DocumentState> document) : document_(std::move(document)) {}

protected:
    DocumentState& live() const {
        if (document_->closed)
            fail(errors::CommandFailed, QStringLiteral("The document has been closed."));
        return *document_;
    }
    Editor& editor() const { return live().editor; }
    // An edit that succeeded leaves the document changed.
    template <class Edit> auto edit(Edit&& change) const -> decltype(change(std::declval<Editor&>())) {
        DocumentState& document = live();
        if constexpr (std::is_void_v<decltype(change(document.editor))>) {
            guarded([&] { change(document.editor); });
            document.changed = true;
        } else {
            auto result = guarded([&] { return change(document.editor); });
            document.changed = true;
            return result;
        }
    }
    const std::shared_ptr<DocumentState>& document() const { return document_; }

private:
    std::shared_ptr<DocumentState> document_;
};

class FontObject : public word::Font, DocumentPart {
public:
    using DocumentPart::DocumentPart;
    QString Name() const override { return editor().characterFormat().fontName; }
    void setName(const QString& name) override {
        const QString checked = values::fontName(name);
        edit([&](Editor& e) { e.formatCharacters([&](CharFormat& f) { f.fontName = checked; }); });
    }
    float Size() const override { return editor().characterFormat().size; }
    void setSize(float points) override {
        const float size = values::fontSize(points);
        edit([&](Editor& e) { e.formatCharacters([&](CharFormat& f) { f.size = size; }); });
    }
    int ColorIndex() const override { return editor().characterFormat().colorIndex; }
    void setColorIndex(int colorIndex) override {
        values::colorIndex(colorIndex);
        edit([&](Editor& e) { e.formatCharacters([&](CharFormat& f) { f.colorIndex = colorIndex; }); });
    }
    bool Bold() const override { return editor().characterFormat().bold; }
    void setBold(bool bold) override {
        edit([&](Editor& e) { e.formatCharacters([&](CharFormat& f) { f.bold = bold; }); });
    }
};

class ParagraphFormatObject : public word::ParagraphFormat, DocumentPart {
public:
    using DocumentPart::DocumentPart;
    int Alignment() const override { return format().alignment; }
    void setAlignment(int alignment) override { set(&ParaFormat::alignment, values::alignment(alignment)); }
    float LeftIndent() const override { return format().leftIndent; }
    void setLeftIndent(float points) override {
        set(&ParaFormat::leftIndent, values::indent(points, "The left indent"));
    }
    float RightIndent() const override { return format().rightIndent; }
    void setRightIndent(float points) override {
        set(&ParaFormat::rightIndent, values::indent(points, "The right indent"));
    }
    float FirstLineIndent() const override { return format().firstLineIndent; }
    void setFirstLineIndent(float points) override {
        set(&ParaFormat::firstLineIndent, values::indent(points, "The first line indent"));
    }
    float SpaceBefore() const override { return format().spaceBefore; }
    void setSpaceBefore(float points) override {
        set(&ParaFormat::spaceBefore, values::spacing(points, "The space before"));
    }
    float SpaceAfter() const override { return format().spaceAfter; }
    void setSpaceAfter(float points) override {
        set(&ParaFormat::spaceAfter, values::spacing(points, "The space after"));
    }
    int LineSpacingRule() const override { return format().lineSpacingRule; }
    void setLineSpacingRule(int rule) override {
        set(&ParaFormat::lineSpacingRule, values::lineSpacingRule(rule));
    }
    bool WidowControl() const override { return format().widowControl; }
    void setWidowControl(bool on) override { set(&ParaFormat::widowControl, on); }
    bool KeepWithNext() const override { return format().keepWithNext; }
    void setKeepWithNext(bool on) override { set(&ParaFormat::keepWithNext, on); }
    bool KeepTogether() const override { return format().keepTogether; }
    void setKeepTogether(bool on) override { set(&ParaFormat::keepTogether, on); }
    bool PageBreakBefore() const override { return format().pageBreakBefore; }
    void setPageBreakBefore(bool on) override { set(&ParaFormat::pageBreakBefore, on); }
    bool NoLineNumber() const override { return format().noLineNumber; }
    void setNoLineNumber(bool on) override { set(&ParaFormat::noLineNumber, on); }
    bool Hyphenation() const override { return format().hyphenation; }
    void setHyphenation(bool on) override { set(&ParaFormat::hyphenation, on); }
    int OutlineLevel() const override { return format().outlineLevel; }
    void setOutlineLevel(int level) override { set(&ParaFormat::outlineLevel, values::outlineLevel(level)); }

private:
    ParaFormat format() const { return editor().paragraphFormat(); }
    template <class Value> void set(Value ParaFormat::*member, Value value) {
        edit([&](Editor& e) { e.formatParagraphs([&](ParaFormat& f) { f.*member = value; }); });
    }
};

class RangeObject : public word::Range, public DocumentPart {
public:
    RangeObject(std::shared_ptr<DocumentState> document, Span span)
        : DocumentPart(std::move(document)), span_(span) {}
    QString Text() const override { return editor().textOf(span_); }

    const Span& span() const { return span_; }
    using DocumentPart::document;

private:
    Span span_;
};

class BordersObject : public word::Borders, DocumentPart {
public:
    BordersObject(std::shared_ptr<DocumentState> document, std::uint64_t table)
        : DocumentPart(std::move(document)), table_(table) {}
    int InsideColorIndex() const override { return editor().table(index()).insideColorIndex; }
    void setInsideColorIndex(int colorIndex) override {
        values::colorIndex(colorIndex);
        edit([&](Editor& e) { e.setBorderColors(index(), colorIndex, std::nullopt); });
    }
    int OutsideColorIndex() const override { return editor().table(index()).outsideColorIndex; }
    void setOutsideColorIndex(int colorIndex) override {
        values::colorIndex(colorIndex);
        edit([&](Editor& e) { e.setBorderColors(index(), std::nullopt, colorIndex); });
    }

private:
    int index() const {
        if (const auto index = editor().tableIndex(table_))
            return *index;
        fail(errors::CommandFailed, QStringLiteral("The table is no longer part of the document."));
    }
    std::uint64_t table_;
};

class CellObject : public word::Cell, DocumentPart {
public:
    CellObject(std::shared_ptr<DocumentState> document, std::uint64_t table, int row, int column)
        : DocumentPart(std::move(document)), table_(table), row_(row), column_(column) {}
    void Select() override {
        const auto index = editor().tableIndex(table_);
        if (!index)
            fail(errors::CommandFailed, QStringLiteral("The table is no longer part of the document."));
        editor().selectCell(*index, row_, column_);
    }

private:
    std::uint64_t table_;
    int row_, column_;
};

class TableObject : public word::Table, DocumentPart {
public:
    TableObject(std::shared_ptr<DocumentState> document, std::uint64_t table)
        : DocumentPart(std::move(document)), table_(table) {}
    word::Ref<word::Borders> Borders() override {
        live();
        return make<BordersObject>(document(), table_);
    }
    word::Ref<word::Cell> Cell(int row, int column) override {
        const auto index = editor().tableIndex(table_);
        if (!index)
            fail(errors::CommandFailed, QStringLiteral("The table is no longer part of the document."));
        const engine::Table& table = editor().table(*index);
        if (row < 1 || row > int(table.rows.size()) || column < 1 || column > int(table.rows[0].size()))
            fail(errors::OutOfRange,
                 QStringLiteral("The table has no cell in row %1, column %2: it has %3 rows "
                                "and %4 columns.")
                     .arg(row)
                     .arg(column)
                     .arg(table.rows.size())
                     .arg(table.rows[0].size()));
        return make<CellObject>(document(), table_, row - 1, column - 1);
    }

private:
    std::uint64_t table_;
};

class TablesObject : public word::Tables, DocumentPart {
public:
    // The document's tables, or those the selection stands in.
    enum class Scope { Document, Selection };
    TablesObject(std::shared_ptr<DocumentState> document, Scope scope)
        : DocumentPart(std::move(document)), scope_(scope) {}

    int Count() const override {
        if (scope_ == Scope::Document)
            return editor().tableCount();
        return editor().tableAtSelection() ? 1 : 0;
    }
    word::Ref<word::Table> Item(int index) override {
        if (index < 1 || index > Count())
            fail(errors::OutOfRange, scope_ == Scope::Document
                                         ? QStringLiteral("The document has no table %1.").arg(index)
                                         : QStringLiteral("The selection has no table %1.").arg(index));
        const int table = scope_ == Scope::Document ? index - 1 : *editor().tableAtSelection();
        return make<TableObject>(document(), editor().tableId(table));
    }
    word::Ref<word::Table> Add(const word::Ref<word::Range>& range, int rows, int columns) override {
        live();
        const auto* at = dynamic_cast<const RangeObject*>(range.operator->());
        if (!at || at->document() != document())
            fail(errors::InvalidArgument, QStringLiteral("The range is not part of this document."));
        const int index = edit([&](Editor& e) { return e.addTable(at->span(), rows, columns); });
        return make<TableObject>(document(), editor().tableId(index));
    }

private:
    Scope scope_;
};

class InlineShapeObject : public word::InlineShape {
public:
    explicit InlineShapeObject(PictureSize size) : size_(size) {}
    float Width() const override { return size_.width; }
    float Height() const override { return size_.height; }

private:
    PictureSize size_;
};

class InlineShapesObject : public word::InlineShapes, DocumentPart {
public:
    using DocumentPart::DocumentPart;
    // The application's picture source first, then the file of that name.
    Picture pictureNamed(const QString& name) const {
        if (const auto application = live().application.lock(); application && application->pictures)
            if (std::optional<QByteArray> bytes = application->pictures(name))
                return decodePicture(*bytes, name);
        return readPicture(name);
    }
    int Count() const override { return editor().picturesInSelection(); }
    word::Ref<word::InlineShape> AddPicture(const QString& fileName, bool linkToFile,
                                            bool saveWithDocument) override {
        live();
        values::embeddedPicture(linkToFile, saveWithDocument);
        Picture picture = guarded([&] { return pictureNamed(fileName); });
        const PictureSize size = edit([&](Editor& e) { return e.insertPicture(std::move(picture)); });
        return make<InlineShapeObject>(size);
    }
};

class ShapeObject : public word::Shape, DocumentPart {
public:
    ShapeObject(std::shared_ptr<DocumentState> document, int index)
        : DocumentPart(std::move(document)), index_(index) {}
    void Select() override { editor().selectShape(index_); }

private:
    int index_;
};

class ShapesObject : public word::Shapes, DocumentPart {
public:
    using DocumentPart::DocumentPart;
    int Count() const override { return int(editor().model().shapes.size()); }
    word::Ref<word::Shape> AddLine(float beginX, float beginY, float endX, float endY) override {
        live();
        const LineShape line{coordinate(beginX), coordinate(beginY), coordinate(endX), coordinate(endY)};
        const int index = edit([&](Editor& e) { return e.addLine(line); });
        return make<ShapeObject>(document(), index);
    }

private:
    static float coordinate(float points) { return values::lineCoordinate(points); }
};

class SelectionObject : public word::Selection, DocumentPart {
public:
    using DocumentPart::DocumentPart;
    void TypeText(const QString& text) override {
        edit([&](Editor& e) { e.typeText(text); });
    }
    void TypeParagraph() override {
        edit([](Editor& e) { e.typeParagraph(); });
    }
    void EndOf() override { editor().endOfWord(); }
    void MoveRight() override { editor().moveRight(); }
    void MoveDown() override { editor().moveDown(); }
    word::Ref<word::Range> Range() override {
        return make<RangeObject>(document(), editor().selectionSpan());
    }
    word::Ref<word::Tables> Tables() override {
        live();
        return make<TablesObject>(document(), TablesObject::Scope::Selection);
    }
    word::Ref<word::InlineShapes> InlineShapes() override {
        live();
        return make<InlineShapesObject>(document());
    }
    word::Ref<word::Font> Font() override {
        live();
        return make<FontObject>(document());
    }
    word::Ref<word::ParagraphFormat> ParagraphFormat() override {
        live();
        return make<ParagraphFormatObject>(document());
    }
};

class WindowObject : public word::Window, DocumentPart {
public:
    using DocumentPart::DocumentPart;
    word::Ref<word::Selection> Selection() override {
        live();
        return make<SelectionObject>(document());
    }
};

void close(DocumentState& document) {
    document.closed = true;
    const auto application = document.application.lock();
    if (!application)
        return;
    auto& open = application->open;
    open.erase(std::remove_if(open.begin(), open.end(), [&](const auto& d) { return d.get() == &document; }),
               open.end());
    if (application->active.get() == &document)
        application->active = open.empty() ? nullptr : open.back();
}

class DocumentObject : public word::Document, DocumentPart {
public:
    using DocumentPart::document;
    using DocumentPart::DocumentPart;

    void Activate() override {
        DocumentState& document = live();
        if (const auto application = document.application.lock())
            application->active = this->document();
    }
    word::Ref<word::Window> ActiveWindow() override {
        live();
        return make<WindowObject>(document());
    }
    void PrintPreview() override {
        const DocumentModel& model = live().editor.model();
        guarded([&] { print::printPreview(model); });
    }
    void PrintOut() override {
        const DocumentModel& model = live().editor.model();
        guarded([&] { print::printOut(model); });
    }
    void Save() override {
        DocumentState& document = live();
        if (document.fullName.isEmpty())
            fail(errors::CommandFailed,
                 QStringLiteral("The document has no file yet; it can only be saved under a new name."));
        save(document.fullName);
    }
    void SaveAs(const QString& fileName) override {
        live();
        if (fileName.trimmed().isEmpty())
            fail(errors::InvalidArgument, QStringLiteral("A file name is needed to save the document."));
        save(QFileInfo(fileName).absoluteFilePath());
    }
    void Close(std::optional<bool> saveChanges) override {
        DocumentState& document = live();
        const bool save = saveChanges.value_or(document.changed && !document.fullName.isEmpty());
        if (save)
            Save();
        close(document);
    }
    word::Ref<word::Shapes> Shapes() override {
        live();
        return make<ShapesObject>(document());
    }
    word::Ref<word::Tables> Tables() override {
        live();
        return make<TablesObject>(document(), TablesObject::Scope::Document);
    }
    QString FullName() const override { return live().fullName; }

private:
    void save(const QString& path) {
        DocumentState& document = live();
        guarded([&] { saveDocx(document.editor.model(), path); });
        document.fullName = path;
        document.changed = false;
    }
};

// --- Applications -----------------------------------------------------------------------------------

std::shared_ptr<DocumentState> attach(const std::shared_ptr<ApplicationState>& application, Editor editor,
                                      const QString& fullName) {
    auto document = std::make_shared<DocumentState>(
        DocumentState{std::move(editor), fullName, false, false, application});
    application->open.push_back(document);
    application->all.push_back(document);
    application->active = document;
    return document;
}

class DocumentsObject : public word::Documents {
public:
    explicit DocumentsObject(std::shared_ptr<ApplicationState> application)
        : application_(std::move(application)) {}
    int Count() const override { return int(application_->open.size()); }
    word::Ref<word::Document> Add() override { return addDocument(application_); }
    word::Ref<word::Document> Open(const QString& fileName) override {
        if (fileName.trimmed().isEmpty())
            fail(errors::FileNotFound, QStringLiteral("No file name was given to open."));
        const QString path = QFileInfo(fileName).absoluteFilePath();
        for (const auto& document : application_->open) {
            if (document->fullName == path) {
                application_->active = document;
                return documentObject(document);
            }
        }
        return guarded([&] { return documentObject(attach(application_, Editor(openDocx(path)), path)); });
    }

private:
    std::shared_ptr<ApplicationState> application_;
};

class ApplicationObject : public word::Application {
public:
    explicit ApplicationObject(std::shared_ptr<ApplicationState> application)
        : application_(std::move(application)) {}
    bool Visible() const override { return application_->visible; }
    void setVisible(bool visible) override { application_->visible = visible; }
    word::Ref<word::Documents> Documents() override { return make<DocumentsObject>(application_); }

private:
    std::shared_ptr<ApplicationState> application_;
};

class GlobalObject : public word::Global {
public:
    explicit GlobalObject(std::shared_ptr<ApplicationState> application)
        : application_(std::move(application)) {}
    word::Ref<word::Application> Application() override { return applicationObject(application_); }
    word::Ref<word::Document> ActiveDocument() override { return documentObject(active()); }
    word::Ref<word::Selection> Selection() override { return make<SelectionObject>(active()); }
    float CentimetersToPoints(float centimetres) override {
        return float(double(values::centimetres(centimetres)) * 72.0 / 2.54);
    }

private:
    const std::shared_ptr<DocumentState>& active() const {
        if (!application_->active)
            fail(errors::CommandFailed,
                 QStringLiteral("This command is not available because no document is open."));
        return application_->active;
    }
    std::shared_ptr<ApplicationState> application_;
};

} // namespace

word::Ref<word::Document> addDocument(const std::shared_ptr<ApplicationState>& application) {
    return guarded([&] {
        DocumentModel model;
        model.page = pageSetupFor(QLocale::system().measurementSystem());
        return documentObject(attach(application, Editor(std::move(model)), QString()));
    });
}

word::Ref<word::Application> applicationObject(std::shared_ptr<ApplicationState> application) {
    return make<ApplicationObject>(std::move(application));
}

word::Ref<word::Document> documentObject(std::shared_ptr<DocumentState> document) {
    return make<DocumentObject>(std::move(document));
}

word::Ref<word::Global> globalObject(std::shared_ptr<ApplicationState> application) {
    return make<GlobalObject>(std::move(application));
}

std::shared_ptr<DocumentState> stateOf(const word::Ref<word::Document>& document) {
    const auto* object = dynamic_cast<const DocumentObject*>(document.get().get());
    return object ? object->document() : nullptr;
}

} // namespace word::engine
