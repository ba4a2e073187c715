#include "vedic/MeanNode.h"

#include <cmath>

namespace zodiora::vedic {

namespace {

double Normalized(double degrees)
{
    const double d = std::fmod(degrees, 360.0);
    const double n = d < 0 ? d + 360.0 : d;
    return n >= 360.0 ? 0.0 : n;
}

}  // namespace

double MeanNodeTropical(double jd)
{
    const double t = (jd - 2451545.0) / 36525.0;
    const double omega =
        125.0445479 + t * (-1934.1362891 + t * (0.0020754 + t * (1.0 / 467441.0 - t / 60731950.0)));
    return Normalized(omega);
}

LunarNodes MeanNodes(double jd, double tropicalToSidereal)
{
    LunarNodes nodes;
    nodes.rahu = Normalized(MeanNodeTropical(jd) + tropicalToSidereal);
    nodes.ketu = Normalized(nodes.rahu + 180.0);
    return nodes;
}

}  // namespace zodiora::vedic
