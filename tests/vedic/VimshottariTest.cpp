// Vimshottari periods: the balance at birth, the nine lengths, sub-periods
// that tile their period, a sub-period boundary at birth, and the cycle's end.
#include <gtest/gtest.h>

#include <vector>

#include "vedic/LocalDate.h"
#include "vedic/Vimshottari.h"

using namespace zodiora::vedic;

namespace {

constexpr double Birth = 2451544.5;  // 2000-01-01 00:00 UT
constexpr double Year = 365.25;
constexpr double Rohini = 40.0;       // start of the Moon's nakshatra
constexpr double Span = 40.0 / 3.0;   // one nakshatra

std::vector<DashaLord> Lords(const std::vector<DashaPeriod>& periods)
{
    std::vector<DashaLord> lords;
    for (const DashaPeriod& p : periods) {
        lords.push_back(p.lord);
    }
    return lords;
}

double Years(double startJd, double endJd)
{
    return (endJd - startJd) / Year;
}

}  // namespace

TEST(Vimshottari, BalanceIsTheUnelapsedPartOfTheMoonsNakshatra)
{
    const VimshottariDasha midRohini = Vimshottari(Rohini + Span / 2, Birth);
    EXPECT_EQ(midRohini.balance.lord, DashaLord::Moon);
    EXPECT_NEAR(midRohini.balance.years, 5.0, 1e-12);

    // 28°01′ Gemini: Punarvasu (Jupiter, 16 years) from 80°, 8°01′ gone.
    const VimshottariDasha gemini = Vimshottari(88.0167, Birth);
    EXPECT_EQ(gemini.balance.lord, DashaLord::Jupiter);
    EXPECT_NEAR(gemini.balance.years, 16 * (93.0 + 1.0 / 3 - 88.0167) / Span, 1e-9);
    EXPECT_NEAR(Years(gemini.periods[0].startJd, gemini.periods[0].endJd), gemini.balance.years, 1e-9);
    EXPECT_EQ(gemini.periods[0].startJd, Birth);
}

TEST(Vimshottari, NineWholePeriodsMakeOneHundredTwentyYears)
{
    const VimshottariDasha dasha = Vimshottari(0.0, Birth);  // Ashwini begins: all of Ketu ahead
    ASSERT_EQ(dasha.periods.size(), 9u);
    const std::vector<int> years{7, 20, 6, 10, 7, 18, 16, 19, 17};
    double total = 0;
    for (std::size_t k = 0; k < 9; ++k) {
        EXPECT_EQ(static_cast<int>(dasha.periods[k].lord), static_cast<int>(k));
        EXPECT_NEAR(Years(dasha.periods[k].startJd, dasha.periods[k].endJd), years[k], 1e-9);
        total += Years(dasha.periods[k].startJd, dasha.periods[k].endJd);
    }
    EXPECT_NEAR(total, 120.0, 1e-9);
    EXPECT_NEAR(dasha.periods.back().endJd - Birth, 120 * Year, 1e-6);
}

TEST(Vimshottari, SubPeriodsTileTheirPeriodInOrderFromItsOwnLord)
{
    for (double moon : {0.0, 88.0167, Rohini + Span / 2, 359.9997}) {
        const VimshottariDasha dasha = Vimshottari(moon, Birth);
        for (std::size_t k = 0; k < dasha.periods.size(); ++k) {
            const Mahadasha& period = dasha.periods[k];
            ASSERT_FALSE(period.sub.empty());
            if (k > 0) {
                EXPECT_EQ(period.startJd, dasha.periods[k - 1].endJd);
                ASSERT_EQ(period.sub.size(), 9u);
                EXPECT_EQ(period.sub.front().lord, period.lord);
                EXPECT_EQ(period.sub.back().lord, static_cast<DashaLord>((static_cast<int>(period.lord) + 8) % 9));
            }
            EXPECT_EQ(period.sub.front().startJd, period.startJd);
            EXPECT_EQ(period.sub.back().endJd, period.endJd);
            for (std::size_t s = 1; s < period.sub.size(); ++s) {
                EXPECT_EQ(period.sub[s].startJd, period.sub[s - 1].endJd);
                EXPECT_EQ(period.sub[s].lord, NextDashaLord(period.sub[s - 1].lord));
                EXPECT_GT(period.sub[s].endJd, period.sub[s].startJd);
            }
        }
    }
    // Venus: Venus 20×20/120, then Sun 20×6/120 = 1 year, then Moon 20×10/120.
    const VimshottariDasha fromKetu = Vimshottari(0.0, Birth);
    const Mahadasha& venus = fromKetu.periods[1];
    EXPECT_NEAR(Years(venus.sub[0].startJd, venus.sub[0].endJd), 20.0 / 6, 1e-9);
    EXPECT_NEAR(Years(venus.sub[1].startJd, venus.sub[1].endJd), 1.0, 1e-9);
    EXPECT_NEAR(Years(venus.sub[2].startJd, venus.sub[2].endJd), 10.0 / 6, 1e-9);
}

TEST(Vimshottari, FirstPeriodKeepsOnlyWhatFollowsBirth)
{
    // Mid-Rohini: 5 of the Moon's 10 years gone. Moon 0.8333 + Mars 0.5833 +
    // Rahu 1.5 + Jupiter 1.3333 = 4.25, so Saturn (1.5833) runs at birth
    // with 0.8333 left.
    const Mahadasha first = Vimshottari(Rohini + Span / 2, Birth).periods[0];
    EXPECT_EQ(Lords(first.sub), (std::vector<DashaLord>{DashaLord::Saturn, DashaLord::Mercury, DashaLord::Ketu,
                                                         DashaLord::Venus, DashaLord::Sun}));
    EXPECT_NEAR(Years(first.sub[0].startJd, first.sub[0].endJd), 4.25 + 19 / 12.0 - 5, 1e-9);
    EXPECT_NEAR(Years(first.sub[1].startJd, first.sub[1].endJd), 10.0 * 17 / 120, 1e-9);

    // 4.25 years gone exactly (Moon at 45°40′): Jupiter has just ended, so
    // Saturn starts at birth whole and no sliver of Jupiter is left.
    const Mahadasha atBoundary = Vimshottari(45 + 40 / 60.0, Birth).periods[0];
    ASSERT_EQ(atBoundary.sub.front().lord, DashaLord::Saturn);
    EXPECT_NEAR(Years(atBoundary.sub[0].startJd, atBoundary.sub[0].endJd), 10.0 * 19 / 120, 1e-9);
}

TEST(Vimshottari, SequenceCrossesIntoTheNextCycle)
{
    const VimshottariDasha midRohini = Vimshottari(Rohini + Span / 2, Birth);
    ASSERT_EQ(midRohini.periods.size(), 10u);
    EXPECT_EQ(midRohini.periods.front().lord, DashaLord::Moon);
    EXPECT_EQ(midRohini.periods.back().lord, DashaLord::Moon);
    EXPECT_NEAR(midRohini.periods.back().startJd - Birth, 115 * Year, 1e-6);
    EXPECT_NEAR(midRohini.periods.back().endJd - Birth, 125 * Year, 1e-6);
    EXPECT_EQ(midRohini.periods.back().sub.size(), 9u);

    // Last second of Pisces: a sliver of Mercury, then a full cycle from Ketu
    // that ends with a whole Mercury again.
    const VimshottariDasha revati = Vimshottari(359 + 59 / 60.0 + 59 / 3600.0, Birth);
    ASSERT_EQ(revati.periods.size(), 10u);
    EXPECT_EQ(revati.balance.lord, DashaLord::Mercury);
    EXPECT_NEAR(revati.balance.years, 17 * (1 / 3600.0) / Span, 1e-9);
    EXPECT_EQ(revati.periods[1].lord, DashaLord::Ketu);
    EXPECT_EQ(revati.periods[9].lord, DashaLord::Mercury);
    EXPECT_NEAR(Years(revati.periods[9].startJd, revati.periods[9].endJd), 17.0, 1e-9);
    EXPECT_FALSE(revati.periods[0].sub.empty());
    EXPECT_EQ(revati.periods[0].sub.back().lord, DashaLord::Saturn);
}

TEST(Vimshottari, PeriodEndsInTheLocalCalendar)
{
    // Ketu from 2000-01-01 00:00 UT for 7 × 365.25 days: 2006-12-31 18:00 UT,
    // which is already 2007 six hours east of Greenwich.
    const Mahadasha ketu = Vimshottari(0.0, Birth).periods[0];
    EXPECT_EQ(IsoDate(LocalDate(ketu.endJd, 0)), "2006-12-31");
    EXPECT_EQ(IsoDate(LocalDate(ketu.endJd, 6 * 3600 - 1)), "2006-12-31");
    EXPECT_EQ(IsoDate(LocalDate(ketu.endJd, 6 * 3600)), "2007-01-01");
    EXPECT_EQ(IsoDate(LocalDate(ketu.startJd, -3600)), "1999-12-31");
}

TEST(Vimshottari, YearLengthScalesEveryPeriodAndTheDefaultIsJulian)
{
    const VimshottariDasha julian = Vimshottari(Rohini + Span / 3, Birth);
    const VimshottariDasha byDefault = Vimshottari(Rohini + Span / 3, Birth, 365.25);
    const VimshottariDasha savana = Vimshottari(Rohini + Span / 3, Birth, 360.0);
    ASSERT_EQ(savana.periods.size(), julian.periods.size());
    EXPECT_EQ(savana.balance.years, julian.balance.years);  // years, not days
    for (std::size_t m = 0; m < julian.periods.size(); ++m) {
        EXPECT_EQ(byDefault.periods[m].endJd, julian.periods[m].endJd);
        EXPECT_NEAR(savana.periods[m].endJd - Birth, (julian.periods[m].endJd - Birth) * 360.0 / 365.25, 1e-6);
        ASSERT_EQ(savana.periods[m].sub.size(), julian.periods[m].sub.size());
        EXPECT_EQ(savana.periods[m].sub.back().endJd, savana.periods[m].endJd);
    }
    // 120 savana years are 43,200 days.
    EXPECT_NEAR(Vimshottari(0.0, Birth, 360.0).periods[8].endJd - Birth, 43200.0, 1e-6);
}

TEST(Vimshottari, PeriodsAfterAKrittikaMoonRunInThePublishedOrderByName)
{
    // Krittika (26°40' to 40° Aries-Taurus) is the Sun's; the periods then run
    // Sun, Moon, Mars, Rahu, Jupiter, Saturn, Mercury, Ketu, Venus (BPHS, the
    // chapter on Vimshottari dasha). Names, not just the enum: the tables print them.
    const VimshottariDasha dasha = Vimshottari(30.0, Birth);
    ASSERT_GE(dasha.periods.size(), 9u);
    std::vector<std::string_view> names;
    for (std::size_t k = 0; k < 9; ++k) names.push_back(DashaLordName(dasha.periods[k].lord));
    EXPECT_EQ(names, (std::vector<std::string_view>{"Sun", "Moon", "Mars", "Rahu", "Jupiter", "Saturn", "Mercury",
                                                    "Ketu", "Venus"}));
}

// A table refilled for one Moon after another (the batch keeps one per
// thread) holds exactly what a fresh one would: no period or sub-period of
// an earlier chart is left over, whether the new table is longer or shorter.
TEST(Vimshottari, RefilledTableEqualsAFreshOne)
{
    VimshottariDasha reused;
    // From a Moon near a nakshatra's end (many periods in the first lord's
    // tail) to one at a start and back, across lords and years.
    for (const double moon : {Rohini + Span - 1e-9, Rohini, 359.999, 0.0, 123.4, Rohini + Span / 2}) {
        for (const double days : {Year, 360.0}) {
            FillVimshottari(moon, Birth, days, reused);
            const VimshottariDasha fresh = Vimshottari(moon, Birth, days);
            EXPECT_EQ(reused.balance.lord, fresh.balance.lord);
            EXPECT_EQ(reused.balance.years, fresh.balance.years);
            ASSERT_EQ(reused.periods.size(), fresh.periods.size()) << moon;
            for (std::size_t k = 0; k < fresh.periods.size(); ++k) {
                const Mahadasha& a = reused.periods[k];
                const Mahadasha& b = fresh.periods[k];
                EXPECT_EQ(a.lord, b.lord);
                EXPECT_EQ(a.startJd, b.startJd);
                EXPECT_EQ(a.endJd, b.endJd);
                ASSERT_EQ(Lords(a.sub), Lords(b.sub)) << moon << " period " << k;
                for (std::size_t j = 0; j < b.sub.size(); ++j) {
                    EXPECT_EQ(a.sub[j].startJd, b.sub[j].startJd);
                    EXPECT_EQ(a.sub[j].endJd, b.sub[j].endJd);
                }
            }
        }
    }
}
