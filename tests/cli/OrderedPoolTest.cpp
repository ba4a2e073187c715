#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <random>
#include <thread>
#include <vector>

#include "cli/OrderedPool.h"

using namespace zodiora::cli;

namespace {

struct Job {
    int index = 0;
    int cost = 0;
    int result = 0;
};

}  // namespace

// Jobs of random cost finish out of order; they must still come back in
// reading order, computed once each, with never more than the window in flight.
TEST(OrderedPool, WritesInReadingOrderWhateverEachJobCosts)
{
    for (const unsigned threads : {1u, 2u, 4u}) {
        constexpr int Count = 600;
        constexpr std::size_t Window = 16;
        std::mt19937 random(threads);
        int nextIndex = 0;
        std::atomic<int> inFlight = 0;
        std::atomic<int> mostInFlight = 0;
        std::vector<int> written;
        OrderedPool<Job> pool(threads, Window);
        pool.run(
            [&](Job& job) {
                if (nextIndex == Count) return false;
                job.index = nextIndex++;
                job.cost = static_cast<int>(random() % 300);
                const int now = ++inFlight;
                int most = mostInFlight;
                while (now > most && !mostInFlight.compare_exchange_weak(most, now)) {
                }
                return true;
            },
            [] {
                return [](Job& job) {
                    std::this_thread::sleep_for(std::chrono::microseconds(job.cost));
                    job.result = job.index * 3;
                };
            },
            [&](Job& job) {
                --inFlight;
                EXPECT_EQ(job.result, job.index * 3);
                written.push_back(job.index);
            });
        ASSERT_EQ(written.size(), static_cast<std::size_t>(Count)) << threads;
        for (int k = 0; k < Count; ++k) ASSERT_EQ(written[static_cast<std::size_t>(k)], k) << threads;
        EXPECT_LE(mostInFlight.load(), static_cast<int>(Window)) << threads;
    }
}
