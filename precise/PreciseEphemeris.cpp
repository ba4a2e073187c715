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

int SiderealMode(AyanamsaKind kind)
{
    switch (kind) {
    case AyanamsaKind::Raman: return SE_SIDM_RAMAN;
    case AyanamsaKind::Krishnamurti: return SE_SIDM_KRISHNAMURTI;
    case AyanamsaKind::FaganBradley: return SE_SIDM_FAGAN_BRADLEY;
    case AyanamsaKind::TrueChitra: return SE_SIDM_TRUE_CITRA;
    case AyanamsaKind::Yukteshwar: return SE_SIDM_YUKTESHWAR;
    case AyanamsaKind::Lahiri: break;
    }
    return SE_SIDM_LAHIRI;
}

/// The library keeps its settings per thread (Debian builds it with
/// thread-local state), so each thread chooses its sidereal mode for
/// itself; the mode last chosen is remembered so that a run of charts in
/// one ayanamsa sets it once (setting it drops the library's caches).
void UseOnThisThread(AyanamsaKind kind)
{
    thread_local int current = -1;
    const int mode = SiderealMode(kind);
    if (mode != current) {
        swe_set_sid_mode(mode, 0, 0);
        current = mode;
    }
}

double Normalized(double degrees)
{
    const double d = std::fmod(degrees, 360.0);
    const double n = d < 0 ? d + 360.0 : d;
    return n >= 360.0 ? 0.0 : n;
}

}  // namespace

std::optional<PrecisePositions> ComputePrecise(double jdUt, double latitude, double longitude, PreciseSpeeds speeds,
                                               AyanamsaKind ayanamsa, NodeKind node)
{
    UseOnThisThread(ayanamsa);
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
    if (swe_calc_ut(jdUt, node == NodeKind::True ? SE_TRUE_NODE : SE_MEAN_NODE, flags, xx, error) < 0) {
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

std::optional<double> PreciseLongitude(double jdUt, double latitude, double longitude, PrecisePoint point,
                                       AyanamsaKind ayanamsa, NodeKind node)
{
    UseOnThisThread(ayanamsa);
    char error[AS_MAXCH];
    double xx[6];
    if (point == PreciseAscendant) {
        double cusps[13];
        double ascmc[10];
        if (swe_houses_ex(jdUt, HouseFlags, latitude, longitude, 'W', cusps, ascmc) < 0) return std::nullopt;
        return Normalized(ascmc[SE_ASC]);
    }
    const bool nodal = point == PreciseRahu || point == PreciseKetu;
    const int body = nodal ? (node == NodeKind::True ? SE_TRUE_NODE : SE_MEAN_NODE)
                           : BodyNumbers[static_cast<std::size_t>(point)];
    if (swe_calc_ut(jdUt, body, CalcFlags, xx, error) < 0) return std::nullopt;
    return Normalized(point == PreciseKetu ? xx[0] + 180.0 : xx[0]);
}

std::optional<double> AyanamsaDegrees(double jdUt, AyanamsaKind kind)
{
    UseOnThisThread(kind);
    char error[AS_MAXCH];
    double degrees = 0;
    if (swe_get_ayanamsa_ex_ut(jdUt, SEFLG_MOSEPH | SEFLG_NONUT, &degrees, error) < 0) {
        return std::nullopt;
    }
    return degrees;
}

std::optional<Luminaries> LuminariesAt(double jdUt, AyanamsaKind ayanamsa)
{
    UseOnThisThread(ayanamsa);
    char error[AS_MAXCH];
    double sun[6];
    double moon[6];
    if (swe_calc_ut(jdUt, SE_SUN, CalcFlags | SEFLG_SPEED, sun, error) < 0 ||
        swe_calc_ut(jdUt, SE_MOON, CalcFlags | SEFLG_SPEED, moon, error) < 0) {
        return std::nullopt;
    }
    return Luminaries{Normalized(sun[0]), Normalized(moon[0]), sun[3], moon[3]};
}

std::optional<double> SiderealLongitudeAt(double jdUt, PrecisePoint body, AyanamsaKind ayanamsa)
{
    if (body < PreciseSun || body >= PreciseAscendant) return std::nullopt;
    UseOnThisThread(ayanamsa);
    char error[AS_MAXCH];
    double xx[6];
    if (swe_calc_ut(jdUt, BodyNumbers[static_cast<std::size_t>(body)], CalcFlags, xx, error) < 0) return std::nullopt;
    return Normalized(xx[0]);
}

std::optional<double> TropicalNode(double jdUt, NodeKind kind)
{
    char error[AS_MAXCH];
    double xx[6];
    if (swe_calc_ut(jdUt, kind == NodeKind::True ? SE_TRUE_NODE : SE_MEAN_NODE, SEFLG_MOSEPH, xx, error) < 0) {
        return std::nullopt;
    }
    return Normalized(xx[0]);
}

}  // namespace zodiora::precise
