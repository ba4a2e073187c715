#include "retrogrades/Retrogrades.h"

#include <algorithm>
#include <chrono>
#include <iterator>

#include "engine/Engine.h"
#include "precise/Stations.h"
#include "retrogrades/PrecisePlanet.h"

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

namespace {

bool IsRetrogradeOn(std::chrono::sys_days birthDay, std::string_view planetName)
{
    const auto periods = LoadStations(planetName);
    if (!periods)
        return false;
    // The last period that turned retrograde on a day before the birth day
    // is the only one that can contain it: periods never overlap.
    const auto after = std::partition_point(periods->begin(), periods->end(), [&](const StationPeriod& period) {
        return period.retrograde.day < birthDay;
    });
    if (after == periods->begin())
        return false;
    return birthDay < std::prev(after)->direct.day;
}

}  // namespace

bool IsRetrograde(const CivilMoment& moment, std::string_view planetName)
{
    return IsRetrogradeOn(CalendarDay(moment), planetName);
}

RetrogradeFlags ComputeRetrogradeFlags(const CivilMoment& moment)
{
    // The birth day once for the five planets.
    const std::chrono::sys_days birthDay = CalendarDay(moment);
    RetrogradeFlags flags;
    for (const Body planet : RetrogradePlanets)
        flags.byBody[IndexOf(planet)] = IsRetrogradeOn(birthDay, NameOf(planet));
    return flags;
}

RetrogradeFlags RetrogradeFlagsFromMotion(double jdUt)
{
    RetrogradeFlags flags;
    for (const Body planet : RetrogradePlanets) {
        const auto speed = precise::TropicalSpeed(jdUt, *PrecisePlanetNamed(NameOf(planet)));
        flags.byBody[IndexOf(planet)] = speed && *speed < 0;
    }
    return flags;
}

RetrogradeFlags RetrogradesOf(const BirthData& birth)
{
    if (!StationTableYears.holds(birth.year)) return RetrogradeFlagsFromMotion(JulianDayUt(UniversalMomentOf(birth)));
    return ComputeRetrogradeFlags(CivilMoment{birth.year, birth.month, birth.day, birth.hour, birth.minute});
}

}  // namespace zodiora
