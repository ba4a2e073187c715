#pragma once

#include <iosfwd>
#include <string>

#include <nlohmann/json.hpp>

#include "presentation/ChartSession.h"

namespace zodiora::cli {

/// The chart as a reader wants it on a terminal: details, the three signs,
/// the eleven positions and the twelve houses.
void WriteChartText(std::ostream& out, const ChartResult& result);

/// The chart as one JSON object (keys documented in README).
nlohmann::ordered_json ChartJson(const ChartResult& result);

}  // namespace zodiora::cli
