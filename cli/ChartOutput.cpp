#include "ChartOutput.h"

#include <cstdio>
#include <ostream>

#include "SignNames.h"
#include "UniversalTime.h"

namespace zodiora::cli {

namespace {

constexpr const char* SlotNames[ChartSlotCount] = {"Sun",    "Moon",   "Mercury", "Venus",   "Mars", "Jupiter",
                                                   "Saturn", "Uranus", "Neptune", "Pluto",   "Asc"};

// "\r\nSun\r\nVenus (R) " -> "Sun, Venus (R)"
std::string HouseLine(const std::string& houseText)
{
    std::string line;
    std::size_t start = 0;
    while (start < houseText.size()) {
        std::size_t end = houseText.find("\r\n", start);
        if (end == std::string::npos) end = houseText.size();
        std::string_view name(houseText.data() + start, end - start);
        while (!name.empty() && name.back() == ' ') name.remove_suffix(1);
        if (!name.empty()) {
            if (!line.empty()) line += ", ";
            line += name;
        }
        start = end + 2;
    }
    return line.empty() ? "-" : line;
}

std::string UniversalDateTimeText(const UniversalDateTime& utc)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d %02d:%02d", utc.year, utc.month, utc.day, utc.hour,
                  utc.minute);
    return buffer;
}

}  // namespace

void WriteChartText(std::ostream& out, const ChartSession& session, const ChartDisplay& display)
{
    const ChartDetails& details = display.details;
    out << "Chart of " << details.name << "\n"
        << "  Date of Birth : " << details.dob << "\n"
        << "  Time of Birth : " << details.tob << "\n"
        << "  Longitude     : " << details.longitude << "\n"
        << "  Latitude      : " << details.latitude << "\n"
        << "  City          : " << details.city << "\n"
        << "  State         : " << details.state << "\n"
        << "  Country       : " << details.country << "\n\n"
        << "  Lagna (Ascendant) : " << display.lagna << "\n"
        << "  Sun Sign          : " << display.sunSign << "\n"
        << "  Moon Sign (Rashi) : " << display.rashi << "\n\n"
        << "Planetary Positions (sidereal)\n";
    for (int k = 0; k < ChartSlotCount; ++k) {
        std::string name = SlotNames[k];
        if (k <= SaturnSlot) {
            name = session.names.names[static_cast<std::size_t>(k)];
            while (!name.empty() && name.back() == ' ') name.pop_back();
        }
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

nlohmann::ordered_json ChartJson(const ChartSession& session, const ChartDisplay& display)
{
    const ChartPositions& chart = session.positions;
    nlohmann::ordered_json json;
    json["positions"] = chart.slotTexts;
    json["ascendant"] = chart.ascendantLongText;
    json["moon"] = chart.moonLongText;
    json["moonSign"] = display.rashi;
    json["sunSign"] = display.sunSign;
    json["lagna"] = display.lagna;
    json["ayanamsa1900"] = chart.ayanamsa1900;
    json["universalHours"] = Universal_Hours(session.birth);
    json["universalDateTime"] = UniversalDateTimeText(Universal_DateTime(session.birth));
    json["bodies"] = chart.bodyLongTexts;
    json["planetNames"] = session.names.names;
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
