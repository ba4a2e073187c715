#include "ChartDisplay.h"

#include <array>
#include <string_view>

#include "PositionText.h"
#include "SignNames.h"

namespace zodiora {

namespace {

constexpr std::string_view LineBreak = "\r\n";

constexpr std::array<const char*, 12> MonthNames{"January", "February", "March",     "April",   "May",      "June",
                                                 "July",    "August",   "September", "October", "November", "December"};

std::string_view Trim(std::string_view t)
{
    while (!t.empty() && t.front() == ' ') t.remove_prefix(1);
    while (!t.empty() && t.back() == ' ') t.remove_suffix(1);
    return t;
}

std::string_view LastThree(std::string_view t)
{
    return t.size() >= 3 ? t.substr(t.size() - 3) : t;
}

std::string Angle(int degrees, int minutes, const char* hemisphere)
{
    return std::to_string(degrees) + "\xC2\xB0 " + std::to_string(minutes) + "'" + hemisphere;
}

}  // namespace

std::string MonthName(int month)
{
    return month >= 1 && month <= 12 ? MonthNames[static_cast<std::size_t>(month - 1)] : "";
}

ChartDisplay BuildChartDisplay(const BirthData& birth, const ChartPositions& chart, const PlanetDisplayNames& names)
{
    ChartDisplay display;
    display.positions = chart.slotTexts;
    display.rashi = chart.moonSignText;

    const int sunSign = SignIndexOfAbbreviation(SignFieldOfShortText(Trim(chart.slotTexts[SunSlot])));
    if (sunSign >= 0) {
        display.sunSign = SignNames[static_cast<std::size_t>(sunSign)];
    }
    const int lagna = SignIndexOfAbbreviation(LastThree(Trim(chart.ascendantLongText)));
    if (lagna >= 0) {
        display.lagna = MoonSignNames[static_cast<std::size_t>(lagna)];
    }

    display.details.name = birth.name;
    display.details.dob = MonthName(birth.month) + "/" + std::to_string(birth.day) + "/" + std::to_string(birth.year);
    display.details.tob = std::to_string(birth.hour) + ":" + std::to_string(birth.minute);
    display.details.latitude = Angle(birth.latDegrees, birth.latMinutes, birth.south ? " S" : " N");
    display.details.longitude = Angle(birth.lonDegrees, birth.lonMinutes, birth.east ? " E" : " W");
    display.details.city = birth.city;
    display.details.state = birth.state;
    display.details.country = birth.country;

    // Sun..Saturn, then the Ascendant last; Uranus..Pluto stay off the wheel.
    for (int k = SunSlot; k <= SaturnSlot; ++k) {
        const int sign = SignIndexOfAbbreviation(SignFieldOfShortText(chart.slotTexts[static_cast<std::size_t>(k)]));
        if (sign >= 0) {
            display.signBoxTexts[static_cast<std::size_t>(sign)].append(LineBreak).append(
                names.names[static_cast<std::size_t>(k)]);
        }
    }
    const int ascendantSign = SignIndexOfAbbreviation(SignFieldOfShortText(chart.slotTexts[AscendantSlot]));
    if (ascendantSign >= 0) {
        display.signBoxTexts[static_cast<std::size_t>(ascendantSign)].append(LineBreak).append("Asc");
    }

    display.rotation = 0;
    for (int s = 0; s < 12; ++s) {
        if (display.signBoxTexts[static_cast<std::size_t>(s)].find("Asc") != std::string::npos) {
            display.rotation = s;
            break;
        }
    }
    for (int k = 0; k < 12; ++k) {
        display.houses[static_cast<std::size_t>(k)] =
            display.signBoxTexts[static_cast<std::size_t>((display.rotation + k) % 12)];
    }

    if (ascendantSign >= 0) {
        std::array<int, 12> glyphs{};
        for (int k = 0; k < 12; ++k) {
            glyphs[static_cast<std::size_t>(k)] = (ascendantSign + k) % 12 + 1;
        }
        display.glyphs = glyphs;
    }
    return display;
}

}  // namespace zodiora
