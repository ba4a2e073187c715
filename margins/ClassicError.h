#pragma once

#include <array>
#include <optional>
#include <string_view>
#include <vector>

#include "engine/Chart.h"

namespace zodiora::margins {

/// The classic ephemeris's worst error for one point, arc minutes.
struct ClassicError {
    Body point;
    double arcMinutes;
};

/// The largest differences in sidereal longitude between the classic
/// ephemeris (mean elements, the lunar series and the program's own
/// Ascendant) and the Swiss Ephemeris (Moshier), both Lahiri, found over
/// the years 1901 to 2050, rounded up to the whole minute. Source: the
/// figures the birth-time margins were planned with, checked again when
/// they were added by comparing both ephemerides every third day at 03:17
/// and 15:17 UT for Delhi (worst seen: Sun 0.97′, Moon 2.69′, Mercury
/// 1.47′, Venus 1.52′, Mars 5.75′, Jupiter 10.52′, Saturn 11.86′, Uranus
/// 2.71′, Neptune 1.54′, Pluto 1.26′, Ascendant 0.46′; the Ascendant keeps
/// its larger planned bound for latitudes where it rises faster). The
/// nodes are not listed: the mean node agrees, and the true node's bound
/// is TrueNodeTolerance (engine/LunarNode.h).
inline constexpr std::array<ClassicError, 11> ClassicWorstErrors{{
    {Body::Sun, 1},
    {Body::Moon, 3},
    {Body::Mercury, 2},
    {Body::Venus, 2},
    {Body::Mars, 6},
    {Body::Jupiter, 11},
    {Body::Saturn, 12},
    {Body::Uranus, 3},
    {Body::Neptune, 2},
    {Body::Pluto, 2},
    {Body::Ascendant, 3},
}};

/// The kind of edge a position lies near, the coarsest first: a sign
/// edge is also a nakshatra's or a navamsa's, and is named as a sign edge.
enum class Boundary { Sign, Nakshatra, Navamsa };

/// "sign", "nakshatra", "navamsa".
std::string_view BoundaryName(Boundary boundary);

/// A point of a classic chart that lies within the classic method's
/// error of an edge, so the precise ephemeris may put it on the other side.
struct ClassicWarning {
    Body point;
    Boundary boundary;
    double distance;  ///< degrees from the point to the edge
    double error;     ///< the method's worst error for the point, degrees
};

/// The warnings for a chart in ClassicWorstErrors order, at most one per
/// point (its coarsest edge within reach): a point at most its error from
/// a sign edge (every 30°), a nakshatra edge (every 13°20′) or a Navamsa
/// edge (every 3°20′). None for a chart from the precise ephemeris.
std::vector<ClassicWarning> ClassicWarnings(const Chart& chart);

}  // namespace zodiora::margins
