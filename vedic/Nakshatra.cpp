#include "vedic/Nakshatra.h"

#include <array>
#include <cmath>

#include "vedic/Quarters.h"

namespace zodiora::vedic {

namespace {

constexpr std::array<std::string_view, NakshatraCount> NakshatraNames{
    "Ashwini",          "Bharani",       "Krittika",        "Rohini",          "Mrigashira",
    "Ardra",            "Punarvasu",     "Pushya",          "Ashlesha",        "Magha",
    "Purva Phalguni",   "Uttara Phalguni", "Hasta",         "Chitra",          "Swati",
    "Vishakha",         "Anuradha",      "Jyeshtha",        "Mula",            "Purva Ashadha",
    "Uttara Ashadha",   "Shravana",      "Dhanishta",       "Shatabhisha",     "Purva Bhadrapada",
    "Uttara Bhadrapada", "Revati"};

}  // namespace

NakshatraPosition NakshatraOf(double siderealLongitude)
{
    const double q = QuarterPosition(siderealLongitude);
    const int quarter = static_cast<int>(std::floor(q));
    NakshatraPosition position;
    position.index = quarter / 4;
    position.pada = quarter % 4 + 1;
    position.lord = static_cast<DashaLord>(position.index % DashaLordCount);
    position.elapsed = q / 4 - position.index;  // q / 4 is exact: no drift past 1
    return position;
}

std::string_view NakshatraName(int index)
{
    return index >= 0 && index < NakshatraCount ? NakshatraNames[static_cast<std::size_t>(index)] : std::string_view();
}

}  // namespace zodiora::vedic
