#include "vedic/LocalDate.h"

#include <cmath>
#include <cstdio>

namespace zodiora::vedic {

namespace {

constexpr double UnixEpochJd = 2440587.5;  // 1970-01-01 00:00 UT
constexpr double MidnightSnapDays = 1e-8;  // about a millisecond

/// Civil date of day `days` counted from 1970-01-01 (H. Hinnant's
/// days-to-civil algorithm, exact integer arithmetic).
CalendarDate CivilFromDays(long long days)
{
    days += 719468;
    const long long era = (days >= 0 ? days : days - 146096) / 146097;
    const long long dayOfEra = days - era * 146097;
    const long long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long long mp = (5 * dayOfYear + 2) / 153;
    CalendarDate date;
    date.day = static_cast<int>(dayOfYear - (153 * mp + 2) / 5 + 1);
    date.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    date.year = static_cast<int>(yearOfEra + era * 400 + (date.month <= 2 ? 1 : 0));
    return date;
}

}  // namespace

CalendarDate LocalDate(double jdUt, int utcOffsetSeconds)
{
    double days = jdUt - UnixEpochJd + utcOffsetSeconds / 86400.0;
    const double nearest = std::round(days);
    if (std::abs(days - nearest) < MidnightSnapDays) {
        days = nearest;
    }
    return CivilFromDays(static_cast<long long>(std::floor(days)));
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

}  // namespace zodiora::vedic
