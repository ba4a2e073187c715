#include "timezones/TimeZone.h"

#include <gtest/gtest.h>

#include <string>

using zodiora::timezones::LocalDateTime;
using zodiora::timezones::LocalTimeKind;
using zodiora::timezones::TimeZone;

TEST(LocalTimeKind, ClocksTurnedBackGiveBothOffsetsInOrder)
{
    // New York, 4 November 2007: 01:30 happened first in EDT, then in EST.
    const auto zone = TimeZone::Find("America/New_York", nullptr);
    ASSERT_TRUE(zone);
    const auto found = zone->offsetAt({2007, 11, 4, 1, 30, 0});
    EXPECT_EQ(found.kind, LocalTimeKind::Ambiguous);
    EXPECT_EQ(found.earlier.offsetSeconds, -4 * 3600);
    EXPECT_EQ(found.earlier.abbreviation, "EDT");
    EXPECT_TRUE(found.earlier.daylightSaving);
    EXPECT_EQ(found.later.offsetSeconds, -5 * 3600);
    EXPECT_EQ(found.later.abbreviation, "EST");
    EXPECT_FALSE(found.later.daylightSaving);
    // A second after the repeated hour the reading is unique again.
    EXPECT_EQ(zone->offsetAt({2007, 11, 4, 2, 0, 0}).kind, LocalTimeKind::Unique);
}

TEST(LocalTimeKind, ClocksTurnedForwardGiveTheOffsetsAroundTheGap)
{
    // London, 26 March 2023: clocks went from 01:00 GMT to 02:00 BST.
    const auto zone = TimeZone::Find("Europe/London", nullptr);
    ASSERT_TRUE(zone);
    const auto found = zone->offsetAt({2023, 3, 26, 1, 30, 0});
    EXPECT_EQ(found.kind, LocalTimeKind::Skipped);
    EXPECT_EQ(found.earlier.offsetSeconds, 0);
    EXPECT_EQ(found.earlier.abbreviation, "GMT");
    EXPECT_EQ(found.later.offsetSeconds, 3600);
    EXPECT_EQ(found.later.abbreviation, "BST");
    EXPECT_EQ(zone->offsetAt({2023, 3, 26, 0, 59, 59}).kind, LocalTimeKind::Unique);
    EXPECT_EQ(zone->offsetAt({2023, 3, 26, 2, 0, 0}).kind, LocalTimeKind::Unique);
}

TEST(LocalTimeKind, KathmanduSkippedItsFifteenMinutes)
{
    // 1 January 1986: 00:00 +05:30 became 00:15 +05:45.
    const auto zone = TimeZone::Find("Asia/Kathmandu", nullptr);
    ASSERT_TRUE(zone);
    const auto found = zone->offsetAt({1986, 1, 1, 0, 10, 0});
    EXPECT_EQ(found.kind, LocalTimeKind::Skipped);
    EXPECT_EQ(found.earlier.offsetSeconds, 5 * 3600 + 30 * 60);
    EXPECT_EQ(found.later.offsetSeconds, 5 * 3600 + 45 * 60);
}

TEST(LocalTimeKind, UnknownZoneIsAnErrorValue)
{
    std::string error;
    EXPECT_FALSE(TimeZone::Find("Mars/Olympus_Mons", &error));
    EXPECT_NE(error.find("Mars/Olympus_Mons"), std::string::npos);
    EXPECT_FALSE(TimeZone::Find("", nullptr));
    // A failed look-up leaves the next one unharmed.
    const auto zone = TimeZone::Find("Asia/Kolkata", &error);
    ASSERT_TRUE(zone);
    EXPECT_EQ(zone->id(), "Asia/Kolkata");
}
