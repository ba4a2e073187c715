#include <cmath>
#include <stdexcept>
#include <string>

#include "engine/AngleRoutines.h"
#include "engine/Engine.h"
#include "engine/LunarNode.h"
#include "engine/YearRange.h"
#include "precise/PreciseEphemeris.h"

namespace zodiora {

namespace {

void Set(Chart& chart, Body body, double longitude)
{
    chart.longitudes[IndexOf(body)] = longitude;
}

double SwissAyanamsa(double jdUt, AyanamsaKind kind)
{
    const auto degrees = precise::AyanamsaDegrees(jdUt, kind);
    if (!degrees) {
        throw std::runtime_error("the Swiss Ephemeris has no ayanamsa for this date");
    }
    return *degrees;
}

// The classic kernels measure from their own Lahiri zero point; another
// ayanamsa moves every sidereal longitude by its difference from Lahiri.
void ApplyAyanamsa(Chart& chart)
{
    const AyanamsaKind kind = chart.settings.ayanamsa;
    if (kind == AyanamsaKind::Lahiri) return;
    const double jd = JulianDayUt(chart.moment);
    const double shift = SwissAyanamsa(jd, kind) - SwissAyanamsa(jd, AyanamsaKind::Lahiri);
    for (double& longitude : chart.longitudes) {
        longitude = NormalizedDegrees(longitude - shift);
    }
    chart.ayanamsaDegrees += shift;
}

void ComputeClassic(Chart& chart)
{
    const UniversalMoment& moment = chart.moment;
    const double ayanamsa1900 = Ayanamsa1900At(moment);
    chart.ayanamsaDegrees = -ayanamsa1900;
    const auto planets = SiderealPlanets(moment, ayanamsa1900);
    Set(chart, Body::Sun, planets[ElementSun]);
    Set(chart, Body::Moon, SiderealMoon(moment));
    Set(chart, Body::Mercury, planets[ElementMercury]);
    Set(chart, Body::Venus, planets[ElementVenus]);
    Set(chart, Body::Mars, planets[ElementMars]);
    Set(chart, Body::Jupiter, planets[ElementJupiter]);
    Set(chart, Body::Saturn, planets[ElementSaturn]);
    Set(chart, Body::Uranus, planets[ElementUranus]);
    Set(chart, Body::Neptune, planets[ElementNeptune]);
    Set(chart, Body::Pluto, planets[ElementPluto]);
    Set(chart, Body::Ascendant, SiderealAscendant(moment, chart.place, ayanamsa1900));
    // The same ayanamsa as the planets', so a node and a planet in
    // conjunction show the same sign.
    const LunarNodes nodes = NodesAt(JulianDayUt(moment), ayanamsa1900, chart.settings.node);
    Set(chart, Body::Rahu, nodes.rahu);
    Set(chart, Body::Ketu, nodes.ketu);
    ApplyAyanamsa(chart);
}

void ComputePrecise(Chart& chart)
{
    const auto positions =
        precise::ComputePrecise(JulianDayUt(chart.moment), chart.place.latitude, -chart.place.longitudeWest,
                                precise::PreciseSpeeds::Omit, chart.settings.ayanamsa, chart.settings.node);
    if (!positions) {
        throw std::runtime_error("the precise ephemeris has no positions for this date");
    }
    // Both orders list the table's points first, then Rahu and Ketu.
    static_assert(precise::PrecisePointCount == PointCount);
    for (std::size_t k = 0; k < PointCount; ++k) {
        chart.longitudes[k] = positions->longitude[k];
    }
    chart.ayanamsaDegrees = positions->ayanamsa;
}

}  // namespace

double JulianDayUt(const UniversalMoment& moment)
{
    return JulianDayNumber(moment.localMonth, moment.localDay, moment.localYear) - 0.5 + moment.hours / 24.0;
}

Place PlaceOf(const BirthData& birth)
{
    return Place{SignedLatitude(birth), SignedLongitude(birth)};
}

Chart ComputeChart(const UniversalMoment& moment, const Place& place, const CalculationSettings& settings)
{
    // Callers refuse such years with a message first; this guards the kernels.
    if (!YearsOf(settings.ephemeris).holds(moment.localYear)) {
        throw std::out_of_range(std::string("the ") + EphemerisName(settings.ephemeris) +
                                " ephemeris does not chart the year " + std::to_string(moment.localYear));
    }
    Chart chart;
    chart.moment = moment;
    chart.place = place;
    chart.settings = settings;
    if (settings.ephemeris == Ephemeris::Precise) {
        ComputePrecise(chart);
    } else {
        ComputeClassic(chart);
    }
    return chart;
}

Chart ComputeChart(const UniversalMoment& moment, const Place& place, Ephemeris ephemeris)
{
    CalculationSettings settings;
    settings.ephemeris = ephemeris;
    return ComputeChart(moment, place, settings);
}

Chart ComputeChart(const BirthData& birth, const CalculationSettings& settings)
{
    return ComputeChart(UniversalMomentOf(birth), PlaceOf(birth), settings);
}

Chart ComputeChart(const BirthData& birth, Ephemeris ephemeris)
{
    return ComputeChart(UniversalMomentOf(birth), PlaceOf(birth), ephemeris);
}

}  // namespace zodiora
