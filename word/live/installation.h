#pragma once

// What a LibreOffice installation offers, told from its program folder without starting it.

#include <QString>

namespace word::live {

struct OfficeInstallation {
    bool installed = false;      // soffice is there to start
    bool hasWriter = false;      // the word processor's module is installed
    bool canShowWindows = false; // a window system plugin (the -nogui packages have none) and a display
    QString whyNot;              // a sentence for what is missing, when something is
};

OfficeInstallation inspectInstallation(const QString& programDirectory);

// Whether a LibreOffice accepts connections on the pipe (this user's /tmp/OSL_PIPE_<uid>_<name>), told by
// connecting to it, without speaking to it.
bool isListening(const QString& pipeName);

} // namespace word::live
