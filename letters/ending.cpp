#include "ending.h"

#include "word/files/files.h"

#include <QDir>
#include <QFileInfo>

#include <csignal>
#include <mutex>
#include <pthread.h>
#include <thread>
#include <unistd.h>

namespace tavrin::letters {

namespace {

struct Scratch {
    std::mutex lock;
    QString path;
    std::mutex layout; // see layingOut()
};

Scratch& scratch() {
    static Scratch folder;
    return folder;
}

sigset_t endingSignals() {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGTERM);
    return set;
}

[[noreturn]] void removeEverythingAndEnd(int signal) {
    // Held for good, in the order the layout takes them: no letter is laid out and no file written after.
    scratch().layout.lock();
    word::files::abandonWrites();
    {
        const std::lock_guard held(scratch().lock);
        if (!scratch().path.isEmpty())
            QDir(scratch().path).removeRecursively();
    }
    ::_exit(128 + signal);
}

} // namespace

QString temporaryFolder() {
    const QString temporary = QDir::tempPath();
    return !temporary.isEmpty() && QFileInfo(temporary).isDir() ? temporary : QStringLiteral("/tmp");
}

// Removing a folder and the files of writes under way takes locks and memory, which a signal handler may
// not touch; and the run has no event loop that a self-pipe could wake. So the signals stay blocked in
// every thread, and one thread of their own waits for them with sigwait() and cleans up as ordinary
// code. Writes are held before anything is removed, so nothing new appears behind the clean-up.
void removeEverythingOnSignals() {
    const sigset_t ending = endingSignals();
    pthread_sigmask(SIG_BLOCK, &ending, nullptr);
    std::thread([ending] {
        int signal = 0;
        while (sigwait(&ending, &signal) != 0) {
        }
        removeEverythingAndEnd(signal);
    }).detach();
}

std::unique_lock<std::mutex> layingOut() {
    return std::unique_lock(scratch().layout);
}

void setScratchFolder(const QString& path) {
    const std::lock_guard held(scratch().lock);
    scratch().path = path;
}

} // namespace tavrin::letters
