#include "vedic/Vimshottari.h"

#include "vedic/Nakshatra.h"

namespace zodiora::vedic {

namespace {

// Boundaries closer than this (about 3 ms) to birth or to the cycle's end
// are taken as equal, so rounding cannot leave a sliver of a period.
constexpr double YearEpsilon = 1e-10;

/// Fills the sub-periods of `period` whose full length began `elapsedYears`
/// before period.startJd; those ended by then are left out, the one running
/// then is cut at startJd.
void AddSubPeriods(Mahadasha& period, double elapsedYears, double daysPerYear)
{
    const double years = DashaLordYears(period.lord);
    period.sub.reserve(DashaLordCount);
    DashaLord lord = period.lord;
    double endYears = 0;  // from the period's full start
    for (int k = 0; k < DashaLordCount; ++k, lord = NextDashaLord(lord)) {
        const double startYears = endYears;
        endYears += years * DashaLordYears(lord) / DashaCycleYears;
        if (endYears <= elapsedYears + YearEpsilon) {
            continue;
        }
        DashaPeriod sub;
        sub.lord = lord;
        sub.startJd = startYears <= elapsedYears ? period.startJd
                                                 : period.startJd + (startYears - elapsedYears) * daysPerYear;
        sub.endJd = period.startJd + (endYears - elapsedYears) * daysPerYear;
        period.sub.push_back(sub);
    }
    // The last sub-period ends with its period, exactly.
    period.sub.back().endJd = period.endJd;
}

}  // namespace

void FillVimshottari(double moonSiderealLongitude, double birthJdUt, double daysPerYear, VimshottariDasha& dasha)
{
    const NakshatraPosition moon = NakshatraOf(moonSiderealLongitude);
    dasha.balance.lord = moon.lord;
    dasha.balance.years = (1.0 - moon.elapsed) * DashaLordYears(moon.lord);
    dasha.periods.reserve(DashaLordCount + 1);

    DashaLord lord = moon.lord;
    double startJd = birthJdUt;
    double coveredYears = 0;
    double elapsedYears = DashaLordYears(lord) - dasha.balance.years;
    std::size_t count = 0;
    while (coveredYears < DashaCycleYears - YearEpsilon) {
        const double years = DashaLordYears(lord) - elapsedYears;
        // Periods already there are overwritten, their sub-period lists
        // cleared but keeping their room.
        if (count == dasha.periods.size()) dasha.periods.emplace_back();
        Mahadasha& period = dasha.periods[count++];
        period.lord = lord;
        period.startJd = startJd;
        period.endJd = startJd + years * daysPerYear;
        period.sub.clear();
        AddSubPeriods(period, elapsedYears, daysPerYear);
        coveredYears += years;
        startJd = period.endJd;
        elapsedYears = 0;
        lord = NextDashaLord(lord);
    }
    dasha.periods.resize(count);
}

VimshottariDasha Vimshottari(double moonSiderealLongitude, double birthJdUt, double daysPerYear)
{
    VimshottariDasha dasha;
    FillVimshottari(moonSiderealLongitude, birthJdUt, daysPerYear, dasha);
    return dasha;
}

}  // namespace zodiora::vedic
