#include "cli/PlaceChoice.h"

#include <cmath>
#include <cstdio>
#include <ostream>

#include "atlas/Atlas.h"
#include "atlas/AtlasLocation.h"
#include "cli/ChartCsvWriter.h"
#include "cli/ChartTool.h"
#include "cli/JsonWriter.h"
#include "presentation/Utf8.h"

namespace zodiora::cli {

namespace {

constexpr std::size_t MaxMatches = 20;

std::optional<atlas::Atlas> LoadAtlas(std::string& problem)
{
    const auto path = atlas::DefaultAtlasPath();
    if (!path) {
        problem = "the place atlas (places.txt.gz) is not installed beside the program";
        return std::nullopt;
    }
    std::string error;
    auto loaded = atlas::Atlas::Load(*path, &error);
    if (!loaded) problem = "cannot read the place atlas " + *path + ": " + error;
    return loaded;
}

std::string Decimal(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.5f", value);
    return text;
}

// "37.87160N" from 37.8716: the atlas's five decimals, kept to the last
// (read as degrees, minutes and seconds to three decimals).
std::string AtlasAngleText(double degrees, char positive, char negative)
{
    return Decimal(std::fabs(degrees)) + (degrees < 0 ? negative : positive);
}

}  // namespace

std::optional<std::string> ApplyPlace(std::string_view query, const PlaceGaps& gaps, ChartArguments& arguments,
                                      std::ostream& err)
{
    std::string problem;
    const auto atlas = LoadAtlas(problem);
    if (!atlas) return problem;
    const auto matches = atlas->search(query, 1);
    if (matches.empty()) return "--place '" + ValidUtf8(query) + "': no place of the atlas matches";
    const atlas::Place& place = *matches.front();
    arguments.place = ChosenPlace{std::string(place.name),   std::string(place.state), std::string(place.country),
                                  std::string(place.zoneId), place.latitude,           place.longitude};
    if (gaps.latitude) arguments.latitude = AtlasAngleText(place.latitude, 'N', 'S');
    if (gaps.longitude) arguments.longitude = AtlasAngleText(place.longitude, 'E', 'W');
    if (gaps.zone) arguments.zone = "auto";
    if (gaps.names) {
        arguments.city = place.name;
        arguments.state = place.state;
        arguments.country = place.country;
    }
    err << "zodiora-chart: place: " << MessageText(atlas->label(place)) << " (" << Decimal(place.latitude) << ", "
        << Decimal(place.longitude) << ", " << place.zoneId << ")\n";
    return std::nullopt;
}

int WritePlaceMatches(std::string_view query, OutputFormat format, std::ostream& out, std::ostream& err)
{
    std::string problem;
    const auto atlas = LoadAtlas(problem);
    if (!atlas) {
        err << "zodiora-chart: " << MessageText(problem) << '\n';
        return ExitBadInput;
    }
    const auto matches = atlas->search(query, MaxMatches);
    if (matches.empty()) {
        err << "zodiora-chart: " << MessageText("no place of the atlas matches '" + std::string(query) + "'") << '\n';
        return ExitBadInput;
    }
    std::string text;
    if (format == OutputFormat::Csv) text = "name,state,country,latitude,longitude,zoneId,population\n";
    for (const atlas::Place* place : matches) {
        if (format == OutputFormat::Json) {
            JsonWriter json(text);
            json.beginObject();
            for (const auto& [key, value] : {std::pair{"name", place->name}, std::pair{"state", place->state},
                                             std::pair{"country", place->country}}) {
                json.key(key);
                json.text(value);
            }
            json.key("latitude");
            json.number(place->latitude);
            json.key("longitude");
            json.number(place->longitude);
            json.key("zoneId");
            json.text(place->zoneId);
            json.key("population");
            json.integer(place->population);
            json.endObject();
        } else if (format == OutputFormat::Csv) {
            for (const std::string_view field : {place->name, place->state, place->country}) {
                AppendCsvField(text, field);
                text.push_back(',');
            }
            text += Decimal(place->latitude) + ',' + Decimal(place->longitude) + ',' + std::string(place->zoneId) +
                    ',' + std::to_string(place->population);
        } else {
            text += EscapeControls(atlas->label(*place)) + "  " + Decimal(place->latitude) + "  " +
                    Decimal(place->longitude) + "  " + std::string(place->zoneId) + "  " +
                    std::to_string(place->population);
        }
        text.push_back('\n');
    }
    out << text;
    return ExitOk;
}

}  // namespace zodiora::cli
