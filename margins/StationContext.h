#pragma once

#include <chrono>
#include <vector>

#include "engine/Chart.h"

namespace zodiora::margins {

/// The retrograde period of one planet around a birth, from the station
/// tables (retrogrades/StationTables.h), by calendar date.
struct StationContext {
    Body planet;
    std::chrono::sys_days retrograde;  ///< the date of the retrograde station
    std::chrono::sys_days direct;      ///< the date of the direct station that ends it
    bool retrogradeAtBirth = false;    ///< as IsRetrograde: strictly between the two dates
};

/// How many days from a station a birth still gets its period named.
inline constexpr int StationNearDays = 3;

/// For each of Mercury, Venus, Mars, Jupiter and Saturn, in that order, the
/// retrograde period around the chart's local birth date when the planet
/// was retrograde on it or a station of the period lies within
/// StationNearDays of it; planets with neither are left out. The station
/// tables give the periods in their years, the precise ephemeris outside them.
std::vector<StationContext> StationsAround(const Chart& chart);

}  // namespace zodiora::margins
