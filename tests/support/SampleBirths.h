#pragma once

#include <cmath>

#include "birthdata/BirthData.h"
#include "birthdata/BirthDataInput.h"
#include "birthdata/BirthFormInput.h"
#include "birthdata/TimeZoneTable.h"
#include "birthdata/UniversalTime.h"

namespace zodiora::test {

/// A birth record at a local date and clock time on a zone row (Greenwich
/// unless given), at 0° 0', for tests that care about the moment only.
inline BirthData BirthAt(int year, int month, int day, int hour = 0, int minute = 0, int zoneRow = DefaultTimeZoneRow)
{
    BirthData birth;
    birth.year = year;
    birth.month = month;
    birth.day = day;
    birth.hour = hour;
    birth.minute = minute;
    ApplyZoneRow(zoneRow, birth);
    return birth;
}

/// The form filled in for New Delhi, 15 June 1980, 06:30 Indian time,
/// 28° 37' N 77° 13' E: the reference chart of the tests and benchmarks.
inline BirthFormInput Delhi1980Input(bool daylightSaving = false)
{
    BirthFormInput input;
    input.name = "ASHA";
    input.monthIndex = 5;
    input.day = 15;
    input.year = 1980;
    input.hour = 6;
    input.minute = 30;
    input.zoneRow = 34;  // "Indian Time, IST, +5.3"
    input.daylightSaving = daylightSaving;
    input.latDegrees = "28";
    input.latMinutes = "37";
    input.lonDegrees = "77";
    input.lonMinutes = "13";
    return input;
}

/// A second sample birth (RAVI, Mumbai, 1975, 14:30 Indian time, 19° 37' N 72° 13' E).
inline BirthFormInput Mumbai1975Input()
{
    BirthFormInput input = Delhi1980Input();
    input.name = "RAVI";
    input.year = 1975;
    input.hour = 14;
    input.latDegrees = "19";
    input.lonDegrees = "72";
    input.city = "Mumbai";
    return input;
}

/// A birth at a local clock time `offsetSeconds` ahead of UT, at decimal
/// degrees (north and east positive) rounded to the form's arc-minutes.
inline BirthData BirthAtOffset(int year, int month, int day, int hour, int minute, int second, int offsetSeconds,
                               double latitude, double longitudeEast)
{
    BirthData birth;
    birth.year = year;
    birth.month = month;
    birth.day = day;
    birth.hour = hour;
    birth.minute = minute;
    birth.second = second;
    birth.exactOffsetSeconds = offsetSeconds;
    birth.south = latitude < 0;
    birth.latDegrees = static_cast<int>(std::abs(latitude));
    birth.latMinutes = static_cast<int>(std::lround((std::abs(latitude) - birth.latDegrees) * 60));
    birth.east = longitudeEast >= 0;
    birth.lonDegrees = static_cast<int>(std::abs(longitudeEast));
    birth.lonMinutes = static_cast<int>(std::lround((std::abs(longitudeEast) - birth.lonDegrees) * 60));
    return birth;
}

/// The same birth as the record the engine reads.
inline BirthData Delhi1980Birth(bool daylightSaving = false)
{
    BirthData birth;
    ReadBirthData(Delhi1980Input(daylightSaving), birth);
    return birth;
}

}  // namespace zodiora::test
