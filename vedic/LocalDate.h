#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace zodiora::vedic {

/// The Julian day of 1970-01-01 00:00 UT, where Unix time and the civil
/// day counts below start.
inline constexpr double UnixEpochJd = 2440587.5;

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

/// "YYYY-MM-DD" (four-digit year) read as a date that the Gregorian
/// calendar has (no 30 February, 29 February in leap years only); nothing otherwise.
std::optional<CalendarDate> ParseIsoDate(std::string_view text);

/// The Julian day (UT) at which `date` begins, 00:00 on the clocks of a place
/// `utcOffsetSeconds` ahead of universal time; LocalDate of it gives `date` back.
double LocalMidnightJd(const CalendarDate& date, int utcOffsetSeconds);

/// The moment that stands for a whole day when asking which dasha periods
/// run on it: noon of `date` on the same clocks, so a period that changes in
/// the small hours counts from that day in either direction of the offset.
double LocalNoonJd(const CalendarDate& date, int utcOffsetSeconds);

}  // namespace zodiora::vedic
