#pragma once

#include <string>
#include <string_view>

#include <CLI/CLI.hpp>

namespace zodiora::cli {

/// Lists each option with its value type only: which options go together is
/// said once in the footer instead of on every line.
class ToolHelpFormatter : public CLI::Formatter {
public:
    std::string make_option_opts(const CLI::Option* option) const override
    {
        if (option->get_type_size() == 0 || option->get_type_name().empty()) return {};
        return " " + get_label(option->get_type_name());
    }
};

/// The end of --help: modes, exit statuses and one example per mode.
inline constexpr std::string_view ToolHelpFooter = R"(Modes: one chart (--name ... --lon, or --place), --batch, --stations, --find-place,
--library, --chart, --match, --list-zones, --version. Options of two modes are refused together;
--threads and --quiet go with --batch, --note with --library add, --json and --format
are one choice.

Exit status:
  0  every chart was computed (or the list was printed)
  1  --batch: some records failed; the others were charted
  1  --library import: some lines were bad; the others were imported
  2  bad or conflicting arguments, a birth the form would refuse, an unreadable batch file,
     an unknown place or zone, a local time that happened twice (without --fold) or never,
     a --transit moment that cannot be read or lies outside the ephemeris's years
  3  the output could not be written; --library list/show/export, --chart, --match: the library
     file is missing, not a chart library, damaged or from a newer version (it is left as it is)
  130, 143  --batch stopped by SIGINT or SIGTERM after the charts read so far (count on stderr)

Examples:
  one chart:      zodiora-chart --name Asha --date 1980-06-15 --time 06:30 --zone 34 --lat 28:37N --lon 077:13E
  as JSON:        zodiora-chart --name Asha --date 1980-06-15 --time 06:30:15 --zone 34 --lat 28.6139N --lon 77.209E --format json
  a batch:        zodiora-chart --batch births.csv --format csv > charts.csv
  from stdin:     cat births.csv | zodiora-chart --batch - --json --threads 2
  from the atlas: zodiora-chart --name Asha --date 2007-03-22 --time 10:00 --place "Berkeley, California, US" --ephemeris precise --vedic
  zone history:   zodiora-chart --name Asha --date 1942-06-01 --time 12:00 --zone Asia/Kolkata --lat 22:34N --lon 88:22E --json
  1583 to 2399:   zodiora-chart --name Mohan --date 1869-10-02 --time 07:12 --place Porbandar --ephemeris precise --vedic
                  (Gregorian dates; the place's zone kept local mean time then: Porbandar's own is used)
  mean time:      zodiora-chart --name Asha --date 1980-06-15 --time 06:30 --zone lmt --lat 21:38N --lon 69:36E
  to the second:  zodiora-chart --name Asha --date 1980-06-15 --time 06:30 --zone lmt --lat 21:38:24N --lon 69:36:07.5E
  find a place:   zodiora-chart --find-place Calcutta --json
  library:        zodiora-chart --library add --name Asha --date 1980-06-15 --time 06:30 --place "New Delhi" --note "first try"
                  zodiora-chart --library list --json
                  zodiora-chart --library export charts.csv
  a saved chart:  zodiora-chart --chart ASHA --vedic
  sections:       zodiora-chart --chart ASHA --with vargas,kp --ayanamsa krishnamurti --node true
  deeper dasha:   zodiora-chart --chart ASHA --vedic --dasha-levels 3 --dasha-at 2030-01-01
  birth-time margins: zodiora-chart --chart ASHA --with margins --time-uncertainty 10
  panchang:       zodiora-chart --chart ASHA --with panchang --format json
  transits:       zodiora-chart --chart ASHA --transit 2031-05-17T06:30:00Z
  matching:       zodiora-chart --match RAVI SITA --json
  stations:       zodiora-chart --stations Mercury --format json
                  zodiora-chart --stations Saturn --from 1869 --to 1870
  zone rows:      zodiora-chart --list-zones
  version:        zodiora-chart --version
)";

}  // namespace zodiora::cli
