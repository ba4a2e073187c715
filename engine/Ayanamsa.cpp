#include "engine/Ayanamsa.h"

#include <cmath>

#include "engine/Constants.h"

namespace zodiora {

double Ayanamsa1900(double T)
{
    double node = (933060.0 - 6962911.0 * T + 7.5 * T * T) / 3600.0;
    if (node >= 360.0) {
        node = std::fmod(node, 360.0);  // same as repeated subtraction; a negative node stays
    }
    const double twiceSun = (2013816.0 + 259205536.0 * T) / 3600.0;
    const double nutation = 1.27 * std::sin(twiceSun * DEG_TO_RAD) + 17.23 * std::sin(node * DEG_TO_RAD);
    const double p = nutation - T * (5025.64 + 1.11 * T);
    return (p - 80861.27) / 3600.0;
}

double Ayanamsa2000(double T)
{
    const double node = 125.044555 - 1934.1361849 * T + 0.0020762 * T * T;
    const double sun = 280.466449 + 36000.7698231 * T + 0.0003106 * T * T;
    const double nutation = 1.27 * std::sin(sun * DEG_TO_RAD) + 17.23 * std::sin(node * DEG_TO_RAD);
    const double p = nutation - T * (5025.64 + 1.11 * T);
    return (p - 85886.27) / 3600.0;
}

}  // namespace zodiora
