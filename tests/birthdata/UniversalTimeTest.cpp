#include <gtest/gtest.h>

#include "BirthData.h"
#include "UniversalTime.h"

using namespace zodiora;

namespace {

BirthData Birth(int year, int month, int day, int hour, int minute, int zoneRow, bool east, bool dst = false)
{
    BirthData birth;
    birth.year = year;
    birth.month = month;
    birth.day = day;
    birth.hour = hour;
    birth.minute = minute;
    birth.east = east;
    birth.lonDegrees = 10;
    birth.daylightSaving = dst;
    Zone_Calculation(zoneRow, birth);
    return birth;
}

UniversalDateTime At(int year, int month, int day, int hour, int minute)
{
    return UniversalDateTime{year, month, day, hour, minute};
}

}  // namespace

TEST(ZoneCalculation, SetsTheRowsSignedCorrectionAndMagnitudes)
{
    BirthData birth;
    Zone_Calculation(34, birth);
    EXPECT_EQ(birth.zoneHours, -5);
    EXPECT_EQ(birth.zoneMinutes, -30);
    EXPECT_EQ(birth.zoneHoursAbs, 5);
    EXPECT_EQ(birth.zoneMinutesAbs, 30);
    Zone_Calculation(50, birth);
    EXPECT_EQ(birth.zoneHours, 3);
    EXPECT_EQ(birth.zoneMinutes, 30);
}

TEST(ZoneCalculation, RowOutsideTheTableKeepsThePreviousCorrection)
{
    BirthData birth;
    Zone_Calculation(27, birth);
    Zone_Calculation(71, birth);
    Zone_Calculation(-1, birth);
    EXPECT_EQ(birth.zoneHours, 5);
    EXPECT_EQ(birth.zoneMinutes, 0);
}

TEST(UniversalTime, GreenwichAndUniversalRowsLeaveTheClockAlone)
{
    for (const int row : {29, 61}) {
        const BirthData birth = Birth(1975, 8, 20, 14, 45, row, false);
        EXPECT_DOUBLE_EQ(Universal_Hours(birth), 14.75) << "row " << row;
        EXPECT_EQ(Universal_DateTime(birth), At(1975, 8, 20, 14, 45)) << "row " << row;
    }
}

TEST(UniversalTime, IndiaCarriesBackIntoThePreviousYear)
{
    const BirthData birth = Birth(1950, 1, 1, 2, 0, 34, true);
    EXPECT_DOUBLE_EQ(Universal_Hours(birth), -3.5);
    EXPECT_EQ(Universal_DateTime(birth), At(1949, 12, 31, 20, 30));
}

TEST(UniversalTime, WestZonesCarryForwardAcrossYearsAndLeapDays)
{
    const BirthData newYear = Birth(1999, 12, 31, 22, 0, 27, false);
    EXPECT_DOUBLE_EQ(Universal_Hours(newYear), 27.0);
    EXPECT_EQ(Universal_DateTime(newYear), At(2000, 1, 1, 3, 0));

    const BirthData leapDay = Birth(1952, 2, 29, 23, 30, 54, false);
    EXPECT_DOUBLE_EQ(Universal_Hours(leapDay), 31.5);
    EXPECT_EQ(Universal_DateTime(leapDay), At(1952, 3, 1, 7, 30));

    const BirthData noLeap = Birth(1951, 2, 28, 23, 0, 54, false);
    EXPECT_EQ(Universal_DateTime(noLeap), At(1951, 3, 1, 7, 0));
}

TEST(UniversalTime, FirstDayOfTheYearListCanFallIn1900)
{
    const BirthData birth = Birth(1901, 1, 1, 0, 0, 5, true);
    EXPECT_EQ(Universal_DateTime(birth), At(1900, 12, 31, 13, 30));
}

TEST(UniversalTime, DaylightSavingTakesOneHourOffBothConversions)
{
    const BirthData india = Birth(1950, 1, 1, 2, 0, 34, true, true);
    EXPECT_DOUBLE_EQ(Universal_Hours(india), -4.5);
    EXPECT_EQ(Universal_DateTime(india), At(1949, 12, 31, 19, 30));

    const BirthData newYork = Birth(1999, 12, 31, 22, 0, 27, false, true);
    EXPECT_DOUBLE_EQ(Universal_Hours(newYork), 26.0);
    EXPECT_EQ(Universal_DateTime(newYork), At(2000, 1, 1, 2, 0));

    // Just after midnight on 1 March of a leap year goes back to 29 February.
    const BirthData leap = Birth(2000, 3, 1, 0, 30, 29, false, true);
    EXPECT_EQ(Universal_DateTime(leap), At(2000, 2, 29, 23, 30));
}

// The zone row, not the hemisphere, decides the direction: Madrid lies west
// of Greenwich but keeps Central European Time.
TEST(UniversalTime, WestPlaceOnAnEastZoneSubtracts)
{
    const BirthData madrid = Birth(1980, 7, 1, 12, 0, 20, false);
    EXPECT_DOUBLE_EQ(Universal_Hours(madrid), 11.0);
    EXPECT_EQ(Universal_DateTime(madrid), At(1980, 7, 1, 11, 0));

    BirthData greenwich = Birth(1980, 7, 1, 12, 0, 16, true);
    greenwich.lonDegrees = 0;
    greenwich.lonMinutes = 0;
    EXPECT_DOUBLE_EQ(Universal_Hours(greenwich), 11.0);
    EXPECT_EQ(Universal_DateTime(greenwich), At(1980, 7, 1, 11, 0));
}

TEST(UniversalTime, BothConversionsAlwaysAgree)
{
    // Universal_Hours counts from midnight of the local date; the calendar
    // conversion must describe the very same moment for every row.
    for (int row = 0; row < 71; ++row) {
        for (const bool dst : {false, true}) {
            const BirthData birth = Birth(2024, 2, 29, 23, 59, row, row % 2 == 0, dst);
            const double hours = Universal_Hours(birth);
            const UniversalDateTime utc = Universal_DateTime(birth);
            const int dayShift = utc.day == 29 ? 0 : (utc.day == 1 ? 1 : -1);
            EXPECT_NEAR(hours, dayShift * 24 + utc.hour + utc.minute / 60.0, 1e-9) << "row " << row;
        }
    }
}

TEST(SignedPlace, EastAndSouthAreNegative)
{
    BirthData birth;
    birth.lonDegrees = 77;
    birth.lonMinutes = 13;
    birth.latDegrees = 28;
    birth.latMinutes = 37;
    birth.east = true;
    birth.south = false;
    EXPECT_NEAR(SignedLongitude(birth), -(77 + 13 / 60.0), 1e-12);
    EXPECT_NEAR(SignedLatitude(birth), 28 + 37 / 60.0, 1e-12);
    birth.east = false;
    birth.south = true;
    EXPECT_NEAR(SignedLongitude(birth), 77 + 13 / 60.0, 1e-12);
    EXPECT_NEAR(SignedLatitude(birth), -(28 + 37 / 60.0), 1e-12);
}
