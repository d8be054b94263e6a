#pragma once

// The program's three forms and its one shared value. Each form is made on its first reference and
// dropped when it unloads; a reference after that makes a fresh one with its defaults. The program ends
// when the last form has unloaded, or at once when asked to.

#include "builder/form1.h"
#include "builder/mbas.h"
#include "envelope/envelopehandover.h"
#include "formicon.h"
#include "wizard/frmmain.h"
#include "wizard/wizardhost.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>

namespace word {
class Provider;
}

namespace tavrin {

class FormRegistry : public QObject, public WizardHost {
    Q_OBJECT
public:
    // endProgram is called once, when the program is to end.
    FormRegistry(word::Provider& wordProcessor, UserInterface& ui, QString programDirectory,
                 std::function<void()> endProgram);
    ~FormRegistry() override;

    // The program's entry: loads the start-up form, which opens the wizard.
    void start();

    FormIcon& formIcon();
    Form1& form1();
    FrmMain& frmMain();
    void showFrmMain();

    // The loaded forms, without loading any; null when not loaded.
    FormIcon* loadedFormIcon() const { return formIcon_; }
    FrmMain* loadedFrmMain() const { return frmMain_; }
    Form1* loadedForm1() const;
    // The last Form1 made, loaded or not (it keeps what it was last given until the next reference).
    Form1* lastForm1() const { return form1_.get(); }

    bool hasEnded() const { return ended_; }

    // The envelope Finish ordered, being painted; null when none was.
    std::unique_ptr<envelopes::EnvelopeJob> takeEnvelope() { return std::move(envelope_); }

    // WizardHost
    void form1Command1_Click() override;
    void form1Sapolnenie(const WizardChoices& choices) override;
    void orderEnvelope(const WizardChoices& choices) override;
    MBas& mBas() override { return mBas_; }
    UserInterface& userInterface() override { return ui_; }
    void unloadFormIcon() override;
    void unloadForm1() override;
    void unloadFrmMain() override;
    void endProgram() override;

private:
    void endWhenNoFormIsLoaded();

    word::Provider& wordProcessor_;
    UserInterface& ui_;
    QString programDirectory_;
    std::function<void()> endProgram_;
    bool ended_ = false;

    MBas mBas_;
    // The two windows are deleted through the event loop, as they may be unloaded from their own events.
    QPointer<FormIcon> formIcon_;
    QPointer<FrmMain> frmMain_;
    std::unique_ptr<Form1> form1_;
    std::unique_ptr<envelopes::EnvelopeJob> envelope_;
};

} // namespace tavrin
