#pragma once

#include <array>
#include <string_view>

#include "birthdata/BirthData.h"
#include "birthdata/UniversalTime.h"
#include "engine/Body.h"
#include "retrogrades/StationTables.h"

namespace zodiora {

/// A local civil date and clock time as entered on the form.
using CivilMoment = CalendarTime;

/// The five planets that can be retrograde.
inline constexpr std::array<Body, 5> RetrogradePlanets{Body::Mercury, Body::Venus, Body::Mars, Body::Jupiter,
                                                       Body::Saturn};

/// Which points were retrograde; only the five planets can be.
struct RetrogradeFlags {
    std::array<bool, ChartPointCount> byBody{};
    bool operator[](Body body) const { return byBody[IndexOf(body)]; }
    friend bool operator==(const RetrogradeFlags&, const RetrogradeFlags&) = default;
};

/// Whether `planetName` ("Mercury", "Venus", "Mars", "Jupiter", "Saturn")
/// was retrograde on the calendar date of `moment`: strictly between the
/// days of a retrograde station and the following direct station. Hour and
/// minute are ignored; any other planet name gives false.
bool IsRetrograde(const CivilMoment& moment, std::string_view planetName);

/// The flags for the calendar date of `moment`.
RetrogradeFlags ComputeRetrogradeFlags(const CivilMoment& moment);

/// The flags at the Julian day `jdUt` (UT) from the sign of each planet's
/// daily motion in the precise ephemeris: retrograde while it is negative.
RetrogradeFlags RetrogradeFlagsFromMotion(double jdUt);

/// The flags for a birth: in the station tables' years (StationTableYears,
/// 1900-2050) those of its local calendar date; in the precise ephemeris's
/// other years those of the daily motion at the moment of birth.
RetrogradeFlags RetrogradesOf(const BirthData& birth);

}  // namespace zodiora
