#include <chrono>

#include <gtest/gtest.h>

#include "engine/Engine.h"
#include "transits/RunningDasha.h"
#include "transits/Transits.h"

namespace {

using namespace zodiora;
using namespace zodiora::transits;

double JulianDay(int year, unsigned month, unsigned day, double hours = 12)
{
    using namespace std::chrono;
    return 2440587.5 + sys_days{std::chrono::year{year} / month / day}.time_since_epoch().count() + hours / 24;
}

Chart Natal(Ephemeris ephemeris)
{
    UniversalMoment moment;
    moment.localYear = 1980;
    moment.localMonth = 6;
    moment.localDay = 15;
    moment.hours = 1.0;
    moment.utc = {1980, 6, 15, 1, 0, 0};
    return ComputeChart(moment, Place{28.6167, -77.2167}, ephemeris);
}

TEST(Transits, HousesCountFromTheLagnaAndTheMoon)
{
    EXPECT_EQ(HouseFrom(3, 3), 1);
    EXPECT_EQ(HouseFrom(2, 3), 12);
    EXPECT_EQ(HouseFrom(4, 3), 2);
    EXPECT_EQ(HouseFrom(0, 11), 2);

    const Chart natal = Natal(Ephemeris::Classic);
    const auto transits = TransitsAt(natal, JulianDay(2024, 3, 1));
    ASSERT_TRUE(transits);
    // Saturn in sidereal Aquarius in March 2024, the 9th from the natal Moon in Gemini.
    EXPECT_EQ(transits->sign[IndexOf(Body::Saturn)], 11);
    EXPECT_EQ(SignIndex(natal.longitude(Body::Moon)), 2);
    EXPECT_EQ(transits->houseFromMoon[IndexOf(Body::Saturn)], 9);
    EXPECT_EQ(transits->houseFromLagna[IndexOf(Body::Saturn)],
              HouseFrom(10, SignIndex(natal.longitude(Body::Ascendant))));
}

// Saturn turned retrograde on 2024-06-29 and direct on 2024-11-15: both
// ephemerides mark it in September, neither in March.
TEST(Transits, RetrogradeMarksFromEitherEphemeris)
{
    for (const Ephemeris ephemeris : {Ephemeris::Classic, Ephemeris::Precise}) {
        const Chart natal = Natal(ephemeris);
        EXPECT_TRUE(TransitsAt(natal, JulianDay(2024, 9, 1))->retrograde[IndexOf(Body::Saturn)]);
        EXPECT_FALSE(TransitsAt(natal, JulianDay(2024, 3, 1))->retrograde[IndexOf(Body::Saturn)]);
        EXPECT_FALSE(TransitsAt(natal, JulianDay(2024, 9, 1))->retrograde[IndexOf(Body::Sun)]);
    }
}

TEST(Transits, TheClassicEphemerisKeepsToItsYears)
{
    EXPECT_TRUE(EphemerisCovers(Ephemeris::Classic, JulianDay(2050, 12, 31, 23.9)));
    EXPECT_FALSE(EphemerisCovers(Ephemeris::Classic, JulianDay(2051, 1, 1, 0.1)));
    EXPECT_FALSE(EphemerisCovers(Ephemeris::Classic, JulianDay(1900, 12, 31)));
    EXPECT_TRUE(EphemerisCovers(Ephemeris::Precise, JulianDay(2120, 1, 1)));
    EXPECT_FALSE(EphemerisCovers(Ephemeris::Precise, JulianDay(3500, 1, 1)));
    EXPECT_FALSE(TransitsAt(Natal(Ephemeris::Classic), JulianDay(2080, 1, 1)));
    EXPECT_TRUE(TransitsAt(Natal(Ephemeris::Precise), JulianDay(2080, 1, 1)));
}

TEST(Transits, RunningDashaHoldsTheMoment)
{
    const Chart natal = Natal(Ephemeris::Classic);
    EXPECT_FALSE(RunningDashaAt(natal, JulianDay(1970, 1, 1)));
    const double moment = JulianDay(2031, 5, 17, 6.5);
    const auto running = RunningDashaAt(natal, moment);
    ASSERT_TRUE(running);
    EXPECT_LE(running->maha.startJd, moment);
    EXPECT_GT(running->maha.endJd, moment);
    EXPECT_LE(running->antar.startJd, moment);
    EXPECT_GT(running->antar.endJd, moment);
    EXPECT_GE(running->antar.startJd, running->maha.startJd);
}

}  // namespace
