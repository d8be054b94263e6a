#pragma once

#include "builder/form1.h"
#include "builder/mbas.h"
#include "builder/wizardchoices.h"
#include "contacts/addressbookloader.h"

namespace tavrin {

// What the wizard needs from the program around it: the hidden data form's routines, the shared
// alignment value, a message box, and the loading and unloading of forms. The shell implements it; tests
// put their own in its place.
class WizardHost {
public:
    virtual ~WizardHost() = default;

    // Form1's routines. A call loads a fresh Form1 first when none is loaded.
    virtual void form1Command1_Click() = 0;
    virtual void form1Sapolnenie(const WizardChoices& choices) = 0;

    // Finish with the envelope ticked: the envelope of the letter these choices make is to be made too.
    virtual void orderEnvelope(const WizardChoices& choices) = 0;

    virtual MBas& mBas() = 0;
    virtual UserInterface& userInterface() = 0;

    // Unloading a form that is not loaded does nothing.
    virtual void unloadFormIcon() = 0;
    virtual void unloadForm1() = 0;
    // Runs the wizard's Form_Unload, then takes the wizard off the screen and drops it. The wizard must
    // not touch itself after this returns.
    virtual void unloadFrmMain() = 0;

    // Ends the program at once, whatever is still loaded.
    virtual void endProgram() = 0;

    // Where the address books and the user's own card are looked for: the desktop's, unless a test says.
    virtual contacts::BookSources addressBookSources() const { return {}; }
};

} // namespace tavrin
