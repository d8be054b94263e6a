#include "callthread.h"

#include <csignal>
#include <pthread.h>
#include <vector>

namespace word::live {

namespace {
// How long closing waits for a task in hand before it leaves the thread to finish on its own.
constexpr std::chrono::seconds StopGrace{2};

struct LeftThread {
    std::thread thread;
    std::shared_ptr<void> queue; // the thread's Queue, which tells when it finished
};

// The threads left to finish on their own. Never destroyed: a thread still in it when the process ends
// is not joined by a destructor at exit.
struct LeftThreads {
    std::mutex mutex;
    std::vector<LeftThread> threads;
};
LeftThreads& leftThreads() {
    static auto* const left = new LeftThreads;
    return *left;
}
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
        leaveToFinish();
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
        leaveToFinish(); // it owns its queue and its task
}

void CallThread::leaveToFinish() {
    LeftThreads& left = leftThreads();
    std::lock_guard lock(left.mutex);
    left.threads.push_back({std::move(thread_), queue_});
}

int CallThread::joinLeftThreads(std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    LeftThreads& left = leftThreads();
    std::vector<LeftThread> threads;
    {
        std::lock_guard lock(left.mutex);
        threads.swap(left.threads);
    }
    std::vector<LeftThread> running;
    for (LeftThread& thread : threads) {
        Queue& queue = *std::static_pointer_cast<Queue>(thread.queue);
        std::unique_lock lock(queue.mutex);
        const bool finished = queue.idleChanged.wait_until(lock, deadline, [&] { return queue.finished; });
        lock.unlock();
        if (finished)
            thread.thread.join();
        else
            running.push_back(std::move(thread));
    }
    const int stillRunning = int(running.size());
    std::lock_guard lock(left.mutex);
    for (LeftThread& thread : running)
        left.threads.push_back(std::move(thread));
    return stillRunning;
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
        if (queue->tasks.empty()) {
            // Stopping, nothing left.
            queue->finished = true;
            queue->idleChanged.notify_all();
            return;
        }
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
