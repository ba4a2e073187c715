#include "margins/StationContext.h"

#include <cstdlib>

#include "retrogrades/Retrogrades.h"
#include "retrogrades/StationsInYears.h"

namespace zodiora::margins {

std::vector<StationContext> StationsAround(const Chart& chart)
{
    using namespace std::chrono;
    const UniversalMoment& moment = chart.moment;
    const sys_days birthDay = sys_days{year{moment.localYear} / month{static_cast<unsigned>(moment.localMonth)} /
                                       day{static_cast<unsigned>(moment.localDay)}};
    const auto near = [&](sys_days station) { return std::abs((station - birthDay).count()) <= StationNearDays; };
    std::vector<StationContext> context;
    for (const Body planet : RetrogradePlanets) {
        // A period around the birth turns retrograde at most a year before it: the
        // tables in their years, the precise ephemeris's stations outside them.
        const auto periods = StationsInYears(NameOf(planet), moment.localYear - 1, moment.localYear + 1);
        if (!periods) continue;
        for (const StationSpan& period : *periods) {
            if (period.retrograde.day > birthDay + days{StationNearDays}) break;
            const bool inside = period.retrograde.day < birthDay && birthDay < period.direct.day;
            if (inside || near(period.retrograde.day) || near(period.direct.day)) {
                context.push_back({planet, period.retrograde.day, period.direct.day, inside});
                break;
            }
        }
    }
    return context;
}

}  // namespace zodiora::margins
