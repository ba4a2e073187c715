#include "vedic/DashaLord.h"

namespace zodiora::vedic {

namespace {

constexpr std::array<std::string_view, DashaLordCount> LordNames{"Ketu", "Venus",   "Sun",    "Moon",   "Mars",
                                                              "Rahu", "Jupiter", "Saturn", "Mercury"};

constexpr int SumOfYears()
{
    int sum = 0;
    for (int years : DashaYears) {
        sum += years;
    }
    return sum;
}
static_assert(SumOfYears() == DashaCycleYears, "the nine periods make one 120-year cycle");

}  // namespace

std::string_view DashaLordName(DashaLord lord)
{
    return LordNames[static_cast<std::size_t>(lord)];
}

}  // namespace zodiora::vedic
