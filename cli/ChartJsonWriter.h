#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "cli/ChartRequest.h"
#include "cli/JsonWriter.h"
#include "presentation/ChartSession.h"

namespace zodiora::cli {

/// Appends one chart as a JSON object and a line feed: the display keys
/// first (as ChartJson builds them), "report" when asked for, then the
/// numbers: "longitudes", "signs", "retrograde", "house" and "utc"; then
/// "ephemeris", the Vedic keys, "timeZone" and, for a chart of an atlas
/// place, "place"; then whatever `more` appends (settings, sections).
/// The dasha table is `dashaLevels` deep (1..5; 2 as it always was).
void AppendChartJson(std::string& out, const ChartResult& result, const ChartRequest& request, bool withReport,
                     const std::function<void(JsonWriter&)>& more = nullptr, int dashaLevels = 2);

/// The chart's settings beyond the ephemeris: "ayanamsa": {"name": "lahiri",
/// "degrees": 23.86…} (its value at the moment), "node": "mean",
/// "dashaYear": "julian".
void AppendSettingsJson(JsonWriter& json, const Chart& chart);

/// Appends {"line":N,"error":"..."} and a line feed for a batch line that failed.
void AppendBatchErrorJson(std::string& out, long line, std::string_view problem);

}  // namespace zodiora::cli
