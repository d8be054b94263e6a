#include "formicon.h"
#include "formregistry.h"
#include "qtuserinterface.h"
#ifdef TAVRIN_LIVE
#include "word/live/choosingprovider.h"
#else
#include "word/engine/engine.h"
#include "word/engine/handover.h"
#endif

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavrin"));
    QApplication::setWindowIcon(tavrin::FormIcon::applicationIcon());
    // The program ends when its last form unloads, hidden ones included, not when the last window closes.
    QApplication::setQuitOnLastWindowClosed(false);

    tavrin::QtUserInterface ui;
#ifdef TAVRIN_LIVE
    // LibreOffice Writer wherever it can be had, the built-in engine everywhere else.
    word::live::ChoosingProvider wordProcessor({}, [&ui](const QString& message) { ui.messageBox(message); });
#else
    word::engine::Engine wordProcessor;
#endif
    tavrin::FormRegistry forms(wordProcessor, ui, QCoreApplication::applicationDirPath(),
                               [] { QCoreApplication::exit(0); });
    forms.start();
    const int exitCode = forms.hasEnded() ? 0 : app.exec();

    // The built-in engine's letters live in this process: they go to the user's documents folder now. A
    // letter written in LibreOffice stays open there.
    for (const QString& failure : handOverOpenDocuments(wordProcessor).failures)
        ui.messageBox(failure);
    return exitCode;
}
