#pragma once

#include <array>
#include <optional>

#include "precise/SiderealChoice.h"

namespace zodiora::precise {

/// Order of the points in PrecisePositions.
enum PrecisePoint : int {
    PreciseSun = 0, PreciseMoon, PreciseMercury, PreciseVenus, PreciseMars, PreciseJupiter, PreciseSaturn,
    PreciseUranus, PreciseNeptune, PrecisePluto, PreciseAscendant, PreciseRahu, PreciseKetu, PrecisePointCount
};

/// One moment's positions from the Swiss Ephemeris's built-in analytic
/// ephemeris (no data files).
struct PrecisePositions {
    /// Sidereal longitudes in the chosen ayanamsa, degrees in [0, 360):
    /// geocentric apparent positions (light time, aberration, nutation
    /// applied) referred to the ayanamsa's zero point; Rahu is the mean or
    /// the true (osculating, SE_TRUE_NODE) ascending node as chosen and Ketu
    /// is opposite it; the Ascendant is the ecliptic degree rising in the east.
    std::array<double, PrecisePointCount> longitude{};
    /// Motion in longitude, degrees per day (negative: retrograde); Ketu
    /// moves with Rahu; 0 for the Ascendant (and for all with PreciseSpeeds::Omit).
    std::array<double, PrecisePointCount> speed{};
    /// The chosen ayanamsa at the moment, degrees (Lahiri: about 23.86 in
    /// 2000): tropical minus sidereal longitude, measured from the mean
    /// equinox of date (as AyanamsaDegrees gives it).
    double ayanamsa = 0;
};

/// Whether to work out the daily motions. They cost about 40 % of the time
/// and leave the longitudes unchanged (to well under 0.00001″).
enum class PreciseSpeeds { Include, Omit };

/// Positions at the Julian day `jdUt` (universal time) for an observer at
/// `latitude` degrees (north positive) and `longitude` degrees (EAST
/// positive, unlike the birth form's west-positive entry); the place only
/// moves the Ascendant (positions are geocentric). Empty when the library
/// refuses the date (its analytic theory spans 3000 BC to AD 3000).
/// With PreciseSpeeds::Omit every speed is left 0. Safe to call from
/// several threads at once, each with its own ayanamsa.
std::optional<PrecisePositions> ComputePrecise(double jdUt, double latitude, double longitude,
                                               PreciseSpeeds speeds = PreciseSpeeds::Include,
                                               AyanamsaKind ayanamsa = AyanamsaKind::Lahiri,
                                               NodeKind node = NodeKind::Mean);

/// One point's sidereal longitude at `jdUt`, exactly as ComputePrecise
/// (speeds omitted) gives it, for searches that follow one point through
/// time (the Ascendant, the Moon) without paying for the other twelve.
/// Empty when the library refuses the date.
std::optional<double> PreciseLongitude(double jdUt, double latitude, double longitude, PrecisePoint point,
                                       AyanamsaKind ayanamsa = AyanamsaKind::Lahiri,
                                       NodeKind node = NodeKind::Mean);

/// The ayanamsa `kind` at the Julian day `jdUt` (universal time), degrees:
/// tropical minus sidereal longitude from the mean equinox of date
/// (SEFLG_NONUT), the Swiss Ephemeris's value for the sidereal mode.
/// Empty when the library refuses the date. Thread-safe.
std::optional<double> AyanamsaDegrees(double jdUt, AyanamsaKind kind);

/// The Sun and the Moon alone, for the many look-ups of the panchang's end
/// times: sidereal longitudes in the chosen ayanamsa (degrees in [0, 360),
/// apparent, as in PrecisePositions) and their motions (degrees per day).
struct Luminaries {
    double sun = 0;
    double moon = 0;
    double sunSpeed = 0;
    double moonSpeed = 0;
};

/// The Sun and the Moon at `jdUt`; empty when the library refuses the date. Thread-safe.
std::optional<Luminaries> LuminariesAt(double jdUt, AyanamsaKind ayanamsa);

/// The sidereal longitude (degrees in [0, 360), apparent) of one body
/// PreciseSun .. PrecisePluto at `jdUt` in the chosen ayanamsa; empty for
/// another point or when the library refuses the date. Thread-safe.
std::optional<double> SiderealLongitudeAt(double jdUt, PrecisePoint body, AyanamsaKind ayanamsa);

/// Tropical longitude of the Moon's mean or true (osculating) ascending
/// node at `jdUt`, degrees in [0, 360), true equinox of date; the yardstick
/// of the classic ephemeris's own nodes. Empty when the library refuses the date.
std::optional<double> TropicalNode(double jdUt, NodeKind kind);

}  // namespace zodiora::precise
