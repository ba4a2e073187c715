#pragma once

#include <string_view>
#include <vector>

#include "vedic/Vimshottari.h"

namespace zodiora::vedic {

/// Vimshottari is read to five levels: maha (1), antar (2), pratyantar (3),
/// sookshma (4) and prana (5) dasha.
inline constexpr int DashaLevelCount = 5;

/// "Mahadasha", "Antardasha", "Pratyantardasha", "Sookshma dasha", "Prana dasha" for levels 1..5.
std::string_view DashaLevelName(int level);

/// A period at any level with what its own sub-periods need: the length it
/// has uncut (birth cuts the start of the periods running then).
struct DashaNode {
    int level = 1;  ///< 1 = mahadasha .. 5 = prana dasha
    DashaLord lord = DashaLord::Ketu;
    double startJd = 0;   ///< Julian day, UT; birth for the periods running then
    double endJd = 0;
    double fullDays = 0;  ///< uncut length in days; the uncut start is endJd - fullDays
    std::vector<DashaNode> sub;  ///< filled to the depth asked for, else empty
};

/// The periods one level below `parent`: nine, from the parent's own lord in
/// Vimshottari order, sub-lord k lasting parent's uncut length × years(k) /
/// 120 (BPHS, the Vimshottari chapters: each level divides its parent as
/// the 120 years divide among the lords). Those ended by parent.startJd are left out, the
/// one running then starts there; they tile the parent exactly. Empty at level 5.
std::vector<DashaNode> SubPeriodsOf(const DashaNode& parent);

/// Vimshottari's periods to `levels` deep (1..5): mahadashas and, from level
/// 2, the antardashas exactly as Vimshottari() gives them, then each level
/// from SubPeriodsOf. `daysPerYear` must be the year `dasha` was made with.
std::vector<DashaNode> DashaTree(const VimshottariDasha& dasha, int levels, double daysPerYear);

/// The periods running at Julian day `jdUt`, one per level from the
/// mahadasha down to `levels` (1..5), each without sub-periods. A period
/// runs from its start up to, not including, its end. Empty before birth or
/// past the table's last period.
std::vector<DashaNode> DashaPeriodsAt(const VimshottariDasha& dasha, double jdUt, int levels, double daysPerYear);

}  // namespace zodiora::vedic
