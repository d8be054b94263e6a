#include "ending.h"

#include "word/files/files.h"

#include <csignal>
#include <pthread.h>
#include <thread>
#include <unistd.h>

namespace tavrin::letters {

namespace {

sigset_t endingSignals() {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGTERM);
    return set;
}

} // namespace

// Removing the files of writes under way takes a lock, which a signal handler may not touch; and the run
// has no event loop that a self-pipe could wake. So the signals stay blocked in every thread, the
// workers' too, and one thread of their own waits for them with sigwait() and cleans up as ordinary
// code. Writes are held before anything is removed, so nothing new appears behind the clean-up.
void removeEverythingOnSignals() {
    const sigset_t ending = endingSignals();
    pthread_sigmask(SIG_BLOCK, &ending, nullptr);
    std::thread([ending] {
        int signal = 0;
        while (sigwait(&ending, &signal) != 0) {
        }
        word::files::abandonWrites();
        ::_exit(128 + signal);
    }).detach();
}

} // namespace tavrin::letters
