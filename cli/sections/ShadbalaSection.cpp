// --with shadbala: the six-fold strength of Sun..Saturn.
#include <algorithm>
#include <array>
#include <cmath>

#include "cli/sections/Section.h"
#include "strength/ChartStrength.h"

namespace zodiora::cli {

namespace shadbala_section {

using strength::Graha;
using strength::GrahaStrength;
using vedic::AllGrahas;
using vedic::GrahaName;

/// Virupas to two decimals: the books' precision, and stable in the last digit.
double Rounded(double value)
{
    return std::round(value * 100.0) / 100.0;
}

struct Part {
    std::string_view key;
    double GrahaStrength::*member;
};

constexpr std::array<Part, 10> Main{{{"sthana", &GrahaStrength::sthana},
                                     {"dig", &GrahaStrength::dig},
                                     {"kala", &GrahaStrength::kala},
                                     {"chesta", &GrahaStrength::chesta},
                                     {"naisargika", &GrahaStrength::naisargika},
                                     {"drik", &GrahaStrength::drik},
                                     {"total", &GrahaStrength::total},
                                     {"rupas", &GrahaStrength::rupas},
                                     {"required", &GrahaStrength::required},
                                     {"ratio", &GrahaStrength::ratio}}};

constexpr std::array<Part, 5> SthanaParts{{{"uchcha", &GrahaStrength::uchcha},
                                           {"saptavargaja", &GrahaStrength::saptavargaja},
                                           {"ojayugma", &GrahaStrength::ojayugma},
                                           {"kendra", &GrahaStrength::kendra},
                                           {"drekkana", &GrahaStrength::drekkana}}};

constexpr std::array<Part, 9> KalaParts{{{"nathonnata", &GrahaStrength::nathonnata},
                                         {"paksha", &GrahaStrength::paksha},
                                         {"tribhaga", &GrahaStrength::tribhaga},
                                         {"abda", &GrahaStrength::abda},
                                         {"masa", &GrahaStrength::masa},
                                         {"vara", &GrahaStrength::vara},
                                         {"hora", &GrahaStrength::hora},
                                         {"ayana", &GrahaStrength::ayana},
                                         {"yuddha", &GrahaStrength::yuddha}}};

template <std::size_t N>
void Members(JsonWriter& json, const GrahaStrength& planet, const std::array<Part, N>& parts)
{
    for (const Part& part : parts) {
        json.key(part.key);
        json.number(Rounded(planet.*part.member));
    }
}

// "shadbala": {"Sun": {"sthana": …, "dig": …, "kala": …, "chesta": …,
// "naisargika": 60, "drik": …, "total": …, "rupas": …, "required": 5,
// "ratio": …, "sthanaParts": {…}, "kalaParts": {…}}, …}; null where the
// Sun neither rises nor sets on the birth day.
void AppendJson(JsonWriter& json, const SectionContext& context)
{
    const auto shadbala = strength::ChartShadbala(context.result.chart);
    json.key("shadbala");
    if (!shadbala) {
        json.null();
        return;
    }
    json.beginObject();
    for (const Graha graha : AllGrahas) {
        const GrahaStrength& planet = shadbala->of(graha);
        json.key(GrahaName(graha));
        json.beginObject();
        Members(json, planet, Main);
        json.key("sthanaParts");
        json.beginObject();
        Members(json, planet, SthanaParts);
        json.endObject();
        json.key("kalaParts");
        json.beginObject();
        Members(json, planet, KalaParts);
        json.endObject();
        json.endObject();
    }
    json.endObject();
}

std::string Fixed(double value, int decimals)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    return buffer;
}

// The heads of the value columns, right-aligned over them.
constexpr std::array<std::string_view, 10> ColumnHeads{"sthana", "dig",   "kala",  "chesta", "natural",
                                                       "drik",   "total", "rupas", "least",  "ratio"};

void AppendText(std::string& out, const SectionContext& context, const TextWords& words)
{
    const auto shadbala = strength::ChartShadbala(context.result.chart);
    out.append("\n").append(words.label(
        "Shadbala in virupas (BPHS ch. 27; B.V. Raman, Graha and Bhava Balas, and his minimum in rupas)"));
    out.push_back('\n');
    if (!shadbala) {
        out.append(words.label("  not available: the Sun neither rises nor sets on the birth day at this place"));
        out.push_back('\n');
        return;
    }
    std::size_t nameWidth = 9;
    if (!words.plainEnglish()) {
        for (const Graha graha : AllGrahas) nameWidth = std::max(nameWidth, words.width(words.body(GrahaName(graha))) + 1);
    }
    // The English heads as they always were; others right-aligned in cells one wider.
    const bool asAlways = words.style.language == vocabulary::Language::English && nameWidth == 9;
    std::size_t cell = asAlways ? 7 : 8;
    if (asAlways) {
        out.append("  planet     sthana    dig   kala chesta natural  drik  total  rupas  least  ratio\n");
    } else {
        for (const std::string_view head : ColumnHeads) cell = std::max(cell, words.width(words.label(head)) + 1);
        out.append("  ");
        words.pad(out, words.label("planet"), nameWidth);
        for (const std::string_view head : ColumnHeads) words.padLeft(out, words.label(head), cell);
        out.push_back('\n');
    }
    for (const Graha graha : AllGrahas) {
        const GrahaStrength& p = shadbala->of(graha);
        out.append("  ");
        words.pad(out, words.body(GrahaName(graha)), nameWidth);
        for (const double v : {p.sthana, p.dig, p.kala, p.chesta, p.naisargika, p.drik, p.total}) {
            words.padLeft(out, Fixed(v, 1), cell);
        }
        words.padLeft(out, Fixed(p.rupas, 2), cell);
        words.padLeft(out, Fixed(p.required, 1), cell);
        words.padLeft(out, Fixed(p.ratio, 2), cell);
        out.push_back('\n');
    }
}

// Sun_sthana, … Sun_ratio, … Saturn_ratio.
void AppendCsvHeader(std::string& out)
{
    for (const Graha graha : AllGrahas) {
        for (const Part& part : Main) {
            out.push_back(',');
            out.append(GrahaName(graha)).append("_").append(part.key);
        }
    }
}

void AppendCsvRow(std::string& out, const SectionContext& context)
{
    const auto shadbala = strength::ChartShadbala(context.result.chart);
    for (const Graha graha : AllGrahas) {
        for (const Part& part : Main) {
            out.push_back(',');
            if (shadbala) AppendShortestNumber(out, Rounded(shadbala->of(graha).*part.member));
        }
    }
}

}  // namespace shadbala_section

extern const OutputSection ShadbalaSection{"shadbala", "six-fold strength of Sun..Saturn in virupas and rupas",
                                           shadbala_section::AppendJson, shadbala_section::AppendText, shadbala_section::AppendCsvHeader, shadbala_section::AppendCsvRow};

}  // namespace zodiora::cli
