#pragma once

#include <cmath>

namespace zodiora {

/// Julian day number (whole number) of a calendar date: Julian calendar up
/// to 15 October 1582 as the switch reads it, Gregorian after.
double JulianDayNumber(int month, int day, int year);

/// Days from 2000-01-01 12:00 UT to the given universal date and clock time.
double PlanetDayNumber(int year, int month, int day, int hour, int minute, int second = 0);

/// Centuries since 1900 (T1900) from a local date's day number and UT hours.
double CenturiesSince1900(double julianDayNumber, double universalHours);

/// Centuries since 2000 (T2000) from a local date's day number and UT hours.
double CenturiesSince2000(double julianDayNumber, double universalHours);

/// Degrees: adds 360 once if negative, then subtracts 360 once if above 360.
double Wrap360Once(double degrees);

/// Degrees reduced to [0, 360).
inline double NormalizedDegrees(double degrees)
{
    const double d = std::fmod(degrees, 360.0);
    const double n = d < 0 ? d + 360.0 : d;
    return n >= 360.0 ? 0.0 : n;  // -1e-17 + 360 rounds to 360
}

/// The shorter arc between two longitudes, 0 to 180 degrees.
inline double ArcBetween(double a, double b)
{
    const double apart = NormalizedDegrees(a - b);
    return apart > 180.0 ? 360.0 - apart : apart;
}

/// Radians reduced to [0, 2·PI).
double ReduceRadians(double radians);

/// Two-argument arctangent in radians with this engine's quadrant rules
/// (y = 0 with x < 0 gives 0, not PI).
double ArcTangent2(double y, double x);

}  // namespace zodiora
