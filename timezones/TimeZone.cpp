#include "timezones/TimeZone.h"

#include <date/tz.h>

#include <stdexcept>

namespace zodiora::timezones {

namespace {

ZoneOffset OffsetOf(const date::sys_info& info)
{
    return {static_cast<int>(info.offset.count()), info.abbrev, info.save != std::chrono::minutes{0}};
}

}  // namespace

std::optional<TimeZone> TimeZone::Find(std::string_view id, std::string* error)
{
    try {
        return TimeZone(date::locate_zone(id));
    } catch (const std::runtime_error& failure) {
        // date/tz reports an unknown id, and a missing or unreadable tz
        // database, as runtime_error; either way there is no zone to give.
        if (error)
            *error = "unknown time zone \"" + std::string(id) + "\": " + failure.what();
        return std::nullopt;
    }
}

std::string_view TimeZone::id() const
{
    return zone_->name();
}

LocalTimeOffset TimeZone::offsetAt(const LocalDateTime& local) const
{
    const date::local_seconds reading{std::chrono::seconds{SecondsSinceEpoch(local)}};
    const date::local_info info = zone_->get_info(reading);
    switch (info.result) {
    case date::local_info::ambiguous:
        return {LocalTimeKind::Ambiguous, OffsetOf(info.first), OffsetOf(info.second)};
    case date::local_info::nonexistent:
        return {LocalTimeKind::Skipped, OffsetOf(info.first), OffsetOf(info.second)};
    default:
        return {LocalTimeKind::Unique, OffsetOf(info.first), OffsetOf(info.first)};
    }
}

std::string TimeZone::abbreviationAt(const LocalDateTime& local, int offsetSeconds) const
{
    const LocalTimeOffset found = offsetAt(local);
    return found.later.offsetSeconds == offsetSeconds ? found.later.abbreviation : found.earlier.abbreviation;
}

ZoneOffset TimeZone::offsetAtUtc(std::int64_t utcSeconds) const
{
    return OffsetOf(zone_->get_info(date::sys_seconds{std::chrono::seconds{utcSeconds}}));
}

LocalDateTime TimeZone::toLocal(std::int64_t utcSeconds) const
{
    return FromSecondsSinceEpoch(utcSeconds + offsetAtUtc(utcSeconds).offsetSeconds);
}

}  // namespace zodiora::timezones
