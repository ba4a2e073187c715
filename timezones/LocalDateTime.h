#pragma once

#include <cstdint>

namespace zodiora::timezones {

/// A calendar date and clock time to the second, proleptic Gregorian, with no
/// zone attached: what a clock on the wall showed.
struct LocalDateTime {
    int year = 2000;
    int month = 1;   ///< 1..12
    int day = 1;     ///< 1..31
    int hour = 0;    ///< 0..23
    int minute = 0;  ///< 0..59
    int second = 0;  ///< 0..59

    friend bool operator==(const LocalDateTime&, const LocalDateTime&) = default;
};

/// Seconds since 1970-01-01 00:00:00 of the same calendar reading, as if it
/// were universal time. Invalid dates (31 April) count on into the next month.
std::int64_t SecondsSinceEpoch(const LocalDateTime& local);

/// The calendar reading of seconds since 1970-01-01 00:00:00.
LocalDateTime FromSecondsSinceEpoch(std::int64_t seconds);

/// Universal time, in seconds since the epoch, of a clock reading at the
/// given offset (east of Greenwich positive).
std::int64_t UtcSeconds(const LocalDateTime& local, int offsetSeconds);

}  // namespace zodiora::timezones
