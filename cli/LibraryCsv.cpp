#include "cli/LibraryCsv.h"

#include <cstdio>

#include "cli/BatchFields.h"
#include "cli/ChartCsvWriter.h"
#include "cli/ChartRequest.h"
#include "cli/CsvReader.h"
#include "cli/ZoneChoice.h"
#include "engine/CalculationSettings.h"

namespace zodiora::cli {

namespace {

// The settings column follows the eleven batch columns.
constexpr std::size_t SettingsField = 11;

std::string Angle(const std::string& degrees, const std::string& minutes, char hemisphere)
{
    return degrees + ':' + minutes + hemisphere;
}

}  // namespace

void AppendLibraryCsvLine(std::string& out, const SavedChart& chart, bool withSettings)
{
    const BirthFormInput& form = chart.form;
    char date[16];
    std::snprintf(date, sizeof date, "%04d-%02d-%02d", form.year % 10000, (form.monthIndex + 1) % 100, form.day % 100);
    char time[16];
    if (form.second != 0) {
        std::snprintf(time, sizeof time, "%02d:%02d:%02d", form.hour % 100, form.minute % 100, form.second % 100);
    } else {
        std::snprintf(time, sizeof time, "%02d:%02d", form.hour % 100, form.minute % 100);
    }
    const std::string zone = chart.zoneId.empty() ? std::to_string(form.zoneRow) : chart.zoneId;
    // A clock time that happened twice keeps the occurrence that was saved.
    Fold fold = Fold::Unset;
    if (!chart.zoneId.empty() && form.exactOffsetSeconds) {
        const timezones::LocalDateTime local{form.year, form.monthIndex + 1, form.day, form.hour, form.minute, form.second};
        fold = FoldOf(chart.zoneId, local, *form.exactOffsetSeconds);
    }
    const std::string fields[] = {form.name,
                                  date,
                                  time,
                                  zone,
                                  Angle(form.latDegrees, form.latMinutes, form.south ? 'S' : 'N'),
                                  Angle(form.lonDegrees, form.lonMinutes, form.east ? 'E' : 'W'),
                                  form.daylightSaving ? "1" : "0",
                                  form.city,
                                  form.state,
                                  form.country,
                                  fold == Fold::Earlier ? "earlier" : fold == Fold::Later ? "later" : ""};
    bool first = true;
    for (const std::string& field : fields) {
        if (!first) out.push_back(',');
        first = false;
        AppendCsvField(out, field);
    }
    if (withSettings) {
        out.push_back(',');
        AppendCsvField(out, chart.settings);
    }
    out.push_back('\n');
}

LibraryImport ReadLibraryCsv(std::istream& in)
{
    LibraryImport result;
    CsvReader reader(in);
    CsvRecord record;
    bool firstRecord = true;
    while (reader.next(record)) {
        const bool header = firstRecord && record.problem.empty() && IsHeaderRecord(record.fields);
        firstRecord = false;
        if (header) continue;
        std::string settings;
        if (record.problem.empty() && record.fields.size() == SettingsField + 1) {
            settings = std::move(record.fields.back());
            record.fields.pop_back();
            if (!settings.empty()) settings = SettingsText(ParseSettingsText(settings));
        }
        auto parsed = ParseBatchRecord(record);
        if (auto* request = std::get_if<ChartRequest>(&parsed)) {
            SavedChart chart;
            chart.settings = std::move(settings);
            chart.form = std::move(request->form);
            if (request->zone) chart.zoneId = request->zone->id;
            result.charts.push_back(std::move(chart));
            continue;
        }
        const std::string& problem = std::get<std::string>(parsed);
        result.problems.push_back("line " + std::to_string(record.line) + ": " + problem);
    }
    result.unreadable = reader.failed();
    return result;
}

}  // namespace zodiora::cli
