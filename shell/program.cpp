#include "program.h"

#include "builder/form1.h"
#include "formregistry.h"

#include <QCoreApplication>

#include <exception>
#include <new>

namespace tavrin {

namespace {

int runForms(word::Provider& wordProcessor, UserInterface& ui) {
    FormRegistry forms(wordProcessor, ui, QCoreApplication::applicationDirPath(),
                       [] { QCoreApplication::exit(0); });
    forms.start();
    if (forms.hasEnded())
        return 0;
    return QCoreApplication::exec();
}

// Each letter is guarded inside the hand-over; this guard catches what fails before any letter is reached
// (gathering the open documents, say), so that the program still ends normally and says so.
QStringList handOverGuarded(const HandOverLetters& handOverLetters) {
    try {
        const word::engine::HandOverResult result = handOverLetters();
        return result.savedElsewhere + result.failures;
    } catch (const std::bad_alloc&) {
        return {QCoreApplication::translate("Program",
                                            "The letters could not be saved: there was not enough memory.")};
    } catch (const std::exception& error) {
        return {QCoreApplication::translate("Program", "The letters could not be saved: %1.")
                    .arg(QString::fromLocal8Bit(error.what()))};
    }
}

} // namespace

int runProgram(word::Provider& wordProcessor, UserInterface& ui, const HandOverLetters& handOverLetters) {
    const int exitCode = runForms(wordProcessor, ui);
    for (const QString& failure : handOverGuarded(handOverLetters))
        ui.messageBox(failure);
    return exitCode;
}

} // namespace tavrin
