#include <gtest/gtest.h>

#include <cmath>

#include "engine/AngleRoutines.h"
#include "engine/OrbitalElements.h"
#include "engine/Planets.h"

using namespace zodiora;

namespace {

// Published table values are given to 0.0001 degree.
constexpr double TableTolerance = 0.0001;

double AngleError(double actual, double expected)
{
    return std::remainder(actual - expected, 360.0);
}

struct TableRow {
    double d;
    double longitudes[ElementBodyCount];
};

}  // namespace

TEST(SolveKepler, KnownAnomalies)
{
    EXPECT_NEAR(SolveKepler(1.0, 0.5), 2.0308062, 1e-7);
    EXPECT_DOUBLE_EQ(SolveKepler(0.0, 0.2), 0.0);
    // A circular orbit's true anomaly is its mean anomaly.
    EXPECT_NEAR(SolveKepler(2.5, 0.0), 2.5, 1e-12);
    EXPECT_NEAR(SolveKepler(4.0, 0.0), 4.0, 1e-12);
}

TEST(SolveKepler, ResultLiesInZeroToTwoPiAndSatisfiesKeplersEquation)
{
    for (double M = 0.05; M < 6.28; M += 0.3) {
        for (const double e : {0.0, 0.0167, 0.2056, 0.2488}) {
            const double v = SolveKepler(M, e);
            ASSERT_GE(v, 0.0);
            ASSERT_LT(v, 2 * 3.14159265358979);
            // Back from true to eccentric to mean anomaly.
            const double E = 2 * std::atan(std::sqrt((1 - e) / (1 + e)) * std::tan(v / 2));
            const double meanAgain = E - e * std::sin(E);
            EXPECT_NEAR(std::remainder(meanAgain - M, 2 * 3.14159265358979), 0.0, 1e-9) << "M " << M << " e " << e;
        }
    }
}

TEST(GeocentricLongitude, MatchesThePublishedTable)
{
    const TableRow rows[] = {
        {0, {271.9060, 241.5781, 280.3796, 327.9828, 25.3611, 40.2147, 314.7901, 303.1916, 251.4543}},
        {-7504, {103.8588, 66.0628, 85.0474, 53.4103, 128.2501, 158.6080, 227.8654, 259.2587, 196.7532}},
    };
    for (const TableRow& row : rows) {
        for (int k = 0; k < ElementBodyCount; ++k) {
            const double actual = GeocentricLongitude(k, row.d);
            EXPECT_NEAR(actual, row.longitudes[k], TableTolerance) << "body " << k << " at d = " << row.d;
            EXPECT_GE(actual, 0.0);
            EXPECT_LE(actual, 360.0);
        }
    }
}

// Apparent geocentric longitudes on the equinox of date from a precise
// numerical ephemeris (tools/reference-longitudes, UT). Mean elements,
// no nutation and no aberration allow a couple of arc-minutes for most
// bodies and more for Jupiter and Saturn, whose mean elements are roughest.
// Without the precession to the date every body would be off by up to 1.4°.
TEST(GeocentricLongitude, PrecessedToTheDateAgreesWithAPreciseEphemeris)
{
    constexpr double InnerTolerance = 0.03;  // degrees: Sun, Mercury, Venus, Mars
    constexpr double GiantTolerance = 0.25;  // degrees: Jupiter, Saturn (roughest elements)
    constexpr double OuterTolerance = 0.05;  // degrees: Uranus, Neptune, Pluto
    struct Reference {
        int year, month, day, hour, minute;
        double longitudes[ElementBodyCount];
    };
    const Reference references[] = {
        {1901, 1, 1, 0, 0, {267.6806, 250.7529, 279.9106, 161.6368, 265.9596, 277.7040, 254.3088, 87.5090, 76.2533}},
        {1925, 9, 10, 6, 0, {149.0986, 203.0603, 167.0070, 168.0799, 282.6873, 220.4280, 353.7554, 143.2507, 104.5025}},
        {1950, 6, 15, 12, 0, {61.1025, 46.0457, 83.8157, 181.3733, 337.2389, 163.4047, 94.4845, 194.6058, 136.2881}},
        {1980, 6, 15, 1, 0, {108.5477, 84.5149, 84.0901, 166.5455, 153.7238, 170.6674, 232.3153, 261.2201, 199.0215}},
        {2000, 1, 1, 12, 0, {271.8989, 241.5742, 280.3786, 327.9711, 25.2555, 40.3967, 314.8179, 303.2024, 251.4628}},
        {2025, 3, 20, 18, 0, {7.6554, 4.0981, 0.3771, 110.3401, 74.3685, 353.1266, 54.2797, 359.6375, 303.3532}},
        {2050, 12, 31, 23, 0, {258.0760, 233.6706, 280.4580, 5.4404, 155.6847, 307.7831, 175.5403, 55.8915, 338.8020}},
    };
    for (const Reference& ref : references) {
        const double d = PlanetDayNumber(ref.year, ref.month, ref.day, ref.hour, ref.minute);
        for (int k = 0; k < ElementBodyCount; ++k) {
            const double actual = GeocentricLongitude(k, d) + PrecessionFromJ2000(d);
            const double tolerance = k <= ElementMars                                ? InnerTolerance
                                     : (k == ElementJupiter || k == ElementSaturn) ? GiantTolerance
                                                                                   : OuterTolerance;
            const double error = AngleError(actual, ref.longitudes[k]);
            EXPECT_LT(std::fabs(error), tolerance)
                << "body " << k << " on " << ref.year << "-" << ref.month << "-" << ref.day << ": expected "
                << ref.longitudes[k] << ", actual " << actual << ", error " << error;
        }
    }
}

TEST(PrecessionFromJ2000, IsZeroAtTheEpochAndAboutFiftyArcSecondsAYear)
{
    EXPECT_DOUBLE_EQ(PrecessionFromJ2000(0), 0);
    EXPECT_NEAR(PrecessionFromJ2000(36525) * 3600, 5028.796195 + 1.1054348, 1e-6);
    EXPECT_NEAR(PrecessionFromJ2000(-18262.5), -0.698, 0.001);
}
