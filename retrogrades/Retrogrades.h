#pragma once

#include <array>
#include <string_view>

#include "BirthData.h"
#include "PlanetDisplayNames.h"
#include "StationTables.h"

namespace zodiora {

/// A local civil date and clock time as entered on the form.
struct CivilMoment {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
};

/// The five planets that can be retrograde, in flag order.
inline constexpr std::array<std::string_view, 5> RetrogradePlanets{
    "Mercury", "Venus", "Mars", "Jupiter", "Saturn"};

/// One flag per planet of RetrogradePlanets: true when retrograde.
using RetrogradeFlags = std::array<bool, 5>;

/// The mark appended to a retrograde planet's display name.
inline constexpr std::string_view RetrogradeMark = " (R) ";

/// Whether `planetName` ("Mercury", "Venus", "Mars", "Jupiter", "Saturn")
/// was retrograde on the calendar date of `moment`: strictly between the
/// days of a retrograde station and the following direct station. Hour and
/// minute are ignored; any other planet name gives false.
bool IsRetrograde(const CivilMoment& moment, std::string_view planetName);

/// The five flags for the calendar date of `moment`.
RetrogradeFlags ComputeRetrogradeFlags(const CivilMoment& moment);

/// Flags Mercury..Saturn for the birth's local date and rewrites all seven
/// display names, appending " (R) " to the retrograde ones.
void MarkRetrogrades(const BirthData& birth, PlanetDisplayNames& names);

/// As above, also handing back the five flags it applied.
void MarkRetrogrades(const BirthData& birth, PlanetDisplayNames& names, RetrogradeFlags& flags);

}  // namespace zodiora
