#include "application.h"

#include "word/automationerror.h"

#include <QApplication>
#include <QThread>

namespace word::engine::print {

namespace {

[[noreturn]] void notRunning() {
    throw AutomationError(
        errors::PrintingFailed,
        QStringLiteral("Printing needs the application's windows, and they are not running."));
}

} // namespace

void requireFonts() {
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        notRunning();
}

void requireApplication(bool withWidgets) {
    QCoreApplication* application = QCoreApplication::instance();
    const bool running = withWidgets ? qobject_cast<QApplication*>(application) != nullptr
                                     : qobject_cast<QGuiApplication*>(application) != nullptr;
    if (!running)
        notRunning();
    if (QThread::currentThread() != application->thread())
        throw AutomationError(errors::PrintingFailed,
                              QStringLiteral("Printing runs only on the application's main thread."));
}

} // namespace word::engine::print
