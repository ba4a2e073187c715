#include "cli/ChartOutput.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ostream>

#include "birthdata/Text.h"
#include "cli/ChartNumbers.h"
#include "engine/PositionText.h"
#include "engine/SignNames.h"
#include "presentation/Utf8.h"

namespace zodiora::cli {

namespace {

// "\r\nSun\r\nVenus (R) " -> "Sun, Venus (R)"
std::string HouseLine(const std::string& houseText, const TextWords& words)
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
            line += words.body(name);
        }
        start = end + LineBreak.size();
    }
    return line.empty() ? "-" : line;
}

}  // namespace

void WriteChartText(std::ostream& out, const ChartResult& result, const TextWords& words)
{
    const ChartDisplay& display = result.display;
    const ChartDetails& details = display.details;
    const Chart& chart = result.chart;
    const auto signOf = [&](Body body) {
        const double longitude = std::fmod(std::fmod(chart.longitude(body), 360.0) + 360.0, 360.0);
        return static_cast<int>(longitude / 30.0) % 12;
    };
    std::string text = std::string(words.label("Chart of")) + " " + details.name + "\n";
    // Labels padded to the longest of their group, then " : ".
    const auto rows = [&](std::initializer_list<std::pair<std::string_view, std::string>> group) {
        std::size_t width = 0;
        for (const auto& row : group) width = std::max(width, TextColumns(words.label(row.first)));
        for (const auto& [label, value] : group) {
            text.append("  ");
            AppendPadded(text, words.label(label), width);
            text.append(" : ").append(value).append("\n");
        }
    };
    rows({{"Date of Birth", words.date(result.birth, details.dob)},
          {"Time of Birth", details.tob},
          {"Longitude", words.coordinate(details.longitude)},
          {"Latitude", words.coordinate(details.latitude)},
          {"City", EscapeControls(details.city)},
          {"State", EscapeControls(details.state)},
          {"Country", EscapeControls(details.country)}});
    text.append("\n");
    rows({{"Lagna (Ascendant)", words.sign(signOf(Body::Ascendant), display.lagna)},
          {"Sun Sign", words.sign(signOf(Body::Sun), display.sunSign)},
          {"Moon Sign (Rashi)", words.sign(signOf(Body::Moon), display.rashi)}});
    text.append("\n").append(words.label("Planetary Positions (sidereal)")).append("\n");
    std::array<std::string, ChartPointCount> names;
    std::size_t nameWidth = 12;
    for (std::size_t k = 0; k < ChartPointCount; ++k) {
        names[k] = words.body(k < WheelBodyCount ? TrimTrailingBlanks(display.planetNames[k]) : BodyNames[k]);
        nameWidth = std::max(nameWidth, TextColumns(names[k]) + 1);
    }
    for (std::size_t k = 0; k < ChartPointCount; ++k) {
        text.append("  ");
        AppendPadded(text, names[k], nameWidth);
        text.append(words.position(display.positions[k])).append("\n");
    }
    text.append("\n").append(words.label("Houses (whole signs; house 1 holds the Ascendant)")).append("\n");
    std::array<std::string, 12> signs;
    std::size_t signWidth = 13;
    for (int k = 0; k < 12; ++k) {
        const int index = (display.rotation + k) % 12;
        signs[static_cast<std::size_t>(k)] = words.sign(index, SignNames[static_cast<std::size_t>(index)]);
        signWidth = std::max(signWidth, TextColumns(signs[static_cast<std::size_t>(k)]) + 2);
    }
    for (int k = 0; k < 12; ++k) {
        char number[8];
        std::snprintf(number, sizeof number, "%2d", k + 1);
        text.append("  ").append(number).append("  ");
        AppendPadded(text, signs[static_cast<std::size_t>(k)], signWidth);
        text.append(HouseLine(display.houses[static_cast<std::size_t>(k)], words)).append("\n");
    }
    out << text;
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
