#pragma once

// The word processor's object model, as the letter builder drives it: one call at a time, through a
// selection, the way a user would type. Implementations: the built-in engine (word/engine) and, where a
// running office suite is available, a live backend.
//
// Every object is reached through a Ref, a handle that may be empty. A call through an empty Ref, and
// every failing call, throws AutomationError (automationerror.h); nothing else escapes an operation.
// Names follow the word processor's own object model.

#include "automationerror.h"
#include "constants.h"

#include <QString>

#include <memory>
#include <optional>

namespace word {

template <class T> class Ref {
public:
    Ref() = default;
    Ref(std::shared_ptr<T> object) : object_(std::move(object)) {}

    T* operator->() const {
        if (!object_)
            throw AutomationError(errors::ObjectNotSet, QStringLiteral("Object variable not set."));
        return object_.get();
    }
    bool isEmpty() const { return !object_; }
    explicit operator bool() const { return bool(object_); }
    void reset() { object_.reset(); }
    const std::shared_ptr<T>& get() const { return object_; }

private:
    std::shared_ptr<T> object_;
};

class Application;
class Documents;
class Document;
class Window;
class Selection;
class Font;
class ParagraphFormat;
class Range;
class Tables;
class Table;
class Borders;
class Cell;
class InlineShapes;
class InlineShape;
class Shapes;
class Shape;

class Font {
public:
    virtual ~Font() = default;
    virtual QString Name() const = 0;
    virtual void setName(const QString& name) = 0;
    virtual float Size() const = 0;
    virtual void setSize(float points) = 0;
    virtual int ColorIndex() const = 0;
    virtual void setColorIndex(int colorIndex) = 0;
    virtual bool Bold() const = 0;
    virtual void setBold(bool bold) = 0;
};

class ParagraphFormat {
public:
    virtual ~ParagraphFormat() = default;
    virtual int Alignment() const = 0;
    virtual void setAlignment(int alignment) = 0;
    virtual float LeftIndent() const = 0;
    virtual void setLeftIndent(float points) = 0;
    virtual float RightIndent() const = 0;
    virtual void setRightIndent(float points) = 0;
    virtual float FirstLineIndent() const = 0;
    virtual void setFirstLineIndent(float points) = 0;
    virtual float SpaceBefore() const = 0;
    virtual void setSpaceBefore(float points) = 0;
    virtual float SpaceAfter() const = 0;
    virtual void setSpaceAfter(float points) = 0;
    virtual int LineSpacingRule() const = 0;
    virtual void setLineSpacingRule(int rule) = 0;
    virtual bool WidowControl() const = 0;
    virtual void setWidowControl(bool on) = 0;
    virtual bool KeepWithNext() const = 0;
    virtual void setKeepWithNext(bool on) = 0;
    virtual bool KeepTogether() const = 0;
    virtual void setKeepTogether(bool on) = 0;
    virtual bool PageBreakBefore() const = 0;
    virtual void setPageBreakBefore(bool on) = 0;
    virtual bool NoLineNumber() const = 0;
    virtual void setNoLineNumber(bool on) = 0;
    virtual bool Hyphenation() const = 0;
    virtual void setHyphenation(bool on) = 0;
    virtual int OutlineLevel() const = 0;
    virtual void setOutlineLevel(int level) = 0;
};

// A stretch of the document, fixed when it was taken.
class Range {
public:
    virtual ~Range() = default;
    virtual QString Text() const = 0;
};

class Borders {
public:
    virtual ~Borders() = default;
    virtual int InsideColorIndex() const = 0;
    virtual void setInsideColorIndex(int colorIndex) = 0;
    virtual int OutsideColorIndex() const = 0;
    virtual void setOutsideColorIndex(int colorIndex) = 0;
};

class Cell {
public:
    virtual ~Cell() = default;
    virtual void Select() = 0;
};

class Table {
public:
    virtual ~Table() = default;
    virtual Ref<word::Borders> Borders() = 0;
    // Rows and columns count from 1.
    virtual Ref<word::Cell> Cell(int row, int column) = 0;
};

class Tables {
public:
    virtual ~Tables() = default;
    virtual int Count() const = 0;
    // Tables count from 1, in document order.
    virtual Ref<word::Table> Item(int index) = 0;
    virtual Ref<word::Table> Add(const Ref<word::Range>& range, int rows, int columns) = 0;
};

class InlineShape {
public:
    virtual ~InlineShape() = default;
    virtual float Width() const = 0;
    virtual float Height() const = 0;
};

class InlineShapes {
public:
    virtual ~InlineShapes() = default;
    virtual int Count() const = 0;
    virtual Ref<word::InlineShape> AddPicture(const QString& fileName, bool linkToFile,
                                              bool saveWithDocument) = 0;
};

class Shape {
public:
    virtual ~Shape() = default;
    virtual void Select() = 0;
};

class Shapes {
public:
    virtual ~Shapes() = default;
    virtual int Count() const = 0;
    // A straight line from (beginX, beginY) to (endX, endY), in points from the page's top-left corner.
    virtual Ref<word::Shape> AddLine(float beginX, float beginY, float endX, float endY) = 0;
};

class Selection {
public:
    virtual ~Selection() = default;
    virtual void TypeText(const QString& text) = 0;
    virtual void TypeParagraph() = 0;
    // Word's defaults: to the end of the current word, moving the insertion point.
    virtual void EndOf() = 0;
    // Word's defaults: one character to the right.
    virtual void MoveRight() = 0;
    // Word's defaults: one line down.
    virtual void MoveDown() = 0;
    virtual Ref<word::Range> Range() = 0;
    virtual Ref<word::Tables> Tables() = 0;
    virtual Ref<word::InlineShapes> InlineShapes() = 0;
    virtual Ref<word::Font> Font() = 0;
    virtual Ref<word::ParagraphFormat> ParagraphFormat() = 0;
};

class Window {
public:
    virtual ~Window() = default;
    virtual Ref<word::Selection> Selection() = 0;
};

class Document {
public:
    virtual ~Document() = default;
    virtual void Activate() = 0;
    virtual Ref<word::Window> ActiveWindow() = 0;
    virtual void PrintPreview() = 0;
    // Word's defaults: the whole document, one copy, the current printer.
    virtual void PrintOut() = 0;
    virtual void Save() = 0;
    virtual void SaveAs(const QString& fileName) = 0;
    // With saveChanges omitted the document is saved first when it has changes and a file of its own.
    virtual void Close(std::optional<bool> saveChanges = std::nullopt) = 0;
    virtual Ref<word::Shapes> Shapes() = 0;
    virtual Ref<word::Tables> Tables() = 0;
    // The file the document was opened from or last saved to; empty for a new document.
    virtual QString FullName() const = 0;
};

class Documents {
public:
    virtual ~Documents() = default;
    virtual int Count() const = 0;
    virtual Ref<word::Document> Add() = 0;
    virtual Ref<word::Document> Open(const QString& fileName) = 0;
};

class Application {
public:
    virtual ~Application() = default;
    virtual bool Visible() const = 0;
    virtual void setVisible(bool visible) = 0;
    virtual Ref<word::Documents> Documents() = 0;
};

// The word processor's global object: what is current in the running application.
class Global {
public:
    virtual ~Global() = default;
    virtual Ref<word::Application> Application() = 0;
    virtual Ref<word::Document> ActiveDocument() = 0;
    // The active window's selection.
    virtual Ref<word::Selection> Selection() = 0;
    virtual float CentimetersToPoints(float centimetres) = 0;
};

// How a program reaches the word processor at all.
class Provider {
public:
    virtual ~Provider() = default;
    // The running application; throws errors::CannotCreateObject when none runs.
    virtual Ref<word::Application> GetObject() = 0;
    // A newly started application, not yet visible.
    virtual Ref<word::Application> CreateApplication() = 0;
    // A new empty document in the running application, which is started (not visible) when none runs.
    virtual Ref<word::Document> CreateDocument() = 0;
    // The global object of the running application; throws errors::CannotCreateObject when none runs.
    virtual Ref<word::Global> Global() = 0;
};

} // namespace word
