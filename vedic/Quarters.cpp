#include "vedic/Quarters.h"

#include <cmath>

namespace zodiora::vedic {

double QuarterPosition(double siderealLongitude)
{
    constexpr double QuartersPerDegree = QuarterCount / 360.0;
    constexpr double Snap = 1e-9;
    double q = std::fmod(siderealLongitude * QuartersPerDegree, static_cast<double>(QuarterCount));
    if (q < 0) {
        q += QuarterCount;
    }
    const double nearest = std::round(q);
    if (std::abs(q - nearest) < Snap) {
        q = nearest;
    }
    return q >= QuarterCount ? q - QuarterCount : q;
}

}  // namespace zodiora::vedic
