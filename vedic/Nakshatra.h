#pragma once

#include <string_view>

#include "vedic/DashaLord.h"

namespace zodiora::vedic {

inline constexpr int NakshatraCount = 27;

/// Where a sidereal longitude falls among the 27 lunar mansions of 13°20′
/// counted from 0° sidereal Aries.
struct NakshatraPosition {
    int index = 0;                     ///< 0 = Ashwini .. 26 = Revati
    int pada = 1;                      ///< quarter of 3°20′, 1..4
    DashaLord lord = DashaLord::Ketu;  ///< ruler, Vimshottari order
    double elapsed = 0;                ///< fraction of the mansion already passed, [0, 1)
};

/// Nakshatra, pada, lord and elapsed fraction of a finite sidereal longitude
/// in degrees (any range; taken modulo 360).
NakshatraPosition NakshatraOf(double siderealLongitude);

/// "Ashwini" .. "Revati" for index 0..26; empty for any other index.
std::string_view NakshatraName(int index);

}  // namespace zodiora::vedic
