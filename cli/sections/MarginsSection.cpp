// --with margins: how long each fact of the chart holds as the birth time
// moves, the classic method's near-edge warnings and the retrograde
// periods around the birth.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>

#include "cli/sections/Section.h"
#include "margins/ClassicError.h"
#include "margins/Margins.h"
#include "margins/StationContext.h"
#include "presentation/MarginText.h"
#include "vedic/Nakshatra.h"

namespace zodiora::cli {

namespace margins_section {

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

// A fact's value in the chosen words ("Gemini", "Ardra 3", "Shukla Tritiya").
std::string ValueText(const TextWords& words, margins::FactValueKind kind, int value)
{
    const std::string english = MarginValueText(kind, value);
    switch (kind) {
    case margins::FactValueKind::Sign: return words.sign(value % 12, english);
    case margins::FactValueKind::NakshatraPada:
        return words.nakshatra(vedic::NakshatraName(value / 4)) + " " + std::to_string(value % 4 + 1);
    case margins::FactValueKind::Tithi: return words.named(vocabulary::Kind::Tithi, english);
    }
    return english;
}

// "Lagna sign", "D24 Lagna" in the chosen words.
std::string TitleText(const TextWords& words, std::string_view title)
{
    constexpr std::string_view lagna = " Lagna";
    const std::string_view shown = words.label(title);
    if (shown != title || title.size() <= lagna.size() || title.substr(title.size() - lagna.size()) != lagna) {
        return std::string(shown);
    }
    return std::string(title.substr(0, title.size() - lagna.size() + 1)) + std::string(words.label("Lagna"));
}

// As SpanText: "16 s", "3 min", "3 h 6 min".
std::string SpanWords(const TextWords& words, long long seconds)
{
    if (seconds < 120) return words.fill("{} s", {std::to_string(seconds)});
    const long long minutes = (seconds + 30) / 60;
    if (minutes < 120) return words.fill("{} min", {std::to_string(minutes)});
    return words.fill("{} h {} min", {std::to_string(minutes / 60), std::to_string(minutes % 60)});
}

// As NarrowFactText, in the chosen words.
std::string NarrowText(const TextWords& words, const BirthData& birth, const FactMargin& margin)
{
    const long long nearest = margin.secondsToNearerEdge();
    const std::string title = TitleText(words, margin.fact.title);
    if (margin.from && -*margin.from == nearest && margin.before) {
        return words.fill("{} changes {} earlier: {} before {}",
                          {title, SpanWords(words, nearest), ValueText(words, margin.fact.kind, *margin.before),
                           TimeOfDayText(ClockAt(birth, *margin.from))});
    }
    if (margin.until && margin.after) {
        return words.fill("{} changes {} later: {} from {}",
                          {title, SpanWords(words, nearest), ValueText(words, margin.fact.kind, *margin.after),
                           TimeOfDayText(ClockAt(birth, *margin.until + 1))});
    }
    return {};
}

// "8.12" as %.2f writes it.
std::string Fixed(double value, int decimals)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

void AppendText(std::string& out, const SectionContext& context, const TextWords& words)
{
    const ChartResult& result = context.result;
    const int uncertainty = context.timeUncertaintyMinutes();
    const auto all = margins::BirthTimeMargins(result.chart);
    out.append("\n").append(words.fill("Birth-time margins (birth time within {} min either way; ! changes within it)",
                                      {std::to_string(uncertainty)}));
    out.push_back('\n');
    for (const FactMargin& margin : all) {
        if (margin.narrowFor(uncertainty)) out.append("  ! ").append(NarrowText(words, result.birth, margin)).append("\n");
    }
    // English keeps its columns as they always were; other words widen them to fit.
    std::size_t titleWidth = 17;
    std::size_t valueWidth = 18;
    std::size_t edgeWidth = 21;
    if (!words.plainEnglish()) {
        for (const FactMargin& margin : all) {
            titleWidth = std::max(titleWidth, words.width(TitleText(words, margin.fact.title)) + 2);
            valueWidth = std::max(valueWidth, words.width(ValueText(words, margin.fact.kind, margin.value)) + 2);
        }
        for (const std::string_view edge : {"over 3 days before", "over 3 days after"}) {
            edgeWidth = std::max(edgeWidth, words.width(words.label(edge)) + 2);
        }
    }
    out.append("    ");
    words.pad(out, words.label("Fact"), titleWidth);
    words.pad(out, words.label("Value"), valueWidth);
    words.pad(out, words.label("Holds from"), edgeWidth);
    words.pad(out, words.label("Until"), edgeWidth);
    out.append(words.label("Nearer edge")).append("\n");
    for (const FactMargin& margin : all) {
        out.append(margin.narrowFor(uncertainty) ? "  ! " : "    ");
        words.pad(out, TitleText(words, margin.fact.title), titleWidth);
        words.pad(out, ValueText(words, margin.fact.kind, margin.value), valueWidth);
        words.pad(out, margin.from ? ClockText(ClockAt(result.birth, *margin.from)) : words.label("over 3 days before"),
                  edgeWidth);
        words.pad(out, margin.until ? ClockText(ClockAt(result.birth, *margin.until)) : words.label("over 3 days after"),
                  edgeWidth);
        const long long nearest = margin.secondsToNearerEdge();
        out.append(margin.from || margin.until ? SpanWords(words, nearest) : "-").append("\n");
    }
    if (result.chart.settings.ephemeris == Ephemeris::Classic) {
        for (const margins::ClassicWarning& warning : margins::ClassicWarnings(result.chart)) {
            out.append(words.fill("  Classic ephemeris: {} lies {}' from a {} edge, within the method's {}' error; "
                                  "--ephemeris precise settles its side",
                                  {words.body(PointName(warning.point)), Fixed(warning.distance * 60, 2),
                                   words.label(margins::BoundaryName(warning.boundary)), Fixed(warning.error * 60, 0)}));
            out.push_back('\n');
        }
    }
    for (const margins::StationContext& period : margins::StationsAround(result.chart)) {
        out.append(words.fill(period.retrogradeAtBirth
                                  ? "  {} retrograde from {} to {} (retrograde at birth)"
                                  : "  {} retrograde from {} to {} (a station within 3 days of the birth)",
                              {words.body(NameOf(period.planet)), DateText(period.retrograde),
                               DateText(period.direct)}));
        out.push_back('\n');
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
    std::string_view separator;
    for (const margins::ClassicWarning& warning : margins::ClassicWarnings(result.chart)) {
        out.append(separator).append(PointName(warning.point)).append(":");
        out.append(margins::BoundaryName(warning.boundary)).append(":");
        AppendShortestNumber(out, Rounded(warning.distance));
        separator = ";";
    }
    out.push_back(',');
    separator = {};
    for (const margins::StationContext& period : margins::StationsAround(result.chart)) {
        out.append(separator).append(NameOf(period.planet)).append(":").append(DateText(period.retrograde));
        out.append(":").append(DateText(period.direct));
        separator = ";";
    }
}

}  // namespace margins_section

extern const OutputSection MarginsSection{"margins",
                                          "how long each fact holds as the birth time moves (birth-time margins)",
                                          margins_section::AppendJson, margins_section::AppendText, margins_section::AppendCsvHeader, margins_section::AppendCsvRow};

}  // namespace zodiora::cli
