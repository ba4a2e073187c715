#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace zodiora::vedic {

/// The nine lords in Vimshottari order. Nakshatra k (0 = Ashwini) is ruled
/// by lord k mod 9, and the periods follow one another in this order.
enum class DashaLord : int { Ketu, Venus, Sun, Moon, Mars, Rahu, Jupiter, Saturn, Mercury };

inline constexpr int DashaLordCount = 9;
inline constexpr int DashaCycleYears = 120;

/// Length of each lord's mahadasha in years, in DashaLord order.
inline constexpr std::array<int, DashaLordCount> DashaYears{7, 20, 6, 10, 7, 18, 16, 19, 17};

constexpr int DashaLordYears(DashaLord lord)
{
    return DashaYears[static_cast<std::size_t>(lord)];
}

/// The lord that follows `lord` (Mercury is followed by Ketu).
constexpr DashaLord NextDashaLord(DashaLord lord)
{
    return static_cast<DashaLord>((static_cast<int>(lord) + 1) % DashaLordCount);
}

/// English name: "Ketu", "Venus", "Sun", "Moon", "Mars", "Rahu", "Jupiter", "Saturn", "Mercury".
std::string_view DashaLordName(DashaLord lord);

}  // namespace zodiora::vedic
