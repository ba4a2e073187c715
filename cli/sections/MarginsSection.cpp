// --with margins: how long each fact of the chart holds as the birth time
// moves, the classic method's near-edge warnings and the retrograde
// periods around the birth.
#include <chrono>
#include <cmath>
#include <cstdio>

#include "cli/sections/Section.h"
#include "margins/ClassicError.h"
#include "margins/Margins.h"
#include "margins/StationContext.h"
#include "presentation/MarginText.h"

namespace zodiora::cli {

namespace {

using margins::FactMargin;

std::string DateText(std::chrono::sys_days day)
{
    const std::chrono::year_month_day ymd{day};
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(ymd.year()),
                  static_cast<unsigned>(ymd.month()), static_cast<unsigned>(ymd.day()));
    return text;
}

std::string_view PointName(Body point) { return point == Body::Ascendant ? "Ascendant" : NameOf(point); }

double Rounded(double degrees) { return std::round(degrees * 1e4) / 1e4; }

// "margins": {"lagnaSign": {"value": "Taurus", "from": "…", "until": "…",
// "narrow": false}, …}, then "classicWarnings" (classic ephemeris only)
// and "stations".
void AppendJson(JsonWriter& json, const SectionContext& context)
{
    const ChartResult& result = context.result;
    const int uncertainty = context.timeUncertaintyMinutes();
    json.key("margins");
    json.beginObject();
    for (const FactMargin& margin : margins::BirthTimeMargins(result.chart)) {
        json.key(margin.fact.key);
        json.beginObject();
        json.key("value");
        json.text(MarginValueText(margin.fact.kind, margin.value));
        json.key("from");
        if (margin.from) json.plainText(IsoClockAt(result.birth, *margin.from)); else json.null();
        json.key("until");
        if (margin.until) json.plainText(IsoClockAt(result.birth, *margin.until)); else json.null();
        json.key("narrow");
        json.boolean(margin.narrowFor(uncertainty));
        json.endObject();
    }
    json.endObject();
    if (result.chart.settings.ephemeris == Ephemeris::Classic) {
        json.key("classicWarnings");
        json.beginArray();
        for (const margins::ClassicWarning& warning : margins::ClassicWarnings(result.chart)) {
            json.beginObject();
            json.key("point");
            json.plainText(PointName(warning.point));
            json.key("boundary");
            json.plainText(margins::BoundaryName(warning.boundary));
            json.key("distance");
            json.number(Rounded(warning.distance));
            json.key("error");
            json.number(Rounded(warning.error));
            json.endObject();
        }
        json.endArray();
    }
    json.key("stations");
    json.beginObject();
    for (const margins::StationContext& period : margins::StationsAround(result.chart)) {
        json.key(NameOf(period.planet));
        json.beginObject();
        json.key("retrograde");
        json.plainText(DateText(period.retrograde));
        json.key("direct");
        json.plainText(DateText(period.direct));
        json.endObject();
    }
    json.endObject();
}

void Padded(std::string& out, std::string_view text, std::size_t width)
{
    out.append(text);
    if (text.size() < width) out.append(width - text.size(), ' ');
}

void AppendText(std::string& out, const SectionContext& context, const TextWords& words)
{
    const ChartResult& result = context.result;
    const int uncertainty = context.timeUncertaintyMinutes();
    const auto all = margins::BirthTimeMargins(result.chart);
    out.append("\nBirth-time margins (birth time within ").append(std::to_string(uncertainty));
    out.append(" min either way; ! changes within it)\n");
    for (const FactMargin& margin : all) {
        if (margin.narrowFor(uncertainty)) out.append("  ! ").append(NarrowFactText(result.birth, margin)).append("\n");
    }
    out.append("    ");
    Padded(out, "Fact", 17);
    Padded(out, "Value", 18);
    Padded(out, "Holds from", 21);
    Padded(out, "Until", 21);
    out.append("Nearer edge\n");
    for (const FactMargin& margin : all) {
        out.append(margin.narrowFor(uncertainty) ? "  ! " : "    ");
        Padded(out, margin.fact.title, 17);
        Padded(out, MarginValueText(margin.fact.kind, margin.value), 18);
        Padded(out, margin.from ? ClockText(ClockAt(result.birth, *margin.from)) : "over 3 days before", 21);
        Padded(out, margin.until ? ClockText(ClockAt(result.birth, *margin.until)) : "over 3 days after", 21);
        const long long nearest = margin.secondsToNearerEdge();
        out.append(margin.from || margin.until ? SpanText(nearest) : "-").append("\n");
    }
    if (result.chart.settings.ephemeris == Ephemeris::Classic) {
        for (const margins::ClassicWarning& warning : margins::ClassicWarnings(result.chart)) {
            char line[200];
            std::snprintf(line, sizeof line,
                          "  Classic ephemeris: %s lies %.2f' from a %s edge, within the method's %.0f' error; "
                          "--ephemeris precise settles its side\n",
                          std::string(PointName(warning.point)).c_str(), warning.distance * 60,
                          std::string(margins::BoundaryName(warning.boundary)).c_str(), warning.error * 60);
            out.append(line);
        }
    }
    for (const margins::StationContext& period : margins::StationsAround(result.chart)) {
        out.append("  ").append(NameOf(period.planet)).append(" retrograde from ").append(DateText(period.retrograde));
        out.append(" to ").append(DateText(period.direct));
        out.append(period.retrogradeAtBirth ? " (retrograde at birth)\n" : " (a station within 3 days of the birth)\n");
    }
}

// lagnaSign, lagnaSign_from, lagnaSign_until, lagnaSign_narrow, … D60Lagna_narrow,
// classicWarnings, stations.
void AppendCsvHeader(std::string& out)
{
    for (const margins::MarginFact& fact : margins::StandardFacts()) {
        for (const std::string_view column : {"", "_from", "_until", "_narrow"}) {
            out.push_back(',');
            out.append(fact.key).append(column);
        }
    }
    out.append(",classicWarnings,stations");
}

// The warnings as "Moon:sign:0.0167" and the periods as
// "Saturn:2006-12-06:2007-04-19", each list joined with ';'.
void AppendCsvRow(std::string& out, const SectionContext& context)
{
    const ChartResult& result = context.result;
    for (const FactMargin& margin : margins::BirthTimeMargins(result.chart)) {
        out.push_back(',');
        out.append(MarginValueText(margin.fact.kind, margin.value));
        out.push_back(',');
        if (margin.from) out.append(IsoClockAt(result.birth, *margin.from));
        out.push_back(',');
        if (margin.until) out.append(IsoClockAt(result.birth, *margin.until));
        out.append(margin.narrowFor(context.timeUncertaintyMinutes()) ? ",true" : ",false");
    }
    out.push_back(',');
    std::string separator;
    for (const margins::ClassicWarning& warning : margins::ClassicWarnings(result.chart)) {
        out.append(separator).append(PointName(warning.point)).append(":");
        out.append(margins::BoundaryName(warning.boundary)).append(":");
        AppendShortestNumber(out, Rounded(warning.distance));
        separator = ";";
    }
    out.push_back(',');
    separator.clear();
    for (const margins::StationContext& period : margins::StationsAround(result.chart)) {
        out.append(separator).append(NameOf(period.planet)).append(":").append(DateText(period.retrograde));
        out.append(":").append(DateText(period.direct));
        separator = ";";
    }
}

}  // namespace

extern const OutputSection MarginsSection{"margins",
                                          "how long each fact holds as the birth time moves (birth-time margins)",
                                          AppendJson, AppendText, AppendCsvHeader, AppendCsvRow};

}  // namespace zodiora::cli
