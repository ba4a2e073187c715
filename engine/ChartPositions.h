#pragma once

#include <array>
#include <string>

namespace zodiora {

/// Slot numbers of ChartPositions::slotTexts.
enum ChartSlot : int {
    SunSlot = 0, MoonSlot, MercurySlot, VenusSlot, MarsSlot, JupiterSlot, SaturnSlot,
    UranusSlot, NeptuneSlot, PlutoSlot, AscendantSlot, ChartSlotCount
};

/// Order of the bodies in OrbitalElements and bodyLongTexts.
enum ElementBodyOrder : int {
    ElementMercury = 0, ElementVenus, ElementSun, ElementMars, ElementJupiter, ElementSaturn,
    ElementUranus, ElementNeptune, ElementPluto, ElementBodyCount
};

/// The engine's result for one chart; all longitudes sidereal.
struct ChartPositions {
    /// Short position texts: Sun, Moon, Mercury..Pluto, Ascendant.
    std::array<std::string, ChartSlotCount> slotTexts;
    std::string ascendantLongText;
    std::string moonLongText;
    std::string moonSignText;  ///< kept from the previous chart when no sign matches
    double ayanamsa1900 = 0;   ///< degrees, negative; from ComputeAngles for ComputePlanets
    std::array<std::string, ElementBodyCount> bodyLongTexts;  ///< in ElementBodyOrder
};

}  // namespace zodiora
