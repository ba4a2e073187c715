#include <gtest/gtest.h>

#include <array>
#include <string>

#include "presentation/ChartDisplay.h"
#include "retrogrades/Retrogrades.h"
#include "SampleBirths.h"

namespace zodiora {
namespace {

BirthData BirthOn(int year, int month, int day, int hour = 12, int minute = 0)
{
    return test::BirthAt(year, month, day, hour, minute);
}

const PlanetNames PlainNames{"Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn"};

TEST(PlanetDisplayNames, Chart1980MarksVenusOnly)
{
    const PlanetNames expected{"Sun", "Moon", "Mercury", "Venus (R) ", "Mars", "Jupiter", "Saturn"};
    EXPECT_EQ(PlanetDisplayNames(RetrogradesOf(BirthOn(1980, 6, 15, 10, 30))), expected);
}

TEST(PlanetDisplayNames, SaturnLosesItsMarkWhenDirectAgain)
{
    // 1 June 1900: Saturn retrograde (14 April .. 2 September 1900).
    EXPECT_EQ(PlanetDisplayNames(RetrogradesOf(BirthOn(1900, 6, 1)))[6], "Saturn (R) ");
    // 1 January 1901: Saturn direct again.
    EXPECT_EQ(PlanetDisplayNames(RetrogradesOf(BirthOn(1901, 1, 1)))[6], "Saturn");
}

TEST(PlanetDisplayNames, NamesFollowFlagsAndSunMoonStayPlain)
{
    // A week's stride over the tables' years (1900-2050; later years follow
    // the precise ephemeris's motion), at both ends of the day.
    int marked = 0;
    for (int dayOffset = 0; dayOffset < 151 * 365; dayOffset += 7) {
        const int year = 1900 + dayOffset / 365;
        const int month = 1 + (dayOffset / 28) % 12;
        const int day = 1 + dayOffset % 28;
        const RetrogradeFlags early = RetrogradesOf(BirthOn(year, month, day, 0, 0));
        const RetrogradeFlags late = RetrogradesOf(BirthOn(year, month, day, 23, 59));
        SCOPED_TRACE(std::to_string(day) + "/" + std::to_string(month) + "/" + std::to_string(year));
        EXPECT_EQ(early, late);
        const PlanetNames names = PlanetDisplayNames(early);
        EXPECT_EQ(names[0], "Sun");
        EXPECT_EQ(names[1], "Moon");
        for (const Body planet : RetrogradePlanets) {
            const std::size_t k = IndexOf(planet);
            EXPECT_EQ(early[planet], IsRetrograde(CivilMoment{year, month, day, 0, 0}, NameOf(planet)));
            EXPECT_EQ(names[k], PlainNames[k] + (early[planet] ? " (R) " : ""));
            marked += early[planet];
        }
    }
    EXPECT_GT(marked, 0);
}

}  // namespace
}  // namespace zodiora
