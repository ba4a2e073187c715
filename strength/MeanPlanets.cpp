#include "strength/MeanPlanets.h"

#include <cmath>

#include "engine/AngleRoutines.h"

namespace zodiora::strength {

namespace {

using vedic::Graha;

}  // namespace

MeanLongitudes MeanLongitudesAt(double julianDay)
{
    const double t = (julianDay - 2451545.0) / 36525.0;
    MeanLongitudes m;
    m.sun = NormalizedDegrees(280.466449 + 36000.7698231 * t);
    m.mercury = NormalizedDegrees(252.250906 + 149474.0722491 * t);
    m.venus = NormalizedDegrees(181.979801 + 58519.2130302 * t);
    m.mars = NormalizedDegrees(355.433275 + 19141.6964746 * t);
    m.jupiter = NormalizedDegrees(34.351484 + 3036.3027889 * t);
    m.saturn = NormalizedDegrees(50.077471 + 1223.5110141 * t);
    return m;
}

double ChestaKendra(double seeghrochcha, double mean, double trueLongitude)
{
    // The mean of two longitudes, taken across the shorter arc between them.
    const double halfway = mean + (NormalizedDegrees(trueLongitude - mean + 180.0) - 180.0) / 2.0;
    const double kendra = NormalizedDegrees(seeghrochcha - halfway);
    return kendra > 180.0 ? 360.0 - kendra : kendra;
}

std::array<double, vedic::GrahaCount> ChestaKendras(double julianDay,
                                                    const std::array<double, vedic::GrahaCount>& tropical)
{
    const MeanLongitudes m = MeanLongitudesAt(julianDay);
    auto at = [&](Graha g) { return tropical[vedic::IndexOf(g)]; };
    std::array<double, vedic::GrahaCount> kendra{};
    kendra[vedic::IndexOf(Graha::Mars)] = ChestaKendra(m.sun, m.mars, at(Graha::Mars));
    kendra[vedic::IndexOf(Graha::Mercury)] = ChestaKendra(m.mercury, m.sun, at(Graha::Mercury));
    kendra[vedic::IndexOf(Graha::Jupiter)] = ChestaKendra(m.sun, m.jupiter, at(Graha::Jupiter));
    kendra[vedic::IndexOf(Graha::Venus)] = ChestaKendra(m.venus, m.sun, at(Graha::Venus));
    kendra[vedic::IndexOf(Graha::Saturn)] = ChestaKendra(m.sun, m.saturn, at(Graha::Saturn));
    return kendra;
}

}  // namespace zodiora::strength
