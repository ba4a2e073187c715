#pragma once

#include <span>
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
/// within a millisecond of local midnight counts as that midnight. Dates
/// before 1 March 32801 BC or after about AD 2,700,000 are held at those ends.
CalendarDate LocalDate(double jdUt, int utcOffsetSeconds);

/// LocalDate of each moment in `jdUt`, into `dates` (as long as `jdUt`);
/// for the many boundaries of a dasha table.
void LocalDates(std::span<const double> jdUt, int utcOffsetSeconds, std::span<CalendarDate> dates);

/// "YYYY-MM-DD".
std::string IsoDate(const CalendarDate& date);

}  // namespace zodiora::vedic
