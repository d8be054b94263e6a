#pragma once

#include "builder/form1.h"
#include "wizard/wizardhost.h"
#include "word/automationerror.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace tavrin::testing {

// Records what the wizard asks of its host, in order; can make Form1's routines fail.
class FakeHost : public WizardHost, public UserInterface {
public:
    QStringList calls;
    QStringList messages;
    MBas alignment;
    std::optional<WizardChoices> handedOver;
    std::optional<int> alignmentWhenHandedOver;
    std::optional<WizardChoices> envelopeOrdered;
    std::optional<word::AutomationError> command1Failure;
    std::optional<word::AutomationError> sapolnenieFailure;
    // No desktop address book and a known account name, unless a test sets others.
    contacts::BookSources sources{false, QString(), [] { return QStringLiteral("Ann Writer"); }};

    void form1Command1_Click() override {
        calls << QStringLiteral("Command1_Click");
        if (command1Failure)
            throw *command1Failure;
    }
    void form1Sapolnenie(const WizardChoices& choices) override {
        calls << QStringLiteral("Sapolnenie");
        handedOver = choices;
        alignmentWhenHandedOver = alignment.alignment;
        if (sapolnenieFailure)
            throw *sapolnenieFailure;
    }
    void orderEnvelope(const WizardChoices& choices) override {
        calls << QStringLiteral("orderEnvelope");
        envelopeOrdered = choices;
    }
    MBas& mBas() override { return alignment; }
    UserInterface& userInterface() override { return *this; }
    void unloadFormIcon() override { calls << QStringLiteral("unloadFormIcon"); }
    void unloadForm1() override { calls << QStringLiteral("unloadForm1"); }
    void unloadFrmMain() override { calls << QStringLiteral("unloadFrmMain"); }
    void endProgram() override { calls << QStringLiteral("endProgram"); }

    void messageBox(const QString& text) override {
        calls << QStringLiteral("messageBox");
        messages << text;
    }
    contacts::BookSources addressBookSources() const override { return sources; }
    void resetMousePointer() override { calls << QStringLiteral("resetMousePointer"); }
};

} // namespace tavrin::testing
