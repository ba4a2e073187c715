#pragma once

#include <array>
#include <string_view>

namespace zodiora {

/// Moon sign (and Ascendant) texts by sign index, Aries first.
inline constexpr std::array<std::string_view, 12> MoonSignNames{
    "Aries (Mesha)",      "Taurus (Vrishabha)",    "Gemini (Mithuna)",   "Cancer (Kataka)",
    "Leo (Simha)",        "Virgo (Kanya)",         "Libra (Thula)",      "Scorpio (Vrishcika)",
    "Sagittarius (Dhanush)", "Capricorn (Makara)", "Aquarius (Kumbha)",  "Pisces (Meena)"};

/// Plain sign names by sign index, Aries first.
inline constexpr std::array<std::string_view, 12> SignNames{
    "Aries", "Taurus", "Gemini", "Cancer", "Leo", "Virgo",
    "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"};

}  // namespace zodiora
