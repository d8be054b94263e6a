#pragma once

// One letter built the way Finish builds it: the wizard's choices handed to Form1, which runs the chosen
// style on the built-in engine, with a program directory of the test's own.

#include "builder/form1.h"
#include "word/engine/engine.h"
#include "word/engine/model.h"

#include <QStringList>
#include <QTemporaryDir>

#include <memory>

namespace tavrin::testing {

// Every part of the letter given, in the chosen style and alignment:
// recipient "Ada Lovelace", "12 Elm Street" / "London"; content "Thank you for a lovely weekend." /
// "We loved every minute."; salutation, conclusion and closing chosen from the lists, then "Other";
// writer "Charles Babbage", "1 Dorset Street" / "Marylebone"; the date line wanted.
WizardChoices sampleChoices(Style style, Alignment alignment = Alignment::Center);

class QuietUserInterface : public UserInterface {
public:
    void messageBox(const QString& text) override { messages.append(text); }
    void resetMousePointer() override {}
    QStringList messages;
};

// What Finish does on a given word processor, in a program directory of its own: attach or start, reset
// the alignment value, then the letter assembly with the chosen style.
struct LetterRun {
    explicit LetterRun(word::Provider& provider)
        : form(Form1::Services{provider, mBas, ui, programDirectory.path()}) {}
    void build(const WizardChoices& choices) {
        form.Command1_Click();
        mBas.alignment = 0;
        form.Sapolnenie(choices);
    }
    MBas mBas;
    QuietUserInterface ui;
    QTemporaryDir programDirectory;
    Form1 form;
};

class StyledLetter {
public:
    // An empty programDirectory means a fresh temporary one.
    explicit StyledLetter(QString programDirectory = {});

    // What Finish does: attach (starting the engine's application, visible), reset the alignment value,
    // then run the letter assembly, which runs the chosen style.
    void build(const WizardChoices& choices) {
        attach();
        assemble(choices);
    }
    void attach();
    void assemble(const WizardChoices& choices);
    // The document the layout left active.
    const word::engine::DocumentModel& model();
    // Saves the letter as .docx.
    void saveAs(const QString& path);

    const QString& programDirectory() const { return programDirectory_; }
    // What the program directory holds after the run.
    QStringList programDirectoryFiles() const;

    word::engine::Engine engine;
    MBas mBas;
    QuietUserInterface ui;
    std::unique_ptr<Form1> form;

private:
    QTemporaryDir ownDirectory_;
    QString programDirectory_;
};

} // namespace tavrin::testing
