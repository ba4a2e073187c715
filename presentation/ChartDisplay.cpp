#include "presentation/ChartDisplay.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstring>

#include "birthdata/Text.h"
#include "engine/PositionText.h"
#include "engine/SignNames.h"

namespace zodiora {

namespace {

// Appends `value` in decimal; the few small integers of a chart's details
// go through a stack buffer rather than a std::to_string temporary each.
char* PutInt(char* at, int value) { return std::to_chars(at, at + 12, value).ptr; }

// To the precision given: "21° 38' N", "21° 38' 24\" N", "69° 36' 7.5\" E".
std::string Angle(int degrees, int minutes, const std::optional<ArcSeconds>& seconds, const char* hemisphere)
{
    char buffer[96];
    char* at = PutInt(buffer, degrees);
    at = std::copy_n("\xC2\xB0 ", 3, at);
    at = PutInt(at, minutes);
    *at++ = '\'';
    if (seconds) {
        char part[40];
        std::snprintf(part, sizeof part, " %.*f\"", seconds->decimals, seconds->value);
        at = std::copy_n(part, std::strlen(part), at);
    }
    at = std::copy_n(hemisphere, std::strlen(hemisphere), at);
    return std::string(buffer, at);
}

template <std::size_t N>
std::string SignText(const std::array<std::string_view, N>& names, double longitude)
{
    const int sign = SignOf(longitude);
    return sign >= 0 ? std::string(names[static_cast<std::size_t>(sign)]) : std::string();
}

ChartDetails DetailsOf(const BirthData& birth)
{
    ChartDetails details;
    details.name = birth.name;
    char buffer[40];
    char* at = buffer;
    *at++ = '/';
    at = PutInt(at, birth.day);
    *at++ = '/';
    at = PutInt(at, birth.year);
    details.dob = MonthName(birth.month).append(buffer, at);
    at = PutInt(buffer, birth.hour);
    *at++ = ':';
    at = PutInt(at, birth.minute);
    details.tob.assign(buffer, at);
    details.latitude = Angle(birth.latDegrees, birth.latMinutes, birth.latSeconds, birth.south ? " S" : " N");
    details.longitude = Angle(birth.lonDegrees, birth.lonMinutes, birth.lonSeconds, birth.east ? " E" : " W");
    details.city = birth.city;
    details.state = birth.state;
    details.country = birth.country;
    return details;
}

}  // namespace

PlanetNames PlanetDisplayNames(const RetrogradeFlags& retrograde)
{
    PlanetNames names;
    for (std::size_t k = 0; k < names.size(); ++k) {
        names[k] = std::string(BodyNames[k]);
        if (retrograde.byBody[k]) names[k] += RetrogradeMark;
    }
    return names;
}

std::string MonthName(int month)
{
    return month >= 1 && month <= 12 ? std::string(MonthNames[static_cast<std::size_t>(month - 1)]) : std::string();
}

ChartDisplay BuildChartDisplay(const BirthData& birth, const Chart& chart, const RetrogradeFlags& retrograde)
{
    ChartDisplay display;
    for (const Body body : AllBodies) {
        display.positions[IndexOf(body)] = ShortPositionText(chart.longitude(body));
    }
    display.planetNames = PlanetDisplayNames(retrograde);
    display.rashi = SignText(MoonSignNames, chart.longitude(Body::Moon));
    display.sunSign = SignText(SignNames, chart.longitude(Body::Sun));
    display.lagna = SignText(MoonSignNames, chart.longitude(Body::Ascendant));
    display.details = DetailsOf(birth);

    // Sun..Saturn, then the Ascendant last; Uranus..Pluto stay off the wheel.
    for (std::size_t k = 0; k < WheelBodyCount; ++k) {
        const int sign = SignOf(chart.longitudes[k]);
        if (sign >= 0) {
            display.signBoxTexts[static_cast<std::size_t>(sign)].append(LineBreak).append(display.planetNames[k]);
        }
    }
    const int ascendantSign = SignOf(chart.longitude(Body::Ascendant));
    if (ascendantSign >= 0) {
        display.signBoxTexts[static_cast<std::size_t>(ascendantSign)].append(LineBreak).append(NameOf(Body::Ascendant));
    }

    // House 1 holds the Ascendant's sign; with no sign the wheel stays at Aries.
    display.rotation = ascendantSign >= 0 ? ascendantSign : 0;
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
