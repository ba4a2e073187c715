#include "cli/Listings.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "birthdata/TimeZoneTable.h"
#include "cli/JsonWriter.h"
#include "retrogrades/StationTables.h"
#include "retrogrades/StationsInYears.h"

namespace zodiora::cli {

namespace {

std::string IsoText(const StationClock& moment)
{
    const std::chrono::year_month_day date{moment.day};
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%04d-%02u-%02uT%02d:%02d:00Z", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()), moment.hour, moment.minute);
    return buffer;
}

}  // namespace

void WriteZoneList(std::ostream& out)
{
    for (int row = 0; row < TimeZoneRowCount; ++row) {
        const TimeZoneRow& zone = TimeZoneTable[static_cast<std::size_t>(row)];
        // The row holds the correction to UT; the clock's offset is its negative.
        const int offsetMinutes = -(zone.hours * 60 + zone.minutes);
        char line[32];
        std::snprintf(line, sizeof line, "%2d  UTC%c%02d:%02d  ", row, offsetMinutes < 0 ? '-' : '+',
                      std::abs(offsetMinutes) / 60, std::abs(offsetMinutes) % 60);
        out << line << zone.text << '\n';
    }
}

bool WriteStationTimes(std::ostream& out, std::string_view planetName, OutputFormat format)
{
    const auto periods = LoadStations(planetName);
    if (!periods) return false;
    std::vector<StationSpan> spans;
    spans.reserve(periods->size());
    for (const StationPeriod& period : *periods) {
        spans.push_back({{period.retrograde.day, period.retrograde.hour, period.retrograde.minute},
                         {period.direct.day, period.direct.hour, period.direct.minute}});
    }
    WriteStationSpans(out, spans, format);
    return true;
}

void WriteStationSpans(std::ostream& out, const std::vector<StationSpan>& spans, OutputFormat format)
{
    std::string text;
    if (format == OutputFormat::Csv) text = "retrograde,direct\n";
    for (const StationSpan& period : spans) {
        const std::string retrograde = IsoText(period.retrograde);
        const std::string direct = IsoText(period.direct);
        switch (format) {
        case OutputFormat::Text:
            text += retrograde + ' ' + direct + '\n';
            break;
        case OutputFormat::Csv:
            text += retrograde + ',' + direct + '\n';
            break;
        case OutputFormat::Json: {
            JsonWriter json(text);
            json.beginObject();
            json.key("retrograde");
            json.text(retrograde);
            json.key("direct");
            json.text(direct);
            json.endObject();
            text += '\n';
            break;
        }
        }
    }
    out << text;
}

}  // namespace zodiora::cli
