#include "cli/ChartOutput.h"

#include <cstdio>
#include <ostream>

#include "birthdata/Text.h"
#include "cli/ChartNumbers.h"
#include "engine/PositionText.h"
#include "engine/SignNames.h"
#include "presentation/Utf8.h"

namespace zodiora::cli {

namespace {

// The order of the "bodies" key: that of the orbital-element table.
constexpr std::array<Body, 9> ElementOrder{Body::Mercury, Body::Venus,  Body::Sun,     Body::Mars, Body::Jupiter,
                                           Body::Saturn,  Body::Uranus, Body::Neptune, Body::Pluto};

// "\r\nSun\r\nVenus (R) " -> "Sun, Venus (R)"
std::string HouseLine(const std::string& houseText)
{
    std::string line;
    std::size_t start = 0;
    while (start < houseText.size()) {
        std::size_t end = houseText.find(LineBreak, start);
        if (end == std::string::npos) end = houseText.size();
        const std::string_view name =
            TrimTrailingBlanks(std::string_view(houseText.data() + start, end - start));
        if (!name.empty()) {
            if (!line.empty()) line += ", ";
            line += name;
        }
        start = end + LineBreak.size();
    }
    return line.empty() ? "-" : line;
}

}  // namespace

void WriteChartText(std::ostream& out, const ChartResult& result)
{
    const ChartDisplay& display = result.display;
    const ChartDetails& details = display.details;
    out << "Chart of " << details.name << "\n"
        << "  Date of Birth : " << details.dob << "\n"
        << "  Time of Birth : " << details.tob << "\n"
        << "  Longitude     : " << details.longitude << "\n"
        << "  Latitude      : " << details.latitude << "\n"
        << "  City          : " << EscapeControls(details.city) << "\n"
        << "  State         : " << EscapeControls(details.state) << "\n"
        << "  Country       : " << EscapeControls(details.country) << "\n\n"
        << "  Lagna (Ascendant) : " << display.lagna << "\n"
        << "  Sun Sign          : " << display.sunSign << "\n"
        << "  Moon Sign (Rashi) : " << display.rashi << "\n\n"
        << "Planetary Positions (sidereal)\n";
    for (std::size_t k = 0; k < ChartPointCount; ++k) {
        std::string name(k < WheelBodyCount ? TrimTrailingBlanks(display.planetNames[k]) : BodyNames[k]);
        name.resize(12, ' ');
        out << "  " << name << display.positions[static_cast<std::size_t>(k)] << "\n";
    }
    out << "\nHouses (whole signs; house 1 holds the Ascendant)\n";
    for (int k = 0; k < 12; ++k) {
        std::string sign{SignNames[static_cast<std::size_t>((display.rotation + k) % 12)]};
        sign.resize(13, ' ');
        char number[8];
        std::snprintf(number, sizeof number, "%2d", k + 1);
        out << "  " << number << "  " << sign << HouseLine(display.houses[static_cast<std::size_t>(k)]) << "\n";
    }
}

nlohmann::ordered_json ChartJson(const ChartResult& result)
{
    const ChartDisplay& display = result.display;
    const Chart& chart = result.chart;
    std::array<std::string, ElementOrder.size()> bodies;
    for (std::size_t k = 0; k < ElementOrder.size(); ++k) {
        bodies[k] = LongPositionText(chart.longitude(ElementOrder[k]));
    }
    nlohmann::ordered_json json;
    json["positions"] = display.positions;
    json["ascendant"] = LongPositionText(chart.longitude(Body::Ascendant));
    json["moon"] = LongPositionText(chart.longitude(Body::Moon));
    json["moonSign"] = display.rashi;
    json["sunSign"] = display.sunSign;
    json["lagna"] = display.lagna;
    json["ayanamsa1900"] = chart.ayanamsa1900();
    json["universalHours"] = chart.moment.hours;
    json["universalDateTime"] = UniversalMinuteText(chart.moment.utc);
    json["bodies"] = bodies;
    json["planetNames"] = display.planetNames;
    json["houses"] = display.houses;
    json["glyphs"] = display.glyphs ? nlohmann::ordered_json(*display.glyphs) : nlohmann::ordered_json(nullptr);
    const ChartDetails& details = display.details;
    json["details"] = {{"name", details.name},         {"dob", details.dob},
                       {"tob", details.tob},           {"latitude", details.latitude},
                       {"longitude", details.longitude}, {"city", details.city},
                       {"state", details.state},       {"country", details.country}};
    return json;
}

}  // namespace zodiora::cli
