#include "timezones/TimeZone.h"

#include <gtest/gtest.h>

#include <string>

using zodiora::timezones::LocalDateTime;
using zodiora::timezones::LocalTimeKind;
using zodiora::timezones::TimeZone;

namespace {

struct HistoricalCase {
    const char* zone;
    LocalDateTime local;
    int offsetSeconds;
    const char* abbreviation;
    bool daylightSaving;
};

constexpr int Hms(int hours, int minutes, int seconds = 0)
{
    return hours < 0 ? -(-hours * 3600 + minutes * 60 + seconds) : hours * 3600 + minutes * 60 + seconds;
}

// Clocks that were not where one would guess: railway and war times, double
// summer time, local mean time, a zone moved by a quarter hour, a changed
// daylight-saving start.
const HistoricalCase Cases[] = {
    {"Asia/Kolkata", {1901, 6, 1, 12, 0, 0}, Hms(5, 21, 10), "MMT", false},
    {"Asia/Kolkata", {1942, 12, 1, 12, 0, 0}, Hms(6, 30), "+0630", true},
    {"Asia/Kolkata", {1980, 6, 15, 6, 30, 0}, Hms(5, 30), "IST", false},
    {"Europe/London", {1944, 6, 6, 12, 0, 0}, Hms(2, 0), "BDST", true},
    {"Europe/London", {1944, 1, 15, 12, 0, 0}, Hms(1, 0), "BST", true},
    {"America/New_York", {1943, 7, 4, 12, 0, 0}, Hms(-4, 0), "EWT", true},
    {"Asia/Kathmandu", {1985, 12, 31, 12, 0, 0}, Hms(5, 30), "+0530", false},
    {"Asia/Kathmandu", {1986, 1, 2, 12, 0, 0}, Hms(5, 45), "+0545", false},
    {"America/Chicago", {1880, 5, 1, 12, 0, 0}, Hms(-5, 50, 36), "LMT", false},
    {"America/Chicago", {1884, 5, 1, 12, 0, 0}, Hms(-6, 0), "CST", false},
    {"Asia/Tehran", {1993, 7, 1, 12, 0, 0}, Hms(4, 30), "+0430", true},
    {"America/Los_Angeles", {2007, 3, 22, 10, 0, 0}, Hms(-7, 0), "PDT", true},
    {"America/Los_Angeles", {2006, 3, 22, 10, 0, 0}, Hms(-8, 0), "PST", false},
    {"Australia/Lord_Howe", {2020, 1, 15, 12, 0, 0}, Hms(11, 0), "+11", true},
};

}  // namespace

TEST(HistoricalOffset, MatchesTheTzDatabase)
{
    for (const HistoricalCase& c : Cases) {
        SCOPED_TRACE(std::string(c.zone) + " " + std::to_string(c.local.year));
        std::string error;
        const auto zone = TimeZone::Find(c.zone, &error);
        ASSERT_TRUE(zone) << error;
        const auto found = zone->offsetAt(c.local);
        EXPECT_EQ(found.kind, LocalTimeKind::Unique);
        EXPECT_EQ(found.earlier.offsetSeconds, c.offsetSeconds);
        EXPECT_EQ(found.earlier.abbreviation, c.abbreviation);
        EXPECT_EQ(found.earlier.daylightSaving, c.daylightSaving);
        EXPECT_EQ(found.later, found.earlier);
    }
}

TEST(HistoricalOffset, UniversalTimeRoundTripsThroughTheZone)
{
    const auto kathmandu = TimeZone::Find("Asia/Kathmandu", nullptr);
    ASSERT_TRUE(kathmandu);
    const LocalDateTime birth{1990, 8, 15, 6, 30, 0};
    const auto offset = kathmandu->offsetAt(birth);
    const std::int64_t utc = UtcSeconds(birth, offset.earlier.offsetSeconds);
    // 06:30 at +05:45 is 00:45 universal time the same day.
    EXPECT_EQ(zodiora::timezones::FromSecondsSinceEpoch(utc), (LocalDateTime{1990, 8, 15, 0, 45, 0}));
    EXPECT_EQ(kathmandu->toLocal(utc), birth);
    EXPECT_EQ(kathmandu->offsetAtUtc(utc), offset.earlier);
}

TEST(HistoricalOffset, CalendarSecondsCoverOldDatesAndMonthOverflow)
{
    using zodiora::timezones::SecondsSinceEpoch;
    EXPECT_EQ(SecondsSinceEpoch({1970, 1, 1, 0, 0, 1}), 1);
    EXPECT_EQ(SecondsSinceEpoch({1969, 12, 31, 23, 59, 59}), -1);
    EXPECT_EQ(SecondsSinceEpoch({2000, 3, 1, 0, 0, 0}) - SecondsSinceEpoch({2000, 2, 28, 0, 0, 0}), 2 * 86400);
    EXPECT_EQ(SecondsSinceEpoch({2001, 4, 31, 0, 0, 0}), SecondsSinceEpoch({2001, 5, 1, 0, 0, 0}));
    EXPECT_EQ(zodiora::timezones::FromSecondsSinceEpoch(SecondsSinceEpoch({1880, 5, 1, 23, 4, 5})),
              (LocalDateTime{1880, 5, 1, 23, 4, 5}));
}
