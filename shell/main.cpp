#include "formicon.h"
#include "formregistry.h"
#include "qtuserinterface.h"
#include "word/engine/engine.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavrin"));
    QApplication::setWindowIcon(tavrin::FormIcon::applicationIcon());
    // The program ends when its last form unloads, hidden ones included, not when the last window closes.
    QApplication::setQuitOnLastWindowClosed(false);

    word::engine::Engine wordProcessor;
    tavrin::QtUserInterface ui;
    tavrin::FormRegistry forms(wordProcessor, ui, QCoreApplication::applicationDirPath(),
                               [] { QCoreApplication::exit(0); });
    forms.start();
    if (forms.hasEnded())
        return 0;
    return app.exec();
}
