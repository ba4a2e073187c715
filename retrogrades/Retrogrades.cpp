#include "retrogrades/Retrogrades.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <vector>

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

/// One planet's periods as two rows of day numbers, so the search walks
/// packed 4-byte keys rather than whole period records (the batch asks five
/// planets for every chart).
struct PeriodDays {
    std::vector<std::int32_t> retrograde;  ///< day each period turned retrograde, ascending
    std::vector<std::int32_t> direct;      ///< day the same period turned direct
};

/// PeriodDays of each of RetrogradePlanets, in that order; made from the
/// compiled tables on first use.
const std::array<PeriodDays, RetrogradePlanets.size()>& DaysOfPlanets()
{
    static const auto days = [] {
        std::array<PeriodDays, RetrogradePlanets.size()> rows;
        for (std::size_t k = 0; k < RetrogradePlanets.size(); ++k) {
            const auto periods = LoadStations(NameOf(RetrogradePlanets[k]));
            if (!periods) continue;
            rows[k].retrograde.reserve(periods->size());
            rows[k].direct.reserve(periods->size());
            for (const StationPeriod& period : *periods) {
                rows[k].retrograde.push_back(static_cast<std::int32_t>(period.retrograde.day.time_since_epoch().count()));
                rows[k].direct.push_back(static_cast<std::int32_t>(period.direct.day.time_since_epoch().count()));
            }
        }
        return rows;
    }();
    return days;
}

bool IsRetrogradeOn(std::chrono::sys_days birthDay, const PeriodDays& days)
{
    const auto day = static_cast<std::int32_t>(birthDay.time_since_epoch().count());
    // The last period that turned retrograde on a day before the birth day
    // is the only one that can contain it: periods never overlap.
    const auto after = std::lower_bound(days.retrograde.begin(), days.retrograde.end(), day);
    if (after == days.retrograde.begin())
        return false;
    return day < days.direct[static_cast<std::size_t>(after - days.retrograde.begin()) - 1];
}

}  // namespace

bool IsRetrograde(const CivilMoment& moment, std::string_view planetName)
{
    for (std::size_t k = 0; k < RetrogradePlanets.size(); ++k) {
        if (NameOf(RetrogradePlanets[k]) == planetName) return IsRetrogradeOn(CalendarDay(moment), DaysOfPlanets()[k]);
    }
    return false;
}

RetrogradeFlags ComputeRetrogradeFlags(const CivilMoment& moment)
{
    // The birth day once for the five planets.
    const std::chrono::sys_days birthDay = CalendarDay(moment);
    const auto& days = DaysOfPlanets();
    RetrogradeFlags flags;
    for (std::size_t k = 0; k < RetrogradePlanets.size(); ++k)
        flags.byBody[IndexOf(RetrogradePlanets[k])] = IsRetrogradeOn(birthDay, days[k]);
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
