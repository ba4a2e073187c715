#pragma once

#include <optional>
#include <vector>

#include "engine/Chart.h"

namespace zodiora::transits {

/// The three stages of Saturn's seven and a half years over the Moon: in
/// the 12th sign from the natal Moon (rising), in the Moon's sign (peak),
/// in the 2nd (setting).
enum class SadeSatiPhase { Rising, Peak, Setting };

/// One unbroken stay of Saturn in one of those signs; Julian days, universal time.
struct SadeSatiSpan {
    double startJd = 0;
    double endJd = 0;
    SadeSatiPhase phase = SadeSatiPhase::Rising;
};

/// Every stay of Saturn in the 12th, 1st or 2nd sign from the sign of the
/// natal Moon (sidereal longitude `natalMoon`, degrees) between `fromJd` and
/// `toJd`, in order; a retrograde exit and return gives two spans, and a
/// stay running at either end is cut there. Saturn's sidereal longitude is
/// the Swiss Ephemeris's in the chosen ayanamsa, sampled every eight days
/// (Saturn never crosses a sign and back within them) and each ingress found
/// by halving to about a minute. Empty when the ephemeris refuses a date.
std::optional<std::vector<SadeSatiSpan>> SadeSatiSpans(double natalMoon, double fromJd, double toJd,
                                                       AyanamsaKind ayanamsa);

/// The spans of a birth chart from birth to 100 years after (36525 days).
std::optional<std::vector<SadeSatiSpan>> SadeSatiOf(const Chart& natal);

/// The span holding `jdUt`, if any.
std::optional<SadeSatiSpan> SpanAt(const std::vector<SadeSatiSpan>& spans, double jdUt);

}  // namespace zodiora::transits
