#pragma once

#include <functional>
#include <iosfwd>
#include <optional>

#include "cli/ChartRequest.h"
#include "cli/ToolOptions.h"

namespace zodiora::cli {

/// --library ACTION: list [--json], show NAME, add (the birth comes from
/// `birth`, which reports its own problems and gives nothing then),
/// export FILE.csv, import FILE.csv. Answers the exit status.
int RunLibrary(const ToolOptions& options, const std::function<std::optional<ChartRequest>()>& birth,
               std::ostream& out, std::ostream& err);

/// --chart NAME: the saved chart as a request to chart, or nothing (the
/// problem already on `err`).
std::optional<ChartRequest> SavedChartRequest(const ToolOptions& options, std::ostream& err);

}  // namespace zodiora::cli
