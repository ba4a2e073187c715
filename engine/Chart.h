#pragma once

#include <array>

#include "birthdata/UniversalTime.h"
#include "engine/Body.h"

namespace zodiora {

/// A place on the Earth in the engine's convention.
struct Place {
    double latitude = 0;       ///< degrees, north positive
    double longitudeWest = 0;  ///< degrees, west positive, east negative
};

/// Which computation gives the positions.
enum class Ephemeris {
    Classic,  ///< mean orbital elements and a lunar series, the program's own method
    Precise,  ///< the Swiss Ephemeris's analytic theory with the Lahiri ayanamsa
};

/// "classic" or "precise".
constexpr const char* EphemerisName(Ephemeris ephemeris)
{
    return ephemeris == Ephemeris::Precise ? "precise" : "classic";
}

/// The engine's result for one birth. Longitudes are sidereal ecliptic
/// longitudes in degrees, [0, 360) for every input the form accepts.
struct Chart {
    UniversalMoment moment;
    Place place;
    Ephemeris ephemeris = Ephemeris::Classic;
    /// The 1900-based ayanamsa in degrees as the kernels use it: negative,
    /// added to a tropical longitude to give the sidereal one.
    double ayanamsa1900 = 0;
    std::array<double, PointCount> longitudes{};

    double longitude(Body body) const { return longitudes[IndexOf(body)]; }
};

}  // namespace zodiora
