// Julian day to the local calendar date, across midnight, month ends and leap days.
#include <gtest/gtest.h>

#include <cmath>

#include "vedic/LocalDate.h"

using namespace zodiora::vedic;

TEST(LocalDate, KnownJulianDays)
{
    EXPECT_EQ(IsoDate(LocalDate(2440587.5, 0)), "1970-01-01");
    EXPECT_EQ(IsoDate(LocalDate(2451545.0, 0)), "2000-01-01");  // J2000, noon
    EXPECT_EQ(IsoDate(LocalDate(2451544.5 + 59, 0)), "2000-02-29");
    EXPECT_EQ(IsoDate(LocalDate(2415020.5 + 59, 0)), "1900-03-01");  // 1900 had no 29 February
    EXPECT_EQ(IsoDate(LocalDate(2299160.5, 0)), "1582-10-15");
    EXPECT_EQ(IsoDate(LocalDate(2488069.5, 0)), "2100-01-01");
    EXPECT_EQ(IsoDate(CalendarDate{987, 6, 5}), "0987-06-05");
    EXPECT_EQ(IsoDate(CalendarDate{-44, 3, 15}), "-044-03-15");
}

TEST(LocalDate, OffsetCarriesAcrossMidnight)
{
    const double ut1912 = 2451544.3;  // 1999-12-31 19:12 UT
    EXPECT_EQ(IsoDate(LocalDate(ut1912, 0)), "1999-12-31");
    EXPECT_EQ(IsoDate(LocalDate(ut1912, 19800)), "2000-01-01");  // +05:30: 00:42 next day
    const double midnight = 2451544.5;
    EXPECT_EQ(IsoDate(LocalDate(midnight, 0)), "2000-01-01");
    EXPECT_EQ(IsoDate(LocalDate(midnight, -1)), "1999-12-31");
    EXPECT_EQ(IsoDate(LocalDate(midnight, -8 * 3600)), "1999-12-31");  // 16:00 the day before
    EXPECT_EQ(IsoDate(LocalDate(midnight + 0.9, -8 * 3600)), "2000-01-01");
    // Rounding just below midnight still reads as the new day.
    EXPECT_EQ(IsoDate(LocalDate(std::nextafter(midnight, 0.0), 0)), "2000-01-01");
    EXPECT_EQ(IsoDate(LocalDate(midnight - 0.001, 0)), "1999-12-31");
}
