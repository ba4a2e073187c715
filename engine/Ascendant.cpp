#include <cmath>

#include "engine/AngleRoutines.h"
#include "engine/Ayanamsa.h"
#include "engine/Constants.h"
#include "engine/Engine.h"

namespace zodiora {

namespace {

double Centuries1900At(const UniversalMoment& moment)
{
    return CenturiesSince1900(JulianDayNumber(moment.localMonth, moment.localDay, moment.localYear), moment.hours);
}

}  // namespace

double Ayanamsa1900At(const UniversalMoment& moment)
{
    return Ayanamsa1900(Centuries1900At(moment));
}

double SiderealAscendant(const UniversalMoment& moment, const Place& place)
{
    return SiderealAscendant(moment, place, Ayanamsa1900At(moment));
}

double SiderealAscendant(const UniversalMoment& moment, const Place& place, double ayanamsa)
{
    const double ut = moment.hours;
    const double longitudeWest = place.longitudeWest;
    const double latitude = place.latitude;
    const double T = Centuries1900At(moment);

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
    return Wrap360Once(ascendant + ayanamsa);
}

}  // namespace zodiora
