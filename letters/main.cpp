// tavrin-letters: the same letter to everyone in an address book export.

#include "letters/batch.h"
#include "letters/ending.h"
#include "letters/options.h"
#include "letters/progressbar.h"

#include <QElapsedTimer>
#include <QGuiApplication>

#include <cstdio>
#include <unistd.h>

namespace {

void printTo(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

void toStandardOutput(const QString& line) {
    printTo(stdout, line + u'\n');
}

void toStandardError(const QString& line) {
    printTo(stderr, line + u'\n');
}

void withoutLineEnd(const QString& text) {
    printTo(stderr, text);
}

QElapsedTimer startedClock() {
    QElapsedTimer clock;
    clock.start();
    return clock;
}

} // namespace

int main(int argc, char** argv) {
    tavrin::letters::removeEverythingOnSignals();
    // Read before Qt sees them: QGuiApplication takes some options for itself (--style among them).
    QStringList arguments;
    for (int index = 0; index < argc; ++index)
        arguments << QString::fromLocal8Bit(argv[index]);

    // A command-line program: it paints its PDFs off screen wherever it runs.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("tavrin-letters"));

    using tavrin::letters::ParsedCommandLine;
    const ParsedCommandLine parsed = tavrin::letters::parseCommandLine(arguments);
    switch (parsed.outcome) {
    case ParsedCommandLine::Outcome::Help:
        printTo(stdout, tavrin::letters::usageText());
        return 0;
    case ParsedCommandLine::Outcome::Version:
        printTo(stdout, tavrin::letters::versionText() + u'\n');
        return 0;
    case ParsedCommandLine::Outcome::Error:
        printTo(stderr, parsed.error + u'\n' + tavrin::letters::usageText());
        return 2;
    case ParsedCommandLine::Outcome::Run:
        break;
    }

    tavrin::letters::BatchOutput output;
    output.writtenFile = toStandardOutput;
    output.message = toStandardError;
    if (!::isatty(STDERR_FILENO))
        return tavrin::letters::runBatch(parsed.options, output);

    // On a terminal, a progress bar; whatever else reaches that terminal is printed above it.
    const QElapsedTimer clock = startedClock();
    tavrin::letters::ProgressBar bar(withoutLineEnd, [&] { return clock.nsecsElapsed() / 1e9; });
    output.progress = [&](int done, int total) { bar.update(done, total); };
    output.message = [&](const QString& text) { bar.printAbove(toStandardError, text); };
    if (::isatty(STDOUT_FILENO))
        output.writtenFile = [&](const QString& path) { bar.printAbove(toStandardOutput, path); };
    return tavrin::letters::runBatch(parsed.options, output);
}
