#include "engine/AngleRoutines.h"

#include <cmath>
#include <cstdint>

#include "engine/Constants.h"

namespace zodiora {

double JulianDayNumber(int month, int day, int year)
{
    // In integers: every term is a whole number far below 2^53 for any int
    // year, where the quotients in doubles floor to the same values, and a
    // chart asks for this day number five times.
    const auto floorDiv = [](std::int64_t a, std::int64_t b) { return a / b - (a % b < 0 ? 1 : 0); };
    const std::int64_t m = 12 * (std::int64_t{year} + 4800) + month - 3;
    const std::int64_t r = m - 12 * floorDiv(m, 12);
    std::int64_t n = floorDiv(m, 48) + day + floorDiv(365 * m + 2 * r + 7, 12) - 32083;
    if (n > 2299171) {
        n = n + floorDiv(m, 4800) - floorDiv(m, 1200) + 38;
    }
    return static_cast<double>(n);
}

double PlanetDayNumber(int year, int month, int day, int hour, int minute, int second)
{
    // Adding zero seconds is exact, so whole-minute moments keep their bits.
    return 367.0 * year - std::floor(7.0 * (year + std::floor((month + 9) / 12.0)) / 4.0) +
           std::floor(275.0 * month / 9.0) + day - 730531.5 + (hour + minute / 60.0 + second / 3600.0) / 24.0;
}

double CenturiesSince1900(double julianDayNumber, double universalHours)
{
    return (julianDayNumber - 2415020.0 + universalHours / 24.0 - 0.5) / 36525.0;
}

double CenturiesSince2000(double julianDayNumber, double universalHours)
{
    return (julianDayNumber - 2451545.0 + universalHours / 24.0 - 0.5) / 36525.0;
}

double Wrap360Once(double degrees)
{
    if (degrees < 0) {
        degrees += 360.0;
    }
    if (degrees > 360.0) {
        degrees -= 360.0;
    }
    return degrees;
}

double ReduceRadians(double radians)
{
    const double q = radians / TWO_PI;
    const double f = std::trunc(q);
    double r = (q - f) * TWO_PI;
    if (r < 0) {
        r += TWO_PI;
    }
    return r;
}

double ArcTangent2(double y, double x)
{
    if (x > 0) {
        return std::atan(y / x);
    }
    const double sign = y > 0 ? 1.0 : (y < 0 ? -1.0 : 0.0);
    if (x == 0) {
        return sign * PI / 2.0;
    }
    return sign * (PI - std::atan(std::fabs(y / x)));
}

}  // namespace zodiora
