#include "vedic/KpLords.h"

#include <cmath>

namespace zodiora::vedic {

namespace {

// A nakshatra holds 120 × 120 units: the sub of lord L is 120 × years(L)
// units long, its part of lord M years(L) × years(M); all boundaries whole.
constexpr int NakshatraUnits = DashaCycleYears * DashaCycleYears;
constexpr int ZodiacUnits = 27 * NakshatraUnits;
constexpr double Snap = 1e-6;

double UnitsOf(double longitude)
{
    double u = longitude * (ZodiacUnits / 360.0);
    if (!(u >= 0 && u < ZodiacUnits)) {
        u = std::fmod(u, static_cast<double>(ZodiacUnits));
        if (u < 0) u += ZodiacUnits;
    }
    const double nearest = static_cast<int>(u + 0.5);  // u is in [0, ZodiacUnits]: truncation rounds
    if (std::abs(u - nearest) < Snap) u = nearest;
    return u >= ZodiacUnits ? u - ZodiacUnits : u;
}

/// Within a span of `total` units divided from `lord` in Vimshottari
/// proportion, the lord of the part holding `offset`; `offset` becomes the
/// offset within that part.
DashaLord PartLord(DashaLord lord, double total, double& offset)
{
    for (int k = 0; k < DashaLordCount - 1; ++k, lord = NextDashaLord(lord)) {
        const double length = total * DashaLordYears(lord) / DashaCycleYears;
        if (offset < length) return lord;
        offset -= length;
    }
    return lord;  // the last part takes what rounding leaves
}

}  // namespace

KpLords KpLordsOf(double siderealLongitude)
{
    const double units = UnitsOf(siderealLongitude);
    const int nakshatra = static_cast<int>(units) / NakshatraUnits;
    double offset = units - static_cast<double>(nakshatra) * NakshatraUnits;
    KpLords lords;
    lords.star = static_cast<DashaLord>(nakshatra % DashaLordCount);
    lords.sub = PartLord(lords.star, NakshatraUnits, offset);
    lords.subSub = PartLord(lords.sub, NakshatraUnits * DashaLordYears(lords.sub) / DashaCycleYears, offset);
    return lords;
}

}  // namespace zodiora::vedic
