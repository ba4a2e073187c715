#pragma once

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

/// Radians reduced to [0, 2·PI).
double ReduceRadians(double radians);

/// Two-argument arctangent in radians with this engine's quadrant rules
/// (y = 0 with x < 0 gives 0, not PI).
double ArcTangent2(double y, double x);

}  // namespace zodiora
