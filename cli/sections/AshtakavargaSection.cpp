// --with ashtakavarga: the bindus of each planet by sign and their sum.
#include <algorithm>
#include <array>
#include <vector>

#include "cli/sections/Section.h"
#include "engine/PositionText.h"
#include "engine/SignNames.h"
#include "strength/ChartStrength.h"

namespace zodiora::cli {

namespace ashtakavarga_section {

using strength::Graha;
using vedic::AllGrahas;
using vedic::GrahaName;

strength::Ashtakavarga Of(const SectionContext& context)
{
    const Chart& chart = context.result.chart;
    return strength::ChartAshtakavarga(chart, chart.settings.ashtakavarga);
}

void Points(JsonWriter& json, const strength::SignPoints& points)
{
    json.beginArray();
    for (const int p : points) json.integer(p);
    json.endArray();
}

// "ashtakavarga": {"table": "...", "Sun": [12 bindus, Aries..Pisces], …,
// "Saturn": […], "sarva": […], "lagna": […]}
void AppendJson(JsonWriter& json, const SectionContext& context)
{
    const strength::Ashtakavarga av = Of(context);
    json.key("ashtakavarga");
    json.beginObject();
    json.key("table");
    json.plainText(strength::AshtakavargaTableTitle(av.table));
    for (const Graha graha : AllGrahas) {
        json.key(GrahaName(graha));
        Points(json, av.bhinna[vedic::IndexOf(graha)]);
    }
    json.key("sarva");
    Points(json, av.sarva);
    json.key("lagna");
    Points(json, av.lagna);
    json.endObject();
}

// The column widths: the names', each sign's (its bindus right-aligned
// under it) and the total's.
struct Columns {
    std::size_t name = 8;
    std::size_t sign = 4;
    std::size_t total = 6;
};

void Row(std::string& out, const TextWords& words, const Columns& columns, std::string_view name,
         const strength::SignPoints& points)
{
    out.append("  ");
    words.pad(out, name, columns.name);
    int total = 0;
    for (const int p : points) {
        words.padLeft(out, std::to_string(p), columns.sign);
        total += p;
    }
    words.padLeft(out, std::to_string(total), columns.total);
    out.push_back('\n');
}

void AppendText(std::string& out, const SectionContext& context, const TextWords& words)
{
    const strength::Ashtakavarga av = Of(context);
    out.append("\n").append(words.fill("Ashtakavarga ({})", {words.label(strength::AshtakavargaTableTitle(av.table))}));
    out.append("\n  ");
    Columns columns;
    std::vector<std::string> names;
    for (const Graha graha : AllGrahas) names.push_back(words.body(GrahaName(graha)));
    names.emplace_back(words.label("Sarva"));
    names.emplace_back(words.label("Lagna"));
    for (const std::string& name : names) columns.name = std::max(columns.name, words.width(name) + 1);
    out.append(columns.name, ' ');
    if (words.style.language == vocabulary::Language::English) {
        // As it always was: " Ari " heads each column of four.
        for (int sign = 0; sign < 12; ++sign) out.append(" ").append(SignAbbreviation(sign)).push_back(' ');
        out.append(" total\n");
    } else {
        // Each sign's name right-aligned over its bindus.
        for (int sign = 0; sign < 12; ++sign) columns.sign = std::max(columns.sign, words.width(words.signShort(sign)) + 2);
        for (int sign = 0; sign < 12; ++sign) words.padLeft(out, words.signShort(sign), columns.sign);
        const std::string_view total = words.label("total");
        columns.total = std::max(columns.total, words.width(total) + 2);
        words.padLeft(out, total, columns.total);
        out.push_back('\n');
    }
    for (const Graha graha : AllGrahas) {
        Row(out, words, columns, names[vedic::IndexOf(graha)], av.bhinna[vedic::IndexOf(graha)]);
    }
    Row(out, words, columns, names[names.size() - 2], av.sarva);
    Row(out, words, columns, names.back(), av.lagna);
}

// Sun_Aries, … Saturn_Pisces, Sarva_Aries, … Sarva_Pisces.
void AppendCsvHeader(std::string& out)
{
    auto columns = [&](std::string_view name) {
        for (int sign = 0; sign < 12; ++sign) {
            out.push_back(',');
            out.append(name).append("_").append(SignNames[static_cast<std::size_t>(sign)]);
        }
    };
    for (const Graha graha : AllGrahas) columns(GrahaName(graha));
    columns("Sarva");
}

void AppendCsvRow(std::string& out, const SectionContext& context)
{
    const strength::Ashtakavarga av = Of(context);
    auto fields = [&](const strength::SignPoints& points) {
        for (const int p : points) out.append(",").append(std::to_string(p));
    };
    for (const Graha graha : AllGrahas) fields(av.bhinna[vedic::IndexOf(graha)]);
    fields(av.sarva);
}

}  // namespace ashtakavarga_section

extern const OutputSection AshtakavargaSection{"ashtakavarga", "Bhinnashtakavarga of Sun..Saturn and Sarvashtakavarga",
                                               ashtakavarga_section::AppendJson, ashtakavarga_section::AppendText, ashtakavarga_section::AppendCsvHeader, ashtakavarga_section::AppendCsvRow};

}  // namespace zodiora::cli
