// --with dignity: each planet's dignity, combustion and full aspects.
#include <algorithm>
#include <cmath>

#include "cli/sections/Section.h"
#include "strength/ChartStrength.h"

namespace zodiora::cli {

namespace dignity_section {

using strength::Graha;
using vedic::AllGrahas;
using vedic::GrahaName;

// "dignity": {"Sun": {"dignity": "own", "combust": false, "aspects": [7]}, …},
// houses aspected counted from the planet's sign.
void AppendJson(JsonWriter& json, const SectionContext& context)
{
    const strength::Dignities dignities = strength::ChartDignities(context.result.chart);
    json.key("dignity");
    json.beginObject();
    for (const Graha graha : AllGrahas) {
        const strength::PlanetDignity& planet = dignities.of(graha);
        json.key(GrahaName(graha));
        json.beginObject();
        json.key("dignity");
        json.plainText(strength::DignityKey(planet.dignity));
        json.key("combust");
        json.boolean(planet.combust);
        json.key("aspects");
        json.beginArray();
        for (const int house : planet.aspects) json.integer(house);
        json.endArray();
        json.endObject();
    }
    json.endObject();
}

std::string Houses(const std::vector<int>& houses)
{
    std::string text;
    for (const int house : houses) {
        if (!text.empty()) text.append(", ");
        text.append(std::to_string(house));
    }
    return text;
}

void AppendText(std::string& out, const SectionContext& context, const TextWords& words)
{
    const strength::Dignities dignities = strength::ChartDignities(context.result.chart);
    out.append("\n").append(words.label(
        "Dignity (BPHS ch. 3), combustion (Surya Siddhanta) and aspects (houses from the planet)"));
    out.push_back('\n');
    std::size_t nameWidth = 9;
    if (!words.plainEnglish()) {
        for (const Graha graha : AllGrahas) nameWidth = std::max(nameWidth, words.width(words.body(GrahaName(graha))) + 1);
    }
    for (const Graha graha : AllGrahas) {
        const strength::PlanetDignity& planet = dignities.of(graha);
        out.append("  ");
        words.pad(out, words.body(GrahaName(graha)), nameWidth);
        words.pad(out, words.label(strength::DignityKey(planet.dignity)), 14);
        std::string sun;
        if (graha != Graha::Sun) {
            const long tenths = std::lround(planet.distanceFromSun * 10);
            sun = words.fill("{}° from the Sun", {std::to_string(tenths / 10) + "." + std::to_string(tenths % 10)});
            if (planet.combust) sun.append(", ").append(words.label("combust"));
        }
        if (planet.retrograde) sun.append(sun.empty() ? "" : ", ").append(words.label("retrograde"));
        // The English column was always 36 bytes, a long entry running into "aspects".
        words.pad(out, sun, 36);
        if (!words.plainEnglish() && words.width(sun) >= 36) out.push_back(' ');
        out.append(words.label("aspects")).append(" ").append(Houses(planet.aspects)).push_back('\n');
    }
}

// Sun_dignity, Sun_combust, … Saturn_combust.
void AppendCsvHeader(std::string& out)
{
    for (const Graha graha : AllGrahas) {
        out.push_back(',');
        out.append(GrahaName(graha)).append("_dignity,");
        out.append(GrahaName(graha)).append("_combust");
    }
}

void AppendCsvRow(std::string& out, const SectionContext& context)
{
    const strength::Dignities dignities = strength::ChartDignities(context.result.chart);
    for (const Graha graha : AllGrahas) {
        out.push_back(',');
        out.append(strength::DignityKey(dignities.of(graha).dignity));
        out.append(dignities.of(graha).combust ? ",true" : ",false");
    }
}

}  // namespace dignity_section

extern const OutputSection DignitySection{"dignity", "each planet's dignity, combustion and aspects", dignity_section::AppendJson,
                                          dignity_section::AppendText, dignity_section::AppendCsvHeader, dignity_section::AppendCsvRow};

}  // namespace zodiora::cli
