#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zodiora {

/// A station's moment in universal time, to the minute.
struct StationClock {
    std::chrono::sys_days day;
    int hour = 0;
    int minute = 0;
    friend bool operator==(const StationClock&, const StationClock&) = default;
};

/// One retrograde period: its retrograde station and the direct station that ends it.
struct StationSpan {
    StationClock retrograde;
    StationClock direct;
};

/// "M,D,YYYY,h,m," as the station tables write a record (no leading zeros).
std::string StationRecordText(const StationClock& clock);

/// The moment of the Julian day `jdUt`, rounded to the nearest minute.
StationClock StationClockOf(double jdUt);

/// The retrograde periods of `planetName` ("Mercury" .. "Saturn") that turn
/// retrograde in the years fromYear..toYear (Gregorian, UT): from the station
/// tables in their years (StationTableYears, 1900-2050), found by root-finding
/// on the precise ephemeris's daily motion in the others. nullopt for any
/// other planet name.
std::optional<std::vector<StationSpan>> StationsInYears(std::string_view planetName, int fromYear, int toYear);

}  // namespace zodiora
