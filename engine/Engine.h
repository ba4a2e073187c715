#pragma once

#include "BirthData.h"
#include "ChartPositions.h"

namespace zodiora {

/// Ascendant and the 1900 ayanamsa: writes ascendantLongText and
/// ayanamsa1900. Runs first.
void ComputeAngles(const BirthData& birth, ChartPositions& chart);

/// Sidereal Moon and Moon sign: writes moonLongText and moonSignText (the
/// latter left as it was if no sign matches). Runs second.
void ComputeMoon(const BirthData& birth, ChartPositions& chart);

/// Sun and Mercury..Pluto, then all eleven slots. Needs ayanamsa1900,
/// ascendantLongText and moonLongText from the two steps above.
void ComputePlanets(const BirthData& birth, ChartPositions& chart);

/// The three steps in order.
inline void ComputeChart(const BirthData& birth, ChartPositions& chart)
{
    ComputeAngles(birth, chart);
    ComputeMoon(birth, chart);
    ComputePlanets(birth, chart);
}

}  // namespace zodiora
