#include "strength/SkyFacts.h"

#include <swephexp.h>

#include "precise/HinduSunrise.h"

namespace zodiora::strength::detail {

namespace {

// Swiss Ephemeris numbers in weekday order.
constexpr std::array<int, vedic::GrahaCount> Bodies{SE_SUN, SE_MOON, SE_MARS, SE_MERCURY, SE_JUPITER, SE_VENUS, SE_SATURN};

}  // namespace

std::optional<Motions> MotionsAt(double jdUt)
{
    Motions motions;
    char error[AS_MAXCH];
    double xx[6];
    for (std::size_t k = 0; k < Bodies.size(); ++k) {
        if (swe_calc_ut(jdUt, Bodies[k], SEFLG_MOSEPH | SEFLG_SPEED, xx, error) < 0) return std::nullopt;
        motions.latitude[k] = xx[1];
        motions.speed[k] = xx[3];
    }
    return motions;
}

std::optional<double> TropicalMidheaven(double jdUt, double latitude, double longitudeEast)
{
    double cusps[13];
    double ascmc[10];
    if (swe_houses_ex(jdUt, SEFLG_MOSEPH, latitude, longitudeEast, 'P', cusps, ascmc) < 0) return std::nullopt;
    return ascmc[SE_MC];
}

std::optional<SolarDay> SolarDayAt(double jdUt, double latitude, double longitudeEast)
{
    const precise::HinduDay day = precise::HinduDayAt(jdUt, latitude, longitudeEast);
    if (day.outcome != precise::SunriseOutcome::Found) return std::nullopt;
    return SolarDay{day.sunrise, day.sunset, day.nextSunrise};
}

std::optional<double> EquationOfTime(double jdUt)
{
    double e = 0;
    char error[AS_MAXCH];
    if (swe_time_equ(jdUt, &e, error) < 0) return std::nullopt;
    return e;
}

}  // namespace zodiora::strength::detail
