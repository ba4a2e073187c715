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

// Day after day from 4000 BC to AD 3000, each date follows the one before by
// the Gregorian rules, counted here independently of the conversion.
TEST(LocalDate, EveryDayFollowsTheDayBefore)
{
    const auto daysIn = [](int year, int month) {
        constexpr int Lengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
        return month == 2 && leap ? 29 : Lengths[month - 1];
    };
    const double start = 260455.5;  // 1 January 4000 BC (year -3999), midnight
    CalendarDate expected{-3999, 1, 1};
    for (double jd = start; expected.year <= 3000; jd += 1) {
        ASSERT_EQ(LocalDate(jd + 0.25, 0), expected) << "Julian day " << jd;
        if (++expected.day > daysIn(expected.year, expected.month)) {
            expected.day = 1;
            if (++expected.month > 12) {
                expected.month = 1;
                ++expected.year;
            }
        }
    }
}

TEST(LocalDate, NonsenseMomentsStayInsideTheCalendar)
{
    EXPECT_EQ(LocalDate(std::nan(""), 0).year, -32800);
    EXPECT_EQ(LocalDate(-1e300, 0).year, -32800);
    EXPECT_GT(LocalDate(1e300, 0).year, 2'000'000);
}

// Reading "YYYY-MM-DD": only dates the calendar has, and back to the start of that local day.
TEST(LocalDate, IsoDatesAreReadOnlyWhereTheCalendarHasThem)
{
    EXPECT_EQ(ParseIsoDate("2000-02-29"), (CalendarDate{2000, 2, 29}));
    EXPECT_EQ(ParseIsoDate("2030-12-31"), (CalendarDate{2030, 12, 31}));
    for (const char* bad : {"1900-02-29", "2031-02-29", "2030-04-31", "2030-13-01", "2030-00-10", "2030-01-00",
                            "2030-1-01", "30-01-01", "2030/01/01", "2030-01-01x", ""}) {
        EXPECT_FALSE(ParseIsoDate(bad)) << bad;
    }
    EXPECT_EQ(LocalMidnightJd(CalendarDate{2000, 1, 1}, 0), 2451544.5);
    EXPECT_EQ(LocalMidnightJd(CalendarDate{1970, 1, 1}, 0), 2440587.5);
    for (const int offset : {0, 19800, -8 * 3600, 14 * 3600}) {
        for (const CalendarDate date : {CalendarDate{1900, 3, 1}, CalendarDate{2000, 2, 29}, CalendarDate{2099, 12, 31}}) {
            const double midnight = LocalMidnightJd(date, offset);
            EXPECT_EQ(LocalDate(midnight, offset), date) << offset;
            EXPECT_EQ(LocalDate(midnight - 1e-4, offset), LocalDate(midnight - 1, offset)) << offset;
        }
    }
}
