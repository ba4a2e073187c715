#pragma once

#include "engine/CalculationSettings.h"

namespace zodiora {

/// Calendar years, both ends included.
struct YearSpan {
    int first = 0;
    int last = 0;
    constexpr bool holds(int year) const { return year >= first && year <= last; }
};

/// The years the classic ephemeris was fitted to and checked over (its mean
/// elements, lunar series and the retrograde station tables).
inline constexpr YearSpan ClassicYears{1901, 2050};

/// The years the precise ephemeris charts: Gregorian dates from the first
/// whole Gregorian year to 2399. The Swiss Ephemeris's analytic theory
/// reaches further; the bound keeps births on the Gregorian calendar and
/// dashas (120 years) inside the theory's well-checked centuries.
inline constexpr YearSpan PreciseYears{1583, 2399};

/// The years `ephemeris` charts.
constexpr YearSpan YearsOf(Ephemeris ephemeris)
{
    return ephemeris == Ephemeris::Precise ? PreciseYears : ClassicYears;
}

}  // namespace zodiora
