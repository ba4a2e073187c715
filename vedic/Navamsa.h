#pragma once

#include "vedic/Nakshatra.h"

namespace zodiora::vedic {

/// Sign of a finite sidereal longitude (degrees, any range) in the ninth
/// division chart, 0 = Aries .. 11 = Pisces: floor(longitude / 3°20′) mod 12.
/// Equivalently, movable signs count from themselves, fixed signs from the
/// ninth, dual signs from the fifth.
int NavamsaSign(double siderealLongitude);

/// The same from the longitude's nakshatra and pada, its 3°20′ division:
/// the pada counted from the start of the zodiac, mod 12.
constexpr int NavamsaSign(const NakshatraPosition& at)
{
    return (at.index * 4 + at.pada - 1) % 12;
}

}  // namespace zodiora::vedic
