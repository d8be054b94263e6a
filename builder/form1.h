#pragma once

// The hidden data form: the connection to the word processor, the letter record, the letter assembly and
// the layout routines. It is never shown; its command actions are the connection's own developer tools.

#include "artwork/artwork.h"
#include "letterrecord.h"
#include "mbas.h"
#include "wizardchoices.h"
#include "word/word.h"

#include <QString>

#include <functional>

namespace tavrin {

// What Form1 shows the user directly: a message box with an OK button under the application's title,
// and the mouse pointer. Tests put their own in its place.
class UserInterface {
public:
    virtual ~UserInterface() = default;
    virtual void messageBox(const QString& text) = 0;
    virtual void resetMousePointer() = 0;
};

class Form1 {
public:
    struct Services {
        word::Provider& word;
        MBas& mBas;
        UserInterface& ui;
        QString programDirectory; // the folder of the executable, without a trailing separator
        // How the layouts hand their pictures over: files in the program's directory, as for every
        // letter that is kept, or from memory for a word processor that takes them by name.
        artwork::PictureHandOver pictures = artwork::PictureHandOver::Files;
    };

    explicit Form1(Services services);

    // The letter record, filled by Sapolnenie and read by the layout routines.
    LetterRecord record;

    // The three references into the word processor. Released on unload without closing anything.
    word::Ref<word::Application> applicationRef;
    word::Ref<word::Document> documentRef;
    word::Ref<word::Range> rangeRef;

    // Word connection: Command1 attaches or starts; the others are developer actions.
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();
    void Command8_Click();

    // Letter assembly: fills the record from the wizard's choices, runs the chosen layout and unloads.
    void Sapolnenie(const WizardChoices& choices);
    // The same, for callers with texts of their own that the wizard's lists do not hold: `amendRecord`
    // changes the filled record before the layout runs.
    void Sapolnenie(const WizardChoices& choices, const std::function<void(LetterRecord&)>& amendRecord);

    // Puts the letter's fixed paragraph format on the paragraph at the insertion point.
    void MacrosAbsaz();

    // Layout routines, one per style (builder/styles).
    void TemplateStyl();
    void RomanticStyl();
    void DarkStyl();
    void ClassicStyl();
    void ElegantStyl();
    void ModernStyl();

    // The wizard's choices the layouts read (check boxes): the last ones handed to Sapolnenie,
    // the wizard's defaults before that.
    const WizardChoices& wizard() const { return wizard_; }

    // Releases the references and marks the form unloaded; its owner drops it and makes a fresh one on
    // the next reference.
    void Unload();
    bool isLoaded() const { return loaded_; }

    const Services& services() const { return services_; }

private:
    Services services_;
    WizardChoices wizard_;
    bool loaded_ = true;
};

} // namespace tavrin
