#include "cli/ChartCsvWriter.h"

#include "cli/ChartNumbers.h"
#include "cli/JsonWriter.h"
#include "engine/PositionText.h"

namespace zodiora::cli {

namespace {

constexpr std::string_view LeadingColumns = "line,name,utc,lagna,sunSign,moonSign";

bool HasRetrogradeColumn(std::size_t k)
{
    return k < static_cast<std::size_t>(WheelBodyCount);
}

}  // namespace

void AppendCsvField(std::string& out, std::string_view field)
{
    if (field.find_first_of(",\"\r\n") == std::string_view::npos) {
        AppendValidUtf8(out, field);
        return;
    }
    out.push_back('"');
    std::size_t start = 0;
    for (std::size_t quote = field.find('"'); quote != std::string_view::npos; quote = field.find('"', start)) {
        AppendValidUtf8(out, field.substr(start, quote + 1 - start));
        out.push_back('"');
        start = quote + 1;
    }
    AppendValidUtf8(out, field.substr(start));
    out.push_back('"');
}

void AppendChartCsvHeader(std::string& out, const SectionSelection& sections)
{
    out.append(LeadingColumns);
    for (std::size_t k = 0; k < BodyNames.size(); ++k) {
        const std::string_view name = BodyNames[k];
        for (const std::string_view column : {"", "Sign", "House", "Retrograde", "Position"}) {
            if (column == "Retrograde" && !HasRetrogradeColumn(k)) continue;
            out.push_back(',');
            out.append(name);
            out.append(column);
        }
    }
    for (const OutputSection* section : sections) section->appendCsvHeader(out);
    out.append(",error\n");
}

void AppendChartCsv(std::string& out, long line, const ChartResult& result)
{
    AppendChartCsvFields(out, line, result);
    out.append(",\n");
}

void AppendChartCsvFields(std::string& out, long line, const ChartResult& result)
{
    if (line > 0) AppendInteger(out, line);
    const ChartDisplay& display = result.display;
    const std::string utc = IsoUtcText(result.chart.moment.utc);
    for (const std::string_view text : {std::string_view(display.details.name), std::string_view(utc),
                                        std::string_view(display.lagna), std::string_view(display.sunSign),
                                        std::string_view(display.rashi)}) {
        out.push_back(',');
        AppendCsvField(out, text);
    }
    for (std::size_t k = 0; k < AllPoints.size(); ++k) {
        const Body body = AllPoints[k];
        out.push_back(',');
        AppendShortestNumber(out, result.chart.longitude(body));
        out.push_back(',');
        AppendInteger(out, SignNumber(result, body));
        out.push_back(',');
        AppendInteger(out, HouseNumber(result, body));
        if (HasRetrogradeColumn(k)) out.append(result.retrograde[body] ? ",1" : ",0");
        out.push_back(',');
        // The nodes are not in the position table; their texts are made the same way.
        if (k < display.positions.size()) {
            AppendCsvField(out, display.positions[k]);
        } else {
            AppendCsvField(out, ShortPositionText(result.chart.longitude(body)));
        }
    }
}

void AppendBatchErrorCsv(std::string& out, long line, std::string_view problem, const SectionSelection& sections)
{
    AppendInteger(out, line);
    // Every column of a chart stays empty; the count comes from the header.
    std::size_t columns = 0;
    std::string header;
    AppendChartCsvHeader(header, sections);
    for (const char c : header) columns += c == ',' ? 1 : 0;
    out.append(columns, ',');
    AppendCsvField(out, problem);
    out.push_back('\n');
}

}  // namespace zodiora::cli
