#include "mirror.h"

#include <QCoreApplication>

#include <optional>
#include <type_traits>

namespace word::live {

namespace {

using State = std::shared_ptr<MirrorState>;

// The mirrored object of each interface, made by mirrorOf below.
word::Ref<word::Documents> mirrorOf(const State&, word::Ref<word::Documents>, word::Ref<word::Documents>);
word::Ref<word::Document> mirrorOf(const State&, word::Ref<word::Document>, word::Ref<word::Document>);
word::Ref<word::Window> mirrorOf(const State&, word::Ref<word::Window>, word::Ref<word::Window>);
word::Ref<word::Selection> mirrorOf(const State&, word::Ref<word::Selection>, word::Ref<word::Selection>);
word::Ref<word::Font> mirrorOf(const State&, word::Ref<word::Font>, word::Ref<word::Font>);
word::Ref<word::ParagraphFormat> mirrorOf(const State&, word::Ref<word::ParagraphFormat>,
                                          word::Ref<word::ParagraphFormat>);
word::Ref<word::Range> mirrorOf(const State&, word::Ref<word::Range>, word::Ref<word::Range>);
word::Ref<word::Tables> mirrorOf(const State&, word::Ref<word::Tables>, word::Ref<word::Tables>);
word::Ref<word::Table> mirrorOf(const State&, word::Ref<word::Table>, word::Ref<word::Table>);
word::Ref<word::Borders> mirrorOf(const State&, word::Ref<word::Borders>, word::Ref<word::Borders>);
word::Ref<word::Cell> mirrorOf(const State&, word::Ref<word::Cell>, word::Ref<word::Cell>);
word::Ref<word::InlineShapes> mirrorOf(const State&, word::Ref<word::InlineShapes>,
                                       word::Ref<word::InlineShapes>);
word::Ref<word::InlineShape> mirrorOf(const State&, word::Ref<word::InlineShape>,
                                      word::Ref<word::InlineShape>);
word::Ref<word::Shapes> mirrorOf(const State&, word::Ref<word::Shapes>, word::Ref<word::Shapes>);
word::Ref<word::Shape> mirrorOf(const State&, word::Ref<word::Shape>, word::Ref<word::Shape>);
word::Ref<word::Application> mirrorOf(const State&, word::Ref<word::Application>,
                                      word::Ref<word::Application>);

// One live object and its mirror.
template <class Interface> class Twin {
public:
    Twin(State state, word::Ref<Interface> live, word::Ref<Interface> mirror)
        : state_(std::move(state)), live_(std::move(live)), mirror_(std::move(mirror)) {}

    const word::Ref<Interface>& live() const { return live_; }
    const word::Ref<Interface>& mirror() const { return mirror_; }

protected:
    // The same call on both sides.
    template <class Call> auto both(Call call) const { return paired(call, call); }

    // A call whose arguments differ between the sides. The mirror goes first so that it stays in step;
    // LibreOffice's answer counts unless it is gone, and then the mirror's does.
    template <class LiveCall, class MirrorCall>
    auto paired(LiveCall onLive, MirrorCall onMirror) const -> decltype(onLive(std::declval<Interface&>())) {
        using Result = decltype(onLive(std::declval<Interface&>()));
        if (state_->isLost() || live_.isEmpty())
            return onMirror(*mirror_.operator->());
        std::optional<AutomationError> mirrorError;
        if constexpr (std::is_void_v<Result>) {
            askMirror([&] { onMirror(*mirror_.get()); }, mirrorError);
            try {
                onLive(*live_.get());
                return;
            } catch (const AutomationError& error) {
                rethrowUnlessLost(error);
            }
            if (mirrorError)
                throw *mirrorError;
        } else {
            std::optional<Result> mirrored;
            askMirror([&] { mirrored = onMirror(*mirror_.get()); }, mirrorError);
            try {
                return onLive(*live_.get());
            } catch (const AutomationError& error) {
                rethrowUnlessLost(error);
            }
            if (!mirrored)
                throw *mirrorError;
            return *mirrored;
        }
    }

    // A call that hands out another object: its live and mirrored sides, mirrored in turn.
    template <class Call> auto object(Call call) const { return pairedObject(call, call); }
    template <class LiveCall, class MirrorCall>
    auto pairedObject(LiveCall onLive, MirrorCall onMirror) const {
        using Result = decltype(onLive(std::declval<Interface&>()));
        if (state_->isLost() || live_.isEmpty())
            return mirrorOf(state_, Result(), onMirror(*mirror_.operator->()));
        std::optional<AutomationError> mirrorError;
        Result mirrored;
        askMirror([&] { mirrored = onMirror(*mirror_.get()); }, mirrorError);
        try {
            return mirrorOf(state_, onLive(*live_.get()), mirrored);
        } catch (const AutomationError& error) {
            rethrowUnlessLost(error);
        }
        if (mirrorError)
            throw *mirrorError;
        return mirrorOf(state_, Result(), std::move(mirrored));
    }

    const State& state() const { return state_; }

private:
    template <class Ask> void askMirror(Ask ask, std::optional<AutomationError>& error) const {
        if (mirror_.isEmpty()) {
            error = AutomationError(errors::ObjectNotSet, QStringLiteral("Object variable not set."));
            return;
        }
        try {
            ask();
        } catch (const AutomationError& failure) {
            error = failure;
        }
    }
    void rethrowUnlessLost(const AutomationError& error) const {
        if (error.number != errors::ApplicationUnavailable || mirror_.isEmpty())
            throw error;
        state_->lose(error);
    }

    State state_;
    word::Ref<Interface> live_;
    word::Ref<Interface> mirror_;
};

// The live and mirrored sides of an argument; an object of the mirror alone serves it alone.
template <class Interface, class Mirrored>
std::pair<word::Ref<Interface>, word::Ref<Interface>> sidesOf(const word::Ref<Interface>& argument) {
    if (const auto* twin = dynamic_cast<const Mirrored*>(argument.get().get()))
        return {twin->live(), twin->mirror()};
    return {argument, argument};
}

class FontTwin : public word::Font, public Twin<word::Font> {
public:
    using Twin::Twin;
    QString Name() const override {
        return both([](word::Font& f) { return f.Name(); });
    }
    void setName(const QString& name) override {
        both([&](word::Font& f) { f.setName(name); });
    }
    float Size() const override {
        return both([](word::Font& f) { return f.Size(); });
    }
    void setSize(float points) override {
        both([&](word::Font& f) { f.setSize(points); });
    }
    int ColorIndex() const override {
        return both([](word::Font& f) { return f.ColorIndex(); });
    }
    void setColorIndex(int colorIndex) override {
        both([&](word::Font& f) { f.setColorIndex(colorIndex); });
    }
    bool Bold() const override {
        return both([](word::Font& f) { return f.Bold(); });
    }
    void setBold(bool bold) override {
        both([&](word::Font& f) { f.setBold(bold); });
    }
};

class ParagraphFormatTwin : public word::ParagraphFormat, public Twin<word::ParagraphFormat> {
public:
    using Twin::Twin;
    using F = word::ParagraphFormat;
    int Alignment() const override {
        return both([](F& f) { return f.Alignment(); });
    }
    void setAlignment(int value) override {
        both([&](F& f) { f.setAlignment(value); });
    }
    float LeftIndent() const override {
        return both([](F& f) { return f.LeftIndent(); });
    }
    void setLeftIndent(float value) override {
        both([&](F& f) { f.setLeftIndent(value); });
    }
    float RightIndent() const override {
        return both([](F& f) { return f.RightIndent(); });
    }
    void setRightIndent(float value) override {
        both([&](F& f) { f.setRightIndent(value); });
    }
    float FirstLineIndent() const override {
        return both([](F& f) { return f.FirstLineIndent(); });
    }
    void setFirstLineIndent(float value) override {
        both([&](F& f) { f.setFirstLineIndent(value); });
    }
    float SpaceBefore() const override {
        return both([](F& f) { return f.SpaceBefore(); });
    }
    void setSpaceBefore(float value) override {
        both([&](F& f) { f.setSpaceBefore(value); });
    }
    float SpaceAfter() const override {
        return both([](F& f) { return f.SpaceAfter(); });
    }
    void setSpaceAfter(float value) override {
        both([&](F& f) { f.setSpaceAfter(value); });
    }
    int LineSpacingRule() const override {
        return both([](F& f) { return f.LineSpacingRule(); });
    }
    void setLineSpacingRule(int value) override {
        both([&](F& f) { f.setLineSpacingRule(value); });
    }
    bool WidowControl() const override {
        return both([](F& f) { return f.WidowControl(); });
    }
    void setWidowControl(bool value) override {
        both([&](F& f) { f.setWidowControl(value); });
    }
    bool KeepWithNext() const override {
        return both([](F& f) { return f.KeepWithNext(); });
    }
    void setKeepWithNext(bool value) override {
        both([&](F& f) { f.setKeepWithNext(value); });
    }
    bool KeepTogether() const override {
        return both([](F& f) { return f.KeepTogether(); });
    }
    void setKeepTogether(bool value) override {
        both([&](F& f) { f.setKeepTogether(value); });
    }
    bool PageBreakBefore() const override {
        return both([](F& f) { return f.PageBreakBefore(); });
    }
    void setPageBreakBefore(bool value) override {
        both([&](F& f) { f.setPageBreakBefore(value); });
    }
    bool NoLineNumber() const override {
        return both([](F& f) { return f.NoLineNumber(); });
    }
    void setNoLineNumber(bool value) override {
        both([&](F& f) { f.setNoLineNumber(value); });
    }
    bool Hyphenation() const override {
        return both([](F& f) { return f.Hyphenation(); });
    }
    void setHyphenation(bool value) override {
        both([&](F& f) { f.setHyphenation(value); });
    }
    int OutlineLevel() const override {
        return both([](F& f) { return f.OutlineLevel(); });
    }
    void setOutlineLevel(int value) override {
        both([&](F& f) { f.setOutlineLevel(value); });
    }
};

class RangeTwin : public word::Range, public Twin<word::Range> {
public:
    using Twin::Twin;
    QString Text() const override {
        return both([](word::Range& r) { return r.Text(); });
    }
};

class BordersTwin : public word::Borders, public Twin<word::Borders> {
public:
    using Twin::Twin;
    int InsideColorIndex() const override {
        return both([](word::Borders& b) { return b.InsideColorIndex(); });
    }
    void setInsideColorIndex(int colorIndex) override {
        both([&](word::Borders& b) { b.setInsideColorIndex(colorIndex); });
    }
    int OutsideColorIndex() const override {
        return both([](word::Borders& b) { return b.OutsideColorIndex(); });
    }
    void setOutsideColorIndex(int colorIndex) override {
        both([&](word::Borders& b) { b.setOutsideColorIndex(colorIndex); });
    }
};

class CellTwin : public word::Cell, public Twin<word::Cell> {
public:
    using Twin::Twin;
    void Select() override {
        both([](word::Cell& c) { c.Select(); });
    }
};

class TableTwin : public word::Table, public Twin<word::Table> {
public:
    using Twin::Twin;
    word::Ref<word::Borders> Borders() override {
        return object([](word::Table& t) { return t.Borders(); });
    }
    word::Ref<word::Cell> Cell(int row, int column) override {
        return object([&](word::Table& t) { return t.Cell(row, column); });
    }
};

class TablesTwin : public word::Tables, public Twin<word::Tables> {
public:
    using Twin::Twin;
    int Count() const override {
        return both([](word::Tables& t) { return t.Count(); });
    }
    word::Ref<word::Table> Item(int index) override {
        return object([&](word::Tables& t) { return t.Item(index); });
    }
    word::Ref<word::Table> Add(const word::Ref<word::Range>& range, int rows, int columns) override {
        // Not a structured binding: clang before 16 cannot capture one in a lambda.
        const auto sides = sidesOf<word::Range, RangeTwin>(range);
        return pairedObject([&](word::Tables& t) { return t.Add(sides.first, rows, columns); },
                            [&](word::Tables& t) { return t.Add(sides.second, rows, columns); });
    }
};

class InlineShapeTwin : public word::InlineShape, public Twin<word::InlineShape> {
public:
    using Twin::Twin;
    float Width() const override {
        return both([](word::InlineShape& s) { return s.Width(); });
    }
    float Height() const override {
        return both([](word::InlineShape& s) { return s.Height(); });
    }
};

class InlineShapesTwin : public word::InlineShapes, public Twin<word::InlineShapes> {
public:
    using Twin::Twin;
    int Count() const override {
        return both([](word::InlineShapes& s) { return s.Count(); });
    }
    word::Ref<word::InlineShape> AddPicture(const QString& fileName, bool linkToFile,
                                            bool saveWithDocument) override {
        return object(
            [&](word::InlineShapes& s) { return s.AddPicture(fileName, linkToFile, saveWithDocument); });
    }
};

class ShapeTwin : public word::Shape, public Twin<word::Shape> {
public:
    using Twin::Twin;
    void Select() override {
        both([](word::Shape& s) { s.Select(); });
    }
};

class ShapesTwin : public word::Shapes, public Twin<word::Shapes> {
public:
    using Twin::Twin;
    int Count() const override {
        return both([](word::Shapes& s) { return s.Count(); });
    }
    word::Ref<word::Shape> AddLine(float beginX, float beginY, float endX, float endY) override {
        return object([&](word::Shapes& s) { return s.AddLine(beginX, beginY, endX, endY); });
    }
};

class SelectionTwin : public word::Selection, public Twin<word::Selection> {
public:
    using Twin::Twin;
    void TypeText(const QString& text) override {
        both([&](word::Selection& s) { s.TypeText(text); });
    }
    void TypeParagraph() override {
        both([](word::Selection& s) { s.TypeParagraph(); });
    }
    void EndOf() override {
        both([](word::Selection& s) { s.EndOf(); });
    }
    void MoveRight() override {
        both([](word::Selection& s) { s.MoveRight(); });
    }
    void MoveDown() override {
        both([](word::Selection& s) { s.MoveDown(); });
    }
    word::Ref<word::Range> Range() override {
        return object([](word::Selection& s) { return s.Range(); });
    }
    word::Ref<word::Tables> Tables() override {
        return object([](word::Selection& s) { return s.Tables(); });
    }
    word::Ref<word::InlineShapes> InlineShapes() override {
        return object([](word::Selection& s) { return s.InlineShapes(); });
    }
    word::Ref<word::Font> Font() override {
        return object([](word::Selection& s) { return s.Font(); });
    }
    word::Ref<word::ParagraphFormat> ParagraphFormat() override {
        return object([](word::Selection& s) { return s.ParagraphFormat(); });
    }
};

class WindowTwin : public word::Window, public Twin<word::Window> {
public:
    using Twin::Twin;
    word::Ref<word::Selection> Selection() override {
        return object([](word::Window& w) { return w.Selection(); });
    }
};

class DocumentTwin : public word::Document, public Twin<word::Document> {
public:
    using Twin::Twin;
    void Activate() override {
        both([](word::Document& d) { d.Activate(); });
    }
    word::Ref<word::Window> ActiveWindow() override {
        return object([](word::Document& d) { return d.ActiveWindow(); });
    }
    // Printing and files are LibreOffice's alone while it answers: the mirror is only ever a stand-in.
    void PrintPreview() override {
        liveOnly([](word::Document& d) { d.PrintPreview(); });
    }
    void PrintOut() override {
        liveOnly([](word::Document& d) { d.PrintOut(); });
    }
    void Save() override {
        liveOnly([](word::Document& d) { d.Save(); });
    }
    void SaveAs(const QString& fileName) override {
        liveOnly([&](word::Document& d) { d.SaveAs(fileName); });
    }
    // The mirror follows once LibreOffice has closed its document, without saving: it must not write the
    // user's file a second time. If LibreOffice is gone, the mirror is closed as asked.
    void Close(std::optional<bool> saveChanges) override {
        if (!state()->isLost() && !live().isEmpty()) {
            try {
                live()->Close(saveChanges);
                if (!mirror().isEmpty())
                    ignoreFailure([&] { mirror()->Close(false); });
                return;
            } catch (const AutomationError& error) {
                if (error.number != errors::ApplicationUnavailable || mirror().isEmpty())
                    throw;
                state()->lose(error);
            }
        }
        mirror()->Close(saveChanges);
    }
    word::Ref<word::Shapes> Shapes() override {
        return object([](word::Document& d) { return d.Shapes(); });
    }
    word::Ref<word::Tables> Tables() override {
        return object([](word::Document& d) { return d.Tables(); });
    }
    QString FullName() const override {
        return both([](word::Document& d) { return d.FullName(); });
    }

private:
    template <class Call> static void ignoreFailure(Call call) {
        try {
            call();
        } catch (const AutomationError&) {
        }
    }
    template <class Call> void liveOnly(Call call) {
        if (state()->isLost() || live().isEmpty())
            return call(*mirror().operator->());
        call(*live().get());
    }
};

class DocumentsTwin : public word::Documents, public Twin<word::Documents> {
public:
    using Twin::Twin;
    int Count() const override {
        return both([](word::Documents& d) { return d.Count(); });
    }
    word::Ref<word::Document> Add() override {
        return object([](word::Documents& d) { return d.Add(); });
    }
    word::Ref<word::Document> Open(const QString& fileName) override {
        return object([&](word::Documents& d) { return d.Open(fileName); });
    }
};

class ApplicationTwin : public word::Application, public Twin<word::Application> {
public:
    using Twin::Twin;
    bool Visible() const override {
        return both([](word::Application& a) { return a.Visible(); });
    }
    void setVisible(bool visible) override {
        both([&](word::Application& a) { a.setVisible(visible); });
    }
    word::Ref<word::Documents> Documents() override {
        return object([](word::Application& a) { return a.Documents(); });
    }
};

class GlobalTwin : public word::Global, public Twin<word::Global> {
public:
    using Twin::Twin;
    word::Ref<word::Application> Application() override {
        return object([](word::Global& g) { return g.Application(); });
    }
    word::Ref<word::Document> ActiveDocument() override {
        return object([](word::Global& g) { return g.ActiveDocument(); });
    }
    word::Ref<word::Selection> Selection() override {
        return object([](word::Global& g) { return g.Selection(); });
    }
    float CentimetersToPoints(float centimetres) override {
        return both([&](word::Global& g) { return g.CentimetersToPoints(centimetres); });
    }
};

// An object with neither side is none; one with its mirror alone stays mirrored, so that what is made
// after LibreOffice went away is still known to belong to the mirror.
template <class Mirrored, class Interface>
word::Ref<Interface> make(const State& state, word::Ref<Interface> live, word::Ref<Interface> mirror) {
    if (live.isEmpty() && mirror.isEmpty())
        return {};
    return word::Ref<Interface>(std::make_shared<Mirrored>(state, std::move(live), std::move(mirror)));
}

word::Ref<word::Documents> mirrorOf(const State& s, word::Ref<word::Documents> l,
                                    word::Ref<word::Documents> m) {
    return make<DocumentsTwin>(s, std::move(l), std::move(m));
}
word::Ref<word::Document> mirrorOf(const State& s, word::Ref<word::Document> l, word::Ref<word::Document> m) {
    if (!m.isEmpty())
        s->documents.push_back(m);
    return make<DocumentTwin>(s, std::move(l), std::move(m));
}
word::Ref<word::Window> mirrorOf(const State& s, word::Ref<word::Window> l, word::Ref<word::Window> m) {
    return make<WindowTwin>(s, std::move(l), std::move(m));
}
word::Ref<word::Selection> mirrorOf(const State& s, word::Ref<word::Selection> l,
                                    word::Ref<word::Selection> m) {
    return make<SelectionTwin>(s, std::move(l), std::move(m));
}
word::Ref<word::Font> mirrorOf(const State& s, word::Ref<word::Font> l, word::Ref<word::Font> m) {
    return make<FontTwin>(s, std::move(l), std::move(m));
}
word::Ref<word::ParagraphFormat> mirrorOf(const State& s, word::Ref<word::ParagraphFormat> l,
                                          word::Ref<word::ParagraphFormat> m) {
    return make<ParagraphFormatTwin>(s, std::move(l), std::move(m));
}
word::Ref<word::Range> mirrorOf(const State& s, word::Ref<word::Range> l, word::Ref<word::Range> m) {
    return make<RangeTwin>(s, std::move(l), std::move(m));
}
word::Ref<word::Tables> mirrorOf(const State& s, word::Ref<word::Tables> l, word::Ref<word::Tables> m) {
    return make<TablesTwin>(s, std::move(l), std::move(m));
}
word::Ref<word::Table> mirrorOf(const State& s, word::Ref<word::Table> l, word::Ref<word::Table> m) {
    return make<TableTwin>(s, std::move(l), std::move(m));
}
word::Ref<word::Borders> mirrorOf(const State& s, word::Ref<word::Borders> l, word::Ref<word::Borders> m) {
    return make<BordersTwin>(s, std::move(l), std::move(m));
}
word::Ref<word::Cell> mirrorOf(const State& s, word::Ref<word::Cell> l, word::Ref<word::Cell> m) {
    return make<CellTwin>(s, std::move(l), std::move(m));
}
word::Ref<word::InlineShapes> mirrorOf(const State& s, word::Ref<word::InlineShapes> l,
                                       word::Ref<word::InlineShapes> m) {
    return make<InlineShapesTwin>(s, std::move(l), std::move(m));
}
word::Ref<word::InlineShape> mirrorOf(const State& s, word::Ref<word::InlineShape> l,
                                      word::Ref<word::InlineShape> m) {
    return make<InlineShapeTwin>(s, std::move(l), std::move(m));
}
word::Ref<word::Shapes> mirrorOf(const State& s, word::Ref<word::Shapes> l, word::Ref<word::Shapes> m) {
    return make<ShapesTwin>(s, std::move(l), std::move(m));
}
word::Ref<word::Shape> mirrorOf(const State& s, word::Ref<word::Shape> l, word::Ref<word::Shape> m) {
    return make<ShapeTwin>(s, std::move(l), std::move(m));
}
word::Ref<word::Application> mirrorOf(const State& s, word::Ref<word::Application> l,
                                      word::Ref<word::Application> m) {
    return make<ApplicationTwin>(s, std::move(l), std::move(m));
}

} // namespace

void MirrorState::lose(const AutomationError& error) {
    if (lost_)
        return;
    lost_ = true;
    if (tellUser_)
        tellUser_(QCoreApplication::translate(
                      "MirrorState", "LibreOffice stopped working on your letter: %1\n\nTavrin finished "
                                     "the letter with its own word processor. It is saved in your "
                                     "documents folder when Tavrin closes.")
                      .arg(error.description));
}

word::Ref<word::Application> mirroredApplication(std::shared_ptr<MirrorState> state,
                                                 word::Ref<word::Application> live,
                                                 word::Ref<word::Application> mirror) {
    return mirrorOf(state, std::move(live), std::move(mirror));
}

word::Ref<word::Document> mirroredDocument(std::shared_ptr<MirrorState> state, word::Ref<word::Document> live,
                                           word::Ref<word::Document> mirror) {
    return mirrorOf(state, std::move(live), std::move(mirror));
}

word::Ref<word::Global> mirroredGlobal(std::shared_ptr<MirrorState> state, word::Ref<word::Global> live,
                                       word::Ref<word::Global> mirror) {
    return make<GlobalTwin>(state, std::move(live), std::move(mirror));
}

} // namespace word::live
