#include "vedic/LocalDate.h"

#include <cmath>
#include <cstdint>
#include <cstdio>

namespace zodiora::vedic {

namespace {

constexpr double MidnightSnapDays = 1e-8;  // about a millisecond
constexpr double MinDay = -12699422;       // 1 March of year -32800
constexpr double MaxDay = 1000000000;      // within the 32-bit arithmetic below

/// Civil date of day `days` counted from 1970-01-01, for days from year
/// -32800 to about 2.9 million: C. Neri and L. Schneider's algorithm
/// ("Euclidean affine functions", 2022), 32-bit integer arithmetic only,
/// since a dasha table converts some ninety dates per chart.
CalendarDate CivilFromDays(std::int32_t days)
{
    constexpr std::uint32_t Eras = 82;  // shifts year -32800 to zero
    constexpr std::uint32_t ShiftDays = 719468 + 146097 * Eras;
    constexpr std::uint32_t ShiftYears = 400 * Eras;
    const std::uint32_t n = static_cast<std::uint32_t>(days) + ShiftDays;
    const std::uint32_t n1 = 4 * n + 3;
    const std::uint32_t century = n1 / 146097;
    const std::uint32_t n2 = (n1 - century * 146097) / 4 * 4 + 3;
    const std::uint64_t p2 = std::uint64_t{2939745} * n2;
    const auto yearOfCentury = static_cast<std::uint32_t>(p2 >> 32);
    const std::uint32_t dayOfYear = static_cast<std::uint32_t>(p2) / 2939745 / 4;  // from 1 March
    const std::uint32_t n3 = 2141 * dayOfYear + 197913;
    const bool january = dayOfYear >= 306;  // January or February of the next year
    CalendarDate date;
    date.year = static_cast<int>(100 * century + yearOfCentury - ShiftYears + (january ? 1 : 0));
    date.month = static_cast<int>(january ? (n3 >> 16) - 12 : n3 >> 16);
    date.day = static_cast<int>((n3 & 0xFFFF) / 2141 + 1);
    return date;
}

// The local day count since 1970-01-01 00:00 as a date.
CalendarDate DateOfLocalDays(double days)
{
    // Held inside the range first (NaN too), so the conversion to an
    // integer below is defined and floors by truncation.
    days = days >= MinDay ? days : MinDay;
    days = days <= MaxDay ? days : MaxDay;
    auto day = static_cast<std::int32_t>(days);
    if (day > days) --day;                         // negative days truncate upwards
    if (days - day > 1 - MidnightSnapDays) ++day;  // a moment before midnight counts as midnight
    return CivilFromDays(day);
}

}  // namespace

CalendarDate LocalDate(double jdUt, int utcOffsetSeconds)
{
    return DateOfLocalDays(jdUt - UnixEpochJd + utcOffsetSeconds / 86400.0);
}

void LocalDates(std::span<const double> jdUt, int utcOffsetSeconds, std::span<CalendarDate> dates)
{
    const double offsetDays = utcOffsetSeconds / 86400.0;
    for (std::size_t k = 0; k < jdUt.size() && k < dates.size(); ++k) {
        dates[k] = DateOfLocalDays(jdUt[k] - UnixEpochJd + offsetDays);
    }
}

std::string IsoDate(const CalendarDate& date)
{
    // Written by hand: a dasha table formats some ninety dates per chart.
    if (date.year >= 0 && date.year <= 9999) {
        std::string text = "0000-00-00";
        const int digits[8] = {date.year / 1000, date.year / 100 % 10, date.year / 10 % 10, date.year % 10,
                               date.month / 10,  date.month % 10,     date.day / 10,       date.day % 10};
        constexpr int Positions[8] = {0, 1, 2, 3, 5, 6, 8, 9};
        for (int k = 0; k < 8; ++k) {
            text[static_cast<std::size_t>(Positions[k])] = static_cast<char>('0' + digits[k]);
        }
        return text;
    }
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
    return text;
}

namespace {

bool IsLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month)
{
    static constexpr int Days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : Days[month - 1];
}

// Days from 1970-01-01 to a proleptic Gregorian date: the inverse of
// CivilFromDays (H. Hinnant's days_from_civil), for years 0..9999.
long DaysFromCivil(const CalendarDate& date)
{
    const int year = date.year - (date.month <= 2 ? 1 : 0);
    const int era = year / 400;
    const int yearOfEra = year - era * 400;
    const int dayOfYear = (153 * (date.month + (date.month > 2 ? -3 : 9)) + 2) / 5 + date.day - 1;
    const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return static_cast<long>(era) * 146097 + dayOfEra - 719468;
}

}  // namespace

std::optional<CalendarDate> ParseIsoDate(std::string_view text)
{
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
    const auto number = [&](std::size_t at, std::size_t count) {
        int value = 0;
        for (std::size_t k = at; k < at + count; ++k) {
            if (text[k] < '0' || text[k] > '9') return -1;
            value = value * 10 + (text[k] - '0');
        }
        return value;
    };
    const CalendarDate date{number(0, 4), number(5, 2), number(8, 2)};
    if (date.year < 0 || date.month < 1 || date.month > 12 || date.day < 1 ||
        date.day > DaysInMonth(date.year, date.month)) {
        return std::nullopt;
    }
    return date;
}

double LocalMidnightJd(const CalendarDate& date, int utcOffsetSeconds)
{
    return UnixEpochJd + static_cast<double>(DaysFromCivil(date)) - utcOffsetSeconds / 86400.0;
}

double LocalNoonJd(const CalendarDate& date, int utcOffsetSeconds)
{
    return LocalMidnightJd(date, utcOffsetSeconds) + 0.5;
}

}  // namespace zodiora::vedic
