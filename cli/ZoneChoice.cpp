#include "cli/ZoneChoice.h"

#include <cstdio>
#include <cstdlib>

#include "birthdata/TimeZoneTable.h"
#include "timezones/TimeZone.h"

namespace zodiora::cli {

namespace {

std::string Named(const timezones::ZoneOffset& offset)
{
    return OffsetText(offset.offsetSeconds) + " " + offset.abbreviation;
}

std::string Reading(const timezones::LocalDateTime& local)
{
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", local.year, local.month, local.day, local.hour,
                  local.minute, local.second);
    return text;
}

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

}  // namespace

std::variant<HistoryZone, std::string> OffsetFromHistory(std::string_view id, const timezones::LocalDateTime& local,
                                                         Fold fold, bool placeZone)
{
    std::string error;
    auto failure = timezones::TimeZone::FindFailure::UnknownId;
    const auto zone = timezones::TimeZone::Find(id, &error, &failure);
    if (!zone) {
        // Blame --zone only for an id the user typed; a missing or damaged database is no typing error.
        if (failure != timezones::TimeZone::FindFailure::UnknownId) return error;
        if (placeZone) return "the place's time zone '" + std::string(id) + "' is not in the time-zone database: " + error;
        return "--zone '" + std::string(id) + "' is neither a row of the time-zone list (0 to 70) nor a time-zone id: " +
               error;
    }
    const timezones::LocalTimeOffset found = zone->offsetAt(local);
    const std::string where = Reading(local) + " in " + std::string(id);
    if (found.kind == timezones::LocalTimeKind::Skipped) {
        return where + " never happened: the clocks went from " + Named(found.earlier) + " to " + Named(found.later) +
               "; give the time as the clock showed it";
    }
    if (found.kind == timezones::LocalTimeKind::Ambiguous && fold == Fold::Unset) {
        return where + " happened twice: first at " + Named(found.earlier) + ", then at " + Named(found.later) +
               "; choose one with --fold earlier or --fold later";
    }
    const timezones::ZoneOffset& chosen = fold == Fold::Later ? found.later : found.earlier;
    return HistoryZone{std::string(zone->id()), chosen.abbreviation, chosen.offsetSeconds};
}

Fold FoldOf(std::string_view id, const timezones::LocalDateTime& local, int offsetSeconds)
{
    std::string error;
    const auto zone = timezones::TimeZone::Find(id, &error);
    if (!zone) return Fold::Unset;
    const timezones::LocalTimeOffset found = zone->offsetAt(local);
    if (found.kind != timezones::LocalTimeKind::Ambiguous) return Fold::Unset;
    return found.later.offsetSeconds == offsetSeconds ? Fold::Later : Fold::Earlier;
}

std::string OffsetText(int offsetSeconds)
{
    const int magnitude = std::abs(offsetSeconds);
    char text[24];
    const int seconds = magnitude % 60;
    if (seconds != 0) {
        std::snprintf(text, sizeof text, "UTC%c%02d:%02d:%02d", offsetSeconds < 0 ? '-' : '+', magnitude / 3600,
                      magnitude / 60 % 60, seconds);
    } else {
        std::snprintf(text, sizeof text, "UTC%c%02d:%02d", offsetSeconds < 0 ? '-' : '+', magnitude / 3600,
                      magnitude / 60 % 60);
    }
    return text;
}

std::string_view RowAbbreviation(int row)
{
    if (row < 0 || row >= TimeZoneRowCount) return {};
    const std::string_view text = TimeZoneTable[static_cast<std::size_t>(row)].text;
    const std::size_t first = text.find(',');
    const std::size_t second = text.find(',', first + 1);
    if (first == std::string_view::npos || second == std::string_view::npos) return {};
    return Trimmed(text.substr(first + 1, second - first - 1));
}

}  // namespace zodiora::cli
