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

}  // namespace zodiora
