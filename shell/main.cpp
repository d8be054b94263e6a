#include "formicon.h"
#include "program.h"
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
    return tavrin::runProgram(wordProcessor, ui, word::engine::Desktop::user());
}
