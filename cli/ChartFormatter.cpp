#include "cli/ChartFormatter.h"

#include "presentation/Utf8.h"

#include <sstream>

#include "birthdata/Text.h"
#include "birthdata/UniversalTime.h"
#include "cli/ChartCsvWriter.h"
#include "cli/ChartJsonWriter.h"
#include "cli/ChartOutput.h"
#include "cli/VedicText.h"
#include "presentation/CalculationLine.h"

namespace zodiora::cli {

namespace {

// The clock as the request read it: a tz zone, or the zone row.
ClockReading ClockOf(const ChartResult& result, const ChartRequest& request)
{
    if (request.zone && request.zone->localMeanTime) return MeanTimeClockOf(result.birth);
    if (request.zone) return zodiora::ClockOf(result.birth, request.zone->id, request.zone->abbreviation);
    return zodiora::ClockOf(result.birth);
}

}  // namespace

void ChartFormatter::appendPreamble(std::string& out) const
{
    if (format == OutputFormat::Csv) AppendChartCsvHeader(out, sections);
}

void ChartFormatter::appendChart(std::string& out, long line, const ChartResult& result,
                                 const ChartRequest& request) const
{
    const SectionContext context{result, request, sectionOptions};
    switch (format) {
    case OutputFormat::Json:
        if (!settingsKeys && sections.empty() && !dasha.at) {
            AppendChartJson(out, result, request, report, nullptr, dasha.levels);
            return;
        }
        AppendChartJson(
            out, result, request, report,
            [&](JsonWriter& json) {
                if (settingsKeys) AppendSettingsJson(json, result.chart);
                for (const OutputSection* section : sections) section->appendJson(json, context);
                if (dasha.at) {
                    AppendDashaAtJson(json, result.chart, *dasha.at, dasha.levels, UtcOffsetSeconds(result.birth));
                }
            },
            dasha.levels);
        return;
    case OutputFormat::Csv:
        AppendChartCsvFields(out, line, result);
        for (const OutputSection* section : sections) section->appendCsvRow(out, context);
        out.append(",\n");
        return;
    case OutputFormat::Text:
        break;
    }
    std::ostringstream text;
    WriteChartText(text, result, words);
    if (vedic || !sections.empty() || dasha.at) {
        // The settings once, at the top of the Vedic part or before the sections.
        std::string parts = "\n" + CalculationLine(result.chart, ClockOf(result, request), words.style.language) + "\n";
        if (vedic) {
            AppendVedicText(parts, result, BuildVedicDetails(result.chart, UtcOffsetSeconds(result.birth)),
                            dasha.levels, words);
        }
        for (const OutputSection* section : sections) section->appendText(parts, context, words);
        if (dasha.at) {
            AppendDashaAtText(parts, result.chart, *dasha.at, dasha.levels, UtcOffsetSeconds(result.birth), words);
        }
        text << parts;
    }
    if (report) {
        // CR LF is the report's own line break; a terminal wants LF.
        text << "\n" << words.label("Planets in Signs") << "\n\n" << CrLfToLf(PlainText(result.report)) << '\n';
    }
    out += std::move(text).str();
}

void ChartFormatter::appendBatchError(std::string& out, long line, std::string_view problem) const
{
    switch (format) {
    case OutputFormat::Json:
        AppendBatchErrorJson(out, line, problem);
        return;
    case OutputFormat::Csv:
        AppendBatchErrorCsv(out, line, problem, sections);
        return;
    case OutputFormat::Text:
        break;
    }
    out += "line " + std::to_string(line) + ": ";
    out += MessageText(problem);
    out += '\n';
}

}  // namespace zodiora::cli
