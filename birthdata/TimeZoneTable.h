#pragma once

#include <array>
#include <string_view>

namespace zodiora {

/// One row of the time-zone list. hours/minutes are the correction to add
/// to the zone's local clock time to get universal time (same sign).
struct TimeZoneRow {
    std::string_view text;
    int hours;
    int minutes;
};

inline constexpr int TimeZoneRowCount = 71;
inline constexpr int DefaultTimeZoneRow = 29;  // "Greenwich Mean Time,GMT,0.0"

extern const std::array<TimeZoneRow, TimeZoneRowCount> TimeZoneTable;

/// The clock's offset from UT in seconds, east positive, of a zone correction
/// (hours/minutes as in a row) with or without the daylight-saving hour: the
/// correction is added to the clock to reach UT, so the offset is its opposite.
constexpr int ZoneCorrectionOffsetSeconds(int hours, int minutes, bool daylightSaving)
{
    return -(hours * 3600 + minutes * 60) + (daylightSaving ? 3600 : 0);
}

}  // namespace zodiora
