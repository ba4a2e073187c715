#pragma once

namespace zodiora::vedic {

/// Sign of a finite sidereal longitude (degrees, any range) in the ninth
/// division chart, 0 = Aries .. 11 = Pisces: floor(longitude / 3°20′) mod 12.
/// Equivalently, movable signs count from themselves, fixed signs from the
/// ninth, dual signs from the fifth.
int NavamsaSign(double siderealLongitude);

}  // namespace zodiora::vedic
