#pragma once

#include <string>
#include <string_view>

#include "cli/JsonWriter.h"
#include "presentation/ChartSession.h"

namespace zodiora::cli {

/// Appends one chart as a JSON object and a line feed: the display keys
/// first (as ChartJson builds them), "report" when asked for, then the
/// numbers: "longitudes", "signs", "retrograde", "house" and "utc".
void AppendChartJson(std::string& out, const ChartResult& result, bool withReport);

/// Appends {"line":N,"error":"..."} and a line feed for a batch line that failed.
void AppendBatchErrorJson(std::string& out, long line, std::string_view problem);

}  // namespace zodiora::cli
