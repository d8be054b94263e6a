#pragma once

// Printing paints with Qt's fonts, which need a QGuiApplication, and shows dialogs, which need a
// QApplication; both only on the thread the application runs on.

namespace word::engine::print {

// Throws AutomationError errors::PrintingFailed when the application printing needs is not running here.
void requireApplication(bool withWidgets);

// Painting pages on images needs Qt's fonts, and so a QGuiApplication, but may run on any thread.
void requireFonts();

} // namespace word::engine::print
