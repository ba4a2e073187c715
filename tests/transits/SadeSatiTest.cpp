#include <chrono>
#include <cmath>

#include <gtest/gtest.h>

#include "transits/SadeSati.h"

namespace {

using namespace zodiora::transits;
using zodiora::AyanamsaKind;

double MidnightJd(int year, unsigned month, unsigned day)
{
    using namespace std::chrono;
    return 2440587.5 + sys_days{std::chrono::year{year} / month / day}.time_since_epoch().count();
}

// Saturn (Lahiri) entered Aquarius on 2022-04-29, went back into Capricorn
// on 2022-07-12 and returned to Aquarius on 2023-01-17: for a Moon in
// Pisces the rising phase is two spans with a gap between them.
TEST(SadeSati, ARetrogradeExitAndReturnGivesTwoSpans)
{
    const auto spans = SadeSatiSpans(345.0, MidnightJd(2020, 1, 1), MidnightJd(2024, 1, 1), AyanamsaKind::Lahiri);
    ASSERT_TRUE(spans);
    ASSERT_EQ(spans->size(), 2u);
    EXPECT_EQ((*spans)[0].phase, SadeSatiPhase::Rising);
    EXPECT_NEAR((*spans)[0].startJd, MidnightJd(2022, 4, 29), 1.5);
    EXPECT_NEAR((*spans)[0].endJd, MidnightJd(2022, 7, 12), 1.5);
    EXPECT_EQ((*spans)[1].phase, SadeSatiPhase::Rising);
    EXPECT_NEAR((*spans)[1].startJd, MidnightJd(2023, 1, 17), 1.5);
    EXPECT_EQ((*spans)[1].endJd, MidnightJd(2024, 1, 1));  // cut at the end of the search

    EXPECT_FALSE(SpanAt(*spans, MidnightJd(2022, 10, 1)));  // back in Capricorn, the 11th
    ASSERT_TRUE(SpanAt(*spans, MidnightJd(2023, 6, 1)));
}

// For a Moon in Aquarius the same years run rising (Capricorn), then peak,
// back to rising during the retrograde return, and peak again: every stay
// is its own span, and a stay running at the start is cut there.
TEST(SadeSati, PhasesFollowTheSignsFromTheMoon)
{
    const auto spans = SadeSatiSpans(315.0, MidnightJd(2021, 1, 1), MidnightJd(2024, 1, 1), AyanamsaKind::Lahiri);
    ASSERT_TRUE(spans);
    ASSERT_EQ(spans->size(), 4u);
    EXPECT_EQ((*spans)[0].startJd, MidnightJd(2021, 1, 1));
    EXPECT_EQ((*spans)[0].phase, SadeSatiPhase::Rising);
    EXPECT_EQ((*spans)[1].phase, SadeSatiPhase::Peak);
    EXPECT_EQ((*spans)[2].phase, SadeSatiPhase::Rising);
    EXPECT_EQ((*spans)[3].phase, SadeSatiPhase::Peak);
    for (std::size_t k = 1; k < spans->size(); ++k) EXPECT_EQ((*spans)[k].startJd, (*spans)[k - 1].endJd);
}

}  // namespace
