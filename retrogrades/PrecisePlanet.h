#pragma once

#include <optional>
#include <string_view>

#include "engine/Body.h"
#include "precise/PreciseEphemeris.h"

namespace zodiora {

/// The precise ephemeris's point for one of the five planets that can be
/// retrograde, by its name ("Mercury" .. "Saturn"); nothing for any other.
inline std::optional<precise::PrecisePoint> PrecisePlanetNamed(std::string_view name)
{
    if (name == "Mercury") return precise::PreciseMercury;
    if (name == "Venus") return precise::PreciseVenus;
    if (name == "Mars") return precise::PreciseMars;
    if (name == "Jupiter") return precise::PreciseJupiter;
    if (name == "Saturn") return precise::PreciseSaturn;
    return std::nullopt;
}

}  // namespace zodiora
