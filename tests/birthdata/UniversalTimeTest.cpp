#include <gtest/gtest.h>

#include "SampleBirths.h"

#include "birthdata/BirthData.h"
#include "birthdata/UniversalTime.h"

using namespace zodiora;

namespace {

BirthData Birth(int year, int month, int day, int hour, int minute, int zoneRow, bool east, bool dst = false)
{
    BirthData birth = test::BirthAt(year, month, day, hour, minute, zoneRow);
    birth.east = east;
    birth.lonDegrees = 10;
    birth.daylightSaving = dst;
    return birth;
}

UtcDateTime At(int year, int month, int day, int hour, int minute)
{
    return UtcDateTime{year, month, day, hour, minute};
}

}  // namespace

TEST(ZoneCalculation, SetsTheRowsSignedCorrectionAndMagnitudes)
{
    BirthData birth;
    ApplyZoneRow(34, birth);
    EXPECT_EQ(birth.zoneHours, -5);
    EXPECT_EQ(birth.zoneMinutes, -30);
    ApplyZoneRow(50, birth);
    EXPECT_EQ(birth.zoneHours, 3);
    EXPECT_EQ(birth.zoneMinutes, 30);
}

TEST(ZoneCalculation, RowOutsideTheTableKeepsThePreviousCorrection)
{
    BirthData birth;
    ApplyZoneRow(27, birth);
    ApplyZoneRow(71, birth);
    ApplyZoneRow(-1, birth);
    EXPECT_EQ(birth.zoneHours, 5);
    EXPECT_EQ(birth.zoneMinutes, 0);
}

TEST(UniversalTime, GreenwichAndUniversalRowsLeaveTheClockAlone)
{
    for (const int row : {29, 61}) {
        const BirthData birth = Birth(1975, 8, 20, 14, 45, row, false);
        EXPECT_DOUBLE_EQ(UniversalHours(birth), 14.75) << "row " << row;
        EXPECT_EQ(UniversalDateTime(birth), At(1975, 8, 20, 14, 45)) << "row " << row;
    }
}

TEST(UniversalTime, IndiaCarriesBackIntoThePreviousYear)
{
    const BirthData birth = Birth(1950, 1, 1, 2, 0, 34, true);
    EXPECT_DOUBLE_EQ(UniversalHours(birth), -3.5);
    EXPECT_EQ(UniversalDateTime(birth), At(1949, 12, 31, 20, 30));
}

TEST(UniversalTime, WestZonesCarryForwardAcrossYearsAndLeapDays)
{
    const BirthData newYear = Birth(1999, 12, 31, 22, 0, 27, false);
    EXPECT_DOUBLE_EQ(UniversalHours(newYear), 27.0);
    EXPECT_EQ(UniversalDateTime(newYear), At(2000, 1, 1, 3, 0));

    const BirthData leapDay = Birth(1952, 2, 29, 23, 30, 54, false);
    EXPECT_DOUBLE_EQ(UniversalHours(leapDay), 31.5);
    EXPECT_EQ(UniversalDateTime(leapDay), At(1952, 3, 1, 7, 30));

    const BirthData noLeap = Birth(1951, 2, 28, 23, 0, 54, false);
    EXPECT_EQ(UniversalDateTime(noLeap), At(1951, 3, 1, 7, 0));
}

TEST(UniversalTime, FirstDayOfTheYearListCanFallIn1900)
{
    const BirthData birth = Birth(1901, 1, 1, 0, 0, 5, true);
    EXPECT_EQ(UniversalDateTime(birth), At(1900, 12, 31, 13, 30));
}

TEST(UniversalTime, DaylightSavingTakesOneHourOffBothConversions)
{
    const BirthData india = Birth(1950, 1, 1, 2, 0, 34, true, true);
    EXPECT_DOUBLE_EQ(UniversalHours(india), -4.5);
    EXPECT_EQ(UniversalDateTime(india), At(1949, 12, 31, 19, 30));

    const BirthData newYork = Birth(1999, 12, 31, 22, 0, 27, false, true);
    EXPECT_DOUBLE_EQ(UniversalHours(newYork), 26.0);
    EXPECT_EQ(UniversalDateTime(newYork), At(2000, 1, 1, 2, 0));

    // Just after midnight on 1 March of a leap year goes back to 29 February.
    const BirthData leap = Birth(2000, 3, 1, 0, 30, 29, false, true);
    EXPECT_EQ(UniversalDateTime(leap), At(2000, 2, 29, 23, 30));
}

// The zone row, not the hemisphere, decides the direction: Madrid lies west
// of Greenwich but keeps Central European Time.
TEST(UniversalTime, WestPlaceOnAnEastZoneSubtracts)
{
    const BirthData madrid = Birth(1980, 7, 1, 12, 0, 20, false);
    EXPECT_DOUBLE_EQ(UniversalHours(madrid), 11.0);
    EXPECT_EQ(UniversalDateTime(madrid), At(1980, 7, 1, 11, 0));

    BirthData greenwich = Birth(1980, 7, 1, 12, 0, 16, true);
    greenwich.lonDegrees = 0;
    greenwich.lonMinutes = 0;
    EXPECT_DOUBLE_EQ(UniversalHours(greenwich), 11.0);
    EXPECT_EQ(UniversalDateTime(greenwich), At(1980, 7, 1, 11, 0));
}

TEST(UniversalTime, BothConversionsAlwaysAgree)
{
    // UniversalHours counts from midnight of the local date; the calendar
    // conversion must describe the very same moment for every row.
    for (int row = 0; row < 71; ++row) {
        for (const bool dst : {false, true}) {
            const BirthData birth = Birth(2024, 2, 29, 23, 59, row, row % 2 == 0, dst);
            const double hours = UniversalHours(birth);
            const UtcDateTime utc = UniversalDateTime(birth);
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

TEST(UniversalTime, ExactOffsetToTheSecondReplacesRowAndDaylightSaving)
{
    // Kolkata, 1 Jan 1901 00:10:05 on Madras time, UT+05:21:10: the moment is
    // 31 Dec 1900 18:48:55 UT, whatever row or box the record also holds.
    BirthData birth = test::BirthAt(1901, 1, 1, 0, 10, 34);
    birth.second = 5;
    birth.daylightSaving = true;
    birth.exactOffsetSeconds = 5 * 3600 + 21 * 60 + 10;
    EXPECT_EQ(UniversalDateTime(birth), (UtcDateTime{1900, 12, 31, 18, 48, 55}));
    EXPECT_NEAR(UniversalHours(birth), -(5 * 3600 + 11 * 60 + 5) / 3600.0, 1e-12);
}

TEST(UniversalTime, SecondsCountWithAZoneRow)
{
    BirthData birth = test::BirthAt(2000, 1, 1, 12, 0);
    birth.second = 30;
    EXPECT_EQ(UniversalDateTime(birth), (UtcDateTime{2000, 1, 1, 12, 0, 30}));
    EXPECT_DOUBLE_EQ(UniversalHours(birth), 12.0 + 30 / 3600.0);
}
