#include "engine/Planets.h"

#include <cmath>

#include "engine/AngleRoutines.h"
#include "engine/Constants.h"
#include "engine/Engine.h"
#include "engine/OrbitalElements.h"
#include "birthdata/UniversalTime.h"

namespace zodiora {

namespace {

struct Elements {
    double a, e, i, node, perihelion, meanLongitude;  // AU, -, radians
};

Elements ElementsAt(const OrbitalElementRow& row, double T)
{
    return Elements{row.a + row.aRate * T,
                    row.e + row.eRate * T,
                    (row.i + row.iRate * T / 3600.0) * DEG_TO_RAD,
                    (row.node + row.nodeRate * T / 3600.0) * DEG_TO_RAD,
                    (row.perihelion + row.perihelionRate * T / 3600.0) * DEG_TO_RAD,
                    ReduceRadians((row.meanLongitude + row.meanLongitudeRate * T / 3600.0) * DEG_TO_RAD)};
}

struct OrbitPoint {
    double trueAnomaly;
    double radius;
};

OrbitPoint PositionInOrbit(const Elements& el)
{
    const double M = ReduceRadians(el.meanLongitude - el.perihelion);
    const double v = SolveKepler(M, el.e);
    return {v, el.a * (1.0 - el.e * el.e) / (1.0 + el.e * std::cos(v))};
}

}  // namespace

double SolveKepler(double M, double e)
{
    double E = M + e * std::sin(M) * (1.0 + e * std::cos(M));
    // Converges in a handful of steps for planetary eccentricities; the cap
    // only guards against a non-finite input looping for ever.
    for (int step = 0; step < 100; ++step) {
        const double previous = E;
        E = previous - (previous - e * std::sin(previous) - M) / (1.0 - e * std::cos(previous));
        if (!(std::fabs(previous - E) > 1e-12)) {
            break;
        }
    }
    double v = 2.0 * std::atan(std::sqrt((1.0 + e) / (1.0 - e)) * std::tan(E / 2.0));
    if (v < 0) {
        v += TWO_PI;
    }
    return v;
}

namespace {

struct Heliocentric {
    double x;
    double y;
};

// The Earth's orbit is taken in the ecliptic plane.
Heliocentric EarthAt(double T)
{
    const Elements earth = ElementsAt(OrbitalElements[ElementSun], T);
    const OrbitPoint at = PositionInOrbit(earth);
    return {at.radius * std::cos(earth.perihelion + at.trueAnomaly),
            at.radius * std::sin(earth.perihelion + at.trueAnomaly)};
}

double GeocentricLongitudeFrom(int k, double T, const Heliocentric& earth)
{
    double x = 0;
    double y = 0;
    if (k != ElementSun) {
        const Elements body = ElementsAt(OrbitalElements[static_cast<std::size_t>(k)], T);
        const OrbitPoint at = PositionInOrbit(body);
        const double u = body.perihelion + at.trueAnomaly - body.node;
        x = at.radius * (std::cos(body.node) * std::cos(u) - std::sin(u) * std::sin(body.node) * std::cos(body.i));
        y = at.radius * (std::sin(body.node) * std::cos(u) + std::sin(u) * std::cos(body.node) * std::cos(body.i));
    }
    double lambda = ArcTangent2(y - earth.y, x - earth.x) * (180.0 / PI);
    while (lambda > 360.0) lambda -= 360.0;
    while (lambda < 0) lambda += 360.0;
    return lambda;
}

}  // namespace

double GeocentricLongitude(int k, double d)
{
    const double T = d / 36525.0;
    return GeocentricLongitudeFrom(k, T, EarthAt(T));
}

double PrecessionFromJ2000(double d)
{
    const double T = d / 36525.0;
    return (5028.796195 * T + 1.1054348 * T * T) / 3600.0;
}

std::array<double, ElementBodyCount> SiderealPlanets(const UniversalMoment& moment)
{
    return SiderealPlanets(moment, Ayanamsa1900At(moment));
}

std::array<double, ElementBodyCount> SiderealPlanets(const UniversalMoment& moment, double ayanamsa1900)
{
    const UtcDateTime& utc = moment.utc;
    const double d = PlanetDayNumber(utc.year, utc.month, utc.day, utc.hour, utc.minute, utc.second);
    const double ayanamsa = std::fabs(ayanamsa1900);
    // The elements give J2000 longitudes while the ayanamsa is that of the
    // birth date: precess to the date first, or every planet is off by the
    // precession since 2000 (0.7 degrees for a 1950 birth).
    const double precession = PrecessionFromJ2000(d);

    const double T = d / 36525.0;
    const Heliocentric earth = EarthAt(T);  // shared by all nine bodies
    std::array<double, ElementBodyCount> longitudes{};
    for (int k = 0; k < ElementBodyCount; ++k) {
        double sidereal = GeocentricLongitudeFrom(k, T, earth) + precession - ayanamsa;
        while (sidereal < 0) sidereal += 360.0;
        longitudes[static_cast<std::size_t>(k)] = sidereal;
    }
    return longitudes;
}

}  // namespace zodiora
