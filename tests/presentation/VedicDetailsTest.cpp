// The Vedic reading reaches the numbers the position table shows, for both
// ephemerides.
#include <gtest/gtest.h>

#include <cmath>

#include "birthdata/BirthDataInput.h"
#include "birthdata/UniversalTime.h"
#include "engine/Engine.h"
#include "engine/PositionText.h"
#include "presentation/VedicDetails.h"
#include "SampleBirths.h"

namespace zodiora {
namespace {

constexpr int PacificStandardRow = 54;
constexpr int IndianRow = 34;

// Berkeley, 22 March 2007 10:00 PDT, 37°52′N 122°16′W: a published case.
BirthData Berkeley2007()
{
    BirthData birth = test::BirthAt(2007, 3, 22, 10, 0, PacificStandardRow);
    birth.latDegrees = 37;
    birth.latMinutes = 52;
    birth.lonDegrees = 122;
    birth.lonMinutes = 16;
    birth.east = false;
    birth.daylightSaving = true;
    return birth;
}

TEST(VedicDetails, MoonOf1980LiesInPunarvasuThirdPada)
{
    const BirthData birth = test::Delhi1980Birth();
    const Chart chart = ComputeChart(birth);
    ASSERT_EQ(ShortPositionText(chart.longitude(Body::Moon)), "28 Gem 01");
    const VedicDetails details = BuildVedicDetails(chart, UtcOffsetSeconds(birth));
    const NakshatraEntry& moon = details.nakshatras[IndexOf(Body::Moon)];
    EXPECT_EQ(moon.name, "Punarvasu");
    EXPECT_EQ(moon.pada, 3);
    EXPECT_EQ(moon.lord, "Jupiter");
    EXPECT_EQ(details.navamsa[IndexOf(Body::Moon)], 2);  // Gemini
    // The dasha starts at birth with the Moon's lord, dated on Indian clocks.
    ASSERT_FALSE(details.dasha.empty());
    EXPECT_EQ(details.balanceLord, "Jupiter");
    EXPECT_EQ(details.dasha.front().span.lord, "Jupiter");
    EXPECT_EQ(details.dasha.front().span.start, "1980-06-15");
}

TEST(VedicDetails, NodesAreOppositeAndShareThePlanetsAyanamsa)
{
    for (const Ephemeris ephemeris : {Ephemeris::Classic, Ephemeris::Precise}) {
        const Chart chart = ComputeChart(test::Delhi1980Birth(), ephemeris);
        const double rahu = chart.longitude(Body::Rahu);
        const double ketu = chart.longitude(Body::Ketu);
        EXPECT_NEAR(std::remainder(ketu - rahu - 180.0, 360.0), 0.0, 1e-9) << EphemerisName(ephemeris);
        EXPECT_GE(rahu, 0.0);
        EXPECT_LT(rahu, 360.0);
    }
    // The classic polynomial against the Swiss Ephemeris's own mean node:
    // they differ only by the two ayanamsas (a few arc-minutes).
    constexpr double NodeTolerance = 0.1;  // degrees
    const Chart classic = ComputeChart(test::Delhi1980Birth(), Ephemeris::Classic);
    const Chart precise = ComputeChart(test::Delhi1980Birth(), Ephemeris::Precise);
    EXPECT_NEAR(classic.longitude(Body::Rahu), precise.longitude(Body::Rahu), NodeTolerance);
}

TEST(VedicDetails, PreciseBerkeleyAscendantIsSevenThirtyFourTaurus)
{
    const BirthData birth = Berkeley2007();
    EXPECT_EQ(UtcOffsetSeconds(birth), -7 * 3600);
    const Chart chart = ComputeChart(birth, Ephemeris::Precise);
    EXPECT_EQ(chart.settings.ephemeris, Ephemeris::Precise);
    EXPECT_EQ(ShortPositionText(chart.longitude(Body::Ascendant)), "07 Tau 34");
}

TEST(VedicDetails, PreciseAndClassicAgreeOnSignsToWithinTheirKnownDifference)
{
    // The two methods differ by minutes of arc, never by degrees.
    const Chart classic = ComputeChart(test::Delhi1980Birth(), Ephemeris::Classic);
    const Chart precise = ComputeChart(test::Delhi1980Birth(), Ephemeris::Precise);
    for (const Body body : AllPoints) {
        EXPECT_NEAR(std::remainder(classic.longitude(body) - precise.longitude(body), 360.0), 0.0, 0.5)
            << NameOf(body);
    }
}

TEST(VedicDetails, OffsetOfTheRecord)
{
    BirthData birth = test::Delhi1980Birth();
    EXPECT_EQ(UtcOffsetSeconds(birth), 19800);
    birth.daylightSaving = true;
    EXPECT_EQ(UtcOffsetSeconds(birth), 23400);
    birth.exactOffsetSeconds = 5 * 3600 + 21 * 60 + 10;
    EXPECT_EQ(UtcOffsetSeconds(birth), 19270);
    ApplyZoneRow(IndianRow, birth);
}

TEST(VedicDetails, CurrentPeriodIsFoundByDate)
{
    const BirthData birth = test::Delhi1980Birth();
    const VedicDetails details = BuildVedicDetails(ComputeChart(birth), UtcOffsetSeconds(birth));
    const DashaMajor& second = details.dasha.at(1);
    const double inside = second.sub.at(2).startJd + 1.0;
    const DashaIndex index = CurrentDasha(details, inside);
    EXPECT_EQ(index.major, 1);
    EXPECT_EQ(index.sub, 2);
    EXPECT_EQ(CurrentDasha(details, details.dasha.front().span.startJd - 1).major, -1);
}

}  // namespace
}  // namespace zodiora
