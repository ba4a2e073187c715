#include "engine/LunarNode.h"

#include <cmath>

#include "engine/AngleRoutines.h"

namespace zodiora {

namespace {

constexpr double DegreesToRadians = 3.14159265358979323846 / 180.0;

double Sine(double degrees)
{
    return std::sin(std::fmod(degrees, 360.0) * DegreesToRadians);
}

LunarNodes SiderealNodes(double tropical, double tropicalToSidereal)
{
    LunarNodes nodes;
    nodes.rahu = NormalizedDegrees(tropical + tropicalToSidereal);
    nodes.ketu = NormalizedDegrees(nodes.rahu + 180.0);
    return nodes;
}

}  // namespace

double MeanNodeTropical(double jd)
{
    const double t = (jd - 2451545.0) / 36525.0;
    const double omega =
        125.0445479 + t * (-1934.1362891 + t * (0.0020754 + t * (1.0 / 467441.0 - t / 60731950.0)));
    return NormalizedDegrees(omega);
}

double TrueNodeTropical(double jd)
{
    const double t = (jd - 2451545.0) / 36525.0;
    // Meeus (47.2) to (47.5).
    const double d = 297.8501921 + t * (445267.1114034 + t * (-0.0018819 + t * (1.0 / 545868.0 - t / 113065000.0)));
    const double m = 357.5291092 + t * (35999.0502909 + t * (-0.0001536 + t / 24490000.0));
    const double mMoon = 134.9633964 + t * (477198.8675055 + t * (0.0087414 + t * (1.0 / 69699.0 - t / 14712000.0)));
    const double f = 93.2720950 + t * (483202.0175233 + t * (-0.0036539 + t * (-1.0 / 3526000.0 + t / 863310000.0)));
    const double periodic = -1.4979 * Sine(2 * (d - f)) - 0.1500 * Sine(m) - 0.1226 * Sine(2 * d) +
                            0.1176 * Sine(2 * f) - 0.0801 * Sine(2 * (mMoon - f));
    return NormalizedDegrees(MeanNodeTropical(jd) + periodic);
}

LunarNodes MeanNodes(double jd, double tropicalToSidereal)
{
    return SiderealNodes(MeanNodeTropical(jd), tropicalToSidereal);
}

LunarNodes NodesAt(double jd, double tropicalToSidereal, NodeKind kind)
{
    return SiderealNodes(kind == NodeKind::True ? TrueNodeTropical(jd) : MeanNodeTropical(jd), tropicalToSidereal);
}

}  // namespace zodiora
