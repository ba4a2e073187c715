#pragma once

#include <array>


namespace zodiora {

/// Order of the bodies in OrbitalElements.
enum ElementBodyOrder : int {
    ElementMercury = 0, ElementVenus, ElementSun, ElementMars, ElementJupiter, ElementSaturn,
    ElementUranus, ElementNeptune, ElementPluto, ElementBodyCount
};

/// Mean Keplerian elements at J2000 with rates per Julian century, on the
/// mean ecliptic and equinox of J2000. a in AU, e dimensionless, angles in
/// degrees with rates in arc-seconds per century.
struct OrbitalElementRow {
    const char* body;
    double a, aRate;
    double e, eRate;
    double i, iRate;
    double node, nodeRate;
    double perihelion, perihelionRate;
    double meanLongitude, meanLongitudeRate;
};

/// Rows in ElementBodyOrder; row 2 ("Sun") is the Earth-Moon barycentre.
extern const std::array<OrbitalElementRow, ElementBodyCount> OrbitalElements;

}  // namespace zodiora
