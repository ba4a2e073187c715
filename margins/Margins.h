#pragma once

#include <limits>
#include <optional>
#include <span>
#include <vector>

#include "engine/Chart.h"
#include "margins/MarginFacts.h"

namespace zodiora::margins {

/// How far either side of the birth the margins are searched: 3 days, in seconds.
inline constexpr long long SearchSeconds = 3 * 86400;

/// The stretch of clock time around the birth over which one fact keeps
/// its value. Times are whole seconds from the birth's clock time, in the
/// birth's own offset (a change of daylight saving within the search is
/// not followed: the clock stays the birth's).
struct FactMargin {
    MarginFact fact;
    int value = 0;                   ///< the fact's value at the birth (MarginFact::valueOf)
    std::optional<long long> from;   ///< the earliest second it holds (≤ 0); none: beyond SearchSeconds
    std::optional<long long> until;  ///< the latest second it holds (≥ 0); none: beyond SearchSeconds
    std::optional<int> before;       ///< the value the second before `from`
    std::optional<int> after;        ///< the value the second after `until`

    /// Seconds from the birth to the nearer of the two, the earlier side
    /// when they tie; the largest value when neither was found.
    long long secondsToNearerEdge() const
    {
        long long nearest = std::numeric_limits<long long>::max();
        if (from) nearest = -*from;
        if (until && *until < nearest) nearest = *until;
        return nearest;
    }
    /// Whether the nearer edge lies closer than the stated uncertainty of
    /// the birth time, so a birth within it may have the other value.
    bool narrowFor(int uncertaintyMinutes) const { return secondsToNearerEdge() < uncertaintyMinutes * 60LL; }
};

/// The birth-time margins of `chart`'s facts, in the order of `facts`:
/// for each, the earliest and latest clock second (up to SearchSeconds
/// either side) at which it keeps its value at the birth, with the chart's
/// own ephemeris, ayanamsa and place. The edge is bracketed by stepping
/// through time (steps sized from the point's motion so far) and then
/// bisected to the second (each split at the interpolated crossing, or the
/// midpoint when that stalls): at `until` the value holds and one second
/// later it differs, likewise before `from`. Throws std::runtime_error
/// where the ephemeris refuses a date, as ComputeChart does.
std::vector<FactMargin> BirthTimeMargins(const Chart& chart, std::span<const MarginFact> facts = StandardFacts());

/// The chart's universal moment moved by `seconds` of clock time (the
/// local date kept, the hours carried), as the search evaluates it.
UniversalMoment ShiftedMoment(const UniversalMoment& moment, long long seconds);

}  // namespace zodiora::margins
