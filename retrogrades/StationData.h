#pragma once

#include <array>
#include <span>
#include <string_view>

#include "retrogrades/StationRecord.h"

namespace zodiora {

/// One planet's station periods in chronological order.
struct PlanetStationTable {
    std::string_view planet;
    std::span<const StationPeriod> periods;
};

/// The tables of Mercury, Venus, Mars, Jupiter and Saturn, generated at
/// build time from stations.txt.
extern const std::array<PlanetStationTable, 5> StationTables;

}  // namespace zodiora
