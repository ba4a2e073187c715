#include "timezones/ZoneChoice.h"

#include <array>
#include <cstddef>
#include <tuple>

#include "birthdata/TimeZoneTable.h"

namespace zodiora::timezones {

namespace {

constexpr int Hour = 3600;

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

/// A row's text is "name,abbreviation,hours" (some with blanks after the commas).
std::string_view RowName(const TimeZoneRow& row)
{
    return Trimmed(row.text.substr(0, row.text.find(',')));
}

std::string_view RowAbbreviation(const TimeZoneRow& row)
{
    const std::size_t first = row.text.find(',');
    const std::size_t second = row.text.find(',', first + 1);
    return Trimmed(row.text.substr(first + 1, second - first - 1));
}

bool NamesStandardTime(std::string_view name)
{
    for (std::string_view word : {"Daylight", "Summer", "War"}) {
        if (name.find(word) != std::string_view::npos)
            return false;
    }
    return true;
}

/// The abbreviation of standard time one hour behind a daylight-saving
/// offset, from the zone's clocks within five years of the moment (war
/// times lasted years); empty when there was none.
std::string StandardAbbreviationNear(const TimeZone& zone, std::int64_t utcSeconds, int daylightOffsetSeconds)
{
    constexpr std::int64_t Month = 30 * 86400;
    for (int step = 1; step <= 60; ++step) {
        for (const int sign : {-1, 1}) {
            const ZoneOffset offset = zone.offsetAtUtc(utcSeconds + sign * step * Month);
            if (!offset.daylightSaving && offset.offsetSeconds == daylightOffsetSeconds - Hour)
                return offset.abbreviation;
        }
    }
    return {};
}

HistoricalOffset Historical(const TimeZone& zone, const LocalDateTime& local, const ZoneOffset& offset)
{
    std::string standard;
    if (offset.daylightSaving)
        standard = StandardAbbreviationNear(zone, UtcSeconds(local, offset.offsetSeconds), offset.offsetSeconds);
    return {offset, RowSettingFor(offset, standard)};
}

}  // namespace

int OffsetSecondsOf(const ZoneRowSetting& setting)
{
    const TimeZoneRow& row = TimeZoneTable.at(static_cast<std::size_t>(setting.row));
    return ZoneCorrectionOffsetSeconds(row.hours, row.minutes, setting.daylightSaving);
}

std::optional<ZoneRowSetting> RowSettingFor(const ZoneOffset& offset, std::string_view standardAbbreviation)
{
    std::optional<ZoneRowSetting> best;
    std::tuple<bool, bool, bool> bestRank{};
    for (const bool ticked : {true, false}) {
        if (ticked && !offset.daylightSaving)
            continue;
        for (int row = 0; row < TimeZoneRowCount; ++row) {
            const ZoneRowSetting setting{row, ticked};
            if (OffsetSecondsOf(setting) != offset.offsetSeconds)
                continue;
            const TimeZoneRow& entry = TimeZoneTable[static_cast<std::size_t>(row)];
            const std::string_view named = ticked ? standardAbbreviation : std::string_view(offset.abbreviation);
            const std::tuple<bool, bool, bool> rank{!named.empty() && RowAbbreviation(entry) == named,
                                                    ticked == offset.daylightSaving,
                                                    NamesStandardTime(RowName(entry))};
            // Rows are visited in table order, so a tie keeps the earlier row.
            if (!best || rank > bestRank) {
                best = setting;
                bestRank = rank;
            }
        }
    }
    return best;
}

ZoneChoice ChooseZone(const TimeZone& zone, const LocalDateTime& local)
{
    const LocalTimeOffset found = zone.offsetAt(local);
    return {found.kind, Historical(zone, local, found.earlier), Historical(zone, local, found.later)};
}

std::optional<ZoneChoice> ChooseZone(std::string_view zoneId, const LocalDateTime& local, std::string* error)
{
    const std::optional<TimeZone> zone = TimeZone::Find(zoneId, error);
    if (!zone)
        return std::nullopt;
    return ChooseZone(*zone, local);
}

}  // namespace zodiora::timezones
