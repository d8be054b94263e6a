#pragma once

// The live word processor: LibreOffice Writer driven over UNO, offered by a plugin (word/live/uno) that
// the program loads at run time, so that it starts and works on a machine without LibreOffice.
//
// This header is all the program and the plugin share: no UNO type appears in it.

#include "word/word.h"

#include <QString>
#include <QtPlugin>

#include <chrono>
#include <memory>

namespace word::live {

// Where LibreOffice is and how Tavrin talks to it.
struct OfficeSettings {
    // LibreOffice's program folder: soffice, the UNO runtime and its type registries.
    QString programDirectory = QStringLiteral("/usr/lib/libreoffice/program");
    // The pipe a LibreOffice started by Tavrin accepts connections on. Pipes are made per user
    // (/tmp/OSL_PIPE_<uid>_<name>), so one name serves every user.
    QString pipeName = QStringLiteral("tavrin");
    // A private profile folder; empty for the user's own LibreOffice profile.
    QString profileDirectory;
    // Start LibreOffice without any window (tests, machines without a display).
    bool headless = false;
    // The longest any one call into LibreOffice may take before it counts as not answering.
    std::chrono::milliseconds callTimeLimit{20000};
    // The longest a started LibreOffice may take until it accepts the connection.
    std::chrono::milliseconds startTimeLimit{60000};
};

// The live backend: the word processor interface on one LibreOffice.
//
// - GetObject: connects to the LibreOffice listening on the pipe; errors::CannotCreateObject (429) when
//   none listens. An instance Tavrin attached to counts as visible: new documents open in a window.
// - CreateApplication: the LibreOffice already connected, or a new one started on the pipe (with a window
//   unless headless) and connected, not yet visible: documents created before Application.Visible is set
//   stay hidden until then. Throws errors::CannotCreateObject with the reason when it cannot be started.
// - CreateDocument and Global: on the connected LibreOffice, connecting first; 429 when none listens.
// - Every call has a time limit. A LibreOffice that does not answer within it, or that goes away, fails
//   the call with errors::ApplicationUnavailable (462); so does every later call on that connection, at
//   once, until GetObject or CreateApplication connects again.
class LiveOffice : public word::Provider {
public:
    // Numbers the connections made in the process; a new value means the objects of earlier ones are dead.
    // Backends on the same pipe share one connection: UNO allows one bridge per LibreOffice and process.
    virtual int connectionNumber() const = 0;
    // True while the connection answers.
    virtual bool isConnected() const = 0;
    // Why the last connection was lost; empty while it answers or when there was none.
    virtual QString lostReason() const = 0;
    // Shows the windows of new documents still waiting for theirs (a visible application's documents are
    // written hidden and shown once), then asks LibreOffice for an answer over the connection; throws
    // errors::ApplicationUnavailable when it is gone or does not answer in time. The program's end calls
    // it for every LibreOffice that holds a letter, and so does ending the backend.
    virtual void checkConnection() = 0;
    // Has LibreOffice load its word processor, in the background: what it does once before its first
    // Writer document is then done before a letter is written. Returns at once; the next call waits for it.
    virtual void prepareWriter() = 0;
    // The process id of the LibreOffice this backend started last; 0 when it started none.
    virtual qint64 startedProcessId() const = 0;
    // Closes every document without saving and ends LibreOffice, for tests and benchmarks that started
    // their own. Never called on the user's LibreOffice.
    virtual void shutDown() = 0;
};

// The plugin's entry point.
class LiveOfficePlugin {
public:
    virtual ~LiveOfficePlugin() = default;
    virtual std::unique_ptr<LiveOffice> createOffice(const OfficeSettings& settings) = 0;
    // Ends what the plugin started in this process, for the program's end once every LiveOffice it made
    // is gone: joins the threads that made its calls (waiting for them until the limit), then disposes
    // its UNO runtime. LibreOffice itself runs on. True when all of it ended; no connection can be made
    // afterwards.
    virtual bool endProcess(std::chrono::milliseconds limit) = 0;
};

} // namespace word::live

#define TavrinLiveOfficePlugin_iid "org.tavrin.word.LiveOfficePlugin/3"
Q_DECLARE_INTERFACE(word::live::LiveOfficePlugin, TavrinLiveOfficePlugin_iid)
