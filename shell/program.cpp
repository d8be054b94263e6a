#include "program.h"

#include "builder/form1.h"
#include "formregistry.h"

#include <QCoreApplication>

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

} // namespace

int runProgram(word::Provider& wordProcessor, UserInterface& ui, const HandOverLetters& handOverLetters) {
    const int exitCode = runForms(wordProcessor, ui);
    for (const QString& failure : handOverLetters().failures)
        ui.messageBox(failure);
    return exitCode;
}

} // namespace tavrin
