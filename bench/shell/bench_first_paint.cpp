// How long a user waits for the wizard: from the process starting to the wizard's first paint.
//
// Run without arguments it starts itself again and again as a child that opens the wizard exactly as the
// program does, paints it once and quits; each child's whole life is timed, dynamic loading included.

#include "shell/formicon.h"
#include "shell/formregistry.h"
#include "shell/qtuserinterface.h"
#include "word/engine/engine.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTextStream>
#include <QWidget>

#include <algorithm>
#include <vector>

namespace {

// Quits the application on the first paint of the watched window.
class FirstPaint : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->objectName() == u"FrmMain")
            QCoreApplication::exit(0);
        return false;
    }
};

int openWizardAndQuitOnFirstPaint(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavrin"));
    QApplication::setWindowIcon(tavrin::FormIcon::applicationIcon());
    QApplication::setQuitOnLastWindowClosed(false);
    FirstPaint firstPaint;
    app.installEventFilter(&firstPaint);

    word::engine::Engine wordProcessor;
    tavrin::QtUserInterface ui;
    tavrin::FormRegistry forms(wordProcessor, ui, QCoreApplication::applicationDirPath(),
                               [] { QCoreApplication::exit(1); });
    forms.start();
    return app.exec();
}

int timeChildren(const char* program) {
    constexpr int Runs = 20;
    std::vector<double> milliseconds;
    for (int run = 0; run < Runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        const int exitCode = QProcess::execute(QString::fromLocal8Bit(program), {QStringLiteral("--child")});
        milliseconds.push_back(timer.nsecsElapsed() / 1e6);
        if (exitCode != 0) {
            QTextStream(stderr) << "the wizard did not paint (exit code " << exitCode << ")\n";
            return 1;
        }
    }
    std::sort(milliseconds.begin(), milliseconds.end());
    QTextStream(stdout) << "process start to the wizard's first paint, " << Runs << " runs: median "
                        << milliseconds[Runs / 2] << " ms, fastest " << milliseconds.front()
                        << " ms, slowest " << milliseconds.back() << " ms\n";
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 1 && QByteArray(argv[1]) == "--child")
        return openWizardAndQuitOnFirstPaint(argc, argv);
    QCoreApplication app(argc, argv);
    return timeChildren(argv[0]);
}
