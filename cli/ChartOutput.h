#pragma once

#include <iosfwd>
#include <string>

#include <nlohmann/json.hpp>

#include "cli/TextWords.h"
#include "presentation/ChartSession.h"

namespace zodiora::cli {

/// The chart as a reader wants it on a terminal: details, the three signs,
/// the eleven positions and the twelve houses, in the words chosen.
void WriteChartText(std::ostream& out, const ChartResult& result, const TextWords& words = {});

/// The chart as one JSON object (keys documented in README).
nlohmann::ordered_json ChartJson(const ChartResult& result);

}  // namespace zodiora::cli
