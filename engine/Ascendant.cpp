#include <cmath>

#include "AngleRoutines.h"
#include "Ayanamsa.h"
#include "Constants.h"
#include "Engine.h"
#include "PositionText.h"
#include "UniversalTime.h"

namespace zodiora {

void ComputeAngles(const BirthData& birth, ChartPositions& chart)
{
    const double ut = Universal_Hours(birth);
    const double longitudeWest = SignedLongitude(birth);
    const double latitude = SignedLatitude(birth);
    const double T = CenturiesSince1900(JulianDayNumber(birth.month, birth.day, birth.year), ut);

    const double ayanamsa = Ayanamsa1900(T);
    chart.ayanamsa1900 = ayanamsa;

    // Greenwich sidereal time in hours; the UT share of T supplies the
    // sidereal rate, so no 1.0027379 factor is applied to UT.
    const double siderealHours = ut + 6.6460656 + 2400.0513 * T + 0.0000258 * T * T;
    double ramc = 15.0 * siderealHours - longitudeWest;
    if (ramc >= 360.0) {
        ramc = std::fmod(ramc, 360.0);
    }
    const double R = ramc * DEG_TO_RAD;
    const double obliquity = (23.452294 - 0.0130125 * T) * DEG_TO_RAD;

    double a = ArcTangent2(std::cos(R),
                           -std::sin(R) * std::cos(obliquity) - std::sin(obliquity) * std::tan(latitude * DEG_TO_RAD));
    if (a < 0) {
        a += PI;
    }
    if (std::cos(R) < 0) {
        a += PI;
    }
    double ascendant = a * RAD_TO_DEG;
    if (ascendant >= 360.0) {
        ascendant = std::fmod(ascendant, 360.0);
    }
    chart.ascendantLongText = LongPositionText(Wrap360Once(ascendant + ayanamsa));
}

}  // namespace zodiora
