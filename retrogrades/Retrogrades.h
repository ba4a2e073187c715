#pragma once

#include <array>
#include <string_view>

#include "BirthData.h"
#include "PlanetDisplayNames.h"

namespace zodiora {

/// A local civil date and clock time as entered on the form.
struct CivilMoment {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
};

/// Whether `planetName` ("Mercury", "Venus", "Mars", "Jupiter", "Saturn")
/// was retrograde on the calendar date of `moment`: strictly between the
/// days of a retrograde station and the following direct station.
bool IsRetrograde(const CivilMoment& moment, std::string_view planetName);

/// Flags Mercury..Saturn for the birth's local date and rewrites all seven
/// display names, appending " (R) " to the retrograde ones.
void MarkRetrogrades(const BirthData& birth, PlanetDisplayNames& names);

}  // namespace zodiora
