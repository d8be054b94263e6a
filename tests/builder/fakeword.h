#pragma once

// A word processor that only records what it is asked, for tests that look at the calls themselves:
// which ones, in which order, and what happens when one of them fails. Each call is logged as
// "Object.Member" or "Object.Member=value"; a fault registered under a call's name (without the value)
// makes that call throw after it is logged.

#include "builder/form1.h"
#include "word/word.h"

#include <QHash>
#include <QStringList>

#include <memory>

namespace fake {

struct Log {
    QStringList calls;
    QHash<QString, word::AutomationError> faults;

    void call(const QString& name, const QString& value = {}) {
        calls.append(value.isNull() ? name : name + QLatin1Char('=') + value);
        if (auto fault = faults.constFind(name); fault != faults.constEnd())
            throw *fault;
    }
    void failWith(const QString& name, int number, const QString& description = QStringLiteral("failed")) {
        faults.insert(name, word::AutomationError(number, description));
    }
};

inline QString number(double value) {
    return QString::number(value);
}
inline QString flag(bool value) {
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

[[noreturn]] inline void unsupported() {
    throw word::AutomationError(word::errors::CommandFailed, QStringLiteral("Not recorded by the fake."));
}

// Each member logs its setting; reading is not recorded.
#define FAKE_MEMBER(Type, Member, text)                                                                      \
    Type Member() const override {                                                                           \
        unsupported();                                                                                       \
    }                                                                                                        \
    void set##Member(Type v) override {                                                                      \
        log_.call("ParagraphFormat." #Member, text(v));                                                      \
    }

class ParagraphFormat : public word::ParagraphFormat {
public:
    explicit ParagraphFormat(Log& log) : log_(log) {}
    FAKE_MEMBER(int, Alignment, number)
    FAKE_MEMBER(float, LeftIndent, number)
    FAKE_MEMBER(float, RightIndent, number)
    FAKE_MEMBER(float, FirstLineIndent, number)
    FAKE_MEMBER(float, SpaceBefore, number)
    FAKE_MEMBER(float, SpaceAfter, number)
    FAKE_MEMBER(int, LineSpacingRule, number)
    FAKE_MEMBER(bool, WidowControl, flag)
    FAKE_MEMBER(bool, KeepWithNext, flag)
    FAKE_MEMBER(bool, KeepTogether, flag)
    FAKE_MEMBER(bool, PageBreakBefore, flag)
    FAKE_MEMBER(bool, NoLineNumber, flag)
    FAKE_MEMBER(bool, Hyphenation, flag)
    FAKE_MEMBER(int, OutlineLevel, number)

private:
    Log& log_;
};
#undef FAKE_MEMBER

class Selection : public word::Selection {
public:
    explicit Selection(Log& log) : log_(log) {}
    void TypeText(const QString& text) override { log_.call("Selection.TypeText", text); }
    void TypeParagraph() override { log_.call("Selection.TypeParagraph"); }
    void EndOf() override { log_.call("Selection.EndOf"); }
    void MoveRight() override { log_.call("Selection.MoveRight"); }
    void MoveDown() override { log_.call("Selection.MoveDown"); }
    word::Ref<word::Range> Range() override { unsupported(); }
    word::Ref<word::Tables> Tables() override { unsupported(); }
    word::Ref<word::InlineShapes> InlineShapes() override { unsupported(); }
    word::Ref<word::Font> Font() override { unsupported(); }
    word::Ref<word::ParagraphFormat> ParagraphFormat() override {
        log_.call("Selection.ParagraphFormat");
        return {std::make_shared<fake::ParagraphFormat>(log_)};
    }

private:
    Log& log_;
};

class Application : public word::Application {
public:
    explicit Application(Log& log) : log_(log) {}
    bool Visible() const override { return visible; }
    void setVisible(bool v) override {
        log_.call("Application.Visible", flag(v));
        visible = v;
    }
    word::Ref<word::Documents> Documents() override { unsupported(); }

    bool visible = false;

private:
    Log& log_;
};

class Global : public word::Global {
public:
    explicit Global(Log& log) : log_(log) {}
    word::Ref<word::Application> Application() override { unsupported(); }
    word::Ref<word::Document> ActiveDocument() override { unsupported(); }
    word::Ref<word::Selection> Selection() override {
        log_.call("Global.Selection");
        return {std::make_shared<fake::Selection>(log_)};
    }
    float CentimetersToPoints(float centimetres) override {
        log_.call("Global.CentimetersToPoints", number(centimetres));
        return centimetres * 72.0f / 2.54f;
    }

private:
    Log& log_;
};

// Attaching finds `running` when it is set; creating an application sets it (not visible). Every call
// can be made to fail through the log's faults.
class Provider : public word::Provider {
public:
    word::Ref<word::Application> GetObject() override {
        log.call("Provider.GetObject");
        if (!running)
            throw word::AutomationError(word::errors::CannotCreateObject, QStringLiteral("Not running."));
        return {running};
    }
    word::Ref<word::Application> CreateApplication() override {
        log.call("Provider.CreateApplication");
        running = std::make_shared<Application>(log);
        return {running};
    }
    word::Ref<word::Document> CreateDocument() override {
        log.call("Provider.CreateDocument");
        unsupported();
    }
    word::Ref<word::Global> Global() override {
        log.call("Provider.Global");
        return {std::make_shared<fake::Global>(log)};
    }

    Log log;
    std::shared_ptr<Application> running;
};

class UserInterface : public tavrin::UserInterface {
public:
    void messageBox(const QString& text) override { events.append("messageBox:" + text); }
    void resetMousePointer() override { events.append("resetMousePointer"); }

    QStringList events;
};

// A Form1 with fakes behind it.
struct Rig {
    Provider word;
    tavrin::MBas mBas;
    UserInterface ui;
    tavrin::Form1 form{{word, mBas, ui, QStringLiteral("/nonexistent")}};
};

} // namespace fake
