#pragma once

#include <array>
#include <string_view>

namespace zodiora {

/// Number of interpreted bodies: Sun, Moon, Mercury..Pluto, in Body order.
inline constexpr int InterpretedBodyCount = 10;

// Generated at build time from interpretation.txt.

/// One paragraph per body and sign: [body index][sign index], plain text
/// without line breaks.
extern const std::array<std::array<std::string_view, 12>, InterpretedBodyCount> PlanetInSignTexts;

/// One general paragraph per body, shown whatever the sign.
extern const std::array<std::string_view, InterpretedBodyCount> PlanetCharacteristics;

}  // namespace zodiora
