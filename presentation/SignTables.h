#pragma once

#include <array>
#include <string_view>

#include "engine/SignNames.h"

namespace zodiora {

// Sign texts shown in the report, by sign index, Aries first. The names are
// SignNames from the engine. Shown exactly as written: the Cancer keywords
// end with a space.

/// Three keywords of each sign.
inline constexpr std::array<std::string_view, 12> SignKeywords{
    "Pioneer, Assertive, Energetic",
    "Determined, Stable, Sensual",
    "Curious, Intelligent, Congenial",
    "Protective, Cautious, Intuitive ",
    "Generous, Enthusiastic, Social",
    "Modest, Critical, Methodical",
    "Pleasant, Sociable, Diplomatic",
    "Secretive, Possessive, Investigative",
    "Adventurous, Extrovert, Philosophical",
    "Serious, Ambitious, Disciplined",
    "Intelligent, Innovative, Individualistic",
    "Sensitive, Compassionate, Introspective"};

/// Element of each sign.
inline constexpr std::array<std::string_view, 12> SignElements{
    "Fire", "Earth", "Air", "Water", "Fire", "Earth",
    "Air", "Water", "Fire", "Earth", "Air", "Water"};

/// Ruling planet(s) of each sign.
inline constexpr std::array<std::string_view, 12> SignRulers{
    "Mars",    "Venus",          "Mercury", "The Moon",          "The Sun", "Mercury",
    "Venus",   "Pluto and Mars", "Jupiter", "Saturn", "Uranus and Saturn", "Neptune and Jupiter"};

}  // namespace zodiora
