#pragma once

#include "BirthData.h"

namespace zodiora {

/// Overwrites the record's signed zone correction with that of time-zone
/// row `row` (0..70). Any other row leaves the previous correction in force.
void Zone_Calculation(int row, BirthData& birth);

/// Universal time in decimal hours on the *local* calendar date:
/// hour + minute/60 + zoneHours + zoneMinutes/60, minus one hour when
/// daylight saving applies. May be negative or 24 and above; callers add
/// UT/24 to the day number of the local date.
double Universal_Hours(const BirthData& birth);

/// A Gregorian calendar date and clock time in universal time.
struct UniversalDateTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    friend bool operator==(const UniversalDateTime&, const UniversalDateTime&) = default;
};

/// The local birth date-time with the signed zone correction (and the
/// daylight-saving hour) applied, carried across days, months and years.
UniversalDateTime Universal_DateTime(const BirthData& birth);

}  // namespace zodiora
