// Vimshottari below the antardasha: pratyantar, sookshma and prana periods
// tile their parents, follow the parent's lord in Vimshottari order, and the
// periods running at a date switch exactly at a boundary.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "vedic/DashaLevels.h"

using namespace zodiora::vedic;

namespace {

constexpr double BirthJd = 2451544.5;  // 2000-01-01 00:00 UT
constexpr double YearDays = 365.25;
constexpr double Krittika = 80.0 / 3.0;  // 26°40′ Aries, the Sun's nakshatra begins
constexpr double MidRohini = 40.0 + 20.0 / 3.0;

void ForEachNode(const std::vector<DashaNode>& nodes, const std::function<void(const DashaNode&)>& visit)
{
    for (const DashaNode& node : nodes) {
        visit(node);
        ForEachNode(node.sub, visit);
    }
}

}  // namespace

TEST(DashaLevels, EveryLevelTilesItsParentWithoutGaps)
{
    for (const double moon : {0.0, MidRohini, 359.99}) {
        const VimshottariDasha dasha = Vimshottari(moon, BirthJd);
        const std::vector<DashaNode> tree = DashaTree(dasha, 5, YearDays);
        int parents = 0;
        ForEachNode(tree, [&](const DashaNode& node) {
            if (node.level == 5) {
                EXPECT_TRUE(node.sub.empty());
                return;
            }
            ++parents;
            ASSERT_FALSE(node.sub.empty()) << moon << " level " << node.level;
            EXPECT_EQ(node.sub.front().startJd, node.startJd);
            EXPECT_EQ(node.sub.back().endJd, node.endJd);
            double days = 0;
            for (std::size_t k = 0; k < node.sub.size(); ++k) {
                EXPECT_EQ(node.sub[k].level, node.level + 1);
                if (k > 0) {
                    EXPECT_EQ(node.sub[k].startJd, node.sub[k - 1].endJd);
                }
                EXPECT_LT(node.sub[k].startJd, node.sub[k].endJd);
                days += node.sub[k].endJd - node.sub[k].startJd;
            }
            EXPECT_NEAR(days, node.endJd - node.startJd, 1e-6);
        });
        EXPECT_GT(parents, 9 * 9 * 9);
    }
}

TEST(DashaLevels, UncutPeriodsDivideInVimshottariProportion)
{
    // Moon at the start of Krittika: the Sun's whole 6 years lie ahead.
    const std::vector<DashaNode> tree = DashaTree(Vimshottari(Krittika, BirthJd), 3, YearDays);
    const DashaNode& sunSun = tree[0].sub[0];
    ASSERT_EQ(sunSun.lord, DashaLord::Sun);
    EXPECT_NEAR((sunSun.endJd - sunSun.startJd) / YearDays, 6.0 * 6 / 120, 1e-12);
    // The order of the verse "ina śaśi kuja rāhu jīva manda jña ketu bhṛgu":
    // the parent's own lord first, then on through the nine.
    const std::vector<DashaLord> order{DashaLord::Sun,   DashaLord::Moon,    DashaLord::Mars,
                                       DashaLord::Rahu,  DashaLord::Jupiter, DashaLord::Saturn,
                                       DashaLord::Mercury, DashaLord::Ketu,  DashaLord::Venus};
    ASSERT_EQ(sunSun.sub.size(), order.size());
    for (std::size_t k = 0; k < order.size(); ++k) {
        const DashaNode& pratyantar = sunSun.sub[k];
        EXPECT_EQ(pratyantar.lord, order[k]);
        // Sun 6 × Sun 6 × lord's years / 120²: Sun/Sun/Sun is 0.015 years (5.4 days of a 360-day year).
        EXPECT_NEAR((pratyantar.endJd - pratyantar.startJd) / YearDays, 36.0 * DashaLordYears(order[k]) / 14400.0, 1e-10);
    }
    // Deeper levels start from their own parent's lord: Sun/Sun/Moon/Moon, then Mars.
    const std::vector<DashaNode> sookshmas = SubPeriodsOf(sunSun.sub[1]);
    EXPECT_EQ(sookshmas[0].lord, DashaLord::Moon);
    EXPECT_EQ(sookshmas[1].lord, DashaLord::Mars);
    EXPECT_NEAR((sookshmas[0].endJd - sookshmas[0].startJd) / YearDays, 6.0 * 6 * 10 * 10 / 120 / 120 / 120, 1e-12);
}

TEST(DashaLevels, BirthCutsThePeriodsRunningThenAtEveryLevelButNotTheirEnds)
{
    // Mid-Rohini at Birth is five years into the Moon's period; a Moon at the
    // start of Rohini five years earlier has the same boundaries from then on.
    const double earlier = BirthJd - 5 * YearDays;
    const std::vector<DashaNode> cut = DashaPeriodsAt(Vimshottari(MidRohini, BirthJd), BirthJd, 5, YearDays);
    const std::vector<DashaNode> whole = DashaPeriodsAt(Vimshottari(40.0, earlier), BirthJd, 5, YearDays);
    ASSERT_EQ(cut.size(), 5u);
    ASSERT_EQ(whole.size(), 5u);
    for (std::size_t k = 0; k < 5; ++k) {
        EXPECT_EQ(cut[k].level, static_cast<int>(k) + 1);
        EXPECT_EQ(cut[k].lord, whole[k].lord) << "level " << k + 1;
        EXPECT_EQ(cut[k].startJd, BirthJd);
        EXPECT_NEAR(cut[k].endJd, whole[k].endJd, 1e-6) << "level " << k + 1;
    }
}

TEST(DashaLevels, RunningPeriodsSwitchExactlyAtABoundary)
{
    // Moon at 0°: Ketu from birth; Ketu/Ketu ends 7 × 7 / 120 years on.
    const VimshottariDasha dasha = Vimshottari(0.0, BirthJd);
    const double boundary = DashaTree(dasha, 2, YearDays)[0].sub[0].endJd;
    EXPECT_NEAR(boundary - BirthJd, 49.0 / 120 * YearDays, 1e-9);

    const std::vector<DashaNode> before = DashaPeriodsAt(dasha, boundary - 1e-6, 5, YearDays);
    const std::vector<DashaNode> after = DashaPeriodsAt(dasha, boundary, 5, YearDays);
    ASSERT_EQ(before.size(), 5u);
    ASSERT_EQ(after.size(), 5u);
    // Just before: at every level the last period, whose lord precedes its
    // parent's: Ketu/Ketu/Mercury/Saturn/Jupiter.
    const std::vector<DashaLord> lordsBefore{DashaLord::Ketu, DashaLord::Ketu, DashaLord::Mercury,
                                             DashaLord::Saturn, DashaLord::Jupiter};
    const std::vector<DashaLord> lordsAfter{DashaLord::Ketu, DashaLord::Venus, DashaLord::Venus, DashaLord::Venus,
                                            DashaLord::Venus};
    for (std::size_t k = 0; k < 5; ++k) {
        EXPECT_EQ(before[k].lord, lordsBefore[k]) << "level " << k + 1;
        EXPECT_EQ(after[k].lord, lordsAfter[k]) << "level " << k + 1;
        EXPECT_TRUE(after[k].sub.empty());
    }
    for (std::size_t k = 1; k < 5; ++k) {
        EXPECT_EQ(before[k].endJd, boundary);
        EXPECT_EQ(after[k].startJd, boundary);
    }
    EXPECT_EQ(DashaPeriodsAt(dasha, boundary, 2, YearDays).size(), 2u);
}

TEST(DashaLevels, NothingRunsBeforeBirthOrPastTheTable)
{
    const VimshottariDasha dasha = Vimshottari(MidRohini, BirthJd);
    EXPECT_TRUE(DashaPeriodsAt(dasha, BirthJd - 1e-6, 5, YearDays).empty());
    EXPECT_TRUE(DashaPeriodsAt(dasha, dasha.periods.back().endJd, 5, YearDays).empty());
    EXPECT_EQ(DashaPeriodsAt(dasha, dasha.periods.back().endJd - 1e-3, 5, YearDays).size(), 5u);
}

TEST(DashaLevels, TwoLevelsAreVimshottarisOwnAntardashas)
{
    const VimshottariDasha dasha = Vimshottari(MidRohini, BirthJd, 360.0);
    const std::vector<DashaNode> tree = DashaTree(dasha, 2, 360.0);
    ASSERT_EQ(tree.size(), dasha.periods.size());
    for (std::size_t m = 0; m < tree.size(); ++m) {
        ASSERT_EQ(tree[m].sub.size(), dasha.periods[m].sub.size());
        for (std::size_t a = 0; a < tree[m].sub.size(); ++a) {
            EXPECT_EQ(tree[m].sub[a].startJd, dasha.periods[m].sub[a].startJd);
            EXPECT_EQ(tree[m].sub[a].endJd, dasha.periods[m].sub[a].endJd);
            EXPECT_TRUE(tree[m].sub[a].sub.empty());
        }
    }
    EXPECT_TRUE(DashaTree(dasha, 1, 360.0)[0].sub.empty());
    EXPECT_EQ(DashaLevelName(3), "Pratyantardasha");
}
