#include <gtest/gtest.h>

#include "retrogrades/Retrogrades.h"

namespace zodiora {
namespace {

CivilMoment On(int year, int month, int day, int hour = 12, int minute = 0)
{
    return CivilMoment{year, month, day, hour, minute};
}

/// Whether `planet` reads the same at 00:00, noon and 23:59 of the date.
void ExpectAllDay(const char* planet, int year, int month, int day, bool retrograde)
{
    for (auto [hour, minute] : {std::pair{0, 0}, std::pair{12, 0}, std::pair{23, 59}}) {
        EXPECT_EQ(IsRetrograde(On(year, month, day, hour, minute), planet), retrograde)
            << planet << " " << day << "/" << month << "/" << year << " " << hour << ":" << minute;
    }
}

TEST(IsRetrograde, MercuryFirstPeriodExcludesStationDays)
{
    // Mercury turns retrograde 15 March 1900 at 13:19 and direct 7 April at 18:42.
    ExpectAllDay("Mercury", 1900, 3, 15, false);
    ExpectAllDay("Mercury", 1900, 3, 16, true);
    ExpectAllDay("Mercury", 1900, 4, 6, true);
    ExpectAllDay("Mercury", 1900, 4, 7, false);
    ExpectAllDay("Mercury", 1900, 3, 1, false);
}

TEST(IsRetrograde, BeforeTheFirstAndAfterTheLastPeriod)
{
    ExpectAllDay("Mars", 1901, 1, 5, false);    // first Mars period starts 13 January 1901
    ExpectAllDay("Mars", 1901, 1, 14, true);
    ExpectAllDay("Mercury", 2050, 12, 20, true);
    ExpectAllDay("Mercury", 2050, 12, 25, false);  // last Mercury period ends 21 December 2050
    ExpectAllDay("Jupiter", 2051, 4, 20, true);    // last Jupiter period ends 21 April 2051
    ExpectAllDay("Jupiter", 2051, 4, 21, false);
    ExpectAllDay("Saturn", 1899, 12, 31, false);
    ExpectAllDay("Venus", 2060, 1, 1, false);
}

TEST(IsRetrograde, PeriodsCrossingTheYearBoundary)
{
    // Venus 31 Dec 1981 .. 10 Feb 1982, Saturn 19 Aug 1910 .. 2 Jan 1911.
    ExpectAllDay("Venus", 1981, 12, 31, false);
    ExpectAllDay("Venus", 1982, 1, 1, true);
    ExpectAllDay("Venus", 1982, 2, 9, true);
    ExpectAllDay("Venus", 1982, 2, 10, false);
    ExpectAllDay("Saturn", 1910, 12, 31, true);
    ExpectAllDay("Saturn", 1911, 1, 1, true);
    ExpectAllDay("Saturn", 1911, 1, 2, false);
}

TEST(IsRetrograde, OnlyTheFivePlanetsCanBeRetrograde)
{
    // 16 March 1900: Mercury is retrograde; other names never are.
    ASSERT_TRUE(IsRetrograde(On(1900, 3, 16), "Mercury"));
    for (const char* name : {"Sun", "Moon", "mercury", "MERCURY", "Mercury ", "Uranus", ""})
        EXPECT_FALSE(IsRetrograde(On(1900, 3, 16), name)) << name;
}

TEST(IsRetrograde, ClockTimeNeverChangesTheFlags)
{
    // Dates next to stations, where a time-sensitive test would flip.
    for (auto [year, month, day] : {std::tuple{1900, 3, 15}, std::tuple{1900, 3, 16}, std::tuple{1900, 4, 7},
                                    std::tuple{1901, 1, 13}, std::tuple{2051, 4, 21}, std::tuple{1980, 6, 15}}) {
        EXPECT_EQ(ComputeRetrogradeFlags(On(year, month, day, 0, 0)),
                  ComputeRetrogradeFlags(On(year, month, day, 23, 59)))
            << day << "/" << month << "/" << year;
    }
}

TEST(IsRetrograde, SummerSolsticeChartOf1980)
{
    const RetrogradeFlags flags = ComputeRetrogradeFlags(On(1980, 6, 15, 10, 30));
    for (const Body body : AllBodies) {
        EXPECT_EQ(flags[body], body == Body::Venus) << NameOf(body);
    }
}

}  // namespace
}  // namespace zodiora
