#include <gtest/gtest.h>

#include "engine/AngleRoutines.h"
#include "engine/Constants.h"

using namespace zodiora;

TEST(JulianDayNumber, KnownDates)
{
    EXPECT_EQ(JulianDayNumber(1, 1, 2000), 2451545);
    EXPECT_EQ(JulianDayNumber(1, 1, 1900), 2415021);
    EXPECT_EQ(JulianDayNumber(7, 4, 1976), 2442964);
    EXPECT_EQ(JulianDayNumber(2, 29, 2000), 2451604);
    EXPECT_EQ(JulianDayNumber(3, 1, 2000), 2451605);
    EXPECT_EQ(JulianDayNumber(12, 31, 1999), 2451544);
}

TEST(JulianDayNumber, CountsBackBeforeItsEpochWithFlooredQuotients)
{
    // Month counts below zero: the quotients floor downwards, as the day
    // numbers of the same routine in floating point do.
    EXPECT_EQ(JulianDayNumber(1, 1, -4800), -32142);
    EXPECT_EQ(JulianDayNumber(3, 1, -4800), -32082);
    EXPECT_EQ(JulianDayNumber(2, 28, -5000), -105134);
    EXPECT_EQ(JulianDayNumber(12, 31, -1), 1721057);
    EXPECT_EQ(JulianDayNumber(1, 1, 1), 1721424);
}

TEST(JulianDayNumber, CalendarSwitchIsReadAsTheRoutineCompares)
{
    EXPECT_EQ(JulianDayNumber(10, 15, 1582), 2299171);
    EXPECT_EQ(JulianDayNumber(10, 16, 1582), 2299162);
}

TEST(JulianDayNumber, CountsEveryDayOnceOverTheFormsYears)
{
    // Consecutive calendar days must differ by exactly one day number.
    static constexpr int monthLength[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    double previous = JulianDayNumber(12, 31, 1900);
    for (int year = 1901; year <= 2050; ++year) {
        for (int month = 1; month <= 12; ++month) {
            const int days = monthLength[month - 1] + (month == 2 && year % 4 == 0 ? 1 : 0);
            for (int day = 1; day <= days; ++day) {
                const double current = JulianDayNumber(month, day, year);
                ASSERT_EQ(current - previous, 1.0) << year << "-" << month << "-" << day;
                previous = current;
            }
        }
    }
}

TEST(PlanetDayNumber, CountsFromNoonOfFirstJanuary2000)
{
    EXPECT_DOUBLE_EQ(PlanetDayNumber(2000, 1, 1, 12, 0), 0.0);
    EXPECT_DOUBLE_EQ(PlanetDayNumber(2000, 1, 1, 0, 0), -0.5);
    EXPECT_DOUBLE_EQ(PlanetDayNumber(1979, 6, 16, 12, 0), -7504.0);
    // Agrees with the Julian day number for any date of the form's years.
    for (const auto& [y, m, d] : {std::tuple{1901, 3, 1}, {1955, 2, 28}, {2050, 12, 31}, {1980, 6, 15}}) {
        EXPECT_DOUBLE_EQ(PlanetDayNumber(y, m, d, 12, 0), JulianDayNumber(m, d, y) - 2451545) << y << "-" << m;
    }
}

TEST(TimeArguments, CenturiesFromLocalDayNumberAndUniversalHours)
{
    EXPECT_DOUBLE_EQ(CenturiesSince1900(2451545, 12.0), 1.0);
    EXPECT_DOUBLE_EQ(CenturiesSince2000(2451545, 12.0), 0.0);
    // UT past 24 carries through the UT/24 term only.
    EXPECT_DOUBLE_EQ(CenturiesSince2000(2451544, 36.0), 0.0);
}

TEST(Wrap360Once, CorrectsAtMostOnceInEachDirection)
{
    EXPECT_DOUBLE_EQ(Wrap360Once(-10), 350);
    EXPECT_DOUBLE_EQ(Wrap360Once(725), 365);
    EXPECT_DOUBLE_EQ(Wrap360Once(360), 360);
    EXPECT_DOUBLE_EQ(Wrap360Once(0), 0);
    EXPECT_DOUBLE_EQ(Wrap360Once(-370), -10);
}

TEST(ReduceRadians, ResultLiesInZeroToTwoPi)
{
    EXPECT_NEAR(ReduceRadians(-0.5 * PI), 1.5 * PI, 1e-12);
    EXPECT_NEAR(ReduceRadians(4 * PI), 0, 1e-12);
    EXPECT_NEAR(ReduceRadians(1.0), 1.0, 1e-15);
    for (double x = -100; x < 100; x += 0.37) {
        const double r = ReduceRadians(x);
        EXPECT_GE(r, 0);
        EXPECT_LT(r, TWO_PI);
    }
}

TEST(ArcTangent2, QuadrantRules)
{
    EXPECT_DOUBLE_EQ(ArcTangent2(0, -1), 0);
    EXPECT_DOUBLE_EQ(ArcTangent2(0, 0), 0);
    EXPECT_DOUBLE_EQ(ArcTangent2(1, 0), PI / 2);
    EXPECT_DOUBLE_EQ(ArcTangent2(-1, 0), -PI / 2);
    EXPECT_DOUBLE_EQ(ArcTangent2(-1, -1), -(PI - PI / 4));
    EXPECT_DOUBLE_EQ(ArcTangent2(1, -1), PI - PI / 4);
    EXPECT_NEAR(ArcTangent2(1, 1), PI / 4, 1e-13);
}
