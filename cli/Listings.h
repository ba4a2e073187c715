#pragma once

#include <ostream>
#include <string_view>
#include <vector>

#include "cli/ChartFormatter.h"
#include "retrogrades/StationsInYears.h"

namespace zodiora::cli {

/// The time-zone list as --zone numbers it: row, offset from UTC, text.
void WriteZoneList(std::ostream& out);

/// The planet's retrograde periods as ISO 8601 UTC times in `format`:
/// text "retrograde direct" lines, JSON one object a line, or CSV with a
/// header. False for a planet without a station table.
bool WriteStationTimes(std::ostream& out, std::string_view planetName, OutputFormat format);

/// Retrograde periods as WriteStationTimes writes them.
void WriteStationSpans(std::ostream& out, const std::vector<StationSpan>& spans, OutputFormat format);

}  // namespace zodiora::cli
