#include "retrogrades/Retrogrades.h"

#include <algorithm>
#include <chrono>
#include <iterator>

namespace zodiora {

namespace {

/// Day number of the moment's calendar date. Out-of-range days roll over
/// into the next month, as the form's date arithmetic does.
std::chrono::sys_days CalendarDay(const CivilMoment& moment)
{
    using namespace std::chrono;
    return sys_days{year{moment.year} / month{static_cast<unsigned>(moment.month)} / day{1}} +
           days{moment.day - 1};
}

}  // namespace

bool IsRetrograde(const CivilMoment& moment, std::string_view planetName)
{
    const auto periods = LoadStations(planetName);
    if (!periods)
        return false;
    const std::chrono::sys_days birthDay = CalendarDay(moment);
    // The last period that turned retrograde on a day before the birth day
    // is the only one that can contain it: periods never overlap.
    const auto after = std::partition_point(periods->begin(), periods->end(), [&](const StationPeriod& period) {
        return period.retrograde.day < birthDay;
    });
    if (after == periods->begin())
        return false;
    return birthDay < std::prev(after)->direct.day;
}

RetrogradeFlags ComputeRetrogradeFlags(const CivilMoment& moment)
{
    RetrogradeFlags flags;
    for (const Body planet : RetrogradePlanets)
        flags.byBody[IndexOf(planet)] = IsRetrograde(moment, NameOf(planet));
    return flags;
}

RetrogradeFlags RetrogradesOf(const BirthData& birth)
{
    return ComputeRetrogradeFlags(CivilMoment{birth.year, birth.month, birth.day, birth.hour, birth.minute});
}

}  // namespace zodiora
