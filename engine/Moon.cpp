#include <cmath>

#include "engine/AngleRoutines.h"
#include "engine/Ayanamsa.h"
#include "engine/Constants.h"
#include "engine/Engine.h"
#include "engine/LunarTerms.h"

namespace zodiora {

double SiderealMoon(const UniversalMoment& moment)
{
    const double T =
        CenturiesSince2000(JulianDayNumber(moment.localMonth, moment.localDay, moment.localYear), moment.hours);
    const double ayanamsa = Ayanamsa2000(T);

    const double meanLongitude = 218.3164591 + 481267.88134236 * T;
    // Arguments stay unreduced: double precision copes with the few hundred
    // thousand degrees they reach, and reducing would change the last digit.
    const double D = (297.8502042 + 445267.1115168 * T) * DEG_TO_RAD;
    const double M = (357.5291092 + 35999.0502909 * T) * DEG_TO_RAD;
    const double Mp = (134.9634114 + 477198.8676313 * T) * DEG_TO_RAD;
    const double F = (93.2720993 + 483202.0175273 * T) * DEG_TO_RAD;
    const double E = 1.0 - 0.002516 * T - 0.0000074 * T * T;

    double sum = 0;
    for (const LunarTerm& term : LunarLongitudeTerms) {
        const double argument = term.d * D + term.m * M + term.mPrime * Mp + term.f * F;
        double value = term.coefficient * std::sin(argument);
        if (term.timesE) {
            value *= E;
        }
        sum += value;
    }

    // Into [0, 360], exactly 360 staying 360. fmod is exact and gives the
    // same value as adding or subtracting 360 step by step.
    double lambda = meanLongitude + sum;
    if (lambda < 0) {
        lambda = std::fmod(lambda, 360.0);
        if (lambda < 0) {
            lambda += 360.0;
        }
    } else if (lambda > 360.0) {
        lambda = std::fmod(lambda, 360.0);
        if (lambda == 0) {
            lambda = 360.0;
        }
    }
    double sidereal = lambda + ayanamsa;
    if (sidereal < 0) {
        sidereal += 360.0;
    }
    return sidereal;
}

}  // namespace zodiora
