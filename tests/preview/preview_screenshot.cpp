// Not a test: drives the program as a user would (under an X server such as Xvfb) and saves a picture of
// the whole screen. The wizard opens, Preview is pressed, a recipient's name is typed and the Romantic
// style chosen; then the screen is grabbed into the PNG file named on the command line.
//
//     xvfb-run -s "-screen 0 1600x1000x24" build/tests/preview/preview_screenshot shot.png

#include "shell/formicon.h"
#include "shell/formregistry.h"
#include "shell/qtuserinterface.h"
#include "word/engine/engine.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QScreen>
#include <QTest>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2)
        return 2;
    QApplication::setApplicationName(QStringLiteral("Tavrin"));
    QApplication::setQuitOnLastWindowClosed(false);
    word::engine::Engine wordProcessor;
    tavrin::QtUserInterface ui;
    tavrin::FormRegistry forms(wordProcessor, ui, QCoreApplication::applicationDirPath(), [] {});
    forms.start();
    tavrin::FrmMain& wizard = forms.frmMain();
    if (!QTest::qWaitForWindowExposed(&wizard))
        return 1;
    const auto button = [&](const char* name) {
        return wizard.findChild<QAbstractButton*>(QString::fromLatin1(name));
    };

    button("cmdPreview")->click();
    button("Image1(1)")->click();
    auto* name = wizard.findChild<QLineEdit*>(QStringLiteral("RecNameText"));
    name->setFocus();
    QTest::keyClicks(name, QStringLiteral("Mrs Ada Lovelace"), Qt::NoModifier, 20);
    button("Image1(7)")->click();
    button("OptRomantic")->click();
    QTest::qWait(1500);
    return QGuiApplication::primaryScreen()->grabWindow(0).save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
