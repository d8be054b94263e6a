#include "printing_letters.h"

#include "builder/form1.h"
#include "word/engine/engine.h"

#include <QTemporaryDir>

namespace word::testing {

namespace {

class SilentUserInterface : public tavrin::UserInterface {
public:
    void messageBox(const QString&) override {}
    void resetMousePointer() override {}
};

} // namespace

QString styleName(LetterStyle style) {
    switch (style) {
    case LetterStyle::Simple:
        return QStringLiteral("Simple");
    case LetterStyle::Romantic:
        return QStringLiteral("Romantic");
    case LetterStyle::Dark:
        return QStringLiteral("Dark");
    case LetterStyle::Classic:
        return QStringLiteral("Classic");
    case LetterStyle::Elegant:
        return QStringLiteral("Elegant");
    case LetterStyle::Modernistic:
        return QStringLiteral("Modernistic");
    }
    return {};
}

tavrin::WizardChoices defaultChoices(LetterStyle style) {
    tavrin::WizardChoices choices;
    choices.optSimple = style == LetterStyle::Simple;
    choices.optRomantic = style == LetterStyle::Romantic;
    choices.optDark = style == LetterStyle::Dark;
    choices.optClassic = style == LetterStyle::Classic;
    choices.optElegant = style == LetterStyle::Elegant;
    choices.optModern = style == LetterStyle::Modernistic;
    return choices;
}

engine::DocumentModel letter(const tavrin::WizardChoices& choices) {
    engine::Engine engine;
    tavrin::MBas mBas;
    SilentUserInterface ui;
    QTemporaryDir programDirectory;
    tavrin::Form1 form({engine, mBas, ui, programDirectory.path()});

    form.Command1_Click();
    mBas.alignment = 0;
    form.Sapolnenie(choices);
    return engine::modelOf(engine.Global()->ActiveDocument());
}

} // namespace word::testing
