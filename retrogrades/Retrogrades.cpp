#include "Retrogrades.h"

namespace zodiora {

// Placeholder until the station tables land: nothing is retrograde.
bool IsRetrograde(const CivilMoment&, std::string_view)
{
    return false;
}

void MarkRetrogrades(const BirthData&, PlanetDisplayNames& names)
{
    names = PlanetDisplayNames{};
}

}  // namespace zodiora
