#include "timezones/LocalDateTime.h"

#include <date/date.h>

namespace zodiora::timezones {

std::int64_t SecondsSinceEpoch(const LocalDateTime& local)
{
    // Day arithmetic on the first of the month lets an out-of-range day count on.
    const date::sys_days firstOfMonth{date::year{local.year} / date::month(static_cast<unsigned>(local.month)) / 1};
    const std::int64_t days = firstOfMonth.time_since_epoch().count() + (local.day - 1);
    return days * 86400 + local.hour * 3600 + local.minute * 60 + local.second;
}

LocalDateTime FromSecondsSinceEpoch(std::int64_t seconds)
{
    const date::sys_seconds moment{std::chrono::seconds{seconds}};
    const auto day = date::floor<date::days>(moment);
    const date::year_month_day ymd{day};
    const date::hh_mm_ss clock{moment - day};
    return {static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
            static_cast<int>(static_cast<unsigned>(ymd.day())), static_cast<int>(clock.hours().count()),
            static_cast<int>(clock.minutes().count()), static_cast<int>(clock.seconds().count())};
}

std::int64_t UtcSeconds(const LocalDateTime& local, int offsetSeconds)
{
    return SecondsSinceEpoch(local) - offsetSeconds;
}

}  // namespace zodiora::timezones
