#pragma once

#include "birthdata/BirthData.h"

namespace zodiora {

/// Overwrites the record's signed zone correction with that of time-zone
/// row `row` (0..70). Any other row leaves the previous correction in force.
void ApplyZoneRow(int row, BirthData& birth);

/// Universal time in decimal hours on the *local* calendar date:
/// hour + minute/60 (+ second/3600) + zoneHours + zoneMinutes/60, minus one
/// hour when daylight saving applies; or the clock less the exact offset
/// when the record carries one. May be negative or 24 and above; callers add
/// UT/24 to the day number of the local date.
double UniversalHours(const BirthData& birth);

/// A Gregorian calendar date and clock time.
struct CalendarTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
    friend bool operator==(const CalendarTime&, const CalendarTime&) = default;
};

/// A calendar date and clock time in universal time.
using UtcDateTime = CalendarTime;

/// The local birth date-time with the signed zone correction (and the
/// daylight-saving hour), or the exact offset, applied, carried across days,
/// months and years.
UtcDateTime UniversalDateTime(const BirthData& birth);

/// The moment of a birth in universal time, in the two forms the engine's
/// kernels take: UT hours counted from 0h of the *local* calendar date
/// (outside 0..24 when the zone carries the moment across midnight), and
/// the same moment carried onto the UT calendar.
struct UniversalMoment {
    int localYear = 1901;
    int localMonth = 1;
    int localDay = 1;
    double hours = 0;  ///< UT hours from 0h of the local date
    UtcDateTime utc;
};

/// The clock's offset from universal time in seconds, east positive, as
/// the record gives it: the exact offset, or the zone row's correction
/// with the daylight-saving hour.
int UtcOffsetSeconds(const BirthData& birth);

/// The universal moment of a birth record.
UniversalMoment UniversalMomentOf(const BirthData& birth);

}  // namespace zodiora
