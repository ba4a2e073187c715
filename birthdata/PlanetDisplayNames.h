#pragma once

#include <array>
#include <string>

namespace zodiora {

/// Display names of the bodies Sun..Saturn; slot k names position slot k.
/// The retrograde step appends " (R) " to retrograde planets.
struct PlanetDisplayNames {
    std::array<std::string, 7> names{"Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn"};
};

/// The twelve three-letter sign abbreviations, Aries first.
inline constexpr std::array<const char*, 12> SignAbbrevList{
    "Ari", "Tau", "Gem", "Can", "Leo", "Vir", "Lib", "Sco", "Sag", "Cap", "Aqu", "Pis"};

}  // namespace zodiora
