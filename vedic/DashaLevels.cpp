#include "vedic/DashaLevels.h"

#include <array>
#include <cstddef>

namespace zodiora::vedic {

namespace {

// Boundaries closer than this (under a millisecond) to the parent's start
// are taken as equal, so rounding cannot leave a sliver of a period.
constexpr double DayEpsilon = 1e-8;

DashaNode NodeOf(const Mahadasha& period, double daysPerYear)
{
    return DashaNode{1, period.lord, period.startJd, period.endJd, DashaLordYears(period.lord) * daysPerYear, {}};
}

// The antardashas as Vimshottari() made them, so two levels stay as they were.
std::vector<DashaNode> AntarsOf(const Mahadasha& period, const DashaNode& parent)
{
    std::vector<DashaNode> antars;
    antars.reserve(period.sub.size());
    for (const DashaPeriod& sub : period.sub) {
        const double days = parent.fullDays * DashaLordYears(sub.lord) / DashaCycleYears;
        antars.push_back(DashaNode{2, sub.lord, sub.startJd, sub.endJd, days, {}});
    }
    return antars;
}

void Deepen(DashaNode& node, int levels)
{
    if (node.level >= levels) return;
    node.sub = SubPeriodsOf(node);
    for (DashaNode& sub : node.sub) Deepen(sub, levels);
}

const DashaNode* RunningAt(const std::vector<DashaNode>& periods, double jd)
{
    for (const DashaNode& period : periods) {
        if (period.startJd <= jd && jd < period.endJd) return &period;
    }
    return nullptr;
}

}  // namespace

std::string_view DashaLevelName(int level)
{
    static constexpr std::array<std::string_view, DashaLevelCount> Names{
        "Mahadasha", "Antardasha", "Pratyantardasha", "Sookshma dasha", "Prana dasha"};
    return level >= 1 && level <= DashaLevelCount ? Names[static_cast<std::size_t>(level - 1)] : std::string_view{};
}

std::vector<DashaNode> SubPeriodsOf(const DashaNode& parent)
{
    std::vector<DashaNode> subs;
    if (parent.level >= DashaLevelCount) return subs;
    subs.reserve(DashaLordCount);
    const double fullStart = parent.endJd - parent.fullDays;
    DashaLord lord = parent.lord;
    double endDays = 0;  // from the uncut start
    for (int k = 0; k < DashaLordCount; ++k, lord = NextDashaLord(lord)) {
        const double days = parent.fullDays * DashaLordYears(lord) / DashaCycleYears;
        endDays += days;
        const double endJd = fullStart + endDays;
        if (endJd <= parent.startJd + DayEpsilon) continue;
        const double startJd = subs.empty() ? parent.startJd : subs.back().endJd;
        subs.push_back(DashaNode{parent.level + 1, lord, startJd, endJd, days, {}});
    }
    // The last sub-period ends with its parent, exactly.
    if (!subs.empty()) subs.back().endJd = parent.endJd;
    return subs;
}

std::vector<DashaNode> DashaTree(const VimshottariDasha& dasha, int levels, double daysPerYear)
{
    std::vector<DashaNode> tree;
    tree.reserve(dasha.periods.size());
    for (const Mahadasha& period : dasha.periods) {
        DashaNode maha = NodeOf(period, daysPerYear);
        if (levels >= 2) {
            maha.sub = AntarsOf(period, maha);
            for (DashaNode& antar : maha.sub) Deepen(antar, levels);
        }
        tree.push_back(std::move(maha));
    }
    return tree;
}

std::vector<DashaNode> DashaPeriodsAt(const VimshottariDasha& dasha, double jdUt, int levels, double daysPerYear)
{
    std::vector<DashaNode> running;
    const Mahadasha* maha = nullptr;
    for (const Mahadasha& period : dasha.periods) {
        if (period.startJd <= jdUt && jdUt < period.endJd) maha = &period;
    }
    if (maha == nullptr || levels < 1) return running;
    running.push_back(NodeOf(*maha, daysPerYear));
    if (levels >= 2) {
        const std::vector<DashaNode> antars = AntarsOf(*maha, running.back());
        const DashaNode* antar = RunningAt(antars, jdUt);
        if (antar == nullptr) return {};
        running.push_back(*antar);
    }
    while (static_cast<int>(running.size()) < levels) {
        const std::vector<DashaNode> subs = SubPeriodsOf(running.back());
        const DashaNode* sub = RunningAt(subs, jdUt);
        if (sub == nullptr) return {};
        running.push_back(*sub);
    }
    return running;
}

}  // namespace zodiora::vedic
