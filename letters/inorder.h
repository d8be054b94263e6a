#pragma once

// Work spread over several threads and handed back in order. make(index) runs on worker threads, any
// number at once; take(index, result) runs on the calling thread, for 0, 1, 2 ... in turn. The workers
// never run more than a window of items ahead of take, so memory stays the same however many items there
// are. An exception thrown by make reaches the caller from take's turn for that item; one thrown by take
// stops the workers and leaves inOrder.

#include <condition_variable>
#include <exception>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace tavrin::letters {

// One worker per processor this process may run on.
int processorCount();

template <typename Result> class OrderedResults {
public:
    OrderedResults(int count, int window) : count_(count), slots_(std::size_t(window)) {}

    // The next item to make, once it is within the window; nothing when every item is given out or the
    // work was stopped.
    std::optional<int> nextToMake() {
        std::unique_lock held(lock_);
        roomChanged_.wait(held, [&] { return stopped_ || next_ >= count_ || next_ < taken_ + window(); });
        if (stopped_ || next_ >= count_)
            return std::nullopt;
        return next_++;
    }

    void put(int index, std::optional<Result> result, std::exception_ptr failure) {
        const std::lock_guard held(lock_);
        slotOf(index) = Slot{std::move(result), failure};
        madeChanged_.notify_all();
    }

    // Waits for the item, then frees its place in the window.
    Result take(int index) {
        std::unique_lock held(lock_);
        madeChanged_.wait(held, [&] { return slotOf(index).has_value(); });
        Slot slot = std::move(*slotOf(index));
        slotOf(index).reset();
        taken_ = index + 1;
        roomChanged_.notify_all();
        held.unlock();
        if (slot.failure)
            std::rethrow_exception(slot.failure);
        return std::move(*slot.result);
    }

    void stop() {
        const std::lock_guard held(lock_);
        stopped_ = true;
        roomChanged_.notify_all();
    }

private:
    struct Slot {
        std::optional<Result> result; // none when making it failed
        std::exception_ptr failure;
    };
    int window() const { return int(slots_.size()); }
    std::optional<Slot>& slotOf(int index) { return slots_[std::size_t(index % window())]; }

    std::mutex lock_;
    std::condition_variable roomChanged_, madeChanged_;
    const int count_;
    int next_ = 0;  // the next item a worker makes
    int taken_ = 0; // items taken so far
    bool stopped_ = false;
    std::vector<std::optional<Slot>> slots_;
};

template <typename Result, typename Make, typename Take>
void inOrder(int count, int workers, const Make& make, const Take& take) {
    // A few items a worker keep every worker busy while the caller takes one.
    OrderedResults<Result> results(count, 4 * workers);
    std::vector<std::jthread> threads;
    // Declared after the threads, so destroyed first: the workers stop before they are joined.
    struct StopOnExit {
        OrderedResults<Result>& results;
        ~StopOnExit() { results.stop(); }
    } stopOnExit{results};
    for (int worker = 0; worker < workers; ++worker)
        threads.emplace_back([&] {
            while (const std::optional<int> index = results.nextToMake()) {
                try {
                    results.put(*index, make(*index), nullptr);
                } catch (...) {
                    // Handed to the caller, which rethrows it in this item's turn.
                    results.put(*index, std::nullopt, std::current_exception());
                }
            }
        });
    for (int index = 0; index < count; ++index)
        take(index, results.take(index));
}

} // namespace tavrin::letters
