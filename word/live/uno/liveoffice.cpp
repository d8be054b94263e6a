#include "liveoffice.h"

#include "objects.h"
#include "unotext.h"

#include <com/sun/star/beans/PropertyValue.hpp>
#include <com/sun/star/container/XEnumeration.hpp>
#include <com/sun/star/container/XEnumerationAccess.hpp>
#include <com/sun/star/container/XIndexAccess.hpp>
#include <com/sun/star/frame/XComponentLoader.hpp>
#include <com/sun/star/util/CloseVetoException.hpp>
#include <com/sun/star/util/XCloseable.hpp>
#include <com/sun/star/util/XModifiable.hpp>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QThread>
#include <QUrl>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <map>
#include <mutex>

namespace word::live {

using namespace css;

namespace {

// How often a starting LibreOffice is asked whether it accepts the connection yet.
constexpr int PollMilliseconds = 100;
// A launcher that ended may have handed the connection to a LibreOffice already running; this is how long
// that one has to take it up.
constexpr int HandOverMilliseconds = 3000;
// How long shutting down waits for the process to end.
constexpr int ShutDownMilliseconds = 10000;

bool processIsRunning(qint64 processId) {
    return processId > 0 && (::kill(pid_t(processId), 0) == 0 || errno == EPERM);
}

QStringList startArguments(const OfficeSettings& settings) {
    QStringList arguments;
    if (!settings.profileDirectory.isEmpty())
        arguments << QStringLiteral("-env:UserInstallation=%1")
                         .arg(QUrl::fromLocalFile(settings.profileDirectory).toString(QUrl::FullyEncoded));
    arguments << QStringLiteral("--norestore") << QStringLiteral("--nologo") << QStringLiteral("--nodefault");
    if (settings.headless)
        arguments << QStringLiteral("--headless") << QStringLiteral("--invisible")
                  << QStringLiteral("--nolockcheck");
    arguments
        << QStringLiteral("--accept=pipe,name=%1;urp;StarOffice.ComponentContext").arg(settings.pipeName);
    return arguments;
}

[[noreturn]] void cannotStart(const QString& reason) {
    throw AutomationError(
        errors::CannotCreateObject,
        QCoreApplication::translate("LiveOffice", "LibreOffice could not be started: %1").arg(reason));
}

// The sessions of this process, by the pipe they connect to.
std::mutex& sessionsMutex() {
    static std::mutex mutex;
    return mutex;
}
std::map<QString, std::weak_ptr<Session>>& sessionsByPipe() {
    static std::map<QString, std::weak_ptr<Session>> sessions;
    return sessions;
}

// Writer's first document costs what later ones do not (its libraries, its styles, its fonts): a hidden
// document made and closed again pays for it.
void loadWriter(const uno::Reference<frame::XDesktop2>& desktop) {
    beans::PropertyValue hidden;
    hidden.Name = OUString("Hidden");
    hidden.Value <<= true;
    const auto component = uno::Reference<frame::XComponentLoader>(desktop, uno::UNO_QUERY_THROW)
                               ->loadComponentFromURL(OUString("private:factory/swriter"), OUString("_blank"),
                                                      0, uno::Sequence<beans::PropertyValue>(&hidden, 1));
    if (const uno::Reference<util::XCloseable> closeable(component, uno::UNO_QUERY); closeable.is())
        closeable->close(true);
}

} // namespace

Office::Office(OfficeSettings settings) : settings_(std::move(settings)) {}

// A letter's window is not left hidden when the program lets go of LibreOffice.
Office::~Office() {
    if (!isConnected())
        return;
    try {
        session_->call([session = session_] {
            showWaitingWindows(*session);
            return 0;
        });
    } catch (const AutomationError&) {
    }
}

std::shared_ptr<Session> Office::connected() {
    if (!isConnected())
        useSession(newConnection());
    return session_;
}

std::shared_ptr<Session> Office::newConnection() {
    // One bridge per LibreOffice in the process. UNO keeps one proxy per remote object in the process,
    // whichever bridge brought it: a second bridge to the same LibreOffice would hand out the first one's
    // proxies, hold none of its own, and so end itself as unused right after its first call.
    std::lock_guard lock(sessionsMutex());
    auto& shared = sessionsByPipe()[settings_.pipeName];
    if (auto session = shared.lock(); session && !session->isLost())
        return session;
    // A connection now and then drops during its handshake; a fresh one is made then, once.
    for (int attempt = 1;; ++attempt) {
        static std::atomic<int> sessionsMade = 0;
        auto session = std::make_shared<Session>(settings_, ++sessionsMade);
        try {
            session->connect();
            shared = session;
            return session;
        } catch (const AutomationError& error) {
            if (error.number != errors::ApplicationUnavailable || attempt == 2 || session->timedOut())
                throw;
        }
    }
}

void Office::useSession(std::shared_ptr<Session> session) {
    session_ = std::move(session);
    connections_ = session_->number();
}

word::Ref<word::Application> Office::GetObject() {
    return applicationObject(connected());
}

word::Ref<word::Application> Office::CreateApplication() {
    if (!isConnected())
        useSession(start());
    return applicationObject(session_);
}

word::Ref<word::Document> Office::CreateDocument() {
    return addDocument(connected());
}

word::Ref<word::Global> Office::Global() {
    return globalObject(connected());
}

std::shared_ptr<Session> Office::start() {
    const QString program = QDir(settings_.programDirectory).filePath(QStringLiteral("soffice"));
    if (!QFileInfo(program).isExecutable())
        cannotStart(QCoreApplication::translate("LiveOffice", "%1 is not there.").arg(program));
    // Detached: LibreOffice and the letter in it outlive the program. It gets none of the program's
    // standard streams, which it would otherwise hold open for as long as it runs.
    QProcess process;
    process.setProgram(program);
    process.setArguments(startArguments(settings_));
    process.setWorkingDirectory(QDir::homePath());
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    qint64 processId = 0;
    if (!process.startDetached(&processId))
        cannotStart(QCoreApplication::translate("LiveOffice", "%1 did not run.").arg(program));
    processId_ = processId;

    std::shared_ptr<Session> session;
    const QDeadlineTimer deadline(settings_.startTimeLimit);
    QDeadlineTimer handOver(QDeadlineTimer::Forever);
    for (;;) {
        try {
            session = newConnection();
            break;
        } catch (const AutomationError& error) {
            if (error.number != errors::CannotCreateObject)
                cannotStart(error.description);
        }
        if (deadline.hasExpired())
            cannotStart(
                QCoreApplication::translate("LiveOffice", "it did not accept a connection within %1 seconds.")
                    .arg(double(settings_.startTimeLimit.count()) / 1000.0));
        if (!processIsRunning(processId) && handOver.isForever())
            handOver.setRemainingTime(HandOverMilliseconds);
        if (handOver.hasExpired())
            cannotStart(
                QCoreApplication::translate("LiveOffice", "it ended without accepting a connection."));
        QThread::msleep(PollMilliseconds);
    }
    // A started application is not visible until it is told to be.
    session->call([session = session.get()] {
        session->application.visible = false;
        return 0;
    });
    return session;
}

void Office::checkConnection() {
    if (!session_)
        throw AutomationError(errors::ApplicationUnavailable,
                              QCoreApplication::translate("LiveOffice", "LibreOffice is no longer running."));
    session_->call([session = session_] {
        showWaitingWindows(*session);
        return session->desktop->getFrames()->getCount();
    });
}

void Office::prepareWriter() {
    if (isConnected())
        session_->post([session = session_.get()] { loadWriter(session->desktop); });
}

bool endRuntime(std::chrono::milliseconds limit) {
    std::vector<std::shared_ptr<Session>> held;
    {
        std::lock_guard lock(sessionsMutex());
        for (const auto& [pipe, session] : sessionsByPipe())
            if (auto alive = session.lock())
                held.push_back(std::move(alive));
    }
    // Whoever holds them can no longer wait on LibreOffice.
    for (const auto& session : held)
        session->lose(QCoreApplication::translate("LiveOffice", "The program is ending."));
    const bool sessionsEnded = held.empty();
    held.clear();
    // Each bridge was disposed on its call thread before that thread finished; the factory that made
    // them is disposed with the context only when none can still be in a call.
    if (CallThread::joinLeftThreads(limit) > 0 || !sessionsEnded)
        return false;
    endLocalContext();
    return true;
}

void Office::shutDown() {
    if (isConnected()) {
        try {
            session_->call(
                [session = session_] {
                    const auto components = session->desktop->getComponents()->createEnumeration();
                    while (components->hasMoreElements()) {
                        const auto component = components->nextElement();
                        if (const uno::Reference<util::XModifiable> modifiable(component, uno::UNO_QUERY);
                            modifiable.is())
                            modifiable->setModified(false);
                        if (const uno::Reference<util::XCloseable> closeable(component, uno::UNO_QUERY);
                            closeable.is()) {
                            try {
                                closeable->close(true);
                            } catch (const util::CloseVetoException&) {
                            }
                        }
                    }
                    session->desktop->terminate();
                    return 0;
                },
                Session::Limit::Start);
        } catch (const AutomationError&) {
            // Terminating ends the connection under the call; what is left is waited for below.
        }
        session_.reset();
    }
    const QDeadlineTimer deadline(ShutDownMilliseconds);
    while (processIsRunning(processId_) && !deadline.hasExpired())
        QThread::msleep(PollMilliseconds);
}

} // namespace word::live
