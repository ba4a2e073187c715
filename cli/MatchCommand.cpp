#include "cli/MatchCommand.h"

#include <cstdio>
#include <ostream>
#include <string>
#include <variant>

#include "cli/ChartTool.h"
#include "cli/JsonWriter.h"
#include "cli/LibraryCommands.h"
#include "engine/SignNames.h"
#include "presentation/CalculationLine.h"
#include "presentation/ChartMatch.h"
#include "presentation/ChartSession.h"
#include "presentation/Utf8.h"
#include "vedic/Nakshatra.h"

namespace zodiora::cli {

namespace {

using namespace matching;

// One side of the match: the saved chart, charted.
struct Partner {
    SavedChart saved;
    ChartRequest request;
    ChartResult result;
    MoonProfile moon;
};

Partner Chart(const SavedChart& saved, const ToolOptions& options)
{
    Partner partner{saved, RequestFromSaved(saved), {}, {}};
    ChartSession session;
    session.setSettings(options.settingsOver(ParseSettingsText(partner.request.settings)));
    partner.result = session.run(partner.request.form, ChartSession::ReportMode::Skip);
    if (partner.request.zone && partner.request.zone->localMeanTime) {
        partner.result.clock = MeanTimeClockOf(partner.result.birth);
    } else if (partner.request.zone) {
        partner.result.clock = ClockOf(partner.result.birth, partner.request.zone->id, partner.request.zone->abbreviation);
    }
    partner.moon = MoonProfileOf(partner.result.chart.longitude(Body::Moon));
    return partner;
}

std::string DateText(const BirthFormInput& form)
{
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", form.year, form.monthIndex + 1, form.day);
    return text;
}

std::string TimeText(const BirthFormInput& form)
{
    char text[40];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", form.hour, form.minute, form.second);
    return text;
}

std::string PlaceText(const BirthFormInput& form)
{
    std::string place;
    for (const std::string* part : {&form.city, &form.state, &form.country}) {
        if (part->empty()) continue;
        if (!place.empty()) place += ", ";
        place += *part;
    }
    return place;
}

std::string_view SignName(int sign)
{
    return SignNames[static_cast<std::size_t>(sign)];
}

// Whole points as integers ("points": 1), halves as decimals (1.5).
void Points(JsonWriter& json, double points)
{
    if (points == static_cast<long long>(points)) {
        json.integer(static_cast<long long>(points));
    } else {
        json.number(points);
    }
}

void PartnerJson(JsonWriter& json, const Partner& partner)
{
    const BirthFormInput& form = partner.saved.form;
    json.beginObject();
    json.key("name");
    json.text(form.name);
    json.key("birth");
    json.beginObject();
    json.key("date");
    json.plainText(DateText(form));
    json.key("time");
    json.plainText(TimeText(form));
    json.key("place");
    json.text(PlaceText(form));
    json.endObject();
    json.key("moon");
    json.beginObject();
    json.key("nakshatra");
    json.plainText(vedic::NakshatraName(partner.moon.nakshatra));
    json.key("pada");
    json.integer(partner.moon.pada);
    json.key("sign");
    json.plainText(SignName(partner.moon.sign));
    json.endObject();
    json.key("calculation");
    json.text(CalculationLine(partner.result.chart, partner.result.clock));
    json.endObject();
}

void ManglikJson(JsonWriter& json, const ManglikFinding& finding)
{
    json.beginObject();
    json.key("manglik");
    json.boolean(finding.manglik());
    json.key("marsSign");
    json.plainText(SignName(finding.marsSign));
    json.key("from");
    json.beginArray();
    for (const ManglikFromReference& one : finding.from) {
        json.beginObject();
        json.key("reference");
        json.plainText(ManglikReferenceName(one.reference));
        json.key("house");
        json.integer(one.house);
        json.key("dosha");
        json.boolean(one.dosha);
        json.key("exceptions");
        json.beginArray();
        for (int k = 0; k < ManglikExceptionCount; ++k) {
            const auto exception = static_cast<ManglikException>(k);
            if (!one.has(exception)) continue;
            json.beginObject();
            json.key("exception");
            json.plainText(ManglikExceptionText(exception));
            json.key("source");
            json.plainText(ManglikExceptionSource(exception));
            json.endObject();
        }
        json.endArray();
        json.endObject();
    }
    json.endArray();
    json.key("everyDoshaExcepted");
    json.boolean(finding.everyDoshaExcepted());
    json.key("summary");
    json.plainText(ManglikSummary(finding));
    json.endObject();
}

std::string MatchJson(const Partner& boy, const Partner& girl, const ChartMatch& match)
{
    std::string text;
    JsonWriter json(text);
    json.beginObject();
    json.key("boy");
    PartnerJson(json, boy);
    json.key("girl");
    PartnerJson(json, girl);
    json.key("match");
    json.beginObject();
    json.key("kootas");
    json.beginArray();
    for (const KootaScore& score : match.kootas.scores) {
        json.beginObject();
        json.key("name");
        json.plainText(KootaName(score.koota));
        json.key("points");
        Points(json, score.points);
        json.key("max");
        json.integer(score.maximum);
        json.key("reason");
        json.plainText(KootaReason(match.kootas, score.koota));
        json.endObject();
    }
    json.endArray();
    json.key("total");
    Points(json, match.kootas.total());
    json.key("max");
    json.integer(GunaMaximum);
    json.key("cancellations");
    json.beginArray();
    for (const Cancellation cancellation : match.kootas.cancellations) {
        json.beginObject();
        json.key("koota");
        json.plainText(KootaName(KootaOf(cancellation)));
        json.key("reason");
        json.plainText(CancellationText(match.kootas, cancellation));
        json.key("source");
        json.plainText(CancellationSource(cancellation));
        json.endObject();
    }
    json.endArray();
    json.endObject();
    json.key("manglik");
    json.beginObject();
    json.key("boy");
    ManglikJson(json, match.boy);
    json.key("girl");
    ManglikJson(json, match.girl);
    json.key("bothManglik");
    json.boolean(match.bothManglik());
    json.endObject();
    json.endObject();
    text.push_back('\n');
    return text;
}

void PartnerLine(std::string& out, std::string_view role, const Partner& partner, const TextWords& words)
{
    const BirthFormInput& form = partner.saved.form;
    const std::string place = PlaceText(form);
    words.pad(out, words.label(role), 6);
    out.append(MessageText(form.name)).append("  ").append(DateText(form)).append(" ");
    out.append(TimeText(form));
    if (!place.empty()) out.append("  ").append(MessageText(place));
    out.append("\n      ").append(words.fill("Moon in {} pada {}, {}",
                                             {words.nakshatra(vedic::NakshatraName(partner.moon.nakshatra)),
                                              std::to_string(partner.moon.pada),
                                              words.sign(partner.moon.sign, SignName(partner.moon.sign))}));
    out.append("\n      ")
        .append(CalculationLine(partner.result.chart, partner.result.clock, words.style.language))
        .append("\n");
}

void ManglikText(std::string& out, std::string_view role, const ManglikFinding& finding, const TextWords& words)
{
    const vocabulary::Language language = words.style.language;
    out.append("  ");
    words.pad(out, words.label(role), 6);
    out.append(ManglikSummary(finding, language)).append("\n");
    for (const ManglikFromReference& one : finding.from) {
        if (!one.dosha) continue;
        out.append(words.fill(one.reference == ManglikReference::Venus ? "        from {}: " : "        from the {}: ",
                              {ManglikReferenceName(one.reference, language)}));
        if (one.exceptions == 0) out.append(words.label("no exception"));
        bool first = true;
        for (int k = 0; k < ManglikExceptionCount; ++k) {
            const auto exception = static_cast<ManglikException>(k);
            if (!one.has(exception)) continue;
            if (!first) out.append("; ");
            first = false;
            out.append(ManglikExceptionText(exception, language)).append(" (");
            out.append(ManglikExceptionSource(exception, language)).append(")");
        }
        out.append("\n");
    }
}

std::string MatchText(const Partner& boy, const Partner& girl, const ChartMatch& match, const TextWords& words)
{
    const vocabulary::Language language = words.style.language;
    std::string out;
    PartnerLine(out, "Boy:", boy, words);
    PartnerLine(out, "Girl:", girl, words);
    out.append("\n").append(words.label("Guna Milan (Ashtakoota)")).append("\n  ");
    words.pad(out, words.label("Koota"), 16);
    out.append(words.label("Points")).append("  ").append(words.label("Reason")).append("\n");
    for (const KootaScore& score : match.kootas.scores) {
        out.append("  ");
        words.pad(out, KootaName(score.koota, language), 13);
        std::string points = PointsText(score.points) + " / " + std::to_string(score.maximum);
        out.append(points.size() < 9 ? 9 - points.size() : 0, ' ').append(points).append("  ");
        out.append(KootaReason(match.kootas, score.koota, language)).append("\n");
    }
    const std::string total = PointsText(match.kootas.total()) + " / " + std::to_string(GunaMaximum);
    out.append("  ");
    words.pad(out, words.label("Total"), 13);
    out.append(total.size() < 9 ? 9 - total.size() : 0, ' ').append(total).append("\n");
    out.append("\n").append(words.label("Cancellations (listed, not counted):"));
    if (match.kootas.cancellations.empty()) out.append(" ").append(words.label("none"));
    out.append("\n");
    for (const Cancellation cancellation : match.kootas.cancellations) {
        out.append("  ").append(CancellationText(match.kootas, cancellation, language)).append(" (");
        out.append(CancellationSource(cancellation, language)).append(")\n");
    }
    out.append("\n").append(words.label(
        "Kuja (Manglik) dosha: Mars in the 1st, 2nd, 4th, 7th, 8th or 12th from the Lagna, Moon or Venus"));
    out.append("\n");
    ManglikText(out, "Boy:", match.boy, words);
    ManglikText(out, "Girl:", match.girl, words);
    if (match.bothManglik()) {
        out.append(words.label("  Both charts are Manglik: the doshas match each other.")).append("\n");
    }
    return out;
}

}  // namespace

int RunMatch(const ToolOptions& options, std::ostream& out, std::ostream& err)
{
    const OutputFormat format = options.formatter().format;
    if (format == OutputFormat::Csv) {
        err << "zodiora-chart: --match writes text or JSON, not CSV\n";
        return ExitBadInput;
    }
    const auto read = ReadSavedCharts(options, options.match, err);
    if (const int* status = std::get_if<int>(&read)) return *status;
    const auto& charts = std::get<std::vector<SavedChart>>(read);
    if (charts[0].id == charts[1].id) {
        err << "zodiora-chart: " << MessageText("'" + options.match[0] + "' and '" + options.match[1] +
                                                "' are the same saved chart; --match takes two")
            << '\n';
        return ExitBadInput;
    }
    for (const SavedChart& saved : charts) {
        const Ephemeris ephemeris = options.settingsOver(ParseSettingsText(saved.settings)).ephemeris;
        if (const auto problem = EphemerisYearProblem(saved.form, ephemeris)) {
            err << "zodiora-chart: " << MessageText(saved.form.name + ": " + *problem) << '\n';
            return ExitBadInput;
        }
    }
    const Partner boy = Chart(charts[0], options);
    const Partner girl = Chart(charts[1], options);
    const ChartMatch match = MatchCharts(boy.result.chart, girl.result.chart);
    out << (format == OutputFormat::Json ? MatchJson(boy, girl, match)
                                         : MatchText(boy, girl, match, options.formatter().words));
    return ExitOk;
}

}  // namespace zodiora::cli
