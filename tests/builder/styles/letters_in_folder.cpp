// Writes the letters of every style with pictures, round after round, the way Finish builds them, from a
// program directory given to it, and saves each as "<style name>-<round>.docx". The two-runs test starts two
// of these at once on one folder.
//
// Usage: letters_in_folder PROGRAM_DIRECTORY OUTPUT_DIRECTORY ROUNDS START_SIGNAL
// The letters begin once the file START_SIGNAL exists, so that both runs begin together.

#include "styledletter.h"

#include "builder/style.h"
#include "word/automationerror.h"

#include <QFileInfo>
#include <QString>
#include <QThread>

#include <cstdio>
#include <cstdlib>

namespace {

using tavrin::Style;

constexpr int UsageError = 2, SaveFailed = 3, NoStartSignal = 4;

bool waitForStart(const QString& signal) {
    for (int waited = 0; waited < 2000; ++waited) {
        if (QFileInfo::exists(signal))
            return true;
        QThread::msleep(5);
    }
    return false;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: %s PROGRAM_DIRECTORY OUTPUT_DIRECTORY ROUNDS START_SIGNAL\n", argv[0]);
        return UsageError;
    }
    const QString programDirectory = QString::fromLocal8Bit(argv[1]);
    const QString output = QString::fromLocal8Bit(argv[2]);
    const int rounds = std::atoi(argv[3]);
    if (!waitForStart(QString::fromLocal8Bit(argv[4])))
        return NoStartSignal;
    for (int round = 1; round <= rounds; ++round) {
        for (Style style : tavrin::AllStyles) {
            if (style == Style::Simple)
                continue;
            tavrin::testing::StyledLetter letter(programDirectory);
            letter.build(tavrin::testing::sampleChoices(style));
            const QString path =
                QStringLiteral("%1/%2-%3.docx").arg(output, tavrin::styleName(style)).arg(round);
            try {
                letter.saveAs(path);
            } catch (const word::AutomationError& error) {
                std::fprintf(stderr, "%s: %s\n", qPrintable(path), error.what());
                return SaveFailed;
            }
        }
    }
    return 0;
}
