// tavrin-letters: the same letter to everyone in an address book export.

#include "letters/batch.h"
#include "letters/ending.h"
#include "letters/options.h"

#include <QGuiApplication>

#include <cstdio>
#include <unistd.h>

namespace {

void printTo(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
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
    output.writtenFile = [](const QString& path) { printTo(stdout, path + u'\n'); };
    output.message = [](const QString& text) { printTo(stderr, text + u'\n'); };
    if (::isatty(STDERR_FILENO))
        output.progress = [](int done, int total) {
            printTo(stderr, QStringLiteral("\r%1 of %2 letters").arg(done).arg(total) +
                                (done == total ? QStringLiteral("\r\033[K") : QString()));
        };
    return tavrin::letters::runBatch(parsed.options, output);
}
