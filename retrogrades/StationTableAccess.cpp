#include "retrogrades/StationData.h"
#include "retrogrades/StationTables.h"

namespace zodiora {

std::optional<std::span<const StationPeriod>> LoadStations(std::string_view planetName)
{
    for (const PlanetStationTable& table : StationTables) {
        if (table.planet == planetName)
            return table.periods;
    }
    return std::nullopt;
}

std::size_t StationRecordCount(std::string_view planetName)
{
    const auto periods = LoadStations(planetName);
    return periods ? periods->size() : 0;
}

std::optional<std::string_view> RetrogradeStationRecord(std::string_view planetName, std::size_t index)
{
    const auto periods = LoadStations(planetName);
    if (!periods || index >= periods->size())
        return std::nullopt;
    return (*periods)[index].retrograde.record;
}

std::optional<std::string_view> DirectStationRecord(std::string_view planetName, std::size_t index)
{
    const auto periods = LoadStations(planetName);
    if (!periods || index >= periods->size())
        return std::nullopt;
    return (*periods)[index].direct.record;
}

std::optional<std::vector<std::string>> StationLines(std::string_view planetName)
{
    const auto periods = LoadStations(planetName);
    if (!periods)
        return std::nullopt;
    std::vector<std::string> lines;
    lines.reserve(periods->size());
    for (const StationPeriod& period : *periods) {
        std::string line{period.retrograde.record};
        line += ' ';
        line += period.direct.record;
        lines.push_back(std::move(line));
    }
    return lines;
}

}  // namespace zodiora
