#include "installation.h"

#include <QDir>
#include <QFileInfo>

namespace word::live {

OfficeInstallation inspectInstallation(const QString& programDirectory) {
    const QDir program(programDirectory);
    OfficeInstallation found;
    found.installed = QFileInfo(program.filePath(QStringLiteral("soffice"))).isExecutable();
    found.hasWriter = QFileInfo::exists(program.filePath(QStringLiteral("libswlo.so")));
    const bool windowSystem = !program.entryList({QStringLiteral("libvclplug_*")}, QDir::Files).isEmpty();
    const bool display =
        !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    found.canShowWindows = windowSystem && display;

    if (!found.installed)
        found.whyNot =
            QStringLiteral("LibreOffice is not installed (no soffice in %1).").arg(programDirectory);
    else if (!found.hasWriter)
        found.whyNot = QStringLiteral("LibreOffice Writer is not installed.");
    else if (!windowSystem)
        found.whyNot =
            QStringLiteral("The installed LibreOffice cannot show windows (only its -nogui packages "
                           "are installed).");
    else if (!display)
        found.whyNot = QStringLiteral("There is no display to show LibreOffice on.");
    return found;
}

} // namespace word::live
