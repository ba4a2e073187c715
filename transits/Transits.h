#pragma once

#include <array>
#include <optional>

#include "engine/Chart.h"

namespace zodiora::transits {

/// Whether the chart's ephemeris gives positions for the moment `jdUt`
/// (Julian day, universal time): the classic one for the universal years
/// 1901 to 2050 (those the program's own tables and station lists were made
/// for), the precise one for about 3000 BC to AD 3000 (Julian days
/// 625673.5 to 2816787.5, inside the analytic theory's span).
bool EphemerisCovers(Ephemeris ephemeris, double jdUt);

/// The sky at a moment laid over a birth chart.
struct Transits {
    double jdUt = 0;
    /// The positions at the moment for the birth place, in the natal
    /// chart's settings (the Ascendant is the one rising there then).
    Chart sky;
    /// Sun .. Saturn moving backwards (Sun and Moon never).
    std::array<bool, WheelBodyCount> retrograde{};
    /// Sign 1..12 of each point of `sky`, and the whole-sign house it stands
    /// in counted from the natal Lagna's sign and from the natal Moon's (1..12).
    std::array<int, PointCount> sign{};
    std::array<int, PointCount> houseFromLagna{};
    std::array<int, PointCount> houseFromMoon{};
};

/// The transits over `natal` at `jdUt`; empty where EphemerisCovers says
/// the chart's ephemeris gives nothing. Retrograde marks come from the
/// station tables with the classic ephemeris (as the birth chart's do) and
/// from the motion in longitude with the precise one.
std::optional<Transits> TransitsAt(const Chart& natal, double jdUt);

/// Whole-sign house 1..12 of sign index `sign` (0 = Aries) counted from sign index `from`.
int HouseFrom(int sign, int from);

/// Sign index 0..11 (0 = Aries) of a sidereal longitude in [0, 360).
int SignIndex(double longitude);

}  // namespace zodiora::transits
