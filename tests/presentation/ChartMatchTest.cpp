// The texts of a match: each koota's reason for the worked pair, the
// cancellations with their books, and the Kuja dosha line.
#include <gtest/gtest.h>

#include "presentation/ChartMatch.h"

using namespace zodiora;
using namespace zodiora::matching;

namespace {

// A chart with only the points matching reads.
Chart ChartWith(double ascendant, double moon, double venus, double mars, double jupiter)
{
    Chart chart;
    chart.longitudes[IndexOf(Body::Ascendant)] = ascendant;
    chart.longitudes[IndexOf(Body::Moon)] = moon;
    chart.longitudes[IndexOf(Body::Venus)] = venus;
    chart.longitudes[IndexOf(Body::Mars)] = mars;
    chart.longitudes[IndexOf(Body::Jupiter)] = jupiter;
    return chart;
}

}  // namespace

TEST(ChartMatch, ReasonsOfTheWorkedPair)
{
    // Boy's Moon in Anuradha (Scorpio 10°), girl's in Revati (Pisces 20°).
    const ChartMatch match = MatchCharts(ChartWith(0, 220, 0, 0, 0), ChartWith(0, 350, 0, 0, 0));
    const KootaMatch& k = match.kootas;
    EXPECT_EQ(KootaReason(k, Koota::Varna), "boy Brahmin, girl Brahmin: the boy's varna is not lower");
    EXPECT_EQ(KootaReason(k, Koota::Vashya), "boy Keeta, girl Jalachara");
    EXPECT_EQ(KootaReason(k, Koota::Tara),
              "boy's star the 18th (remainder 0, good) from the girl's, hers the 11th (remainder 2, good)");
    EXPECT_EQ(KootaReason(k, Koota::Yoni), "boy Deer, girl Elephant: neutral");
    EXPECT_EQ(KootaReason(k, Koota::GrahaMaitri), "Mars and Jupiter: friends both ways");
    EXPECT_EQ(KootaReason(k, Koota::Gana), "boy Deva, girl Deva");
    EXPECT_EQ(KootaReason(k, Koota::Bhakoot),
              "Scorpio is the 9th from Pisces, Pisces the 5th from Scorpio: 9/5, a dosha");
    EXPECT_EQ(KootaReason(k, Koota::Nadi), "boy Madhya, girl Antya");
    ASSERT_EQ(k.cancellations.size(), 1u);
    EXPECT_EQ(CancellationText(k, k.cancellations[0]),
              "Bhakoot dosha: the Moon signs' lords, Mars and Jupiter, are friends of each other");
    EXPECT_EQ(PointsText(k.total()), "26");
}

TEST(ChartMatch, OneWayRelationsAndANadiDosha)
{
    // Boy's Moon in Cancer (Pushya), girl's in Gemini (Ardra): the Moon
    // counts Mercury a friend, Mercury the Moon an enemy.
    const KootaMatch k = MatchCharts(ChartWith(0, 95, 0, 0, 0), ChartWith(0, 70, 0, 0, 0)).kootas;
    EXPECT_EQ(KootaReason(k, Koota::GrahaMaitri), "Moon counts Mercury a friend, Mercury counts Moon an enemy");
    EXPECT_EQ(KootaReason(k, Koota::Varna), "boy Brahmin, girl Shudra: the boy's varna is not lower");
    // Ashwini and Ardra are both Adi.
    const KootaMatch same = MatchCharts(ChartWith(0, 5, 0, 0, 0), ChartWith(0, 70, 0, 0, 0)).kootas;
    EXPECT_EQ(KootaReason(same, Koota::Nadi), "both Adi: a Nadi dosha");
    EXPECT_EQ(PointsText(same.score(Koota::Tara).points), "1.5");
}

TEST(ChartMatch, SignsFromTheChart)
{
    const ManglikSigns signs = ManglikSignsOf(ChartWith(10, 40, 70, 100, 359.9));
    EXPECT_EQ(signs.lagna, 0);
    EXPECT_EQ(signs.moon, 1);
    EXPECT_EQ(signs.venus, 2);
    EXPECT_EQ(signs.mars, 3);
    EXPECT_EQ(signs.jupiter, 11);
}

TEST(ChartMatch, ManglikLines)
{
    // Lagna Sagittarius, Mars in Gemini: the 7th; Moon in Leo (the 11th),
    // Venus in Cancer (the 12th).
    ManglikFinding finding = MatchCharts(ChartWith(245, 125, 95, 65, 35), ChartWith(0, 0, 0, 0, 0)).boy;
    EXPECT_EQ(ManglikSummary(finding), "Manglik: Mars in Gemini, the 7th from the Lagna, the 12th from Venus");
    finding = ManglikOf({2, 2, 2, 4, 4});
    EXPECT_EQ(ManglikSummary(finding), "not Manglik: Mars in Leo, the 3rd from the Lagna, the 3rd from the Moon, "
                                       "the 3rd from Venus");
    EXPECT_EQ(ManglikExceptionSource(ManglikException::HouseSign), "B.V. Raman");
    EXPECT_EQ(ManglikExceptionText(ManglikException::LeoOrAquarius), "Mars in Leo or Aquarius");
}

TEST(ChartMatch, BothManglik)
{
    const Chart manglik = ChartWith(0, 0, 0, 0, 120);  // Mars with the Lagna, Moon and Venus
    const Chart free = ChartWith(0, 0, 0, 65, 120);    // Mars the 3rd from all three
    EXPECT_TRUE(MatchCharts(manglik, manglik).bothManglik());
    EXPECT_FALSE(MatchCharts(manglik, free).bothManglik());
}

TEST(ChartMatch, Ordinals)
{
    EXPECT_EQ(Ordinal(1), "1st");
    EXPECT_EQ(Ordinal(2), "2nd");
    EXPECT_EQ(Ordinal(3), "3rd");
    EXPECT_EQ(Ordinal(11), "11th");
    EXPECT_EQ(Ordinal(12), "12th");
    EXPECT_EQ(Ordinal(13), "13th");
    EXPECT_EQ(Ordinal(21), "21st");
    EXPECT_EQ(Ordinal(22), "22nd");
}
