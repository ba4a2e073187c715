#pragma once

namespace zodiora {

/// True anomaly in radians, [0, 2·PI), for mean anomaly M (radians) and
/// eccentricity e < 1, by Newton iteration to 1e-12.
double SolveKepler(double M, double e);

/// Tropical geocentric ecliptic longitude in degrees, [0, 360], of body k
/// (ElementBodyOrder) at day number d, on the fixed equinox of J2000.
double GeocentricLongitude(int k, double d);

/// General precession in longitude, degrees, from J2000 to d (days from
/// J2000): brings a J2000 longitude onto the equinox of date.
double PrecessionFromJ2000(double d);

}  // namespace zodiora
