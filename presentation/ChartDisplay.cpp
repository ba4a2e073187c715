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

std::string_view MonthText(int month)
{
    return month >= 1 && month <= 12 ? MonthNames[static_cast<std::size_t>(month - 1)] : std::string_view();
}

// To the precision given: "21° 38' N", "21° 38' 24\" N", "69° 36' 7.5\" E".
void AssignAngle(std::string& text, int degrees, int minutes, const std::optional<ArcSeconds>& seconds,
                 const char* hemisphere)
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
    text.assign(buffer, at);
}

template <std::size_t N>
void AssignSignText(std::string& text, const std::array<std::string_view, N>& names, double longitude)
{
    const int sign = SignOf(longitude);
    if (sign >= 0) {
        text.assign(names[static_cast<std::size_t>(sign)]);
    } else {
        text.clear();
    }
}

void FillDetails(const BirthData& birth, ChartDetails& details)
{
    details.name = birth.name;
    char buffer[40];
    char* at = buffer;
    *at++ = '/';
    at = PutInt(at, birth.day);
    *at++ = '/';
    at = PutInt(at, birth.year);
    details.dob.assign(MonthText(birth.month)).append(buffer, at);
    at = PutInt(buffer, birth.hour);
    *at++ = ':';
    at = PutInt(at, birth.minute);
    details.tob.assign(buffer, at);
    AssignAngle(details.latitude, birth.latDegrees, birth.latMinutes, birth.latSeconds, birth.south ? " S" : " N");
    AssignAngle(details.longitude, birth.lonDegrees, birth.lonMinutes, birth.lonSeconds, birth.east ? " E" : " W");
    details.city = birth.city;
    details.state = birth.state;
    details.country = birth.country;
}

// Sun..Saturn named for display, over names already there.
void FillPlanetNames(const RetrogradeFlags& retrograde, PlanetNames& names)
{
    for (std::size_t k = 0; k < names.size(); ++k) {
        names[k].assign(BodyNames[k]);
        if (retrograde.byBody[k]) names[k] += RetrogradeMark;
    }
}

}  // namespace

PlanetNames PlanetDisplayNames(const RetrogradeFlags& retrograde)
{
    PlanetNames names;
    FillPlanetNames(retrograde, names);
    return names;
}

std::string MonthName(int month)
{
    return std::string(MonthText(month));
}

ChartDisplay BuildChartDisplay(const BirthData& birth, const Chart& chart, const RetrogradeFlags& retrograde)
{
    ChartDisplay display;
    FillChartDisplay(birth, chart, retrograde, display);
    return display;
}

void FillChartDisplay(const BirthData& birth, const Chart& chart, const RetrogradeFlags& retrograde,
                      ChartDisplay& display)
{
    for (const Body body : AllBodies) {
        AssignShortPositionText(display.positions[IndexOf(body)], chart.longitude(body));
    }
    FillPlanetNames(retrograde, display.planetNames);
    AssignSignText(display.rashi, MoonSignNames, chart.longitude(Body::Moon));
    AssignSignText(display.sunSign, SignNames, chart.longitude(Body::Sun));
    AssignSignText(display.lagna, MoonSignNames, chart.longitude(Body::Ascendant));
    FillDetails(birth, display.details);

    // Sun..Saturn, then the Ascendant last; Uranus..Pluto stay off the wheel.
    for (std::string& box : display.signBoxTexts) box.clear();
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
    } else {
        display.glyphs.reset();
    }
}

}  // namespace zodiora
