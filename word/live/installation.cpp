#include "installation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

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
        found.whyNot = QCoreApplication::translate("OfficeInstallation",
                                                   "LibreOffice is not installed (no soffice in %1).")
                           .arg(programDirectory);
    else if (!found.hasWriter)
        found.whyNot =
            QCoreApplication::translate("OfficeInstallation", "LibreOffice Writer is not installed.");
    else if (!windowSystem)
        found.whyNot = QCoreApplication::translate(
            "OfficeInstallation", "The installed LibreOffice cannot show windows (only its -nogui "
                                  "packages are installed).");
    else if (!display)
        found.whyNot =
            QCoreApplication::translate("OfficeInstallation", "There is no display to show LibreOffice on.");
    return found;
}

} // namespace word::live

namespace word::live {

bool isListening(const QString& pipeName) {
    const QByteArray path = QStringLiteral("/tmp/OSL_PIPE_%1_%2").arg(::getuid()).arg(pipeName).toLocal8Bit();
    sockaddr_un address{};
    if (path.size() >= qsizetype(sizeof address.sun_path))
        return false;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.constData(), std::size_t(path.size()));
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socket < 0)
        return false;
    const bool listening =
        ::connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::close(socket);
    return listening;
}

} // namespace word::live
