#pragma once

// The one thread that makes every call into LibreOffice, so that the caller can stop waiting: a UNO call
// has no time limit of its own, and a LibreOffice that stops answering would otherwise hold the caller
// for ever.

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <future>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <thread>

namespace word::live {

// Keeps SIGPIPE from the calling thread and every thread it starts: writing to a LibreOffice that went
// away must fail the write, not end the program.
void ignoreBrokenPipesOnThisThread();

// The task did not finish in time; it goes on to its end on the call thread, and its result is dropped.
struct TimedOut : std::runtime_error {
    TimedOut() : std::runtime_error("The call did not finish in time.") {}
};

class CallThread {
public:
    CallThread();
    // Stops taking tasks. Waits a moment for the task in hand; a task that still hangs is left to finish on
    // its own, so closing never blocks. Such a thread, and one that ends its own CallThread, is kept among
    // the threads left to finish, which joinLeftThreads joins.
    ~CallThread();
    CallThread(const CallThread&) = delete;
    CallThread& operator=(const CallThread&) = delete;

    // Runs the task on the call thread and waits for at most the limit. What the task throws reaches the
    // caller. Throws TimedOut when the limit passes first. The task must own everything it uses: after a
    // time-out it outlives the caller's frame.
    template <class Result> Result run(std::function<Result()> task, std::chrono::milliseconds limit) {
        auto packaged = std::make_shared<std::packaged_task<Result()>>(std::move(task));
        std::future<Result> result = packaged->get_future();
        post([packaged] { (*packaged)(); });
        if (result.wait_for(limit) != std::future_status::ready)
            throw TimedOut();
        return result.get();
    }

    bool isCallThread() const { return std::this_thread::get_id() == thread_.get_id(); }

    // Queues the task after those before it, without waiting for it.
    void post(std::function<void()> task);

    // Joins the threads that closing left to finish on their own, waiting for them until the limit. Returns
    // how many still run then; those stay among the threads left to finish. For the end of the process:
    // a thread still ending as the process ends is torn down under whatever runs at exit.
    static int joinLeftThreads(std::chrono::milliseconds limit);

private:
    struct Queue {
        std::mutex mutex;
        std::condition_variable ready;
        std::deque<std::function<void()>> tasks;
        bool stopping = false;
        bool idle = true;
        bool finished = false; // the thread's function is returning
        std::condition_variable idleChanged;
    };
    static void work(std::shared_ptr<Queue> queue);
    void leaveToFinish();

    std::shared_ptr<Queue> queue_;
    std::thread thread_;
};

} // namespace word::live
