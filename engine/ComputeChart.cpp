#include <stdexcept>

#include "engine/AngleRoutines.h"
#include "engine/Engine.h"
#include "precise/PreciseEphemeris.h"
#include "vedic/MeanNode.h"

namespace zodiora {

namespace {

void Set(Chart& chart, Body body, double longitude)
{
    chart.longitudes[IndexOf(body)] = longitude;
}

void ComputeClassic(Chart& chart)
{
    const UniversalMoment& moment = chart.moment;
    chart.ayanamsa1900 = Ayanamsa1900At(moment);
    const auto planets = SiderealPlanets(moment);
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
    Set(chart, Body::Ascendant, SiderealAscendant(moment, chart.place));
    // The same ayanamsa as the planets', so a node and a planet in
    // conjunction show the same sign.
    const vedic::LunarNodes nodes = vedic::MeanNodes(JulianDayUt(moment), chart.ayanamsa1900);
    Set(chart, Body::Rahu, nodes.rahu);
    Set(chart, Body::Ketu, nodes.ketu);
}

void ComputePrecise(Chart& chart)
{
    const auto positions = precise::ComputePrecise(JulianDayUt(chart.moment), chart.place.latitude,
                                                   -chart.place.longitudeWest, precise::PreciseSpeeds::Omit);
    if (!positions) {
        throw std::runtime_error("the precise ephemeris has no positions for this date");
    }
    // Both orders list the table's points first, then Rahu and Ketu.
    static_assert(precise::PrecisePointCount == PointCount);
    for (std::size_t k = 0; k < PointCount; ++k) {
        chart.longitudes[k] = positions->longitude[k];
    }
    chart.ayanamsa1900 = -positions->ayanamsa;
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

Chart ComputeChart(const UniversalMoment& moment, const Place& place, Ephemeris ephemeris)
{
    Chart chart;
    chart.moment = moment;
    chart.place = place;
    chart.ephemeris = ephemeris;
    if (ephemeris == Ephemeris::Precise) {
        ComputePrecise(chart);
    } else {
        ComputeClassic(chart);
    }
    return chart;
}

Chart ComputeChart(const BirthData& birth, Ephemeris ephemeris)
{
    return ComputeChart(UniversalMomentOf(birth), PlaceOf(birth), ephemeris);
}

}  // namespace zodiora
