#pragma once

// One connection to a LibreOffice: the UNO bridge over its pipe, the thread that makes every call, and
// what the word processor interface keeps about that LibreOffice (its visibility, its documents, the
// active one).
//
// Every call goes through Session::call, which runs it on the session's thread with a time limit and
// turns UNO's exceptions into automation errors. A call that does not finish in time, or that finds the
// bridge gone, loses the session: its connection is closed and every later call fails at once with
// errors::ApplicationUnavailable.
//
// The bridge is disposed only on the session's thread, when the session ends. Disposing a UNO bridge
// destroys the thread pool that its calls wait in, without waiting for the calls that are on their way
// into it: a dispose from any other thread, while a call runs on the session's thread, pulls the pool
// from under that call. Closing the connection instead ends a waiting call just as well (the bridge
// terminates, the call fails with DisposedException) and leaves the pool to the final dispose.

#include "callthread.h"
#include "word/live/office.h"

#include <com/sun/star/connection/NoConnectException.hpp>
#include <com/sun/star/connection/XConnection.hpp>
#include <com/sun/star/frame/XDesktop2.hpp>
#include <com/sun/star/io/IOException.hpp>
#include <com/sun/star/lang/DisposedException.hpp>
#include <com/sun/star/lang/IllegalArgumentException.hpp>
#include <com/sun/star/lang/IndexOutOfBoundsException.hpp>
#include <com/sun/star/lang/XComponent.hpp>
#include <com/sun/star/uno/XComponentContext.hpp>

#include <QString>

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

namespace word::live {

struct DocumentState;

// What the interface keeps about the application. Touched on the call thread only.
struct ApplicationState {
    // New documents open in a window when true; documents opened while false stay hidden until it is set.
    bool visible = true;
    std::vector<std::shared_ptr<DocumentState>> documents; // open ones this session created or opened
    std::weak_ptr<DocumentState> active;
};

class Session : public std::enable_shared_from_this<Session> {
public:
    enum class Limit { Call, Start };

    Session(OfficeSettings settings, int number);
    ~Session();

    // Connects to the LibreOffice listening on the settings' pipe, on the session's thread. Throws
    // AutomationError: CannotCreateObject when none listens, ApplicationUnavailable when it does not
    // answer in time.
    void connect();

    // Runs the task on the session's thread with the time limit. Throws what the task throws, UNO's
    // exceptions turned into AutomationError, and ApplicationUnavailable for a lost session.
    template <class Task> auto call(Task task, Limit limit = Limit::Call) -> decltype(task()) {
        using Result = decltype(task());
        throwIfLost();
        std::function<Result()> translated = [self = shared_from_this(), task = std::move(task)]() mutable {
            return self->translateErrors<Result>(task);
        };
        try {
            return thread_->run<Result>(std::move(translated), limitOf(limit));
        } catch (const TimedOut&) {
            timedOut_ = true;
            loseUnanswered(limit);
            throwIfLost();
            throw; // not reached
        }
    }

    bool isLost() const { return lost_; }
    // Lost because a call did not finish in time (LibreOffice does not answer), not because it went away.
    bool timedOut() const { return timedOut_; }
    QString lostReason() const;
    int number() const { return number_; }
    const OfficeSettings& settings() const { return settings_; }

    // On the call thread.
    css::uno::Reference<css::uno::XComponentContext> context;
    css::uno::Reference<css::frame::XDesktop2> desktop;
    ApplicationState application;

    // Marks the session lost and closes its connection, which ends a call still waiting on LibreOffice.
    // From any thread; never waits for LibreOffice.
    void lose(const QString& reason);

    // Runs the task on the session's thread after those before it, without waiting for it; it has no
    // time limit of its own, and a call made after it waits for it within the call's limit.
    void post(std::function<void()> task);

private:
    template <class Result, class Task> Result translateErrors(Task& task) {
        try {
            return task();
        } catch (const css::lang::DisposedException&) {
            throw wentAway();
        } catch (const css::connection::NoConnectException&) {
            throw noneListening();
        } catch (const css::lang::IllegalArgumentException& exception) {
            throw failure(errors::InvalidArgument, exception);
        } catch (const css::lang::IndexOutOfBoundsException& exception) {
            throw failure(errors::OutOfRange, exception);
        } catch (const css::io::IOException& exception) {
            throw failure(errors::FileAccess, exception);
        } catch (const css::uno::Exception& exception) {
            throw failure(errors::CommandFailed, exception);
        }
    }
    AutomationError wentAway();
    AutomationError noneListening() const;
    // A failure of the operation, or the session's loss when the bridge went during it.
    AutomationError failure(int number, const css::uno::Exception& exception) const;
    void throwIfLost() const;
    std::chrono::milliseconds limitOf(Limit limit) const;
    void loseUnanswered(Limit limit);

    OfficeSettings settings_;
    int number_;
    std::shared_ptr<CallThread> thread_;
    css::uno::Reference<css::lang::XComponent> bridge_; // set and disposed on the call thread
    css::uno::Reference<css::connection::XConnection>
        connection_; // set on the call thread, closed from anywhere
    std::atomic<bool> lost_ = false;
    std::atomic<bool> timedOut_ = false;
    mutable std::mutex reasonMutex_;
    QString lostReason_;
    std::mutex bridgeMutex_;
};

// Where the UNO runtime of this process comes from: LibreOffice's own, bootstrapped once. Throws
// DisposedException once it has ended.
css::uno::Reference<css::uno::XComponentContext> localContext(const QString& programDirectory);
// Disposes the local component context, and with it the service manager and the components it made (the
// connector, the bridge factory); every bridge must have been disposed before. Later connections fail.
void endLocalContext();

} // namespace word::live
