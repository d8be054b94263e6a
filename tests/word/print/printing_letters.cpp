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

tavrin::WizardChoices defaultChoices(Style style) {
    tavrin::WizardChoices choices;
    choices.selectStyle(style);
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
