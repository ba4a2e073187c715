#include <gtest/gtest.h>

#include "engine/AngleRoutines.h"
#include "engine/Ayanamsa.h"

using namespace zodiora;

namespace {
// Reference values are quoted to five decimals (about 0.04 arc-seconds).
constexpr double QuotedTolerance = 0.000005;
}  // namespace

TEST(Ayanamsa, AtJ2000)
{
    EXPECT_NEAR(Ayanamsa1900(1.0), -23.85399, QuotedTolerance);
    EXPECT_NEAR(Ayanamsa2000(0.0), -23.85373, QuotedTolerance);
}

TEST(Ayanamsa, OnFifteenthJune1980AtOneUniversal)
{
    const double jdn = JulianDayNumber(6, 15, 1980);
    EXPECT_NEAR(Ayanamsa1900(CenturiesSince1900(jdn, 1.0)), -23.58185, QuotedTolerance);
    EXPECT_NEAR(Ayanamsa2000(CenturiesSince2000(jdn, 1.0)), -23.58121, QuotedTolerance);
}

TEST(Ayanamsa, At1900TheNodeIsNotReducedAndTwiceTheSunIsNotReduced)
{
    EXPECT_NEAR(Ayanamsa1900(0.0), -22.4663, 0.00005);
}

TEST(Ayanamsa, BothEpochsAgreeWithinArcSecondsOverTheFormsYears)
{
    for (int year = 1901; year <= 2050; year += 7) {
        const double jdn = JulianDayNumber(3, 1, year);
        const double difference = Ayanamsa1900(CenturiesSince1900(jdn, 0)) - Ayanamsa2000(CenturiesSince2000(jdn, 0));
        EXPECT_LT(std::abs(difference) * 3600, 10.0) << year;
    }
}
