#include "cli/MomentText.h"

#include <chrono>
#include <cmath>
#include <cstdio>

namespace zodiora::cli {

namespace {

constexpr double UnixEpochJd = 2440587.5;

// Clock text of `seconds` counted from 1970-01-01 00:00 on some clock.
std::string ClockText(long long seconds)
{
    using namespace std::chrono;
    const sys_seconds moment{std::chrono::seconds{seconds}};
    const auto day = floor<days>(moment);
    const year_month_day date{day};
    const hh_mm_ss clock{moment - day};
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02d:%02d:%02d", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()),
                  static_cast<int>(clock.hours().count()), static_cast<int>(clock.minutes().count()),
                  static_cast<int>(clock.seconds().count()));
    return text;
}

long long UnixSeconds(double jdUt) { return std::llround((jdUt - UnixEpochJd) * 86400.0); }

// Digits of `text` from `at`, exactly `count` of them.
std::optional<int> Digits(std::string_view text, std::size_t at, std::size_t count)
{
    if (at + count > text.size()) return std::nullopt;
    int value = 0;
    for (std::size_t k = at; k < at + count; ++k) {
        if (text[k] < '0' || text[k] > '9') return std::nullopt;
        value = value * 10 + (text[k] - '0');
    }
    return value;
}

}  // namespace

std::string LocalIsoTime(double jdUt, int utcOffsetSeconds)
{
    // ISO 8601 writes an offset as ±hh:mm only. A mean time's seconds
    // (+04:38:26) are left out of the clock as well, so that the text still
    // names the very moment: 08:53:43+04:38, not the mean-time clock's
    // 08:54:09 beside an offset 26 seconds short.
    const int shown = utcOffsetSeconds / 60 * 60;
    const int offset = std::abs(shown);
    char zone[16];
    std::snprintf(zone, sizeof zone, "%c%02d:%02d", shown < 0 ? '-' : '+', offset / 3600, offset % 3600 / 60);
    return ClockText(UnixSeconds(jdUt) + shown) + zone;
}

std::string UtcIsoTime(double jdUt) { return ClockText(UnixSeconds(jdUt)) + "Z"; }

std::optional<double> ParseIsoMoment(std::string_view text)
{
    using namespace std::chrono;
    const auto y = Digits(text, 0, 4);
    const auto m = Digits(text, 5, 2);
    const auto d = Digits(text, 8, 2);
    if (!y || !m || !d || text.size() < 10 || text[4] != '-' || text[7] != '-' || *y < 1) return std::nullopt;
    const year_month_day date{year{*y}, month{static_cast<unsigned>(*m)}, day{static_cast<unsigned>(*d)}};
    if (!date.ok()) return std::nullopt;
    const double dayJd = UnixEpochJd + sys_days{date}.time_since_epoch().count();
    if (text.size() == 10) return dayJd + 0.5;

    const auto hour = Digits(text, 11, 2);
    const auto minute = Digits(text, 14, 2);
    if (text[10] != 'T' || !hour || !minute || text[13] != ':' || *hour > 23 || *minute > 59) return std::nullopt;
    std::size_t at = 16;
    int second = 0;
    if (at < text.size() && text[at] == ':') {
        const auto s = Digits(text, at + 1, 2);
        if (!s || *s > 59) return std::nullopt;
        second = *s;
        at += 3;
    }
    int offsetSeconds = 0;
    const std::string_view zone = text.substr(std::min(at, text.size()));
    if (zone == "Z") {
        offsetSeconds = 0;
    } else if ((zone.size() == 6 && zone[3] == ':') || zone.size() == 5) {
        if (zone[0] != '+' && zone[0] != '-') return std::nullopt;
        const auto zh = Digits(zone, 1, 2);
        const auto zm = Digits(zone, zone.size() == 6 ? 4 : 3, 2);
        if (!zh || !zm || *zh > 18 || *zm > 59) return std::nullopt;
        offsetSeconds = (*zh * 3600 + *zm * 60) * (zone[0] == '-' ? -1 : 1);
    } else {
        return std::nullopt;
    }
    return dayJd + (*hour * 3600 + *minute * 60 + second - offsetSeconds) / 86400.0;
}

}  // namespace zodiora::cli
