#include "formregistry.h"

#include "formicon.h"
#include "preview/wizardpreview.h"
#include "wizard/frmmain.h"

#include <QCoreApplication>
#include <QEvent>

namespace tavrin {

FormRegistry::FormRegistry(word::Provider& wordProcessor, UserInterface& ui, QString programDirectory,
                           std::function<void()> endProgram)
    : wordProcessor_(wordProcessor), ui_(ui), programDirectory_(std::move(programDirectory)),
      endProgram_(std::move(endProgram)) {}

FormRegistry::~FormRegistry() {
    delete frmMain_.data();
    delete formIcon_.data();
    // Forms unloaded earlier wait for the event loop to delete them.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void FormRegistry::start() {
    formIcon();
}

FormIcon& FormRegistry::formIcon() {
    if (!formIcon_) {
        formIcon_ = new FormIcon(*this);
        formIcon_->Form_Load();
    }
    return *formIcon_;
}

Form1& FormRegistry::form1() {
    if (!form1_ || !form1_->isLoaded())
        form1_ = std::make_unique<Form1>(Form1::Services{wordProcessor_, mBas_, ui_, programDirectory_});
    return *form1_;
}

FrmMain& FormRegistry::frmMain() {
    if (!frmMain_) {
        frmMain_ = new FrmMain(*this);
        preview::attachPreview(*frmMain_);
        frmMain_->Form_Load();
    }
    return *frmMain_;
}

void FormRegistry::showFrmMain() {
    frmMain().show();
}

Form1* FormRegistry::loadedForm1() const {
    return form1_ && form1_->isLoaded() ? form1_.get() : nullptr;
}

void FormRegistry::form1Command1_Click() {
    form1().Command1_Click();
}

void FormRegistry::form1Sapolnenie(const WizardChoices& choices) {
    form1().Sapolnenie(choices);
}

// For a letter on the paper of the user's locale.
void FormRegistry::orderEnvelope(const WizardChoices& choices) {
    envelope_ = std::make_unique<envelopes::EnvelopeJob>(
        envelopes::letterEnvelope(choices, envelopes::localePaper()));
}

void FormRegistry::unloadFormIcon() {
    if (!formIcon_)
        return;
    FormIcon* form = formIcon_;
    formIcon_ = nullptr;
    form->deleteLater();
    endWhenNoFormIsLoaded();
}

void FormRegistry::unloadForm1() {
    if (Form1* form = loadedForm1()) {
        form->Unload();
        endWhenNoFormIsLoaded();
    }
}

// The wizard counts as loaded until its Form_Unload has run.
void FormRegistry::unloadFrmMain() {
    if (!frmMain_)
        return;
    FrmMain* form = frmMain_;
    form->Form_Unload();
    frmMain_ = nullptr;
    form->hide();
    form->deleteLater();
    endWhenNoFormIsLoaded();
}

void FormRegistry::endProgram() {
    if (ended_)
        return;
    ended_ = true;
    endProgram_();
}

void FormRegistry::endWhenNoFormIsLoaded() {
    if (!formIcon_ && !frmMain_ && !loadedForm1())
        endProgram();
}

} // namespace tavrin
