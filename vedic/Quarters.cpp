#include "vedic/Quarters.h"

#include <cmath>

namespace zodiora::vedic {

double QuarterPosition(double siderealLongitude)
{
    constexpr double QuartersPerDegree = QuarterCount / 360.0;
    constexpr double Snap = 1e-9;
    double q = siderealLongitude * QuartersPerDegree;
    // fmod leaves a value already in range as it is; a chart's longitudes
    // all are, and this runs some thirty times per chart.
    if (!(q >= 0 && q < QuarterCount)) {
        q = std::fmod(q, static_cast<double>(QuarterCount));
        if (q < 0) {
            q += QuarterCount;
        }
    }
    // q is in [0, 108]: truncating q + 0.5 rounds it (a tie, never within
    // the snap, may go either way).
    const double nearest = static_cast<int>(q + 0.5);
    if (std::abs(q - nearest) < Snap) {
        q = nearest;
    }
    return q >= QuarterCount ? q - QuarterCount : q;
}

}  // namespace zodiora::vedic
