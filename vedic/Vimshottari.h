#pragma once

#include <vector>

#include "vedic/DashaLord.h"

namespace zodiora::vedic {

/// Dasha years are Julian years unless another length is chosen.
inline constexpr double DaysPerDashaYear = 365.25;

/// One period of a lord; times are Julian days in universal time.
struct DashaPeriod {
    DashaLord lord = DashaLord::Ketu;
    double startJd = 0;
    double endJd = 0;
};

/// A major period and its sub-periods (antardashas), which follow one
/// another without gaps from startJd to endJd.
struct Mahadasha {
    DashaLord lord = DashaLord::Ketu;
    double startJd = 0;
    double endJd = 0;
    std::vector<DashaPeriod> sub;
};

/// The period running at birth and what was left of it.
struct DashaBalance {
    DashaLord lord = DashaLord::Ketu;
    double years = 0;  ///< unelapsed fraction of the Moon's nakshatra × the lord's years
};

struct VimshottariDasha {
    DashaBalance balance;
    /// From birth on, at least 120 years: the balance of the birth period,
    /// then whole periods in Vimshottari order; the last one shown whole even
    /// where it runs past the 120th year. The first period starts at birth
    /// and holds only the sub-periods (or part of one) left after birth.
    std::vector<Mahadasha> periods;
};

/// Vimshottari periods for a Moon at `moonSiderealLongitude` degrees at the
/// moment `birthJdUt` (Julian day, universal time). Sub-periods of a lord L
/// run from L itself in Vimshottari order, each L years × sub-lord years / 120.
/// Years are `daysPerYear` days long (a Julian year unless chosen).
VimshottariDasha Vimshottari(double moonSiderealLongitude, double birthJdUt, double daysPerYear = DaysPerDashaYear);

/// Vimshottari into `dasha`, reusing the room its lists already have: the
/// same periods without allocating, for a batch that charts one birth after
/// another.
void FillVimshottari(double moonSiderealLongitude, double birthJdUt, double daysPerYear, VimshottariDasha& dasha);

}  // namespace zodiora::vedic
