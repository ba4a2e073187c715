#pragma once

#include <iosfwd>

#include "cli/ToolOptions.h"

namespace zodiora::cli {

/// --match BOY GIRL: the Guna Milan of two of the library's charts and the
/// Kuja dosha of each, as text or JSON, each chart with its saved settings
/// (and any setting the command line gives laid over them). Answers the
/// exit status: ExitBadInput for a name not in the library, the same chart
/// twice or --format csv, ExitUnreadableLibrary when the library cannot be read.
int RunMatch(const ToolOptions& options, std::ostream& out, std::ostream& err);

}  // namespace zodiora::cli
