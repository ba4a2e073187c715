#pragma once

#include "birthdata/BirthData.h"
#include "birthdata/BirthDataInput.h"
#include "birthdata/BirthFormInput.h"

namespace zodiora::test {

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

/// The same birth as the record the engine reads.
inline BirthData Delhi1980Birth(bool daylightSaving = false)
{
    BirthData birth;
    ReadBirthData(Delhi1980Input(daylightSaving), birth);
    return birth;
}

}  // namespace zodiora::test
