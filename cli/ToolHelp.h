#pragma once

#include <string_view>

namespace zodiora::cli {

/// The end of --help: exit statuses and one example per mode.
inline constexpr std::string_view ToolHelpFooter = R"(Exit status:
  0  every chart was computed (or the list was printed)
  1  --batch: some records failed; the others were charted
  2  bad arguments, a birth the form would refuse, or an unreadable batch file
  3  the output could not be written

Examples:
  one chart:      zodiora-chart --name Asha --date 1980-06-15 --time 06:30 --zone 34 --lat 28:37N --lon 077:13E
  as JSON:        zodiora-chart --name Asha --date 1980-06-15 --time 06:30:15 --zone 34 --lat 28.6139N --lon 77.209E --format json
  a batch:        zodiora-chart --batch births.csv --format csv > charts.csv
  from stdin:     cat births.csv | zodiora-chart --batch - --json --threads 2
  stations:       zodiora-chart --stations Mercury --format json
  zone rows:      zodiora-chart --list-zones
  version:        zodiora-chart --version)";

}  // namespace zodiora::cli
