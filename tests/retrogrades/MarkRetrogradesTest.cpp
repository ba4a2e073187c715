#include <gtest/gtest.h>

#include <array>
#include <string>

#include "Retrogrades.h"

namespace zodiora {
namespace {

BirthData BirthOn(int year, int month, int day, int hour = 12, int minute = 0)
{
    BirthData birth;
    birth.year = year;
    birth.month = month;
    birth.day = day;
    birth.hour = hour;
    birth.minute = minute;
    return birth;
}

const std::array<std::string, 7> PlainNames{"Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn"};

TEST(MarkRetrogrades, Chart1980MarksVenusOnly)
{
    PlanetDisplayNames names;
    RetrogradeFlags flags{};
    MarkRetrogrades(BirthOn(1980, 6, 15, 10, 30), names, flags);
    EXPECT_EQ(flags, (RetrogradeFlags{false, true, false, false, false}));
    const std::array<std::string, 7> expected{"Sun", "Moon", "Mercury", "Venus (R) ", "Mars", "Jupiter", "Saturn"};
    EXPECT_EQ(names.names, expected);
}

TEST(MarkRetrogrades, SecondChartNeitherDoublesNorKeepsMarks)
{
    PlanetDisplayNames names;
    // 1 June 1900: Saturn retrograde (14 April .. 2 September 1900).
    MarkRetrogrades(BirthOn(1900, 6, 1), names);
    ASSERT_EQ(names.names[6], "Saturn (R) ");
    MarkRetrogrades(BirthOn(1900, 6, 1), names);
    EXPECT_EQ(names.names[6], "Saturn (R) ");

    // 1 January 1901: Saturn direct again, so it loses its mark.
    MarkRetrogrades(BirthOn(1901, 1, 1), names);
    EXPECT_EQ(names.names[6], "Saturn");
}

TEST(MarkRetrogrades, ReplacesWhateverTheNamesHeld)
{
    PlanetDisplayNames names;
    for (std::string& name : names.names)
        name = "stale (R) ";
    MarkRetrogrades(BirthOn(1901, 1, 5), names);  // nothing retrograde that day
    EXPECT_EQ(names.names, PlainNames);
}

TEST(MarkRetrogrades, NamesFollowFlagsAndSunMoonStayPlain)
{
    // A week's stride over the whole table, at both ends of the day.
    int marked = 0;
    for (int dayOffset = 0; dayOffset < 152 * 365; dayOffset += 7) {
        const int year = 1900 + dayOffset / 365;
        const int month = 1 + (dayOffset / 28) % 12;
        const int day = 1 + dayOffset % 28;
        PlanetDisplayNames early, late;
        RetrogradeFlags earlyFlags{}, lateFlags{};
        MarkRetrogrades(BirthOn(year, month, day, 0, 0), early, earlyFlags);
        MarkRetrogrades(BirthOn(year, month, day, 23, 59), late, lateFlags);
        SCOPED_TRACE(std::to_string(day) + "/" + std::to_string(month) + "/" + std::to_string(year));
        EXPECT_EQ(earlyFlags, lateFlags);
        EXPECT_EQ(early.names, late.names);
        EXPECT_EQ(early.names[0], "Sun");
        EXPECT_EQ(early.names[1], "Moon");
        for (std::size_t k = 0; k < 5; ++k) {
            EXPECT_EQ(earlyFlags[k], IsRetrograde(CivilMoment{year, month, day, 0, 0}, RetrogradePlanets[k]));
            EXPECT_EQ(early.names[k + 2], PlainNames[k + 2] + (earlyFlags[k] ? " (R) " : ""));
            marked += earlyFlags[k];
        }
    }
    EXPECT_GT(marked, 0);
}

}  // namespace
}  // namespace zodiora
