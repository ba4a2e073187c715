#pragma once

#include <optional>
#include <vector>

#include "precise/PreciseEphemeris.h"

namespace zodiora::precise {

/// Motion of `planet` in geocentric apparent tropical longitude, degrees per
/// day (negative: retrograde), at the Julian day `jdUt`. Tropical, because a
/// station is where the planet stands still against the equinox; the sidereal
/// motion differs only by the ayanamsa's 0.00014°/day. Empty when the library
/// refuses the date.
std::optional<double> TropicalSpeed(double jdUt, PrecisePoint planet);

/// One retrograde period: the Julian days (UT) of the station where the
/// motion turns negative and of the station where it turns positive again.
struct StationJulianDays {
    double retrograde = 0;
    double direct = 0;
};

/// The retrograde periods of `planet` (Mercury to Saturn) whose retrograde
/// station falls in [jdFrom, jdTo), each station found to well under a
/// minute of time: the motion is sampled every few days (fewer than half
/// the planet's shortest spell of either sign) and each change of sign is
/// narrowed by bisection. A direct station after jdTo is still found.
std::vector<StationJulianDays> FindStations(PrecisePoint planet, double jdFrom, double jdTo);

}  // namespace zodiora::precise
