// Speed of the offset look-up from time-zone history; run with `make bench`.
// Target: one look-up <= 1 microsecond once the zone is located.
#include <benchmark/benchmark.h>

#include "timezones/TimeZone.h"

using zodiora::timezones::LocalDateTime;
using zodiora::timezones::TimeZone;

// A located zone, births spread over 150 years: a search of the transitions.
static void BM_OffsetAtLocalTime(benchmark::State& state)
{
    const auto zone = TimeZone::Find("America/New_York", nullptr);
    LocalDateTime local{1880, 3, 14, 6, 30, 0};
    for (auto _ : state) {
        local.year = 1880 + (local.year - 1879) % 150;
        benchmark::DoNotOptimize(zone->offsetAt(local));
    }
}
BENCHMARK(BM_OffsetAtLocalTime);

static void BM_OffsetAtUtc(benchmark::State& state)
{
    const auto zone = TimeZone::Find("Asia/Kolkata", nullptr);
    std::int64_t utc = -3'000'000'000;
    for (auto _ : state) {
        utc += 31'557'600;
        if (utc > 2'000'000'000)
            utc = -3'000'000'000;
        benchmark::DoNotOptimize(zone->offsetAtUtc(utc));
    }
}
BENCHMARK(BM_OffsetAtUtc);

// Locating a zone by id: what the program does once per place chosen.
static void BM_FindZone(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(TimeZone::Find("America/Los_Angeles", nullptr));
}
BENCHMARK(BM_FindZone);
