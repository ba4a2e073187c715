// --with ashtakavarga: the bindus of each planet by sign and their sum.
#include "cli/sections/Section.h"
#include "engine/PositionText.h"
#include "engine/SignNames.h"
#include "strength/ChartStrength.h"

namespace zodiora::cli {

namespace {

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

void Row(std::string& out, std::string_view name, const strength::SignPoints& points)
{
    out.append("  ").append(name);
    if (name.size() < 8) out.append(8 - name.size(), ' ');
    int total = 0;
    for (const int p : points) {
        const std::string text = std::to_string(p);
        out.append(4 - text.size(), ' ').append(text);
        total += p;
    }
    const std::string sum = std::to_string(total);
    out.append(6 - sum.size(), ' ').append(sum).push_back('\n');
}

void AppendText(std::string& out, const SectionContext& context)
{
    const strength::Ashtakavarga av = Of(context);
    out.append("\nAshtakavarga (").append(strength::AshtakavargaTableTitle(av.table)).append(")\n  ");
    out.append(8, ' ');
    for (int sign = 0; sign < 12; ++sign) out.append(" ").append(SignAbbreviation(sign)).push_back(' ');
    out.append(" total\n");
    for (const Graha graha : AllGrahas) Row(out, GrahaName(graha), av.bhinna[vedic::IndexOf(graha)]);
    Row(out, "Sarva", av.sarva);
    Row(out, "Lagna", av.lagna);
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

}  // namespace

extern const OutputSection AshtakavargaSection{"ashtakavarga", "Bhinnashtakavarga of Sun..Saturn and Sarvashtakavarga",
                                               AppendJson, AppendText, AppendCsvHeader, AppendCsvRow};

}  // namespace zodiora::cli
