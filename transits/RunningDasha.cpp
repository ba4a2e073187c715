#include "transits/RunningDasha.h"

#include "engine/Engine.h"
#include "vedic/DashaLevels.h"

namespace zodiora::transits {

std::optional<RunningDasha> RunningDashaAt(const Chart& natal, double jdUt)
{
    const double daysPerYear = DaysPerYear(natal.settings.dashaYear);
    const vedic::VimshottariDasha dasha =
        vedic::Vimshottari(natal.longitude(Body::Moon), JulianDayUt(natal.moment), daysPerYear);
    const std::vector<vedic::DashaNode> running = vedic::DashaPeriodsAt(dasha, jdUt, 2, daysPerYear);
    if (running.size() < 2) return std::nullopt;
    const auto period = [](const vedic::DashaNode& node) {
        return vedic::DashaPeriod{node.lord, node.startJd, node.endJd};
    };
    return RunningDasha{period(running[0]), period(running[1])};
}

}  // namespace zodiora::transits
