#include "program.h"

#include "builder/form1.h"
#include "envelope/envelopehandover.h"
#include "formregistry.h"

#include <QCoreApplication>

#include <exception>
#include <memory>
#include <new>

namespace tavrin {

namespace {

struct FormsEnded {
    int exitCode;
    std::unique_ptr<envelopes::EnvelopeJob> envelope;
};

FormsEnded runForms(word::Provider& wordProcessor, UserInterface& ui) {
    FormRegistry forms(wordProcessor, ui, QCoreApplication::applicationDirPath(),
                       [] { QCoreApplication::exit(0); });
    forms.start();
    const int exitCode = forms.hasEnded() ? 0 : QCoreApplication::exec();
    return {exitCode, forms.takeEnvelope()};
}

struct LettersHandedOver {
    QStringList saved;
    QStringList messages;
};

// Each letter is guarded inside the hand-over; this guard catches what fails before any letter is reached
// (gathering the open documents, say), so that the program still ends normally and says so.
LettersHandedOver handOverGuarded(const HandOverLetters& handOverLetters) {
    try {
        const word::engine::HandOverResult result = handOverLetters();
        return {result.saved, result.savedElsewhere + result.failures};
    } catch (const std::bad_alloc&) {
        return {{},
                {QCoreApplication::translate(
                    "Program", "The letters could not be saved: there was not enough memory.")}};
    } catch (const std::exception& error) {
        return {{},
                {QCoreApplication::translate("Program", "The letters could not be saved: %1.")
                     .arg(QString::fromLocal8Bit(error.what()))}};
    }
}

// The same guard for the envelope, which is never the letter's loss.
QStringList handOverEnvelopeGuarded(envelopes::EnvelopeJob& envelope, const QStringList& lettersSaved,
                                    const word::engine::Desktop& desktop) {
    try {
        return envelopes::handOverEnvelope(envelope.take(), lettersSaved, desktop);
    } catch (const std::bad_alloc&) {
        return {QCoreApplication::translate("Program",
                                            "The envelope could not be saved: there was not enough memory.")};
    } catch (const std::exception& error) {
        return {QCoreApplication::translate("Program", "The envelope could not be saved: %1.")
                    .arg(QString::fromLocal8Bit(error.what()))};
    }
}

} // namespace

int runProgram(word::Provider& wordProcessor, UserInterface& ui, const HandOverLetters& handOverLetters,
               const word::engine::Desktop& envelopeDesktop) {
    const FormsEnded ended = runForms(wordProcessor, ui);
    const LettersHandedOver letters = handOverGuarded(handOverLetters);
    for (const QString& message : letters.messages)
        ui.messageBox(message);
    if (ended.envelope)
        for (const QString& message :
             handOverEnvelopeGuarded(*ended.envelope, letters.saved, envelopeDesktop))
            ui.messageBox(message);
    return ended.exitCode;
}

} // namespace tavrin
