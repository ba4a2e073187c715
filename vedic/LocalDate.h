#pragma once

#include <string>

namespace zodiora::vedic {

/// A date in the proleptic Gregorian calendar.
struct CalendarDate {
    int year = 0;
    int month = 0;  ///< 1..12
    int day = 0;    ///< 1..31
    friend bool operator==(const CalendarDate&, const CalendarDate&) = default;
};

/// The calendar date on the clocks of a place `utcOffsetSeconds` ahead of
/// universal time (east of Greenwich positive, daylight saving included if
/// it applied) at the moment `jdUt` (Julian day, universal time). A moment
/// within a millisecond of local midnight counts as that midnight.
CalendarDate LocalDate(double jdUt, int utcOffsetSeconds);

/// "YYYY-MM-DD".
std::string IsoDate(const CalendarDate& date);

}  // namespace zodiora::vedic
