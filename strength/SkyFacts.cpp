#include "strength/SkyFacts.h"

#include <swephexp.h>

namespace zodiora::strength::detail {

namespace {

// Swiss Ephemeris numbers in weekday order.
constexpr std::array<int, vedic::GrahaCount> Bodies{SE_SUN, SE_MOON, SE_MARS, SE_MERCURY, SE_JUPITER, SE_VENUS, SE_SATURN};

constexpr int RiseFlags = SE_BIT_HINDU_RISING;

std::optional<double> Next(double after, int event, double latitude, double longitudeEast)
{
    double geo[3]{longitudeEast, latitude, 0};
    double when = 0;
    char error[AS_MAXCH];
    if (swe_rise_trans(after, SE_SUN, nullptr, SEFLG_MOSEPH, event | RiseFlags, geo, 0, 0, &when, error) != 0) {
        return std::nullopt;
    }
    return when;
}

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
    // The last sunrise at or before the moment: the first after a day and a
    // half earlier, then on while the following one is still not later.
    auto rise = Next(jdUt - 1.5, SE_CALC_RISE, latitude, longitudeEast);
    if (!rise || *rise > jdUt) return std::nullopt;
    for (int guard = 0; guard < 3; ++guard) {
        const auto following = Next(*rise + 0.01, SE_CALC_RISE, latitude, longitudeEast);
        if (!following) return std::nullopt;
        if (*following > jdUt) {
            const auto set = Next(*rise, SE_CALC_SET, latitude, longitudeEast);
            if (!set || *set > *following) return std::nullopt;
            return SolarDay{*rise, *set, *following};
        }
        rise = following;
    }
    return std::nullopt;
}

std::optional<double> EquationOfTime(double jdUt)
{
    double e = 0;
    char error[AS_MAXCH];
    if (swe_time_equ(jdUt, &e, error) < 0) return std::nullopt;
    return e;
}

}  // namespace zodiora::strength::detail
