#include "transits/RunningDasha.h"

#include "engine/Engine.h"

namespace zodiora::transits {

std::optional<RunningDasha> RunningDashaAt(const Chart& natal, double jdUt)
{
    const vedic::VimshottariDasha dasha = vedic::Vimshottari(natal.longitude(Body::Moon), JulianDayUt(natal.moment),
                                                             DaysPerYear(natal.settings.dashaYear));
    for (const vedic::Mahadasha& maha : dasha.periods) {
        if (jdUt < maha.startJd || jdUt >= maha.endJd) continue;
        for (const vedic::DashaPeriod& antar : maha.sub) {
            if (antar.startJd <= jdUt && jdUt < antar.endJd) {
                return RunningDasha{{maha.lord, maha.startJd, maha.endJd}, antar};
            }
        }
    }
    return std::nullopt;
}

}  // namespace zodiora::transits
