#pragma once

#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <thread>
#include <vector>

namespace zodiora::cli {

/// Runs jobs on a pool of worker threads and hands them back in the order
/// they were read. At most `window` jobs are in flight, so memory stays flat
/// however long the input. The calling thread reads and writes; workers only
/// work, each with its own state made by `makeWorker()` (a ChartSession,
/// scratch buffers), so no two threads share a worker.
///
///   read(Job&) -> bool    fills the next job; false at the end
///   makeWorker() -> W     W(Job&) does the work
///   write(Job&)           called in reading order
template <typename Job>
class OrderedPool {
public:
    OrderedPool(unsigned threads, std::size_t window) : threads_(threads < 1 ? 1 : threads), window_(window < 1 ? 1 : window) {}

    template <typename Read, typename MakeWorker, typename Write>
    void run(Read read, MakeWorker makeWorker, Write write)
    {
        if (threads_ == 1) {
            // One worker gains nothing from a thread; keep it simple and exact.
            auto worker = makeWorker();
            Job job;
            while (read(job)) {
                worker(job);
                write(job);
            }
            return;
        }
        slots_.assign(window_, Slot{});
        std::vector<std::thread> workers;
        workers.reserve(threads_);
        for (unsigned k = 0; k < threads_; ++k) {
            workers.emplace_back([this, worker = makeWorker()]() mutable { work(worker); });
        }
        std::size_t produced = 0;
        std::size_t written = 0;
        bool atEnd = false;
        while (true) {
            while (!atEnd && produced - written < window_) {
                Slot& slot = slots_[produced % window_];
                if (!read(slot.job)) {
                    atEnd = true;
                    break;
                }
                std::lock_guard lock(mutex_);
                slot.done = false;
                published_ = ++produced;
                workAvailable_.notify_one();
            }
            if (written == produced) break;
            Slot& head = slots_[written % window_];
            {
                std::unique_lock lock(mutex_);
                jobDone_.wait(lock, [&] { return head.done; });
            }
            write(head.job);
            ++written;
        }
        {
            std::lock_guard lock(mutex_);
            finished_ = true;
        }
        workAvailable_.notify_all();
        for (std::thread& thread : workers) thread.join();
    }

private:
    struct Slot {
        Job job{};
        bool done = false;
    };

    template <typename Worker>
    void work(Worker& worker)
    {
        while (true) {
            std::size_t index = 0;
            {
                std::unique_lock lock(mutex_);
                workAvailable_.wait(lock, [&] { return taken_ < published_ || finished_; });
                if (taken_ == published_) return;
                index = taken_++;
            }
            Slot& slot = slots_[index % window_];
            worker(slot.job);
            {
                std::lock_guard lock(mutex_);
                slot.done = true;
            }
            jobDone_.notify_one();
        }
    }

    unsigned threads_;
    std::size_t window_;
    std::vector<Slot> slots_;
    std::mutex mutex_;
    std::condition_variable workAvailable_;
    std::condition_variable jobDone_;
    std::size_t published_ = 0;
    std::size_t taken_ = 0;
    bool finished_ = false;
};

}  // namespace zodiora::cli
