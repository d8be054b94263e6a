#include "program.h"

#include "builder/form1.h"
#include "formregistry.h"
#include "word/engine/engine.h"

#include <QCoreApplication>

namespace tavrin {

namespace {

int runForms(word::engine::Engine& wordProcessor, UserInterface& ui) {
    FormRegistry forms(wordProcessor, ui, QCoreApplication::applicationDirPath(),
                       [] { QCoreApplication::exit(0); });
    forms.start();
    if (forms.hasEnded())
        return 0;
    return QCoreApplication::exec();
}

void handOverLetters(word::engine::Engine& wordProcessor, UserInterface& ui,
                     const word::engine::Desktop& desktop) {
    const auto result = word::engine::handOverOpenDocuments(wordProcessor, desktop);
    for (const QString& failure : result.failures)
        ui.messageBox(failure);
}

} // namespace

int runProgram(word::engine::Engine& wordProcessor, UserInterface& ui, const word::engine::Desktop& desktop) {
    const int exitCode = runForms(wordProcessor, ui);
    handOverLetters(wordProcessor, ui, desktop);
    return exitCode;
}

} // namespace tavrin
