#pragma once

#include <array>

#include "birthdata/UniversalTime.h"
#include "engine/Body.h"
#include "engine/CalculationSettings.h"

namespace zodiora {

/// A place on the Earth in the engine's convention.
struct Place {
    double latitude = 0;       ///< degrees, north positive
    double longitudeWest = 0;  ///< degrees, west positive, east negative
};

/// The engine's result for one birth. Longitudes are sidereal ecliptic
/// longitudes in degrees, [0, 360) for every input the form accepts.
struct Chart {
    UniversalMoment moment;
    Place place;
    /// How the chart was calculated.
    CalculationSettings settings;
    /// The chosen ayanamsa at the moment, degrees, positive: tropical minus
    /// sidereal longitude, as the planets and the Ascendant were given it
    /// (the classic ephemeris's Moon keeps its own 2000-based Lahiri term).
    double ayanamsaDegrees = 0;
    std::array<double, PointCount> longitudes{};

    double longitude(Body body) const { return longitudes[IndexOf(body)]; }

    /// The ayanamsa as the 1900-based kernels write it: negative, added to
    /// a tropical longitude to give the sidereal one.
    double ayanamsa1900() const { return -ayanamsaDegrees; }
};

}  // namespace zodiora
