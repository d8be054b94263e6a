#include "envelope/envelopehandover.h"
#include "formicon.h"
#include "handoverdialogs.h"
#include "letterpreview.h"
#include "program.h"
#include "qtuserinterface.h"
#include "translations/translations.h"
#ifdef TAVRIN_LIVE
#include "word/live/choosingprovider.h"
#else
#include "word/engine/engine.h"
#include "word/engine/handover.h"
#endif

#include <QApplication>

namespace {

int run(tavrin::QtUserInterface& ui) {
#ifdef TAVRIN_LIVE
    // LibreOffice Writer wherever it can be had, the built-in engine everywhere else. LibreOffice starts
    // behind the wizard; a request that has to wait for it shows the busy cursor meanwhile.
    word::live::ChooserSettings settings;
    settings.startInBackground = true;
    settings.whileWaiting = [](bool waiting) {
        if (waiting) {
            QApplication::setOverrideCursor(Qt::WaitCursor);
            QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        } else {
            QApplication::restoreOverrideCursor();
        }
    };
    word::live::ChoosingProvider wordProcessor(settings,
                                               [&ui](const QString& message) { ui.messageBox(message); });
#else
    word::engine::Engine wordProcessor;
#endif
    // The built-in engine's letters live in this process: they go to the user's documents folder when the
    // program ends. A letter written in LibreOffice stays open there.
    // A letter the documents folder cannot take goes where the user chooses; one no application opens is
    // shown in the program's print preview.
    // The envelope goes beside the letter and opens in the desktop's application for PDF files; one no
    // application opens is shown in the print preview too.
    word::engine::Desktop envelopeDesktop = tavrin::envelopes::pdfDesktop();
    envelopeDesktop.showInstead = tavrin::showEnvelopePreview;
    return tavrin::runProgram(
        wordProcessor, ui,
        [&] {
            return handOverOpenDocuments(wordProcessor, tavrin::withDialogs(word::engine::Desktop::user()));
        },
        envelopeDesktop);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavrin"));
    // The desktop entry's name: Wayland desktops match the window to its menu entry and icon by it.
    QApplication::setDesktopFileName(QStringLiteral("io.github.tavrin.Tavrin"));
    // The user's language, from LANGUAGE, LC_ALL, LC_MESSAGES or LANG, before any text is made.
    const tavrin::Translations translations;
    QApplication::setWindowIcon(tavrin::FormIcon::applicationIcon());
    // The program ends when its last form unloads, hidden ones included, not when the last window closes.
    QApplication::setQuitOnLastWindowClosed(false);

    tavrin::QtUserInterface ui;
    const int status = run(ui);
#ifdef TAVRIN_LIVE
    // What the live word processor started in this process (its call threads, its UNO runtime) ends here,
    // not in the process's exit. LibreOffice and the letters in it run on.
    word::live::endLiveOffice(std::chrono::seconds(3));
#endif
    return status;
}
