#include "cli/ChartFormatter.h"

#include "presentation/Utf8.h"

#include <sstream>

#include "birthdata/Text.h"
#include "birthdata/UniversalTime.h"
#include "cli/ChartCsvWriter.h"
#include "cli/ChartJsonWriter.h"
#include "cli/ChartOutput.h"
#include "cli/VedicText.h"

namespace zodiora::cli {

void ChartFormatter::appendPreamble(std::string& out) const
{
    if (format == OutputFormat::Csv) AppendChartCsvHeader(out);
}

void ChartFormatter::appendChart(std::string& out, long line, const ChartResult& result,
                                 const ChartRequest& request) const
{
    switch (format) {
    case OutputFormat::Json:
        AppendChartJson(out, result, request, report);
        return;
    case OutputFormat::Csv:
        AppendChartCsv(out, line, result);
        return;
    case OutputFormat::Text:
        break;
    }
    std::ostringstream text;
    WriteChartText(text, result);
    if (vedic) {
        std::string sections;
        AppendVedicText(sections, result, BuildVedicDetails(result.chart, UtcOffsetSeconds(result.birth)));
        text << sections;
    }
    if (report) {
        // CR LF is the report's own line break; a terminal wants LF.
        text << "\nPlanets in Signs\n\n" << CrLfToLf(PlainText(result.report)) << '\n';
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
        AppendBatchErrorCsv(out, line, problem);
        return;
    case OutputFormat::Text:
        break;
    }
    out += "line " + std::to_string(line) + ": ";
    out += MessageText(problem);
    out += '\n';
}

}  // namespace zodiora::cli
