#include "cli/LibraryCsv.h"

#include <charconv>
#include <cstdio>
#include <optional>

#include "cli/BatchFields.h"
#include "cli/ChartCsvWriter.h"
#include "cli/ChartRequest.h"
#include "cli/CsvReader.h"
#include "cli/ZoneChoice.h"
#include "engine/CalculationSettings.h"

namespace zodiora::cli {

namespace {

// The settings column follows the eleven batch columns, the time uncertainty that.
constexpr std::size_t SettingsField = 11;
constexpr std::size_t UncertaintyField = 12;

std::string Angle(const std::string& degrees, const std::string& minutes, const std::string& seconds,
                  char hemisphere)
{
    return degrees + ':' + minutes + (seconds.empty() ? "" : ":" + seconds) + hemisphere;
}

// Minutes either way, as --time-uncertainty takes them.
std::optional<int> UncertaintyMinutes(const std::string& text)
{
    int value = -1;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < 0 || value > 1440) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

void AppendLibraryCsvLine(std::string& out, const SavedChart& chart, bool withSettings, bool withUncertainty)
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
    // A place's own mean time follows from its longitude again on import.
    const std::string zone = !chart.zoneId.empty() ? chart.zoneId
                             : form.localMeanTime  ? std::string("lmt")
                                                   : std::to_string(form.zoneRow);
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
                                  Angle(form.latDegrees, form.latMinutes, form.latSeconds, form.south ? 'S' : 'N'),
                                  Angle(form.lonDegrees, form.lonMinutes, form.lonSeconds, form.east ? 'E' : 'W'),
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
    if (withSettings || withUncertainty) {
        out.push_back(',');
        AppendCsvField(out, chart.settings);
    }
    if (withUncertainty) out.append(",").append(std::to_string(chart.timeUncertaintyMinutes));
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
        std::optional<int> uncertainty;
        if (record.problem.empty() && record.fields.size() == UncertaintyField + 1) {
            uncertainty = UncertaintyMinutes(record.fields.back());
            if (!uncertainty) {
                result.problems.push_back("line " + std::to_string(record.line) + ": the time uncertainty '" +
                                          record.fields.back() + "' is not a number of minutes from 0 to 1440");
                continue;
            }
            record.fields.pop_back();
        }
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
            if (uncertainty) chart.timeUncertaintyMinutes = *uncertainty;
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
