#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/YearRange.h"
#include "retrogrades/StationRecord.h"

namespace zodiora {

/// The years the station tables speak for: every period turning retrograde
/// in 1900..2050 is tabled, and none ran on into 1900 from 1899.
inline constexpr YearSpan StationTableYears{1900, 2050};

/// The station periods of `planetName` ("Mercury", "Venus", "Mars",
/// "Jupiter", "Saturn", exact case), in chronological order; nullopt for
/// any other name. The tables are constant data compiled into the program,
/// so loading is a look-up and may be repeated freely.
std::optional<std::span<const StationPeriod>> LoadStations(std::string_view planetName);

/// Number of records in each of the planet's two tables (retrograde and
/// direct); 0 for an unknown name.
std::size_t StationRecordCount(std::string_view planetName);

/// Record text "M,D,YYYY,h,m," of the planet's retrograde station `index`;
/// nullopt for an unknown name or an index past the end.
std::optional<std::string_view> RetrogradeStationRecord(std::string_view planetName, std::size_t index);

/// Record text of the planet's direct station `index`, which ends the
/// retrograde period opened by RetrogradeStationRecord(planetName, index).
std::optional<std::string_view> DirectStationRecord(std::string_view planetName, std::size_t index);

/// The planet's table as text, one period a line: the retrograde record,
/// one space, the direct record. nullopt for an unknown name.
std::optional<std::vector<std::string>> StationLines(std::string_view planetName);

}  // namespace zodiora
