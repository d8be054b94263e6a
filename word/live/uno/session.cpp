#include "session.h"

#include "unotext.h"

#include <com/sun/star/bridge/BridgeFactory.hpp>
#include <com/sun/star/bridge/XBridge.hpp>
#include <com/sun/star/connection/Connector.hpp>
#include <com/sun/star/frame/Desktop.hpp>
#include <com/sun/star/lang/XEventListener.hpp>
#include <cppuhelper/bootstrap.hxx>
#include <cppuhelper/implbase1.hxx>

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>

namespace word::live {

using namespace css;

namespace {

// How long closing a session waits for LibreOffice to let the bridge go.
constexpr std::chrono::seconds CloseLimit{2};

QString connectionEnded() {
    return QCoreApplication::translate("LiveOffice",
                                       "The connection to LibreOffice ended: LibreOffice quit or crashed.");
}

// Tells the session when the bridge goes away between calls: LibreOffice quit or crashed.
class BridgeWatch : public cppu::WeakImplHelper1<lang::XEventListener> {
public:
    explicit BridgeWatch(std::weak_ptr<Session> session) : session_(std::move(session)) {}
    void SAL_CALL disposing(const lang::EventObject&) override {
        if (const auto session = session_.lock())
            session->lose(connectionEnded());
    }

private:
    std::weak_ptr<Session> session_;
};

// LibreOffice's messages end with the source file that raised them, which says nothing to a user.
QString messageOf(const uno::Exception& exception) {
    static const QRegularExpression sourceLocation(QStringLiteral(" at \\./\\S+:\\d+\\s*$"));
    QString message = toQString(exception.Message).remove(sourceLocation).trimmed();
    if (message.isEmpty())
        message = QCoreApplication::translate("LiveOffice", "LibreOffice could not carry out the operation.");
    return message;
}

} // namespace

namespace {
// Held by the program until it ends it, not by a static destructor: what disposing it tears down (the
// components and the libraries they run in) is not torn down as the process exits.
struct LocalContext {
    std::mutex mutex;
    uno::Reference<uno::XComponentContext> context;
    bool ended = false;
};
LocalContext& theLocalContext() {
    static auto* const local = new LocalContext;
    return *local;
}
} // namespace

uno::Reference<uno::XComponentContext> localContext(const QString& programDirectory) {
    LocalContext& local = theLocalContext();
    std::lock_guard lock(local.mutex);
    if (local.ended)
        throw lang::DisposedException(
            toOUString(QCoreApplication::translate("LiveOffice", "The program is ending.")));
    if (!local.context.is()) {
        // Without this the runtime cannot find LibreOffice's type registries, and fails deep inside the
        // first remote call instead of raising an error.
        const QString fundamentals = QDir(programDirectory).filePath(QStringLiteral("fundamentalrc"));
        qputenv("URE_BOOTSTRAP", QByteArrayLiteral("vnd.sun.star.pathname:") + fundamentals.toUtf8());
        local.context = cppu::defaultBootstrap_InitialComponentContext();
    }
    return local.context;
}

void endLocalContext() {
    LocalContext& local = theLocalContext();
    uno::Reference<uno::XComponentContext> context;
    {
        std::lock_guard lock(local.mutex);
        local.ended = true;
        context = std::move(local.context);
    }
    if (const uno::Reference<lang::XComponent> component(context, uno::UNO_QUERY); component.is())
        component->dispose();
}

Session::Session(OfficeSettings settings, int number)
    : settings_(std::move(settings)), number_(number), thread_(std::make_shared<CallThread>()) {}

Session::~Session() {
    uno::Reference<lang::XComponent> bridge;
    {
        std::lock_guard lock(bridgeMutex_);
        bridge = std::move(bridge_);
        connection_.clear();
    }
    // The remote objects are let go on the call thread, the bridge last, after every call made on it:
    // disposing it anywhere else could pull its thread pool from under a call (see the header). A
    // LibreOffice that does not answer is not waited for.
    std::function<int()> release = [desktop = std::move(desktop), context = std::move(context),
                                    application = std::move(application), bridge]() mutable {
        application = {};
        desktop.clear();
        context.clear();
        if (bridge.is())
            bridge->dispose();
        return 0;
    };
    try {
        if (thread_->isCallThread())
            release(); // the last call that held the session is ending it
        else
            thread_->run<int>(std::move(release), CloseLimit);
    } catch (const TimedOut&) {
    } catch (const uno::Exception&) {
    }
}

void Session::connect() {
    call([this] {
        const auto local = localContext(settings_.programDirectory);
        const auto connection = connection::Connector::create(local)->connect(
            toOUString(QStringLiteral("pipe,name=%1").arg(settings_.pipeName)));
        {
            std::lock_guard lock(bridgeMutex_);
            connection_ = connection;
        }
        const auto bridge =
            bridge::BridgeFactory::create(local)->createBridge(OUString(), OUString("urp"), connection, {});
        const uno::Reference<lang::XComponent> component(bridge, uno::UNO_QUERY_THROW);
        component->addEventListener(new BridgeWatch(weak_from_this()));
        {
            std::lock_guard lock(bridgeMutex_);
            bridge_ = component;
        }
        context.set(bridge->getInstance(OUString("StarOffice.ComponentContext")), uno::UNO_QUERY_THROW);
        desktop = frame::Desktop::create(context);
        return 0;
    });
}

QString Session::lostReason() const {
    std::lock_guard lock(reasonMutex_);
    return lostReason_;
}

void Session::lose(const QString& reason) {
    if (lost_.exchange(true))
        return;
    {
        std::lock_guard lock(reasonMutex_);
        lostReason_ = reason;
    }
    uno::Reference<connection::XConnection> connection;
    {
        std::lock_guard lock(bridgeMutex_);
        connection = connection_;
    }
    if (!connection.is())
        return;
    // The bridge's reader wakes up to a closed connection and terminates the bridge, which fails a call
    // still waiting with DisposedException; the bridge itself is disposed when the session ends.
    try {
        connection->close();
    } catch (const uno::Exception&) {
    }
}

void Session::post(std::function<void()> task) {
    thread_->post([self = shared_from_this(), task = std::move(task)] {
        try {
            self->translateErrors<void>(task);
        } catch (const AutomationError&) {
        }
    });
}

void Session::throwIfLost() const {
    if (lost_)
        throw AutomationError(errors::ApplicationUnavailable, lostReason());
}

std::chrono::milliseconds Session::limitOf(Limit limit) const {
    return limit == Limit::Start ? settings_.startTimeLimit : settings_.callTimeLimit;
}

void Session::loseUnanswered(Limit limit) {
    lose(QCoreApplication::translate("LiveOffice", "LibreOffice did not answer within %1 seconds.")
             .arg(double(limitOf(limit).count()) / 1000.0));
}

AutomationError Session::wentAway() {
    lose(connectionEnded());
    return AutomationError(errors::ApplicationUnavailable, lostReason());
}

AutomationError Session::noneListening() const {
    return AutomationError(
        errors::CannotCreateObject,
        QCoreApplication::translate("LiveOffice", "No LibreOffice is running for Tavrin (pipe \"%1\").")
            .arg(settings_.pipeName));
}

AutomationError Session::failure(int number, const uno::Exception& exception) const {
    if (lost_)
        return AutomationError(errors::ApplicationUnavailable, lostReason());
    return AutomationError(number, messageOf(exception));
}

} // namespace word::live
