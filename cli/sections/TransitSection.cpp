// --transit MOMENT: the sky at that moment over the birth chart, the
// running dasha and Saturn's Sade Sati from birth to 100 years after.
#include <algorithm>
#include <array>

#include "cli/BodyKeys.h"
#include "cli/MomentText.h"
#include "cli/sections/Section.h"
#include "engine/PositionText.h"
#include "transits/RunningDasha.h"
#include "transits/SadeSati.h"
#include "transits/Transits.h"
#include "vedic/LocalDate.h"
#include "vedic/Nakshatra.h"

namespace zodiora::cli {

namespace transit_section {

using transits::SadeSatiPhase;

std::string_view PhaseKey(SadeSatiPhase phase)
{
    switch (phase) {
    case SadeSatiPhase::Rising: return "rising";
    case SadeSatiPhase::Peak: return "peak";
    case SadeSatiPhase::Setting: return "setting";
    }
    return {};
}

// Everything the outputs write, worked out once per chart.
struct TransitFacts {
    std::optional<transits::Transits> sky;
    std::optional<std::vector<transits::SadeSatiSpan>> sadeSati;
    std::optional<transits::SadeSatiSpan> running;
    std::optional<transits::RunningDasha> dasha;
    int offset = 0;  ///< the birth's clock, for the dates
};

TransitFacts FactsOf(const SectionContext& context)
{
    TransitFacts facts;
    if (!context.options.transitJd) return facts;
    const double jd = *context.options.transitJd;
    const Chart& natal = context.result.chart;
    facts.sky = transits::TransitsAt(natal, jd);
    facts.sadeSati = transits::SadeSatiOf(natal);
    if (facts.sadeSati) facts.running = transits::SpanAt(*facts.sadeSati, jd);
    facts.dasha = transits::RunningDashaAt(natal, jd);
    facts.offset = UtcOffsetSeconds(context.result.birth);
    return facts;
}

std::string DateText(double jd, int offset) { return vedic::IsoDate(vedic::LocalDate(jd, offset)); }

template <typename Value>
void ByBody(JsonWriter& json, std::string_view key, std::size_t count, Value value)
{
    json.key(key);
    std::string& out = json.rawValue();
    for (std::size_t k = 0; k < count; ++k) {
        out.append(BodyMemberKeys()[k]);
        value(out, k);
    }
    out.push_back('}');
}

void Period(JsonWriter& json, std::string_view key, const vedic::DashaPeriod& period, int offset)
{
    json.key(key);
    json.beginObject();
    json.key("lord");
    json.plainText(vedic::DashaLordName(period.lord));
    json.key("start");
    json.plainText(DateText(period.startJd, offset));
    json.key("end");
    json.plainText(DateText(period.endJd, offset));
    json.endObject();
}

// "transits": {"moment", "longitudes", "signs", "retrograde", "houseFromLagna",
// "houseFromMoon", "sadeSati": {"active", ["phase",] "periods": [{"start",
// "end", "phase"}]}, "nakshatras", "dasha": {"maha", "antar"}}.
void AppendJson(JsonWriter& json, const SectionContext& context)
{
    const TransitFacts facts = FactsOf(context);
    json.key("transits");
    if (!facts.sky || !facts.sadeSati) {
        json.null();
        return;
    }
    const transits::Transits& sky = *facts.sky;
    json.beginObject();
    json.key("moment");
    json.plainText(UtcIsoTime(sky.jdUt));
    ByBody(json, "longitudes", PointCount,
           [&](std::string& out, std::size_t k) { AppendShortestNumber(out, sky.sky.longitudes[k]); });
    ByBody(json, "signs", PointCount, [&](std::string& out, std::size_t k) { AppendInteger(out, sky.sign[k]); });
    ByBody(json, "retrograde", WheelBodyCount,
           [&](std::string& out, std::size_t k) { out.append(sky.retrograde[k] ? "true" : "false"); });
    ByBody(json, "houseFromLagna", PointCount,
           [&](std::string& out, std::size_t k) { AppendInteger(out, sky.houseFromLagna[k]); });
    ByBody(json, "houseFromMoon", PointCount,
           [&](std::string& out, std::size_t k) { AppendInteger(out, sky.houseFromMoon[k]); });
    json.key("sadeSati");
    json.beginObject();
    json.key("active");
    json.boolean(facts.running.has_value());
    if (facts.running) {
        json.key("phase");
        json.plainText(PhaseKey(facts.running->phase));
    }
    json.key("periods");
    json.beginArray();
    for (const transits::SadeSatiSpan& span : *facts.sadeSati) {
        json.beginObject();
        json.key("start");
        json.plainText(DateText(span.startJd, facts.offset));
        json.key("end");
        json.plainText(DateText(span.endJd, facts.offset));
        json.key("phase");
        json.plainText(PhaseKey(span.phase));
        json.endObject();
    }
    json.endArray();
    json.endObject();
    ByBody(json, "nakshatras", PointCount, [&](std::string& out, std::size_t k) {
        out.append("\"").append(vedic::NakshatraName(vedic::NakshatraOf(sky.sky.longitudes[k]).index)).append("\"");
    });
    json.key("dasha");
    if (facts.dasha) {
        json.beginObject();
        Period(json, "maha", facts.dasha->maha, facts.offset);
        Period(json, "antar", facts.dasha->antar, facts.offset);
        json.endObject();
    } else {
        json.null();
    }
    json.endObject();
}

void AppendText(std::string& out, const SectionContext& context, const TextWords& words)
{
    const TransitFacts facts = FactsOf(context);
    if (!facts.sky || !facts.sadeSati) {
        out.append("\n").append(words.label("Transits: not available for this moment")).push_back('\n');
        return;
    }
    const transits::Transits& sky = *facts.sky;
    out.append("\n").append(words.fill(
        "Transits at {} (position, nakshatra, house from the natal Lagna and from the natal Moon)",
        {UtcIsoTime(sky.jdUt)}));
    out.push_back('\n');
    std::array<std::string, PointCount> names;
    std::array<std::string, PointCount> positions;
    std::array<std::string, PointCount> nakshatras;
    std::size_t nameWidth = 9;
    std::size_t positionWidth = 11;
    std::size_t nakshatraWidth = 18;
    for (std::size_t k = 0; k < PointCount; ++k) {
        const double longitude = sky.sky.longitudes[k];
        names[k] = words.body(BodyNames[k]);
        positions[k] = words.position(ShortPositionText(longitude));
        nakshatras[k] = words.nakshatra(vedic::NakshatraName(vedic::NakshatraOf(longitude).index));
        if (words.plainEnglish()) continue;  // the columns as they always were
        nameWidth = std::max(nameWidth, words.width(names[k]) + 2);
        positionWidth = std::max(positionWidth, words.width(positions[k]) + 2);
        nakshatraWidth = std::max(nakshatraWidth, words.width(nakshatras[k]) + 2);
    }
    for (std::size_t k = 0; k < PointCount; ++k) {
        out.append("  ");
        words.pad(out, names[k], nameWidth);
        words.pad(out, positions[k], positionWidth);
        words.pad(out, k < WheelBodyCount && sky.retrograde[k] ? words.label("R") : "", 3);
        words.pad(out, nakshatras[k], nakshatraWidth);
        words.pad(out, std::to_string(sky.houseFromLagna[k]), 4);
        out.append(std::to_string(sky.houseFromMoon[k])).push_back('\n');
    }
    if (facts.dasha) {
        out.append(words.fill("Running dasha: {} mahadasha {} to {}, {} antardasha {} to {}",
                              {words.body(vedic::DashaLordName(facts.dasha->maha.lord)),
                               DateText(facts.dasha->maha.startJd, facts.offset),
                               DateText(facts.dasha->maha.endJd, facts.offset),
                               words.body(vedic::DashaLordName(facts.dasha->antar.lord)),
                               DateText(facts.dasha->antar.startJd, facts.offset),
                               DateText(facts.dasha->antar.endJd, facts.offset)}));
        out.push_back('\n');
    }
    const std::string running = facts.running ? words.fill("running, {}", {words.label(PhaseKey(facts.running->phase))})
                                              : std::string(words.label("not running"));
    out.append(words.fill(
        "Sade Sati (Saturn in the 12th, 1st and 2nd signs from the natal Moon), birth to 100 years: {}", {running}));
    out.push_back('\n');
    for (const transits::SadeSatiSpan& span : *facts.sadeSati) {
        out.append(words.fill("  {} to {}  {}", {DateText(span.startJd, facts.offset), DateText(span.endJd, facts.offset),
                                                 words.label(PhaseKey(span.phase))}));
        out.push_back('\n');
    }
}

}  // namespace transit_section

// No flat form: the Sade Sati spans are a list.
extern const OutputSection TransitSection{"transits", "with --transit: the sky at that moment over the chart",
                                          transit_section::AppendJson, transit_section::AppendText, nullptr, nullptr};

}  // namespace zodiora::cli
