#pragma once

#include <array>
#include <string_view>

namespace zodiora {

/// Number of interpreted bodies: Sun, Moon, Mercury..Pluto.
inline constexpr int InterpretedBodyCount = 10;

/// Body names as the prose file spells its entries, by body index.
inline constexpr std::array<std::string_view, InterpretedBodyCount> InterpretedBodyNames{
    "Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Uranus", "Neptune", "Pluto"};

// Generated at build time from interpretation.txt.

/// One paragraph per body and sign: [body index][sign index], plain text
/// without line breaks.
extern const std::array<std::array<std::string_view, 12>, InterpretedBodyCount> PlanetInSignTexts;

/// One general paragraph per body, shown whatever the sign.
extern const std::array<std::string_view, InterpretedBodyCount> PlanetCharacteristics;

}  // namespace zodiora
