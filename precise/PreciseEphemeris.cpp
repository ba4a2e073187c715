#include "precise/PreciseEphemeris.h"

#include <swephexp.h>

#include <cmath>

namespace zodiora::precise {

namespace {

constexpr int CalcFlags = SEFLG_MOSEPH | SEFLG_SIDEREAL;
constexpr int HouseFlags = SEFLG_MOSEPH | SEFLG_SIDEREAL;

// Swiss Ephemeris numbers of the points before the Ascendant, in PrecisePoint order.
constexpr std::array<int, PreciseAscendant> BodyNumbers{SE_SUN,     SE_MOON,   SE_MERCURY, SE_VENUS,
                                                        SE_MARS,    SE_JUPITER, SE_SATURN, SE_URANUS,
                                                        SE_NEPTUNE, SE_PLUTO};

/// The library keeps its settings per thread (Debian builds it with
/// thread-local state), so each thread chooses Lahiri once for itself; a
/// process-wide call_once would leave the other threads on the default zodiac.
void UseLahiriOnThisThread()
{
    thread_local const bool chosen = [] {
        swe_set_sid_mode(SE_SIDM_LAHIRI, 0, 0);
        return true;
    }();
    (void)chosen;
}

double Normalized(double degrees)
{
    const double d = std::fmod(degrees, 360.0);
    const double n = d < 0 ? d + 360.0 : d;
    return n >= 360.0 ? 0.0 : n;
}

}  // namespace

std::optional<PrecisePositions> ComputePrecise(double jdUt, double latitude, double longitude, PreciseSpeeds speeds)
{
    UseLahiriOnThisThread();
    const int flags = speeds == PreciseSpeeds::Include ? CalcFlags | SEFLG_SPEED : CalcFlags;
    PrecisePositions result;
    char error[AS_MAXCH];
    double xx[6];
    for (int k = 0; k < PreciseAscendant; ++k) {
        if (swe_calc_ut(jdUt, BodyNumbers[static_cast<std::size_t>(k)], flags, xx, error) < 0) {
            return std::nullopt;
        }
        result.longitude[static_cast<std::size_t>(k)] = Normalized(xx[0]);
        result.speed[static_cast<std::size_t>(k)] = xx[3];
    }
    if (swe_calc_ut(jdUt, SE_MEAN_NODE, flags, xx, error) < 0) {
        return std::nullopt;
    }
    result.longitude[PreciseRahu] = Normalized(xx[0]);
    result.longitude[PreciseKetu] = Normalized(xx[0] + 180.0);
    result.speed[PreciseRahu] = result.speed[PreciseKetu] = xx[3];

    double cusps[13];
    double ascmc[10];
    if (swe_houses_ex(jdUt, HouseFlags, latitude, longitude, 'W', cusps, ascmc) < 0) {
        return std::nullopt;
    }
    result.longitude[PreciseAscendant] = Normalized(ascmc[SE_ASC]);

    if (swe_get_ayanamsa_ex_ut(jdUt, SEFLG_MOSEPH | SEFLG_NONUT, &result.ayanamsa, error) < 0) {
        return std::nullopt;
    }
    return result;
}

}  // namespace zodiora::precise
