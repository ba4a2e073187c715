#include <gtest/gtest.h>

#include "strength/MeanPlanets.h"

using namespace zodiora::strength;

// Meeus, Astronomical Algorithms, Table 31.A at J2000.0.
TEST(MeanPlanets, AtJ2000)
{
    const MeanLongitudes m = MeanLongitudesAt(2451545.0);
    EXPECT_NEAR(m.sun, 280.466449, 1e-9);
    EXPECT_NEAR(m.mercury, 252.250906, 1e-9);
    EXPECT_NEAR(m.venus, 181.979801, 1e-9);
    EXPECT_NEAR(m.mars, 355.433275, 1e-9);
    EXPECT_NEAR(m.jupiter, 34.351484, 1e-9);
    EXPECT_NEAR(m.saturn, 50.077471, 1e-9);
}

TEST(MeanPlanets, ChestaKendraIsAtMostHalfACircle)
{
    EXPECT_DOUBLE_EQ(ChestaKendra(100, 20, 40), 70);
    EXPECT_DOUBLE_EQ(ChestaKendra(10, 200, 200), 170);
    // The mean of 350° and 10° is 0°, not 180°.
    EXPECT_DOUBLE_EQ(ChestaKendra(30, 350, 10), 30);
    for (double s = 0; s < 360; s += 37) EXPECT_LE(ChestaKendra(s, 123, 321), 180);
}
