#include "callthread.h"

#include <csignal>
#include <pthread.h>

namespace word::live {

namespace {
// How long closing waits for a task in hand before it leaves the thread to finish on its own.
constexpr std::chrono::seconds StopGrace{2};
} // namespace

CallThread::CallThread() : queue_(std::make_shared<Queue>()), thread_(&CallThread::work, queue_) {}

CallThread::~CallThread() {
    if (isCallThread()) {
        // Ended by the last task that held it: that task returns, the thread finds nothing more to do.
        std::deque<std::function<void()>> givenUp;
        {
            std::lock_guard lock(queue_->mutex);
            queue_->stopping = true;
            givenUp.swap(queue_->tasks);
        }
        thread_.detach();
        return;
    }
    std::unique_lock lock(queue_->mutex);
    queue_->stopping = true;
    // Tasks still waiting were given up by their callers, who wait for nothing else.
    std::deque<std::function<void()>> givenUp;
    givenUp.swap(queue_->tasks);
    queue_->ready.notify_all();
    const bool finished = queue_->idleChanged.wait_for(lock, StopGrace, [&] { return queue_->idle; });
    lock.unlock();
    if (finished)
        thread_.join();
    else
        thread_.detach(); // it owns its queue and its task; the program may end without it
}

void CallThread::post(std::function<void()> task) {
    std::lock_guard lock(queue_->mutex);
    queue_->tasks.push_back(std::move(task));
    queue_->ready.notify_one();
}

void ignoreBrokenPipesOnThisThread() {
    sigset_t brokenPipe;
    sigemptyset(&brokenPipe);
    sigaddset(&brokenPipe, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &brokenPipe, nullptr);
}

void CallThread::work(std::shared_ptr<Queue> queue) {
    // The UNO bridge's own threads start from here and keep the same mask.
    ignoreBrokenPipesOnThisThread();
    std::unique_lock lock(queue->mutex);
    for (;;) {
        queue->ready.wait(lock, [&] { return queue->stopping || !queue->tasks.empty(); });
        if (queue->tasks.empty())
            return; // stopping, nothing left
        std::function<void()> task = std::move(queue->tasks.front());
        queue->tasks.pop_front();
        queue->idle = false;
        lock.unlock();
        task();
        task = nullptr; // what the task owned goes on this thread, before the next one starts
        lock.lock();
        queue->idle = true;
        queue->idleChanged.notify_all();
    }
}

} // namespace word::live
