// What a user waits for with LibreOffice as the word processor, against the built-in engine:
// - from the process starting to the wizard's first paint, with LibreOffice not running (Tavrin starts it
//   behind the wizard), already running on the pipe, not installed, and with the engine-only program.
// From Finish to the letter shown in Writer's window is bench_live_finish's.
//
// The first-paint runs start this program again as a child that opens the wizard as the program does and
// reports its first paint on its standard output; the parent times the child until that line. LibreOffice
// runs on a private pipe and profile.

#include "shell/formicon.h"
#include "shell/formregistry.h"
#include "shell/qtuserinterface.h"
#include "word/engine/engine.h"
#include "word/live/choosingprovider.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <vector>

namespace {

using namespace tavrin;

class FirstPaint : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->objectName() == u"FrmMain" && !painted_) {
            painted_ = true;
            std::fputs("painted\n", stdout);
            std::fflush(stdout);
            QCoreApplication::exit(0);
        }
        return false;
    }

private:
    bool painted_ = false;
};

word::live::ChooserSettings programSettings(const QString& programDirectory, const QString& profile,
                                            const QString& pipe) {
    word::live::ChooserSettings settings;
    settings.pluginPath = QStringLiteral(TAVRIN_LIVE_PLUGIN);
    settings.office.programDirectory = programDirectory;
    settings.office.profileDirectory = profile;
    settings.office.pipeName = pipe;
    settings.office.headless = qEnvironmentVariableIsEmpty("DISPLAY");
    settings.startInBackground = true;
    return settings;
}

// The wizard as the program opens it, on the engine or on the choosing provider.
int child(int argc, char** argv, const QString& mode, const QString& profile, const QString& pipe) {
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    FirstPaint firstPaint;
    app.installEventFilter(&firstPaint);
    QtUserInterface ui;
    std::unique_ptr<word::Provider> wordProcessor;
    if (mode == u"engine")
        wordProcessor = std::make_unique<word::engine::Engine>();
    else
        wordProcessor = std::make_unique<word::live::ChoosingProvider>(
            programSettings(mode == u"missing" ? QDir::tempPath() : QStringLiteral(TAVRIN_LIVE_PROGRAM_DIR),
                            profile, pipe),
            word::live::TellUser());
    FormRegistry forms(*wordProcessor, ui, QCoreApplication::applicationDirPath(), [] {});
    forms.start();
    return app.exec();
}

// Ends the LibreOffice this benchmark started on its private pipe, by process id.
void killOnPipe(const QString& pipe) {
    const QByteArray accept = QStringLiteral("pipe,name=%1;").arg(pipe).toUtf8();
    for (const QString& entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        bool isProcess = false;
        const int processId = entry.toInt(&isProcess);
        QFile commandLine(QStringLiteral("/proc/%1/cmdline").arg(entry));
        if (isProcess && commandLine.open(QIODevice::ReadOnly)) {
            const QByteArray arguments = commandLine.readAll();
            if (arguments.contains(accept) && arguments.contains("soffice"))
                ::kill(processId, SIGKILL);
        }
    }
    QThread::msleep(300);
}

double timeChild(const char* program, const QString& mode, const QString& profile, const QString& pipe) {
    QProcess process;
    QElapsedTimer timer;
    timer.start();
    process.start(QString::fromLocal8Bit(program), {QStringLiteral("--child"), mode, profile, pipe});
    while (!process.canReadLine() && process.waitForReadyRead(30000)) {
    }
    const double milliseconds = timer.nsecsElapsed() / 1e6;
    process.waitForFinished(90000);
    return milliseconds;
}

void firstPaints(const char* program) {
    constexpr int Runs = 9;
    QTemporaryDir profile;
    const QString pipe = QStringLiteral("tavrin-bench-wizard-%1").arg(QCoreApplication::applicationPid());
    struct Case {
        const char* name;
        QString mode;
        bool running;
    };
    for (const Case& c : {Case{"engine-only program", QStringLiteral("engine"), false},
                          Case{"LibreOffice not installed", QStringLiteral("missing"), false},
                          Case{"LibreOffice installed, not running", QStringLiteral("live"), false},
                          Case{"LibreOffice already running", QStringLiteral("live"), true}}) {
        std::vector<double> milliseconds;
        if (c.running) // a child that starts it, and leaves it running
            timeChild(program, c.mode, profile.path(), pipe), QThread::sleep(3);
        for (int run = 0; run < Runs; ++run) {
            milliseconds.push_back(timeChild(program, c.mode, profile.path(), pipe));
            if (!c.running)
                killOnPipe(pipe);
        }
        killOnPipe(pipe);
        std::sort(milliseconds.begin(), milliseconds.end());
        QTextStream(stdout) << "first paint, " << c.name << ": median " << milliseconds[Runs / 2]
                            << " ms, fastest " << milliseconds.front() << " ms, slowest "
                            << milliseconds.back() << " ms\n";
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 4 && QByteArray(argv[1]) == "--child")
        return child(argc, argv, QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]),
                     QString::fromLocal8Bit(argv[4]));
    QApplication app(argc, argv);
    firstPaints(argv[0]);
    return 0;
}
