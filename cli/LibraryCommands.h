#pragma once

#include <functional>
#include <iosfwd>
#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "cli/ChartRequest.h"
#include "chartlibrary/SavedChart.h"
#include "cli/ToolOptions.h"

namespace zodiora::cli {

/// --library ACTION: list [--json], show NAME, add (the birth comes from
/// `birth`, which reports its own problems and gives nothing then),
/// export FILE.csv, import FILE.csv. Answers the exit status. list, show and
/// export only read (see ChartLibrary::openToRead): a library they cannot
/// read answers ExitUnreadableLibrary. Status lines of add, import and
/// export go to `err`, so `out` carries only what was asked for.
int RunLibrary(const ToolOptions& options, const std::function<std::optional<ChartRequest>()>& birth,
               std::ostream& out, std::ostream& err);

/// --chart NAME: the saved chart as a request to chart, or the exit status
/// (the problem already on `err`): ExitUnreadableLibrary when the library
/// is missing or cannot be read, ExitBadInput when the name is not in it.
std::variant<ChartRequest, int> SavedChartRequest(const ToolOptions& options, std::ostream& err);

/// The saved chart as a request to chart: its form, settings and zone.
ChartRequest RequestFromSaved(const SavedChart& chart);

/// The library's charts named `names` (--match), each looked up as
/// --chart looks one up, from the chosen library opened only to read. A
/// library file that is missing, unreadable or not a chart library answers
/// ExitUnreadableLibrary, a name not in it ExitBadInput, each with the
/// reason on `err`.
std::variant<std::vector<SavedChart>, int> ReadSavedCharts(const ToolOptions& options,
                                                           std::span<const std::string> names, std::ostream& err);

}  // namespace zodiora::cli
